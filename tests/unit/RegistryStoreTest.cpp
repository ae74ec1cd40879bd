#include "platform/RegistryStore.h"
#include "platform/Sqlite.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QString kApp = QStringLiteral("Software\\Larkspurware\\Vesperal");

class RegistryStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = freshProfileDir();
        file = dir + QStringLiteral("/registry.db");
        ASSERT_EQ(store.open(file).status, RegistryStore::OpenStatus::Created);
    }
    QString dir;
    QString file;
    RegistryStore store;
};

TEST_F(RegistryStoreTest, KeyAndValueNamesIgnoreCaseButKeepFirstSpelling)
{
    ASSERT_TRUE(store.createAndSetValue(Hive::CurrentUser, kApp + QStringLiteral("\\Settings"), QStringLiteral("TabTop"),
                                        RegValue::fromDword(0)));
    EXPECT_EQ(store.query(Hive::CurrentUser, kApp + QStringLiteral("\\settings"), QStringLiteral("tabtop"))->dword, 0u);
    ASSERT_TRUE(store.setValue(Hive::CurrentUser, QStringLiteral("software\\LARKSPURWARE\\vesperal\\SETTINGS"),
                               QStringLiteral("TABTOP"), RegValue::fromDword(1)));
    EXPECT_EQ(store.subkeys(Hive::CurrentUser, kApp), QStringList{QStringLiteral("Settings")});
    const auto values = store.values(Hive::CurrentUser, kApp + QStringLiteral("\\settings"));
    ASSERT_EQ(values.size(), 1);
    EXPECT_EQ(values[0].name, QStringLiteral("TabTop"));
    EXPECT_EQ(values[0].value.dword, 1u);

    // Non-ASCII names fold too, and stray separators do not matter.
    ASSERT_TRUE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("\\Ä\\\\b\\"), QStringLiteral("Ñame"),
                                        RegValue::fromText(QStringLiteral("中文"))));
    EXPECT_EQ(store.query(Hive::CurrentUser, QStringLiteral("ä\\B"), QStringLiteral("ñAME"))->text,
              QStringLiteral("中文"));
}

TEST_F(RegistryStoreTest, HivesAreSeparateAndTypesRoundTrip)
{
    const QString key = QStringLiteral("Software\\Test");
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, key));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, key));
    EXPECT_FALSE(store.keyExists(Hive::ClassesRoot, key));

    const QByteArray bytes("a\0b\xff\n", 5);
    ASSERT_TRUE(store.setValue(Hive::LocalMachine, key, QStringLiteral("bin"), RegValue::fromBinary(bytes)));
    ASSERT_TRUE(store.setValue(Hive::LocalMachine, key, QStringLiteral("big"), RegValue::fromDword(0xffffffffu)));
    ASSERT_TRUE(store.setValue(Hive::LocalMachine, key, QString(), RegValue::fromText(QStringLiteral("default"))));
    EXPECT_EQ(store.query(Hive::LocalMachine, key, QStringLiteral("bin"))->binary, bytes);
    EXPECT_EQ(store.query(Hive::LocalMachine, key, QStringLiteral("big"))->dword, 0xffffffffu);
    EXPECT_EQ(store.query(Hive::LocalMachine, key, QString())->text, QStringLiteral("default"));

    // A value changes type when written with another one.
    ASSERT_TRUE(store.setValue(Hive::LocalMachine, key, QStringLiteral("BIG"), RegValue::fromText(QStringLiteral("x"))));
    EXPECT_EQ(store.query(Hive::LocalMachine, key, QStringLiteral("big"))->type, RegType::Sz);
}

TEST_F(RegistryStoreTest, SetValueNeedsAnExistingKey)
{
    EXPECT_FALSE(store.setValue(Hive::CurrentUser, QStringLiteral("Missing"), QStringLiteral("v"), RegValue::fromDword(1)));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("Missing")));
    EXPECT_FALSE(store.deleteValue(Hive::CurrentUser, QStringLiteral("Missing"), QStringLiteral("v")));
    EXPECT_FALSE(store.query(Hive::CurrentUser, QStringLiteral("Missing"), QStringLiteral("v")));
}

