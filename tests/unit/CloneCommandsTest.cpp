// Clone the page and save all open Pages, driven through the window over
// fake controls: when the commands can be given, the clone dialog's checks
// and its editing in place, and the job that follows.
#include "clone/CCloneDlg.h"
#include "clone/CCloneProgressDlg.h"
#include "core/CommandIds.h"
#include "pages/CWebBrowser2.h"

#include "FrameFixture.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QUrl>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace {

class CloneCommandsTest : public FrameFixture
{
protected:
    // Answers the next clone dialog from the event loop it runs.
    void answerCloneDialog(std::function<void(CCloneDlg *)> answer, bool *seen)
    {
        *seen = false;
        auto *timer = new QTimer(&frame());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, seen] {
            if (auto *dialog = qobject_cast<CCloneDlg *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                *seen = true;
                QApplication::setActiveWindow(dialog);
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
                answer(dialog);
            }
        });
        timer->start();
    }

    static void press(CCloneDlg *dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(dialog->windowHandle(), key, modifiers);
    }
    static void clickOk(CCloneDlg *dialog)
    {
        QPushButton *ok = dialog->okButton();
        QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          ok->mapTo(dialog, ok->rect().center()));
    }
    static QStringList rowNames(CCloneDlg *dialog)
    {
        QStringList names;
        for (int row = 0; row < dialog->list()->rowCount(); ++row)
            names << dialog->list()->item(row, 0)->text();
        return names;
    }

    static QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

    // Waits until no clone is under way and its window has gone.
    bool waitForJobs()
    {
        return QTest::qWaitFor(
            [] {
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    if (qobject_cast<CCloneProgressDlg *>(widget))
                        return false;
                }
                return true;
            },
            10000);
    }
};

QVariantList links(const QList<std::pair<QString, QString>> &pairs)
{
    QVariantList list;
    for (const auto &[address, text] : pairs)
        list << QVariantMap{{QStringLiteral("address"), address}, {QStringLiteral("text"), text}};
    return list;
}

} // namespace

TEST_F(CloneCommandsTest, BothNeedAPageAndSaveAllWithoutAWebOrFilePageSaysSo)
{
    showPage(QStringLiteral("about:blank"), QString());
    EXPECT_TRUE(frame().isEnabled(cmd::ClonePage));
    EXPECT_TRUE(frame().isEnabled(cmd::SaveAllPages));
    // In the File menu, after Save as HTML.
    EXPECT_EQ(frame().action(cmd::ClonePage)->text(), QStringLiteral("克隆该页！(&C)"));
    EXPECT_EQ(frame().action(cmd::SaveAllPages)->text(), QStringLiteral("保存全部被打开..."));

    frame().runCommand(cmd::SaveAllPages);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("没有网页保存!")});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // There is always a Page, unless none can be made.
    controls.failNext = true;
    host().closeAll();
    ASSERT_EQ(host().list().count(), 0);
    EXPECT_FALSE(frame().isEnabled(cmd::ClonePage));
    EXPECT_FALSE(frame().isEnabled(cmd::SaveAllPages));
    EXPECT_TRUE(frame().runCommand(cmd::ClonePage));
    EXPECT_TRUE(frame().runCommand(cmd::SaveAllPages));
    EXPECT_EQ(messages.told.size(), 1);
}

