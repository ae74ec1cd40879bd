// The Explorer Bar and the favorites panel in the real frame, driven by keys,
// clicks and drops through the window, changing a real favorites folder.
#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "favorites/CFavoritePropertiesDlg.h"
#include "favorites/CFavoritesPanel.h"
#include "favorites/FavoritesCommands.h"
#include "frame/CTMain.h"
#include "platform/InternetShortcut.h"

#include "FakeControl.h"
#include "FrameFixture.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

class FavoritesPanelTest : public FrameFixture
{
protected:
    void TearDown() override
    {
        if (!m_dataHome.isEmpty())
            qputenv("XDG_DATA_HOME", m_dataHome);
    }

    // A data folder of this test's own, so that its Trash is this test's
    // alone; the process's one is back after the test.
    QString useOwnDataHome()
    {
        m_dataHome = qgetenv("XDG_DATA_HOME");
        const QString dir = profile + QStringLiteral("/xdg-data");
        QDir().mkpath(dir);
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir));
        return dir;
    }

    QString favorites() const { return profile + QStringLiteral("/data/Favorites"); }

    void writeLink(const QString &relative, const QString &url)
    {
        const QString path = favorites() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[InternetShortcut]\nURL=" + url.toUtf8() + '\n');
    }
    void makeFolder(const QString &relative) { QDir().mkpath(favorites() + QLatin1Char('/') + relative); }

    QStringList listing(const QString &relative = {}) const
    {
        QStringList names = QDir(favorites() + QLatin1Char('/') + relative)
                                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    CFavoritesPanel *panel() { return frame().explorerBar()->findChild<CFavoritesPanel *>(); }
    QTabWidget *tabs() { return frame().explorerBar()->findChild<QTabWidget *>(QStringLiteral("explorerTabs")); }
    QTreeWidget *tree() { return panel()->tree(); }

    // The frame with the favorites read and their tab in sight.
    void showFavorites()
    {
        auto *commands = frame().findChild<FavoritesCommands *>();
        ASSERT_NE(commands, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([commands] { return commands->model() != nullptr; }, 10000));
        key(Qt::Key_I, Qt::ControlModifier);
        ASSERT_TRUE(panel()->isVisible());
    }

    QTreeWidgetItem *item(const QString &text)
    {
        const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.constFirst();
    }
    QStringList topTexts()
    {
        QStringList texts;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            texts << tree()->topLevelItem(i)->text(0);
        return texts;
    }
    QPoint centreOf(QTreeWidgetItem *it) { return tree()->visualItemRect(it).center(); }
    void clickItem(QTreeWidgetItem *it, Qt::MouseButton button = Qt::LeftButton)
    {
        click(tree()->viewport(), centreOf(it), button);
    }

    // Right-clicks the item and picks the n-th entry of its menu (0: delete,
    // 1: rename, 2: properties) with the keyboard; then runs `whileModal`
    // once the dialog the entry opens is up.
    void pickFromMenu(QTreeWidgetItem *it, int n, std::function<void(QWidget *dialog)> whileModal = {})
    {
        bool opened = false;
        QTimer poll;
        if (whileModal) {
            poll.setInterval(10);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    poll.stop();
                    whileModal(dialog);
                }
            });
        }
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            opened = true;
            for (int i = 0; i <= n; ++i)
                key(Qt::Key_Down);
            if (whileModal)
                poll.start();
            key(Qt::Key_Return);
        });
        clickItem(it, Qt::RightButton);
        ASSERT_TRUE(opened) << "no context menu";
    }

    // Renames through the label editor: the menu's rename, the text typed, Enter.
    void rename(QTreeWidgetItem *it, const QString &text)
    {
        pickFromMenu(it, 1);
        ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr) << "no label editor";
        type(text);
        key(Qt::Key_Return);
    }

    // A drag over the tree and its drop, through the window, at a point of
    // the tree's viewport. True when the drop was taken.
    bool drop(QMimeData &data, const QPoint &at)
    {
        QWidget *top = frame().window();
        const QPoint point = tree()->viewport()->mapTo(top, at);
        const Qt::DropActions offered = Qt::CopyAction | Qt::LinkAction;
        QDragEnterEvent enter(point, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window(), &enter);
        QDropEvent dropped(point, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window(), &dropped);
        return dropped.isAccepted();
    }
    QPoint belowTheItems() { return QPoint(20, tree()->viewport()->height() - 5); }

    QStringList navigations() const
    {
        QStringList all;
        for (const FakeControl *control : controls.made)
            all += control->navigated;
        all.removeAll(QStringLiteral("about:blank"));
        return all;
    }

    QByteArray m_dataHome; // the process's data folder, while the test has one of its own
};

