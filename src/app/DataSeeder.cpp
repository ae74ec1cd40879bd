#include "app/DataSeeder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

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

bool copyOver(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QDir().mkpath(QFileInfo(to).absolutePath());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    target.write(source.readAll());
    return target.commit();
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
    QDirIterator it(shippedDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = shipped.relativeFilePath(source);
        const QString target = dataDir + QLatin1Char('/') + relative;
        const QByteArray shippedHash = fileHash(source);
        const QByteArray recorded = manifest.value(relative).toString().toLatin1();

        if (QFileInfo::exists(target)) {
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
            if (!copyOver(source, target)) {
                result.ok = false;
                continue;
            }
            ++result.updated;
        } else {
            if (!copyOver(source, target)) {
                result.ok = false;
                continue;
            }
            ++result.copied;
        }
        manifest.insert(relative, QString::fromLatin1(shippedHash));
        manifestChanged = true;
    }

    if (manifestChanged) {
        QSaveFile out(manifestPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(manifest).toJson()) < 0 || !out.commit())
            result.ok = false;
    }
    return result;
}
