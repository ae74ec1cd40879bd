// The privacy cleaner against the real engine: the cookies, what the sites
// stored and the cache it clears, now and after the program starts again.
#include "app/Application.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CTMain.h"
#include "pages/CWebBrowser2.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray html(const QByteArray &script)
{
    return "<!doctype html><html><head><title>loading</title><script>" + script
           + "</script></head><body></body></html>";
}

// A whole response, for headers the server's plain routes do not send.
QByteArray response(const QByteArray &headers, const QByteArray &type, const QByteArray &body)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\n" + headers + "Content-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

class CleanEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = freshProfileDir();
        {
            RegistryStore registry;
            registry.open(profile + QStringLiteral("/registry.db"));
            SettingsStore settings(registry);
            // The clean dialog at close would wait for an answer.
            ASSERT_TRUE(settings.write(settings::cleanShow, 0));
            // A start opens only the page it is given: a page reopened from
            // the last session would store its data again.
            ASSERT_TRUE(settings.write(settings::startuptype, static_cast<int>(settings::StartupType::Blank)));
        }
        // Each page tells what it found in its title.
        const QByteArray reportCookie = "document.title = 'cookie[' + document.cookie + ']';";
        server.rawRoute(QStringLiteral("/set-cookie"),
                        response("Set-Cookie: kept=yes; Max-Age=86400; Path=/\r\n", "text/html", html(reportCookie)));
        server.route(QStringLiteral("/cookie"), html(reportCookie));
        // Local storage and a database; the title comes when both are done.
        const QByteArray openDatabase = "var open = indexedDB.open('box', 1);"
                                        "open.onupgradeneeded = function() { open.result.createObjectStore('s'); };";
        server.route(QStringLiteral("/store-write"),
                     html("localStorage.setItem('kept', 'yes');" + openDatabase
                          + "open.onsuccess = function() {"
                            "  var put = open.result.transaction('s', 'readwrite');"
                            "  put.objectStore('s').put('yes', 'kept');"
                            "  put.oncomplete = function() { document.title = 'written'; };"
                            "};"));
        server.route(QStringLiteral("/store-read"),
                     html(openDatabase
                          + "open.onsuccess = function() {"
                            "  var get = open.result.transaction('s').objectStore('s').get('kept');"
                            "  get.onsuccess = function() {"
                            "    document.title = 'stored[' + (localStorage.getItem('kept') || '') + ']'"
                            "                   + ' database[' + (get.result || '') + ']';"
                            "  };"
                            "};"));
        server.route(QStringLiteral("/with-script"),
                     "<!doctype html><html><head><title>loading</title><script src=\"/cached.js\"></script>"
                     "</head><body></body></html>");
        server.rawRoute(QStringLiteral("/cached.js"),
                        response("Cache-Control: max-age=3600\r\n", "text/javascript",
                                 "document.title = 'script ran';"));
    }

    std::unique_ptr<Application> start(const QString &path)
    {
        CommandLine line;
        line.profile = profile;
        line.argument = server.url(path);
        auto app = std::make_unique<Application>(line, messages);
        EXPECT_TRUE(app->start());
        return app;
    }

    static QWebEnginePage *page(Application &app)
    {
        return static_cast<EngineControl *>(app.frame()->pageHost()->activePage()->control())->page();
    }

    // The title the page gave itself, once its load is over.
    static QString titleOnceLoaded(QWebEnginePage *page)
    {
        if (!waitForLoad(page))
            return QStringLiteral("(load failed)");
        // The title comes with the load or just after it.
        if (!QTest::qWaitFor([page] { return page->title() != QLatin1String("loading"); }, 5000))
            return QStringLiteral("(no title)");
        return page->title();
    }

    // Loads the path in the active Page and gives the title it ends with.
    QString visit(Application &app, const QString &path)
    {
        QWebEnginePage *active = page(app);
        // A title from before must not pass for this load's.
        active->setHtml(QStringLiteral("<title>blank</title>"));
        if (!waitForLoad(active))
            return QStringLiteral("(blank failed)");
        active->load(QUrl(server.url(path)));
        return titleOnceLoaded(active);
    }

    int requestsFor(const QString &path) const { return server.requests().count(path); }

    QString profile;
    LoopbackHttpServer server;
    RecordingMessageBoxes messages;
};

