#include "core/MakerAddresses.h"

#include "core/SettingsStore.h"

MakerAddresses MakerAddresses::defaults()
{
    return {
        QStringLiteral("http://www.vesperal.example/"),
        QStringLiteral("http://www.vesperal.example/download.html"),
        QStringLiteral("http://www.vesperal.example/client.html"),
        QStringLiteral("http://www.vesperal.example/version.txt"),
        QStringLiteral("http://www.vesperal.example/proxylist.txt"),
        QStringLiteral("support@vesperal.example"),
    };
}

MakerAddresses MakerAddresses::load(const SettingsStore &store)
{
    MakerAddresses a = defaults();
    const QString section = QStringLiteral("addresses");
    auto read = [&](const char *name, QString &field) {
        field = store.readText(section, QLatin1String(name), field);
    };
    read("website", a.website);
    read("download", a.download);
    read("clientInfo", a.clientInfo);
    read("versionFile", a.versionFile);
    read("proxyList", a.proxyList);
    read("supportMail", a.supportMail);
    return a;
}
