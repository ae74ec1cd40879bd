// The main frame driven as the user drives it: by command id, key and
// status-pane double click, over fake controls.
#include "core/AppSwitches.h"
#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CTMain.h"
#include "frame/FrameCommands.h"
#include "frame/KeyboardMapDialog.h"
#include "pages/CWebBrowser2.h"
#include "pages/DownloadFlags.h"
#include "pages/PageHost.h"
#include "pages/TabStrip.h"
#include "platform/RegistryStore.h"
#include "ui/BarArea.h"
#include "ui/BusyIndicator.h"
#include "ui/PinkStyle.h"
#include "ui/StatusPanes.h"
#include "ui/Themes.h"

#include "FakeControl.h"
#include "FrameFixture.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QStatusBar>
#include <QTableWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>

namespace {

using FrameTest = FrameFixture;

TEST_F(FrameTest, EveryToggleIsWrittenAtOnceAndShowsItsCheckMark)
{
    struct Row
    {
        int id;
        IntSetting setting;
        int after;
    };
    const Row rows[] = {
        {cmd::PopupBlocking, settings::KillPopup, 0},       {cmd::ScriptErrors, settings::bSilent, 0},
        {cmd::StatusTextFilter, settings::NostatusText, 1}, {cmd::NewPageActive, settings::bNewWindowActive, 1},
        {cmd::NewPageFollows, settings::bNewWindowFollow, 0}, {cmd::ToolbarLock, settings::ToolbarLock, 1},
        {cmd::TextLabels, settings::textLabels, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.id);
        const bool before = *frame().isChecked(row.id);
        ASSERT_TRUE(frame().runCommand(row.id));
        EXPECT_EQ(settings.read(row.setting), row.after);
        EXPECT_EQ(*frame().isChecked(row.id), !before);
    }
    // Each toggle played the selection sound.
    EXPECT_EQ(sounds.played.size(), std::size(rows));
    EXPECT_EQ(sounds.played.value(0), QStringLiteral("UserSelect.wav"));
    EXPECT_EQ(mirroredValue(mirrored::kIEMain, QLatin1String(mirrored::kDisableScriptDebugger))->text,
              QStringLiteral("no"));
    EXPECT_FALSE(frame().bars()->standardBar()->isMovable());
    EXPECT_EQ(frame().bars()->standardBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    // The pop-up pane tells the new state, and its double click flips it back.
    StatusPane *popups = frame().panes()->pane(cmd::PopupPane);
    EXPECT_EQ(popups->toolTip(), QStringLiteral("允许跳出窗口，双击禁止跳出窗口。"));
    QTest::mouseDClick(popups, Qt::LeftButton);
    EXPECT_TRUE(switches.KillPopup);
    EXPECT_EQ(popups->toolTip(), QStringLiteral("禁止跳出窗口，双击允许跳出窗口。"));
}

TEST_F(FrameTest, SoundsOffSilenceTheTogglesAndTurningThemOnPlaysOnce)
{
    frame().runCommand(cmd::Sounds);
    EXPECT_EQ(settings.read(settings::bSound), 0);
    frame().runCommand(cmd::ToolbarLock);
    EXPECT_TRUE(sounds.played.isEmpty());
    frame().runCommand(cmd::Sounds);
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("UserSelect.wav")});
}

TEST_F(FrameTest, OfflineModeIsWrittenWhereTheDesktopKeepsItAndShownInItsPane)
{
    EXPECT_EQ(frame().isChecked(cmd::Offline), std::optional<bool>(false)); // a new profile is online
    EXPECT_EQ(frame().panes()->pane(cmd::OfflinePane)->text(), QStringLiteral("在 线 "));
    QTest::mouseDClick(frame().panes()->pane(cmd::OfflinePane), Qt::LeftButton);
    const auto value = mirroredValue(mirrored::kInternetSettings, QStringLiteral("GlobalUserOffline"));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, RegType::Dword);
    EXPECT_EQ(value->dword, 1u);
    EXPECT_EQ(frame().panes()->pane(cmd::OfflinePane)->text(), QStringLiteral("离 线  "));
    EXPECT_EQ(frame().panes()->pane(cmd::OfflinePane)->toolTip(), QStringLiteral("离线，双击链接！"));
    frame().runCommand(cmd::Offline);
    EXPECT_EQ(mirroredValue(mirrored::kInternetSettings, QStringLiteral("GlobalUserOffline"))->dword, 0u);
}

