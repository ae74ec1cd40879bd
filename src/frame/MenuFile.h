#pragma once

#include <QList>
#include <QString>

#include <optional>

// The files behind the search, translate, go-to and web directory menus: one
// line per menu item. A line whose first "|" stands after at least one
// character is an entry (its menu text before the "|", its target after it);
// any other line is a separator.
namespace MenuFile {

struct Line
{
    bool separator = true;
    QString text;
    QString target;
    bool operator==(const Line &) const = default;
};

QList<Line> parse(const QString &text);
// Entry n, counting entries only, in file order.
std::optional<Line> entry(const QList<Line> &lines, int n);

// The lines of a file (UTF-8, or GBK when it is not UTF-8); nothing when it
// cannot be opened or is no regular file of at most 4 MiB.
std::optional<QList<Line>> read(const QString &file);

// A menu text short enough to show, showing the line as written ("&" stays
// an ampersand): a line of any length may be written.
QString menuText(const QString &text);

// The target with its placeholders filled: "{keywords}" by the search words,
// encoded so that the address means what was typed ("&", "#", "%", blanks
// and non-ASCII characters included); "{url}" by the active Page's address,
// encoded where it stands in a query; the domain placeholder ("{域}" and
// four blanks) by the active Page's host name.
QString fill(const QString &target, const QString &keywords, const QString &url = {}, const QString &host = {});
inline const QString kDomainPlaceholder = QStringLiteral("{域}    ");

} // namespace MenuFile
