// Pages on the real engine, against pages served on loopback: what the
// user's clicks may open, how loads and failures show on the tab, and the
// content switches.
#include "core/AppSwitches.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "net/OfflineGate.h"
#include "pages/CWebBrowser2.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TabGlyphPrinter.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <optional>

namespace {

constexpr int kWait = 20000;

QByteArray html(const QString &title, const QString &body)
{
    return QStringLiteral("<!doctype html><html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body)
        .toUtf8();
}

class PagesEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
        flags.load();
        profile = new QWebEngineProfile; // off the record
        window.resize(800, 600);
        host = new PageHost(PageHostServices{EngineControl::factory(profile), switches, flags, frame, sounds,
                                             messages, [] { return QStringLiteral("about:blank"); }},
                            &window);
        host->resize(800, 600);
        window.show();
        server.page(QStringLiteral("/target"), QStringLiteral("Target page"));
    }

    void TearDown() override
    {
        delete host;
        delete profile;
    }

    CWebBrowser2 *page(int i) const { return host->list().at(i); }
    EngineControl *control(int i) const { return static_cast<EngineControl *>(page(i)->control()); }

    // Opens the first Page and waits until it has loaded.
    void openFirst(const QString &path)
    {
        host->CreateFirstPage(server.url(path));
        ASSERT_TRUE(waitForLoad(control(0)->page(), kWait));
    }

    // Opens a Page behind the active one and waits until it has loaded.
    void openBehind(const QString &path)
    {
        CWebBrowser2 *made = host->CreatePage(server.url(path), {}, QStringLiteral("Loading..."));
        ASSERT_NE(made, nullptr);
        ASSERT_TRUE(waitForLoad(control(made->index())->page(), kWait));
    }

    QVariant run(int i, const QString &script)
    {
        // Shared with the callback, which may come after a time-out.
        auto answer = std::make_shared<std::optional<QVariant>>();
        control(i)->page()->runJavaScript(script, [answer](const QVariant &value) { *answer = value; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer->has_value(); }, kWait)) << script.toStdString();
        return answer->value_or(QVariant());
    }

    // The centre of an element of Page i, in the view's coordinates.
    QPoint centreOf(int i, const QString &selector)
    {
        const QVariantList box = run(i, QStringLiteral("(() => { const r = document.querySelector('%1')"
                                                       ".getBoundingClientRect(); return [r.x + r.width / 2, "
                                                       "r.y + r.height / 2]; })()")
                                            .arg(selector))
                                     .toList();
        return box.size() == 2 ? QPoint(box[0].toInt(), box[1].toInt()) : QPoint();
    }

    QWidget *surface(int i) { return control(i)->view()->focusProxy(); }

    void click(int i, const QString &selector, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = centreOf(i, selector);
        QWidget *target = surface(i);
        ASSERT_NE(target, nullptr);
        QTest::mouseMove(target, at);
        QTest::mouseClick(target, button, {}, at);
    }

    RegistryStore registry;
    SettingsStore settings{registry};
    DownloadFlags flags{registry, settings};
    AppSwitches switches;
    RecordingFrame frame;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    LoopbackHttpServer server;
    QWebEngineProfile *profile = nullptr;
    QWidget window;
    PageHost *host = nullptr;
};

TEST_F(PagesEngineTest, AClickedLinkWithATargetOpensOnePageLabelledWithItsText)
{
    server.route(QStringLiteral("/links"),
                 html(QStringLiteral("Links"), QStringLiteral("<a id=go href='/target' target='_blank'>Open it</a>"
                                                              "<p id=plain>nothing here</p>")));
    openFirst(QStringLiteral("/links"));
    click(0, QStringLiteral("#go"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->list().count() == 2; }, kWait));
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("Open it..."));
    EXPECT_EQ(host->list().current(), 0); // not brought to the front
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/target")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(1)->tabLabel() == QStringLiteral("Target page"); }, kWait));

    // The click was used up: a script's window a moment later is refused.
    run(0, QStringLiteral("setTimeout(() => window.open('/later'), 10)"));
    QTest::qWait(500);
    EXPECT_EQ(host->list().count(), 2);
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/later")));
}

