// The update check and the about box, against a version file on loopback.
#include "core/BuildInfo.h"
#include "core/BuildNumber.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "net/VersionCommands.h"
#include "platform/RegistryStore.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageHost.h"
#include "ui/CAboutDlg.h"

#include "FrameFixture.h"
#include "LoopbackHttpServer.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedProxyCredentials.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

#include <gtest/gtest.h>

#include <limits>
#include <sqlite3.h>

namespace {

TEST(BuildNumber, LeadingDigitsCountAndNothingWraps)
{
    constexpr qint32 kLargest = std::numeric_limits<qint32>::max();
    const struct { const char *text; qint32 value; } rows[] = {
        {"2002091901", 2002091901},
        {"2002100801\r\n", 2002100801},
        {"  42 and more", 42},
        {"7b", 7},
        {"", 0},
        {"none", 0},
        {"-5", 0},
        {"2147483647", kLargest},
        {"2147483648", kLargest},
        {"4294967297", kLargest},
        {"99999999999999999999999", kLargest},
    };
    for (const auto &row : rows)
        EXPECT_EQ(BuildNumber::value(QString::fromLatin1(row.text)), row.value) << row.text;
}

TEST(BuildNumber, DateTextCutsFourTwoAndTwoCharacters)
{
    EXPECT_EQ(BuildNumber::dateText(u"2002091901"), QStringLiteral("2002, 09, 19"));
    EXPECT_EQ(BuildNumber::dateText(u"2002100801"), QStringLiteral("2002, 10, 08"));
    EXPECT_EQ(BuildNumber::dateText(u"????,??,??"), QStringLiteral("????, ,?, ?,"));
    EXPECT_EQ(BuildNumber::dateText(u"200"), QStringLiteral("200, , "));
}

class VersionCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
        addresses.versionFile = server.url(QStringLiteral("/version.txt"));
    }

    VersionCommands &commands()
    {
        if (!m_commands) {
            m_commands = std::make_unique<VersionCommands>(VersionParts{
                nullptr, settings, messages, addresses, credentials,
                [this](const QString &address) { opened << address; }});
        }
        return *m_commands;
    }

    // Runs the update check to its end.
    void check()
    {
        QSignalSpy finished(&commands(), &VersionCommands::checkFinished);
        ASSERT_TRUE(commands().handle(cmd::CheckNewVersion));
        ASSERT_TRUE(finished.wait(30000));
    }
    void publish(const QByteArray &body) { server.route(QStringLiteral("/version.txt"), body, "text/plain"); }
    void store(const QString &build) { ASSERT_TRUE(settings.write(settings::build, build)); }

    QString failure() const { return QStringLiteral("Connect to 127.0.0.1:%1 failed!\n尝试过后请...").arg(server.port()); }
    const QString upToDate = QStringLiteral("你现在使用的 Vesperal 浏览器是最新的版本。");
    static QString question(const char *date)
    {
        return QStringLiteral("新的版本已经被发布在%1\n你是否要下传新版本的 Vesperal 浏览器?").arg(QLatin1String(date));
    }

    RegistryStore registry;
    SettingsStore settings{registry};
    RecordingMessageBoxes messages;
    LoopbackHttpServer server;
    MakerAddresses addresses = MakerAddresses::defaults();
    std::shared_ptr<ScriptedProxyCredentials> credentials = std::make_shared<ScriptedProxyCredentials>();
    QStringList opened;
    std::unique_ptr<VersionCommands> m_commands;
};

