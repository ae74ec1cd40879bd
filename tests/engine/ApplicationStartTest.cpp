// The whole start and shutdown of the program, in this process, with the
// real engine and a recording stand-in for message boxes.
#include "app/Application.h"
#include "core/FrameCommandIds.h"
#include "core/Language.h"
#include "frame/CTMain.h"
#include "pages/CWebBrowser2.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"
#include "platform/SingleInstance.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QNetworkProxy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

namespace {

const QString kApp = QStringLiteral("Software\\Larkspurware\\Vesperal");

class ApplicationStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = freshProfileDir();
        server.page(QStringLiteral("/first"), QStringLiteral("First page"));
        server.page(QStringLiteral("/second"), QStringLiteral("Second page"));
    }

    // Writes to the profile's store before the program opens it.
    void preset(const QString &section, const QString &name, const RegValue &value)
    {
        RegistryStore store;
        store.open(profile + QStringLiteral("/registry.db"));
        ASSERT_TRUE(store.createAndSetValue(Hive::CurrentUser, kApp + QLatin1Char('\\') + section, name, value));
    }

    std::unique_ptr<Application> start(const QString &argument)
    {
        CommandLine line;
        line.profile = profile;
        line.argument = argument;
        auto app = std::make_unique<Application>(line, messages);
        EXPECT_TRUE(app->start());
        return app;
    }

    QWebEnginePage *page(Application &app)
    {
        auto *control = static_cast<EngineControl *>(app.frame()->pageHost()->activePage()->control());
        return control->page();
    }

    QString profile;
    LoopbackHttpServer server;
    RecordingMessageBoxes messages;
};

TEST_F(ApplicationStartTest, AFirstStartOpensTheAddressAndWritesOnlyWhatItMust)
{
    auto app = start(server.url(QStringLiteral("/first")));
    ASSERT_TRUE(waitForLoad(page(*app)));
    EXPECT_EQ(app->frame()->windowTitle(), QStringLiteral("First page - Vesperal Browser"));
    EXPECT_TRUE(messages.told.isEmpty()) << messages.told.join(QLatin1Char('|')).toStdString();

    // Engine storage lives in the profile; the data folder was seeded there.
    EXPECT_TRUE(page(*app)->profile()->persistentStoragePath().startsWith(profile));
    EXPECT_TRUE(page(*app)->profile()->cachePath().startsWith(profile));
    EXPECT_FALSE(page(*app)->profile()->isOffTheRecord());
    EXPECT_TRUE(QFile::exists(profile + QStringLiteral("/data/logo.gif")));
    EXPECT_TRUE(QFile::exists(profile + QStringLiteral("/data/TabSelect.wav")));

    // The clean dialog comes up at close; cancelled, it stores nothing.
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            asked = true;
            dialog->close();
        }
    });
    app->frame()->close();
    EXPECT_TRUE(asked);
    app.reset();

    RegistryStore store;
    store.open(profile + QStringLiteral("/registry.db"));
    EXPECT_EQ(store.subkeys(Hive::CurrentUser, kApp),
              (QStringList{QStringLiteral("domains"), QStringLiteral("mainframe"), QStringLiteral("navigate"),
                           QStringLiteral("option"), QStringLiteral("UISettings"), QStringLiteral("version")}));
    // The open Page for the next start, and the address bar's completion texts.
    EXPECT_EQ(store.query(Hive::CurrentUser, kApp + QStringLiteral("\\navigate"), QStringLiteral("lastvisit"))
                  .value_or(RegValue{})
                  .binary,
              server.url(QStringLiteral("/first")).toUtf8() + QByteArray("\n\0", 2));
    EXPECT_EQ(store.values(Hive::CurrentUser, kApp + QStringLiteral("\\domains")).size(), 6);
    // The bars' layout, as the window left it.
    const auto layout = store.values(Hive::CurrentUser, kApp + QStringLiteral("\\UISettings"));
    ASSERT_EQ(layout.size(), 1);
    EXPECT_EQ(layout[0].name, QStringLiteral("BarLayout"));
    EXPECT_FALSE(layout[0].value.binary.isEmpty());
    EXPECT_EQ(store.values(Hive::CurrentUser, kApp + QStringLiteral("\\option")),
              (QList<NamedValue>{{QStringLiteral("logo"), RegValue::fromText(QStringLiteral("no"))}}));
    EXPECT_EQ(store.values(Hive::CurrentUser, kApp + QStringLiteral("\\version")),
              (QList<NamedValue>{{QStringLiteral("build"), RegValue::fromText(QStringLiteral("2002091901"))}}));
    EXPECT_EQ(store.values(Hive::CurrentUser, kApp + QStringLiteral("\\mainframe")),
              (QList<NamedValue>{{QStringLiteral("bMax"), RegValue::fromDword(0)}}));
    EXPECT_EQ(store.query(Hive::CurrentUser, QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main"),
                          QStringLiteral("Disable Script Debugger"))
                  ->text,
              QStringLiteral("yes"));
    SingleInstance probe(qEnvironmentVariable("XDG_RUNTIME_DIR"), profile);
    EXPECT_FALSE(QFile::exists(probe.socketPath()));
}

