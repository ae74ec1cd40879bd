// Saving, viewing the source of, editing and showing the properties of the
// active Page, driven through the window over fake controls.
#include "core/CommandIds.h"
#include "frame/CXTFlatComboBox.h"
#include "pages/CCookieEditorDlg.h"
#include "pages/CPagePropertiesDlg.h"
#include "pages/CWebBrowser2.h"

#include "FakeTools.h"
#include "FrameFixture.h"
#include "platform/DesktopEntries.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

using PageFileCommandsTest = FrameFixture;

TEST_F(PageFileCommandsTest, CtrlSOffersAFreeNameMadeFromTheTitleAndSavesInTheChosenFormat)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("Some: Page?"));
    const QString folder = QDir::homePath();
    // A page saved before under the same title stays.
    QFile(folder + QStringLiteral("/Some_ Page_.htm")).open(QIODevice::WriteOnly);
    const QString target = folder + QStringLiteral("/saved.mht");

    bool seen = false;
    QString proposed;
    answerNextDialog<QFileDialog>(
        [&](QFileDialog *dialog) {
            QLineEdit *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            proposed = name->text();
            dialog->selectNameFilter(dialog->nameFilters().value(2));
            // Typed over, as the user does.
            name->setText(target);
            static_cast<QDialog *>(dialog)->accept();
        },
        &seen);
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(seen);
    EXPECT_EQ(proposed, QStringLiteral("Some_ Page_ (2).htm"));
    ASSERT_EQ(control->saved.size(), 1);
    EXPECT_EQ(control->saved.first().path, target);
    EXPECT_EQ(control->saved.first().format, BrowserControl::SaveFormat::Mhtml);

    // Cancelled: nothing is written.
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    answerNextDialog<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); }, &seen);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(seen);
    EXPECT_EQ(control->saved.size(), 1);
}

TEST_F(PageFileCommandsTest, SaveAsHtmlOffersOnlyTheHtmlFormat)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("Page"));
    const QString target = QDir::homePath() + QStringLiteral("/only.htm");
    bool seen = false;
    QStringList filters;
    answerNextDialog<QFileDialog>(
        [&](QFileDialog *dialog) {
            filters = dialog->nameFilters();
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
            static_cast<QDialog *>(dialog)->accept();
        },
        &seen);
    frame().runCommand(cmd::SaveAsHtml);
    ASSERT_TRUE(seen);
    EXPECT_EQ(filters, QStringList{QStringLiteral("网页, 仅 HTML (*.htm *.html)")});
    ASSERT_EQ(control->saved.size(), 1);
    EXPECT_EQ(control->saved.first().path, target);
    EXPECT_EQ(control->saved.first().format, BrowserControl::SaveFormat::SingleHtml);
}

TEST_F(PageFileCommandsTest, SaveCopyOffersTheWebArchiveAloneUnderAFreeName)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("Copy"));
    const QString target = QDir::homePath() + QStringLiteral("/copy.mht");
    bool seen = false;
    QStringList filters;
    QString proposed;
    answerNextDialog<QFileDialog>(
        [&](QFileDialog *dialog) {
            filters = dialog->nameFilters();
            QLineEdit *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            proposed = name->text();
            name->setText(target);
            static_cast<QDialog *>(dialog)->accept();
        },
        &seen);
    frame().runCommand(cmd::SaveCopy);
    ASSERT_TRUE(seen);
    EXPECT_EQ(filters, QStringList{QStringLiteral("Web 档案, 单一文件 (*.mht *.mhtml)")});
    EXPECT_EQ(proposed, QStringLiteral("Copy.mht"));
    ASSERT_EQ(control->saved.size(), 1);
    EXPECT_EQ(control->saved.first().format, BrowserControl::SaveFormat::Mhtml);
}

TEST_F(PageFileCommandsTest, InternetOptionsInTheToolsMenuOpensTheProxySettings)
{
    frame();
    QMenu *tools = nullptr;
    for (QAction *top : frame().findChild<QMenuBar *>(QStringLiteral("menuBar"))->actions()) {
        if (top->menu() && top->menu()->actions().contains(frame().action(cmd::InternetOptions)))
            tools = top->menu();
    }
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(frame().isEnabled(cmd::InternetOptions));
    bool seen = false;
    QString title;
    answerNextDialog<QDialog>(
        [&](QDialog *dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        },
        &seen);
    frame().runCommand(cmd::InternetOptions);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(title.contains(QStringLiteral("代理"))) << title.toStdString();
}

