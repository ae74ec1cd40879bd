// The jobs the program does on the terminal without a window.
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"
#include "VesperalProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CommandLineTools, HelpAndVersionAnswerWithoutADisplay)
{
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    QString out;
    EXPECT_EQ(runVesperal({QStringLiteral("--version")}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("build 2002091901")));
    EXPECT_EQ(runVesperal({QStringLiteral("--help")}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("--export-registry")));
    QString err;
    EXPECT_EQ(runVesperal({QStringLiteral("--no-such-option")}, &out, &err), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("--help")));
}

TEST(CommandLineTools, ExportImportRoundTripIntoAFreshProfile)
{
    const QString a = freshProfileDir();
    {
        RegistryStore store;
        store.open(a + QStringLiteral("/registry.db"));
        store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\Larkspurware\\Vesperal\\option"),
                                QStringLiteral("bSound"), RegValue::fromDword(0));
        store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\Larkspurware\\Vesperal\\navigate"),
                                QStringLiteral("lastvisit"), RegValue::fromBinary(QByteArray("http://a/\n\0", 11)));
        store.createAndSetValue(Hive::ClassesRoot, QStringLiteral("mailto\\shell"), QString(),
                                RegValue::fromText(QStringLiteral("open \"x\"")));
    }
    const QString fileA = a + QStringLiteral("/a.reg");
    ASSERT_EQ(runVesperal({QStringLiteral("--profile"), a, QStringLiteral("--export-registry"), fileA}), 0);

    const QString b = freshProfileDir() + QStringLiteral("/new");
    const QString fileB = b + QStringLiteral("/../b.reg");
    QString out;
    ASSERT_EQ(runVesperal({QStringLiteral("--profile"), b, QStringLiteral("--import-registry"), fileA}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("Imported")));
    ASSERT_EQ(runVesperal({QStringLiteral("--profile"), b, QStringLiteral("--export-registry"), fileB}), 0);
    EXPECT_FALSE(readAll(fileA).isEmpty());
    EXPECT_EQ(readAll(fileB), readAll(fileA));
}

TEST(CommandLineTools, AMalformedImportNamesTheLineAndWritesNothing)
{
    const QString profile = freshProfileDir();
    const QString file = profile + QStringLiteral("/bad.reg");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Good]\n\"a\"=dword:00000001\n"
            "\"b\"=dword:zz\n");
    f.close();
    QString err;
    EXPECT_EQ(runVesperal({QStringLiteral("--profile"), profile, QStringLiteral("--import-registry"), file}, nullptr,
                          &err),
              1);
    EXPECT_TRUE(err.contains(file + QStringLiteral(":5:"))) << err.toStdString();
    RegistryStore store;
    store.open(profile + QStringLiteral("/registry.db"));
    EXPECT_FALSE(store.keyExists(Hive::CurrentUser, QStringLiteral("Good")));
}

TEST(CommandLineTools, AnImportSaysWhatItDeleted)
{
    const QString profile = freshProfileDir();
    {
        RegistryStore store;
        store.open(profile + QStringLiteral("/registry.db"));
        store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\Larkspurware\\Vesperal\\option"),
                                QStringLiteral("bSound"), RegValue::fromDword(1));
    }
    const QString file = profile + QStringLiteral("/wipe.reg");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Windows Registry Editor Version 5.00\n\n[-HKEY_CURRENT_USER\\Software]\n");
    f.close();
    QString out;
    ASSERT_EQ(runVesperal({QStringLiteral("--profile"), profile, QStringLiteral("--import-registry"), file}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("The import deleted 4 keys and 1 values"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Larkspurware\\Vesperal\\option] \"bSound\"")))
        << out.toStdString();
}

TEST(CommandLineTools, ExportOnlyReadsAndFailsWhenThereIsNoSoundStore)
{
    // No profile at all: nothing is created, and the message says why.
    const QString missing = freshProfileDir() + QStringLiteral("/none");
    const QString target = freshProfileDir() + QStringLiteral("/out.reg");
    QString err;
    EXPECT_EQ(runVesperal({QStringLiteral("--profile"), missing, QStringLiteral("--export-registry"), target}, nullptr, &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("There is no settings file"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_FALSE(QFileInfo::exists(target));

    // A damaged store and another program's database stay as they are, byte for byte.
    const QByteArray junk = QByteArray("not a database\n").repeated(300);
    const QByteArray foreign = [] {
        const QString scratch = freshProfileDir() + QStringLiteral("/other.db");
        RegistryStore store;
        store.open(scratch);
        store.close();
        QFile f(scratch);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        // The same file with another user_version (offset 60 of the header).
        bytes[60 + 3] = 9;
        return bytes;
    }();
    for (const auto &[content, words] : {std::pair{junk, "is damaged"}, std::pair{foreign, "is not a settings file"}}) {
        const QString profile = freshProfileDir();
        QFile f(profile + QStringLiteral("/registry.db"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        EXPECT_EQ(runVesperal({QStringLiteral("--profile"), profile, QStringLiteral("--export-registry"), target}, nullptr,
                              &err),
                  1);
        EXPECT_TRUE(err.contains(QLatin1String(words))) << err.toStdString();
        EXPECT_EQ(readAll(profile + QStringLiteral("/registry.db")), content);
        EXPECT_EQ(QDir(profile).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("registry.db")});
        EXPECT_FALSE(QFileInfo::exists(target));
    }
}

TEST(CommandLineTools, PipesAndHugeFilesInTheWayFailAtOnceInsteadOfHanging)
{
    // The store's name taken by a pipe: SQLite would wait on it for a writer.
    const QString profile = freshProfileDir();
    const QString store = profile + QStringLiteral("/registry.db");
    ASSERT_EQ(::mkfifo(QFile::encodeName(store).constData(), 0600), 0);
    const QString good = freshProfileDir() + QStringLiteral("/good.reg");
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:00000001\n");
    }
    QString err;
    EXPECT_EQ(runVesperal({QStringLiteral("--profile"), profile, QStringLiteral("--export-registry"),
                           profile + QStringLiteral("/out.reg")},
                          nullptr, &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("is not a regular file"))) << err.toStdString();
    EXPECT_EQ(runVesperal({QStringLiteral("--profile"), profile, QStringLiteral("--import-registry"), good}, nullptr, &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("is not a regular file"))) << err.toStdString();

    // The file to import: a pipe, then a file far larger than any settings.
    const QString other = freshProfileDir();
    const QString pipe = other + QStringLiteral("/pipe.reg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(runVesperal({QStringLiteral("--profile"), other, QStringLiteral("--import-registry"), pipe}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("is not a regular file"))) << err.toStdString();
    const QString huge = other + QStringLiteral("/huge.reg");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Windows Registry Editor Version 5.00\n\n");
        ASSERT_TRUE(f.resize(65 * 1024 * 1024)); // sparse: no disk is used
    }
    EXPECT_EQ(runVesperal({QStringLiteral("--profile"), other, QStringLiteral("--import-registry"), huge}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("too large"))) << err.toStdString();
}

} // namespace
