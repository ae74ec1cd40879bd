// Pages on the real engine behind a proxy that asks for credentials: the
// same credentials dialog as the program's own fetches, answered here.
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "ScriptedProxyCredentials.h"
#include "TestEnvironment.h"

#include <QNetworkProxy>
#include <QWebEngineProfile>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A host only the loopback proxy knows; loopback addresses never go through a proxy.
const QString kFarPage = QStringLiteral("http://far.vesperal.test/page");

class ProxyLoginEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        proxy.page(QStringLiteral("/page"), QStringLiteral("Through the proxy"));
        proxy.requireProxyLogin(QStringLiteral("ann"), QStringLiteral("secret"), QStringLiteral("office"));
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port()));
        profile = new QWebEngineProfile; // off the record: no credentials kept from before
        window.resize(640, 480);
        control = std::make_unique<EngineControl>(profile, &window, credentials);
        window.show();
    }
    void TearDown() override
    {
        control.reset();
        delete profile;
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    }

    LoopbackHttpServer proxy;
    std::shared_ptr<ScriptedProxyCredentials> credentials = std::make_shared<ScriptedProxyCredentials>();
    QWebEngineProfile *profile = nullptr;
    QWidget window;
    std::unique_ptr<EngineControl> control;
};

TEST_F(ProxyLoginEngineTest, ThePageLoadsWithTheUsersAnswer)
{
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("guess"), false},
                            ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), false}};
    control->navigate(kFarPage);
    ASSERT_TRUE(waitForLoad(control->page()));
    EXPECT_EQ(control->page()->title(), QStringLiteral("Through the proxy"));
    // The wrong password was asked for again, with the user filled in.
    EXPECT_EQ(credentials->askedHosts, (QStringList{QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")}));
    EXPECT_EQ(credentials->shownUsers.value(1), QStringLiteral("ann"));
    EXPECT_EQ(proxy.requests().count(kFarPage), 1);
}

TEST_F(ProxyLoginEngineTest, CancellingGivesTheLoadUp)
{
    control->navigate(kFarPage);
    QSignalSpy finished(control->page(), &QWebEnginePage::loadFinished);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(credentials->askedHosts.size(), 1);
    EXPECT_NE(control->page()->title(), QStringLiteral("Through the proxy"));
    EXPECT_TRUE(proxy.requests().isEmpty());
}

} // namespace
