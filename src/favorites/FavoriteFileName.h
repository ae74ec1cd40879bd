#pragma once

#include "platform/FileNames.h"

#include <QString>

// Names of favorite shortcuts and folders on disk. A title comes from a page,
// a bookmarks file or the user and may hold anything; the name made of it is
// one plain, visible entry of its folder that the file system accepts.
namespace FavoriteFileName {

// The byte limit, "Untitled", the cut to length and the look-up on disk are
// those of every name the program makes.
using FileNames::fit;
using FileNames::isTaken;
using FileNames::kNameBytes;
using FileNames::kUntitled;

// The title made safe, not yet cut to length: no "/" (made "_"), no control
// characters (made blanks, runs of blanks made one), no direction overrides,
// no broken surrogates, trimmed, no leading dots; never empty ("Untitled").
QString clean(const QString &title);

// The file name of the title's n-th copy: "Name.url", "Name (2).url", ...
// (n below 2 gives the plain name). suffix is ".url" for a shortcut and
// empty for a folder. Always within kNameBytes.
QString numbered(const QString &title, const QString &suffix, int n = 1);

// The first of numbered(title, suffix, n) for n = 1, 2, ... that is not taken
// in folder.
QString freeName(const QString &folder, const QString &title, const QString &suffix);
// The same from n on; n is left at the number taken, so that a caller adding
// many equal titles to one folder need not try the used numbers again.
QString freeName(const QString &folder, const QString &title, const QString &suffix, int &n);

} // namespace FavoriteFileName