TEST_F(PageFileCommandsTest, OpenFilesPutsTheFirstIntoABlankActivePageAndTheOthersIntoNewPages)
{
    FakeControl *blank = showPage(QStringLiteral("about:blank"), QString());
    QTemporaryDir folder;
    for (const char *name : {"a.htm", "b.htm", "c.htm"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    auto choose = [&](const QString &typed) {
        QApplication::setActiveWindow(&frame());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        bool seen = false;
        answerNextDialog<QFileDialog>(
            [&](QFileDialog *dialog) {
                dialog->setDirectory(folder.path());
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(typed);
                static_cast<QDialog *>(dialog)->accept();
            },
            &seen);
        frame().runCommand(cmd::OpenFiles);
        EXPECT_TRUE(seen);
    };
    auto address = [&](const char *name) {
        return QUrl::fromLocalFile(folder.filePath(QString::fromLatin1(name))).toString();
    };
    auto navigatedAt = [this](int index) {
        return static_cast<FakeControl *>(host().list().at(index)->control())->navigated;
    };

    choose(QStringLiteral("\"a.htm\" \"b.htm\""));
    ASSERT_EQ(host().list().count(), 2);
    EXPECT_EQ(blank->navigated.value(blank->navigated.size() - 1), address("a.htm"));
    EXPECT_TRUE(navigatedAt(1).contains(address("b.htm")));

    // A page that is not blank stays: the file comes in a Page of its own.
    host().list().at(0)->control()->navigate(QStringLiteral("http://example.com/"));
    host().SelectPage(0);
    const qsizetype before = blank->navigated.size();
    choose(QStringLiteral("c.htm"));
    ASSERT_EQ(host().list().count(), 3);
    EXPECT_EQ(blank->navigated.size(), before);
    bool found = false;
    for (int i = 1; i < 3; ++i)
        found = found || navigatedAt(i).contains(address("c.htm"));
    EXPECT_TRUE(found);
}

TEST_F(PageFileCommandsTest, ViewSourceOpensTheSourceOfTheActivePageInANewActivePage)
{
    showPage(QStringLiteral("http://example.com/a?b=1"), QStringLiteral("A"));
    ASSERT_EQ(host().list().count(), 1);
    frame().runCommand(cmd::ViewSource);
    ASSERT_EQ(host().list().count(), 2);
    EXPECT_EQ(host().list().current(), 1);
    EXPECT_EQ(activeControl()->navigated.value(0), QStringLiteral("view-source:http://example.com/a?b=1"));
}

TEST_F(PageFileCommandsTest, EditModeIsCheckedWhileTheDocumentIsInDesignMode)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    EXPECT_EQ(frame().isChecked(cmd::EditMode), false);

    control->scriptResult = QStringLiteral("on");
    frame().runCommand(cmd::EditMode);
    ASSERT_FALSE(control->scripts.isEmpty());
    EXPECT_TRUE(control->scripts.last().contains(QLatin1String("designMode")));
    EXPECT_EQ(frame().isChecked(cmd::EditMode), true);

    // The menu shows it.
    QMenu *fileMenu = frame().findChild<QMenuBar *>(QStringLiteral("menuBar"))->actions().first()->menu();
    fileMenu->popup(QPoint(0, 0));
    EXPECT_TRUE(frame().action(cmd::EditMode)->isChecked());
    fileMenu->close();

    control->scriptResult = QStringLiteral("off");
    frame().runCommand(cmd::EditMode);
    EXPECT_EQ(frame().isChecked(cmd::EditMode), false);

    // A new document is not in design mode; neither is a page without one.
    control->scriptResult = QStringLiteral("on");
    frame().runCommand(cmd::EditMode);
    control->finishLoad(QStringLiteral("http://example.com/b"), QStringLiteral("B"));
    EXPECT_EQ(frame().isChecked(cmd::EditMode), false);
    control->scriptResult = QVariant();
    frame().runCommand(cmd::EditMode);
    EXPECT_EQ(frame().isChecked(cmd::EditMode), false);
}

TEST_F(PageFileCommandsTest, UndoGoesToTheAddressBarWhileItHasTheFocusElseToThePage)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    QLineEdit *edit = frame().addressBar()->lineEdit();
    frame().focusAddressBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    edit->clear();
    type(QStringLiteral("abc"));
    ASSERT_EQ(edit->text(), QStringLiteral("abc"));
    frame().runCommand(cmd::Undo);
    EXPECT_NE(edit->text(), QStringLiteral("abc"));
    EXPECT_TRUE(control->edits.isEmpty());

    control->widget()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return control->widget()->hasFocus(); }));
    frame().runCommand(cmd::Undo);
    frame().runCommand(cmd::Redo);
    EXPECT_EQ(control->edits, (QList<BrowserControl::Edit>{BrowserControl::Edit::Undo, BrowserControl::Edit::Redo}));
}