TEST_F(FrameTest, StartupTypeTextSizeAndThemeAreRadioChoices)
{
    frame().runCommand(cmd::StartUrlList);
    EXPECT_EQ(settings.read(settings::startuptype), 4);
    EXPECT_EQ(frame().isChecked(cmd::StartUrlList), std::optional<bool>(true));
    EXPECT_EQ(frame().isChecked(cmd::StartLastVisit), std::optional<bool>(false));
    frame().runCommand(cmd::StartHome);
    EXPECT_EQ(settings.read(settings::startuptype), 3);

    host().CreatePage(QStringLiteral("http://b/"), {}, QStringLiteral("Loading..."));
    frame().runCommand(cmd::TextSizeLargest);
    EXPECT_EQ(settings.read(settings::DefFontSize), 0);
    EXPECT_EQ(frame().isChecked(cmd::TextSizeLargest), std::optional<bool>(true));
    for (FakeControl *control : controls.made)
        EXPECT_GT(control->zoom, 1.0);
    // A Page opened later has the same text size.
    host().CreatePage(QStringLiteral("http://c/"), {}, QStringLiteral("Loading..."));
    EXPECT_GT(controls.last()->zoom, 1.0);

    frame().runCommand(cmd::ThemePink);
    EXPECT_EQ(settings.read(settings::skin), 1);
    EXPECT_NE(qobject_cast<PinkStyle *>(QApplication::style()), nullptr);
    EXPECT_EQ(frame().isChecked(cmd::ThemePink), std::optional<bool>(true));
    frame().runCommand(cmd::ThemePink); // again: the same theme, the same value
    EXPECT_EQ(settings.read(settings::skin), 1);
    frame().runCommand(cmd::ThemeClassic);
    EXPECT_EQ(settings.read(settings::skin), 2);
    EXPECT_EQ(qobject_cast<PinkStyle *>(QApplication::style()), nullptr);
    frame().runCommand(cmd::ThemeModern);
    EXPECT_EQ(settings.read(settings::skin), 0);
    EXPECT_EQ(Themes::current(), Themes::kModern);
}

TEST_F(FrameTest, EveryThemeDrawsWhatCannotBeChosenGrey)
{
    frame();
    for (int theme : {cmd::ThemeModern, cmd::ThemePink, cmd::ThemeClassic}) {
        frame().runCommand(theme);
        const QPalette palette = QApplication::palette();
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            EXPECT_NE(palette.color(QPalette::Disabled, role), palette.color(QPalette::Active, role)) << theme;
    }
    frame().runCommand(cmd::ThemeModern);
}

TEST_F(FrameTest, ALongStatusTextIsCutAndThePanesOnItsRightStayWhereTheyAre)
{
    frame().resize(800, 600);
    QTest::qWait(20);
    StatusPane *security = frame().panes()->pane(cmd::SecurityPane);
    StatusPane *proxy = frame().panes()->pane(cmd::ProxyPane);
    const int securityAt = security->mapTo(&frame(), QPoint()).x();
    const int proxyAt = proxy->mapTo(&frame(), QPoint()).x();
    frame().setStatusText(QString(40, QLatin1Char('x')) + QStringLiteral(" a prompt far longer than the room left for it ")
                          + QString(200, QLatin1Char('y')));
    QTest::qWait(20);
    EXPECT_EQ(security->mapTo(&frame(), QPoint()).x(), securityAt);
    EXPECT_EQ(proxy->mapTo(&frame(), QPoint()).x(), proxyAt);
    // The text has all the room up to the first pane on its right.
    StatusPane *text = frame().panes()->pane(0);
    EXPECT_GE(text->mapTo(&frame(), QPoint(text->width(), 0)).x(), proxyAt - 12);
}

