// The jobs the program does on the terminal without a window.
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"
#include "VesperalProcess.h"

#include <QFile>

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

} // namespace
