#pragma once

#include <QString>
#include <QStringView>

// Build numbers are ten decimal digits, YYYYMMDDnn: the year, month and day
// of the build and a serial of that day.
namespace BuildNumber {

// The number a build text begins with: leading blanks skipped, then the
// decimal digits up to the first other character; 0 when there are none.
// A number too large for 32 bits counts as the largest one, so that a far
// newer build never compares as an older one.
qint32 value(QStringView text);

// The date of a build text as the user reads it: its first four characters,
// the next two and the two after them, joined by ", " (2002, 09, 19).
QString dateText(QStringView text);

} // namespace BuildNumber
