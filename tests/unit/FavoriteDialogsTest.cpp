// The favorites dialogs, driven through their windows as the user does.
#include "favorites/BookmarkDialogs.h"
#include "favorites/BookmarkFile.h"
#include "favorites/CAddFavoriteDlg.h"
#include "favorites/CFavoriteFolderDlg.h"
#include "favorites/COrganizeFavoritesDlg.h"
#include "favorites/FavoritesTree.h"
#include "platform/InternetShortcut.h"

#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

class FavoriteDialogsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // A dialog that a failing test leaves waiting is cancelled.
        m_watchdog.setInterval(10000);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            while (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        m_watchdog.start();
        // Nothing may land in the working directory.
        m_workingDir = QDir::currentPath();
        ASSERT_TRUE(m_base.isValid());
        QDir().mkpath(base() + QStringLiteral("/cwd"));
        QDir::setCurrent(base() + QStringLiteral("/cwd"));
        ASSERT_TRUE(QDir().mkpath(favorites()));
        ASSERT_TRUE(QDir().mkpath(outside()));
        writeFile(outside() + QStringLiteral("/keep.txt"), "keep");
    }

    void TearDown() override
    {
        EXPECT_TRUE(QDir(base() + QStringLiteral("/cwd")).isEmpty());
        QDir::setCurrent(m_workingDir);
    }

    QString base() const { return m_base.path(); }
    QString favorites() const { return base() + QStringLiteral("/Favorites"); }
    QString outside() const { return base() + QStringLiteral("/outside"); }
    QString fav(const QString &relative) const { return favorites() + QLatin1Char('/') + relative; }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void shortcut(const QString &relative, const QString &url)
    {
        writeFile(fav(relative), "[InternetShortcut]\nURL=" + url.toUtf8() + '\n');
    }
    // The favorites as "dir/" and "name.url = address" lines.
    QStringList favoritesOnDisk() const
    {
        QStringList entries;
        std::function<void(const QString &, const QString &)> walk = [&](const QString &dir, const QString &prefix) {
            const QFileInfoList infos = QDir(dir).entryInfoList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            for (const QFileInfo &info : infos) {
                if (info.isSymLink()) {
                    entries << prefix + info.fileName() + QStringLiteral(" ->");
                } else if (info.isDir()) {
                    entries << prefix + info.fileName() + QLatin1Char('/');
                    walk(info.filePath(), prefix + info.fileName() + QLatin1Char('/'));
                } else {
                    entries << prefix + info.fileName() + QStringLiteral(" = ") + InternetShortcut::readUrl(info.filePath());
                }
            }
        };
        walk(favorites(), {});
        return entries;
    }

    // The modal dialog of type T on top, once it is shown and active.
    template <class T>
    static T *modal()
    {
        T *found = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                found = qobject_cast<T *>(QApplication::activeModalWidget());
                return found && found->isVisible();
            },
            5000);
        if (!shown)
            return nullptr;
        found->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(found));
        return found;
    }

    // Runs drive once the event loop of a dialog about to be opened runs;
    // whatever it leaves open is cancelled, so that a failure cannot hang.
    static void whenShown(std::function<void()> drive)
    {
        QTimer::singleShot(0, [drive] {
            drive();
            while (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
    }

    static void type(QWidget *top, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(top->windowHandle(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, top->windowHandle(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    static void retype(QWidget *top, const QString &text)
    {
        QTest::keyClick(top->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        type(top, text);
    }
    static void enter(QWidget *top) { QTest::keyClick(top->windowHandle(), Qt::Key_Return); }
    static void click(QWidget *widget)
    {
        QWidget *top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, widget->rect().center()));
    }
    static void clickItem(FavoriteFolderTree *tree, const QString &path)
    {
        QTreeWidgetItem *item = tree->itemFor(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        for (QTreeWidgetItem *above = item->parent(); above; above = above->parent())
            above->setExpanded(true);
        tree->scrollToItem(item);
        QWidget *top = tree->window();
        const QRect rect = tree->visualItemRect(item);
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                          tree->viewport()->mapTo(top, QPoint(rect.left() + 12, rect.center().y())));
        EXPECT_EQ(tree->currentPath(), path);
    }
    // Puts the file's path into the file dialog's name field (typed, it would
    // bring up the completion list) and presses Enter.
    static void chooseFile(QFileDialog *files, const QString &file)
    {
        auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(file);
        enter(files);
        EXPECT_FALSE(files->isVisible());
    }
    // Answers the input dialog that comes up with text and Enter.
    static void answerInput(const QString &text)
    {
        QTimer::singleShot(0, [text] {
            QInputDialog *input = modal<QInputDialog>();
            if (!input)
                return;
            retype(input, text);
            enter(input);
        });
    }

    RecordingMessageBoxes messages;
    QTimer m_watchdog;
    QString m_workingDir;
    QTemporaryDir m_base{freshProfileDir() + QStringLiteral("/dialogs-XXXXXX")};
};

} // namespace

TEST_F(FavoriteDialogsTest, AddWritesTheTypedNameIntoTheChosenFolder)
{
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("News")));
    whenShown([&] {
        auto *dialog = modal<CAddFavoriteDlg>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Example: a_b")); // as a file may be named
        EXPECT_EQ(dialog->tree()->currentPath(), QDir::cleanPath(favorites())); // the root at first
        EXPECT_EQ(dialog->tree()->topLevelItem(0)->childCount(), 1);          // folders only
        clickItem(dialog->tree(), fav(QStringLiteral("News")));
        click(dialog->nameEdit());
        retype(dialog, QStringLiteral("My page"));
        enter(dialog);
        EXPECT_FALSE(dialog->isVisible());
    });
    shortcut(QStringLiteral("elsewhere.url"), QStringLiteral("http://other.example/"));
    EXPECT_TRUE(CAddFavoriteDlg::ask(nullptr, favorites(), QStringLiteral("Example: a/b"),
                                     QStringLiteral("http://example.com/\r\n"), messages));
    EXPECT_EQ(favoritesOnDisk(), (QStringList{QStringLiteral("News/"),
                                              QStringLiteral("News/My page.url = http://example.com/"),
                                              QStringLiteral("elsewhere.url = http://other.example/")}));
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(FavoriteDialogsTest, AddWithoutATitleOffersTheAddressAndCancelWritesNothing)
{
    whenShown([&] {
        auto *dialog = modal<CAddFavoriteDlg>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("https:__example.com_a_b"));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    });
    EXPECT_FALSE(CAddFavoriteDlg::ask(nullptr, favorites(), QStringLiteral("  "), QStringLiteral("https://example.com/a/b"),
                                      messages));
    EXPECT_TRUE(favoritesOnDisk().isEmpty());

    whenShown([&] {
        auto *dialog = modal<CAddFavoriteDlg>();
        ASSERT_NE(dialog, nullptr);
        enter(dialog);
    });
    EXPECT_TRUE(CAddFavoriteDlg::ask(nullptr, favorites(), QString(), QStringLiteral("https://example.com/a/b"),
                                     messages));
    EXPECT_EQ(favoritesOnDisk(), QStringList{QStringLiteral("https:__example.com_a_b.url = https://example.com/a/b")});
}

TEST_F(FavoriteDialogsTest, AddRefusesAddressesThatAreNotPages)
{
    for (const char *url : {"javascript:alert(1)", "data:text/html,hi", "about:blank", "no scheme", ""}) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                shown = true;
                dialog->reject();
            }
        });
        EXPECT_FALSE(CAddFavoriteDlg::ask(nullptr, favorites(), QStringLiteral("Title"), QLatin1String(url), messages));
        QCoreApplication::processEvents();
        EXPECT_FALSE(shown) << url;
    }
    EXPECT_EQ(messages.told.size(), 5);
    EXPECT_EQ(messages.told.value(0), QStringLiteral("只有 http、https、ftp 和 file 地址可以添加到收藏夹。"));
    EXPECT_TRUE(favoritesOnDisk().isEmpty());
}