TEST_F(PageFileCommandsTest, PropertiesShowWhatThePageAndItsScriptTell)
{
    FakeControl *control = showPage(QStringLiteral("https://example.com/a"), QStringLiteral("Title A"));
    control->scriptResult = QVariantMap{{QStringLiteral("type"), QStringLiteral("text/html")},
                                        {QStringLiteral("charset"), QStringLiteral("UTF-8")},
                                        {QStringLiteral("size"), 2048},
                                        {QStringLiteral("modified"), QStringLiteral("01/02/2026 03:04:05")}};
    bool seen = false;
    QStringList shown;
    answerNextDialog<CPagePropertiesDlg>(
        [&](CPagePropertiesDlg *dialog) {
            for (QLabel *label : dialog->findChildren<QLabel *>())
                shown << label->text();
            dialog->accept();
        },
        &seen);
    frame().runCommand(cmd::PageProperties);
    ASSERT_TRUE(seen);
    const QString all = shown.join(QLatin1Char('|'));
    EXPECT_TRUE(shown.contains(QStringLiteral("Title A"))) << all.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("https://example.com/a"))) << all.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("text/html; UTF-8"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QLatin1String("2048")) || all.contains(QLatin1String("2,048"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QLatin1String("2026"))) << all.toStdString();
    EXPECT_TRUE(shown.contains(CPagePropertiesDlg::tr("安全 (加密连接)"))) << all.toStdString();

    // The tab menu's entry shows the menu tab's Page, not the active one.
    host().CreatePage(QStringLiteral("http://example.com/other"), PageHost::ToFront, QStringLiteral("x"));
    ASSERT_EQ(host().list().current(), 1);
    host().setMenuTab(0);
    shown.clear();
    answerNextDialog<CPagePropertiesDlg>(
        [&](CPagePropertiesDlg *dialog) {
            for (QLabel *label : dialog->findChildren<QLabel *>())
                shown << label->text();
            dialog->accept();
        },
        &seen);
    frame().runCommand(cmd::MenuTabProperties);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(shown.contains(QStringLiteral("https://example.com/a")));
}