TEST_F(PagesEngineTest, AMiddleClickOrEnterOnALinkOpensItAsANewPage)
{
    server.page(QStringLiteral("/other"), QStringLiteral("Other page"));
    server.route(QStringLiteral("/links"),
                 html(QStringLiteral("Links"), QStringLiteral("<a id=mid href='/target'>Middle link</a><br>"
                                                              "<a id=key href='/other' target=_blank>Keyed</a>")));
    openFirst(QStringLiteral("/links"));
    click(0, QStringLiteral("#mid"), Qt::MiddleButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->list().count() == 2; }, kWait));
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("Middle link"));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/target")));

    run(0, QStringLiteral("document.getElementById('key').focus()"));
    QTest::qWait(100);
    QTest::keyClick(surface(0), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->list().count() == 3; }, kWait));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/other")));
    EXPECT_EQ(host->list().current(), 0);
}

TEST_F(PagesEngineTest, CtrlEnterInAMultiLineFieldSubmitsItsForm)
{
    server.route(QStringLiteral("/form"),
                 html(QStringLiteral("Form"), QStringLiteral("<form action='/sent'><textarea id=t name=t>hello"
                                                             "</textarea><input name=submit value=x></form>")));
    server.page(QStringLiteral("/sent?t=hello&submit=x"), QStringLiteral("Sent"));
    openFirst(QStringLiteral("/form"));
    run(0, QStringLiteral("document.getElementById('t').focus()"));
    QTest::qWait(100);
    QTest::keyClick(surface(0), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/sent?t=hello&submit=x")));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("new.wav")});
    EXPECT_FALSE(host->popupGate().lastClicked().has_value());
}

TEST_F(PagesEngineTest, ScriptErrorsOnlyShowInTheStatusBarWhenSilent)
{
    server.route(QStringLiteral("/broken"),
                 html(QStringLiteral("Broken"), QStringLiteral("<script>setTimeout(() => noSuchFunction(), 50)"
                                                               "</script>")));
    openFirst(QStringLiteral("/broken"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.statusTexts.contains(QStringLiteral("脚本错误!")); }, kWait));
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(PagesEngineTest, ALocalFileReadsNeitherOtherFilesNorTheNetwork)
{
    const QString dir = freshProfileDir();
    QFile secret(dir + QStringLiteral("/secret.txt"));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("secret");
    secret.close();
    server.route(QStringLiteral("/data"), "remote", "text/plain");
    QFile local(dir + QStringLiteral("/page.html"));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.write(QStringLiteral("<title>Local</title><script>"
                               "const results = [];"
                               "function done(r) { results.push(r); if (results.length == 2) document.title = "
                               "results.sort().join(','); }"
                               "fetch('secret.txt').then(r => r.text()).then(t => done('file:' + t), "
                               "() => done('file:refused'));"
                               "fetch('%1').then(r => r.text()).then(t => done('net:' + t), "
                               "() => done('net:refused'));"
                               "</script>")
                    .arg(server.url(QStringLiteral("/data")))
                    .toUtf8());
    local.close();
    host->CreateFirstPage(dir + QStringLiteral("/page.html"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->title().contains(QLatin1Char(',')); }, kWait));
    EXPECT_EQ(page(0)->title(), QStringLiteral("file:refused,net:refused"));
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/data")));
}

TEST_F(PagesEngineTest, ImagesAndVideosSwitchedOffAreNeverFetched)
{
    server.route(QStringLiteral("/pic.png"), QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="), "image/png");
    server.route(QStringLiteral("/clip.mp4"), QByteArray(64, '\0'), "video/mp4");
    server.route(QStringLiteral("/media"),
                 html(QStringLiteral("Media"), QStringLiteral("<img src='/pic.png'><video src='/clip.mp4' "
                                                              "preload=auto></video>")));
    host->toggleContentSwitch(cmd::LoadImages);
    host->toggleContentSwitch(cmd::LoadVideos);
    openFirst(QStringLiteral("/media"));
    QTest::qWait(500);
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/pic.png")));
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/clip.mp4")));

    // Switched on again: the Pages are refreshed and fetch both.
    host->toggleContentSwitch(cmd::LoadImages);
    host->toggleContentSwitch(cmd::LoadVideos);
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/pic.png")));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/clip.mp4")));
}