TEST_F(FavoriteDialogsTest, AnExistingNameIsReplacedOnlyWhenTheUserSaysSo)
{
    shortcut(QStringLiteral("Page.url"), QStringLiteral("http://old.example/"));
    messages.answers = {false, true};
    whenShown([&] {
        auto *dialog = modal<CAddFavoriteDlg>();
        ASSERT_NE(dialog, nullptr);
        enter(dialog); // "Page" is there: no
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(messages.asked, QStringList{QStringLiteral("收藏夹中已经有“Page”。要替换它吗?")});
        enter(dialog); // yes
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(CAddFavoriteDlg::ask(nullptr, favorites(), QStringLiteral("Page"), QStringLiteral("http://new.example/"),
                                     messages));
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_EQ(favoritesOnDisk(), QStringList{QStringLiteral("Page.url = http://new.example/")});

    // A name that is a folder or a link is never written through.
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("Dir.url")));
    ASSERT_TRUE(QFile::link(outside() + QStringLiteral("/keep.txt"), fav(QStringLiteral("Link.url"))));
    whenShown([&] {
        auto *dialog = modal<CAddFavoriteDlg>();
        ASSERT_NE(dialog, nullptr);
        enter(dialog);
        EXPECT_TRUE(dialog->isVisible());
        retype(dialog, QStringLiteral("Link"));
        enter(dialog);
        EXPECT_TRUE(dialog->isVisible());
        retype(dialog, QStringLiteral("Other"));
        enter(dialog);
    });
    EXPECT_TRUE(CAddFavoriteDlg::ask(nullptr, favorites(), QStringLiteral("Dir"), QStringLiteral("http://x.example/"),
                                     messages));
    EXPECT_EQ(messages.told.size(), 2);
    EXPECT_EQ(favoritesOnDisk(), (QStringList{QStringLiteral("Dir.url/"), QStringLiteral("Link.url ->"),
                                              QStringLiteral("Other.url = http://x.example/"),
                                              QStringLiteral("Page.url = http://new.example/")}));
    QFile keep(outside() + QStringLiteral("/keep.txt"));
    ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
    EXPECT_EQ(keep.readAll(), QByteArray("keep"));
}