TEST_F(PageFileCommandsTest, CtrlPPrintsThePageOnThePrinterChosenAndNothingWhenCancelled)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    bool seen = false;
    answerNextDialog<QPrintDialog>([](QPrintDialog *dialog) { dialog->reject(); }, &seen);
    key(Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(control->printers.isEmpty());

    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    QPrinter *chosen = nullptr;
    answerNextDialog<QPrintDialog>(
        [&chosen](QPrintDialog *dialog) {
            chosen = dialog->printer();
            dialog->accept();
        },
        &seen);
    key(Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(seen);
    ASSERT_EQ(control->printers.size(), 1);
    EXPECT_EQ(control->printers.first(), chosen);
}

TEST_F(PageFileCommandsTest, ThePrintSetupChosenIsUsedByThePrintingThatFollowsAndACancelledOneChangesNothing)
{
    showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    auto orientationPrinted = [this] {
        QApplication::setActiveWindow(&frame());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        bool seen = false;
        std::optional<QPageLayout::Orientation> orientation;
        answerNextDialog<QPrintDialog>(
            [&orientation](QPrintDialog *dialog) {
                orientation = dialog->printer()->pageLayout().orientation();
                dialog->reject();
            },
            &seen);
        key(Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(seen);
        return orientation;
    };
    // Turned to landscape, then cancelled.
    auto turnToLandscape = [](bool accept) {
        return [accept](QPageSetupDialog *dialog) {
            auto *landscape = dialog->findChild<QRadioButton *>(QStringLiteral("landscape"));
            ASSERT_NE(landscape, nullptr);
            landscape->click();
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        };
    };
    bool seen = false;
    answerNextDialog<QPageSetupDialog>(turnToLandscape(false), &seen);
    frame().runCommand(cmd::PrintSetup);
    ASSERT_TRUE(seen);
    EXPECT_EQ(orientationPrinted(), QPageLayout::Portrait);

    answerNextDialog<QPageSetupDialog>(turnToLandscape(true), &seen);
    frame().runCommand(cmd::PrintSetup);
    ASSERT_TRUE(seen);
    EXPECT_EQ(orientationPrinted(), QPageLayout::Landscape);
}

TEST_F(PageFileCommandsTest, PrintPreviewHasThePagePrintedIntoIt)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    bool seen = false;
    qsizetype printedWhileOpen = 0;
    answerNextDialog<QPrintPreviewDialog>(
        [&](QPrintPreviewDialog *dialog) {
            printedWhileOpen = control->printers.size();
            dialog->reject();
        },
        &seen);
    frame().runCommand(cmd::PrintPreview);
    ASSERT_TRUE(seen);
    EXPECT_GE(printedWhileOpen, 1);
}

TEST_F(PageFileCommandsTest, OneLevelUpAndTheUpEntriesOpenWhatIsAboveTheAddressBarsText)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/x"), QStringLiteral("A"));
    QLineEdit *edit = frame().addressBar()->lineEdit();
    frame().focusAddressBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    edit->clear();
    type(QStringLiteral("http://example.com/a/b/"));
    ASSERT_EQ(edit->text(), QStringLiteral("http://example.com/a/b/"));
    EXPECT_TRUE(frame().isEnabled(cmd::OneLevelUp));
    EXPECT_TRUE(frame().isEnabled(cmd::UpEntryFirst + 1));
    EXPECT_FALSE(frame().isEnabled(cmd::UpEntryFirst + 2));

    frame().runCommand(cmd::OneLevelUp);
    EXPECT_EQ(control->navigated.value(control->navigated.size() - 1), QStringLiteral("http://example.com/a/"));
    EXPECT_EQ(edit->text(), QStringLiteral("http://example.com/a/"));

    // The second entry of the drop-down: two cuts from the text shown now.
    edit->setText(QStringLiteral("http://example.com/a/b/c.html"));
    frame().runCommand(cmd::UpEntryFirst + 1);
    EXPECT_EQ(control->navigated.value(control->navigated.size() - 1), QStringLiteral("http://example.com/a/"));
    EXPECT_EQ(edit->text(), QStringLiteral("http://example.com/a/"));

    // Nothing above: disabled, and nothing happens.
    edit->setText(QStringLiteral("http://example.com/"));
    EXPECT_FALSE(frame().isEnabled(cmd::OneLevelUp));
    const qsizetype before = control->navigated.size();
    frame().runCommand(cmd::OneLevelUp);
    frame().runCommand(cmd::UpEntryFirst);
    EXPECT_EQ(control->navigated.size(), before);
    edit->setText(QStringLiteral("about:blank"));
    EXPECT_FALSE(frame().isEnabled(cmd::OneLevelUp));

    // The menu shows it.
    edit->setText(QStringLiteral("http://example.com/a/b/"));
    QMenu *viewMenu = frame().findChild<QMenuBar *>(QStringLiteral("menuBar"))->actions().value(2)->menu();
    viewMenu->popup(QPoint(0, 0));
    EXPECT_TRUE(viewMenu->actions().contains(frame().action(cmd::OneLevelUp)));
    EXPECT_TRUE(frame().action(cmd::OneLevelUp)->isEnabled());
    viewMenu->close();
}

TEST_F(PageFileCommandsTest, TheUpButtonsDropDownListsTheAddressesAboveAndOpensTheOneClicked)
{
    settings.write(settings::standardButtons, QStringLiteral("32933"));
    FakeControl *control = showPage(QStringLiteral("http://example.com/a/b/c.html"), QStringLiteral("C"));
    frame().setAddressText(QStringLiteral("http://example.com/a/b/c.html"));
    QAction *up = frame().action(cmd::OneLevelUp);
    QToolButton *button = nullptr;
    for (QToolBar *bar : frame().findChildren<QToolBar *>()) {
        if (auto *b = qobject_cast<QToolButton *>(bar->widgetForAction(up)))
            button = b;
    }
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
    ASSERT_TRUE(button->isVisible());

    // The arrow beside the button opens the list; the second entry is clicked.
    QStringList entries;
    QTimer::singleShot(100, &frame(), [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *a : menu->actions())
            entries << a->text();
        QAction *second = menu->actions().value(1);
        if (second)
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(second).center());
    });
    const QPoint arrow = button->mapTo(&frame(), QPoint(button->width() - 3, button->height() / 2));
    QTest::mouseClick(frame().windowHandle(), Qt::LeftButton, {}, arrow);
    QTest::qWait(50);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("http://example.com/a/b/"), QStringLiteral("http://example.com/a/"),
                                    QStringLiteral("http://example.com/")}));
    EXPECT_EQ(control->navigated.value(control->navigated.size() - 1), QStringLiteral("http://example.com/a/"));
    EXPECT_EQ(frame().addressBar()->currentText(), QStringLiteral("http://example.com/a/"));

    // The button follows the address shown: nothing above the site's root.
    EXPECT_TRUE(up->isEnabled());
    frame().setAddressText(QStringLiteral("http://example.com/"));
    EXPECT_FALSE(up->isEnabled());
    frame().setAddressText(QStringLiteral("http://example.com/a/"));
    EXPECT_TRUE(up->isEnabled());
}