TEST_F(PagesEngineTest, OfflinePagesReachNoNetworkButLocalFilesStillOpen)
{
    OfflineGate gate(profile);
    gate.setOffline(true);
    host->CreateFirstPage(server.url(QStringLiteral("/target")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->state() == CWebBrowser2::Error; }, kWait));
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/target")));

    QFile local(freshProfileDir() + QStringLiteral("/local.html"));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.write("<title>Local page</title>");
    local.close();
    host->OpenInCurrentPage(local.fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->title() == QStringLiteral("Local page"); }, kWait));

    gate.setOffline(false);
    host->OpenInCurrentPage(server.url(QStringLiteral("/target")));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/target")));
}

TEST_F(PagesEngineTest, ABlankPageIsLoadedAtOnceAndAnAddressRightAfterWins)
{
    host->CreateFirstPage(QStringLiteral("about:blank"));
    EXPECT_EQ(page(0)->address(), QStringLiteral("about:blank"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.addressFocused > 0; }, kWait));
    EXPECT_FALSE(page(0)->isLoading());
    EXPECT_EQ(page(0)->tabImage(), TabGlyph::LoadedActive);

    // A second blank Page, told at once to load an address: the blank load's
    // events must not end the real load early.
    CWebBrowser2 *made = host->CreatePage(QStringLiteral("about:blank"), PageHost::ToFront, QStringLiteral("Loading..."));
    ASSERT_NE(made, nullptr);
    host->OpenInCurrentPage(server.url(QStringLiteral("/target")));
    EXPECT_EQ(made->address(), server.url(QStringLiteral("/target")));
    QTest::qWait(0);
    ASSERT_TRUE(waitForLoad(control(1)->page(), kWait));
    EXPECT_EQ(made->tabLabel(), QStringLiteral("Target page"));
    EXPECT_EQ(made->tabImage(), TabGlyph::LoadedActive);
    EXPECT_FALSE(made->isLoading());
    EXPECT_FALSE(control(1)->canGoBack()); // no blank entry before it
}

TEST_F(PagesEngineTest, WindowsOpenedWithoutAClickOrFromABackgroundPageAreRefused)
{
    server.route(QStringLiteral("/popup"), html(QStringLiteral("Popup"), QStringLiteral("<p>popup</p>")));
    server.route(QStringLiteral("/opener"),
                 html(QStringLiteral("Opener"), QStringLiteral("<script>window.open('/popup')</script><p>hi</p>")));
    server.route(QStringLiteral("/late"),
                 html(QStringLiteral("Late"), QStringLiteral("<p id=p>late</p><script>"
                                                             "setTimeout(() => window.open('/popup'), 1500)"
                                                             "</script>")));
    openFirst(QStringLiteral("/opener"));
    // A Page behind the active one opens a window while the user clicks in the active one.
    openBehind(QStringLiteral("/late"));
    click(0, QStringLiteral("p"));
    QTest::qWait(2000);
    EXPECT_EQ(host->list().count(), 2);
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/popup")));
}

TEST_F(PagesEngineTest, WithBlockingOffEveryWindowBecomesAPageAndKeepsItsLabelOverAboutBlank)
{
    switches.KillPopup = false;
    server.route(QStringLiteral("/popup"), html(QStringLiteral("Popup"), QStringLiteral("<p>popup</p>")));
    server.route(QStringLiteral("/opener"),
                 html(QStringLiteral("Opener"), QStringLiteral("<script>window.open('/popup');"
                                                               "window.open('about:blank')</script>")));
    openFirst(QStringLiteral("/opener"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->list().count() == 3; }, kWait));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/popup")));
    QTest::qWait(500);
    QStringList labels{page(1)->tabLabel(), page(2)->tabLabel()};
    labels.sort();
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Popup"), QStringLiteral("载入...")}));
}

