#pragma once

#include <QString>

// The desktop's Trash (the freedesktop.org Trash specification).
namespace Trash {

// Moves a file or a folder (a link as the link) to the Trash; false when
// there is no Trash to take it, and then the entry is left where it was.
bool move(const QString &path);

} // namespace Trash
