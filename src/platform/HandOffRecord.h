#pragma once

#include <QByteArray>
#include <QString>

// What a later start hands to the running one: a 4-byte big-endian length,
// then that many bytes of UTF-8 text (empty for no address).
namespace HandOffRecord {

inline constexpr int kMaxText = 2559;

// The record for a text; empty when the text does not fit in one.
QByteArray encode(const QString &text);

struct Decoded
{
    enum class Status {
        Incomplete, // more bytes are needed
        Complete,   // a whole record: its text
        Broken      // never a record: the length is over the limit
    };
    Status status = Status::Incomplete;
    QString text;
};
// What the bytes received so far hold. Bytes after a whole record are not
// looked at.
Decoded decode(const QByteArray &received);

} // namespace HandOffRecord
