// The browsing history of a real browser killed without warning.
#include "history/HistoryStore.h"

#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"
#include "VesperalProcess.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>

#include <csignal>
#include <optional>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

// "address|title" of every address in the history file, read beside the
// running browser.
QStringList storedVisits(const QString &file)
{
    QStringList visits;
    if (!QFile::exists(file))
        return visits;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 2000);
        sqlite3_stmt *read = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT address, title FROM urls", -1, &read, nullptr) == SQLITE_OK) {
            while (sqlite3_step(read) == SQLITE_ROW) {
                visits << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(read, 0))) + u'|'
                        + QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(read, 1)));
            }
        }
        sqlite3_finalize(read);
    }
    sqlite3_close(db);
    return visits;
}

TEST(HistoryDurability, AKilledBrowserKeepsItsVisits)
{
    const QString profile = freshProfileDir();
    const QString file = profile + QStringLiteral("/history.db");
    LoopbackHttpServer server;
    server.page(QStringLiteral("/visited"), QStringLiteral("Visited page"));
    server.page(QStringLiteral("/after"), QStringLiteral("After"));
    const QString visited = server.url(QStringLiteral("/visited"));
    const QString after = server.url(QStringLiteral("/after"));
    // An address nobody answers at: the engine shows its error page.
    QString unreachable;
    {
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
        unreachable = QStringLiteral("http://127.0.0.1:%1/gone").arg(closed.serverPort());
    }

    VesperalProcess browser({QStringLiteral("--profile"), profile, visited});
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/visited"))) << browser.standardError().toStdString();
    // The visit lands with the page's title.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return storedVisits(file).contains(visited + QStringLiteral("|Visited page")); }, 20000))
        << storedVisits(file).join(QLatin1Char(' ')).toStdString();

    for (const QString &address : {unreachable, after}) {
        VesperalProcess handOff({QStringLiteral("--profile"), profile, address});
        ASSERT_TRUE(handOff.waitForExit());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return storedVisits(file).contains(after + QStringLiteral("|After")); }, 20000))
        << storedVisits(file).join(QLatin1Char(' ')).toStdString();
    // The error page is no visit.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !storedVisits(file).join(QLatin1Char(' ')).contains(unreachable); }, 10000))
        << storedVisits(file).join(QLatin1Char(' ')).toStdString();

    browser.signal(SIGKILL);
    ASSERT_TRUE(browser.waitForExit());
    EXPECT_EQ(browser.exitStatus(), QProcess::CrashExit);

    // What the next start reads.
    HistoryStore store;
    store.open(file, 90);
    std::optional<HistoryStore::Entries> read;
    store.readSince({}, nullptr, [&read](HistoryStore::Entries entries) { read = std::move(entries); });
    ASSERT_TRUE(QTest::qWaitFor([&read] { return read.has_value(); }, 10000));
    EXPECT_EQ(store.openResult().status, HistoryStore::OpenStatus::Opened);
    QStringList addresses;
    for (const HistoryEntry &entry : *read)
        addresses << entry.address + u'|' + entry.title;
    EXPECT_TRUE(addresses.contains(visited + QStringLiteral("|Visited page"))) << addresses.join(u' ').toStdString();
    EXPECT_TRUE(addresses.contains(after + QStringLiteral("|After"))) << addresses.join(u' ').toStdString();
}

} // namespace