TEST_F(CloneCommandsTest, TheCloneDialogWantsATickedPageAndRefusesANameWithAColon)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/"), QStringLiteral("Front: Page"));
    control->scriptResult = links({{QStringLiteral("http://example.com/a"), QStringLiteral("News")},
                                   {QStringLiteral("http://example.com/a"), QStringLiteral("Same address")},
                                   {QStringLiteral("http://example.com/b"), QStringLiteral("News")},
                                   {QStringLiteral("mailto:x@example.com"), QStringLiteral("Mail")}});
    bool seen = false;
    QString title, header, folder;
    QStringList shown, afterColon, afterRename;
    QStringList toldWhileUp;
    bool stayedAfterNoneTicked = false;
    bool allTicked = true;
    answerCloneDialog(
        [&](CCloneDlg *dialog) {
            title = dialog->windowTitle();
            header = dialog->list()->horizontalHeaderItem(0)->text();
            folder = dialog->folderEdit()->text();
            shown = rowNames(dialog);
            for (int row = 0; row < dialog->list()->rowCount(); ++row)
                allTicked = allTicked && dialog->list()->item(row, 0)->checkState() == Qt::Checked;

            // Every box unticked with the space bar, then OK.
            dialog->list()->setFocus();
            dialog->list()->setCurrentCell(0, 0);
            for (int row = 0; row < dialog->list()->rowCount(); ++row) {
                press(dialog, Qt::Key_Space);
                press(dialog, Qt::Key_Down);
            }
            clickOk(dialog);
            stayedAfterNoneTicked = dialog->isVisible();
            toldWhileUp = messages.told;

            // Renamed in place to a name with a colon: refused, the old name stays.
            dialog->list()->setFocus();
            dialog->list()->setCurrentCell(1, 0);
            press(dialog, Qt::Key_F2);
            press(dialog, Qt::Key_A, Qt::ControlModifier);
            for (const QChar c : QStringLiteral("a:b"))
                QTest::keyClick(dialog->windowHandle(), c.toLatin1());
            press(dialog, Qt::Key_Return);
            EXPECT_TRUE(QTest::qWaitFor([&] { return messages.told.size() == 2; }, 5000));
            afterColon = rowNames(dialog);

            // A good name is taken; the row is ticked again and OK closes the dialog.
            dialog->list()->setFocus();
            dialog->list()->setCurrentCell(1, 0);
            press(dialog, Qt::Key_F2);
            press(dialog, Qt::Key_A, Qt::ControlModifier);
            for (const QChar c : QStringLiteral("Renamed"))
                QTest::keyClick(dialog->windowHandle(), c.toLatin1());
            press(dialog, Qt::Key_Return);
            afterRename = rowNames(dialog);
            dialog->list()->setCurrentCell(1, 0);
            press(dialog, Qt::Key_Space);
            clickOk(dialog);
        },
        &seen);
    frame().runCommand(cmd::ClonePage);
    ASSERT_TRUE(seen);
    EXPECT_EQ(title, QStringLiteral("克隆 - 选取目录"));
    EXPECT_EQ(header, QStringLiteral("File Name(*.mht)"));
    EXPECT_EQ(QDir::fromNativeSeparators(folder), documents() + QStringLiteral("/Front_ Page"));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Front_ Page"), QStringLiteral("News"), QStringLiteral("News (2)")}));
    EXPECT_TRUE(allTicked);
    EXPECT_TRUE(stayedAfterNoneTicked);
    EXPECT_EQ(toldWhileUp, QStringList{QStringLiteral("你必须选择一文件!")});
    ASSERT_EQ(messages.told.size(), 2);
    EXPECT_EQ(messages.told.at(1), QStringLiteral("不要输入 /\\*?:\"><  在你的文件名称!"));
    EXPECT_EQ(afterColon, shown);
    EXPECT_EQ(afterRename,
              (QStringList{QStringLiteral("Front_ Page"), QStringLiteral("Renamed"), QStringLiteral("News (2)")}));
    // The dialog made the folder; without an engine nothing is written into it.
    EXPECT_TRUE(QDir(documents() + QStringLiteral("/Front_ Page")).exists());
    EXPECT_TRUE(waitForJobs());
    EXPECT_EQ(messages.told.size(), 2);
}

TEST_F(CloneCommandsTest, AFolderThatCannotBeMadeIsRefusedAndTheDialogStays)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Page"));
    // A file stands where a folder level should be.
    QDir().mkpath(documents());
    QFile blocker(documents() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    bool seen = false;
    bool stayed = false;
    answerCloneDialog(
        [&](CCloneDlg *dialog) {
            dialog->folderEdit()->setFocus();
            dialog->folderEdit()->selectAll();
            for (const QChar c : QDir::toNativeSeparators(documents() + QStringLiteral("/blocker/inner")))
                QTest::keyClick(dialog->windowHandle(), c.toLatin1());
            clickOk(dialog);
            stayed = dialog->isVisible();
            dialog->reject();
        },
        &seen);
    frame().runCommand(cmd::ClonePage);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(messages.told,
              QStringList{QStringLiteral("创建目录失败!\r\n不要输入 /\\*?:\"><  作为你的目录名称!")});
}

