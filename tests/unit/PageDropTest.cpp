// Text and files dragged onto a Page, delivered to the frame's window as the
// window system delivers them, over fake controls.
#include "core/SettingsTable.h"
#include "pages/CSaveTextDlg.h"
#include "pages/CWebBrowser2.h"
#include "pages/TabStrip.h"
#include "pages/PageDropTarget.h"
#include "ui/StatusPanes.h"

#include "FrameFixture.h"
#include "WindowDrag.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

const QString kPrompt = QStringLiteral("按下'CTRL' 保存选择的文字, 否则脱拽这些文字或 URL 到新标签.");
const QColor kBlue(0, 0, 255);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PageDropTest : public FrameFixture
{
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        // Nothing of an earlier test in the same HOME.
        QDir(documents()).removeRecursively();
    }

    // A point over the Page, in the frame's window.
    QPoint overPage() { return host().mapTo(&frame(), host().rect().center()); }

    static QString documents() { return PageDropTarget::desktopDocumentsFolder(); }
    static QString pictures() { return documents() + QStringLiteral("/我的图片"); }

    void dropText(const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMimeData data;
        data.setText(text);
        EXPECT_TRUE(WindowDrag::drop(window(), data, overPage(), modifiers));
    }

    // A picture dragged out of a page, as the engine offers it: the file it
    // wrote the picture to, and the <img> element.
    void dropPicture(const QString &file, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        data.setHtml(QStringLiteral("<img src=\"http://example.com/picture.png\">"));
        data.setText(QString());
        EXPECT_TRUE(WindowDrag::drop(window(), data, overPage(), modifiers));
    }

    // Ctrl+drops the text and answers the save dialog; true when one came up.
    bool saveWithDialog(const QString &text, std::function<void(CSaveTextDlg *)> answer)
    {
        bool seen = false;
        answerNextDialog<CSaveTextDlg>(std::move(answer), &seen);
        dropText(text, Qt::ControlModifier);
        // The dialog comes once the drop is over.
        const bool over = QTest::qWaitFor([&] { return seen && !QApplication::activeModalWidget(); }, 2000);
        return over && seen;
    }

    // Ctrl+drops the text; true when it was saved without a dialog.
    bool saveWithoutDialog(const QString &text)
    {
        bool seen = false;
        answerNextDialog<CSaveTextDlg>([](CSaveTextDlg *dialog) { dialog->reject(); }, &seen);
        dropText(text, Qt::ControlModifier);
        const bool saved = QTest::qWaitFor(
            [&] { return seen || frame().panes()->statusText() == QStringLiteral("TXT File Saved"); }, 2000);
        return saved && !seen;
    }

    QStringList savedTexts() const { return QDir(documents()).entryList({QStringLiteral("*.txt")}, QDir::Files); }
};

} // namespace

TEST_F(PageDropTest, ADragOverAPageShowsWhatADropDoesInBlueUntilItLeaves)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Example"));
    StatusPanes *panes = frame().panes();
    const QColor usual = panes->statusColor();
    ASSERT_NE(usual, kBlue);

    QMimeData data;
    data.setText(QStringLiteral("some text"));
    EXPECT_EQ(WindowDrag::over(window(), data, overPage()), Qt::CopyAction);
    EXPECT_EQ(panes->statusText(), kPrompt);
    EXPECT_EQ(panes->statusColor(), kBlue);
    // Moving over the Page keeps it so, also after a link passed over put
    // its address there.
    frame().setStatusText(QStringLiteral("http://example.com/hovered"));
    EXPECT_EQ(WindowDrag::over(window(), data, overPage() + QPoint(20, 10)), Qt::CopyAction);
    EXPECT_EQ(panes->statusText(), kPrompt);
    EXPECT_EQ(panes->statusColor(), kBlue);
    WindowDrag::leave(window());
    EXPECT_EQ(panes->statusText(), QString());
    EXPECT_EQ(panes->statusColor(), usual);

    // A source that only links is offered a link; one that only moves, nothing.
    EXPECT_EQ(WindowDrag::over(window(), data, overPage(), Qt::NoModifier, Qt::LinkAction), Qt::LinkAction);
    WindowDrag::leave(window());
    EXPECT_EQ(WindowDrag::over(window(), data, overPage(), Qt::NoModifier, Qt::MoveAction), Qt::IgnoreAction);
    WindowDrag::leave(window());

    // A drop puts the status back too.
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Example"));
    dropText(QStringLiteral("javascript:void(0)"));
    EXPECT_EQ(panes->statusText(), QString());
    EXPECT_EQ(panes->statusColor(), usual);
}