TEST_F(RegistryStoreTest, DeleteKeyRemovesTheWholeTreeAndNothingElse)
{
    for (const char *path : {"A\\B\\C", "A\\B\\D", "A\\E", "AB", "Z"}) {
        ASSERT_TRUE(store.createAndSetValue(Hive::CurrentUser, QLatin1String(path), QStringLiteral("v"),
                                            RegValue::fromDword(7)));
    }
    ASSERT_TRUE(store.deleteKey(Hive::CurrentUser, QStringLiteral("a\\b")));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("A\\B\\C")));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("A\\B")));
    EXPECT_TRUE(store.keyExists(Hive::CurrentUser, QStringLiteral("A\\E")));
    EXPECT_TRUE(store.keyExists(Hive::CurrentUser, QStringLiteral("AB")));

    // Re-creating a deleted key starts empty.
    ASSERT_TRUE(store.createKey(Hive::CurrentUser, QStringLiteral("A\\B\\C")));
    EXPECT_TRUE(store.values(Hive::CurrentUser, QStringLiteral("A\\B\\C")).isEmpty());

    EXPECT_FALSE(store.deleteKey(Hive::CurrentUser, QString())); // never a whole hive
    EXPECT_FALSE(store.deleteKey(Hive::CurrentUser, QStringLiteral("Nope")));
}

TEST_F(RegistryStoreTest, EnumerationOrderIsStable)
{
    for (const char *name : {"zeta", "Alpha", "beta"})
        ASSERT_TRUE(store.createKey(Hive::CurrentUser, QStringLiteral("K\\") + QLatin1String(name)));
    EXPECT_EQ(store.subkeys(Hive::CurrentUser, QStringLiteral("K")),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("zeta")}));

    for (const char *name : {"z", "a", "m"})
        ASSERT_TRUE(store.setValue(Hive::CurrentUser, QStringLiteral("K"), QLatin1String(name), RegValue::fromDword(1)));
    ASSERT_TRUE(store.setValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("z"), RegValue::fromDword(2)));
    QStringList names;
    for (const auto &nv : store.values(Hive::CurrentUser, QStringLiteral("K")))
        names << nv.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("z"), QStringLiteral("a"), QStringLiteral("m")}));
}

TEST_F(RegistryStoreTest, KeyPathsKeepTheRegistryLimits)
{
    auto chain = [](int levels, const QString &name = QStringLiteral("k")) {
        QStringList parts;
        for (int i = 0; i < levels; ++i)
            parts << name;
        return parts.join(QLatin1Char('\\'));
    };
    EXPECT_TRUE(store.createKey(Hive::CurrentUser, chain(RegistryStore::kMaxKeyDepth)));
    EXPECT_FALSE(store.createKey(Hive::CurrentUser, QStringLiteral("deep\\") + chain(RegistryStore::kMaxKeyDepth)));
    EXPECT_FALSE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("deep\\") + chain(RegistryStore::kMaxKeyDepth),
                                         QStringLiteral("v"), RegValue::fromDword(1)));
    // A refused create leaves no partial chain behind.
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("deep")));

    const QString longest(RegistryStore::kMaxKeyNameLength, QLatin1Char('n'));
    EXPECT_TRUE(store.createKey(Hive::CurrentUser, QStringLiteral("A\\") + longest));
    EXPECT_FALSE(store.createKey(Hive::CurrentUser, QStringLiteral("B\\") + longest + QLatin1Char('n')));
    EXPECT_FALSE(store.createAndSetValue(Hive::LocalMachine, longest + QLatin1Char('n'), QString(), RegValue::fromDword(1)));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("B")));
}

TEST_F(RegistryStoreTest, WalkVisitsASubtreeInEnumerationOrderWithStoredSpelling)
{
    for (const char *path : {"Root\\b\\Deep", "Root\\A", "Root\\b\\c", "Other"})
        ASSERT_TRUE(store.createKey(Hive::CurrentUser, QLatin1String(path)));
    ASSERT_TRUE(store.setValue(Hive::CurrentUser, QStringLiteral("root\\B"), QStringLiteral("v"), RegValue::fromDword(5)));
    QStringList seen;
    store.walk(Hive::CurrentUser, QStringLiteral("ROOT"), [&](const QString &path, const QList<NamedValue> &values) {
        seen << path + QStringLiteral("=%1").arg(values.size());
    });
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Root=0"), QStringLiteral("Root\\A=0"), QStringLiteral("Root\\b=1"),
                                 QStringLiteral("Root\\b\\c=0"), QStringLiteral("Root\\b\\Deep=0")}));
    seen.clear();
    store.walk(Hive::CurrentUser, QStringLiteral("Nope"), [&](const QString &path, const QList<NamedValue> &) { seen << path; });
    EXPECT_TRUE(seen.isEmpty());
}