TEST_F(FrameTest, SavedSwitchesComeBackAtTheNextStart)
{
    settings.write(settings::tabtop, 0);
    settings.write(settings::ToolbarLock, 1);
    settings.write(settings::skin, 1);
    settings.write(settings::DefFontSize, 4);
    EXPECT_EQ(frame().bars()->tabsOnTop(), false);
    EXPECT_EQ(frame().toolBarArea(frame().bars()->tabBand()), Qt::BottomToolBarArea);
    EXPECT_TRUE(frame().bars()->isLocked());
    EXPECT_EQ(Themes::current(), Themes::kPink);
    EXPECT_LT(controls.last()->zoom, 1.0);
}

TEST_F(FrameTest, TheTabStripMovesToTheBottomAndBack)
{
    frame().runCommand(cmd::ToolbarLock);
    frame().runCommand(cmd::TabsAtBottom);
    EXPECT_EQ(frame().toolBarArea(frame().bars()->tabBand()), Qt::BottomToolBarArea);
    EXPECT_EQ(settings.read(settings::tabtop), 0);
    EXPECT_FALSE(frame().bars()->tabBand()->isMovable()); // the lock holds for the moved band
    frame().runCommand(cmd::TabsAtBottom);
    EXPECT_EQ(frame().toolBarArea(frame().bars()->tabBand()), Qt::TopToolBarArea);
    EXPECT_TRUE(frame().bars()->tabBand()->isVisible());
    EXPECT_EQ(settings.read(settings::tabtop), 1);
}

TEST_F(FrameTest, FullScreenHidesTheBarsAndRestoresTheStatusBarOnlyIfItWasShown)
{
    frame().runCommand(cmd::SearchBar); // the user hides the search bar
    frame().runCommand(cmd::FullScreen);
    EXPECT_TRUE(frame().frameCommands()->isFullScreen());
    EXPECT_EQ(settings.read(settings::fullscreen), 1);
    EXPECT_FALSE(frame().statusBar()->isVisible());
    EXPECT_FALSE(frame().bars()->menuBand()->isVisible());

    // The cursor at the top edge brings the bars back; lower down they go.
    const QRect screen = frame().screen()->geometry();
    frame().frameCommands()->revealBarsAt(screen.topLeft() + QPoint(50, 2));
    EXPECT_TRUE(frame().bars()->menuBand()->isVisible());
    frame().frameCommands()->revealBarsAt(screen.topLeft() + QPoint(50, 500));
    EXPECT_FALSE(frame().bars()->menuBand()->isVisible());

    key(Qt::Key_F11);
    EXPECT_FALSE(frame().frameCommands()->isFullScreen());
    EXPECT_EQ(settings.read(settings::fullscreen), 0);
    EXPECT_TRUE(frame().statusBar()->isVisible());
    EXPECT_TRUE(frame().bars()->menuBand()->isVisible());
    EXPECT_FALSE(frame().bars()->searchBar()->isVisible()); // hidden by the user, stays hidden

    frame().statusBar()->hide();
    frame().runCommand(cmd::FullScreen);
    frame().runCommand(cmd::FullScreen);
    EXPECT_FALSE(frame().statusBar()->isVisible());
}

TEST_F(FrameTest, LeavingFullScreenGivesBackTheWindowAsItWas)
{
    frame().showNormal();
    key(Qt::Key_F11);
    EXPECT_TRUE(frame().isFullScreen());
    key(Qt::Key_F11);
    EXPECT_FALSE(frame().isFullScreen());
    EXPECT_FALSE(frame().isMaximized());

    frame().showMaximized();
    key(Qt::Key_F11);
    key(Qt::Key_F11);
    EXPECT_TRUE(frame().isMaximized());
    // Closed in full screen, a maximized window is remembered as maximized.
    key(Qt::Key_F11);
    restart();
    EXPECT_EQ(settings.read(settings::bMax), 1);
}