TEST_F(PageDropTest, ScriptsDroppedOnAPageOpenNothingAndAnAddressOpensBehindIt)
{
    FakeControl *control = showPage(QStringLiteral("http://example.com/start"), QStringLiteral("Start"));
    const QStringList navigated = control->navigated;
    for (const char *text : {"javascript:alert(1)", "JavaScript:alert(1)", "data:text/html,<b>x</b>",
                             " vbscript:msgbox(1)", "   "}) {
        dropText(QString::fromLatin1(text));
        EXPECT_EQ(host().list().count(), 1) << text;
    }
    EXPECT_EQ(control->navigated, navigated);
    EXPECT_TRUE(sounds.played.isEmpty());

    controls.completeLoads = false; // the new Page's label stays what the drop gave it
    dropText(QStringLiteral("  http://example.com/dropped  "));
    ASSERT_EQ(host().list().count(), 2);
    EXPECT_EQ(host().list().current(), 0); // behind the active one
    CWebBrowser2 *opened = host().list().at(1);
    EXPECT_EQ(opened->tabLabel(), QStringLiteral("http://example.com/dropped"));
    EXPECT_EQ(static_cast<FakeControl *>(opened->control())->navigated,
              QStringList{QStringLiteral("http://example.com/dropped")});
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("new.wav")});
    EXPECT_EQ(control->navigated, navigated);
}

TEST_F(PageDropTest, AnAddressDroppedOnABlankPageOpensInIt)
{
    frame();
    ASSERT_EQ(host().activePage()->address(), QStringLiteral("about:blank"));
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("http://example.com/link"))});
    data.setText(QStringLiteral("The link's text"));
    EXPECT_TRUE(WindowDrag::drop(window(), data, overPage()));
    EXPECT_EQ(host().list().count(), 1);
    EXPECT_EQ(activeControl()->location, QStringLiteral("http://example.com/link"));
}

TEST_F(PageDropTest, CtrlDropProposesThePageNameAndTheTextsFirstEightCharacters)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Word"));
    QString proposed;
    QString caption;
    const auto cancel = [&](CSaveTextDlg *dialog) {
        proposed = dialog->pathEdit()->text();
        caption = dialog->windowTitle();
        EXPECT_EQ(dialog->dontShowAgainBox()->text(), QStringLiteral("以后不再显示"));
        EXPECT_FALSE(dialog->dontShowAgainBox()->isChecked());
        dialog->reject();
    };
    ASSERT_TRUE(saveWithDialog(QStringLiteral("abcde"), cancel));
    EXPECT_EQ(proposed, documents() + QStringLiteral("/Word - abcde..."));
    EXPECT_EQ(caption, QStringLiteral("另存为..."));
    ASSERT_TRUE(saveWithDialog(QStringLiteral(" abcdefghijkl "), cancel));
    EXPECT_EQ(proposed, documents() + QStringLiteral("/Word - abcdefgh..."));

    // Cancelled: nothing written, nothing remembered, no new Page.
    EXPECT_TRUE(savedTexts().isEmpty());
    EXPECT_EQ(settings.read(settings::NoPromptDragSaving), 0);
    EXPECT_EQ(host().list().count(), 1);
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(PageDropTest, OkSavesTheEditedTextAndRemembersTheCheckBox)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Word"));
    ASSERT_TRUE(saveWithDialog(QStringLiteral("abcde"), [](CSaveTextDlg *dialog) {
        EXPECT_EQ(dialog->textEdit()->toPlainText(), QStringLiteral("abcde"));
        dialog->textEdit()->setPlainText(QStringLiteral("edited 中文"));
        dialog->dontShowAgainBox()->click();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/Word - abcde....txt")), QStringLiteral("edited 中文").toUtf8());
    EXPECT_EQ(settings.read(settings::NoPromptDragSaving), 1);
    EXPECT_EQ(frame().panes()->statusText(), QStringLiteral("TXT File Saved"));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("UserSelect.wav")});

    // From now on the text is saved without asking.
    frame().panes()->setStatusText(QString());
    EXPECT_TRUE(saveWithoutDialog(QStringLiteral("second text")));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/Word - second t....txt")), "second text");
}

