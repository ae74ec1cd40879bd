// Clone the page and save all open Pages with the real engine, through the
// window, against pages served on loopback: web archives of the linked
// pages loaded unseen, pictures as they come, a stop that lets the pages
// under way end, and open Pages written from what they show.
#include "clone/CCloneDlg.h"
#include "clone/CCloneProgressDlg.h"
#include "clone/CloneCommands.h"
#include "clone/CloneJob.h"
#include "core/AppSwitches.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CTMain.h"
#include "pages/CWebBrowser2.h"
#include "pages/DownloadFlags.h"
#include "pages/EngineControl.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "LoopbackHttpServer.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kWait = 60000;

const QByteArray kGif = QByteArray::fromHex("474946383961010001008000"
                                            "00ffffff00000021f90401000000002c000000000100010000020244010"
                                            "03b");

QByteArray page(const QByteArray &title, const QByteArray &text)
{
    return "<!doctype html><html><head><meta charset=utf-8><title>" + title + "</title></head><body><p>" + text
           + "</p></body></html>";
}

// Whether the file is one MIME message of related parts whose boundary
// delimits them, holding the text (once quoted-printable's soft line breaks
// are undone).
::testing::AssertionResult isArchiveWith(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "no file " << path.toStdString();
    const QByteArray archive = file.readAll();
    const qsizetype headerEnd = archive.indexOf("\r\n\r\n");
    if (headerEnd <= 0)
        return ::testing::AssertionFailure() << "no header in " << path.toStdString();
    const QByteArray header = archive.left(headerEnd);
    static const QRegularExpression type(QStringLiteral("Content-Type: multipart/related;[^\\r]*(\\r\\n\\s+[^\\r]*)*"
                                                        "boundary=\"([^\"]+)\""));
    const QRegularExpressionMatch match = type.match(QString::fromLatin1(header));
    if (!match.hasMatch())
        return ::testing::AssertionFailure() << "no boundary in " << header.toStdString();
    const QByteArray delimiter = "--" + match.captured(2).toLatin1();
    if (!archive.contains("\r\n" + delimiter + "\r\n") || !archive.trimmed().endsWith(delimiter + "--"))
        return ::testing::AssertionFailure() << "parts not delimited in " << path.toStdString();
    QByteArray body = archive.mid(headerEnd);
    body.replace("=\r\n", "");
    if (!body.contains(text))
        return ::testing::AssertionFailure() << "no \"" << text.toStdString() << "\" in " << path.toStdString();
    return ::testing::AssertionSuccess();
}