TEST_F(RegistryStoreTest, TransactionIsAllOrNothing)
{
    EXPECT_FALSE(store.transaction([&] {
        store.createAndSetValue(Hive::CurrentUser, QStringLiteral("T"), QStringLiteral("a"), RegValue::fromDword(1));
        return false;
    }));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("T")));
    EXPECT_TRUE(store.transaction([&] {
        return store.createAndSetValue(Hive::CurrentUser, QStringLiteral("T"), QStringLiteral("a"), RegValue::fromDword(1));
    }));
    EXPECT_TRUE(store.keyExists(Hive::CurrentUser, QStringLiteral("T")));
}

TEST_F(RegistryStoreTest, ABatchCommitsOnceAndKeepsInnerTransactionsAllOrNothing)
{
    {
        RegistryStore::Batch batch(store);
        EXPECT_TRUE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("B"), QStringLiteral("a"),
                                            RegValue::fromDword(1)));
        // A transaction that fails inside the batch takes back its own writes only.
        EXPECT_FALSE(store.transaction([&] {
            store.createAndSetValue(Hive::CurrentUser, QStringLiteral("B\\Inner"), QStringLiteral("x"),
                                    RegValue::fromDword(2));
            return false;
        }));
        // Another connection sees nothing before the batch ends.
        RegistryStore other;
        other.attach(store.fileName());
        EXPECT_FALSE(other.keyExists(Hive::CurrentUser, QStringLiteral("B")));
    }
    EXPECT_TRUE(store.keyExists(Hive::CurrentUser, QStringLiteral("B")));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("B\\Inner")));
    RegistryStore other;
    ASSERT_TRUE(other.attach(store.fileName()));
    EXPECT_EQ(other.query(Hive::CurrentUser, QStringLiteral("B"), QStringLiteral("a"))->dword, 1u);
}

TEST_F(RegistryStoreTest, ValuesSurviveReopening)
{
    ASSERT_TRUE(store.createAndSetValue(Hive::ClassesRoot, QStringLiteral(".htm"), QString(),
                                        RegValue::fromText(QStringLiteral("htmlfile"))));
    store.close();
    RegistryStore again;
    EXPECT_EQ(again.open(file).status, RegistryStore::OpenStatus::Opened);
    EXPECT_EQ(again.query(Hive::ClassesRoot, QStringLiteral(".HTM"), QString())->text, QStringLiteral("htmlfile"));
}

TEST(RegistryStoreRecovery, ADamagedFileIsMovedAsideNeverDeleted)
{
    const QString dir = freshProfileDir();
    const QString file = dir + QStringLiteral("/registry.db");
    for (const QByteArray &junk : {QByteArray("this is not a database at all, just some text\n").repeated(200),
                                   QByteArray()}) {
        QByteArray content = junk;
        if (content.isEmpty()) {
            // A real database whose pages were overwritten in the middle.
            {
                RegistryStore good;
                good.open(file);
                for (int i = 0; i < 200; ++i)
                    good.createAndSetValue(Hive::CurrentUser, QStringLiteral("K%1").arg(i), QStringLiteral("v"),
                                           RegValue::fromText(QString(200, QLatin1Char('x'))));
            }
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            content = f.readAll();
            f.seek(4096 + 100);
            f.write(QByteArray(8192, '\x5a'));
            f.close();
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            content = f.readAll();
        } else {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(content);
        }

        RegistryStore store;
        const auto result = store.open(file);
        ASSERT_EQ(result.status, RegistryStore::OpenStatus::Recovered);
        QFile aside(result.movedTo);
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), content);
        EXPECT_TRUE(store.isWritable());
        EXPECT_TRUE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("New"), QStringLiteral("v"),
                                            RegValue::fromDword(1)));
        store.close();
        QFile::remove(file);
    }
    EXPECT_EQ(QDir(dir).entryList({QStringLiteral("registry.db.corrupt-*")}).size(), 2);
}

