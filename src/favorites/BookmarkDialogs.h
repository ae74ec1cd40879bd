#pragma once

#include <QCoreApplication>
#include <QString>

class MessageBoxes;
class QWidget;

// Importing a bookmarks file into the favorites and exporting the favorites
// as one, each asking the user for the file (and, for an import, the folder).
class BookmarkDialogs
{
    Q_DECLARE_TR_FUNCTIONS(BookmarkDialogs)
public:
    // Asks for a bookmarks file and the folder of the favorites to put it in,
    // imports and tells how many links came in. True when anything was written.
    static bool importFavorites(QWidget *parent, const QString &favoritesFolder, MessageBoxes &messages);
    // Asks where to save and writes the favorites there; tells when that fails.
    static void exportFavorites(QWidget *parent, const QString &favoritesFolder, MessageBoxes &messages);

    // The two after the file is known.
    static bool importFile(QWidget *parent, const QString &file, const QString &favoritesFolder,
                           MessageBoxes &messages);
    static bool exportTo(QWidget *parent, const QString &file, const QString &favoritesFolder, MessageBoxes &messages);

    // Bookmarks files bigger than this are not read.
    static constexpr qint64 kFileLimit = 64 * 1024 * 1024;
};
