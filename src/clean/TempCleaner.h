#pragma once

#include "platform/SafeTree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ctime>
#include <optional>

#include <sys/stat.h>
#include <sys/types.h>

// Clears the user's temporary files. The temporary folder ($TMPDIR, else
// /tmp) is shared with every program and user, so only what is surely the
// user's and idle goes: files and links the user owns whose content and
// status have not changed for an hour, in folders the user owns, never
// beyond the folder's file system; folders, sockets, pipes and devices stay.
// A $TMPDIR that is empty, relative, the home folder or a folder above it is
// not cleaned at all. The program's own temporary folder is emptied whole.
class TempCleaner
{
public:
    struct Setup
    {
        std::optional<QByteArray> tmpdir; // TMPDIR as set; none when unset
        QStringList homes; // the user's home folder, as HOME and the user database name it
        QString ownFolder; // the program's own temporary folder
        uid_t user = 0;
        time_t now = 0;
    };
    // For the user running the program, now.
    static Setup forThisUser(const QString &ownFolder);
    // The program's own temporary folder in a profile.
    static QString ownFolderIn(const QString &profileDir);

    // Files changed this recently are likely open in a running program.
    static constexpr time_t kIdleSeconds = 3600;

    // The temporary folder TMPDIR names; empty when it names none.
    static QString sharedFolderPath(const std::optional<QByteArray> &tmpdir);
    enum class Verdict {
        Clean,
        HomeOrAbove,   // the home folder or one of the folders above it
        NotTemporary   // neither a shared temporary folder nor a private one of the user's
    };
    // Whether a folder may be cleaned as the temporary folder. A shared one
    // is world-writable with the sticky bit (nobody can remove or rename
    // what is another's); a private one belongs to the user and nobody else
    // may write there. The superuser owns every system folder, so a private
    // one of the superuser's must also be closed to others.
    static Verdict judge(const struct stat &folder, bool homeOrAbove, uid_t user);

    struct Result
    {
        QString shared; // the temporary folder cleaned; empty when none was
        bool ownCleaned = false;
        SafeTree::Outcome outcome;
    };

    explicit TempCleaner(Setup setup);
    Result run() const;

private:
    Setup m_setup;
};
