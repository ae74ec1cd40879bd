#pragma once

#include <QString>
#include <QtGlobal>

#include <ctime>
#include <optional>

#include <sys/stat.h>
#include <sys/types.h>

// Removing files from folders that other programs and users may share,
// without ever acting outside them. The walk holds each folder open and names
// its entries relative to it, never follows a symbolic link (a link is removed
// as a link) and never enters another mounted file system, so a link or a
// mount swapped in while it runs leads nowhere. Deep trees cost heap, not
// stack, and a bounded number of open descriptors. Nothing stops for one
// error: what cannot be removed stays and is written to the error output.
namespace SafeTree {

struct Rules
{
    // Only entries of this user go, and only this user's folders are entered;
    // none: whoever owns them.
    std::optional<uid_t> owner;
    // Only entries whose content and whose status both last changed before
    // this moment go; none: whatever their age.
    std::optional<time_t> changedBefore;
    // Sub-folders go once emptied; otherwise they stay, emptied.
    bool removeFolders = true;
    // Sockets, pipes and device entries go (the names only); otherwise they stay.
    bool removeSpecialFiles = true;
};

struct Outcome
{
    qint64 removedFiles = 0; // files, links and every other entry that is not a folder
    qint64 removedFolders = 0;
    qint64 kept = 0;   // entries the rules keep, and the folders of other mounts
    qint64 failed = 0; // entries that could not be read or removed

    Outcome &operator+=(const Outcome &other);
};

// An open folder, closed when it goes.
class Folder
{
public:
    Folder() = default;
    explicit Folder(int fd) : m_fd(fd) {}
    ~Folder();
    Folder(Folder &&other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    Folder &operator=(Folder &&other) noexcept;
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    // The folder at path. Links on the way are followed; a link as the last
    // component only when followLastLink.
    static Folder open(const QString &path, bool followLastLink);
    // A folder directly inside this one, never through a link.
    Folder child(const char *name) const;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // The folder's status; false when it cannot be read.
    bool status(struct stat *out) const;

private:
    int m_fd = -1;
};

// Removes what the rules allow below the folder (which stays). label names
// the folder in messages.
Outcome emptyFolder(const Folder &folder, const Rules &rules, const QString &label);

// Removes the folder at path with all it holds, staying on the folder's own
// file system; a symbolic link there is removed as a link, nothing it points
// at is touched. True when nothing is left at path (also when nothing was).
bool removeTree(const QString &path, Outcome *outcome = nullptr);

} // namespace SafeTree