TEST_F(PageFileCommandsTest, SendDesktopShortcutPutsALinkNamedAfterTheTitleOnTheDesktop)
{
    showPage(QStringLiteral("http://example.com/a?x=1"), QStringLiteral("Some: Page?"));
    QTemporaryDir tools;
    QTemporaryDir home;
    const QString desktop = home.filePath(QStringLiteral("桌面"));
    const FakeTool userDir(tools.path(), QStringLiteral("xdg-user-dir"), QStringLiteral("echo '%1'").arg(desktop));

    // The folder is made when missing; a second link does not replace the first.
    frame().runCommand(cmd::DesktopShortcut);
    frame().runCommand(cmd::DesktopShortcut);
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(QLatin1Char('|')).toStdString();
    const QStringList made = QDir(desktop).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(made, (QStringList{QStringLiteral("Some_ Page_ (2).desktop"), QStringLiteral("Some_ Page_.desktop")}));
    const QHash<QString, QString> keys = DesktopEntries::readEntryGroup(QDir(desktop).filePath(made.last()));
    EXPECT_EQ(keys.value(QStringLiteral("Type")), QStringLiteral("Link"));
    EXPECT_EQ(keys.value(QStringLiteral("URL")), QStringLiteral("http://example.com/a?x=1"));
    EXPECT_EQ(keys.value(QStringLiteral("Name")), QStringLiteral("Some: Page?"));

    // A desktop that cannot be made is reported.
    QFile(home.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
    const FakeTool blocked(tools.path(), QStringLiteral("xdg-user-dir"),
                           QStringLiteral("echo '%1/file/desk'").arg(home.path()));
    frame().runCommand(cmd::DesktopShortcut);
    EXPECT_EQ(messages.told.size(), 1);
}

TEST_F(PageFileCommandsTest, ViewTextHandsTheBodysTextInAPrivateFileToTheEditor)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("../Notes: 1"));
    control->scriptResult = QStringLiteral("第一行\nsecond line");
    frame().runCommand(cmd::ViewText);
    ASSERT_FALSE(control->scripts.isEmpty());
    EXPECT_TRUE(control->scripts.last().contains(QLatin1String("innerText")));
    ASSERT_EQ(editedFiles.size(), 1);
    const QFileInfo file(editedFiles.first());
    EXPECT_EQ(file.fileName(), QStringLiteral("_Notes_ 1.txt"));
    // A folder of our own that no one else can read or write.
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(file.path()).permissions() & others, QFile::Permissions());
    EXPECT_NE(file.path(), QDir::tempPath());
    QFile read(file.filePath());
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(read.readAll()), QStringLiteral("第一行\nsecond line"));
    EXPECT_TRUE(messages.told.isEmpty());

    // A second view does not write over the first, which may still be open.
    frame().runCommand(cmd::ViewText);
    ASSERT_EQ(editedFiles.size(), 2);
    EXPECT_NE(editedFiles.last(), editedFiles.first());

    // No editor: the user is told; no document: nothing happens.
    editorInstalled = false;
    frame().runCommand(cmd::ViewText);
    EXPECT_EQ(messages.told.size(), 1);
    control->scriptResult = QVariant();
    frame().runCommand(cmd::ViewText);
    EXPECT_EQ(editedFiles.size(), 3);
    EXPECT_EQ(messages.told.size(), 1);
}