TEST_F(FavoritesPanelTest, TheKeysAndTheMenuShowSwitchAndHideTheTabsAndTheirCheckMarks)
{
    QDockWidget *bar = frame().explorerBar();
    auto marks = [this] {
        return QList<bool>{*frame().isChecked(cmd::FavoritesPanel), *frame().isChecked(cmd::HistoryPanel),
                           *frame().isChecked(cmd::ExplorerBar)};
    };
    using Marks = QList<bool>;
    ASSERT_FALSE(bar->isVisible());
    EXPECT_EQ(marks(), (Marks{false, false, false}));

    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(tabs()->currentWidget(), panel());
    EXPECT_EQ(marks(), (Marks{true, false, true}));

    key(Qt::Key_H, Qt::ControlModifier); // another tab: switched to
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(marks(), (Marks{false, true, true}));

    key(Qt::Key_H, Qt::ControlModifier); // its own tab in sight: the bar goes
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(marks(), (Marks{false, false, false}));

    key(Qt::Key_H, Qt::ControlModifier);
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(tabs()->currentWidget(), panel());

    // View, Explorer Bar (the second entry), its entries with their check marks.
    auto openExplorerMenu = [this] {
        key(Qt::Key_V, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
        QWidget *view = QApplication::activePopupWidget();
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        EXPECT_TRUE(QTest::qWaitFor([view] { return QApplication::activePopupWidget() != view; }, 1000));
        QList<bool> shown;
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            for (const QAction *action : menu->actions())
                shown << action->isChecked();
        return shown;
    };
    EXPECT_EQ(openExplorerMenu(), (Marks{true, false}));
    key(Qt::Key_Down); // History
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(tabs()->currentIndex(), 1);

    EXPECT_EQ(openExplorerMenu(), (Marks{false, true}));
    key(Qt::Key_Down);
    key(Qt::Key_Return); // History again: the bar goes
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
    EXPECT_FALSE(bar->isVisible());

    // The bar's own entry brings it back as it was.
    frame().runCommand(cmd::ExplorerBar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(marks(), (Marks{false, true, true}));
}

TEST_F(FavoritesPanelTest, TheTreeShowsFoldersAndLinksAndAClickOpensALinkInAPage)
{
    writeLink(QStringLiteral("Zeta.url"), QStringLiteral("http://zeta.example/"));
    writeLink(QStringLiteral("alpha.url"), QStringLiteral("http://alpha.example/"));
    writeLink(QStringLiteral("Tools/Inner.url"), QStringLiteral("http://inner.example/"));
    showFavorites();
    EXPECT_EQ(topTexts(), (QStringList{QStringLiteral("Tools"), QStringLiteral("alpha"), QStringLiteral("Zeta")}));
    QTreeWidgetItem *tools = item(QStringLiteral("Tools"));
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->childCount(), 1);

    // The shortcut is read when clicked: a change since the tree was filled counts.
    writeLink(QStringLiteral("alpha.url"), QStringLiteral("http://alpha.example/changed"));
    clickItem(item(QStringLiteral("alpha")));
    EXPECT_EQ(navigations().value(0), QStringLiteral("http://alpha.example/changed"));
    // The blank first Page was used for it.
    EXPECT_EQ(host().list().count(), 1);

    // A folder opens and closes.
    clickItem(tools);
    EXPECT_TRUE(tools->isExpanded());
    clickItem(item(QStringLiteral("Inner")));
    EXPECT_EQ(navigations().value(1), QStringLiteral("http://inner.example/"));
    EXPECT_EQ(host().list().count(), 2);
    clickItem(tools);
    EXPECT_FALSE(tools->isExpanded());
}

TEST_F(FavoritesPanelTest, InTheTreeF2RenamesAndEnterOpens)
{
    writeLink(QStringLiteral("alpha.url"), QStringLiteral("http://alpha.example/"));
    writeLink(QStringLiteral("beta.url"), QStringLiteral("http://beta.example/"));
    showFavorites();
    host().CreatePage(QStringLiteral("http://other.example/"), PageHost::ToFront, QStringLiteral("other"));
    const int active = host().list().current();
    // The keys go to the tree with the focus.
    tree()->setFocus();
    tree()->setCurrentItem(item(QStringLiteral("beta")));
    key(Qt::Key_Return);
    EXPECT_EQ(navigations().value(1), QStringLiteral("http://beta.example/"));

    // F2 edits the label here instead of stepping to the previous Page.
    tree()->setFocus();
    key(Qt::Key_F2);
    ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr) << "no label editor";
    EXPECT_EQ(host().list().current(), active);
    type(QStringLiteral("gamma"));
    key(Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(favorites() + QStringLiteral("/gamma.url")));
    EXPECT_FALSE(QFile::exists(favorites() + QStringLiteral("/beta.url")));
}

