// The program's own HTTP fetches against servers and a proxy on loopback.
#include "core/SettingsStore.h"
#include "net/HttpFetcher.h"
#include "platform/RegistryStore.h"

#include "LoopbackHttpServer.h"
#include "ScriptedProxyCredentials.h"
#include "TestEnvironment.h"

#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A host that only the loopback proxy knows: the session never reaches
// loopback addresses through a proxy.
const QString kFarHost = QStringLiteral("http://update.vesperal.test");

class HttpFetcherTest : public ::testing::Test
{
protected:
    void SetUp() override { registry.open(freshProfileDir() + QStringLiteral("/registry.db")); }
    void TearDown() override { QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy)); }

    HttpResult fetch(HttpFetcher &fetcher, HttpRequest request)
    {
        std::optional<HttpResult> result;
        fetcher.fetch(request, [&](const HttpResult &r) { result = r; });
        // Far longer than any limit: a fetch that never ends fails here.
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 30000)) << request.url.toString().toStdString();
        return result.value_or(HttpResult{});
    }
    HttpResult fetch(HttpRequest request) { return fetch(fetcher, std::move(request)); }
    HttpRequest get(const QString &path) { return {QUrl(server.url(path))}; }
    void throughProxy(const LoopbackHttpServer &proxy)
    {
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port()));
    }

    RegistryStore registry;
    SettingsStore settings{registry};
    std::shared_ptr<ScriptedProxyCredentials> credentials = std::make_shared<ScriptedProxyCredentials>();
    HttpFetcher fetcher{settings, credentials, nullptr};
    LoopbackHttpServer server;
};

TEST_F(HttpFetcherTest, AServerErrorIsAnAnswerWithItsStatusAndBody)
{
    server.route(QStringLiteral("/broken"), "it broke", "text/plain", 500);
    const HttpResult result = fetch(get(QStringLiteral("/broken")));
    EXPECT_EQ(result.status, 500);
    EXPECT_EQ(result.body, QByteArray("it broke"));
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_FALSE(result.ok());
}

TEST_F(HttpFetcherTest, A2xxBodyArrivesByteForByteWhateverItHolds)
{
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += char((i * 7919) % 256);
    server.route(QStringLiteral("/garbage"), garbage, "application/octet-stream", 203);
    const HttpResult result = fetch(get(QStringLiteral("/garbage")));
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.status, 203);
    EXPECT_EQ(result.body, garbage);
    EXPECT_EQ(result.header("content-type"), QByteArray("application/octet-stream"));
}

TEST_F(HttpFetcherTest, AnAnswerThatIsNoHttpIsAFailureWithoutStatus)
{
    server.rawRoute(QStringLiteral("/noise"), QByteArray("\x01\x02 garbage, not a status line\r\n\r\n\xff\xfe"));
    const HttpResult result = fetch(get(QStringLiteral("/noise")));
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(result.ok());
}

TEST_F(HttpFetcherTest, ABodyOverTheLimitEndsTheFetchAsAFailure)
{
    const QByteArray big(20 * 1024 * 1024, 'x');
    // Announced with its length, and sent until the connection closes.
    server.route(QStringLiteral("/announced"), big, "text/plain");
    server.rawRoute(QStringLiteral("/unannounced"), "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + big);
    for (const QString &path : {QStringLiteral("/announced"), QStringLiteral("/unannounced")}) {
        const HttpResult result = fetch(get(path));
        EXPECT_FALSE(result.ok()) << path.toStdString();
        EXPECT_FALSE(result.error.isEmpty()) << path.toStdString();
        EXPECT_TRUE(result.body.isEmpty()) << path.toStdString();
    }
    // A body of exactly the limit is still whole.
    const QByteArray full(HttpFetcher::kBodyLimit, 'y');
    server.rawRoute(QStringLiteral("/full"), "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + full);
    const HttpResult result = fetch(get(QStringLiteral("/full")));
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.body.size(), HttpFetcher::kBodyLimit);
}

TEST_F(HttpFetcherTest, AServerThatNeverAnswersEndsAtTheTimeLimit)
{
    ASSERT_TRUE(settings.write(settings::fetchTimeLimit, 1));
    server.silent(QStringLiteral("/never"));
    const HttpResult result = fetch(get(QStringLiteral("/never")));
    EXPECT_EQ(server.requests(), QStringList{QStringLiteral("/never")});
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(fetcher.running(), 0);
}

TEST_F(HttpFetcherTest, NoConnectionIsStatusZero)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    const HttpResult result = fetch({QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(port))});
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST_F(HttpFetcherTest, OnlyWebAddressesAreFetchedAndTheAnswerNeverComesAtOnce)
{
    for (const QString &address : {QStringLiteral("ftp://127.0.0.1/x"), QStringLiteral("file:///etc/hostname"),
                                   QStringLiteral("not an address")}) {
        bool called = false;
        HttpResult result;
        fetcher.fetch({QUrl(address)}, [&](const HttpResult &r) {
            called = true;
            result = r;
        });
        EXPECT_FALSE(called) << address.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return called; }, 5000)) << address.toStdString();
        EXPECT_EQ(result.status, 0);
        EXPECT_FALSE(result.error.isEmpty());
    }
}

TEST_F(HttpFetcherTest, HeadGivesStatusAndHeadersWithoutBody)
{
    server.route(QStringLiteral("/page"), "0123456789", "text/plain");
    const HttpResult result = fetch({QUrl(server.url(QStringLiteral("/page"))), HttpRequest::Method::Head});
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.header("Content-Length"), QByteArray("10"));
    EXPECT_TRUE(result.body.isEmpty());
}