// Writes a database of the given layout, as another program could have.
QByteArray writeDatabase(const QString &file, const char *sql)
{
    sqlite3 *db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite::execute(db, sql), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(RegistryStoreRecovery, ADatabaseOfAnotherLayoutIsMovedAsideLikeADamagedOne)
{
    const char *layouts[] = {
        // Another program's settings.
        "CREATE TABLE settings(k TEXT, v TEXT); INSERT INTO settings VALUES('a', 'b');",
        // Our tables, but from a version we do not know.
        "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL, folded TEXT NOT NULL,"
        " UNIQUE(parent, folded));"
        "CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL, folded TEXT NOT NULL, type INTEGER NOT NULL, data,"
        " PRIMARY KEY(key, folded)); PRAGMA user_version = 7;",
        // Our version number, but tables without the unique keys writes need.
        "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL, folded TEXT NOT NULL);"
        "CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL, folded TEXT NOT NULL, type INTEGER NOT NULL, data);"
        "PRAGMA user_version = 1;",
        // Our version number, a column missing.
        "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL, UNIQUE(parent, name));"
        "CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL, folded TEXT NOT NULL, type INTEGER NOT NULL, data,"
        " PRIMARY KEY(key, folded)); PRAGMA user_version = 1;",
    };
    for (const char *layout : layouts) {
        const QString file = freshProfileDir() + QStringLiteral("/registry.db");
        const QByteArray content = writeDatabase(file, layout);
        ASSERT_FALSE(content.isEmpty());
        {
            RegistryStore store;
            const auto result = store.open(file);
            ASSERT_EQ(result.status, RegistryStore::OpenStatus::Recovered) << layout;
            QFile aside(result.movedTo);
            ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
            EXPECT_EQ(aside.readAll(), content) << layout;
            EXPECT_TRUE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("New"), QStringLiteral("v"),
                                                RegValue::fromDword(1)))
                << layout;
        }
        // The new store is a sound one: the setting is there the next time.
        RegistryStore again;
        EXPECT_EQ(again.open(file).status, RegistryStore::OpenStatus::Opened) << layout;
        EXPECT_EQ(again.query(Hive::CurrentUser, QStringLiteral("New"), QStringLiteral("v"))->dword, 1u) << layout;
    }
}

TEST(RegistryStoreRecovery, AnEmptyFileBecomesTheStoreWithoutBeingMovedAside)
{
    const QString dir = freshProfileDir();
    const QString file = dir + QStringLiteral("/registry.db");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    RegistryStore store;
    EXPECT_EQ(store.open(file).status, RegistryStore::OpenStatus::Opened);
    EXPECT_TRUE(store.createKey(Hive::CurrentUser, QStringLiteral("A")));
    EXPECT_TRUE(QDir(dir).entryList({QStringLiteral("registry.db.corrupt-*")}).isEmpty());
}

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(RegistryStoreReading, OpeningToReadNeverCreatesRepairsOrMovesAnything)
{
    const QString dir = freshProfileDir();
    const QString file = dir + QStringLiteral("/registry.db");
    RegistryStore store;
    auto result = store.openForReading(file);
    EXPECT_EQ(result.status, RegistryStore::OpenStatus::Unavailable);
    EXPECT_EQ(result.fault, RegistryStore::Fault::Missing);
    EXPECT_FALSE(QFileInfo::exists(file));

    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray("not a database\n").repeated(500));
    junk.close();
    const QByteArray damaged = bytesOf(file);
    result = store.openForReading(file);
    EXPECT_EQ(result.status, RegistryStore::OpenStatus::Unavailable);
    EXPECT_EQ(result.fault, RegistryStore::Fault::Damaged);
    EXPECT_EQ(bytesOf(file), damaged);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("registry.db")});

    QFile::remove(file);
    const QByteArray foreign = writeDatabase(file, "CREATE TABLE settings(k, v);");
    result = store.openForReading(file);
    EXPECT_EQ(result.fault, RegistryStore::Fault::Foreign);
    EXPECT_EQ(bytesOf(file), foreign);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("registry.db")});

    // A sound store reads, and refuses writes.
    QFile::remove(file);
    {
        RegistryStore writer;
        writer.open(file);
        ASSERT_TRUE(writer.createAndSetValue(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("v"), RegValue::fromDword(4)));
    }
    const QByteArray sound = bytesOf(file);
    EXPECT_EQ(store.openForReading(file).status, RegistryStore::OpenStatus::ReadOnly);
    EXPECT_EQ(store.query(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("v"))->dword, 4u);
    EXPECT_FALSE(store.createKey(Hive::CurrentUser, QStringLiteral("L")));
    store.close();
    EXPECT_EQ(bytesOf(file), sound);
}

