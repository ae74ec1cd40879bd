#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Trash {

bool move(const QString &path)
{
    // Qt's trash falls back to the working directory when it cannot make the
    // home Trash (an XDG_DATA_HOME that is no folder, a full disk): the entry
    // would land in "files/" wherever the program was started. So the home
    // Trash must be there before Qt is asked.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        return false;
    const QString trash = data + QStringLiteral("/Trash");
    if (!QDir().mkpath(trash) || !QFileInfo(trash).isDir())
        return false;
    QString trashed;
    if (!QFile::moveToTrash(path, &trashed))
        return false;
    if (QDir::isAbsolutePath(trashed))
        return true;
    // Put back what went astray anyway.
    QFile::rename(trashed, path);
    return false;
}

} // namespace Trash
