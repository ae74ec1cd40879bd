// A browser killed without warning gives back its Pages at the next start.
#include "pages/LastVisit.h"
#include "platform/RegistryStore.h"

#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"
#include "VesperalProcess.h"

#include <QTest>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// The addresses the running browser has stored for the next start.
QStringList storedPages(const QString &profile)
{
    RegistryStore store;
    if (store.open(profile + QStringLiteral("/registry.db")).status == RegistryStore::OpenStatus::Unavailable)
        return {};
    const auto value = store.query(Hive::CurrentUser, QStringLiteral("Software\\Larkspurware\\Vesperal\\navigate"),
                                   QStringLiteral("lastvisit"));
    return value ? LastVisit::parse(value->binary) : QStringList();
}

TEST(SessionRecovery, ThePagesOfAKilledBrowserComeBack)
{
    const QString profile = freshProfileDir();
    LoopbackHttpServer server;
    const QStringList paths{QStringLiteral("/one"), QStringLiteral("/two"), QStringLiteral("/three")};
    QStringList addresses;
    for (const QString &path : paths) {
        server.page(path, path.mid(1));
        addresses << server.url(path);
    }

    // Three Pages: the first from the command line, two handed over by later starts.
    VesperalProcess browser({QStringLiteral("--profile"), profile, addresses[0]});
    ASSERT_TRUE(server.waitForRequest(paths[0])) << browser.standardError().toStdString();
    for (int i = 1; i < 3; ++i) {
        VesperalProcess handOff({QStringLiteral("--profile"), profile, addresses[i]});
        ASSERT_TRUE(handOff.waitForExit());
        ASSERT_TRUE(server.waitForRequest(paths[i]));
    }
    // Within about a second of the last change the Pages are on disk.
    EXPECT_TRUE(QTest::qWaitFor([&] { return storedPages(profile).size() == 3; }, 5000));
    browser.signal(SIGKILL);
    ASSERT_TRUE(browser.waitForExit());
    EXPECT_EQ(browser.exitStatus(), QProcess::CrashExit);

    // The next start opens all three again.
    const int before = server.requests().size();
    VesperalProcess again({QStringLiteral("--profile"), profile});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList asked = server.requests().mid(before);
            return std::all_of(paths.begin(), paths.end(), [&](const QString &p) { return asked.contains(p); });
        },
        20000))
        << server.requests().mid(before).join(QLatin1Char(' ')).toStdString() << again.standardError().toStdString();
    EXPECT_EQ(storedPages(profile).size(), 3);
    again.signal(SIGTERM);
    EXPECT_TRUE(again.waitForExit());
}

} // namespace
