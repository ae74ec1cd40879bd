// A real page written to disk by the engine.
#include "pages/CookieScripts.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

#include <optional>



namespace {

constexpr int kWait = 20000;

// A page shown by the real engine in a window of its own, in a profile
// off the record that goes after it.
struct ShownPage
{
    QWebEngineProfile *profile = new QWebEngineProfile;
    QWidget window;
    std::optional<EngineControl> control;

    ShownPage()
    {
        window.resize(800, 600);
        window.show();
        control.emplace(profile, &window);
        control->widget()->resize(800, 600);
        control->widget()->show();
    }
    ~ShownPage()
    {
        control.reset();
        delete profile;
    }
    bool load(const QString &address)
    {
        control->navigate(address);
        return waitForLoad(control->page(), kWait);
    }
};

} // namespace

TEST(PageFileEngineTest, APageSavedAsAWebArchiveIsOneValidMhtmlFileWithItsText)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/page"),
                 "<!doctype html><html><head><meta charset=utf-8><title>Archive me</title>"
                 "<style>p { color: green }</style></head>"
                 "<body><p>The quick brown fox saved by Vesperal jumps over the lazy dog.</p></body></html>");
    ShownPage shown;
    ASSERT_TRUE(shown.load(server.url(QStringLiteral("/page"))));
    EngineControl &control = *shown.control;
    QWebEngineProfile *profile = shown.profile;

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Archive me.mht"));
    QPointer<QWebEngineDownloadRequest> download;
    QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                     [&download](QWebEngineDownloadRequest *request) { download = request; });
    control.savePage(path, BrowserControl::SaveFormat::Mhtml);
    ASSERT_TRUE(QTest::qWaitFor([&] { return download && download->isFinished(); }, kWait));
    EXPECT_EQ(download->state(), QWebEngineDownloadRequest::DownloadCompleted);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray archive = file.readAll();
    // A MIME message of related parts, the first the page itself.
    const qsizetype headerEnd = archive.indexOf("\r\n\r\n");
    ASSERT_GT(headerEnd, 0);
    const QByteArray header = archive.left(headerEnd);
    EXPECT_TRUE(header.contains("MIME-Version: 1.0")) << header.toStdString();
    const QRegularExpression type(QStringLiteral("Content-Type: multipart/related;[^\\r]*(\\r\\n\\s+[^\\r]*)*"
                                                 "boundary=\"([^\"]+)\""));
    const QRegularExpressionMatch match = type.match(QString::fromLatin1(header));
    ASSERT_TRUE(match.hasMatch()) << header.toStdString();
    const QByteArray boundary = "--" + match.captured(2).toLatin1();
    EXPECT_TRUE(archive.contains(boundary + "\r\nContent-Type: text/html")) << archive.left(2000).toStdString();
    EXPECT_TRUE(archive.contains("Content-Location: " + server.url(QStringLiteral("/page")).toLatin1()));
    EXPECT_TRUE(archive.trimmed().endsWith(boundary + "--"));
    // The text, once quoted-printable's soft line breaks are undone.
    QByteArray body = archive.mid(headerEnd);
    body.replace("=\r\n", "");
    EXPECT_TRUE(body.contains("The quick brown fox saved by Vesperal jumps over the lazy dog."));
}

