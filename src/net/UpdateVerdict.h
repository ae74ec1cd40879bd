#pragma once

#include <QString>

struct HttpResult;

// What the fetched version file says about the build the user runs.
struct UpdateVerdict
{
    enum class Kind {
        Unreachable, // no answer, or one that is not 2xx
        UpToDate,    // the published build is not newer than the stored one
        Newer,       // a newer build has been published
    };
    Kind kind = Kind::Unreachable;
    QString publishedDate; // Newer: the date text of the published build
};

// Compares the version file's leading build number with the stored build
// (the "version\build" setting as it was read, empty when missing).
UpdateVerdict judgeUpdate(const HttpResult &versionFile, const QString &storedBuild);
