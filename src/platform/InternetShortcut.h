#pragma once

#include <QByteArray>
#include <QString>

// Internet shortcut files (".url"): an ini file whose [InternetShortcut]
// section holds the address as URL=.
namespace InternetShortcut {

// True when the name ends in ".url", in any case.
bool isShortcutName(const QString &fileName);

// The address stored in the shortcut, or an empty text when the file cannot
// be read or holds none.
QString readUrl(const QString &fileName);
// The address in a shortcut file's content; empty when it holds none.
QString urlIn(const QByteArray &content);

// Turns a command-line or hand-off argument into what should be opened: a
// shortcut becomes its address; anything else is returned as given.
QString resolve(const QString &argument);

} // namespace InternetShortcut
