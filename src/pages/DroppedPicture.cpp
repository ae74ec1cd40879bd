#include "pages/DroppedPicture.h"

#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DroppedPicture {

namespace {

// Whether two files hold the same bytes.
bool sameBytes(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 1 << 16;
    while (!first.atEnd()) {
        if (first.read(kChunk) != second.read(kChunk))
            return false;
    }
    return true;
}

} // namespace

QString keptName(const QString &fileName)
{
    const qsizetype open = fileName.lastIndexOf(QLatin1Char('['));
    const qsizetype close = fileName.lastIndexOf(QLatin1Char(']'));
    if (open <= 0 || close < open)
        return fileName;
    return fileName.left(open) + fileName.mid(close + 1);
}

QString numberedName(const QString &name, int n)
{
    const QString counter = QStringLiteral("[%1]").arg(n);
    qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        dot = name.size();
    // A long name gives way to the counter, so that the name still fits.
    const QString tail = counter + name.mid(dot);
    return FileNames::fit(name.left(dot), tail) + tail;
}

Result save(const QString &file, const QString &folder)
{
    const QFileInfo source(file);
    if (!source.isFile() || !QDir().mkpath(folder))
        return {Outcome::Failed, {}};
    const QDir target(folder);
    const QString name = keptName(source.fileName());
    for (int n = 0;; ++n) {
        const QString path = target.filePath(n == 0 ? name : numberedName(name, n));
        if (!FileNames::isTaken(path))
            return {QFile::copy(file, path) ? Outcome::Saved : Outcome::Failed, path};
        if (QFileInfo(path).isFile() && sameBytes(file, path))
            return {Outcome::AlreadyThere, path};
    }
}

} // namespace DroppedPicture