// A mail program of the desktop that writes down what it was started with.
class FakeMailProgram
{
public:
    FakeMailProgram()
        : m_entry(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)
                  + QStringLiteral("/fake-mail.desktop"))
    {
        QDir().mkpath(QFileInfo(m_entry).path());
        const QString program = m_record.filePath(QStringLiteral("mail"));
        QFile script(program);
        if (script.open(QIODevice::WriteOnly))
            script.write("#!/bin/sh\nprintf %s \"$1\" > '" + QFile::encodeName(recordPath()) + "'\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile file(m_entry);
        if (file.open(QIODevice::WriteOnly))
            file.write("[Desktop Entry]\nType=Application\nName=Fake Mail\nExec=" + QFile::encodeName(program)
                       + " %u\nMimeType=x-scheme-handler/mailto;\n");
    }
    ~FakeMailProgram() { QFile::remove(m_entry); }
    QString recordPath() const { return m_record.filePath(QStringLiteral("args")); }
    // What the program was started with, once it ran.
    QString started()
    {
        QFile file(recordPath());
        if (!QTest::qWaitFor([&] { return file.exists() && file.size() > 0; }, 5000) || !file.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        file.remove();
        return text;
    }

private:
    QTemporaryDir m_record;
    QString m_entry;
};

QString queryValue(const QString &mailto, const QString &key)
{
    return QUrlQuery(QUrl(mailto).query(QUrl::FullyEncoded)).queryItemValue(key, QUrl::FullyDecoded);
}

TEST_F(PageFileCommandsTest, MailTheAddressAndTellAFriendStartTheMailProgramWithAWholeMailto)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/find?q=a&b=c#x"), QStringLiteral("Q&A #1?"));
    FakeMailProgram mail;
    frame().runCommand(cmd::MailAddress);
    const QString mailto = mail.started();
    ASSERT_TRUE(mailto.startsWith(QLatin1String("mailto:?subject="))) << mailto.toStdString();
    EXPECT_EQ(queryValue(mailto, QStringLiteral("subject")), QStringLiteral("Q&A #1?.htm"));
    const QString body = queryValue(mailto, QStringLiteral("body"));
    EXPECT_TRUE(body.startsWith(QStringLiteral("http://example.com/find?q=a&b=c#x\r\n"))) << body.toStdString();
    EXPECT_TRUE(body.contains(addresses.website));

    control->scriptResult = QStringList{QStringLiteral("mailto:friend@example.com?subject=hi"),
                                        QStringLiteral("http://example.com/"), QStringLiteral("mailto:other@example.com")};
    frame().runCommand(cmd::TellFriend);
    const QString invitation = mail.started();
    EXPECT_TRUE(control->scripts.last().contains(QLatin1String("document.links")));
    EXPECT_TRUE(invitation.startsWith(QLatin1String("mailto:friend@example.com,other@example.com?subject=")))
        << invitation.toStdString();
    EXPECT_TRUE(queryValue(invitation, QStringLiteral("body")).contains(addresses.website));
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(PageFileCommandsTest, MailThePageAttachesALocalFileItselfAndAWebArchiveKeptUntilTheEnd)
{
    QTemporaryDir tools;
    ASSERT_TRUE(tools.isValid());
    const QString record = tools.filePath(QStringLiteral("args"));
    // Writes down its arguments, one a line, and whether the attachment is there.
    FakeTool xdgEmail(tools.path(), QStringLiteral("xdg-email"),
                      QStringLiteral("for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1.tmp'\n"
                                     "mv '%1.tmp' '%1'")
                          .arg(record));
    auto recorded = [&] {
        QStringList lines;
        if (!QTest::qWaitFor([&] { return QFile::exists(record); }, 5000))
            return lines;
        QFile file(record);
        if (file.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QFile::remove(record);
        return lines;
    };

    // A page shown from a file: that file, and nothing is made or removed.
    const QString local = QDir::homePath() + QStringLiteral("/my page & notes.html");
    QFile(local).open(QIODevice::WriteOnly);
    FakeControl *control = showPage(QUrl::fromLocalFile(local).toString(), QStringLiteral("Notes"));
    frame().runCommand(cmd::MailPage);
    EXPECT_EQ(recorded(), (QStringList{QStringLiteral("--subject"), QStringLiteral("Notes"), QStringLiteral("--attach"),
                                       local}));
    EXPECT_TRUE(control->saved.isEmpty());

    // A page from the web: its web archive, in our private folder.
    control->finishLoad(QStringLiteral("http://example.com/a"), QStringLiteral("Web: page?"));
    control->name = QStringLiteral("Web: page?");
    frame().runCommand(cmd::MailPage);
    const QStringList args = recorded();
    ASSERT_EQ(args.size(), 4);
    const QString archive = args.at(3);
    ASSERT_EQ(control->saved.size(), 1);
    EXPECT_EQ(control->saved.first().path, archive);
    EXPECT_EQ(control->saved.first().format, BrowserControl::SaveFormat::Mhtml);
    EXPECT_EQ(QFileInfo(archive).fileName(), QStringLiteral("Web_ page_.mht"));
    const QFileInfo folder(QFileInfo(archive).path());
    EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther |
                                      QFile::ExeGroup | QFile::ExeOther),
              QFile::Permissions());
    // The engine's file (the fake writes none) stays while we run, and goes with us.
    QFile(archive).open(QIODevice::WriteOnly);
    QTest::qWait(50);
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_TRUE(QFile::exists(local));
    restart();
    EXPECT_FALSE(QFile::exists(archive));
    EXPECT_TRUE(QFile::exists(local));

    // An archive that could not be written is not sent; the user is told.
    control = showPage(QStringLiteral("http://example.com/b"), QStringLiteral("B"));
    control->saveWrites = false;
    frame().runCommand(cmd::MailPage);
    EXPECT_EQ(messages.told.size(), 1);
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(record));
}

