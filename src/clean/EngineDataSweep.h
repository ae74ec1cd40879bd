#pragma once

#include <QString>

class SettingsStore;

// The parts of the engine's own storage that the engine cannot remove while
// it runs: they are asked for now and removed at the next start, before the
// engine opens its profile.
namespace EngineDataSweep {

enum Part {
    SiteData = 1, // cookies and what sites keep: local and session storage, databases, service workers
    Cache = 2,
};

// Remembers that `parts` are to be removed at the next start.
void request(SettingsStore &settings, int parts);

// Removes what was asked for, and forgets the request. `storageDir` is the
// engine profile's storage folder, `cacheDir` its cache folder. Returns the
// parts removed.
int runPending(SettingsStore &settings, const QString &storageDir, const QString &cacheDir);

} // namespace EngineDataSweep
