#pragma once

#include <QByteArray>
#include <QString>

// Reads a file someone else may have put in our way: only a regular file
// (not a pipe that would block the open, not a device that never ends), and
// only up to a limit, so that no file can hang the program or fill its memory.
namespace BoundedFile {

enum class Status { Ok, Missing, NotAFile, TooLarge, Unreadable };

struct Result
{
    Status status = Status::Unreadable;
    QByteArray bytes;
    bool ok() const { return status == Status::Ok; }
};

Result read(const QString &path, qint64 limit);

// Limits for the kinds of files we read.
inline constexpr qint64 kListLimit = 4 * 1024 * 1024;  // menu files, lists
inline constexpr qint64 kShortcutLimit = 64 * 1024;    // .url shortcuts

} // namespace BoundedFile