TEST_F(FavoritesPanelTest, TheTwoButtonsAddThePageAndOrganizeTheFavorites)
{
    showFavorites();
    QStringList ran;
    FavoritesDialogs dialogs;
    dialogs.add = [&](QWidget *, const QString &folder, const QString &, const QString &) {
        ran << QStringLiteral("add ") + folder;
        return false;
    };
    dialogs.organize = [&](QWidget *, const QString &folder) { ran << QStringLiteral("organize ") + folder; };
    frame().findChild<FavoritesCommands *>()->setDialogs(dialogs);
    EXPECT_EQ(panel()->addButton()->text(), QStringLiteral("添加到收藏夹"));
    EXPECT_EQ(panel()->organizeButton()->text(), QStringLiteral("整理收藏夹"));
    // Side by side, each half the panel.
    EXPECT_EQ(panel()->addButton()->y(), panel()->organizeButton()->y());
    EXPECT_LE(std::abs(panel()->addButton()->width() - panel()->organizeButton()->width()), 1);
    EXPECT_GE(panel()->addButton()->width() + panel()->organizeButton()->width(), panel()->width() - 1);

    click(panel()->addButton(), panel()->addButton()->rect().center());
    click(panel()->organizeButton(), panel()->organizeButton()->rect().center());
    EXPECT_EQ(ran, (QStringList{QStringLiteral("add ") + favorites(), QStringLiteral("organize ") + favorites()}));
}

TEST_F(FavoritesPanelTest, RenamingToTheSameTextChangesNothingOnDisk)
{
    writeLink(QStringLiteral("Bar.url"), QStringLiteral("http://bar.example/"));
    const QDateTime written = QFileInfo(favorites() + QStringLiteral("/Bar.url")).lastModified();
    showFavorites();
    rename(item(QStringLiteral("Bar")), QStringLiteral("Bar"));
    EXPECT_EQ(listing(), QStringList{QStringLiteral("Bar.url")});
    EXPECT_EQ(QFileInfo(favorites() + QStringLiteral("/Bar.url")).lastModified(), written);
    EXPECT_EQ(switches.favoritesChanged, 0);
}

TEST_F(FavoritesPanelTest, RenamingNeverReplacesAnEntryAndTakesNoSlash)
{
    writeLink(QStringLiteral("Bar.url"), QStringLiteral("http://bar.example/"));
    writeLink(QStringLiteral("Baz.url"), QStringLiteral("http://baz.example/"));
    writeLink(QStringLiteral("Docs/Inner.url"), QStringLiteral("http://inner.example/"));
    makeFolder(QStringLiteral("Other"));
    showFavorites();
    const QStringList before = listing();

    for (const QString &refused : {QStringLiteral("Baz"), QStringLiteral("a/b"), QStringLiteral("..")}) {
        SCOPED_TRACE(refused.toStdString());
        rename(item(QStringLiteral("Bar")), refused);
        EXPECT_EQ(listing(), before);
        EXPECT_EQ(item(QStringLiteral("Bar"))->text(0), QStringLiteral("Bar"));
    }
    rename(item(QStringLiteral("Docs")), QStringLiteral("Other"));
    EXPECT_EQ(listing(), before);
    EXPECT_EQ(listing(QStringLiteral("Docs")), QStringList{QStringLiteral("Inner.url")});
    EXPECT_EQ(InternetShortcut::readUrl(favorites() + QStringLiteral("/Baz.url")), QStringLiteral("http://baz.example/"));
    EXPECT_EQ(switches.favoritesChanged, 0);

    // A free name is taken, by the link and by the folder, and what is
    // below the folder is found under its new name.
    rename(item(QStringLiteral("Bar")), QStringLiteral("Qux"));
    rename(item(QStringLiteral("Docs")), QStringLiteral("Papers"));
    EXPECT_EQ(listing(), (QStringList{QStringLiteral("Baz.url"), QStringLiteral("Other"), QStringLiteral("Papers"),
                                      QStringLiteral("Qux.url")}));
    EXPECT_EQ(switches.favoritesChanged, 1);
    QTreeWidgetItem *papers = item(QStringLiteral("Papers"));
    ASSERT_NE(papers, nullptr);
    clickItem(papers);
    clickItem(item(QStringLiteral("Inner")));
    clickItem(item(QStringLiteral("Qux")));
    EXPECT_EQ(navigations(), (QStringList{QStringLiteral("http://inner.example/"), QStringLiteral("http://bar.example/")}));
}

