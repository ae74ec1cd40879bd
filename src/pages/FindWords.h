#pragma once

#include <QString>
#include <QStringList>

// The words of the Find Box, shared by highlighting, finding and the web
// searches, with the index of the current one.
struct FindWords
{
    QStringList words;
    int current = 0;

    // The box's text, trimmed of blanks and split at ASCII blanks only (a
    // full-width blank is part of a word); runs of blanks give no empty word.
    static QStringList split(const QString &text);
    // The text without the ASCII blanks at either end.
    static QString trimmed(const QString &text);
    // The box's list of earlier texts after using a text: appended while it
    // holds 16 or fewer (unless there already), else the text overwrites the
    // first entry, even when it equals another one.
    static QStringList remember(const QStringList &history, const QString &text);
    static constexpr int kMaxHistory = 17;
};