TEST_F(FavoriteDialogsTest, ANewFolderMadeInTheAddDialogTakesThePage)
{
    whenShown([&] {
        auto *dialog = modal<CAddFavoriteDlg>();
        ASSERT_NE(dialog, nullptr);
        answerInput(QStringLiteral("Work"));
        click(dialog->newFolderButton());
        EXPECT_EQ(dialog->tree()->currentPath(), fav(QStringLiteral("Work")));
        // A name with "/" makes no folder.
        answerInput(QStringLiteral("a/b"));
        click(dialog->newFolderButton());
        EXPECT_EQ(messages.told, QStringList{QStringLiteral("名称中不能有“/”。")});
        EXPECT_EQ(dialog->tree()->currentPath(), fav(QStringLiteral("Work")));
        click(dialog->nameEdit());
        enter(dialog);
    });
    EXPECT_TRUE(CAddFavoriteDlg::ask(nullptr, favorites(), QStringLiteral("工作页"), QStringLiteral("http://work.example/"),
                                     messages));
    EXPECT_EQ(favoritesOnDisk(), (QStringList{QStringLiteral("Work/"),
                                              QStringLiteral("Work/工作页.url = http://work.example/")}));
}

class OrganizeTest : public FavoriteDialogsTest
{
protected:
    std::unique_ptr<COrganizeFavoritesDlg> open()
    {
        auto dialog = std::make_unique<COrganizeFavoritesDlg>(favorites(), messages);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    QString trashed(const QString &name) const
    {
        return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files/") + name;
    }
};

TEST_F(OrganizeTest, RenameRefusesSlashesAndNamesThatAreTaken)
{
    shortcut(QStringLiteral("Foo.url"), QStringLiteral("http://foo.example/"));
    shortcut(QStringLiteral("Bar.url"), QStringLiteral("http://bar.example/"));
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("Baz")));
    auto dialog = open();
    EXPECT_FALSE(dialog->renameButton()->isEnabled()); // the root is selected
    clickItem(dialog->tree(), fav(QStringLiteral("Foo.url")));
    EXPECT_TRUE(dialog->renameButton()->isEnabled());

    answerInput(QStringLiteral("a/b"));
    click(dialog->renameButton());
    answerInput(QStringLiteral("Bar"));
    click(dialog->renameButton());
    EXPECT_EQ(messages.told, (QStringList{QStringLiteral("名称中不能有“/”。"),
                                          QStringLiteral("已经有名为“Bar”的文件或文件夹。")}));
    // A folder of that name is another entry: the shortcut may take it.
    answerInput(QStringLiteral("Baz"));
    click(dialog->renameButton());
    EXPECT_EQ(dialog->tree()->currentPath(), fav(QStringLiteral("Baz.url")));
    // Nor may the folder take the shortcut's whole name.
    clickItem(dialog->tree(), fav(QStringLiteral("Baz")));
    answerInput(QStringLiteral("Baz.url"));
    click(dialog->renameButton());
    EXPECT_EQ(messages.told.size(), 3);
    EXPECT_EQ(messages.told.value(2), QStringLiteral("已经有名为“Baz.url”的文件或文件夹。"));
    answerInput(QStringLiteral("新名字"));
    click(dialog->renameButton());
    EXPECT_EQ(favoritesOnDisk(), (QStringList{QStringLiteral("Bar.url = http://bar.example/"),
                                              QStringLiteral("Baz.url = http://foo.example/"),
                                              QStringLiteral("新名字/")}));
    EXPECT_TRUE(dialog->changed());
}

