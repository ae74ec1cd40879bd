#pragma once

#include <QString>

// The pieces every name the program writes to disk is made with: a title
// from a page, a bookmarks file or the user may hold anything, and the name
// made of it must be one plain, visible entry of its folder that the file
// system accepts.
namespace FileNames {

// The most a name may take on disk: bytes of UTF-8, suffix included.
inline constexpr qsizetype kNameBytes = 255;
// The name of a title that leaves nothing usable.
inline constexpr const char kUntitled[] = "Untitled";

// The text with every control character (NUL, line breaks, DEL, C1, the
// line and paragraph separators) replaced by controlAs, the direction
// overrides dropped (they would show the name as something else than it is)
// and each surrogate without its partner made the replacement character.
QString withoutHidden(const QString &text, const QString &controlAs);

// The name without its leading dots and blanks (a leading dot hides an
// entry; "." and ".." are no names at all); "Untitled" when nothing is left.
QString withoutLeadingDots(const QString &name);

// The longest start of base that, followed by tail, fits in kNameBytes bytes
// of UTF-8; cut between characters only, never inside one or inside a
// surrogate pair, and trimmed at the end. "Untitled" when nothing is left.
QString fit(const QString &base, const QString &tail);

// The name of base's n-th copy: "Name.ext", "Name (2).ext", ... (n below 2
// gives the plain name); always within kNameBytes. base is a name made safe
// already.
QString numbered(const QString &base, const QString &suffix, int n = 1);

// True when the path names anything, a dangling symbolic link included.
bool isTaken(const QString &path);

// The first of numbered(base, suffix, n) for n = n, n + 1, ... that is not
// taken in folder; n is left at the number taken, so that a caller adding
// many equal names to one folder need not try the used numbers again.
QString freeName(const QString &folder, const QString &base, const QString &suffix, int &n);

} // namespace FileNames
