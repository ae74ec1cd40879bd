// The favorites folder read into the model: order, command ids, addresses,
// and what is left out.
#include "favorites/FavoritesModel.h"

#include "FavoritesTestFolder.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

// Links, folders and files that are no favorites, with names that need a
// real collation: accents, case, Chinese.
QString mixedFolder()
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    for (const char *name : {"Zebra.url", "apple.url", "Apple.url", "Ärger.url", "äpfel.url", "中文.url",
                             "Banana.URL", "日本.url", "英文.url", "Alpha/Inner.url"})
        putShortcut(root + QLatin1Char('/') + QString::fromUtf8(name), QStringLiteral("http://x.example/"));
    for (const char *name : {"zoo", "ärmel", ".hidden folder"})
        QDir().mkpath(root + QLatin1Char('/') + QString::fromUtf8(name));
    // Not favorites: other files, a desktop link, hidden shortcuts.
    putShortcut(root + QStringLiteral("/.hidden.url"), QStringLiteral("http://hidden.example/"));
    putShortcut(root + QStringLiteral("/.hidden folder/in.url"), QStringLiteral("http://hidden.example/"));
    putShortcut(root + QStringLiteral("/notes.txt"), QStringLiteral("http://txt.example/"));
    putShortcut(root + QStringLiteral("/old.lnk"), QStringLiteral("http://lnk.example/"));
    return root;
}

TEST(FavoritesModel, OrdersFoldersThenLinksByNameWithoutCaseAsTheLanguageDoes)
{
    const QString root = mixedFolder();
    struct Row
    {
        QLocale locale;
        const char *tree;
    };
    const Row rows[] = {
        // The C locale has no order of letters: English's is taken. Ids go
        // in name order over folders and links together, a folder's
        // open-all entry after its content.
        {QLocale::c(),
         "*4109 Alpha{*4097 Inner#4096} ärmel{*4102} zoo{*4105} äpfel#4098 Apple#4099 apple#4100 Ärger#4101 "
         "Banana#4103 Zebra#4104 中文#4106 日本#4107 英文#4108"},
        {QLocale(QLocale::German, QLocale::Germany),
         "*4109 Alpha{*4097 Inner#4096} ärmel{*4102} zoo{*4105} äpfel#4098 Apple#4099 apple#4100 Ärger#4101 "
         "Banana#4103 Zebra#4104 中文#4106 日本#4107 英文#4108"},
        // Chinese orders Chinese names by their reading, before Latin letters.
        {QLocale(QLocale::Chinese, QLocale::China),
         "*4109 Alpha{*4100 Inner#4099} ärmel{*4105} zoo{*4108} 日本#4096 英文#4097 中文#4098 äpfel#4101 "
         "Apple#4102 apple#4103 Ärger#4104 Banana#4106 Zebra#4107"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        LocaleScope scope(row.locale);
        const auto model = FavoritesModel::build(root);
        ASSERT_TRUE(model);
        EXPECT_EQ(describe(*model), QString::fromUtf8(row.tree));
    }
}

TEST(FavoritesModel, EntriesCarryTheirAddressesPathsAndTheOpenAllText)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    putShortcut(root + QStringLiteral("/News/Daily.url"), QStringLiteral("http://daily.example/a?b=1&c=2"));
    putShortcut(root + QStringLiteral("/Plain.url"), QStringLiteral("https://plain.example/"));
    // Without a URL line, or with one outside the shortcut section: an empty address.
    putShortcut(root + QStringLiteral("/Empty.url"), QString());
    QFile other(root + QStringLiteral("/Elsewhere.url"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Other]\nURL=http://not.example/\n");
    other.close();

    const auto model = FavoritesModel::build(root + QLatin1Char('/'));
    ASSERT_TRUE(model);
    ASSERT_EQ(describe(*model), QStringLiteral("*4101 News{*4099 Daily#4098} Elsewhere#4096 Empty#4097 Plain#4100"));
    const FavoriteEntry &openAll = *model->children[0];
    EXPECT_EQ(openAll.name, QStringLiteral("打开在这个文件夹的全部..."));
    EXPECT_EQ(openAll.kind, FavoriteEntry::OpenAll);
    EXPECT_EQ(openAll.address, QStringLiteral("folder:///") + root + QLatin1Char('/'));
    EXPECT_EQ(openAll.path, root);
    const FavoriteEntry &news = *model->children[1];
    EXPECT_EQ(news.path, root + QStringLiteral("/News"));
    EXPECT_TRUE(news.address.isEmpty());
    EXPECT_EQ(news.commandId, 0);
    EXPECT_EQ(news.children[0]->address, QStringLiteral("folder:///") + root + QStringLiteral("/News/"));
    EXPECT_EQ(news.children[1]->address, QStringLiteral("http://daily.example/a?b=1&c=2"));
    EXPECT_EQ(news.children[1]->path, root + QStringLiteral("/News/Daily.url"));
    for (int i : {2, 3}) {
        EXPECT_EQ(model->children[i]->kind, FavoriteEntry::Link);
        EXPECT_TRUE(model->children[i]->address.isEmpty()) << i;
    }
    EXPECT_EQ(model->children[4]->address, QStringLiteral("https://plain.example/"));

    // Found anywhere, depth first; folders have no id.
    EXPECT_EQ(FavoritesModel::find(*model, 4098), news.children[1].get());
    EXPECT_EQ(FavoritesModel::find(*model, 4101), &openAll);
    EXPECT_EQ(FavoritesModel::find(*model, 0), nullptr);
    EXPECT_EQ(FavoritesModel::find(*model, 4102), nullptr);
}

TEST(FavoritesModel, AnEmptyFolderHasItsOpenAllEntryAndAMissingOneNothing)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    QDir().mkpath(root);
    auto model = FavoritesModel::build(root);
    ASSERT_TRUE(model);
    EXPECT_EQ(describe(*model), QStringLiteral("*4096"));

    model = FavoritesModel::build(root + QStringLiteral("/missing"));
    ASSERT_TRUE(model);
    EXPECT_TRUE(model->children.empty());
}