TEST_F(PageFileCommandsTest, WithoutAMailProgramTheUserIsTold)
{
    showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    QTemporaryDir nothing;
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(nothing.path()));
    frame().runCommand(cmd::MailAddress);
    qputenv("XDG_DATA_DIRS", dataDirs);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("没有发现邮件客户程序")});

    // Nothing to hand a page to.
    {
        OnlyOnPath path(nothing.path());
        frame().runCommand(cmd::MailPage);
    }
    EXPECT_EQ(messages.told.value(1), QStringLiteral("没有发现邮件客户程序, 不能发送网页。"));
}

TEST_F(PageFileCommandsTest, TheCookieEditorShowsTheCookiesAndWritesTheEditedTextBack)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    control->scriptResult = QStringLiteral("a=1; b=2");
    bool seen = false;
    QString shown;
    QString title;
    QRect ok, cancel, edit;
    int width = 0;
    answerNextDialog<CCookieEditorDlg>(
        [&](CCookieEditorDlg *dialog) {
            shown = dialog->edit()->toPlainText();
            title = dialog->windowTitle();
            dialog->resize(600, 400);
            QApplication::processEvents();
            ok = dialog->okButton()->geometry();
            cancel = dialog->cancelButton()->geometry();
            edit = dialog->edit()->geometry();
            width = dialog->width();
            // Typed the way a keyboard does, then the OK button clicked.
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            dialog->edit()->setFocus();
            QTest::keyClick(dialog->windowHandle(), Qt::Key_End, Qt::ControlModifier);
            for (const QChar c : QStringLiteral("; c=3"))
                QTest::keyClick(dialog->windowHandle(), c.toLatin1());
            QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              dialog->okButton()->mapTo(dialog, dialog->okButton()->rect().center()));
        },
        &seen);
    frame().runCommand(cmd::CookieEditor);
    ASSERT_TRUE(seen);
    EXPECT_EQ(shown, QStringLiteral("a=1; b=2"));
    EXPECT_EQ(title, QStringLiteral("小甜点编辑器"));
    // Resized: Cancel 10 pixels from the right, OK 20 pixels left of it, the edit above them.
    EXPECT_EQ(width - (cancel.x() + cancel.width()), 10);
    EXPECT_EQ(cancel.x() - (ok.x() + ok.width()), 20);
    EXPECT_LT(edit.bottom(), ok.top());
    EXPECT_GT(edit.width(), width - 40);
    ASSERT_EQ(control->scripts.size(), 2);
    EXPECT_TRUE(control->scripts.last().contains(QLatin1String("\"a=1; b=2\",\"a=1; b=2; c=3\"")))
        << control->scripts.last().right(200).toStdString();
    EXPECT_TRUE(messages.told.isEmpty());

    // Cancelled: nothing is written.
    answerNextDialog<CCookieEditorDlg>([](CCookieEditorDlg *dialog) { dialog->cancelButton()->click(); }, &seen);
    frame().runCommand(cmd::CookieEditor);
    ASSERT_TRUE(seen);
    EXPECT_EQ(control->scripts.size(), 3);

    // Writing fails, or there is no document to read from: the message, and no dialog for the latter.
    control->scriptResult = QVariant();
    answerNextDialog<CCookieEditorDlg>([](CCookieEditorDlg *dialog) { dialog->reject(); }, &seen);
    frame().runCommand(cmd::CookieEditor);
    QTest::qWait(50);
    EXPECT_FALSE(seen);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("小甜点编辑失败!")});
}

