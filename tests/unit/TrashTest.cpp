// Moving entries to the desktop's Trash.
#include "platform/Trash.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TrashTest, AnEntryGoesToTheHomeTrashOrStaysWhereItIs)
{
    QTemporaryDir base(freshProfileDir() + QStringLiteral("/trash-XXXXXX"));
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString working = QDir::currentPath();
    const QString cwd = base.path() + QStringLiteral("/cwd");
    ASSERT_TRUE(QDir().mkpath(cwd));
    ASSERT_TRUE(QDir::setCurrent(cwd));
    ASSERT_TRUE(QDir().mkpath(base.path() + QStringLiteral("/one/inner")));
    ASSERT_TRUE(QDir().mkpath(base.path() + QStringLiteral("/two")));

    EXPECT_TRUE(Trash::move(base.path() + QStringLiteral("/one")));
    EXPECT_FALSE(QFileInfo::exists(base.path() + QStringLiteral("/one")));
    EXPECT_TRUE(QFileInfo(data + QStringLiteral("/Trash/files/one/inner")).isDir());

    // No Trash can be made: the entry stays, and nothing lands in the
    // working directory.
    const QString notAFolder = base.path() + QStringLiteral("/not-a-folder");
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(notAFolder));
    EXPECT_FALSE(Trash::move(base.path() + QStringLiteral("/two")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    EXPECT_TRUE(QFileInfo(base.path() + QStringLiteral("/two")).isDir());
    EXPECT_TRUE(QDir(cwd).isEmpty());
    QDir::setCurrent(working);
}
