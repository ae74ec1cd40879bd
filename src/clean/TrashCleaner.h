#pragma once

#include "platform/MountTable.h"
#include "platform/SafeTree.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// Empties the desktop's trash: the user's trash in the data home and the
// user's trash folders at the tops of other mounted disks
// (".Trash-<uid>", and "<uid>" in a shared ".Trash" with the sticky bit).
// Of each, "files", "info" and "expunged" are emptied and "directorysizes"
// removed. A trashed link goes as a link; nothing outside a trash is touched.
class TrashCleaner
{
public:
    struct Setup
    {
        QString homeTrash;               // $XDG_DATA_HOME/Trash
        QList<MountTable::Mount> mounts; // where other disks' trashes are looked for
        uid_t user = 0;
    };
    // For the user running the program, with the mounts of this moment.
    static Setup forThisUser();

    struct Result
    {
        QStringList trashes; // the trash folders emptied
        SafeTree::Outcome outcome;
    };

    explicit TrashCleaner(Setup setup);
    Result run() const;

private:
    Setup m_setup;
};
