#pragma once

#include <QString>

#include <optional>

class QMimeData;

// What a link dragged onto the favorites carries: the address to keep and
// the name its shortcut file gets.
namespace FavoriteDrop {

struct Link
{
    QString url;  // one line, with a scheme the favorites keep
    QString name; // empty when the drag names none
};

// The link in dropped data: the first address of a URI list, else the first
// line of the plain text; nothing when there is none or its scheme is not
// http, https, ftp or file. The name is the first file name of a file-group
// descriptor without ".url", else the title that follows the address in
// "text/x-moz-url", else the text of the link in the dragged HTML; every "?"
// in it becomes a blank.
std::optional<Link> linkIn(const QMimeData &data);

} // namespace FavoriteDrop
