#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The bookmarks file every browser imports and exports: an HTML page that
// starts "<!DOCTYPE NETSCAPE-Bookmark-file-1>" and nests <DL> lists of
// <DT><H3>folders</H3> and <DT><A HREF="...">links</A>.
namespace BookmarkFile {

// Folders deeper than this below the root are not made: what they hold goes
// into the deepest one allowed.
inline constexpr int kMaxDepth = 64;
// Longer titles and descriptions are cut; longer addresses are dropped, as a
// cut address leads nowhere.
inline constexpr qsizetype kMaxTitle = 1024;
inline constexpr qsizetype kMaxDescription = 4096;
inline constexpr qsizetype kMaxUrl = 8192;

struct Node
{
    enum Kind { Folder, Link };

    Kind kind = Folder;
    QString title;
    QString url;           // links only
    QString description;   // the <DD> text, if any
    qint64 addDate = 0;    // seconds since 1970, 0 when unknown
    std::vector<Node> children; // folders only, in file order

    static Node folder(const QString &title, std::vector<Node> children = {}, qint64 addDate = 0);
    static Node link(const QString &title, const QString &url, qint64 addDate = 0);
};

// The tree of a bookmarks file: the root folder (untitled) holds what the
// file's outer list holds. Reads whatever it is given, in time linear in its
// size: entities are decoded, the file's charset is honoured (UTF-8 when it
// names none), unclosed lists are closed at the end, and only links to http,
// https, ftp and file addresses are kept. Separators are left out.
Node parse(const QByteArray &bytes);

// The file for the root's children, in UTF-8, with everything escaped that
// would end a title or an attribute.
QByteArray write(const Node &root);

} // namespace BookmarkFile
