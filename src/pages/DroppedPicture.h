#pragma once

#include <QString>

// A file dropped on a Page (a picture dragged out of a page comes as a file
// the engine wrote it to) is kept in the pictures folder under its own name.
namespace DroppedPicture {

// The name a dropped file is kept under: its name with a bracketed copy
// counter taken out ("a[2].png" is "a.png"), from the last "[" to the last
// "]"; a name that would have nothing left before the counter stays whole.
QString keptName(const QString &fileName);

// The n-th other name for a name that is taken: the counter before the
// suffix ("a.png", 1 is "a[1].png"; "a", 2 is "a[2]").
QString numberedName(const QString &name, int n);

enum class Outcome {
    Saved,        // copied to `path`
    AlreadyThere, // `path` holds the same bytes already: nothing copied
    Failed,       // the folder cannot be made, the file read or the copy written
};

struct Result
{
    Outcome outcome;
    QString path;
};

// Copies the file into the folder (made when missing) under its kept name.
// When a file of that name is there with other bytes, name[1], name[2], ...
// are tried in turn; a file found with the same bytes is that picture
// already.
Result save(const QString &file, const QString &folder);

} // namespace DroppedPicture
