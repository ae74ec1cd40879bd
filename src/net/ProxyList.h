#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The proxy list "proxylist.txt" in the data folder: one proxy a line,
// normally host:port. Lines are taken with their CR and LF removed and
// otherwise as they stand; which lines count depends on who reads them.
namespace ProxyList {

inline constexpr const char *kFileName = "proxylist.txt";
// A list beyond this is no proxy list; it is not read.
inline constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

// The lines of a list's content, blank ones included.
QStringList lines(const QByteArray &content);

// An entry as the menu, the choice of a proxy and the organizer count them:
// not empty, with a colon after its first character.
bool isEntry(const QString &line);
QStringList entries(const QStringList &lines);

// An entry as the rotation and the organizer's own update count it: a colon anywhere.
bool holdsColon(const QString &line);

// What a rotation tick takes: the first line from position `from` on (every
// line counts) that holds a colon, with its position; nothing when there is none.
struct Taken
{
    QString line;
    int position = 0;
};
std::optional<Taken> nextFrom(const QStringList &lines, int from);

// The file the organizer writes: every non-empty entry followed by CR LF.
QByteArray format(const QStringList &entries);

// Writes a list whole or not at all: a failure half-way leaves the old one.
bool save(const QString &file, const QByteArray &content);

// Whether an update's content is a list at all: at least one line a host:port entry.
bool looksLikeList(const QByteArray &content);

// Puts a fetched list (nothing: the fetch failed) in the old one's place.
// A page that holds no proxy (a login page on the way, an error text) is no
// list: the old one stays. Nothing when it was kept, else what to tell the user.
std::optional<QString> keepUpdate(const QString &file, const std::optional<QByteArray> &body);
// What to tell when the list cannot be written.
QString cannotWrite(const QString &file);

} // namespace ProxyList
