#pragma once

#include "favorites/FavoriteEntry.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

// The favorites folder read into a tree of entries: every folder begins with
// the entry that opens all its links, then its sub-folders, then its links,
// each group in name order. Names are ordered as the user's language orders
// them (so "äpfel" comes before "Zebra"), without regard to case; the C
// locale, which has no order of letters, orders as English does. Hidden
// entries (names beginning with a dot) are not favorites.
// Pure functions over the disk: no widgets, safe on any thread.
class FavoritesModel
{
    Q_DECLARE_TR_FUNCTIONS(FavoritesModel)

public:
    // The address of an open-all entry begins with this.
    static constexpr char kFolderScheme[] = "folder:///";
    // The first command id a build hands out.
    static constexpr int kFirstId = 4096;

    // The name of the entry that opens every link of its folder.
    static QString openAllName();

    // Reads the folder and everything below it. Links and open-all entries
    // take command ids from kFirstId upwards in the order they are made
    // (each folder's entries in name order, a sub-folder's content before
    // the next entry, the open-all entry after its folder's content); ids
    // run past the favorites command range when there are that many.
    // Symbolic links to folders are never entered, and a link to a shortcut
    // outside the folder is left out. The reading stops early, giving
    // nothing, once `abandon` is set.
    static std::unique_ptr<FavoriteEntry> build(const QString &folder, const QString &openAllText = openAllName(),
                                                const std::atomic<bool> *abandon = nullptr);

    // The entry with that command id, depth first; null when there is none.
    static const FavoriteEntry *find(const FavoriteEntry &root, int id);

    // The addresses of the shortcuts directly in the folder (not in its
    // sub-folders), in the order the menu shows them. A link to a shortcut outside `root`
    // (the favorites folder; the folder itself when empty) is left out.
    static QStringList openAllAddresses(const QString &folder, const QString &root = {});
};
