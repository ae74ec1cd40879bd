#pragma once

#include "favorites/BookmarkFile.h"

#include <QString>

// Between a bookmarks tree and the favorites folder on disk: folders become
// folders, links become ".url" shortcuts.
namespace BookmarkTransfer {

struct Result
{
    int links = 0;   // shortcuts written
    int folders = 0; // folders made
    int failed = 0;  // links and folders that could not be written
    int present = 0; // links that were there already, under the same name
};

// Writes the root's children into targetFolder, which must exist. A folder of
// the same name takes the imported folder's content in, and a link already
// there under the same name is left as it is (so a file exported and imported
// again changes nothing). Any other name already there is never replaced: the
// new entry is numbered ("Name (2).url").
// Nothing is written outside targetFolder and no symbolic link is followed.
Result importInto(const BookmarkFile::Node &root, const QString &targetFolder);

// The tree of a favorites folder: in each folder its sub-folders, then its
// shortcuts, each in name order without regard to case; titles are the file
// names without ".url", dates their modification times. Symbolic links are
// left out; folders deeper than BookmarkFile::kMaxDepth hand their content up.
BookmarkFile::Node exportFolder(const QString &favoritesFolder);

} // namespace BookmarkTransfer