namespace {

QString resourceScript(const QString &name)
{
    QFile file(QStringLiteral(":/js/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs a page script through the control and waits for its result.
QVariant run(BrowserControl &control, const QString &source)
{
    QVariant result;
    bool done = false;
    control.runPageScript(source, [&](const QVariant &r) {
        result = r;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kWait));
    return result;
}

} // namespace

TEST(PageFileEngineTest, TheEditModeAndPropertiesScriptsWorkOnARealDocument)
{
    LoopbackHttpServer server;
    const QByteArray page = "<!doctype html><html><head><meta charset=utf-8><title>T</title></head>"
                            "<body><p>Some text</p></body></html>";
    server.route(QStringLiteral("/page"), page);
    ShownPage shown;
    ASSERT_TRUE(shown.load(server.url(QStringLiteral("/page"))));
    EngineControl &control = *shown.control;

    const QString designMode = resourceScript(QStringLiteral("design-mode.js"));
    ASSERT_FALSE(designMode.isEmpty());
    EXPECT_EQ(run(control, designMode).toString(), QStringLiteral("on"));
    // The page's own scripts see the same document in design mode.
    bool done = false;
    QString seen;
    control.page()->runJavaScript(QStringLiteral("document.designMode"), [&](const QVariant &r) {
        seen = r.toString();
        done = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, kWait));
    EXPECT_EQ(seen, QStringLiteral("on"));
    EXPECT_EQ(run(control, designMode).toString(), QStringLiteral("off"));

    const QVariantMap properties = run(control, resourceScript(QStringLiteral("page-properties.js"))).toMap();
    EXPECT_EQ(properties.value(QStringLiteral("type")).toString(), QStringLiteral("text/html"));
    EXPECT_EQ(properties.value(QStringLiteral("charset")).toString(), QStringLiteral("UTF-8"));
    EXPECT_EQ(properties.value(QStringLiteral("size")).toLongLong(), page.size());
    EXPECT_FALSE(properties.value(QStringLiteral("modified")).toString().isEmpty());
}

TEST(PageFileEngineTest, APagePrintedToAPdfPrinterGivesAPdfFile)
{
    LoopbackHttpServer server;
    server.page(QStringLiteral("/page"), QStringLiteral("Print me"));
    ShownPage shown;
    ASSERT_TRUE(shown.load(server.url(QStringLiteral("/page"))));
    EngineControl &control = *shown.control;

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
    std::optional<bool> finished;
    control.print(&printer, [&finished](bool ok) { finished = ok; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.has_value(); }, kWait));
    EXPECT_TRUE(*finished);
    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

    // A second job reports its own end once.
    int ends = 0;
    control.print(&printer, [&ends](bool) { ++ends; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends > 0; }, kWait));
    QTest::qWait(200);
    EXPECT_EQ(ends, 1);
}

TEST(PageFileEngineTest, TheBodyTextScriptGivesTheTextAsShown)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/page"),
                 "<!doctype html><html><head><meta charset=utf-8><title>T</title>"
                 "<script>var secret = 'not shown';</script></head>"
                 "<body><h1>标题</h1><p>First <b>para</b>graph</p><p style='display:none'>hidden</p>"
                 "<p>Last</p></body></html>");
    server.route(QStringLiteral("/image.svg"),
                 "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><text>svg</text></svg>",
                 "image/svg+xml");
    ShownPage shown;
    ASSERT_TRUE(shown.load(server.url(QStringLiteral("/page"))));
    EngineControl &control = *shown.control;
    const QString bodyText = resourceScript(QStringLiteral("body-text.js"));
    ASSERT_FALSE(bodyText.isEmpty());
    const QString text = run(control, bodyText).toString();
    EXPECT_TRUE(text.contains(QStringLiteral("标题"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("First paragraph"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Last"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("hidden"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("not shown"))) << text.toStdString();

    // A document without a body gives nothing.
    control.navigate(server.url(QStringLiteral("/image.svg")));
    ASSERT_TRUE(waitForLoad(control.page(), kWait));
    const QVariant none = run(control, bodyText);
    EXPECT_TRUE(!none.isValid() || none.isNull()) << none.toString().toStdString();
}

TEST(PageFileEngineTest, TheCookieEditorsScriptsWriteEachPairAndExpireRemovedNames)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/page"), "<!doctype html><html><head><title>C</title></head><body>c</body></html>");
    ShownPage shown;
    ASSERT_TRUE(shown.load(server.url(QStringLiteral("/page"))));
    EngineControl &control = *shown.control;
    run(control, QStringLiteral("document.cookie = 'keep=1'; document.cookie = 'gone=2'; 0"));

    const QString before = run(control, CookieScripts::readScript()).toString();
    ASSERT_TRUE(before.contains(QStringLiteral("keep=1")) && before.contains(QStringLiteral("gone=2")))
        << before.toStdString();
    // "gone" removed, "keep" changed, two pairs on one line and one on the next.
    const QVariant now = run(control, CookieScripts::writeScript(before, QStringLiteral("keep=changed; fresh=3\nother=x y")));
    ASSERT_TRUE(now.isValid() && !now.isNull());
    QStringList cookies = run(control, CookieScripts::readScript()).toString().split(QStringLiteral("; "));
    cookies.sort();
    EXPECT_EQ(cookies, (QStringList{QStringLiteral("fresh=3"), QStringLiteral("keep=changed"),
                                    QStringLiteral("other=x y")}));

    // They are the page's cookies from now on: a new load still has them.
    control.navigate(server.url(QStringLiteral("/page")));
    ASSERT_TRUE(waitForLoad(control.page(), kWait));
    cookies = run(control, CookieScripts::readScript()).toString().split(QStringLiteral("; "));
    cookies.sort();
    EXPECT_EQ(cookies, (QStringList{QStringLiteral("fresh=3"), QStringLiteral("keep=changed"),
                                    QStringLiteral("other=x y")}));
}

TEST(PageFileEngineTest, AutoScrollStepsDownUntilStoppedByTheCommandOrAKey)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/long"), "<!doctype html><html><head><meta charset=utf-8><title>Long</title></head>"
                                          "<body><div style='height:20000px'>top</div></body></html>");
    ShownPage shown;
    ASSERT_TRUE(shown.load(server.url(QStringLiteral("/long"))));
    EngineControl &control = *shown.control;
    QWidget &window = shown.window;
    // Offscreen no frame is ever drawn, and a page that really scrolls
    // then keeps the answers to our scripts back: the steps are counted
    // instead of taken, in the scripts' own world.
    run(control, QStringLiteral("window.scrollBy = function (x, y) { window.steps = (window.steps || 0) + y; }"));
    auto steps = [&] { return run(control, QStringLiteral("window.steps || 0")).toInt(); };
    const QString autoScroll = resourceScript(QStringLiteral("auto-scroll.js"));
    ASSERT_FALSE(autoScroll.isEmpty());
    auto stepsPast = [&](int n) { return QTest::qWaitFor([&] { return steps() > n; }, kWait); };
    // Stopped: no more steps (one under way may still land).
    auto staysStill = [&] {
        const int at = steps();
        QTest::qWait(300);
        return steps() - at < 2;
    };

    EXPECT_TRUE(run(control, autoScroll).toBool());
    ASSERT_TRUE(stepsPast(10));
    // The command again stops it.
    EXPECT_FALSE(run(control, autoScroll).toBool());
    EXPECT_TRUE(staysStill());

    // A key stops it too.
    EXPECT_TRUE(run(control, autoScroll).toBool());
    ASSERT_TRUE(stepsPast(steps() + 10));
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    control.widget()->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Control);
    EXPECT_TRUE(staysStill());
    // And the command starts it afresh afterwards.
    EXPECT_TRUE(run(control, autoScroll).toBool());

    // At the end of the page it stops by itself.
    run(control, QStringLiteral("document.scrollingElement.scrollTop = 1e6"));
    QTest::qWait(100);
    EXPECT_TRUE(staysStill());
    EXPECT_TRUE(run(control, autoScroll).toBool());
    run(control, autoScroll);
}
