// The small decisions of the start: command line, shortcuts, build stamp,
// proxy text, maker addresses.
#include "app/BuildStamp.h"
#include "app/CommandLine.h"
#include "core/MakerAddresses.h"
#include "core/SettingsStore.h"
#include "net/SessionProxy.h"
#include "platform/InternetShortcut.h"
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"

#include <QFile>
#include <QNetworkProxy>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(CommandLine, ParsesOptionsAndOneArgument)
{
    const auto line = CommandLine::parse({QStringLiteral("--profile"), QStringLiteral("/p"),
                                          QStringLiteral("http://x/")});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.profile, QStringLiteral("/p"));
    EXPECT_EQ(line.argument, QStringLiteral("http://x/"));
    EXPECT_FALSE(line.embedding);

    EXPECT_TRUE(CommandLine::parse({QStringLiteral("--version")}).version);
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("-h")}).help);
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--export-registry=out.reg")}).exportRegistry,
              QStringLiteral("out.reg"));
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("/Embedding")}).embedding);
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("-automation")}).embedding);
    const auto withToolkit = CommandLine::parse({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                                 QStringLiteral("page.html")});
    EXPECT_TRUE(withToolkit.error.isEmpty());
    EXPECT_EQ(withToolkit.argument, QStringLiteral("page.html"));

    EXPECT_FALSE(CommandLine::parse({QStringLiteral("a"), QStringLiteral("b")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--bogus")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--export-registry"), QStringLiteral("a"),
                                     QStringLiteral("--import-registry"), QStringLiteral("b")})
                     .error.isEmpty());
    EXPECT_TRUE(CommandLine::versionText().contains(QStringLiteral("2002091901")));
}

TEST(InternetShortcut, ResolvesUrlFilesInAnyCase)
{
    const QString dir = freshProfileDir();
    const QString file = dir + QStringLiteral("/Site.URL");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Other]\r\nURL=http://wrong/\r\n[InternetShortcut]\r\nIconIndex=0\r\nurl = http://host/a%20b?x=1;y\r\n");
    f.close();
    EXPECT_TRUE(InternetShortcut::isShortcutName(file));
    EXPECT_EQ(InternetShortcut::resolve(file), QStringLiteral("http://host/a%20b?x=1;y"));
    EXPECT_EQ(InternetShortcut::resolve(QStringLiteral("http://plain/")), QStringLiteral("http://plain/"));
    EXPECT_TRUE(InternetShortcut::resolve(dir + QStringLiteral("/missing.url")).isEmpty());
    // A pipe named like a shortcut would block whoever opens it for reading:
    // it is no shortcut, and neither is a device.
    const QString fifo = dir + QStringLiteral("/pipe.url");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(InternetShortcut::resolve(fifo).isEmpty());
    const QString zero = dir + QStringLiteral("/zero.url");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_TRUE(InternetShortcut::resolve(zero).isEmpty());
}

class BuildStampTest : public ::testing::Test
{
protected:
    void SetUp() override { registry.open(freshProfileDir() + QStringLiteral("/registry.db")); }
    RegistryStore registry;
    SettingsStore store{registry};
};

TEST_F(BuildStampTest, ANewerStoredBuildWarnsAndEveryOtherIsReplacedSilently)
{
    struct Row { QString stored; bool warns; };
    const Row rows[] = {
        {QString(), false},               // first start
        {QStringLiteral("2001010101"), false},
        {QStringLiteral("2002091901"), false},
        {QStringLiteral("2002091902"), true},
        {QStringLiteral("2099123199 beta"), true},
        {QStringLiteral("garbage"), false},
    };
    for (const Row &row : rows) {
        if (!row.stored.isNull())
            store.write(settings::build, row.stored);
        const QString message = BuildStamp::check(store, QStringLiteral("http://dl.example/"));
        EXPECT_EQ(!message.isEmpty(), row.warns) << row.stored.toStdString();
        if (row.warns) {
            EXPECT_EQ(message, QStringLiteral("你运行的是一个低版本的 Vesperal 浏览器。\n"
                                              "Please download new version from http://dl.example/"));
        }
        EXPECT_EQ(store.read(settings::build), QStringLiteral("2002091901"));
    }
}

TEST_F(BuildStampTest, MakerAddressesCanBePointedElsewhere)
{
    EXPECT_EQ(MakerAddresses::load(store).download, MakerAddresses::defaults().download);
    EXPECT_TRUE(MakerAddresses::defaults().website.contains(QStringLiteral(".example/")));
    store.writeText(QStringLiteral("addresses"), QStringLiteral("download"), QStringLiteral("http://127.0.0.1:9/d"));
    EXPECT_EQ(MakerAddresses::load(store).download, QStringLiteral("http://127.0.0.1:9/d"));
}

TEST(SessionProxy, AcceptsHostAndPortOnly)
{
    EXPECT_TRUE(SessionProxy::setNamed(QStringLiteral("proxy.example:8080")));
    EXPECT_EQ(QNetworkProxy::applicationProxy().hostName(), QStringLiteral("proxy.example"));
    EXPECT_EQ(QNetworkProxy::applicationProxy().port(), 8080);
    EXPECT_TRUE(SessionProxy::setNamed(QStringLiteral("[::1]:3128")));
    for (const char *bad : {"noport", "host:", ":80", "host:0", "host:70000", "host:8o", "bad host:80"})
        EXPECT_FALSE(SessionProxy::setNamed(QLatin1String(bad))) << bad;
    SessionProxy::setDirect();
    EXPECT_EQ(QNetworkProxy::applicationProxy().type(), QNetworkProxy::NoProxy);
}

} // namespace
