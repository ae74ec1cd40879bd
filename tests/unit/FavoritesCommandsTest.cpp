// The favorites commands: the model read in the background, the menu made
// from it, the entries opened, and the changes that make them anew.
#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "favorites/CFavoritesPanel.h"
#include "favorites/FavoritesCommands.h"
#include "favorites/FavoritesModel.h"
#include "frame/CTMain.h"

#include "FavoritesTestFolder.h"
#include "FrameFixture.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kManyLinksQuestion = QStringLiteral("超过40 个链接在这个文件夹！\n你想一起打开他们？");

class FavoritesCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = freshProfileDir() + QStringLiteral("/Favorites");
        QDir().mkpath(folder);
    }

    // Made on first use; by default once its first read is in.
    FavoritesCommands &commands(bool waitForRead = true)
    {
        if (!m_commands) {
            m_commands = std::make_unique<FavoritesCommands>(FavoritesParts{
                folder, switches, messages, nullptr,
                [this](const QString &address, bool reuse) { opened << std::pair{address, reuse}; },
                [this] { return activePage; }, [this] { return menuTabPage; }, [this] { ++focused; }});
            m_commands->setDialogs(FavoritesDialogs{
                [this](QWidget *, const QString &to, const QString &title, const QString &url) {
                    dialogs << QStringLiteral("add %1 %2 %3").arg(to, title, url);
                    return dialogAnswer;
                },
                [this](QWidget *, const QString &to) { dialogs << QStringLiteral("organize ") + to; },
                [this](QWidget *, const QString &to, MessageBoxes &) {
                    dialogs << QStringLiteral("import ") + to;
                    return dialogAnswer;
                },
                [this](QWidget *, const QString &to, MessageBoxes &) { dialogs << QStringLiteral("export ") + to; }});
            QObject::connect(m_commands.get(), &FavoritesCommands::modelRebuilt, [this](const FavoriteEntry *root) {
                ++rebuilt;
                shownTree = describe(*root);
            });
            if (waitForRead)
                EXPECT_TRUE(QTest::qWaitFor([this] { return rebuilt > 0; }, 5000));
        }
        return *m_commands;
    }

    // The command id of the entry at that path of names ("" the open-all entry).
    int idOf(const QStringList &names)
    {
        const FavoriteEntry *at = commands().model();
        for (const QString &name : names) {
            const auto found = std::find_if(at->children.begin(), at->children.end(), [&](const auto &child) {
                return name.isEmpty() ? child->kind == FavoriteEntry::OpenAll : child->name == name;
            });
            if (found == at->children.end())
                return 0;
            at = found->get();
        }
        return at->commandId;
    }

    QString folder;
    AppSwitches switches;
    RecordingMessageBoxes messages;
    QList<std::pair<QString, bool>> opened;
    std::pair<QString, QString> activePage{QStringLiteral("Active"), QStringLiteral("http://active.example/")};
    std::pair<QString, QString> menuTabPage{QStringLiteral("Tab"), QStringLiteral("http://tab.example/")};
    int focused = 0;
    QStringList dialogs;
    bool dialogAnswer = true;
    int rebuilt = 0;
    QString shownTree; // the model the panel was last given
    std::unique_ptr<FavoritesCommands> m_commands;
};

TEST_F(FavoritesCommandsTest, TheFirstReadComesInTheBackgroundAndTheMenuWaitsForItOnlyWhenOpenedEarly)
{
    putLinks(folder + QStringLiteral("/sub"), 3);
    putShortcut(folder + QStringLiteral("/Home.url"), QStringLiteral("http://home.example/"));
    FavoritesCommands &early = commands(false);
    // Nothing is in until the window's loop runs again...
    EXPECT_EQ(early.model(), nullptr);
    // ... unless the menu opens first: then it waits for the read.
    QMenu menu;
    ASSERT_TRUE(early.fillPopup(cmd::FavoritesPopup, &menu));
    ASSERT_NE(early.model(), nullptr);
    EXPECT_EQ(menu.actions().size(), 7);
    EXPECT_EQ(menu.actions().at(6)->text(), QStringLiteral("Home"));
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(shownTree, QStringLiteral("*4101 sub{*4100 link 0001#4097 link 0002#4098 link 0003#4099} Home#4096"));
    QTest::qWait(50);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_FALSE(early.fillPopup(cmd::PagesPopup, &menu));

    // Made again, it is gone before its read is in; nothing is left running.
    m_commands.reset();
    putLinks(folder + QStringLiteral("/many"), 2000);
    auto gone = std::make_unique<FavoritesCommands>(FavoritesParts{folder, switches, messages, nullptr, {}, {}, {}, {}});
    gone.reset();
    QTest::qWait(10);
}

