// The program's own history at start: the file in the profile, a damaged one
// set aside with one message, the days kept, and a real page's visit.
#include "app/Application.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CTMain.h"
#include "history/HistoryStore.h"
#include "pages/CWebBrowser2.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

class HistoryStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = freshProfileDir();
        file = profile + QStringLiteral("/history.db");
        server.page(QStringLiteral("/first"), QStringLiteral("First page"));
    }

    std::unique_ptr<Application> start()
    {
        CommandLine line;
        line.profile = profile;
        line.argument = server.url(QStringLiteral("/first"));
        auto app = std::make_unique<Application>(line, messages);
        EXPECT_TRUE(app->start());
        return app;
    }

    QWebEnginePage *page(Application &app)
    {
        return static_cast<EngineControl *>(app.frame()->pageHost()->activePage()->control())->page();
    }

    // What the history holds once the program is gone.
    QStringList history()
    {
        HistoryStore store;
        store.open(file, 3650);
        std::optional<HistoryStore::Entries> read;
        store.readSince({}, nullptr, [&read](HistoryStore::Entries entries) { read = std::move(entries); });
        EXPECT_TRUE(QTest::qWaitFor([&read] { return read.has_value(); }, 10000));
        QStringList lines;
        for (const HistoryEntry &entry : read.value_or(HistoryStore::Entries()))
            lines << entry.address + u'|' + entry.title;
        return lines;
    }

    QString profile;
    QString file;
    LoopbackHttpServer server;
    RecordingMessageBoxes messages;
};

TEST_F(HistoryStartTest, AVisitedPageIsInTheProfilesHistoryWithItsTitle)
{
    auto app = start();
    ASSERT_TRUE(waitForLoad(page(*app)));
    // The title may come just after the load.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(*app)->title() == QStringLiteral("First page"); }, 5000));
    app.reset();
    EXPECT_EQ(history(), QStringList{server.url(QStringLiteral("/first")) + QStringLiteral("|First page")});
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(u'|').toStdString();
}

TEST_F(HistoryStartTest, ADamagedHistoryIsSetAsideWithOneMessageAndTheStartGoesOn)
{
    {
        QFile junk(file);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(5000, '\x01'));
    }
    auto app = start();
    ASSERT_TRUE(waitForLoad(page(*app)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.told.isEmpty(); }, 5000));
    QTest::qWait(100);
    ASSERT_EQ(messages.told.size(), 1);
    EXPECT_TRUE(messages.told[0].contains(QStringLiteral("history.db.corrupt-"))) << messages.told[0].toStdString();
    EXPECT_EQ(QDir(profile).entryList({QStringLiteral("history.db.corrupt-*")}).size(), 1);
    app.reset();
    EXPECT_EQ(history().size(), 1);
}

TEST_F(HistoryStartTest, VisitsOlderThanTheDaysSetAreDroppedAtStart)
{
    {
        RegistryStore registry;
        registry.open(profile + QStringLiteral("/registry.db"));
        SettingsStore settings(registry);
        ASSERT_TRUE(settings.write(settings::HistoryDays, 7));
        HistoryStore store;
        store.open(file, 3650);
        store.recordVisit(QStringLiteral("http://eight.example/"), QString(), QDateTime::currentDateTime().addDays(-8));
        store.recordVisit(QStringLiteral("http://six.example/"), QString(), QDateTime::currentDateTime().addDays(-6));
    }
    auto app = start();
    ASSERT_TRUE(waitForLoad(page(*app)));
    app.reset();
    const QStringList kept = history();
    EXPECT_TRUE(kept.contains(QStringLiteral("http://six.example/|"))) << kept.join(u' ').toStdString();
    EXPECT_FALSE(kept.contains(QStringLiteral("http://eight.example/|"))) << kept.join(u' ').toStdString();
}

} // namespace