TEST_F(PageDropTest, OkWithoutTheCheckBoxKeepsAsking)
{
    settings.write(settings::NoPromptDragSaving, 0);
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Word"));
    const auto ok = [](CSaveTextDlg *dialog) { dialog->accept(); };
    ASSERT_TRUE(saveWithDialog(QStringLiteral("first"), ok));
    EXPECT_EQ(settings.read(settings::NoPromptDragSaving), 0);
    ASSERT_TRUE(saveWithDialog(QStringLiteral("second"), ok));
    EXPECT_EQ(savedTexts(), (QStringList{QStringLiteral("Word - first....txt"), QStringLiteral("Word - second....txt")}));
}

TEST_F(PageDropTest, WithNoPromptDragSavingTheTextIsWrittenWithoutTheDialog)
{
    settings.write(settings::NoPromptDragSaving, 1);
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Word"));
    EXPECT_TRUE(saveWithoutDialog(QStringLiteral("中文的文字, dropped")));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/Word - 中文的文字, d....txt")),
              QStringLiteral("中文的文字, dropped").toUtf8());
    EXPECT_EQ(host().list().count(), 1);
}

TEST_F(PageDropTest, BrowseChoosesWhereTheTextGoes)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Word"));
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString chosen = elsewhere.filePath(QStringLiteral("chosen.txt"));
    bool browsed = false;
    ASSERT_TRUE(saveWithDialog(QStringLiteral("abcde"), [&](CSaveTextDlg *dialog) {
        answerNextDialog<QFileDialog>(
            [&](QFileDialog *files) {
                EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
                EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
                EXPECT_FALSE(files->testOption(QFileDialog::DontConfirmOverwrite));
                EXPECT_EQ(files->defaultSuffix(), QStringLiteral("txt"));
                EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("Text File (*.txt)")});
                auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                EXPECT_EQ(name->text(), QStringLiteral("Word - abcde....txt"));
                // Typed over, as the user does.
                QWindow *typing = files->windowHandle();
                EXPECT_TRUE(QTest::qWaitForWindowExposed(typing));
                QTest::mouseClick(typing, Qt::LeftButton, {}, name->mapTo(files, name->rect().center()));
                EXPECT_EQ(QApplication::focusWidget(), name);
                QTest::keyClick(typing, Qt::Key_A, Qt::ControlModifier);
                for (const QChar c : chosen)
                    QTest::keyClick(typing, c.toLatin1());
                QTest::keyClick(typing, Qt::Key_Return);
            },
            &browsed);
        dialog->browseButton()->click();
        EXPECT_EQ(dialog->pathEdit()->text(), chosen);
        dialog->accept();
    }));
    EXPECT_TRUE(browsed);
    EXPECT_EQ(readFile(chosen), "abcde");
    EXPECT_TRUE(savedTexts().isEmpty());
}