TEST_F(OrganizeTest, DeletingFolderFooLeavesFooUrlAndGoesToTheTrash)
{
    ASSERT_TRUE(QDir(favorites()).mkpath(QStringLiteral("Foo/Inner")));
    shortcut(QStringLiteral("Foo/Inner/in.url"), QStringLiteral("http://in.example/"));
    shortcut(QStringLiteral("Foo.url"), QStringLiteral("http://foo.example/"));
    auto dialog = open();
    clickItem(dialog->tree(), fav(QStringLiteral("Foo")));
    click(dialog->deleteButton());
    EXPECT_EQ(favoritesOnDisk(), QStringList{QStringLiteral("Foo.url = http://foo.example/")});
    EXPECT_TRUE(QFileInfo::exists(trashed(QStringLiteral("Foo/Inner/in.url"))));
    EXPECT_TRUE(messages.asked.isEmpty());
    // The tree shows what is left and selects what stands there now.
    EXPECT_EQ(dialog->tree()->itemFor(fav(QStringLiteral("Foo"))), nullptr);
    EXPECT_EQ(dialog->tree()->currentPath(), fav(QStringLiteral("Foo.url")));
    click(dialog->deleteButton());
    EXPECT_TRUE(favoritesOnDisk().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(trashed(QStringLiteral("Foo.url"))));
}

TEST_F(OrganizeTest, DeletingAFolderNeverReachesThroughALinkInIt)
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    for (const bool withTrash : {true, false}) {
        ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("Holder")));
        ASSERT_TRUE(QFile::link(outside(), fav(QStringLiteral("Holder/out"))));
        shortcut(QStringLiteral("Holder/own.url"), QStringLiteral("http://own.example/"));
        // With no Trash to be had, the folder is deleted for good once the user agrees.
        const QString noTrash = base() + QStringLiteral("/not-a-folder");
        writeFile(noTrash, "file");
        if (!withTrash)
            qputenv("XDG_DATA_HOME", QFile::encodeName(noTrash));
        auto dialog = open();
        clickItem(dialog->tree(), fav(QStringLiteral("Holder")));
        click(dialog->deleteButton());
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));

        EXPECT_TRUE(favoritesOnDisk().isEmpty()) << withTrash;
        EXPECT_EQ(messages.asked.size(), withTrash ? 0 : 1);
        EXPECT_EQ(QDir(outside()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("keep.txt")});
        QFile keep(outside() + QStringLiteral("/keep.txt"));
        ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
        EXPECT_EQ(keep.readAll(), QByteArray("keep"));
    }
}

TEST_F(OrganizeTest, MoveTakesAnEntryIntoAnotherFolderButNotAFolderIntoItself)
{
    ASSERT_TRUE(QDir(favorites()).mkpath(QStringLiteral("A/B")));
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("C")));
    shortcut(QStringLiteral("link.url"), QStringLiteral("http://link.example/"));
    shortcut(QStringLiteral("C/link.url"), QStringLiteral("http://other.example/"));
    auto dialog = open();
    auto moveTo = [&](const QString &target) {
        QTimer::singleShot(0, [&, target] {
            auto *chooser = modal<CFavoriteFolderDlg>();
            ASSERT_NE(chooser, nullptr);
            clickItem(chooser->tree(), target);
            enter(chooser);
        });
        click(dialog->moveButton());
    };
    clickItem(dialog->tree(), fav(QStringLiteral("A")));
    moveTo(fav(QStringLiteral("A/B")));
    moveTo(fav(QStringLiteral("A")));
    EXPECT_EQ(messages.told, QStringList(2, QStringLiteral("不能把文件夹“A”移到它自己里面。")));

    clickItem(dialog->tree(), fav(QStringLiteral("link.url")));
    moveTo(fav(QStringLiteral("C"))); // taken there
    EXPECT_EQ(messages.told.value(2), QStringLiteral("目标文件夹中已经有“link”。"));
    moveTo(fav(QStringLiteral("A/B")));
    EXPECT_EQ(dialog->tree()->currentPath(), fav(QStringLiteral("A/B/link.url")));
    clickItem(dialog->tree(), fav(QStringLiteral("C")));
    moveTo(fav(QStringLiteral("A/B")));
    EXPECT_EQ(messages.told.size(), 3);
    EXPECT_EQ(favoritesOnDisk(), (QStringList{QStringLiteral("A/"), QStringLiteral("A/B/"), QStringLiteral("A/B/C/"),
                                              QStringLiteral("A/B/C/link.url = http://other.example/"),
                                              QStringLiteral("A/B/link.url = http://link.example/")}));
}