TEST_F(FrameTest, ARightClickOnATabOpensTheTabMenu)
{
    host().CreatePage(QStringLiteral("http://b/"), {}, QStringLiteral("B"));
    host().CreatePage(QStringLiteral("http://c/"), {}, QStringLiteral("C"));
    ASSERT_EQ(host().list().count(), 3);
    const QString third = host().list().at(2)->address();
    TabStrip *tabs = frame().tabStrip();
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions())
            shown << action->data().toString();
        // Its first entry closes the tab the menu was opened on.
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    click(tabs, tabs->tabRect(1).center(), Qt::RightButton);
    ASSERT_FALSE(shown.isEmpty()) << "no menu opened";
    EXPECT_EQ(shown.first(), QString::number(cmd::CloseMenuTab));
    EXPECT_EQ(host().list().count(), 2);
    EXPECT_EQ(host().list().at(1)->address(), third);
}

TEST_F(FrameTest, AClosedPageComesBackFromTheWindowMenu)
{
    host().OpenInCurrentPage(QStringLiteral("http://a/"));
    host().CreatePage(QStringLiteral("http://b/"), {}, QStringLiteral("B"));
    host().ClosePageAt(1);
    ASSERT_EQ(host().list().count(), 1);
    // Window menu, its first entry (the closed Pages), the first of those.
    key(Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
    QWidget *windowMenu = QApplication::activePopupWidget();
    key(Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() != windowMenu; }, 1000));
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
    ASSERT_EQ(host().list().count(), 2);
    EXPECT_EQ(host().list().at(1)->address(), QStringLiteral("http://b/"));
}

TEST_F(FrameTest, AFrameSavedInFullScreenStartsInFullScreen)
{
    settings.write(settings::fullscreen, 1);
    EXPECT_TRUE(frame().frameCommands()->isFullScreen());
}

TEST_F(FrameTest, HidingWithoutTheHotKeySaysSoAndStaysVisible)
{
    // The offscreen desktop has no key grabs to give.
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("注册热键'Ctrl + Q' 错误! 隐藏失败.")});
}

TEST_F(FrameTest, F2AndF3GoRoundThePagesAndThePagesListIgnoresTheSelectedOne)
{
    host().CreatePage(QStringLiteral("http://b/"), {}, QStringLiteral("Loading..."));
    host().CreatePage(QStringLiteral("http://c/"), {}, QStringLiteral("Loading..."));
    ASSERT_EQ(host().list().current(), 0);
    key(Qt::Key_F2);
    EXPECT_EQ(host().list().current(), 2);
    key(Qt::Key_F3);
    EXPECT_EQ(host().list().current(), 0);

    host().SelectPage(1);
    ASSERT_EQ(host().list().previous(), 0);
    EXPECT_TRUE(frame().runCommand(cmd::PageEntryFirst + 1));
    EXPECT_EQ(host().list().previous(), 0);
    frame().runCommand(cmd::PageEntryFirst + 2);
    EXPECT_EQ(host().list().current(), 2);
    EXPECT_EQ(host().list().previous(), 1);
    EXPECT_FALSE(frame().runCommand(1)); // nobody's command
}

