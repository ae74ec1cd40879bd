// The engine's traffic follows the proxy the proxy commands set, while it
// runs: two loopback servers play proxies for a host name only they know.
#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "net/ProxyCommands.h"
#include "net/SessionProxy.h"
#include "platform/RegistryStore.h"
#include "ui/StatusPanes.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QNetworkProxy>
#include <QTest>
#include <QStatusBar>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

namespace {

constexpr int kWait = 20000;

TEST(ProxyEngine, PagesGoThroughTheChosenProxyTheNextOneAndThenDirectly)
{
    RegistryStore registry;
    registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
    SettingsStore settings(registry);
    AppSwitches switches;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    QStatusBar bar;
    StatusPanes panes(&bar);
    LoopbackHttpServer a, b;
    const QString listFile = freshProfileDir() + QStringLiteral("/proxylist.txt");
    {
        QFile list(listFile);
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(QStringLiteral("127.0.0.1:%1\r\n127.0.0.1:%2\r\n").arg(a.port()).arg(b.port()).toLatin1());
    }
    for (LoopbackHttpServer *server : {&a, &b}) {
        for (const char *path : {"one", "two", "three"})
            server->page(QLatin1Char('/') + QLatin1String(path), QStringLiteral("Far"));
    }
    // As at a start without a proxy: the engine begins with none.
    SessionProxy::setDirect();
    QWebEngineProfile profile; // off the record
    QWebEnginePage page(&profile);
    ProxyCommands commands(ProxyParts{settings, switches, sounds, messages, panes, nullptr, &profile, listFile,
                                      QString(), QString(), nullptr, {}, [](const QString &, const QString &) {}});
    commands.start();
    QSignalSpy updated(&commands, &ProxyCommands::engineUpdated);
    // The engine takes a change only at its next look-up of the proxy; the
    // commands make that happen before the user's next page.
    auto change = [&](const std::function<void()> &command) {
        updated.clear();
        command();
        ASSERT_TRUE(updated.wait(kWait) || !updated.isEmpty());
    };

    change([&] { ASSERT_TRUE(commands.handle(cmd::ProxyFirst)); });
    page.load(QUrl(QStringLiteral("http://far.example/one")));
    EXPECT_TRUE(waitForLoad(&page));
    EXPECT_TRUE(a.requests().contains(QStringLiteral("http://far.example/one")));

    settings.write(settings::proxyIndex, 1);
    change([&] { commands.rotate(); });
    page.load(QUrl(QStringLiteral("http://far.example/two")));
    EXPECT_TRUE(waitForLoad(&page));
    EXPECT_TRUE(b.requests().contains(QStringLiteral("http://far.example/two")));
    EXPECT_FALSE(a.requests().contains(QStringLiteral("http://far.example/two")));

    change([&] { commands.handle(cmd::ProxyToggle); });
    page.load(QUrl(QStringLiteral("http://far.example/three")));
    waitForLoad(&page); // the name is nobody's: it fails without a proxy
    EXPECT_FALSE(a.requests().contains(QStringLiteral("http://far.example/three")));
    EXPECT_FALSE(b.requests().contains(QStringLiteral("http://far.example/three")));
    EXPECT_TRUE(messages.told.isEmpty());
    SessionProxy::setDirect();
}

} // namespace
