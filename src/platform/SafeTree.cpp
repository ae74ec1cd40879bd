#include "platform/SafeTree.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace SafeTree {

Outcome &Outcome::operator+=(const Outcome &other)
{
    removedFiles += other.removedFiles;
    removedFolders += other.removedFolders;
    kept += other.kept;
    failed += other.failed;
    return *this;
}

Folder::~Folder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Folder &Folder::operator=(Folder &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

Folder Folder::open(const QString &path, bool followLastLink)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLastLink ? 0 : O_NOFOLLOW);
    return Folder(::open(QFile::encodeName(path).constData(), flags));
}

Folder Folder::child(const char *name) const
{
    if (m_fd < 0)
        return {};
    return Folder(::openat(m_fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool Folder::status(struct stat *out) const
{
    return m_fd >= 0 && ::fstat(m_fd, out) == 0;
}

namespace {

// Folders held open at once; the deeper ones' parents are closed and opened
// again through "..", checked to be the same folder, on the way back up.
constexpr int kOpenLimit = 32;
// Messages written for one walk; the rest are only counted.
constexpr int kMessageLimit = 20;

struct Entry
{
    std::string name;
    ino_t ino;
    unsigned char type; // as the folder listing says; DT_UNKNOWN when it does not
};

struct Level
{
    int fd = -1; // -1 while closed to save descriptors
    dev_t dev = 0;
    ino_t ino = 0;
    std::string name; // in the parent folder
    std::vector<Entry> pending;
};

bool isMountRoot(const struct statx &status)
{
    return (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (status.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

class Walk
{
public:
    Walk(const Rules &rules, const QString &label)
        : m_rules(rules)
        , m_label(label)
        , m_filtered(rules.owner || rules.changedBefore)
    {
    }

    Outcome run(int topFd)
    {
        struct stat top;
        if (::fstat(topFd, &top) != 0) {
            failure({}, errno);
            return m_outcome;
        }
        m_topDev = top.st_dev;
        const int fd = ::fcntl(topFd, F_DUPFD_CLOEXEC, 0);
        if (fd < 0) {
            failure({}, errno);
            return m_outcome;
        }
        makeEmptiable(fd, top);
        Level level{fd, top.st_dev, top.st_ino, {}, {}};
        if (!list(fd, level.pending))
            failure({}, errno);
        m_levels.push_back(std::move(level));
        m_open = 1;
        while (!m_levels.empty()) {
            Level &current = m_levels.back();
            if (current.pending.empty()) {
                leave();
                continue;
            }
            const Entry entry = std::move(current.pending.back());
            current.pending.pop_back();
            visit(entry);
        }
        if (m_messages > kMessageLimit)
            qWarning("vesperal: %d more entries of %s could not be removed", m_messages - kMessageLimit,
                     qPrintable(m_label));
        return m_outcome;
    }

private:
    static bool list(int fd, std::vector<Entry> &out)
    {
        // A description of its own, so the listing starts at the beginning.
        const int copy = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (copy < 0)
            return false;
        DIR *dir = ::fdopendir(copy);
        if (!dir) {
            ::close(copy);
            return false;
        }
        errno = 0;
        while (const dirent *e = ::readdir(dir)) {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                out.push_back({e->d_name, e->d_ino, e->d_type});
            errno = 0;
        }
        const int error = errno;
        ::closedir(dir);
        // Taken from the back in the order of their inodes, which on disk
        // file systems lie in that order: far fewer seeks than the listing's
        // (hash) order.
        std::sort(out.begin(), out.end(), [](const Entry &a, const Entry &b) { return a.ino > b.ino; });
        errno = error;
        return error == 0;
    }

    // A folder of the user's own that is being emptied may have been made
    // read-only (as tools do with their caches); it is opened up first.
    void makeEmptiable(int fd, const struct stat &status)
    {
        if (!m_rules.removeFolders || m_filtered || status.st_uid != ::geteuid())
            return;
        if ((status.st_mode & (S_IWUSR | S_IXUSR)) != (S_IWUSR | S_IXUSR))
            ::fchmod(fd, (status.st_mode & 07777) | S_IRWXU);
    }

    void visit(const Entry &entry)
    {
        const int fd = m_levels.back().fd;
        const char *name = entry.name.c_str();
        // Emptying everything: what the listing says is not a folder goes
        // without a closer look; unlinking never reaches past the name.
        if (!m_filtered && entry.type != DT_DIR && entry.type != DT_UNKNOWN
            && (m_rules.removeSpecialFiles || entry.type == DT_REG || entry.type == DT_LNK)) {
            if (::unlinkat(fd, name, 0) == 0) {
                ++m_outcome.removedFiles;
                return;
            }
            if (errno == ENOENT)
                return;
            if (errno != EISDIR && errno != EPERM) {
                failure(entry.name, errno);
                return;
            }
            // It has become a folder meanwhile: look closer.
        }
        struct statx status;
        if (::statx(fd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                    STATX_TYPE | STATX_MODE | STATX_UID | STATX_INO | STATX_MTIME | STATX_CTIME, &status)
            != 0) {
            if (errno != ENOENT)
                failure(entry.name, errno);
            return;
        }
        const dev_t dev = makedev(status.stx_dev_major, status.stx_dev_minor);
        if (dev != m_topDev || isMountRoot(status)) {
            ++m_outcome.kept; // another file system, or a mount of this one elsewhere
            return;
        }
        if (m_rules.owner && status.stx_uid != *m_rules.owner) {
            ++m_outcome.kept;
            return;
        }
        if (S_ISDIR(status.stx_mode)) {
            enter(entry.name, dev, status.stx_ino);
            return;
        }
        if (!m_rules.removeSpecialFiles && !S_ISREG(status.stx_mode) && !S_ISLNK(status.stx_mode)) {
            ++m_outcome.kept;
            return;
        }
        if (m_rules.changedBefore
            && (status.stx_mtime.tv_sec >= *m_rules.changedBefore || status.stx_ctime.tv_sec >= *m_rules.changedBefore)) {
            ++m_outcome.kept;
            return;
        }
        if (::unlinkat(fd, name, 0) == 0)
            ++m_outcome.removedFiles;
        else if (errno != ENOENT)
            failure(entry.name, errno);
    }

    void enter(const std::string &name, dev_t dev, ino_t ino)
    {
        const int fd = ::openat(m_levels.back().fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            if (errno != ENOENT)
                failure(name, errno);
            return;
        }
        struct stat opened;
        if (::fstat(fd, &opened) != 0 || opened.st_dev != dev || opened.st_ino != ino) {
            // Replaced between the look and the opening: leave it.
            ::close(fd);
            failure(name, EAGAIN);
            return;
        }
        makeEmptiable(fd, opened);
        Level level{fd, dev, ino, name, {}};
        if (!list(fd, level.pending))
            failure(name, errno);
        m_levels.push_back(std::move(level));
        if (++m_open > kOpenLimit) {
            ::close(m_levels[m_firstOpen].fd);
            m_levels[m_firstOpen].fd = -1;
            ++m_firstOpen;
            --m_open;
        }
    }

    // The folder on top is done: back to its parent, and the folder goes
    // when the rules say so and it is empty.
    void leave()
    {
        Level done = std::move(m_levels.back());
        m_levels.pop_back();
        if (m_levels.empty()) {
            ::close(done.fd);
            return;
        }
        Level &parent = m_levels.back();
        if (parent.fd < 0) {
            parent.fd = ::openat(done.fd, "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            struct stat status;
            if (parent.fd < 0 || ::fstat(parent.fd, &status) != 0 || status.st_dev != parent.dev
                || status.st_ino != parent.ino) {
                // The folder was moved away while it was walked: its parent
                // cannot be found safely any more, so the walk ends here.
                failure(done.name, EXDEV);
                ::close(done.fd);
                abandon();
                return;
            }
            m_firstOpen = m_levels.size() - 1;
            ++m_open;
        }
        ::close(done.fd);
        --m_open;
        if (!m_rules.removeFolders)
            return;
        if (::unlinkat(parent.fd, done.name.c_str(), AT_REMOVEDIR) == 0)
            ++m_outcome.removedFolders;
        else if (errno != ENOENT && errno != ENOTEMPTY && errno != EEXIST)
            failure(done.name, errno);
        // Not empty: something in it stayed, and was counted there.
    }

    void abandon()
    {
        for (const Level &level : m_levels) {
            if (level.fd >= 0)
                ::close(level.fd);
        }
        m_levels.clear();
    }

    void failure(const std::string &name, int error)
    {
        ++m_outcome.failed;
        if (++m_messages > kMessageLimit)
            return;
        QString path = m_label;
        for (size_t i = 1; i < m_levels.size(); ++i)
            path += QLatin1Char('/') + QFile::decodeName(m_levels[i].name.c_str());
        if (!name.empty())
            path += QLatin1Char('/') + QFile::decodeName(name.c_str());
        qWarning("vesperal: could not remove %s: %s", qPrintable(path),
                 error == EAGAIN ? "it changed while being removed"
                 : error == EXDEV ? "it was moved while being removed"
                                  : std::strerror(error));
    }

    const Rules m_rules;
    const QString m_label;
    const bool m_filtered;
    dev_t m_topDev = 0;
    std::vector<Level> m_levels;
    size_t m_firstOpen = 0; // levels below it are closed
    int m_open = 0;
    int m_messages = 0;
    Outcome m_outcome;
};

} // namespace

Outcome emptyFolder(const Folder &folder, const Rules &rules, const QString &label)
{
    if (!folder.isOpen())
        return {};
    return Walk(rules, label).run(folder.fd());
}

bool removeTree(const QString &path, Outcome *outcome)
{
    Outcome done;
    const QFileInfo info(path);
    const QByteArray base = QFile::encodeName(info.fileName());
    if (base.isEmpty() || base == "." || base == "..") {
        qWarning("vesperal: will not remove %s", qPrintable(path));
        return false;
    }
    const Folder parent = Folder::open(info.path(), true);
    if (!parent.isOpen()) {
        const bool missing = errno == ENOENT;
        if (!missing)
            qWarning("vesperal: could not remove %s: %s", qPrintable(path), std::strerror(errno));
        return missing;
    }
    struct stat status;
    if (::fstatat(parent.fd(), base.constData(), &status, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT) != 0) {
        const bool missing = errno == ENOENT;
        if (!missing)
            qWarning("vesperal: could not remove %s: %s", qPrintable(path), std::strerror(errno));
        return missing;
    }
    if (S_ISDIR(status.st_mode)) {
        const Folder top = parent.child(base.constData());
        struct stat opened;
        if (top.status(&opened) && opened.st_dev == status.st_dev && opened.st_ino == status.st_ino)
            done += emptyFolder(top, Rules{}, path);
    }
    const bool gone = ::unlinkat(parent.fd(), base.constData(), S_ISDIR(status.st_mode) ? AT_REMOVEDIR : 0) == 0
                      || errno == ENOENT;
    if (gone)
        ++(S_ISDIR(status.st_mode) ? done.removedFolders : done.removedFiles);
    else
        qWarning("vesperal: could not remove %s: %s", qPrintable(path), std::strerror(errno));
    if (outcome)
        *outcome += done;
    return gone;
}

} // namespace SafeTree