TEST_F(FrameTest, HelpOpensOurOwnPagesOrSaysItIsMissing)
{
    frame().runCommand(cmd::Help);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("帮助文件没找到!")});

    QDir().mkpath(profile + QStringLiteral("/data/help"));
    QFile help(profile + QStringLiteral("/data/help/index.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<title>Help</title>");
    help.close();
    key(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(host().activePage()->address(), QUrl::fromLocalFile(help.fileName()).toString());
}

TEST_F(FrameTest, TheMemoryPaneShowsFreeMemoryOrTheDownload)
{
    EXPECT_EQ(StatusPanes::memoryText(2048000000ull, 8192000000ull), QStringLiteral("2000MB/8000MB physical memory free"));
    QTemporaryDir dir;
    QFile info(dir.filePath(QStringLiteral("meminfo")));
    ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    info.write("MemTotal:        1000000 kB\nMemFree:          100 kB\nMemAvailable:     512000 kB\n");
    info.close();
    const auto memory = StatusPanes::readMemory(info.fileName());
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(StatusPanes::memoryText(memory->first, memory->second), QStringLiteral("512MB/1000MB physical memory free"));
    EXPECT_FALSE(StatusPanes::readMemory(dir.filePath(QStringLiteral("missing"))).has_value());

    // A load over at once shows nothing: every change repaints the window.
    frame().setProgress(30, 100);
    EXPECT_FALSE(frame().panes()->showsProgress());
    frame().setProgress(0, 0);
    QTest::qWait(600);
    EXPECT_FALSE(frame().panes()->showsProgress());
    EXPECT_FALSE(frame().busy()->isTurning());
    // A longer one does.
    frame().setProgress(30, 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame().panes()->showsProgress(); }, 2000));
    EXPECT_TRUE(frame().busy()->isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame().busy()->isTurning(); }, 2000));
    frame().setProgress(0, 0);
    EXPECT_FALSE(frame().panes()->showsProgress());
    EXPECT_FALSE(frame().busy()->isRunning());
    EXPECT_TRUE(frame().panes()->pane(cmd::MemoryPane)->toolTip().endsWith(QStringLiteral("physical memory free")));
}

TEST_F(FrameTest, TheActivatedFrameGivesTheFocusToTheActivePage)
{
    host().CreatePage(QStringLiteral("http://b/"), PageHost::ToFront, QStringLiteral("Loading..."));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    frame().setFocus(); // the frame itself, as after a click on its frame
    QApplication::setActiveWindow(&frame());
    EXPECT_EQ(QApplication::focusWidget(), controls.last()->widget());
}

TEST_F(FrameTest, CommandsGoToTheirHandlersUntilTheWindowCloses)
{
    EXPECT_FALSE(frame().runCommand(9999)); // nobody's
    EXPECT_EQ(frame().isChecked(9999), std::nullopt);
    EXPECT_TRUE(frame().isEnabled(9999));
    EXPECT_FALSE(frame().isEnabled(cmd::Back)); // the Pages': nothing to go back to
    EXPECT_EQ(frame().isChecked(cmd::Sounds), std::optional<bool>(true)); // the frame's
    EXPECT_TRUE(frame().runCommand(cmd::NewBlankPage));
    EXPECT_EQ(host().list().count(), 2);

    frame().close();
    EXPECT_FALSE(frame().runCommand(cmd::NewBlankPage));
    EXPECT_EQ(frame().isChecked(cmd::Sounds), std::nullopt);
    QMenu closed;
    frame().fillPopup(cmd::ClosedPagesPopup, &closed);
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_EQ(frame().frameCommands(), nullptr);
}

TEST_F(FrameTest, TheKeyboardMapListsEveryKey)
{
    KeyboardMapDialog map;
    QStringList keys;
    for (int row = 0; row < map.table()->rowCount(); ++row)
        keys << map.table()->item(row, 1)->text();
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText)));
    EXPECT_TRUE(keys.contains(QStringLiteral("F11")));
    EXPECT_TRUE(keys.contains(QStringLiteral("F2")));
}

// A translation that marks the texts of the menus' tables with their context.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QByteArray name(context);
        if (name != "CommandTable" && name != "MenuLayout" && name != "Encodings" && name != "EngineMenus")
            return {};
        return QStringLiteral("<%1>%2").arg(QString::fromLatin1(name), QString::fromUtf8(source));
    }
};