TEST_F(FavoritesCommandsTest, ALinkOpensInTheBlankPageAndTheFocusGoesToThePage)
{
    putShortcut(folder + QStringLiteral("/Home.url"), QStringLiteral("http://home.example/"));
    putShortcut(folder + QStringLiteral("/Nothing.url"), QString());
    ASSERT_TRUE(commands().handle(idOf({QStringLiteral("Home")})));
    ASSERT_TRUE(commands().handle(idOf({QStringLiteral("Nothing")})));
    EXPECT_EQ(opened, (QList<std::pair<QString, bool>>{{QStringLiteral("http://home.example/"), true}, {QString(), true}}));
    EXPECT_EQ(focused, 2);
    // An id no entry has (a menu of a model that is gone) opens nothing.
    EXPECT_TRUE(commands().handle(cmd::FavoriteLast));
    EXPECT_EQ(opened.size(), 2);
    EXPECT_FALSE(commands().handle(cmd::FavoriteLast + 1));
}

TEST_F(FavoritesCommandsTest, OpenAllOpensFortyAtOnceAndAsksBeforeMore)
{
    const QStringList forty = putLinks(folder + QStringLiteral("/forty"), 40);
    const QStringList fortyOne = putLinks(folder + QStringLiteral("/fortyone"), 41);
    // Sub-folders' links are not the folder's own.
    putLinks(folder + QStringLiteral("/forty/sub"), 5);
    auto addresses = [this] {
        QStringList list;
        for (const auto &[address, reuse] : opened)
            list << address;
        return list;
    };

    ASSERT_TRUE(commands().handle(idOf({QStringLiteral("forty"), QString()})));
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(addresses(), forty);
    // The first takes the blank Page, the others get Pages of their own.
    EXPECT_TRUE(opened.first().second);
    EXPECT_TRUE(std::none_of(opened.begin() + 1, opened.end(), [](const auto &o) { return o.second; }));
    EXPECT_EQ(focused, 1);

    opened.clear();
    messages.answers = {false};
    ASSERT_TRUE(commands().handle(idOf({QStringLiteral("fortyone"), QString()})));
    EXPECT_EQ(messages.asked, QStringList{kManyLinksQuestion});
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(focused, 2);

    messages.answers = {true};
    ASSERT_TRUE(commands().handle(idOf({QStringLiteral("fortyone"), QString()})));
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_EQ(addresses(), fortyOne);
    EXPECT_TRUE(opened.first().second);
}

TEST_F(FavoritesCommandsTest, ChangesRemakeTheMenuWhenItOpensOrEverythingWhenIdle)
{
    putShortcut(folder + QStringLiteral("/A.url"), QStringLiteral("http://a.example/"));
    QMenu menu;
    commands().fillPopup(cmd::FavoritesPopup, &menu);
    ASSERT_EQ(menu.actions().size(), 6);
    // Opened again unchanged, the menu is the same.
    QAction *kept = menu.actions().last();
    commands().fillPopup(cmd::FavoritesPopup, &menu);
    EXPECT_EQ(menu.actions().last(), kept);

    // The panel changed the disk: the menu is made anew when it opens; the
    // panel, which shows the change already, is not filled again.
    putShortcut(folder + QStringLiteral("/B.url"), QStringLiteral("http://b.example/"));
    switches.favoritesChanged = 1;
    QTest::qWait(20);
    EXPECT_EQ(menu.actions().size(), 6);
    commands().fillPopup(cmd::FavoritesPopup, &menu);
    EXPECT_EQ(switches.favoritesChanged, 0);
    EXPECT_EQ(menu.actions().size(), 7);
    EXPECT_EQ(menu.actions().last()->text(), QStringLiteral("B"));
    EXPECT_EQ(rebuilt, 1);

    // Changed by a dialog: the model, the menu and the panel once the program is idle.
    // (Idle is when the event loop is about to wait: the spy's loop waits,
    // where qWaitFor only polls.)
    putShortcut(folder + QStringLiteral("/C.url"), QStringLiteral("http://c.example/"));
    QSignalSpy rebuiltSpy(&commands(), &FavoritesCommands::modelRebuilt);
    switches.favoritesChanged = 2;
    ASSERT_TRUE(rebuiltSpy.wait(5000));
    EXPECT_EQ(rebuilt, 2);
    EXPECT_EQ(switches.favoritesChanged, 0);
    EXPECT_EQ(shownTree, QStringLiteral("*4099 A#4096 B#4097 C#4098"));
    EXPECT_EQ(menu.actions().size(), 8);
    EXPECT_EQ(menu.actions().last()->text(), QStringLiteral("C"));
    ASSERT_TRUE(commands().handle(idOf({QStringLiteral("C")})));
    EXPECT_EQ(opened.value(0).first, QStringLiteral("http://c.example/"));
}