TEST_F(ApplicationStartTest, ANewerStoredBuildWarnsOnceAndIsReplaced)
{
    preset(QStringLiteral("version"), QStringLiteral("build"), RegValue::fromText(QStringLiteral("2002091902")));
    preset(QStringLiteral("addresses"), QStringLiteral("download"), RegValue::fromText(server.url(QStringLiteral("/dl"))));
    preset(QStringLiteral("option"), QStringLiteral("bSilent"), RegValue::fromDword(0));
    auto app = start(QString());
    ASSERT_EQ(messages.told.size(), 1);
    EXPECT_EQ(messages.told[0], QStringLiteral("你运行的是一个低版本的 Vesperal 浏览器。\nPlease download new version from ")
                                    + server.url(QStringLiteral("/dl")));
    EXPECT_EQ(app->settings().read(settings::build), QStringLiteral("2002091901"));
    // With silent scripts off, the debugger switch is not touched.
    EXPECT_FALSE(app->settings().registry().keyExists(Hive::CurrentUser,
                                                      QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main")));
}

TEST_F(ApplicationStartTest, ADamagedStoreIsSetAsideWithOneMessageAndTheStartGoesOn)
{
    QFile junk(profile + QStringLiteral("/registry.db"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(5000, '\x01'));
    junk.close();
    auto app = start(server.url(QStringLiteral("/first")));
    ASSERT_EQ(messages.told.size(), 1);
    EXPECT_TRUE(messages.told[0].contains(QStringLiteral("registry.db.corrupt-")));
    EXPECT_TRUE(waitForLoad(page(*app)));
    EXPECT_EQ(QDir(profile).entryList({QStringLiteral("registry.db.corrupt-*")}).size(), 1);
    EXPECT_EQ(app->settings().read(settings::build), QStringLiteral("2002091901"));
}

TEST_F(ApplicationStartTest, AHandOffWhileADialogIsUpOnlyRaisesTheDialog)
{
    auto app = start(server.url(QStringLiteral("/first")));
    ASSERT_TRUE(waitForLoad(page(*app)));
    CTMain *frame = app->frame();

    QDialog dialog(frame);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_EQ(frame->receiveHandOff(server.url(QStringLiteral("/second"))), SingleInstance::Answer::Dialog);
    QTest::qWait(300);
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/second")));
    dialog.close();

    EXPECT_EQ(frame->receiveHandOff(QString()), SingleInstance::Answer::Activated);
    EXPECT_EQ(frame->receiveHandOff(server.url(QStringLiteral("/second"))), SingleInstance::Answer::Opened);
    // A new Page behind the active one (the first Page is not blank).
    PageHost *host = frame->pageHost();
    ASSERT_EQ(host->list().count(), 2);
    auto *second = static_cast<EngineControl *>(host->list().at(1)->control());
    ASSERT_TRUE(waitForLoad(second->page()));
    EXPECT_EQ(host->list().at(1)->tabLabel(), QStringLiteral("Second page"));
    EXPECT_EQ(host->list().current(), 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("First page - Vesperal Browser"));
}

TEST_F(ApplicationStartTest, TheSavedProxyCarriesTheEnginesTraffic)
{
    // The loopback server plays the proxy: it sees the full address asked for.
    preset(QStringLiteral("proxy"), QStringLiteral("Enable"), RegValue::fromDword(1));
    preset(QStringLiteral("proxy"), QStringLiteral("curProxy"),
           RegValue::fromText(QStringLiteral("127.0.0.1:%1").arg(server.port())));
    server.page(QStringLiteral("http://far.example/page"), QStringLiteral("Through the proxy"));
    auto app = start(QString());
    EXPECT_TRUE(messages.told.isEmpty());
    EXPECT_EQ(QNetworkProxy::applicationProxy().port(), server.port());
    app->frame()->openAddress(QStringLiteral("http://far.example/page"), true, true, QStringLiteral("Loading..."));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("http://far.example/page")));
}

TEST_F(ApplicationStartTest, AKeptProxyIsSetOnlyWhenItWasOn)
{
    // Chosen from the list once, never switched on.
    preset(QStringLiteral("proxy"), QStringLiteral("Enable"), RegValue::fromDword(0));
    preset(QStringLiteral("proxy"), QStringLiteral("curProxy"), RegValue::fromText(QStringLiteral("proxy.example:3128")));
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("left.over"), 1));
    auto app = start(QString());
    EXPECT_EQ(QNetworkProxy::applicationProxy().type(), QNetworkProxy::NoProxy);
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(ApplicationStartTest, AProxyThatCannotBeSetIsReported)
{
    preset(QStringLiteral("proxy"), QStringLiteral("Enable"), RegValue::fromDword(1));
    preset(QStringLiteral("proxy"), QStringLiteral("curProxy"), RegValue::fromText(QStringLiteral("no port here")));
    auto app = start(QString());
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("设定代理失败.")});
}

