#pragma once

#include <QByteArray>
#include <QString>

// The desktop's list of recently used documents (recently-used.xbel in the
// data home), which the file dialogs and programs of the desktop share.
namespace RecentDocuments {

QString listFile();
// A valid list with nothing in it.
QByteArray emptyList();

enum class Result {
    Emptied,
    Missing,  // there is no list: none is made
    NotAFile, // a link or something else stands there: left as it is
    Failed
};
// Replaces the list at file with an empty one, written beside it and renamed
// over it, so a reader never sees half a list. A link is not written through.
Result clear(const QString &file);

} // namespace RecentDocuments
