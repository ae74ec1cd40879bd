#include "app/DataSeeder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result().toHex();
}

const QString kPendingSuffix = QStringLiteral(".seeding");

// Writes the shipped file beside its target under a passing name, checking
// every step; it takes the target's name only once all copies are on disk.
bool writePending(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile pending(to + kPendingSuffix);
    const bool written = pending.open(QIODevice::WriteOnly | QIODevice::Truncate)
                         && pending.write(content) == content.size() && pending.flush();
    pending.close();
    if (!written || pending.error() != QFileDevice::NoError) {
        pending.remove();
        return false;
    }
    return true;
}

// One flush of the whole file system for all the copies, instead of one per file.
bool syncFolder(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

QString DataSeeder::manifestName()
{
    return QStringLiteral(".shipped.json");
}

DataSeeder::Result DataSeeder::seed(const QString &shippedDir, const QString &dataDir)
{
    Result result;
    if (shippedDir.isEmpty())
        return result;
    const QString manifestPath = dataDir + QLatin1Char('/') + manifestName();
    QFile manifestFile(manifestPath);
    QJsonObject manifest;
    if (manifestFile.open(QIODevice::ReadOnly))
        manifest = QJsonDocument::fromJson(manifestFile.readAll()).object();
    manifestFile.close();
    bool manifestChanged = false;

    const QDir shipped(shippedDir);
    struct Copy { QString relative, target; QByteArray hash; bool update; };
    QList<Copy> copies;
    QDirIterator it(shippedDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = shipped.relativeFilePath(source);
        const QString target = dataDir + QLatin1Char('/') + relative;
        const QByteArray shippedHash = fileHash(source);
        const QByteArray recorded = manifest.value(relative).toString().toLatin1();

        const bool exists = QFileInfo::exists(target);
        if (exists) {
            if (recorded == shippedHash)
                continue; // as shipped, nothing new
            const QByteArray current = fileHash(target);
            if (current == shippedHash) {
                manifest.insert(relative, QString::fromLatin1(shippedHash));
                manifestChanged = true;
                continue;
            }
            if (recorded.isEmpty() || current != recorded) {
                ++result.kept; // the user's own version
                continue;
            }
        }
        if (!writePending(source, target)) {
            result.ok = false;
            continue;
        }
        copies.append({relative, target, shippedHash, exists});
    }

    // The copies reach the disk before any of them takes its name, and the
    // manifest names them only after that: a crash leaves each file missing
    // (seeded again next time) or whole, never a damaged file that would
    // count as the user's own.
    if (!copies.isEmpty() && !syncFolder(dataDir)) {
        for (const Copy &copy : copies)
            QFile::remove(copy.target + kPendingSuffix);
        result.ok = false;
        copies.clear();
    }
    for (const Copy &copy : copies) {
        if (::rename(QFile::encodeName(copy.target + kPendingSuffix).constData(),
                     QFile::encodeName(copy.target).constData()) != 0) {
            QFile::remove(copy.target + kPendingSuffix);
            result.ok = false;
            continue;
        }
        ++(copy.update ? result.updated : result.copied);
        manifest.insert(copy.relative, QString::fromLatin1(copy.hash));
        manifestChanged = true;
    }

    if (manifestChanged) {
        QSaveFile out(manifestPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(manifest).toJson()) < 0 || !out.commit())
            result.ok = false;
    }
    return result;
}
