#pragma once

#include <QString>

// Internet shortcut files (".url"): an ini file whose [InternetShortcut]
// section holds the address as URL=.
namespace InternetShortcut {

// True when the name ends in ".url", in any case.
bool isShortcutName(const QString &fileName);

// The address stored in the shortcut, or an empty text when the file cannot
// be read or holds none.
QString readUrl(const QString &fileName);

// Turns a command-line or hand-off argument into what should be opened: a
// shortcut becomes its address; anything else is returned as given.
QString resolve(const QString &argument);

} // namespace InternetShortcut
