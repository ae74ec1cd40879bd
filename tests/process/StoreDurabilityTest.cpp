// The settings store against real processes: killed, out of space, read-only.
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QStringList readLines(QProcess &process, int timeoutMs = 20000)
{
    process.waitForFinished(timeoutMs);
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(StoreDurability, AWriteSurvivesSigkillRightAfterIt)
{
    const QString file = freshProfileDir() + QStringLiteral("/registry.db");
    QProcess child;
    child.start(QStringLiteral(STORE_PROBE), {QStringLiteral("write-and-wait"), file, QStringLiteral("25")});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray out;
    while (!out.contains("written") && child.waitForReadyRead(20000))
        out += child.readAllStandardOutput();
    ASSERT_TRUE(out.contains("written")) << out.constData();
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();

    RegistryStore store;
    ASSERT_EQ(store.open(file).status, RegistryStore::OpenStatus::Opened);
    const auto values = store.values(Hive::CurrentUser, QStringLiteral("Durable"));
    ASSERT_EQ(values.size(), 25);
    EXPECT_EQ(values.last().value.dword, 25u);
}

TEST(StoreDurability, AFullDiskFailsTheWriteAndKeepsWhatWasThere)
{
    const QString file = freshProfileDir() + QStringLiteral("/registry.db");
    QProcess child;
    // The file-size limit makes the disk look full to the child.
    child.setChildProcessModifier([] {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit { 1024 * 1024, 1024 * 1024 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    child.start(QStringLiteral(STORE_PROBE), {QStringLiteral("fill"), file});
    const QStringList lines = readLines(child);
    ASSERT_EQ(child.exitCode(), 0) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("small-written")));
    EXPECT_TRUE(lines.contains(QStringLiteral("failed-value-absent")));
    EXPECT_TRUE(lines.contains(QStringLiteral("small-ok")));
    EXPECT_FALSE(lines.contains(QStringLiteral("failed-at=64")));

    // And a later process reads a sound store.
    RegistryStore store;
    ASSERT_EQ(store.open(file).status, RegistryStore::OpenStatus::Opened);
    EXPECT_EQ(store.query(Hive::CurrentUser, QStringLiteral("Fill"), QStringLiteral("small"))->dword, 1u);
}

TEST(StoreDurability, AReadOnlyProfileReadsButRefusesWrites)
{
    const QString dir = freshProfileDir();
    const QString file = dir + QStringLiteral("/registry.db");
    {
        RegistryStore store;
        store.open(file);
        ASSERT_TRUE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("RO"), QStringLiteral("old"),
                                            RegValue::fromDword(3)));
    }
    const bool root = ::geteuid() == 0;
    if (root) {
        // Root ignores file modes: the child drops to an ordinary user, who
        // must still be able to reach the file to read it.
        for (QString d = dir; d != QDir::rootPath() && !d.isEmpty(); d = QFileInfo(d).absolutePath())
            ::chmod(QFile::encodeName(d).constData(), 0755);
    }
    ::chmod(QFile::encodeName(file).constData(), 0444);
    ::chmod(QFile::encodeName(dir).constData(), 0555);

    QProcess child;
    if (root)
        child.setChildProcessModifier([] {
            [[maybe_unused]] int a = ::setgid(65534);
            [[maybe_unused]] int b = ::setuid(65534);
        });
    child.start(QStringLiteral(STORE_PROBE), {QStringLiteral("write"), file});
    const QStringList lines = readLines(child);
    ::chmod(QFile::encodeName(dir).constData(), 0755);
    ASSERT_EQ(child.exitCode(), 0);
    EXPECT_TRUE(lines.contains(QStringLiteral("open=%1").arg(int(RegistryStore::OpenStatus::ReadOnly))))
        << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("write=0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("old=3")));
    EXPECT_TRUE(lines.contains(QStringLiteral("new=missing")));
}

} // namespace