TEST_F(VersionCommandsTest, EachPublishedAndStoredBuildGetsItsAnswer)
{
    const struct {
        const char *published;
        const char *stored; // nullptr: never stored
        const char *newerOn; // the date the question names; nullptr: up to date
    } rows[] = {
        {"2002091901", "2002091901", nullptr},
        {"2002100801\r\n", "2002091901", "2002, 10, 08"},
        {"2002091801", "2002091901", nullptr},
        {"1", nullptr, "1, , "},
        {"2002091901 build notes", "", "2002, 09, 19"},
        {"no digits here", "2002091901", nullptr},
        {"no digits here", "", nullptr},
        // Beyond 32 bits: the largest number, never a negative one.
        {"2147483648", "2002091901", "2147, 48, 36"},
        {"99999999999", "2002091901", "9999, 99, 99"},
        {"99999999999", "4294967297", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.published) + " over " + (row.stored ? row.stored : "(none)"));
        if (row.stored)
            store(QString::fromLatin1(row.stored));
        else
            settings.registry().deleteValue(Hive::CurrentUser, settings.keyOf(QStringLiteral("version")),
                                            QStringLiteral("build"));
        publish(row.published);
        messages.told.clear();
        messages.asked.clear();
        messages.answers = {false};
        check();
        if (row.newerOn) {
            EXPECT_EQ(messages.asked, QStringList{question(row.newerOn)});
            EXPECT_TRUE(messages.told.isEmpty());
        } else {
            EXPECT_EQ(messages.told, QStringList{upToDate});
            EXPECT_TRUE(messages.asked.isEmpty());
        }
        // The check only reads the stored build.
        EXPECT_EQ(settings.read(settings::build), row.stored ? QString::fromLatin1(row.stored) : QString());
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(VersionCommandsTest, YesOpensTheDownloadPage)
{
    store(QStringLiteral("2002091901"));
    publish("2002100801");
    messages.answers = {true};
    check();
    EXPECT_EQ(opened, QStringList{addresses.download});
}

TEST_F(VersionCommandsTest, AnErrorStatusOrNoConnectionIsTheConnectionFailure)
{
    store(QStringLiteral("2002091901"));
    server.route(QStringLiteral("/version.txt"), "2002100801", "text/plain", 500);
    check();
    EXPECT_EQ(messages.told, QStringList{failure()});

    // Not even a redirect to the newest file is followed.
    messages.told.clear();
    server.rawRoute(QStringLiteral("/version.txt"),
                    "HTTP/1.1 301 Moved\r\nLocation: /v2.txt\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    server.route(QStringLiteral("/v2.txt"), "2002100801", "text/plain");
    check();
    EXPECT_EQ(messages.told, QStringList{failure()});

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    addresses.versionFile = QStringLiteral("http://127.0.0.1:%1/version.txt").arg(closed.serverPort());
    closed.close();
    m_commands.reset();
    messages.told.clear();
    check();
    EXPECT_EQ(messages.told,
              QStringList{QStringLiteral("Connect to 127.0.0.1:%1 failed!\n尝试过后请...").arg(QUrl(addresses.versionFile).port())});
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(settings.read(settings::build), QStringLiteral("2002091901"));
}

TEST_F(VersionCommandsTest, TheWaitCursorShowsWhileTheCheckRunsAndItRunsOnceAtATime)
{
    publish("2002091901");
    QSignalSpy finished(&commands(), &VersionCommands::checkFinished);
    ASSERT_TRUE(commands().handle(cmd::CheckNewVersion));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(commands().isEnabled(cmd::CheckNewVersion));
    EXPECT_TRUE(commands().isEnabled(cmd::About));
    // Given again meanwhile: nothing more happens.
    EXPECT_TRUE(commands().handle(cmd::CheckNewVersion));
    ASSERT_TRUE(finished.wait(30000));
    QTest::qWait(100);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(commands().isEnabled(cmd::CheckNewVersion));
}

TEST_F(VersionCommandsTest, AProxyThatAsksForCredentialsGetsTheUsers)
{
    LoopbackHttpServer proxy;
    proxy.route(QStringLiteral("/version.txt"), "2002091901", "text/plain");
    proxy.requireProxyLogin(QStringLiteral("ann"), QStringLiteral("secret"));
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port()));
    addresses.versionFile = QStringLiteral("http://update.vesperal.test/version.txt");
    store(QStringLiteral("2002091901"));
    credentials->answers = {ProxyLogin{QStringLiteral("ann"), QStringLiteral("secret"), false}};
    check();
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    EXPECT_EQ(messages.told, QStringList{upToDate});

    // Not to be remembered: the next check asks again, and the user
    // cancels this time: the connection failure.
    messages.told.clear();
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port()));
    check();
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    EXPECT_EQ(credentials->askedHosts.size(), 2);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("Connect to update.vesperal.test failed!\n尝试过后请...")});
}