TEST_F(FavoriteDialogsTest, ImportAsksForTheFileAndTheFolderAndTellsTheCount)
{
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("Imported")));
    const QString file = base() + QStringLiteral("/bookmarks.html");
    writeFile(file, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                    "<DT><H3>Folder</H3>\n<DL><p>\n<DT><A HREF=\"http://a.example/\">A</A>\n</DL><p>\n"
                    "<DT><A HREF=\"http://b.example/\">B</A>\n"
                    "<DT><A HREF=\"javascript:void(0)\">Script</A>\n</DL><p>\n");
    whenShown([&] {
        auto *files = modal<QFileDialog>();
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("书签文件 (*.htm *.html)")});
        chooseFile(files, file);
        // The next dialog opens once this one's loop has ended.
        whenShown([&] {
            auto *folders = modal<CFavoriteFolderDlg>();
            ASSERT_NE(folders, nullptr);
            EXPECT_EQ(folders->tree()->currentPath(), QDir::cleanPath(favorites()));
            clickItem(folders->tree(), fav(QStringLiteral("Imported")));
            enter(folders);
        });
    });
    EXPECT_TRUE(BookmarkDialogs::importFavorites(nullptr, favorites(), messages));
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("已导入 2 个链接。")});
    EXPECT_EQ(favoritesOnDisk(), (QStringList{QStringLiteral("Imported/"), QStringLiteral("Imported/B.url = http://b.example/"),
                                              QStringLiteral("Imported/Folder/"),
                                              QStringLiteral("Imported/Folder/A.url = http://a.example/")}));

    // A file without links says so and asks for no folder.
    const QString empty = base() + QStringLiteral("/empty.html");
    writeFile(empty, "<html><body>nothing here</body></html>");
    messages.told.clear();
    EXPECT_FALSE(BookmarkDialogs::importFile(nullptr, empty, favorites(), messages));
    EXPECT_EQ(messages.told.size(), 1);
}

TEST_F(FavoriteDialogsTest, ExportWritesTheFavoritesWhereTheUserSays)
{
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("Folder")));
    shortcut(QStringLiteral("Folder/a.url"), QStringLiteral("http://a.example/?x=1&y=2"));
    shortcut(QStringLiteral("b.url"), QStringLiteral("https://b.example/"));
    const QString file = base() + QStringLiteral("/out.html");
    whenShown([&] {
        auto *files = modal<QFileDialog>();
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->selectedFiles().value(0), QDir::home().filePath(QStringLiteral("bookmarks.html")));
        chooseFile(files, file);
    });
    BookmarkDialogs::exportFavorites(nullptr, favorites(), messages);
    EXPECT_TRUE(messages.told.isEmpty());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const BookmarkFile::Node root = BookmarkFile::parse(written.readAll());
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].title, QStringLiteral("Folder"));
    ASSERT_EQ(root.children[0].children.size(), 1u);
    EXPECT_EQ(root.children[0].children[0].url, QStringLiteral("http://a.example/?x=1&y=2"));
    EXPECT_EQ(root.children[1].title, QStringLiteral("b"));

    // A place that cannot be written is told.
    EXPECT_FALSE(BookmarkDialogs::exportTo(nullptr, base() + QStringLiteral("/missing/dir/out.html"), favorites(),
                                           messages));
    EXPECT_EQ(messages.told.size(), 1);
}
