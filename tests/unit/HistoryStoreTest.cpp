// The history store: visits written on its own thread, read back per address,
// titles, taking visits back, clearing, keeping days, and a damaged file.
#include "history/HistoryStore.h"

#include "HistoryTestSupport.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HistoryStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { file = freshProfileDir() + QStringLiteral("/history.db"); }

    std::unique_ptr<HistoryStore> openStore(int keepDays = 90, const QDateTime &now = QDateTime::currentDateTime())
    {
        auto store = std::make_unique<HistoryStore>();
        store->open(file, keepDays, now);
        store->flush();
        return store;
    }

    static QDateTime at(int daysAgo, int hour = 12)
    {
        return QDateTime(QDate::currentDate().addDays(-daysAgo), QTime(hour, 0));
    }

    QByteArray fileBytes(const QString &name) const
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString file;
};

TEST_F(HistoryStoreTest, AddressesAreReadOnceEachWithTheirLatestVisitFirst)
{
    auto store = openStore();
    EXPECT_EQ(store->openResult().status, HistoryStore::OpenStatus::Created);
    store->recordVisit(QStringLiteral("http://a.example/"), QStringLiteral("Alpha"), at(3));
    store->recordVisit(QStringLiteral("http://b.example/"), QStringLiteral("Beta"), at(2));
    // A later visit without a title keeps the title there was.
    store->recordVisit(QStringLiteral("http://a.example/"), QString(), at(1));
    // A visit recorded late but made earlier does not move the last visit back.
    store->recordVisit(QStringLiteral("http://b.example/"), QString(), at(5));

    const auto entries = readHistory(*store);
    EXPECT_EQ(describeHistory(entries),
              (QStringList{QStringLiteral("http://a.example/ Alpha 2"), QStringLiteral("http://b.example/ Beta 2")}));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].lastVisited, at(1));
    EXPECT_EQ(entries[1].lastVisited, at(2));

    // Only what was last visited since the given time.
    EXPECT_EQ(describeHistory(readHistory(*store, at(1, 0))), QStringList{QStringLiteral("http://a.example/ Alpha 2")});
}

TEST_F(HistoryStoreTest, VisitsStayForTheNextStart)
{
    {
        auto store = openStore();
        store->recordVisit(QStringLiteral("http://kept.example/"), QStringLiteral("Kept"), at(0));
    } // the store finishes what is queued as it goes
    auto store = openStore();
    EXPECT_EQ(store->openResult().status, HistoryStore::OpenStatus::Opened);
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://kept.example/ Kept 1")});
}

TEST_F(HistoryStoreTest, ATitleArrivesAfterItsVisit)
{
    auto store = openStore();
    store->recordVisit(QStringLiteral("http://t.example/"), QString(), at(0));
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://t.example/ - 1")});
    store->setTitle(QStringLiteral("http://t.example/"), QStringLiteral("标题"));
    // An address never visited gets no entry from a title.
    store->setTitle(QStringLiteral("http://never.example/"), QStringLiteral("Never"));
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://t.example/ 标题 1")});
}

TEST_F(HistoryStoreTest, AVisitTakenBackLeavesTheEarlierOnes)
{
    auto store = openStore();
    store->recordVisit(QStringLiteral("http://a.example/"), QStringLiteral("A"), at(2));
    const auto again = store->recordVisit(QStringLiteral("http://a.example/"), QString(), at(0));
    const auto only = store->recordVisit(QStringLiteral("http://down.example/"), QString(), at(0));
    EXPECT_NE(again, only);
    store->forgetVisit(again);
    store->forgetVisit(only);
    store->forgetVisit(only); // twice does no harm
    const auto entries = readHistory(*store);
    EXPECT_EQ(describeHistory(entries), QStringList{QStringLiteral("http://a.example/ A 1")});
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].lastVisited, at(2));
}

TEST_F(HistoryStoreTest, ClearingLeavesNothingOnDisk)
{
    auto store = openStore();
    QSignalSpy cleared(store.get(), &HistoryStore::cleared);
    const QString secret = QStringLiteral("http://private-matter.example/diary?entry=");
    for (int i = 0; i < 300; ++i)
        store->recordVisit(secret + QString::number(i), QStringLiteral("Private title %1").arg(i), at(i % 30));
    ASSERT_EQ(readHistory(*store).size(), 300);
    ASSERT_TRUE(fileBytes(file).contains("private-matter") || fileBytes(HistoryStore::logFile(file)).contains("private-matter"));

    store->clearAll();
    store->flush();
    EXPECT_TRUE(readHistory(*store).isEmpty());
    EXPECT_TRUE(cleared.count() == 1 || cleared.wait(5000));
    for (const QString &name : {file, HistoryStore::logFile(file)}) {
        const QByteArray bytes = fileBytes(name);
        EXPECT_FALSE(bytes.contains("private-matter")) << name.toStdString();
        EXPECT_FALSE(bytes.contains("Private title")) << name.toStdString();
    }
    // The history goes on after it.
    store->recordVisit(QStringLiteral("http://after.example/"), QString(), at(0));
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://after.example/ - 1")});
}

