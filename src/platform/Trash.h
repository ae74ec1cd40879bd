#pragma once

#include <QString>

// The desktop's Trash, as freedesktop.org lays it out.
namespace Trash {

// Moves a file or a folder (a link as the link) to the Trash; false when
// there is no Trash to take it, and then the entry is left where it was.
bool move(const QString &path);

} // namespace Trash