TEST_F(CleanEngineTest, ClearedCookiesAreGoneAtOnceAndAfterTheNextStart)
{
    auto app = start(QStringLiteral("/set-cookie"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("cookie[kept=yes]"));
    ASSERT_EQ(visit(*app, QStringLiteral("/cookie")), QStringLiteral("cookie[kept=yes]"));

    ASSERT_TRUE(app->frame()->runCommand(cmd::CleanCookies));
    EXPECT_EQ(visit(*app, QStringLiteral("/cookie")), QStringLiteral("cookie[]"));
    app.reset();

    app = start(QStringLiteral("/cookie"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("cookie[]"));
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(u'|').toStdString();
}

TEST_F(CleanEngineTest, CookiesClearedJustBeforeClosingAreGoneAtTheNextStart)
{
    auto app = start(QStringLiteral("/set-cookie"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("cookie[kept=yes]"));
    // As the clean dialog at close does: the engine may not have written the deletion yet.
    ASSERT_TRUE(app->frame()->runCommand(cmd::CleanCookies));
    app.reset();

    app = start(QStringLiteral("/cookie"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("cookie[]"));
}

TEST_F(CleanEngineTest, APersistentCookieOutlivesARestartWhenNotCleared)
{
    auto app = start(QStringLiteral("/set-cookie"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("cookie[kept=yes]"));
    app.reset();

    app = start(QStringLiteral("/cookie"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("cookie[kept=yes]"));
}

TEST_F(CleanEngineTest, ClearedSiteStorageIsGoneAfterTheNextStart)
{
    auto app = start(QStringLiteral("/store-write"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("written"));
    ASSERT_EQ(visit(*app, QStringLiteral("/store-read")), QStringLiteral("stored[yes] database[yes]"));
    ASSERT_TRUE(app->frame()->runCommand(cmd::CleanCookies));
    app.reset();

    app = start(QStringLiteral("/store-read"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("stored[] database[]"));
    // Done once: the start after does not sweep again.
    EXPECT_EQ(app->settings().read(settings::cleanEngineSweep), 0);
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(u'|').toStdString();
}

TEST_F(CleanEngineTest, SiteStorageOutlivesARestartWhenNotCleared)
{
    auto app = start(QStringLiteral("/store-write"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("written"));
    app.reset();

    app = start(QStringLiteral("/store-read"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("stored[yes] database[yes]"));
}

TEST_F(CleanEngineTest, AClearedCacheFetchesTheResourceAgain)
{
    auto app = start(QStringLiteral("/with-script"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("script ran"));
    ASSERT_EQ(requestsFor(QStringLiteral("/cached.js")), 1);
    // Fresh for an hour: the next load takes it from the cache.
    ASSERT_EQ(visit(*app, QStringLiteral("/with-script")), QStringLiteral("script ran"));
    ASSERT_EQ(requestsFor(QStringLiteral("/cached.js")), 1);

    ASSERT_TRUE(app->frame()->runCommand(cmd::CleanCache));
    EXPECT_EQ(visit(*app, QStringLiteral("/with-script")), QStringLiteral("script ran"));
    EXPECT_EQ(requestsFor(QStringLiteral("/cached.js")), 2);
    // Cached again since; the cache folder goes at the next start.
    app.reset();

    app = start(QStringLiteral("/with-script"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("script ran"));
    EXPECT_EQ(requestsFor(QStringLiteral("/cached.js")), 3);
}

TEST_F(CleanEngineTest, ACachedResourceOutlivesARestartWhenNotCleared)
{
    auto app = start(QStringLiteral("/with-script"));
    ASSERT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("script ran"));
    app.reset();

    app = start(QStringLiteral("/with-script"));
    EXPECT_EQ(titleOnceLoaded(page(*app)), QStringLiteral("script ran"));
    EXPECT_EQ(requestsFor(QStringLiteral("/cached.js")), 1);
}

} // namespace
