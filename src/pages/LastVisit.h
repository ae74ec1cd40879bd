#pragma once

#include <QByteArray>
#include <QStringList>

// The stored form of the Pages open at the last exit: the addresses, each
// followed by "\n", the whole followed by one zero byte.
namespace LastVisit {

// More would not be a session anyone left; the rest is ignored.
inline constexpr int kMaxAddresses = 1000;
// The longest address the engine takes.
inline constexpr int kMaxAddressBytes = 2 * 1024 * 1024;

// The addresses in stored order. Runs of line feeds separate like one, the
// first zero byte ends the text; a value that is not what this program
// writes (no zero byte, binary garbage, absurd length) is read as far as it
// makes sense: pieces that are not text or too long for an address are left
// out, and at most kMaxAddresses are taken.
QStringList parse(const QByteArray &value);

// The value for the given addresses, in the order given.
QByteArray format(const QStringList &addresses);

} // namespace LastVisit