// The menu item (at any depth) with the text, or the one for the command.
QAction *findEntry(const QList<QAction *> &actions, const std::function<bool(QAction *)> &wanted)
{
    for (QAction *action : actions) {
        if (wanted(action))
            return action;
        if (QMenu *sub = action->menu()) {
            if (QAction *found = findEntry(sub->actions(), wanted))
                return found;
        }
    }
    return nullptr;
}

TEST_F(FrameTest, MenusAndKeysSpeakTheLanguageOfTheirWindowsMaking)
{
    auto menuBar = [this] { return frame().findChild<QMenuBar *>(QStringLiteral("menuBar"))->actions(); };
    auto withText = [&](const QString &text) {
        return findEntry(menuBar(), [&](QAction *a) { return a->text() == text; });
    };
    auto keyboardMapRow = [](const QString &key) {
        KeyboardMapDialog map;
        for (int row = 0; row < map.table()->rowCount(); ++row) {
            if (map.table()->item(row, 1)->text() == key)
                return map.table()->item(row, 0)->text() + u'|' + map.table()->item(row, 2)->text();
        }
        return QString();
    };
    const QString ctrlN = QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText);

    MarkingTranslator english;
    QCoreApplication::installTranslator(&english);
    EXPECT_EQ(menuBar().value(0)->text(), QStringLiteral("<MenuLayout>文件(&F)"));
    // Entries of the command table, with their prompts.
    EXPECT_EQ(frame().action(cmd::NewBlankPage)->text(), QStringLiteral("<CommandTable>空白页(&B)"));
    EXPECT_EQ(frame().action(cmd::NewBlankPage)->statusTip(), QStringLiteral("<CommandTable>打开一个新的空白页"));
    EXPECT_EQ(frame().action(cmd::TextSizeSmallest)->text(), QStringLiteral("<CommandTable>Smallest"));
    // Entries and submenus named by other tables.
    EXPECT_NE(withText(QStringLiteral("<Encodings>自动选择(&A)")), nullptr);
    EXPECT_NE(withText(QStringLiteral("<EngineMenus>文化(&A)")), nullptr);
    EXPECT_NE(withText(QStringLiteral("<MenuLayout>撤销关闭的页面(&U)")), nullptr);
    EXPECT_EQ(keyboardMapRow(ctrlN), QStringLiteral("<CommandTable>空白页(B)|<CommandTable>打开一个新的空白页"));
    QCoreApplication::removeTranslator(&english);

    // Nothing was kept in the other language: the next window speaks Chinese again.
    restart();
    EXPECT_EQ(menuBar().value(0)->text(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(frame().action(cmd::NewBlankPage)->text(), QStringLiteral("空白页(&B)"));
    EXPECT_NE(withText(QStringLiteral("自动选择(&A)")), nullptr);
    EXPECT_NE(withText(QStringLiteral("文化(&A)")), nullptr);
    EXPECT_EQ(keyboardMapRow(ctrlN), QStringLiteral("空白页(B)|打开一个新的空白页"));
}

TEST_F(FrameTest, TheExplorerBarAndTheBarsLayoutAreKeptForTheNextStart)
{
    EXPECT_FALSE(frame().explorerBar()->isVisible());
    frame().runCommand(cmd::ExplorerBar);
    EXPECT_TRUE(frame().explorerBar()->isVisible());
    EXPECT_EQ(frame().isChecked(cmd::ExplorerBar), std::optional<bool>(true));
    EXPECT_EQ(frame().isChecked(cmd::SearchBar), std::optional<bool>(true));
    frame().runCommand(cmd::SearchBar);
    frame().close();
    EXPECT_FALSE(settings.read(settings::barLayout).isEmpty());

    m_frame.reset();
    EXPECT_TRUE(frame().explorerBar()->isVisible());
    EXPECT_FALSE(frame().bars()->searchBar()->isVisible());
    EXPECT_EQ(frame().isChecked(cmd::SearchBar), std::optional<bool>(false));
}

} // namespace
