#pragma once

#include <QString>
#include <QStringList>

// What the program's SQLite stores share about their files on disk.
namespace StoreFile {

// False when the file's name, or one of its sidecars' (the file's name
// followed by each suffix), is taken by something other than a regular
// file: a pipe would block SQLite's open for ever, a device never ends.
bool regularOrAbsent(const QString &file, const QStringList &sidecarSuffixes);

// A free name beside a damaged file to set it aside under:
// "<file>.corrupt-<date>-<time>", numbered when that is taken too.
QString asideName(const QString &file);

} // namespace StoreFile