// Waits in an event loop that wakes for each event, as the program's own does:
// a polling wait would add its step to every hop between the engine's
// processes, and a clone makes many.
bool waitForCount(QSignalSpy &spy, qsizetype count)
{
    QDeadlineTimer deadline(3 * kWait);
    while (spy.size() < count && !deadline.hasExpired())
        spy.wait(int(std::max<qint64>(1, deadline.remainingTime())));
    return spy.size() >= count;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class CloneEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profileDir = freshProfileDir();
        registry.open(profileDir + QStringLiteral("/registry.db"));
        settings.write(settings::cleanShow, 0);
        settings.write(settings::startuptype, static_cast<int>(settings::StartupType::Blank));
        switches.load(settings);
        flags.load();
        engine = new QWebEngineProfile; // off the record
        // Nothing of an earlier test in this process.
        QDir(documents()).removeRecursively();
    }

    void TearDown() override
    {
        if (m_frame)
            m_frame->closeWithoutQuestions();
        m_frame.reset();
        delete engine;
    }

    // The window, started with the address, its first Page loaded (the
    // document of that title).
    CTMain &frame(const QString &address, const QString &title)
    {
        m_frame = std::make_unique<CTMain>(FrameServices{EngineControl::factory(engine), settings, switches, flags,
                                                         sounds, messages, addresses,
                                                         profileDir + QStringLiteral("/data"), engine, address,
                                                         [](const QString &) { return false; }});
        m_frame->resize(900, 700);
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        EXPECT_TRUE(waitUntilLoaded(m_frame->pageHost()->activePage(), title));
        return *m_frame;
    }

    // Until the Page shows the document of that title, loaded whole.
    static bool waitUntilLoaded(CWebBrowser2 *page, const QString &title)
    {
        QPointer<BrowserControl> control = page->control();
        bool complete = false;
        return QTest::qWaitFor(
            [&] {
                if (!control || control->locationName() != title)
                    return false;
                bool answered = false;
                control->runPageScript(QStringLiteral("document.readyState"), [&](const QVariant &state) {
                    complete = state.toString() == QLatin1String("complete");
                    answered = true;
                });
                QTest::qWaitFor([&] { return answered; }, 5000);
                return complete;
            },
            kWait);
    }

    CloneCommands *commands() { return m_frame->findChild<CloneCommands *>(); }

    // Answers the next clone dialog from the event loop it runs.
    void answerCloneDialog(std::function<void(CCloneDlg *)> answer, bool *seen)
    {
        *seen = false;
        auto *timer = new QTimer(m_frame.get());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, seen] {
            if (auto *dialog = qobject_cast<CCloneDlg *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                *seen = true;
                EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
                answer(dialog);
            }
        });
        timer->start();
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

    // A page of twenty links: some to the same address, some with the same
    // text, a picture, a page whose address ends in capital JPG, one that
    // does not answer, one that is not there, and links that are no web pages.
    void serveLinkedPages()
    {
        server.route(QStringLiteral("/p1"), page("Page 1", "Text of page one"));
        server.route(QStringLiteral("/p2"), page("Page 2", "Text of page two"));
        server.route(QStringLiteral("/p3"), page("Page 3", "Text of page three"));
        server.route(QStringLiteral("/p4"), page("Page 4", "Text of page four"));
        server.route(QStringLiteral("/p5"), page("Page 5", "Text of page five"));
        server.route(QStringLiteral("/p6"), page("Page 6", "Text of page six"));
        for (int n = 7; n <= 12; ++n) {
            server.route(QStringLiteral("/p%1").arg(n),
                         page("Page " + QByteArray::number(n), "Text of page number " + QByteArray::number(n)));
        }
        server.route(QStringLiteral("/photo.JPG"), page("Photo", "A page behind a capital JPG"));
        server.route(QStringLiteral("/pic.gif"), kGif, "image/gif");
        const QByteArray links = "<a href='/p1'>Story</a>"
                                 "<a href='/p2'>Story</a>"
                                 "<a href='/p3'> Story </a>"
                                 "<a href='/p1'>Again</a>"
                                 "<a href='/p4'>Weather: today</a>"
                                 "<a href='/p5'>Weather? today</a>"
                                 "<a href='/p6'></a>"
                                 "<a href='/photo.JPG'>Photo</a>"
                                 "<a href='/pic.gif'>Small picture</a>"
                                 "<a href='http://127.0.0.1:1/never'>Unreachable</a>"
                                 "<a href='/missing'>Missing</a>"
                                 "<a href='/p7'>Seven</a>"
                                 "<a href='/p8'>Eight</a>"
                                 "<a href='/p2'>Two again</a>"
                                 "<a href='mailto:someone@example.com'>Mail</a>"
                                 "<a href='javascript:void(0)'>Script</a>"
                                 "<a href='/p9'>Nine</a>"
                                 "<a href='/p10'>Ten</a>"
                                 "<a href='/p11'>Eleven</a>"
                                 "<a href='/p12'>Twelve</a>";
        server.route(QStringLiteral("/index"), page("Clone source", "The index" + links));
    }

    QString profileDir;
    RegistryStore registry;
    SettingsStore settings{registry};
    AppSwitches switches;
    DownloadFlags flags{registry, settings};
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    MakerAddresses addresses{QStringLiteral("http://maker.example/"), QStringLiteral("http://maker.example/download"),
                             QStringLiteral("http://maker.example/clientinfo/"),
                             QStringLiteral("http://maker.example/version.txt"),
                             QStringLiteral("http://maker.example/software/anonproxylist.sia"),
                             QStringLiteral("support@maker.example")};
    QWebEngineProfile *engine = nullptr;
    LoopbackHttpServer server;
    std::unique_ptr<CTMain> m_frame;
};

} // namespace

