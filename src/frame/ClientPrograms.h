#pragma once

#include "core/CommandHandler.h"
#include "platform/DesktopEntries.h"

#include <QObject>

class MessageBoxes;
class QMenu;
class QWidget;

// The desktop's programs for mail, news and contacts: the default mail
// program and address book, and menus of every installed one.
class ClientPrograms : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    enum class Kind { Mail, News, Contacts };

    ClientPrograms(MessageBoxes &messages, QWidget *window, QObject *parent = nullptr);

    // Reads the installed programs again (the menus do it when they open).
    void reload();
    void setEntries(DesktopEntries entries) { m_entries = std::move(entries); }

    QList<DesktopEntry> programs(Kind kind) const;
    bool handle(int id) override;
    static bool owns(int id);
    // The menus of mail, news and contacts programs.
    bool fillPopup(int placeholder, QMenu *menu) override;
    // Fills a menu with the programs of a kind, as commands of its range.
    void fillMenu(QMenu *menu, Kind kind);

private:
    bool startDefault(Kind kind, const QString &failure);

    MessageBoxes &m_messages;
    QWidget *m_window;
    DesktopEntries m_entries;
    bool m_loaded = false;
};
