#pragma once

#include <QString>

// Fills the profile's data folder from the data shipped with the program.
// A file the user changed is never overwritten; a file still as it was
// shipped is brought up to date when the shipped copy changes. What was
// shipped is remembered in a manifest inside the data folder.
class DataSeeder
{
public:
    struct Result
    {
        int copied = 0;   // new files
        int updated = 0;  // shipped files replaced by a newer shipped copy
        int kept = 0;     // files the user changed, left alone
        bool ok = true;   // false when a file could not be written
    };

    static Result seed(const QString &shippedDir, const QString &dataDir);
    static QString manifestName();
};
