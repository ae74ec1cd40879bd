#include "net/UpdateVerdict.h"

#include "core/BuildNumber.h"
#include "net/HttpFetcher.h"

UpdateVerdict judgeUpdate(const HttpResult &versionFile, const QString &storedBuild)
{
    if (!versionFile.ok())
        return {};
    // Only the leading digits count; the rest of the file is not read.
    const QString published = QString::fromLatin1(versionFile.body.left(64));
    if (BuildNumber::value(storedBuild) < BuildNumber::value(published))
        return {UpdateVerdict::Kind::Newer, BuildNumber::dateText(published.trimmed())};
    return {UpdateVerdict::Kind::UpToDate, {}};
}
