// A second start of the real program hands its address to the first.
#include "platform/RegistryStore.h"
#include "platform/SingleInstance.h"

#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"
#include "VesperalProcess.h"

#include <QFile>
#include <QLocalSocket>
#include <QTest>

#include <csignal>

#include <gtest/gtest.h>

namespace {

class HandOffTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = freshProfileDir();
        server.page(QStringLiteral("/first"), QStringLiteral("First"));
        server.page(QStringLiteral("/second"), QStringLiteral("Second"));
        server.page(QStringLiteral("/shortcut"), QStringLiteral("Shortcut"));
    }

    std::unique_ptr<VesperalProcess> startFirst()
    {
        auto first = std::make_unique<VesperalProcess>(
            QStringList{QStringLiteral("--profile"), profile, server.url(QStringLiteral("/first"))});
        EXPECT_TRUE(server.waitForRequest(QStringLiteral("/first"))) << first->standardError().toStdString();
        return first;
    }

    QString profile;
    LoopbackHttpServer server;
};

TEST_F(HandOffTest, AnAddressOpensInTheRunningInstance)
{
    auto first = startFirst();
    VesperalProcess second({QStringLiteral("--profile"), profile, server.url(QStringLiteral("/second"))});
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/second")));
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0) << second.standardError().toStdString();
    EXPECT_TRUE(first->isRunning());
}

TEST_F(HandOffTest, MalformedRecordsAreDroppedWithoutADialog)
{
    auto first = startFirst();
    const QString socketPath = SingleInstance(qEnvironmentVariable("XDG_RUNTIME_DIR"), profile).socketPath();
    for (int i = 0; i < 3; ++i) {
        QLocalSocket raw;
        raw.connectToServer(socketPath);
        ASSERT_TRUE(raw.waitForConnected());
        raw.write(QByteArray("\xff\xff\xff\xffjunk", 8));
        raw.waitForBytesWritten();
        raw.disconnectFromServer();
    }
    // No dialog stands in the way: the next real hand-off opens its address.
    VesperalProcess second({QStringLiteral("--profile"), profile, server.url(QStringLiteral("/second"))});
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/second")));
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first->standardError().count(QStringLiteral("malformed hand-off")) == 3; }, 5000))
        << first->standardError().toStdString();
}

TEST_F(HandOffTest, AShortcutFileOpensTheAddressInside)
{
    auto first = startFirst();
    const QString file = profile + QStringLiteral("/../Link.URL");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[InternetShortcut]\r\nURL=" + server.url(QStringLiteral("/shortcut")).toUtf8() + "\r\n");
    f.close();
    VesperalProcess second({QStringLiteral("--profile"), profile, file});
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/shortcut")));
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0);
}

TEST_F(HandOffTest, WithoutAnArgumentNothingOpens)
{
    auto first = startFirst();
    auto pages = [&] {
        QStringList asked = server.requests();
        asked.removeAll(QStringLiteral("/favicon.ico"));
        return asked;
    };
    VesperalProcess second({QStringLiteral("--profile"), profile});
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0);
    QTest::qWait(500);
    EXPECT_EQ(pages(), QStringList{QStringLiteral("/first")});
    EXPECT_TRUE(first->isRunning());
}

TEST_F(HandOffTest, AnOverLongAddressIsRefusedWithAMessage)
{
    auto first = startFirst();
    const QString path = QStringLiteral("/second?") + QString(2600, QLatin1Char('q'));
    VesperalProcess second({QStringLiteral("--profile"), profile, server.url(path)});
    // The message box waits for the user; its text also goes to standard error.
    EXPECT_TRUE(second.waitForStderr(QStringLiteral("too long")));
    second.kill();
    EXPECT_FALSE(server.requests().contains(path));
    EXPECT_TRUE(first->isRunning());
}

TEST_F(HandOffTest, ACrashedInstanceDoesNotStopTheNextStart)
{
    auto crashed = startFirst();
    crashed->signal(SIGKILL);
    ASSERT_TRUE(crashed->waitForExit());
    SingleInstance probe(qEnvironmentVariable("XDG_RUNTIME_DIR"), profile);
    ASSERT_TRUE(QFile::exists(probe.socketPath())); // left behind

    VesperalProcess next({QStringLiteral("--profile"), profile, server.url(QStringLiteral("/second"))});
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/second")));
    QTest::qWait(300);
    EXPECT_TRUE(next.isRunning()); // it is the running instance now, not a hand-off
}

TEST_F(HandOffTest, SigtermShutsDownCleanly)
{
    auto first = startFirst();
    first->signal(SIGTERM);
    ASSERT_TRUE(first->waitForExit(20000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    SingleInstance probe(qEnvironmentVariable("XDG_RUNTIME_DIR"), profile);
    EXPECT_FALSE(QFile::exists(probe.socketPath()));
    RegistryStore store;
    store.open(profile + QStringLiteral("/registry.db"));
    EXPECT_TRUE(store.query(Hive::CurrentUser, QStringLiteral("Software\\Larkspurware\\Vesperal\\mainframe"),
                            QStringLiteral("bMax")));
}

} // namespace
