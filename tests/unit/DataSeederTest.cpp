#include "app/DataSeeder.h"
#include "app/Paths.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

void put(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray get(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(DataSeeder, CopiesNewFilesUpdatesUntouchedOnesAndKeepsTheUsers)
{
    const QString shipped = freshProfileDir();
    const QString data = freshProfileDir();
    put(shipped + QStringLiteral("/tips.txt"), "tips v1");
    put(shipped + QStringLiteral("/Goto.ini"), "goto v1");
    put(shipped + QStringLiteral("/webdir/news.ini"), "news v1");

    auto first = DataSeeder::seed(shipped, data);
    EXPECT_EQ(first.copied, 3);
    EXPECT_EQ(get(data + QStringLiteral("/webdir/news.ini")), "news v1");

    // The user edits one file; a new release changes all three.
    put(data + QStringLiteral("/Goto.ini"), "my own goto");
    put(shipped + QStringLiteral("/tips.txt"), "tips v2");
    put(shipped + QStringLiteral("/Goto.ini"), "goto v2");
    put(shipped + QStringLiteral("/webdir/news.ini"), "news v2");
    auto second = DataSeeder::seed(shipped, data);
    EXPECT_TRUE(second.ok);
    EXPECT_EQ(second.updated, 2);
    EXPECT_EQ(second.kept, 1);
    EXPECT_EQ(get(data + QStringLiteral("/tips.txt")), "tips v2");
    EXPECT_EQ(get(data + QStringLiteral("/webdir/news.ini")), "news v2");
    EXPECT_EQ(get(data + QStringLiteral("/Goto.ini")), "my own goto");

    // A file the user already had before the first seeding is theirs too.
    const QString other = freshProfileDir();
    put(other + QStringLiteral("/tips.txt"), "mine");
    DataSeeder::seed(shipped, other);
    EXPECT_EQ(get(other + QStringLiteral("/tips.txt")), "mine");
    EXPECT_EQ(get(other + QStringLiteral("/Goto.ini")), "goto v2");

    // Nothing changes on a start with nothing new.
    const auto third = DataSeeder::seed(shipped, data);
    EXPECT_EQ(third.copied + third.updated, 0);
}

TEST(Paths, ProfileComesFromOptionThenEnvironmentThenDataHome)
{
    qputenv("VESPERAL_PROFILE", "/tmp/from-env");
    EXPECT_EQ(Paths::resolve(QStringLiteral("/tmp/from-option")).profileDir(), QStringLiteral("/tmp/from-option"));
    EXPECT_EQ(Paths::resolve().profileDir(), QStringLiteral("/tmp/from-env"));
    qunsetenv("VESPERAL_PROFILE");
    const Paths paths = Paths::resolve();
    EXPECT_EQ(paths.profileDir(), qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/vesperal"));
    EXPECT_TRUE(paths.registryFile().startsWith(paths.profileDir()));
    EXPECT_TRUE(paths.engineStorageDir().startsWith(paths.profileDir()));
    EXPECT_TRUE(paths.engineCacheDir().startsWith(paths.profileDir()));
    EXPECT_EQ(paths.dataFile(QStringLiteral("tips.txt")), paths.profileDir() + QStringLiteral("/data/tips.txt"));
    EXPECT_TRUE(QFile::exists(Paths::shippedDataDir() + QStringLiteral("/logo.gif")));
}

} // namespace

namespace {

// Writes past `bytes` fail, as on a disk that is full.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
};

TEST(DataSeeder, AFullDiskLeavesNoDamagedFileBehind)
{
    const QString shipped = freshProfileDir();
    const QString data = freshProfileDir();
    put(shipped + QStringLiteral("/small.txt"), "small");
    put(shipped + QStringLiteral("/logo.gif"), QByteArray(20000, 'g'));
    {
        FullDisk full(4096);
        EXPECT_FALSE(DataSeeder::seed(shipped, data).ok);
    }
    // The file that did not fit is not there, not there in part, and not
    // counted as the user's: once there is room it is seeded whole.
    EXPECT_EQ(get(data + QStringLiteral("/logo.gif")), "<missing>");
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("/logo.gif.seeding")));
    const auto again = DataSeeder::seed(shipped, data);
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.kept, 0);
    EXPECT_EQ(get(data + QStringLiteral("/logo.gif")), QByteArray(20000, 'g'));
    EXPECT_EQ(get(data + QStringLiteral("/small.txt")), "small");
}

} // namespace