TEST_F(CloneEngineTest, ThePageAndTheWebPagesItLinksToAreWrittenAsArchivesAndPicturesAsTheyCame)
{
    serveLinkedPages();
    CTMain &window = frame(server.url(QStringLiteral("/index")), QStringLiteral("Clone source"));
    bool seen = false;
    QStringList names;
    answerCloneDialog(
        [&](CCloneDlg *dialog) {
            names = rowNames(dialog);
            clickOk(dialog);
        },
        &seen);
    QSignalSpy ended(commands(), &CloneCommands::jobEnded);
    window.runCommand(cmd::ClonePage);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen; }, kWait));
    ASSERT_TRUE(waitForCount(ended, 1));

    const QString port = QString::number(server.port());
    EXPECT_EQ(names, (QStringList{QStringLiteral("Clone source"), QStringLiteral("Story"), QStringLiteral("Story (2)"),
                                  QStringLiteral("Story (3)"), QStringLiteral("Weather_ today"),
                                  QStringLiteral("Weather_ today (2)"), QStringLiteral("127.0.0.1_") + port + QStringLiteral("_p6"),
                                  QStringLiteral("Photo"), QStringLiteral("Small picture"), QStringLiteral("Unreachable"),
                                  QStringLiteral("Missing"), QStringLiteral("Seven"), QStringLiteral("Eight"),
                                  QStringLiteral("Nine"), QStringLiteral("Ten"), QStringLiteral("Eleven"),
                                  QStringLiteral("Twelve")}));

    const QString folder = documents() + QStringLiteral("/Clone source");
    const QList<std::pair<QString, QByteArray>> archives{
        {QStringLiteral("Clone source.mht"), "The index"},
        {QStringLiteral("Story.mht"), "Text of page one"},
        {QStringLiteral("Story (2).mht"), "Text of page two"},
        {QStringLiteral("Story (3).mht"), "Text of page three"},
        {QStringLiteral("Weather_ today.mht"), "Text of page four"},
        {QStringLiteral("Weather_ today (2).mht"), "Text of page five"},
        {QStringLiteral("127.0.0.1_") + port + QStringLiteral("_p6.mht"), "Text of page six"},
        {QStringLiteral("Photo.mht"), "A page behind a capital JPG"},
        {QStringLiteral("Seven.mht"), "Text of page number 7"},
        {QStringLiteral("Eight.mht"), "Text of page number 8"},
        {QStringLiteral("Nine.mht"), "Text of page number 9"},
        {QStringLiteral("Ten.mht"), "Text of page number 10"},
        {QStringLiteral("Eleven.mht"), "Text of page number 11"},
        {QStringLiteral("Twelve.mht"), "Text of page number 12"},
    };
    QStringList expected{QStringLiteral("Small picture.gif")};
    for (const auto &[name, text] : archives) {
        EXPECT_TRUE(isArchiveWith(QDir(folder).filePath(name), text));
        expected << name;
    }
    expected.sort();
    // No file for the address that did not answer nor for the missing page.
    EXPECT_EQ(filesIn(folder), expected);
    QFile picture(QDir(folder).filePath(QStringLiteral("Small picture.gif")));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(picture.readAll(), kGif);
    // Each listed page was asked for once more, by the page that wrote it.
    EXPECT_EQ(server.requests().count(QStringLiteral("/index")), 2);
    EXPECT_EQ(server.requests().count(QStringLiteral("/p1")), 1);
    EXPECT_EQ(server.requests().count(QStringLiteral("/photo.JPG")), 1);
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(QLatin1Char('|')).toStdString();
    // The progress window has gone with the job.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.findChildren<CCloneProgressDlg *>().isEmpty(); }, 5000));

    // A second clone writes over the files of the first.
    QFile(QDir(folder).filePath(QStringLiteral("Story.mht"))).resize(10);
    answerCloneDialog([&](CCloneDlg *dialog) { clickOk(dialog); }, &seen);
    window.runCommand(cmd::ClonePage);
    ASSERT_TRUE(waitForCount(ended, 2));
    EXPECT_EQ(filesIn(folder), expected);
    EXPECT_TRUE(isArchiveWith(QDir(folder).filePath(QStringLiteral("Story.mht")), "Text of page one"));
}

