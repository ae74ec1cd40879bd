#pragma once

#include "core/CommandHandler.h"
#include "pages/FindInPage.h"
#include "pages/FindWords.h"

#include <QObject>

#include <optional>

class PageHost;
class QComboBox;
class QMenu;

// The Find Box of the search bar and what it drives in the active Page:
// highlighting all its words, finding the current word, choosing a word, and
// emptying the box. The words and the find position live here.
class FindCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    FindCommands(PageHost &host, QComboBox &box, QObject *parent = nullptr);

    bool handle(int id) override;
    bool isEnabled(int id) const override;
    // Fills the drop-down of the find button with the words.
    bool fillPopup(int placeholder, QMenu *menu) override;

    // The box's text taken for a search or for highlighting: trimmed, split
    // into the words (which replace the list), and remembered in the box's
    // list when not empty. `firstIsCurrent` makes the first word the current one.
    QString takeText(bool firstIsCurrent);

    const FindWords &words() const { return m_words; }
    QStringList history() const;
    FindInPage &finder() { return m_find; }

    // Words beyond this many have no command of their own.
    static constexpr int kMaxWordCommands = 81;

signals:
    // The words to find changed; the find button can be pressed once there are some.
    void wordsChanged();

private:
    void highlightAll();
    void findCurrent();
    void chooseWord(int index);
    void clear();

    PageHost &m_host;
    QComboBox &m_box;
    FindWords m_words;
    FindInPage m_find;
};
