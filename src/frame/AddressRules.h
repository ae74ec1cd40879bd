#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The address bar's decisions, apart from any widget.
namespace AddressRules {

// What Ctrl+, Shift+ and Ctrl+Shift+Enter put in front of and behind a bare word.
struct CompletionTexts
{
    QString ctrl1 = QStringLiteral("http://www.");
    QString ctrl2 = QStringLiteral(".com");
    QString shift1 = QStringLiteral("http://www.");
    QString shift2 = QStringLiteral(".net");
    QString alt1 = QStringLiteral("http://www.");
    QString alt2 = QStringLiteral(".org");
};

// The text Enter opens, by the modifier keys held.
QString complete(const QString &typed, bool ctrl, bool shift, const CompletionTexts &texts);

// The text with its trailing "/" taken off, or with one added.
QString slashTwin(const QString &text);
// The typed list after remembering a text: unchanged when it holds the text or
// its slash twin (letter case ignored), else the text on top.
QStringList remember(const QStringList &list, const QString &text);
// What is saved of the list: of its first 24 entries, the non-empty ones.
QStringList toSave(const QStringList &list);
inline constexpr int kMaxSaved = 24;

// A selection in the edit field; none means the selection is removed.
struct Selection
{
    int start = 0;
    int end = 0;
    bool operator==(const Selection &) const = default;
};
// Ctrl+Left: back to the previous "." or "/" before the selection.
std::optional<Selection> previousPart(const QString &text, int selectionStart);
// Ctrl+Right: from the start of the text up to the next "." or "/".
std::optional<Selection> nextPart(const QString &text, int selectionEnd);

// Addresses that complete what is being typed: those that start with it,
// also once their scheme and a leading "www." are set aside; letter case
// ignored, each once, in the order given, at most `max`.
QStringList suggestions(const QStringList &candidates, const QString &typed, int max = 12);
// The typed text with the rest of the first address that completes it, in
// the form that starts with what was typed ("exa" gives "example.com/" for
// "http://www.example.com/"); the typed text itself when none does.
QString inlineCompletion(const QStringList &candidates, const QString &typed);

} // namespace AddressRules
