// The favorites drop-down made from a model: its fixed commands, its entries,
// who owns them, and sub-menus made when they first show.
#include "core/FrameCommandIds.h"
#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesModel.h"

#include "FavoritesTestFolder.h"
#include "TestEnvironment.h"

#include <QAction>
#include <QDir>
#include <QPointer>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The menu's entries in one line: "-" a separator, "text=id" a command,
// "text>" a sub-menu, "(text)" a greyed entry without a command.
QString entries(const QMenu &menu)
{
    QStringList parts;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            parts << QStringLiteral("-");
        else if (action->menu())
            parts << action->text() + QLatin1Char('>');
        else if (!action->isEnabled())
            parts << QLatin1Char('(') + action->text() + QLatin1Char(')');
        else
            parts << action->text() + QLatin1Char('=') + action->data().toString();
    }
    return parts.join(QLatin1Char(' '));
}

QMenu *subMenu(const QMenu &menu, const QString &text)
{
    for (const QAction *action : menu.actions()) {
        if (action->menu() && action->text() == text)
            return action->menu();
    }
    return nullptr;
}

std::unique_ptr<FavoriteEntry> entry(FavoriteEntry::Kind kind, const QString &name, int id = 0)
{
    auto made = std::make_unique<FavoriteEntry>();
    made->kind = kind;
    made->name = name;
    made->commandId = id;
    return made;
}

const QString kTop = QStringLiteral("添加到收藏夹...\tCtrl+D=32830 整理收藏夹...=32835 导入/导出...> -");

TEST(FavoritesMenu, FixedCommandsThenTheFoldersEntriesAllOwnedByTheTopMenu)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    putShortcut(root + QStringLiteral("/Q&A.url"), QStringLiteral("http://qa.example/"));
    putShortcut(root + QStringLiteral("/News/Daily.url"), QStringLiteral("http://daily.example/"));
    putShortcut(root + QStringLiteral("/News/Deeper/Weekly.url"), QStringLiteral("http://weekly.example/"));
    std::shared_ptr<const FavoriteEntry> model = FavoritesModel::build(root);
    ASSERT_EQ(describe(*model), QStringLiteral("*4101 News{*4099 Deeper{*4098 Weekly#4097} Daily#4096} Q&A#4100"));

    QMenu top;
    FavoritesMenu::fill(&top, model);
    EXPECT_EQ(entries(top), kTop + QStringLiteral(" 打开在这个文件夹的全部...=4101 News> Q&&A=4100"));
    EXPECT_EQ(entries(*subMenu(top, QStringLiteral("导入/导出..."))),
              QStringLiteral("导入收藏夹...=32897 导出收藏夹...=32898"));

    // A sub-menu gets its entries when it is about to show, its own open-all first.
    QMenu *news = subMenu(top, QStringLiteral("News"));
    ASSERT_TRUE(news);
    EXPECT_TRUE(news->actions().isEmpty());
    emit news->aboutToShow();
    EXPECT_EQ(entries(*news), QStringLiteral("打开在这个文件夹的全部...=4099 Deeper> Daily=4096"));
    emit news->aboutToShow(); // shown again: nothing doubles
    EXPECT_EQ(news->actions().size(), 3);
    QMenu *deeper = subMenu(*news, QStringLiteral("Deeper"));
    emit deeper->aboutToShow();
    EXPECT_EQ(entries(*deeper), QStringLiteral("打开在这个文件夹的全部...=4098 Weekly=4097"));

    // The top menu runs an entry's command only when it owns the action.
    for (const QMenu *menu : {&top, news, deeper}) {
        for (const QAction *action : menu->actions()) {
            if (!action->menu() && !action->isSeparator())
                EXPECT_EQ(action->parent(), &top) << action->text().toStdString();
        }
    }
    // Links and open-all entries show the link picture, folders that hold them the folder picture.
    EXPECT_FALSE(deeper->actions().last()->icon().isNull());
    EXPECT_FALSE(top.actions().at(4)->icon().isNull());
    EXPECT_FALSE(news->menuAction()->icon().isNull());
    EXPECT_FALSE(deeper->menuAction()->icon().isNull());
    EXPECT_TRUE(top.actions().at(0)->icon().isNull());
}

TEST(FavoritesMenu, AFolderWithoutLinksHasNoPictureAndEntriesPastTheRangeAreGreyed)
{
    auto root = entry(FavoriteEntry::Folder, {});
    root->children.push_back(entry(FavoriteEntry::OpenAll, QStringLiteral("all"), 8192));
    auto unreadable = entry(FavoriteEntry::Folder, QStringLiteral("Unreadable"));
    auto holder = entry(FavoriteEntry::Folder, QStringLiteral("Holder"));
    holder->children.push_back(entry(FavoriteEntry::Folder, QStringLiteral("Inner")));
    holder->children.back()->children.push_back(entry(FavoriteEntry::Link, QStringLiteral("deep"), 8191));
    root->children.push_back(std::move(unreadable));
    root->children.push_back(std::move(holder));
    root->children.push_back(entry(FavoriteEntry::Link, QStringLiteral("last"), 8191));
    root->children.push_back(entry(FavoriteEntry::Link, QStringLiteral("past"), 8193));

    QMenu top;
    FavoritesMenu::fill(&top, std::move(root));
    EXPECT_EQ(entries(top), kTop + QStringLiteral(" (all) Unreadable> Holder> last=8191 (past)"));
    EXPECT_FALSE(top.actions().last()->data().isValid());
    EXPECT_TRUE(subMenu(top, QStringLiteral("Unreadable"))->icon().isNull());
    EXPECT_FALSE(subMenu(top, QStringLiteral("Holder"))->icon().isNull());
}

TEST(FavoritesMenu, AnEmptyFolderGivesTheFixedCommandsAndOneOpenAllEntry)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    QDir().mkpath(root);
    QMenu top;
    FavoritesMenu::fill(&top, FavoritesModel::build(root));
    EXPECT_EQ(entries(top), kTop + QStringLiteral(" 打开在这个文件夹的全部...=4096"));
}

TEST(FavoritesMenu, FillingAgainReplacesEverything)
{
    const QString root = freshProfileDir() + QStringLiteral("/Favorites");
    putLinks(root + QStringLiteral("/a"), 3);
    putLinks(root, 2);
    QMenu top;
    FavoritesMenu::fill(&top, FavoritesModel::build(root));
    emit subMenu(top, QStringLiteral("a"))->aboutToShow();
    const qsizetype children = top.children().size();

    QPointer<QMenu> old = subMenu(top, QStringLiteral("a"));
    FavoritesMenu::fill(&top, FavoritesModel::build(root));
    EXPECT_TRUE(old.isNull());
    emit subMenu(top, QStringLiteral("a"))->aboutToShow();
    EXPECT_EQ(top.children().size(), children);
    EXPECT_EQ(entries(top), kTop + QStringLiteral(" 打开在这个文件夹的全部...=4102 a> link 0001=4100 link 0002=4101"));
}

} // namespace
