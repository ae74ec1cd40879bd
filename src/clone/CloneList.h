#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// One page a clone (or a save of the open pages) writes: the name shown in
// the clone dialog, which is the file name without its extension, and the
// address it comes from.
struct CloneEntry
{
    QString name;
    QString address;
    // For a save of the open pages: the place of the open page it comes
    // from; -1 for an address that is fetched anew.
    int page = -1;
    bool operator==(const CloneEntry &) const = default;
};

// A link of a page as the link script reports it.
struct CloneLink
{
    QString address;
    QString text;
};

// The lists of the clone dialog and the files they are written to.
namespace CloneList {

// Makes a title one safe, non-empty file name.
using NameRule = std::function<QString(const QString &title)>;

// The page's own name: its location name trimmed, "Untitled" when empty,
// made a file name that fits the file system. Also the name of the folder a
// clone goes to.
QString pageName(const QString &locationName, const NameRule &rule);

// What the link script returns, as links; nothing from anything else.
QList<CloneLink> linksFrom(const QVariant &scriptResult);

// A clone: the page itself first, then each link to an http or https address
// not listed yet, named after its text (its address when it has none).
// Names are distinct: a name already taken, also when only the case differs
// or only after the rule made it a file name, gets " (2)", " (3)", ...
QList<CloneEntry> forPage(const QString &locationName, const QString &address, const QList<CloneLink> &links,
                          const NameRule &rule);

// A save of the open pages: each page (its location name and address, in
// tab order) that shows an http, https or local file address not listed yet,
// numbered as forPage numbers; `page` is its place in `pages`.
QList<CloneEntry> forOpenPages(const QList<CloneEntry> &pages, const NameRule &rule);

// Pictures are written as they come, everything else as a web archive:
// ".gif", ".jpg", ".swf" or ".jpeg" when the address ends exactly so (the
// case counts), else ".mht".
QString suffixFor(const QString &address);
bool isPicture(const QString &address);

// A name the user may give an entry: it holds none of : > < ? | " * / \.
bool isAllowedName(const QString &name);

// The file each entry is written to, in order: in folder, the entry's name
// made a file name with its suffix, numbered where two would be the same
// file (also when only the case differs).
QStringList targets(const QString &folder, const QList<CloneEntry> &entries, const NameRule &rule);

} // namespace CloneList