TEST_F(FavoritesCommandsTest, AddingOrganisingAndImportingMarkTheFavoritesChanged)
{
    commands();
    struct Row
    {
        int id;
        bool answer;
        QString dialog;
        int flag;
    };
    const Row rows[] = {
        {cmd::AddFavorite, true, QStringLiteral("add %1 Active http://active.example/"), 2},
        {cmd::AddFavorite, false, QStringLiteral("add %1 Active http://active.example/"), 0},
        {cmd::AddMenuTabFavorite, true, QStringLiteral("add %1 Tab http://tab.example/"), 2},
        {cmd::OrganizeFavorites, false, QStringLiteral("organize %1"), 2},
        {cmd::ImportFavorites, true, QStringLiteral("import %1"), 2},
        {cmd::ImportFavorites, false, QStringLiteral("import %1"), 0},
        {cmd::ExportFavorites, true, QStringLiteral("export %1"), 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.dialog.toStdString());
        dialogs.clear();
        dialogAnswer = row.answer;
        switches.favoritesChanged = 0;
        ASSERT_TRUE(commands().handle(row.id));
        EXPECT_EQ(dialogs, QStringList{row.dialog.arg(folder)});
        EXPECT_EQ(switches.favoritesChanged, row.flag);
    }
    // Without a Page there is nothing to add.
    dialogs.clear();
    activePage = {};
    ASSERT_TRUE(commands().handle(cmd::AddFavorite));
    EXPECT_TRUE(dialogs.isEmpty());
}

using FavoritesFrameTest = FrameFixture;

TEST_F(FavoritesFrameTest, AnEntryChosenFromTheMenuBarByKeyboardOpensInAPage)
{
    const QString favorites = profile + QStringLiteral("/data/Favorites");
    putShortcut(favorites + QStringLiteral("/Alpha.url"), QStringLiteral("http://alpha.example/"));
    putShortcut(favorites + QStringLiteral("/Beta.url"), QStringLiteral("http://beta.example/"));
    putShortcut(favorites + QStringLiteral("/Sub/Gamma.url"), QStringLiteral("http://gamma.example/"));
    frame();
    auto navigatedTo = [this](const QString &address) {
        return std::any_of(controls.made.begin(), controls.made.end(),
                           [&](const FakeControl *control) { return control->navigated.contains(address); });
    };

    // The panel shows the model once it is read.
    auto *panel = frame().explorerBar()->findChild<CFavoritesPanel *>();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(QTest::qWaitFor([panel] { return panel->tree()->topLevelItemCount() == 3; }, 5000));

    // Favorites menu; past add, organise, import/export and the open-all
    // entry and the folder, the first link.
    key(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
    EXPECT_TRUE(navigatedTo(QStringLiteral("http://alpha.example/")));

    // Into the folder: its open-all entry, then its link.
    key(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
    QWidget *top = QApplication::activePopupWidget();
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([top] { return QApplication::activePopupWidget() != top; }, 1000));
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
    EXPECT_TRUE(navigatedTo(QStringLiteral("http://gamma.example/")));
    EXPECT_FALSE(navigatedTo(QStringLiteral("http://beta.example/")));
}

} // namespace