TEST_F(FavoritesPanelTest, WhileALabelIsEditedItsKeysGoToTheEditor)
{
    writeLink(QStringLiteral("Bar.url"), QStringLiteral("http://bar.example/"));
    showFavorites();
    const int stopsBefore = controls.last()->stops;
    pickFromMenu(item(QStringLiteral("Bar")), 1);
    QPointer<QLineEdit> editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    key(Qt::Key_End);
    key(Qt::Key_I, Qt::ControlModifier); // not the Favorites command
    key(Qt::Key_Backspace);
    key(Qt::Key_Home);
    key(Qt::Key_Delete); // a letter, not the favorite
    ASSERT_TRUE(editor) << "the editing ended";
    EXPECT_EQ(editor->text(), QStringLiteral("a"));
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_TRUE(QFile::exists(favorites() + QStringLiteral("/Bar.url")));
    key(Qt::Key_Escape); // not Stop: the edit ends unchanged
    EXPECT_EQ(controls.last()->stops, stopsBefore);
    EXPECT_EQ(item(QStringLiteral("Bar"))->text(0), QStringLiteral("Bar"));
    EXPECT_EQ(listing(), QStringList{QStringLiteral("Bar.url")});

    // With the editing over, the keys are the window's again.
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(frame().explorerBar()->isVisible());
}

TEST_F(FavoritesPanelTest, DeletingAFolderLeavesWhatALinkInsideItPointsTo)
{
    const QString outside = profile + QStringLiteral("/outside");
    QDir().mkpath(outside);
    QFile(outside + QStringLiteral("/keep.txt")).open(QIODevice::WriteOnly);
    writeLink(QStringLiteral("Foo/Inner.url"), QStringLiteral("http://inner.example/"));
    ASSERT_TRUE(QFile::link(outside, favorites() + QStringLiteral("/Foo/out")));
    writeLink(QStringLiteral("Foo.url"), QStringLiteral("http://foo.example/"));
    const QString trash = useOwnDataHome() + QStringLiteral("/Trash");
    showFavorites();

    pickFromMenu(item(QStringLiteral("Foo")), 0);
    EXPECT_EQ(listing(), QStringList{QStringLiteral("Foo.url")});
    EXPECT_TRUE(QFile::exists(outside + QStringLiteral("/keep.txt")));
    EXPECT_EQ(topTexts(), QStringList{QStringLiteral("Foo")});
    EXPECT_EQ(CFavoritesPanel::pathOf(item(QStringLiteral("Foo"))), favorites() + QStringLiteral("/Foo.url"));
    EXPECT_EQ(switches.favoritesChanged, 1);
    // In the desktop's Trash, the link inside still a link.
    const QString trashed = trash + QStringLiteral("/files/Foo");
    EXPECT_TRUE(QFileInfo(trashed + QStringLiteral("/out")).isSymLink());
    EXPECT_TRUE(QFile::exists(trashed + QStringLiteral("/Inner.url")));

    // The Delete key deletes the selected link (selected by a right click,
    // as a left click opens it in a Page, which takes the focus).
    QTimer::singleShot(0, [this] { key(Qt::Key_Escape); });
    clickItem(item(QStringLiteral("Foo")), Qt::RightButton);
    key(Qt::Key_Delete);
    EXPECT_TRUE(listing().isEmpty());
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
}

TEST_F(FavoritesPanelTest, WithoutATrashAFolderIsDeletedForGoodAndItsLinksAsLinks)
{
    // A file where the Trash would be: nothing can be moved there.
    QFile(useOwnDataHome() + QStringLiteral("/Trash")).open(QIODevice::WriteOnly);
    const QString outside = profile + QStringLiteral("/outside");
    QDir().mkpath(outside + QStringLiteral("/sub"));
    QFile(outside + QStringLiteral("/sub/keep.txt")).open(QIODevice::WriteOnly);
    writeLink(QStringLiteral("Foo/Deep/Inner.url"), QStringLiteral("http://inner.example/"));
    ASSERT_TRUE(QFile::link(outside, favorites() + QStringLiteral("/Foo/Deep/out")));
    showFavorites();

    clickItem(item(QStringLiteral("Foo")));
    key(Qt::Key_Delete);
    EXPECT_TRUE(listing().isEmpty());
    EXPECT_TRUE(QFile::exists(outside + QStringLiteral("/sub/keep.txt")));
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
}