TEST_F(CloneCommandsTest, SaveAllWritesTheWebPagesAsShownIntoMyWebs)
{
    FakeControl *first = showPage(QStringLiteral("http://example.com/one"), QStringLiteral("One"));
    host().CreatePage(QStringLiteral("about:blank"), PageHost::OpenFlags{}, QStringLiteral("Loading..."));
    host().CreatePage(QStringLiteral("http://example.com/two"), PageHost::OpenFlags{}, QStringLiteral("Loading..."));
    FakeControl *second = controls.last();
    ASSERT_EQ(second->location, QStringLiteral("http://example.com/two"));
    second->name = QStringLiteral("Two");
    bool seen = false;
    QStringList shown;
    QString folder;
    answerCloneDialog(
        [&](CCloneDlg *dialog) {
            shown = rowNames(dialog);
            folder = dialog->folderEdit()->text();
            clickOk(dialog);
        },
        &seen);
    frame().runCommand(cmd::SaveAllPages);
    ASSERT_TRUE(seen);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("One"), QStringLiteral("Two")}));
    const QString myWebs = documents() + QStringLiteral("/My webs");
    EXPECT_EQ(QDir::fromNativeSeparators(folder), myWebs);
    ASSERT_TRUE(waitForJobs());
    EXPECT_EQ(first->saved, (QList<FakeControl::Saved>{{myWebs + QStringLiteral("/One.mht"),
                                                        BrowserControl::SaveFormat::Mhtml}}));
    EXPECT_EQ(second->saved, (QList<FakeControl::Saved>{{myWebs + QStringLiteral("/Two.mht"),
                                                         BrowserControl::SaveFormat::Mhtml}}));
    EXPECT_TRUE(messages.told.isEmpty());

    // A page the engine could not write is told at the end.
    second->saveWrites = false;
    answerCloneDialog([&](CCloneDlg *dialog) { clickOk(dialog); }, &seen);
    frame().runCommand(cmd::SaveAllPages);
    ASSERT_TRUE(seen);
    ASSERT_TRUE(waitForJobs());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.told.isEmpty(); }, 5000));
    EXPECT_TRUE(messages.told.first().contains(myWebs + QStringLiteral("/Two.mht"))) << messages.told.first().toStdString();
    EXPECT_FALSE(messages.told.first().contains(QStringLiteral("One.mht")));
}

TEST_F(CloneCommandsTest, SaveAllCopiesAWebArchiveShownFromTheDiskAndTheProgressWindowIsOneOfItsOwn)
{
    const QString archive = QDir::homePath() + QStringLiteral("/kept.mht");
    {
        QFile file(archive);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("MIME-Version: 1.0\r\n\r\narchived bytes");
    }
    FakeControl *shown = showPage(QUrl::fromLocalFile(archive).toString(), QStringLiteral("Kept"));
    bool seen = false;
    QPointer<CCloneProgressDlg> progress;
    answerCloneDialog([&](CCloneDlg *dialog) { clickOk(dialog); }, &seen);
    // The progress window shows once the dialog is done.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<CCloneProgressDlg *>(widget))
                progress = window;
        }
    });
    watch.start(1);
    frame().runCommand(cmd::SaveAllPages);
    ASSERT_TRUE(seen);
    QTest::qWaitFor([&] { return !progress.isNull(); }, 2000);
    // Minimised, it goes alone: it is no dialog tied to the browser's window.
    if (progress)
        EXPECT_EQ(progress->windowType(), Qt::Window);
    ASSERT_TRUE(waitForJobs());
    // The engine is not asked: the file itself is the archive.
    EXPECT_TRUE(shown->saved.isEmpty());
    QFile copy(documents() + QStringLiteral("/My webs/Kept.mht"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("MIME-Version: 1.0\r\n\r\narchived bytes"));
    EXPECT_TRUE(messages.told.isEmpty());
}