TEST_F(HistoryStoreTest, VisitsOlderThanTheDaysKeptGoAtTheNextStart)
{
    {
        auto store = openStore(1000);
        store->recordVisit(QStringLiteral("http://old.example/"), QString(), at(120));
        store->recordVisit(QStringLiteral("http://mixed.example/"), QString(), at(100));
        store->recordVisit(QStringLiteral("http://mixed.example/"), QString(), at(91, 0));
        store->recordVisit(QStringLiteral("http://mixed.example/"), QString(), at(10));
        store->recordVisit(QStringLiteral("http://edge.example/"), QString(), at(90, 0)); // midnight 90 days ago
        store->recordVisit(QStringLiteral("http://new.example/"), QString(), at(0));
    }
    {
        auto store = openStore(90);
        EXPECT_EQ(describeHistory(readHistory(*store)),
                  (QStringList{QStringLiteral("http://new.example/ - 1"), QStringLiteral("http://mixed.example/ - 1"),
                               QStringLiteral("http://edge.example/ - 1")}));
    }
    // Nought days: only today's visits stay.
    auto store = openStore(0);
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://new.example/ - 1")});
}

TEST_F(HistoryStoreTest, ADamagedFileIsSetAsideAndANewHistoryStarts)
{
    {
        QFile garbage(file);
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(8192, '\x5a'));
    }
    auto store = openStore();
    QSignalSpy opened(store.get(), &HistoryStore::opened);
    const auto result = store->openResult();
    ASSERT_EQ(result.status, HistoryStore::OpenStatus::Recovered);
    EXPECT_EQ(fileBytes(result.movedTo), QByteArray(8192, '\x5a'));
    ASSERT_TRUE(opened.count() == 1 || opened.wait(5000));
    EXPECT_EQ(opened.first().first().value<HistoryStore::OpenResult>().status, HistoryStore::OpenStatus::Recovered);

    store->recordVisit(QStringLiteral("http://fresh.example/"), QString(), at(0));
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://fresh.example/ - 1")});
}

TEST_F(HistoryStoreTest, ADatabaseOfAnotherLayoutIsSetAsideWithItsLog)
{
    {
        // Another program's database, copied with its log while it was open,
        // as a crash leaves it.
        const QString other = freshProfileDir() + QStringLiteral("/other.db");
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(other).constData(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"
                         "CREATE TABLE places(id INTEGER PRIMARY KEY, url TEXT);"
                         "INSERT INTO places(url) VALUES('http://foreign.example/')",
                     nullptr, nullptr, nullptr);
        ASSERT_TRUE(QFile::copy(other, file));
        ASSERT_TRUE(QFile::copy(HistoryStore::logFile(other), HistoryStore::logFile(file)));
        sqlite3_close(db);
    }
    auto store = openStore();
    const auto result = store->openResult();
    ASSERT_EQ(result.status, HistoryStore::OpenStatus::Recovered);
    EXPECT_TRUE(QFileInfo::exists(result.movedTo));
    // Kept as it was found: the log was not played into the file.
    EXPECT_TRUE(fileBytes(result.movedTo + QStringLiteral("-wal")).contains("foreign.example"));
    EXPECT_FALSE(fileBytes(result.movedTo).contains("foreign.example"));
    EXPECT_TRUE(readHistory(*store).isEmpty());
    store->recordVisit(QStringLiteral("http://ours.example/"), QString(), at(0));
    EXPECT_EQ(describeHistory(readHistory(*store)), QStringList{QStringLiteral("http://ours.example/ - 1")});
}

TEST_F(HistoryStoreTest, NoFileNoHistoryAndNoHarm)
{
    file = freshProfileDir() + QStringLiteral("/no/such/folder/history.db");
    auto store = openStore();
    EXPECT_EQ(store->openResult().status, HistoryStore::OpenStatus::Unavailable);
    store->recordVisit(QStringLiteral("http://a.example/"), QString(), at(0));
    store->setTitle(QStringLiteral("http://a.example/"), QStringLiteral("A"));
    store->clearAll();
    EXPECT_TRUE(readHistory(*store).isEmpty());
}

TEST_F(HistoryStoreTest, AnAnswerForAReaderThatIsGoneIsDropped)
{
    auto store = openStore();
    store->recordVisit(QStringLiteral("http://a.example/"), QString(), at(0));
    auto reader = std::make_unique<QObject>();
    bool called = false;
    store->readSince({}, reader.get(), [&called](const HistoryStore::Entries &) { called = true; });
    reader.reset();
    store->flush();
    // The answer for a reader still there comes after it.
    EXPECT_EQ(readHistory(*store).size(), 1);
    EXPECT_FALSE(called);
}

} // namespace
