#include "clean/TrashCleaner.h"

#include <QByteArray>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using Identity = std::pair<quint64, quint64>; // device, inode

bool deviceMatches(const QByteArray &majorMinor, dev_t device)
{
    const QList<QByteArray> parts = majorMinor.split(':');
    bool majorOk = false;
    bool minorOk = false;
    return parts.size() == 2 && parts[0].toUInt(&majorOk) == major(device) && parts[1].toUInt(&minorOk) == minor(device)
           && majorOk && minorOk;
}

} // namespace

TrashCleaner::Setup TrashCleaner::forThisUser()
{
    Setup setup;
    setup.homeTrash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    setup.mounts = MountTable::current();
    setup.user = ::geteuid();
    return setup;
}

TrashCleaner::TrashCleaner(Setup setup)
    : m_setup(std::move(setup))
{
}

TrashCleaner::Result TrashCleaner::run() const
{
    Result result;
    QSet<Identity> done;
    // Empties one trash folder, once, when it is the user's own.
    const auto empty = [&](const SafeTree::Folder &trash, const QString &label) {
        struct stat status;
        if (!trash.status(&status))
            return;
        if (status.st_uid != m_setup.user) {
            qWarning("vesperal: %s is not the user's; it is not emptied", qPrintable(label));
            return;
        }
        if (done.contains({quint64(status.st_dev), quint64(status.st_ino)}))
            return;
        done.insert({quint64(status.st_dev), quint64(status.st_ino)});
        for (const char *part : {"files", "info", "expunged"}) {
            const SafeTree::Folder folder = trash.child(part);
            if (folder.isOpen())
                result.outcome += SafeTree::emptyFolder(folder, SafeTree::Rules{}, label + QLatin1Char('/') + QLatin1String(part));
            else if (errno != ENOENT)
                qWarning("vesperal: could not open %s/%s: %s", qPrintable(label), part, std::strerror(errno));
        }
        if (::unlinkat(trash.fd(), "directorysizes", 0) == 0)
            ++result.outcome.removedFiles;
        else if (errno != ENOENT)
            qWarning("vesperal: could not remove %s/directorysizes: %s", qPrintable(label), std::strerror(errno));
        result.trashes << label;
    };

    // The trash in the data home, never through a link.
    empty(SafeTree::Folder::open(m_setup.homeTrash, false), m_setup.homeTrash);

    const QByteArray uid = QByteArray::number(m_setup.user);
    QSet<QByteArray> devices;
    for (const MountTable::Mount &mount : m_setup.mounts) {
        // Only the top of a disk's file system holds its trash, and each disk once.
        if (mount.root != QLatin1String("/") || !MountTable::isLocalStorage(mount.type) || devices.contains(mount.device))
            continue;
        devices.insert(mount.device);
        const SafeTree::Folder top = SafeTree::Folder::open(mount.mountPoint, true);
        struct stat topStatus;
        // Another mount over the same place hides this one.
        if (!top.status(&topStatus) || !deviceMatches(mount.device, topStatus.st_dev))
            continue;
        const QString topName = mount.mountPoint == QLatin1String("/") ? QString() : mount.mountPoint;
        const SafeTree::Folder own = top.child(".Trash-" + uid);
        struct stat status;
        if (own.status(&status) && status.st_dev == topStatus.st_dev)
            empty(own, topName + QStringLiteral("/.Trash-") + QLatin1String(uid));
        // A trash shared by all users: only with the sticky bit is each
        // user's folder in it safe from the others.
        const SafeTree::Folder shared = top.child(".Trash");
        if (shared.status(&status) && status.st_dev == topStatus.st_dev && (status.st_mode & S_ISVTX)) {
            const SafeTree::Folder mine = shared.child(uid.constData());
            if (mine.status(&status) && status.st_dev == topStatus.st_dev)
                empty(mine, topName + QStringLiteral("/.Trash/") + QLatin1String(uid));
        }
    }
    return result;
}
