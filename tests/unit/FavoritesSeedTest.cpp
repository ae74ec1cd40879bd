// The favorites a new profile starts with, written once.
#include "app/DataSeeder.h"
#include "favorites/FavoritesModel.h"
#include "favorites/FavoritesSeed.h"

#include "FavoritesTestFolder.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(FavoritesSeed, ANewProfileGetsFavoritesOnceAndDeletedOnesStayDeleted)
{
    LocaleScope scope(QLocale::c());
    const QString data = freshProfileDir() + QStringLiteral("/data");
    const QString folder = data + QStringLiteral("/Favorites");
    // The start-up order: the shipped data, then the favorites.
    auto start = [&] {
        DataSeeder::seed(QStringLiteral(SHIPPED_DATA), data);
        return FavoritesSeed::seedIfAbsent(folder);
    };
    ASSERT_TRUE(start());
    auto model = FavoritesModel::build(folder);
    ASSERT_TRUE(model);
    EXPECT_EQ(describe(*model), QStringLiteral("*4103 参考资料{*4101 C++ 参考手册#4098 Debian 维基#4099 Debian 软件包#4100} "
                                               "Debian#4096 Qt 文档#4097 维基百科#4102"));
    EXPECT_EQ(FavoritesModel::find(*model, 4097)->address, QStringLiteral("https://doc.qt.io/"));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral(".seeding")));

    // The user deletes a seeded favorite and the seeded folder.
    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/Debian.url")));
    ASSERT_TRUE(QDir(folder + QStringLiteral("/参考资料")).removeRecursively());
    EXPECT_FALSE(start());
    model = FavoritesModel::build(folder);
    EXPECT_EQ(describe(*model), QStringLiteral("*4098 Qt 文档#4096 维基百科#4097"));

    // An emptied folder stays empty.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(start());
    EXPECT_EQ(describe(*FavoritesModel::build(folder)), QStringLiteral("*4096"));
}

} // namespace