TEST_F(HttpFetcherTest, ARedirectIsTheAnswerUnlessTheCallerAsksToFollowIt)
{
    server.rawRoute(QStringLiteral("/moved"),
                    "HTTP/1.1 302 Found\r\nLocation: /target\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    server.route(QStringLiteral("/target"), "arrived", "text/plain");

    const HttpResult kept = fetch(get(QStringLiteral("/moved")));
    EXPECT_EQ(kept.status, 302);
    EXPECT_EQ(kept.header("Location"), QByteArray("/target"));
    EXPECT_FALSE(kept.ok());
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/target")));

    HttpRequest follow = get(QStringLiteral("/moved"));
    follow.followRedirects = true;
    const HttpResult followed = fetch(follow);
    EXPECT_EQ(followed.status, 200);
    EXPECT_EQ(followed.body, QByteArray("arrived"));
}

TEST_F(HttpFetcherTest, EachFetchGoesThroughTheProxySetWhenItStarts)
{
    LoopbackHttpServer first;
    LoopbackHttpServer second;
    first.route(QStringLiteral("/v"), "from the first", "text/plain");
    second.route(QStringLiteral("/v"), "from the second", "text/plain");
    const HttpRequest request{QUrl(kFarHost + QStringLiteral("/v"))};

    throughProxy(first);
    EXPECT_EQ(fetch(request).body, QByteArray("from the first"));
    throughProxy(second);
    EXPECT_EQ(fetch(request).body, QByteArray("from the second"));
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    EXPECT_EQ(fetch(request).status, 0); // the far host itself does not exist
    EXPECT_EQ(first.requests().size(), 1);
    EXPECT_EQ(second.requests().size(), 1);
}

class ProxyLoginTest : public HttpFetcherTest
{
protected:
    void SetUp() override
    {
        HttpFetcherTest::SetUp();
        proxy.route(QStringLiteral("/version.txt"), "2002100801", "text/plain");
        proxy.requireProxyLogin(QStringLiteral("ann"), QStringLiteral("secret"), QStringLiteral("office"));
        throughProxy(proxy);
    }
    const HttpRequest request{QUrl(kFarHost + QStringLiteral("/version.txt"))};
    LoopbackHttpServer proxy;
};

TEST_F(ProxyLoginTest, TheUsersAnswerIsSentAndTheRequestGoesOn)
{
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), false}};
    const HttpResult result = fetch(request);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.body, QByteArray("2002100801"));
    EXPECT_EQ(credentials->askedHosts, QStringList{QStringLiteral("127.0.0.1")});
    EXPECT_EQ(proxy.proxyDemands(), 1);
    EXPECT_EQ(proxy.requests(), QStringList{request.url.toString()});
}

TEST_F(ProxyLoginTest, CancellingEndsTheFetchAsAFailure)
{
    const HttpResult result = fetch(request);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(result.body.isEmpty());
    EXPECT_EQ(credentials->askedHosts.size(), 1);
    EXPECT_TRUE(proxy.requests().isEmpty());
}

TEST_F(ProxyLoginTest, AWrongAnswerIsAskedAgainWithTheUserFilledIn)
{
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("guess"), false},
                            ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), false}};
    const HttpResult result = fetch(request);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(credentials->shownUsers, (QStringList{QString(), QStringLiteral("ann")}));
    EXPECT_EQ(proxy.proxyDemands(), 2);
}

TEST_F(ProxyLoginTest, TheTimeLimitWaitsWhileTheUserAnswers)
{
    ASSERT_TRUE(settings.write(settings::fetchTimeLimit, 1));
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), false}};
    // The user takes longer than the whole limit to answer.
    credentials->whileAsked = [] { QTest::qWait(1500); };
    const HttpResult result = fetch(request);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
}

TEST_F(ProxyLoginTest, ARememberedAnswerServesLaterFetchesUntilItFails)
{
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), true}};
    EXPECT_TRUE(fetch(request).ok());
    EXPECT_TRUE(credentials->remembers(QStringLiteral("127.0.0.1")));

    // Another fetcher, as another part of the program has, asks nobody.
    HttpFetcher later(settings, credentials, nullptr);
    EXPECT_TRUE(fetch(later, request).ok());
    EXPECT_EQ(credentials->askedHosts.size(), 1);

    // The proxy changes its password: the user is asked again.
    proxy.requireProxyLogin(QStringLiteral("ann"), QStringLiteral("new"), QStringLiteral("office"));
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("new"), false}};
    HttpFetcher third(settings, credentials, nullptr);
    EXPECT_TRUE(fetch(third, request).ok());
    EXPECT_EQ(credentials->askedHosts.size(), 2);
    EXPECT_FALSE(credentials->remembers(QStringLiteral("127.0.0.1")));
}

TEST_F(ProxyLoginTest, AFetcherGoneWhileTheUserIsAskedCallsNobody)
{
    auto *owned = new HttpFetcher(settings, credentials, nullptr);
    QPointer<HttpFetcher> gone(owned);
    bool called = false;
    credentials->whileAsked = [&] { delete owned; };
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), false}};
    owned->fetch(request, [&](const HttpResult &) { called = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return gone.isNull(); }, 10000));
    QTest::qWait(200);
    EXPECT_FALSE(called);
}

} // namespace