TEST(RegistryStoreReading, AWriteCutOffByAKillIsReportedToReadersAndRolledBackByTheNextWriter)
{
    const QString file = freshProfileDir() + QStringLiteral("/registry.db");
    {
        RegistryStore store;
        store.open(file);
        ASSERT_TRUE(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Kept"), QStringLiteral("v"), RegValue::fromDword(1)));
    }
    // A child killed in the middle of a transaction large enough to reach the file.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RegistryStore store;
        store.open(file);
        store.transaction([&] {
            for (int i = 0; i < 3000; ++i)
                store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Lost\\%1").arg(i), QStringLiteral("v"),
                                        RegValue::fromBinary(QByteArray(2000, 'x')));
            ::raise(SIGKILL);
            return true;
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_TRUE(QFileInfo::exists(file + QStringLiteral("-journal")));

    RegistryStore reader;
    const auto read = reader.openForReading(file);
    EXPECT_EQ(read.status, RegistryStore::OpenStatus::Unavailable);
    EXPECT_EQ(read.fault, RegistryStore::Fault::Interrupted);
    EXPECT_TRUE(QFileInfo::exists(file + QStringLiteral("-journal")));

    RegistryStore writer;
    EXPECT_EQ(writer.open(file).status, RegistryStore::OpenStatus::Opened);
    EXPECT_EQ(writer.query(Hive::CurrentUser, QStringLiteral("Kept"), QStringLiteral("v"))->dword, 1u);
    EXPECT_FALSE(writer.keyExists(Hive::CurrentUser, QStringLiteral("Lost")));
    writer.close();
    EXPECT_EQ(reader.openForReading(file).status, RegistryStore::OpenStatus::ReadOnly);
}

TEST(RegistryStoreReading, ANameTakenByAPipeOrADirectoryIsRefusedWithoutOpeningIt)
{
    const QString dir = freshProfileDir();
    const QString pipe = dir + QStringLiteral("/pipe.db");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = dir + QStringLiteral("/folder.db");
    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("folder.db")));
    // A sound store whose journal's name is taken by a pipe.
    const QString stuck = dir + QStringLiteral("/stuck.db");
    {
        RegistryStore store;
        store.open(stuck);
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(stuck + QStringLiteral("-journal")).constData(), 0600), 0);
    for (const QString &file : {pipe, folder, stuck}) {
        RegistryStore store;
        auto result = store.open(file);
        EXPECT_EQ(result.status, RegistryStore::OpenStatus::Unavailable);
        EXPECT_EQ(result.fault, RegistryStore::Fault::NotAFile) << file.toStdString();
        result = store.openForReading(file);
        EXPECT_EQ(result.status, RegistryStore::OpenStatus::Unavailable);
        EXPECT_EQ(result.fault, RegistryStore::Fault::NotAFile) << file.toStdString();
    }
    EXPECT_EQ(QDir(dir).entryList({QStringLiteral("*.corrupt-*")}), QStringList());
}

TEST(RegistryStoreRecovery, AMissingDirectoryLeavesTheStoreUnavailable)
{
    RegistryStore store;
    EXPECT_EQ(store.open(freshProfileDir() + QStringLiteral("/no/such/dir/registry.db")).status,
              RegistryStore::OpenStatus::Unavailable);
    EXPECT_FALSE(store.createKey(Hive::CurrentUser, QStringLiteral("A")));
    EXPECT_FALSE(store.query(Hive::CurrentUser, QStringLiteral("A"), QStringLiteral("v")));
}

} // namespace