TEST_F(CloneEngineTest, AbortStopsTheCloneOnceThePagesUnderWayAreWritten)
{
    serveLinkedPages();
    CTMain &window = frame(server.url(QStringLiteral("/index")), QStringLiteral("Clone source"));
    bool seen = false;
    // Every entry the job begins, from its first.
    std::unique_ptr<QSignalSpy> spy;
    answerCloneDialog(
        [&](CCloneDlg *dialog) {
            clickOk(dialog);
            // Once the dialog has closed and the job is made, before it begins.
            QTimer::singleShot(0, m_frame.get(), [&] {
                if (CloneJob *job = commands()->findChild<CloneJob *>())
                    spy = std::make_unique<QSignalSpy>(job, &CloneJob::entryStarted);
            });
        },
        &seen);
    QSignalSpy ended(commands(), &CloneCommands::jobEnded);
    window.runCommand(cmd::ClonePage);
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy != nullptr; }, kWait));
    const QSignalSpy &begun = *spy;

    QPointer<CCloneProgressDlg> progress = window.findChild<CCloneProgressDlg *>();
    ASSERT_TRUE(progress);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(progress));
    EXPECT_EQ(progress->windowTitle().isEmpty(), false);
    QPushButton *abort = progress->abortButton();
    EXPECT_EQ(abort->text(), QStringLiteral("中止(&A)"));
    QTest::mouseClick(progress->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      abort->mapTo(progress, abort->rect().center()));
    // The window goes at once; the job when the pages under way are written.
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress.isNull(); }, 5000));
    ASSERT_TRUE(waitForCount(ended, 1));

    const QString folder = documents() + QStringLiteral("/Clone source");
    const int total = 17;
    ASSERT_GE(begun.size(), 1);
    EXPECT_LT(begun.size(), total);
    QStringList begunTargets;
    QStringList begunPaths;
    for (const QList<QVariant> &entry : std::as_const(begun)) {
        begunTargets << QFileInfo(entry.at(3).toString()).fileName();
        begunPaths << QUrl(entry.at(2).toString()).path();
    }
    const QStringList written = filesIn(folder);
    for (const QString &file : written)
        EXPECT_TRUE(begunTargets.contains(file)) << file.toStdString();
    // Nothing after the entries under way was asked for, nor is written later.
    for (const QString &asked : server.requests()) {
        if (asked != QLatin1String("/index") && asked != QLatin1String("/favicon.ico"))
            EXPECT_TRUE(begunPaths.contains(asked)) << asked.toStdString();
    }
    const qsizetype asked = server.requests().size();
    QTest::qWait(1500);
    EXPECT_EQ(filesIn(folder), written);
    EXPECT_EQ(server.requests().size(), asked);
    EXPECT_EQ(ended.size(), 1);
}

TEST_F(CloneEngineTest, SaveAllWritesEachOpenPageFromWhatItShowsWithoutAskingTheServerAgain)
{
    server.route(QStringLiteral("/s1"), page("Shown one", "What the first page shows"));
    server.route(QStringLiteral("/s2"), page("Shown two", "What the second page shows"));
    CTMain &window = frame(server.url(QStringLiteral("/s1")), QStringLiteral("Shown one"));
    CWebBrowser2 *second = window.pageHost()->CreatePage(server.url(QStringLiteral("/s2")), PageHost::OpenFlags{},
                                                         QStringLiteral("Loading..."));
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(waitUntilLoaded(second, QStringLiteral("Shown two")));
    ASSERT_EQ(server.requests().count(QStringLiteral("/s1")), 1);
    ASSERT_EQ(server.requests().count(QStringLiteral("/s2")), 1);

    bool seen = false;
    QStringList names;
    answerCloneDialog(
        [&](CCloneDlg *dialog) {
            names = rowNames(dialog);
            clickOk(dialog);
        },
        &seen);
    QSignalSpy ended(commands(), &CloneCommands::jobEnded);
    window.runCommand(cmd::SaveAllPages);
    ASSERT_TRUE(seen);
    ASSERT_TRUE(waitForCount(ended, 1));
    EXPECT_EQ(names, (QStringList{QStringLiteral("Shown one"), QStringLiteral("Shown two")}));
    const QString folder = documents() + QStringLiteral("/My webs");
    EXPECT_EQ(filesIn(folder), (QStringList{QStringLiteral("Shown one.mht"), QStringLiteral("Shown two.mht")}));
    EXPECT_TRUE(isArchiveWith(QDir(folder).filePath(QStringLiteral("Shown one.mht")), "What the first page shows"));
    EXPECT_TRUE(isArchiveWith(QDir(folder).filePath(QStringLiteral("Shown two.mht")), "What the second page shows"));
    EXPECT_EQ(server.requests().count(QStringLiteral("/s1")), 1);
    EXPECT_EQ(server.requests().count(QStringLiteral("/s2")), 1);
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(QLatin1Char('|')).toStdString();
}
