#include "clean/TempCleaner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace {

using Identity = std::pair<quint64, quint64>; // device, inode

Identity identityOf(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

// The home folders and every folder above them, by identity, so a path that
// reaches one through links or another mount of it is known too.
QSet<Identity> homesAndAbove(const QStringList &homes)
{
    QSet<Identity> found;
    for (const QString &home : homes) {
        if (!QDir::isAbsolutePath(home))
            continue;
        // A home that does not exist (yet) still has folders above it.
        QString path = QDir::cleanPath(home);
        SafeTree::Folder folder = SafeTree::Folder::open(path, true);
        while (!folder.isOpen() && path != QLatin1String("/")) {
            path = QFileInfo(path).path();
            folder = SafeTree::Folder::open(path, true);
        }
        struct stat status;
        while (folder.status(&status)) {
            found.insert(identityOf(status));
            SafeTree::Folder up(::openat(folder.fd(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            struct stat upStatus;
            if (!up.status(&upStatus) || identityOf(upStatus) == identityOf(status))
                break; // the root
            folder = std::move(up);
        }
    }
    return found;
}

} // namespace

TempCleaner::Setup TempCleaner::forThisUser(const QString &ownFolder)
{
    Setup setup;
    if (qEnvironmentVariableIsSet("TMPDIR"))
        setup.tmpdir = qgetenv("TMPDIR");
    setup.homes << QFile::decodeName(qgetenv("HOME"));
    setup.user = ::geteuid();
    struct passwd entry;
    struct passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(setup.user, &entry, buffer, sizeof buffer, &found) == 0 && found)
        setup.homes << QFile::decodeName(found->pw_dir);
    setup.ownFolder = ownFolder;
    setup.now = std::time(nullptr);
    return setup;
}

QString TempCleaner::ownFolderIn(const QString &profileDir)
{
    return profileDir + QStringLiteral("/temp");
}

QString TempCleaner::sharedFolderPath(const std::optional<QByteArray> &tmpdir)
{
    if (!tmpdir)
        return QStringLiteral("/tmp");
    if (!tmpdir->startsWith('/'))
        return {}; // empty or relative: no folder anyone could rely on
    return QFile::decodeName(*tmpdir);
}

TempCleaner::Verdict TempCleaner::judge(const struct stat &folder, bool homeOrAbove, uid_t user)
{
    if (homeOrAbove)
        return Verdict::HomeOrAbove;
    if ((folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH))
        return Verdict::Clean;
    const mode_t othersMayWrite = S_IWGRP | S_IWOTH;
    const mode_t othersMayEnter = S_IRWXG | S_IRWXO;
    if (folder.st_uid == user && !(folder.st_mode & othersMayWrite) && (user != 0 || !(folder.st_mode & othersMayEnter)))
        return Verdict::Clean;
    return Verdict::NotTemporary;
}

TempCleaner::TempCleaner(Setup setup)
    : m_setup(std::move(setup))
{
}

TempCleaner::Result TempCleaner::run() const
{
    Result result;
    const QSet<Identity> homes = homesAndAbove(m_setup.homes);

    const QString shared = sharedFolderPath(m_setup.tmpdir);
    if (shared.isEmpty()) {
        qWarning("vesperal: TMPDIR is empty or relative; only the program's own temporary folder is cleaned");
    } else {
        const SafeTree::Folder folder = SafeTree::Folder::open(shared, true);
        struct stat status;
        if (!folder.status(&status)) {
            if (errno != ENOENT)
                qWarning("vesperal: could not open the temporary folder %s: %s", qPrintable(shared), std::strerror(errno));
        } else {
            switch (judge(status, homes.contains(identityOf(status)), m_setup.user)) {
            case Verdict::Clean: {
                SafeTree::Rules rules;
                rules.owner = m_setup.user;
                rules.changedBefore = m_setup.now - kIdleSeconds;
                rules.removeFolders = false;
                rules.removeSpecialFiles = false;
                result.outcome += SafeTree::emptyFolder(folder, rules, shared);
                result.shared = shared;
                break;
            }
            case Verdict::HomeOrAbove:
                qWarning("vesperal: the temporary folder %s is the home folder or above it; it is not cleaned",
                         qPrintable(shared));
                break;
            case Verdict::NotTemporary:
                qWarning("vesperal: %s is neither a shared temporary folder nor a private one; it is not cleaned",
                         qPrintable(shared));
                break;
            }
        }
    }

    if (m_setup.ownFolder.isEmpty())
        return result;
    // Never through a link: the folder itself must be the user's.
    const SafeTree::Folder own = SafeTree::Folder::open(m_setup.ownFolder, false);
    struct stat status;
    if (!own.status(&status)) {
        if (errno == ENOTDIR || errno == ELOOP)
            qWarning("vesperal: %s is not a folder (a link is not followed); it is not cleaned",
                     qPrintable(m_setup.ownFolder));
        else if (errno != ENOENT)
            qWarning("vesperal: could not open %s: %s", qPrintable(m_setup.ownFolder), std::strerror(errno));
    } else if (status.st_uid != m_setup.user || homes.contains(identityOf(status))) {
        qWarning("vesperal: %s is not the program's own temporary folder; it is not cleaned",
                 qPrintable(m_setup.ownFolder));
    } else {
        result.outcome += SafeTree::emptyFolder(own, SafeTree::Rules{}, m_setup.ownFolder);
        result.ownCleaned = true;
    }
    return result;
}
