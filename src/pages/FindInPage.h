#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class BrowserControl;

// Highlighting and finding words in a Page's document, through page scripts.
// The find position (the last word searched and where its last match was) is
// one for all Pages: finding the same word on another Page goes on from it,
// as far as that Page's document can take it.
class FindInPage
{
public:
    // The marks' id and colours: black on yellow.
    static inline const QString kMarkId = QStringLiteral("VesperalFindInPage");
    static inline const QString kTextColour = QStringLiteral("000000");
    static inline const QString kBackground = QStringLiteral("ffff00");

    using Done = std::function<void(int count)>;
    // Marks every match of the word (also inside longer words, letter case
    // ignored); `done` gets the number of matches.
    static void markAll(BrowserControl &control, const QString &word, Done done = {});
    // Takes every mark out; `done` gets the number removed.
    static void removeMarks(BrowserControl &control, Done done = {});

    // Selects the next whole-word match after the last one and scrolls to
    // it, once around to the top; `done` gets whether one was found.
    void findNext(BrowserControl &control, const QString &word, std::function<void(bool found)> done = {});

    QString word() const { return m_word; }
    bool hasBookmark() const { return m_bookmark.isValid(); }

    // The scripts themselves, for tests that run them elsewhere.
    static QString markScript(const QString &word);
    static QString unmarkScript();
    static QString nextScript(const QString &word, const QVariant &bookmark);

private:
    void search(BrowserControl &control, const QString &word, bool wrapped, std::function<void(bool)> done);

    QString m_word;
    QVariant m_bookmark;
};