// The desktop of a test: its own application and configuration folders,
// none of the system's, for as long as it lives.
class PrivateDesktop
{
public:
    PrivateDesktop()
    {
        for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
            m_saved.append({name, qgetenv(name)});
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(m_root.filePath(QStringLiteral("none"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_root.filePath(QStringLiteral("none"))));
        QDir().mkpath(m_root.filePath(QStringLiteral("data/applications")));
        QDir().mkpath(m_root.filePath(QStringLiteral("config")));
    }
    ~PrivateDesktop()
    {
        for (const auto &[name, value] : m_saved)
            qputenv(name, value);
    }
    PrivateDesktop(const PrivateDesktop &) = delete;
    PrivateDesktop &operator=(const PrivateDesktop &) = delete;

    // A browser entry running `exec`; the default for http addresses when asked.
    void addBrowser(const QString &id, const QString &name, const QString &exec, bool isDefault)
    {
        QFile entry(m_root.filePath(QStringLiteral("data/applications/") + id));
        if (entry.open(QIODevice::WriteOnly))
            entry.write("[Desktop Entry]\nType=Application\nName=" + name.toUtf8() + "\nExec=" + QFile::encodeName(exec)
                        + " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n");
        if (!isDefault)
            return;
        QFile mimeapps(m_root.filePath(QStringLiteral("config/mimeapps.list")));
        if (mimeapps.open(QIODevice::WriteOnly))
            mimeapps.write("[Default Applications]\nx-scheme-handler/http=" + id.toUtf8() + "\n");
    }
    QString path(const QString &name) const { return m_root.filePath(name); }

private:
    QTemporaryDir m_root;
    QList<std::pair<const char *, QByteArray>> m_saved;
};

QString readWhenWritten(const QString &path)
{
    QFile file(path);
    if (!QTest::qWaitFor([&] { return file.exists() && file.size() > 0; }, 5000) || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

TEST_F(PageFileCommandsTest, OpenInTheDefaultBrowserHandsTheAddressToTheBrowserTheDesktopNames)
{
    showPage(QStringLiteral("http://example.com/a b?q=1&r=2"), QStringLiteral("A"));
    PrivateDesktop desktop;
    QTemporaryDir tools;
    const QString record = tools.filePath(QStringLiteral("args"));
    const QString browser = tools.filePath(QStringLiteral("browser"));
    const FakeTool program(tools.path(), QStringLiteral("browser"),
                           QStringLiteral("printf '%s|' \"$@\" > '%1'").arg(record));
    // xdg-settings names the one browser; the http default is another.
    const FakeTool settings(tools.path(), QStringLiteral("xdg-settings"),
                            QStringLiteral("[ \"$1 $2\" = 'get default-web-browser' ] && echo fake-browser.desktop"));
    desktop.addBrowser(QStringLiteral("fake-browser.desktop"), QStringLiteral("Fake Browser"), browser, false);
    desktop.addBrowser(QStringLiteral("other.desktop"), QStringLiteral("Other"), QStringLiteral("/bin/false"), true);

    frame().runCommand(cmd::OpenInDefaultBrowser);
    EXPECT_EQ(readWhenWritten(record), QStringLiteral("http://example.com/a b?q=1&r=2|"));
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(PageFileCommandsTest, OpenInTheDefaultBrowserTakesTheHttpHandlerAndNeverHandsThePageToUs)
{
    showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    PrivateDesktop desktop;
    QTemporaryDir tools;
    const QString record = tools.filePath(QStringLiteral("args"));
    const QString browser = tools.filePath(QStringLiteral("browser"));
    const FakeTool program(tools.path(), QStringLiteral("browser"),
                           QStringLiteral("printf '%s' \"$1\" > '%1'").arg(record));
    // No xdg-settings: the http handler of mimeapps.list decides.
    const OnlyOnPath path(tools.path());
    desktop.addBrowser(QStringLiteral("fake-browser.desktop"), QStringLiteral("Fake Browser"), browser, true);
    frame().runCommand(cmd::OpenInDefaultBrowser);
    EXPECT_EQ(readWhenWritten(record), QStringLiteral("http://example.com/a"));
    QFile::remove(record);

    const QString self = QStringLiteral("默认浏览器就是 Vesperal 本身, 当前页已经在这里打开了。");
    // Called by our name.
    desktop.addBrowser(QStringLiteral("vesperal.desktop"), QStringLiteral("Vesperal"), browser, true);
    frame().runCommand(cmd::OpenInDefaultBrowser);
    EXPECT_EQ(messages.told, QStringList{self});
    // Running this very program under another name.
    desktop.addBrowser(QStringLiteral("web.desktop"), QStringLiteral("Web"), QCoreApplication::applicationFilePath(),
                       true);
    frame().runCommand(cmd::OpenInDefaultBrowser);
    EXPECT_EQ(messages.told, (QStringList{self, self}));
    EXPECT_FALSE(QFile::exists(record));
}

TEST_F(PageFileCommandsTest, WithoutADefaultBrowserTheUserIsTold)
{
    showPage(QStringLiteral("http://example.com/a"), QStringLiteral("A"));
    PrivateDesktop desktop;
    QTemporaryDir tools;
    const OnlyOnPath path(tools.path());
    frame().runCommand(cmd::OpenInDefaultBrowser);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("没有发现默认浏览器。请在桌面的设置中选择一个默认浏览器。")});
}

TEST_F(PageFileCommandsTest, OpenInTheDefaultBrowserIsInTheFileMenuNamingNoOtherProgram)
{
    QAction *action = frame().action(cmd::OpenInDefaultBrowser);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("在默认浏览器中打开(&B)"));
    const QList<QAction *> bar = frame().findChild<QMenuBar *>(QStringLiteral("menuBar"))->actions();
    ASSERT_FALSE(bar.isEmpty());
    ASSERT_NE(bar.first()->menu(), nullptr);
    EXPECT_TRUE(bar.first()->menu()->actions().contains(action));
}

} // namespace
