#pragma once

#include <QString>

// Where the program keeps its files. Everything of one user lives in the
// profile directory: the settings store, the data folder the program reads its
// data files from by name, and the web engine's own storage.
class Paths
{
public:
    // The profile is the first of: the given directory (--profile), the
    // VESPERAL_PROFILE environment variable, the user's data home + "vesperal".
    static Paths resolve(const QString &profileOption = {});
    explicit Paths(const QString &profileDir);

    QString profileDir() const { return m_profile; }
    QString registryFile() const;
    // The "program directory" where data files are found by name.
    QString dataDir() const;
    QString dataFile(const QString &name) const;
    QString engineStorageDir() const;
    QString engineCacheDir() const;

    // The data folder shipped with the program, found beside the executable,
    // in ../share/vesperal, or in the source tree it was built from.
    static QString shippedDataDir();

    // Creates the profile and its data folder; false when that is impossible.
    bool ensureProfile() const;

private:
    QString m_profile;
};
