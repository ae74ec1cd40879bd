#pragma once

#include "platform/DesktopEntries.h"

#include <optional>

// The desktop's text editor: the program that opens plain text by default,
// else any installed text editor.
namespace TextEditor {

std::optional<DesktopEntry> find(const DesktopEntries &entries);
// Starts the editor on the file, without waiting for it; false when no
// editor is installed or it could not be started.
bool open(const QString &file, const DesktopEntries &entries = DesktopEntries::load());
// What the user is told when a file could not be opened in the editor.
QString cannotOpenMessage(const QString &file);

} // namespace TextEditor
