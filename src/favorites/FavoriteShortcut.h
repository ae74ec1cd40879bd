#pragma once

#include <QString>

// Writing the ".url" shortcut of one favorite, and which addresses may become
// one.
namespace FavoriteShortcut {

// True for the addresses a favorite may hold: http, https, ftp and file, in
// any case. Everything else (javascript:, data:, about:, a browser's own
// pages, no scheme at all) is refused.
bool isAllowedUrl(const QString &url);

// The address as one line of the shortcut: without CR, LF, NUL or any other
// control character, trimmed.
QString oneLine(const QString &url);

// The content of a shortcut to url.
QByteArray content(const QString &url);

// Writes the shortcut file at path whole or not at all (a crash or a full
// disk leaves the old file or none). Refuses to write through a symbolic
// link or over a folder.
bool write(const QString &path, const QString &url);

} // namespace FavoriteShortcut