TEST(FavoritesModel, SymbolicLinksNeverLeadOutOfTheFolderNorRoundInALoop)
{
    const QString base = freshProfileDir();
    const QString root = base + QStringLiteral("/Favorites");
    const QString outside = base + QStringLiteral("/outside");
    putShortcut(root + QStringLiteral("/Alpha/inner.url"), QStringLiteral("http://inner.example/"));
    putShortcut(outside + QStringLiteral("/secret.url"), QStringLiteral("http://secret.example/"));
    // Loops back to the folder and its parent, a folder and a shortcut outside.
    ASSERT_TRUE(QFile::link(root, root + QStringLiteral("/loop")));
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), root + QStringLiteral("/Alpha/up")));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/outside")));
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/secret.url"), root + QStringLiteral("/far.url")));
    // A link to a shortcut inside the folder is a favorite like the shortcut.
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/Alpha/inner.url"), root + QStringLiteral("/near.url")));

    const auto model = FavoritesModel::build(root);
    ASSERT_TRUE(model);
    EXPECT_EQ(describe(*model), QStringLiteral("*4099 Alpha{*4097 inner#4096} near#4098"));
    EXPECT_EQ(model->children[2]->address, QStringLiteral("http://inner.example/"));
    EXPECT_EQ(FavoritesModel::openAllAddresses(root), QStringList{QStringLiteral("http://inner.example/")});

    // A favorites folder that is itself a link is read where it points.
    const QString linkedRoot = base + QStringLiteral("/LinkedFavorites");
    ASSERT_TRUE(QFile::link(root, linkedRoot));
    const auto linked = FavoritesModel::build(linkedRoot);
    ASSERT_TRUE(linked);
    EXPECT_EQ(describe(*linked), describe(*model));
}

TEST(FavoritesModel, OpenAllTakesTheShortcutsOfItsFolderOnlyInMenuOrder)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    putShortcut(root + QStringLiteral("/b.url"), QStringLiteral("http://b.example/"));
    putShortcut(root + QStringLiteral("/A.url"), QStringLiteral("http://a.example/"));
    putShortcut(root + QStringLiteral("/c.url"), QString());
    putShortcut(root + QStringLiteral("/sub/d.url"), QStringLiteral("http://d.example/"));
    putShortcut(root + QStringLiteral("/e.txt"), QStringLiteral("http://e.example/"));
    EXPECT_EQ(FavoritesModel::openAllAddresses(root),
              (QStringList{QStringLiteral("http://a.example/"), QStringLiteral("http://b.example/"), QString()}));
    EXPECT_EQ(FavoritesModel::openAllAddresses(root + QStringLiteral("/sub/"), root),
              QStringList{QStringLiteral("http://d.example/")});
    EXPECT_TRUE(FavoritesModel::openAllAddresses(root + QStringLiteral("/missing")).isEmpty());
}

TEST(FavoritesModel, IdsGoOnPastTheCommandRange)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    putLinks(root, 4100);
    const auto model = FavoritesModel::build(root);
    ASSERT_TRUE(model);
    ASSERT_EQ(model->children.size(), 4101u);
    EXPECT_EQ(model->children[1]->commandId, 4096);
    EXPECT_EQ(model->children[4100]->commandId, 8195);
    EXPECT_EQ(model->children[0]->commandId, 8196);
    EXPECT_EQ(FavoritesModel::find(*model, 8195)->address, QStringLiteral("http://4100.example/"));
}

TEST(FavoritesModel, AnAbandonedReadGivesNothing)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    putLinks(root + QStringLiteral("/sub"), 3);
    const std::atomic<bool> abandon{true};
    EXPECT_EQ(FavoritesModel::build(root, FavoritesModel::openAllName(), &abandon), nullptr);
}

} // namespace