TEST_F(PageDropTest, ATextThatCannotBeWrittenIsReported)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Word"));
    const QString nowhere = documents() + QStringLiteral("/no such folder/x");
    ASSERT_TRUE(saveWithDialog(QStringLiteral("abcde"), [&](CSaveTextDlg *dialog) {
        dialog->pathEdit()->setText(nowhere);
        dialog->accept();
    }));
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("保存文字失败: ") + nowhere + QStringLiteral(".txt")});
    EXPECT_NE(frame().panes()->statusText(), QStringLiteral("TXT File Saved"));
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(PageDropTest, DroppedPicturesAreKeptOnceInThePicturesFolder)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Pictures"));
    QTemporaryDir from;
    ASSERT_TRUE(from.isValid());
    const auto picture = [&](const QString &name, const QByteArray &bytes) {
        const QString path = from.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    };
    const QString first = picture(QStringLiteral("1/a.png"), "first picture");
    const QString sameSize = picture(QStringLiteral("2/a.png"), "other picture");
    const QString counted = picture(QStringLiteral("3/b[2].png"), "counted");

    dropPicture(first);
    dropPicture(first, Qt::ControlModifier); // Ctrl makes no difference for a file
    EXPECT_EQ(QDir(pictures()).entryList(QDir::Files), QStringList{QStringLiteral("a.png")});
    dropPicture(sameSize);
    dropPicture(counted);
    EXPECT_EQ(QDir(pictures()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("a.png"), QStringLiteral("a[1].png"), QStringLiteral("b.png")}));
    EXPECT_EQ(readFile(pictures() + QStringLiteral("/a[1].png")), "other picture");
    EXPECT_EQ(readFile(pictures() + QStringLiteral("/b.png")), "counted");
    QTest::qWait(20);
    EXPECT_TRUE(messages.told.isEmpty());
    EXPECT_EQ(host().list().count(), 1);
    EXPECT_TRUE(savedTexts().isEmpty());
}

TEST_F(PageDropTest, APictureThatCannotBeKeptIsReported)
{
    showPage(QStringLiteral("http://example.com/"), QStringLiteral("Pictures"));
    // A file where the pictures folder should be.
    QDir().mkpath(documents());
    QFile blocker(pictures());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTemporaryDir from;
    ASSERT_TRUE(from.isValid());
    QFile picture(from.filePath(QStringLiteral("a.png")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("bytes");
    picture.close();

    dropPicture(picture.fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.told.isEmpty(); }, 2000));
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("保存图像失败。")});
}

TEST_F(PageDropTest, DropsOutsideThePagesStayTheFramesOwn)
{
    showPage(QStringLiteral("http://example.com/start"), QStringLiteral("Start"));
    QStatusBar *bar = frame().statusBar();
    const QPoint overStatusBar = bar->mapTo(&frame(), bar->rect().center());
    QMimeData data;
    data.setText(QStringLiteral("http://example.com/frame"));
    EXPECT_TRUE(WindowDrag::drop(window(), data, overStatusBar, Qt::ControlModifier));
    // Opened as the frame opens a dropped text: nothing saved, no prompt shown.
    EXPECT_EQ(host().list().count(), 2);
    EXPECT_EQ(host().list().at(1)->address(), QStringLiteral("http://example.com/frame"));
    EXPECT_TRUE(savedTexts().isEmpty());
    EXPECT_NE(frame().panes()->statusText(), kPrompt);
}

TEST_F(PageDropTest, ALinkDroppedOnATabOpensItsAddressThereAndMereWordsNothing)
{
    showPage(QStringLiteral("http://example.com/first"), QStringLiteral("First"));
    host().CreatePage(QStringLiteral("http://example.com/second"), PageHost::OpenFlags{}, QStringLiteral("Second"));
    ASSERT_EQ(host().list().count(), 2);
    auto *second = static_cast<FakeControl *>(host().list().at(1)->control());
    const QStringList before = second->navigated;
    TabStrip *tabs = frame().tabStrip();
    const QPoint onSecond = tabs->mapTo(&frame(), tabs->tabRect(1).center());

    // A link dragged out of a page: its address, and its words as text.
    QMimeData link;
    link.setUrls({QUrl(QStringLiteral("http://example.com/linked"))});
    link.setText(QStringLiteral("First page"));
    WindowDrag::drop(window(), link, onSecond);
    EXPECT_EQ(second->navigated.value(second->navigated.size() - 1), QStringLiteral("http://example.com/linked"));

    // Words that are no address open nothing, a bare site name opens the site.
    const qsizetype after = second->navigated.size();
    QMimeData words;
    words.setText(QStringLiteral("First page"));
    WindowDrag::drop(window(), words, onSecond);
    EXPECT_EQ(second->navigated.size(), after);
    QMimeData site;
    site.setText(QStringLiteral("example.org"));
    WindowDrag::drop(window(), site, onSecond);
    EXPECT_EQ(second->navigated.value(second->navigated.size() - 1), QStringLiteral("http://example.org"));
    EXPECT_NE(second->navigated, before);
}