TEST_F(ApplicationStartTest, AStartForEmbeddingShowsNothing)
{
    CommandLine line;
    line.profile = profile;
    line.embedding = true;
    Application app(line, messages);
    EXPECT_FALSE(app.start());
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_EQ(app.frame(), nullptr);
    EXPECT_FALSE(QFile::exists(profile + QStringLiteral("/registry.db")));
}

TEST_F(ApplicationStartTest, TheLanguageIsTheCommandLinesElseTheSettingsElseTheDesktops)
{
    // The test's desktop speaks Chinese (TestEnvironment).
    struct Row
    {
        const char *commandLine;
        const char *setting;
        Language expected;
    };
    const Row rows[] = {
        {"", "", Language::Chinese},
        {"", "en", Language::English},
        {"en", "", Language::English},
        {"zh", "en", Language::Chinese},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.commandLine) + " / " + row.setting);
        profile = freshProfileDir();
        if (*row.setting)
            preset(QStringLiteral("option"), QStringLiteral("Language"), RegValue::fromText(QLatin1String(row.setting)));
        CommandLine line;
        line.profile = profile;
        line.language = QLatin1String(row.commandLine);
        auto app = std::make_unique<Application>(line, messages);
        ASSERT_TRUE(app->start());
        EXPECT_EQ(language::current(), row.expected);
        QWidget *proxyPane =
            app->frame()->statusBar()->findChild<QWidget *>(QStringLiteral("pane%1").arg(cmd::ProxyPane));
        ASSERT_TRUE(proxyPane);
        EXPECT_EQ(proxyPane->toolTip(), row.expected == Language::English
                                            ? QStringLiteral("Double-click to turn the proxy on or off.")
                                            : QStringLiteral("双击启动或取消代理."));
        app.reset();
        // The translators go with the program.
        EXPECT_EQ(language::current(), Language::Chinese);
    }
}

} // namespace