TEST_F(PagesEngineTest, AFailedLoadShowsTheErrorGlyphUntilTheNextLoad)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString dead = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    openFirst(QStringLiteral("/target"));
    EXPECT_EQ(page(0)->tabImage(), TabGlyph::LoadedActive);
    QList<TabGlyph> glyphs;
    QObject::connect(page(0), &CWebBrowser2::tabChanged, page(0), [&](CWebBrowser2 *p) {
        if (glyphs.isEmpty() || glyphs.last() != p->tabImage())
            glyphs << p->tabImage();
    });
    host->OpenInCurrentPage(dead);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->tabImage() == TabGlyph::ErrorPage; }, kWait));
    EXPECT_EQ(page(0)->state(), CWebBrowser2::Error);
    EXPECT_EQ(glyphs.first(), TabGlyph::Loading);
    EXPECT_EQ(glyphs.last(), TabGlyph::ErrorPage);

    host->OpenInCurrentPage(server.url(QStringLiteral("/target")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->tabImage() == TabGlyph::LoadedActive; }, kWait));
    EXPECT_EQ(page(0)->state(), CWebBrowser2::Normal);
    EXPECT_EQ(frame.title, QStringLiteral("Target page"));
    EXPECT_EQ(frame.address, server.url(QStringLiteral("/target")));
    // The progress pane goes once the load is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.progress.second == 0; }, kWait));
}

TEST_F(PagesEngineTest, ALocalPipeIsNotLoadedAndNothingWaitsForIt)
{
    // A pipe named like a page would keep the engine, and the program's end,
    // waiting for a writer that never comes.
    const QString fifo = freshProfileDir() + QStringLiteral("/page.html");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    openFirst(QStringLiteral("/target"));
    host->OpenInCurrentPage(QUrl::fromLocalFile(fifo).toString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->state() == CWebBrowser2::Error; }, kWait));
    EXPECT_EQ(page(0)->tabImage(), TabGlyph::ErrorPage);
    // The next address loads as usual.
    host->OpenInCurrentPage(server.url(QStringLiteral("/target")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return page(0)->state() == CWebBrowser2::Normal; }, kWait));
}

TEST_F(PagesEngineTest, AnInnerFrameLoadingLeavesThePageLoaded)
{
    server.route(QStringLiteral("/outer"),
                 html(QStringLiteral("Outer"), QStringLiteral("<iframe id=f src='/target'></iframe>")));
    openFirst(QStringLiteral("/outer"));
    int topStarts = 0;
    QObject::connect(control(0), &BrowserControl::beforeNavigate2, control(0), [&](BrowserControl::Frame f) {
        if (f == BrowserControl::Frame::Top)
            ++topStarts;
    });
    server.route(QStringLiteral("/inner"), html(QStringLiteral("Inner"), QStringLiteral("<p>inner</p>")));
    run(0, QStringLiteral("document.getElementById('f').src = '/inner'"));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/inner")));
    QTest::qWait(300);
    EXPECT_EQ(topStarts, 0);
    EXPECT_FALSE(page(0)->isLoading());
    EXPECT_EQ(page(0)->tabImage(), TabGlyph::LoadedActive);
    EXPECT_EQ(page(0)->tabLabel(), QStringLiteral("Outer"));
}

TEST_F(PagesEngineTest, HoveringALinkShowsItsAddressInTheStatusBar)
{
    switches.NostatusText = true; // addresses still pass
    server.route(QStringLiteral("/links"),
                 html(QStringLiteral("Links"), QStringLiteral("<a id=go href='/target'>Go somewhere</a>")));
    openFirst(QStringLiteral("/links"));
    const QPoint at = centreOf(0, QStringLiteral("#go"));
    QTest::mouseMove(surface(0), at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.statusTexts.contains(server.url(QStringLiteral("/target"))); },
                                kWait));
    // Off the link, the address goes.
    QTest::mouseMove(surface(0), at + QPoint(0, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.statusTexts.last().isEmpty(); }, kWait));
}

TEST_F(PagesEngineTest, NoScriptIsWrittenAtOnceAndTurnsScriptsOff)
{
    server.route(QStringLiteral("/scripted"),
                 html(QStringLiteral("Static title"),
                      QStringLiteral("<script>document.title = 'Script ran'</script><p>text</p>")));
    openFirst(QStringLiteral("/scripted"));
    EXPECT_EQ(page(0)->title(), QStringLiteral("Script ran"));

    host->toggleContentSwitch(cmd::NoScript);
    EXPECT_EQ(settings.read(settings::NoScript), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page(0)->title() == QStringLiteral("Static title"); }, kWait));
    QTest::qWait(300);
    EXPECT_EQ(page(0)->title(), QStringLiteral("Static title"));
}

} // namespace
