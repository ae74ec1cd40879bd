#pragma once

#include <QString>

// Where a text dragged onto a Page with Ctrl held is saved, and the saving.
namespace DroppedText {

// What the name takes of the text: its first 8 characters.
inline constexpr int kTextCharacters = 8;

// The proposed file name: the page's name, " - ", the text's first 8
// characters and "...", made one plain file name by the page name rule
// ("Word - abcde...").
QString proposedName(const QString &pageName, const QString &text);

// The proposed path: the name in the folder.
QString proposedPath(const QString &folder, const QString &pageName, const QString &text);

// The path written to for a path the user took: ".txt" is added unless it
// ends with it, and its last part is made a name the file system takes (by
// the page name rule, cut between characters); its folder stays as given.
QString targetPath(const QString &chosen);

// Writes the text as UTF-8, replacing what the file held; the file is
// whole or untouched. False when it cannot be written.
bool write(const QString &path, const QString &text);

} // namespace DroppedText
