#pragma once

#include <QString>

// Names of favorite shortcuts and folders on disk. A title comes from a page,
// a bookmarks file or the user and may hold anything; the name made of it is
// one plain, visible entry of its folder that the file system accepts.
namespace FavoriteFileName {

// The most a name may take on disk: bytes of UTF-8, suffix included.
inline constexpr qsizetype kNameBytes = 255;
// The name of a title that leaves nothing usable.
inline constexpr const char kUntitled[] = "Untitled";

// The title made safe, not yet cut to length: no "/" (made "_"), no control
// characters (made blanks, runs of blanks made one), no direction overrides,
// no broken surrogates, trimmed, no leading dots; never empty ("Untitled").
QString clean(const QString &title);

// The longest start of base that, followed by tail, fits in kNameBytes bytes
// of UTF-8; cut between characters only, never inside one or inside a
// surrogate pair, and trimmed at the end. "Untitled" when nothing is left.
QString fit(const QString &base, const QString &tail);

// The file name of the title's n-th copy: "Name.url", "Name (2).url", ...
// (n below 2 gives the plain name). suffix is ".url" for a shortcut and
// empty for a folder. Always within kNameBytes.
QString numbered(const QString &title, const QString &suffix, int n = 1);

// True when the path names anything, a dangling symbolic link included.
bool isTaken(const QString &path);

// The first of numbered(title, suffix, n) for n = 1, 2, ... that is not taken
// in folder.
QString freeName(const QString &folder, const QString &title, const QString &suffix);
// The same from n on; n is left at the number taken, so that a caller adding
// many equal titles to one folder need not try the used numbers again.
QString freeName(const QString &folder, const QString &title, const QString &suffix, int &n);

} // namespace FavoriteFileName
