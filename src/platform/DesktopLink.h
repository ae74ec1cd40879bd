#pragma once

#include <QByteArray>
#include <QString>

// Link entries on the user's desktop: a freedesktop desktop file of type
// Link that opens an address when clicked.
namespace DesktopLink {

// The user's desktop folder as `xdg-user-dir DESKTOP` names it, else
// ~/Desktop.
QString desktopFolder();

// The content of a link entry named `name` for `address`.
QByteArray content(const QString &name, const QString &address);

// Writes the link entry to path (made or replaced whole); false when it
// could not be written.
bool write(const QString &path, const QString &name, const QString &address);

} // namespace DesktopLink
