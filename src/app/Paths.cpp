#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Paths Paths::resolve(const QString &profileOption)
{
    QString dir = profileOption;
    if (dir.isEmpty())
        dir = qEnvironmentVariable("VESPERAL_PROFILE");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vesperal");
    return Paths(dir);
}

Paths::Paths(const QString &profileDir)
    : m_profile(QDir::cleanPath(QDir(profileDir).absolutePath()))
{
}

QString Paths::registryFile() const
{
    return m_profile + QStringLiteral("/registry.db");
}

QString Paths::dataDir() const
{
    return m_profile + QStringLiteral("/data");
}

QString Paths::dataFile(const QString &name) const
{
    return dataDir() + QLatin1Char('/') + name;
}

QString Paths::engineStorageDir() const
{
    return m_profile + QStringLiteral("/engine");
}

QString Paths::engineCacheDir() const
{
    return m_profile + QStringLiteral("/engine/cache");
}

QString Paths::shippedDataDir()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        appDir + QStringLiteral("/data"),
        appDir + QStringLiteral("/../data"),
        appDir + QStringLiteral("/../share/vesperal/data"),
        QStringLiteral(VESPERAL_SOURCE_DATA_DIR),
    };
    for (const QString &dir : candidates) {
        if (QFileInfo::exists(dir + QStringLiteral("/logo.gif")))
            return QDir::cleanPath(dir);
    }
    return {};
}

bool Paths::ensureProfile() const
{
    return QDir().mkpath(dataDir());
}
