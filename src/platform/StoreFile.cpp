#include "platform/StoreFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>

namespace StoreFile {

bool regularOrAbsent(const QString &file, const QStringList &sidecarSuffixes)
{
    for (const QString &suffix : QStringList{QString()} + sidecarSuffixes) {
        struct stat info {};
        const QByteArray name = QFile::encodeName(file + suffix);
        if (::stat(name.constData(), &info) == 0 ? !S_ISREG(info.st_mode) : errno != ENOENT)
            return false;
    }
    return true;
}

QString asideName(const QString &file)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = file + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = file + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    return candidate;
}

} // namespace StoreFile
