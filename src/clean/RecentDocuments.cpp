#include "clean/RecentDocuments.h"

#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace RecentDocuments {

QString listFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/recently-used.xbel");
}

QByteArray emptyList()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<xbel version=\"1.0\" "
                             "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
                             "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                             "</xbel>\n");
}

Result clear(const QString &file)
{
    struct stat status;
    if (::lstat(QFile::encodeName(file).constData(), &status) != 0) {
        if (errno == ENOENT)
            return Result::Missing;
        qWarning("vesperal: could not read %s: %s", qPrintable(file), std::strerror(errno));
        return Result::Failed;
    }
    // A link was put there on purpose (to keep no list, or to keep it
    // elsewhere); writing would go through it to its target.
    if (!S_ISREG(status.st_mode)) {
        qWarning("vesperal: %s is not a plain file; the recent documents are left as they are", qPrintable(file));
        return Result::NotAFile;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(emptyList()) != emptyList().size() || !out.commit()) {
        qWarning("vesperal: could not empty %s: %s", qPrintable(file), qPrintable(out.errorString()));
        return Result::Failed;
    }
    return Result::Emptied;
}

} // namespace RecentDocuments
