// The clone job over tools that answer when the test says: a few entries
// under way at once, pictures written as fetched, failures passed over, and
// a stop that lets the entries under way end.
#include "clone/CloneJob.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Pending
{
    QString address;
    QString path;
    CloneJob::Done done;
    CloneJob::Fetched fetched;
};

class CloneJobTest : public ::testing::Test
{
protected:
    CloneJob::Tools tools()
    {
        return {[this](const QString &address, const QString &path, CloneJob::Done done) {
                    archived << Pending{address, path, std::move(done), {}};
                    ++underWay;
                    peak = std::max(peak, underWay);
                },
                [this](const QString &address, CloneJob::Fetched fetched) {
                    archived << Pending{address, {}, {}, std::move(fetched)};
                    ++underWay;
                    peak = std::max(peak, underWay);
                }};
    }

    // Ends the pending entry for this address.
    void end(const QString &address, CloneJob::Outcome outcome, const QByteArray &body = {}, bool ok = true)
    {
        for (qsizetype i = 0; i < archived.size(); ++i) {
            if (archived.at(i).address != address)
                continue;
            Pending pending = archived.takeAt(i);
            --underWay;
            if (pending.done) {
                if (outcome == CloneJob::Outcome::Written) {
                    QFile file(pending.path);
                    file.open(QIODevice::WriteOnly);
                    file.write("archive");
                }
                pending.done(outcome);
            } else {
                pending.fetched(ok, body);
            }
            return;
        }
        ADD_FAILURE() << "not under way: " << address.toStdString();
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QList<Pending> archived;
    int underWay = 0;
    int peak = 0;
};

} // namespace

TEST_F(CloneJobTest, AFewEntriesAreUnderWayAtOnceAndEveryOneEnds)
{
    QList<CloneJob::Entry> entries;
    for (int i = 0; i < 10; ++i) {
        const QString address = QStringLiteral("http://h.example/%1").arg(i);
        entries.append({address, path(QStringLiteral("%1.mht").arg(i)), {}});
    }
    CloneJob job(entries, tools(), 4);
    QSignalSpy begun(&job, &CloneJob::entryStarted);
    QSignalSpy progressed(&job, &CloneJob::progressed);
    QSignalSpy finished(&job, &CloneJob::finished);
    job.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return archived.size() == 4; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(archived.size(), 4);
    EXPECT_EQ(begun.size(), 4);
    // As one ends the next begins, never more than four.
    for (int i = 0; i < 10; ++i) {
        end(QStringLiteral("http://h.example/%1").arg(i), CloneJob::Outcome::Written);
        if (i < 9)
            ASSERT_TRUE(QTest::qWaitFor([&] { return progressed.size() == i + 1; }, 5000));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 1; }, 5000));
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(peak, 4);
    EXPECT_EQ(begun.size(), 10);
    EXPECT_EQ(begun.at(9).at(0).toInt(), 9);
    EXPECT_EQ(begun.at(9).at(1).toInt(), 10);
    EXPECT_EQ(begun.at(9).at(2).toString(), QStringLiteral("http://h.example/9"));
    EXPECT_EQ(begun.at(9).at(3).toString(), path(QStringLiteral("9.mht")));
    EXPECT_EQ(progressed.last().at(0).toInt(), 10);
    EXPECT_TRUE(finished.first().first().toStringList().isEmpty());
}

TEST_F(CloneJobTest, PicturesAreWrittenAsFetchedAndWhatFailsIsPassedOver)
{
    const QByteArray gif = QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 13);
    // An older picture of the same name is replaced.
    QFile old(path(QStringLiteral("pic.gif")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100, 'x'));
    old.close();
    bool shownSaved = false;
    const QList<CloneJob::Entry> entries{
        {QStringLiteral("http://h.example/pic.gif"), path(QStringLiteral("pic.gif")), {}},
        {QStringLiteral("http://h.example/missing.jpg"), path(QStringLiteral("missing.jpg")), {}},
        {QStringLiteral("http://h.example/gone"), path(QStringLiteral("gone.mht")), {}},
        {QStringLiteral("http://h.example/full"), path(QStringLiteral("full.mht")), {}},
        {QStringLiteral("http://h.example/shown"), path(QStringLiteral("shown.mht")),
         [&shownSaved](const QString &, CloneJob::Done done) {
             shownSaved = true;
             done(CloneJob::Outcome::Written);
         }},
        {QStringLiteral("http://h.example/nowhere.jpeg"), path(QStringLiteral("no/such/folder/x.jpeg")), {}},
    };
    CloneJob job(entries, tools(), 8);
    QSignalSpy finished(&job, &CloneJob::finished);
    job.start();
    // The open page is written as shown; the others go to the tools.
    ASSERT_TRUE(QTest::qWaitFor([&] { return archived.size() == 5; }, 5000));
    EXPECT_TRUE(shownSaved);
    end(QStringLiteral("http://h.example/pic.gif"), {}, gif);
    end(QStringLiteral("http://h.example/missing.jpg"), {}, "not found", false);
    end(QStringLiteral("http://h.example/gone"), CloneJob::Outcome::Skipped);
    end(QStringLiteral("http://h.example/full"), CloneJob::Outcome::NotWritten);
    end(QStringLiteral("http://h.example/nowhere.jpeg"), {}, gif);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 1; }, 5000));

    QFile written(path(QStringLiteral("pic.gif")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), gif);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing.jpg"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("gone.mht"))));
    // What could not be written is told; what did not come is not.
    EXPECT_EQ(finished.first().first().toStringList(),
              (QStringList{path(QStringLiteral("full.mht")), path(QStringLiteral("no/such/folder/x.jpeg"))}));
}

TEST_F(CloneJobTest, AStoppedJobBeginsNothingMoreAndEndsOnceTheEntriesUnderWayHave)
{
    QList<CloneJob::Entry> entries;
    for (int i = 0; i < 10; ++i)
        entries.append({QStringLiteral("http://h.example/%1").arg(i), path(QStringLiteral("%1.mht").arg(i)), {}});
    CloneJob job(entries, tools(), 4);
    QSignalSpy begun(&job, &CloneJob::entryStarted);
    QSignalSpy finished(&job, &CloneJob::finished);
    job.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return archived.size() == 4; }, 5000));
    end(QStringLiteral("http://h.example/0"), CloneJob::Outcome::Written);
    ASSERT_TRUE(QTest::qWaitFor([&] { return begun.size() == 5; }, 5000));

    job.cancel();
    QTest::qWait(20);
    EXPECT_TRUE(finished.isEmpty());
    for (int i = 1; i <= 4; ++i)
        end(QStringLiteral("http://h.example/%1").arg(i), CloneJob::Outcome::Written);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 1; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(begun.size(), 5);
    EXPECT_TRUE(archived.isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 5);
    EXPECT_EQ(finished.size(), 1);

    // A job stopped before it began writes nothing and ends all the same.
    CloneJob idle(entries, tools(), 4);
    QSignalSpy idleFinished(&idle, &CloneJob::finished);
    idle.cancel();
    idle.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return idleFinished.size() == 1; }, 5000));
    EXPECT_TRUE(archived.isEmpty());
}
