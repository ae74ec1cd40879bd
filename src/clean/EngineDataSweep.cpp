#include "clean/EngineDataSweep.h"

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "platform/SafeTree.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// What the engine keeps for the sites themselves, in its storage folder.
const char *const kSiteDataEntries[] = {
    "Cookies",         "Cookies-journal",  "Local Storage", "Session Storage", "IndexedDB",
    "databases",       "Service Worker",   "File System",   "blob_storage",    "QuotaManager",
    "QuotaManager-journal", "WebStorage", "shared_proto_db",
};

// Removes a file, or a folder with its content; a symbolic link is removed
// as a link, never followed.
bool removeEntry(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    const bool removed = info.isDir() && !info.isSymLink() ? SafeTree::removeTree(path) : QFile::remove(path);
    if (!removed)
        std::fprintf(stderr, "vesperal: could not remove %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return removed;
}

} // namespace

namespace EngineDataSweep {

void request(SettingsStore &settings, int parts)
{
    settings.write(settings::cleanEngineSweep, settings.read(settings::cleanEngineSweep) | parts);
}

int runPending(SettingsStore &settings, const QString &storageDir, const QString &cacheDir)
{
    const int parts = settings.read(settings::cleanEngineSweep) & (SiteData | Cache);
    if (parts == 0)
        return 0;
    bool ok = true;
    if (parts & SiteData) {
        for (const char *entry : kSiteDataEntries)
            ok = removeEntry(storageDir + QLatin1Char('/') + QLatin1String(entry)) && ok;
    }
    if (parts & Cache)
        ok = removeEntry(cacheDir) && ok;
    // What could not be removed is tried again at the next start.
    if (ok)
        settings.write(settings::cleanEngineSweep, 0);
    return ok ? parts : 0;
}

} // namespace EngineDataSweep