TEST_F(VersionCommandsTest, TheAboutBoxTellsVersionDateEngineAddressAndCredits)
{
    store(QStringLiteral("2002091901"));
    addresses.supportMail = QStringLiteral("help@maker.example");
    QString title, product, date, engine, mail, credits;
    bool readOnly = false;
    commands().setAboutRunner([&](CAboutDlg &dialog) {
        title = dialog.windowTitle();
        product = dialog.productLine()->text();
        date = dialog.releaseDateLabel()->text();
        engine = dialog.engineLabel()->text();
        mail = dialog.mailLink()->text();
        credits = dialog.creditsField()->toPlainText();
        readOnly = dialog.creditsField()->isReadOnly();
    });
    EXPECT_TRUE(commands().handle(cmd::About));
    EXPECT_EQ(title, QStringLiteral("关于 Vesperal 浏览器"));
    EXPECT_EQ(product, QStringLiteral("Vesperal 浏览器版本 ") + QLatin1String(kVersion));
    EXPECT_EQ(date, QStringLiteral("2002, 09, 19"));
    EXPECT_EQ(engine, QStringLiteral("%1 (Chromium %2)")
                          .arg(QLatin1String(qWebEngineVersion()), QLatin1String(qWebEngineChromiumVersion())));
    EXPECT_TRUE(mail.contains(QStringLiteral("href=\"mailto:help@maker.example\">help@maker.example<"))) << mail.toStdString();
    EXPECT_TRUE(readOnly);
    for (const char *part : {qVersion(), qWebEngineVersion(), qWebEngineChromiumVersion(), sqlite3_libversion()})
        EXPECT_TRUE(credits.contains(QLatin1String(part))) << part;

    // No build stored: the placeholder, cut the same way.
    settings.registry().deleteValue(Hive::CurrentUser, settings.keyOf(QStringLiteral("version")),
                                    QStringLiteral("build"));
    EXPECT_TRUE(commands().handle(cmd::About));
    EXPECT_EQ(date, QStringLiteral("????, ,?, ?,"));
}

TEST_F(VersionCommandsTest, TheAboutBoxClosesWithItsButton)
{
    bool shown = false;
    int result = -1;
    commands().setAboutRunner([&](CAboutDlg &dialog) {
        dialog.show();
        shown = QTest::qWaitForWindowExposed(&dialog);
        auto *ok = dialog.findChild<QDialogButtonBox *>()->buttons().value(0);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), QStringLiteral("确定"));
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          ok->mapTo(&dialog, ok->rect().center()));
        result = dialog.result();
        EXPECT_FALSE(dialog.isVisible());
    });
    commands().handle(cmd::About);
    EXPECT_TRUE(shown);
    EXPECT_EQ(result, QDialog::Accepted);
}

using UpdateCheckFrameTest = FrameFixture;

TEST_F(UpdateCheckFrameTest, TheHelpMenuChecksAndYesLoadsTheDownloadPageInTheBlankPage)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/version.txt"), "2002100801", "text/plain");
    addresses.versionFile = server.url(QStringLiteral("/version.txt"));
    ASSERT_TRUE(settings.write(settings::build, QStringLiteral("2002091901")));
    ASSERT_EQ(host().list().count(), 1);

    key(Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
    key(Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.asked.isEmpty(); }, 30000));
    EXPECT_EQ(messages.asked,
              QStringList{QStringLiteral("新的版本已经被发布在2002, 10, 08\n你是否要下传新版本的 Vesperal 浏览器?")});
    // The blank Page at the front took the download page.
    ASSERT_EQ(host().list().count(), 1);
    EXPECT_EQ(host().list().at(0)->address(), addresses.download);
}

} // namespace