TEST_F(FavoritesPanelTest, ADroppedLinkBecomesAShortcutWhereItWasDropped)
{
    writeLink(QStringLiteral("Folder/Inner.url"), QStringLiteral("http://inner.example/"));
    writeLink(QStringLiteral("Top.url"), QStringLiteral("http://top.example/"));
    showFavorites();

    // No title: "Untitled", then a second one beside it.
    QMimeData first;
    first.setUrls({QUrl(QStringLiteral("http://one.example/"))});
    ASSERT_TRUE(drop(first, belowTheItems()));
    QMimeData second;
    second.setText(QStringLiteral("https://two.example/?q=1"));
    ASSERT_TRUE(drop(second, belowTheItems()));
    EXPECT_EQ(listing(), (QStringList{QStringLiteral("Folder"), QStringLiteral("Top.url"),
                                      QStringLiteral("Untitled (2).url"), QStringLiteral("Untitled.url")}));
    EXPECT_EQ(InternetShortcut::readUrl(favorites() + QStringLiteral("/Untitled.url")),
              QStringLiteral("http://one.example/"));
    EXPECT_EQ(InternetShortcut::readUrl(favorites() + QStringLiteral("/Untitled (2).url")),
              QStringLiteral("https://two.example/?q=1"));
    EXPECT_EQ(topTexts(), (QStringList{QStringLiteral("Folder"), QStringLiteral("Top"), QStringLiteral("Untitled"),
                                       QStringLiteral("Untitled (2)")}));
    EXPECT_EQ(switches.favoritesChanged, 1);

    // Onto a folder: into it, opened. Onto a link in it: beside that link.
    QTreeWidgetItem *folder = item(QStringLiteral("Folder"));
    QMimeData titled;
    titled.setData(QStringLiteral("text/x-moz-url"), QStringLiteral("http://three.example/\nWhy?").toUtf8());
    ASSERT_TRUE(drop(titled, centreOf(folder)));
    EXPECT_TRUE(folder->isExpanded());
    QMimeData besideInner;
    besideInner.setUrls({QUrl(QStringLiteral("http://four.example/"))});
    ASSERT_TRUE(drop(besideInner, centreOf(item(QStringLiteral("Inner")))));
    EXPECT_EQ(listing(QStringLiteral("Folder")),
              (QStringList{QStringLiteral("Inner.url"), QStringLiteral("Untitled.url"), QStringLiteral("Why.url")}));
    EXPECT_EQ(folder->childCount(), 3);

    // The new item stands for its file: a click opens it.
    clickItem(item(QStringLiteral("Why")));
    EXPECT_EQ(navigations().value(0), QStringLiteral("http://three.example/"));

    // A script address is no favorite, nor is it opened by the window behind.
    QMimeData script;
    script.setText(QStringLiteral("javascript:alert(1)"));
    EXPECT_FALSE(drop(script, belowTheItems()));
    EXPECT_EQ(navigations().size(), 1);
    EXPECT_EQ(host().list().count(), 1);
    EXPECT_EQ(listing().size(), 4);
    EXPECT_EQ(tree()->topLevelItemCount(), 4);
}

TEST_F(FavoritesPanelTest, AShortcutThatCannotBeWrittenIsToldAndLeavesNoItem)
{
    makeFolder(QStringLiteral("Gone"));
    showFavorites();
    // The folder became a file after the tree was filled.
    ASSERT_TRUE(QDir(favorites()).rmdir(QStringLiteral("Gone")));
    QFile(favorites() + QStringLiteral("/Gone")).open(QIODevice::WriteOnly);
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("http://one.example/"))});
    EXPECT_FALSE(drop(data, centreOf(item(QStringLiteral("Gone")))));
    EXPECT_EQ(item(QStringLiteral("Gone"))->childCount(), 0);
    ASSERT_EQ(messages.told.size(), 1);
    EXPECT_TRUE(messages.told.constFirst().contains(favorites() + QStringLiteral("/Gone/Untitled.url")));
    EXPECT_EQ(switches.favoritesChanged, 0);
}

TEST_F(FavoritesPanelTest, ThePropertiesShowTheAddressAndTheFile)
{
    writeLink(QStringLiteral("Bar.url"), QStringLiteral("http://bar.example/"));
    showFavorites();
    QString address;
    QString path;
    pickFromMenu(item(QStringLiteral("Bar")), 2, [&](QWidget *shown) {
        auto *dialog = qobject_cast<CFavoritePropertiesDlg *>(shown);
        if (dialog) {
            address = dialog->addressField()->text();
            path = dialog->pathField()->text();
        }
        shown->close();
    });
    EXPECT_EQ(address, QStringLiteral("http://bar.example/"));
    EXPECT_EQ(path, favorites() + QStringLiteral("/Bar.url"));
}

} // namespace
