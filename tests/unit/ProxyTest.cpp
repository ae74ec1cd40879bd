// The proxy list's reading rules, the proxy commands and the organizer,
// without the engine: what is set is the application proxy.
#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "net/ProxyCommands.h"
#include "net/ProxyList.h"
#include "net/ProxyOrganizer.h"
#include "net/SessionProxy.h"
#include "platform/RegistryStore.h"
#include "ui/StatusPanes.h"

#include "LoopbackHttpServer.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QNetworkProxy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

TEST(ProxyList, EachReaderCountsItsOwnLines)
{
    const QByteArray content = "# header\r\n:8080\r\n\r\na.example:1\r\nno colon\nb.example:2\n";
    const QStringList lines = ProxyList::lines(content);
    EXPECT_EQ(lines, (QStringList{"# header", ":8080", "", "a.example:1", "no colon", "b.example:2"}));
    // The menu, the choice and the organizer: a colon after the first character.
    EXPECT_EQ(ProxyList::entries(lines), (QStringList{"a.example:1", "b.example:2"}));
    // The rotation: every line a position, a colon anywhere.
    EXPECT_EQ(ProxyList::nextFrom(lines, 0)->position, 1);
    EXPECT_EQ(ProxyList::nextFrom(lines, 2)->line, QStringLiteral("a.example:1"));
    EXPECT_EQ(ProxyList::nextFrom(lines, 4)->position, 5);
    EXPECT_FALSE(ProxyList::nextFrom(lines, 6));
    EXPECT_EQ(ProxyList::format({"a:1", "", "b:2"}), QByteArray("a:1\r\nb:2\r\n"));

    EXPECT_TRUE(ProxyList::looksLikeList("junk\nproxy.example:3128\n"));
    EXPECT_FALSE(ProxyList::looksLikeList("<html><title>Sign in: hotel wifi</title></html>"));
    EXPECT_FALSE(ProxyList::looksLikeList(":8080\nhost:0\nhost:99999\n"));
}

class ProxyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
        listFile = freshProfileDir() + QStringLiteral("/proxylist.txt");
        SessionProxy::setDirect();
    }
    void TearDown() override { SessionProxy::setDirect(); }

    ProxyCommands &commands()
    {
        if (!m_commands) {
            m_commands = std::make_unique<ProxyCommands>(ProxyParts{
                settings, switches, sounds, messages, panes, &window, nullptr, listFile,
                QStringLiteral("http://maker.example/clientinfo/"), QString(), nullptr, fetch,
                [this](const QString &address, const QString &label) { opened << address + QLatin1Char(' ') + label; }});
            m_commands->start();
        }
        return *m_commands;
    }

    void writeList(const QByteArray &content)
    {
        QFile f(listFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray listContent()
    {
        QFile f(listFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    QStringList proxyMenu()
    {
        QMenu menu;
        commands().fillPopup(cmd::ProxyOrganize, &menu);
        QStringList items;
        for (QAction *a : menu.actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('=') + a->data().toString());
        return items;
    }
    static QString proxyNow()
    {
        const QNetworkProxy p = QNetworkProxy::applicationProxy();
        return p.type() == QNetworkProxy::HttpProxy ? p.hostName() + QLatin1Char(':') + QString::number(p.port())
                                                    : QStringLiteral("direct");
    }
    QString paneText() { return panes.pane(cmd::ProxyPane)->text(); }

    RegistryStore registry;
    SettingsStore settings{registry};
    AppSwitches switches;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    QWidget window;
    QStatusBar bar;
    StatusPanes panes{&bar};
    QString listFile;
    ProxyOrganizer::ListFetch fetch;
    QStringList opened;
    std::unique_ptr<ProxyCommands> m_commands;
};

TEST_F(ProxyTest, TheMenuListsEntriesAndAChoiceSetsTheProxyButNotTheStart)
{
    writeList("# list\n:8080\n\none.example:3128\ntwo.example:8080\n");
    EXPECT_EQ(proxyMenu(), (QStringList{"-", "one.example:3128=25600", "two.example:8080=25601"}));
    EXPECT_EQ(commands().text(cmd::ProxyToggle), QStringLiteral("启用代理服务器()"));

    EXPECT_TRUE(commands().handle(cmd::ProxyFirst + 1));
    EXPECT_EQ(proxyNow(), QStringLiteral("two.example:8080"));
    EXPECT_EQ(settings.read(settings::curProxy), QStringLiteral("two.example:8080"));
    EXPECT_EQ(settings.read(settings::proxyEnable), 0);
    EXPECT_EQ(paneText(), QStringLiteral("two.example:8080"));
    EXPECT_EQ(commands().checked(cmd::ProxyToggle), std::optional<bool>(true));
    EXPECT_EQ(commands().text(cmd::ProxyToggle), QStringLiteral("启用代理服务器(two.example:8080)"));
    commands().handle(cmd::ProxyFirst + 5); // no such entry
    EXPECT_EQ(proxyNow(), QStringLiteral("two.example:8080"));

    // An entry the proxy cannot be set to.
    writeList("bad entry:port\n");
    commands().handle(cmd::ProxyFirst);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("failed")});
    EXPECT_EQ(proxyNow(), QStringLiteral("two.example:8080"));

    // Entries past the command range are shown, not chosen.
    QByteArray many;
    for (int i = 0; i < 300; ++i)
        many += "p" + QByteArray::number(i) + ".example:80\n";
    writeList(many);
    const QStringList menu = proxyMenu();
    EXPECT_EQ(menu.size(), 301);
    EXPECT_EQ(menu[256], QStringLiteral("p255.example:80=25855"));
    EXPECT_EQ(menu[257], QStringLiteral("p256.example:80="));
}

TEST_F(ProxyTest, ToggleSwitchesTheKeptProxyOnAndOffAndOffStopsTheRotation)
{
    settings.write(settings::curProxy, QStringLiteral("proxy.example:3128"));
    commands().handle(cmd::ProxyPane); // a double click on the pane
    EXPECT_EQ(proxyNow(), QStringLiteral("proxy.example:3128"));
    EXPECT_EQ(settings.read(settings::proxyEnable), 1);
    EXPECT_EQ(paneText(), QStringLiteral("proxy.example:3128"));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("UserSelect.wav")});

    commands().handle(cmd::ProxyRotation);
    EXPECT_TRUE(commands().isRotating());
    EXPECT_EQ(settings.read(settings::enableMulti), 1);
    commands().handle(cmd::ProxyToggle);
    EXPECT_EQ(proxyNow(), QStringLiteral("direct"));
    EXPECT_EQ(settings.read(settings::proxyEnable), 0);
    EXPECT_FALSE(commands().isRotating());
    EXPECT_EQ(settings.read(settings::enableMulti), 0);
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(ProxyTest, ToggleWithoutAKeptProxyOpensTheOrganizer)
{
    int shown = 0;
    commands().setOrganizerRunner([&](ProxyOrganizer &) {
        ++shown;
        return int(QDialog::Rejected);
    });
    commands().handle(cmd::ProxyToggle);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(proxyNow(), QStringLiteral("direct"));
    EXPECT_EQ(settings.read(settings::proxyEnable), 0);
}

TEST_F(ProxyTest, RotationCountsEveryLineAndRestsOneTickAtTheEnd)
{
    writeList("a.example:1\n\n:8080\nno colon\nb.example:2\n");
    QStringList taken;
    for (int tick = 0; tick < 6; ++tick) {
        commands().rotate();
        taken << settings.read(settings::curProxy) + QLatin1Char('@') + QString::number(settings.read(settings::proxyIndex));
    }
    // ":8080" has its turn (a colon anywhere); past the last line one tick
    // takes nothing and the next begins at the top.
    EXPECT_EQ(taken, (QStringList{"a.example:1@1", ":8080@3", "b.example:2@5", "@0", "a.example:1@1", ":8080@3"}));
    // ":8080" cannot be set: the rotation said so once and stopped.
    EXPECT_EQ(messages.told, (QStringList{"设定代理失败.", "设定代理失败."}));
    EXPECT_EQ(settings.read(settings::proxyEnable), 0);
}

TEST_F(ProxyTest, ARotationThatFailsIsToldOnceAndStops)
{
    settings.write(settings::enableMulti, 1);
    settings.write(settings::changeIpTimer, 1000);
    commands();
    ASSERT_TRUE(commands().isRotating());
    // No list at all: one message, then no more ticks.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !commands().isRotating(); }, 3000));
    EXPECT_EQ(messages.told.size(), 1);
    EXPECT_TRUE(messages.told.value(0).startsWith(QStringLiteral("代理列表错误.")));
    EXPECT_EQ(settings.read(settings::enableMulti), 0);

    writeList("a.example:1\n");
    commands().handle(cmd::ProxyRotation);
    commands().rotate();
    EXPECT_EQ(proxyNow(), QStringLiteral("a.example:1"));
    EXPECT_TRUE(commands().isRotating());
}

TEST_F(ProxyTest, TheBackgroundUpdateKeepsTheOldListUnlessAListCame)
{
    LoopbackHttpServer server;
    server.route(QStringLiteral("/list"), "# today\nfresh.example:8080\n", "text/plain");
    server.route(QStringLiteral("/portal"), "<html>Please sign in: room number</html>");
    server.route(QStringLiteral("/broken"), "oops", "text/plain", 500);
    writeList("old.example:1\r\n");
    for (const char *path : {"/portal", "/broken", "/list"}) {
        SCOPED_TRACE(path);
        m_commands = std::make_unique<ProxyCommands>(ProxyParts{
            settings, switches, sounds, messages, panes, &window, nullptr, listFile, QString(),
            server.url(QLatin1String(path)), nullptr, {}, [](const QString &, const QString &) {}});
        messages.told.clear();
        commands().handle(cmd::ProxyListUpdate);
        // The window goes on meanwhile, the wait box up.
        ASSERT_NE(window.findChild<QWidget *>(QStringLiteral("proxyWaitBox")), nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.told.isEmpty(); }, 10000));
        EXPECT_EQ(window.findChild<QWidget *>(QStringLiteral("proxyWaitBox")), nullptr);
    }
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("更新代理列表成功!")});
    EXPECT_EQ(listContent(), QByteArray("# today\nfresh.example:8080\n"));
}

TEST_F(ProxyTest, TheAnonymityCheckOpensTheClientPageBehindTheActiveOne)
{
    commands().handle(cmd::CheckAnonymity);
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://maker.example/clientinfo/ Check Anonymity...")});
}

class OrganizerTest : public ProxyTest
{
protected:
    // The organizer shown as the user sees it, keys going to its window.
    std::unique_ptr<ProxyOrganizer> open()
    {
        auto dialog = std::make_unique<ProxyOrganizer>(settings, listFile, messages, fetch);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    void retype(ProxyOrganizer &dialog, QLineEdit *edit, const QString &text)
    {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, edit->mapTo(&dialog, edit->rect().center()));
        QTest::keyClick(dialog.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text)
            QTest::keyClick(dialog.windowHandle(), c.toLatin1());
    }
    void click(ProxyOrganizer &dialog, QWidget *widget)
    {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, widget->mapTo(&dialog, widget->rect().center()));
    }
    void pressEnter(ProxyOrganizer &dialog) { QTest::keyClick(dialog.windowHandle(), Qt::Key_Return); }
};

TEST_F(OrganizerTest, IntervalsOutsideOneToSixtyAndHostsWithoutADotAreRefused)
{
    settings.write(settings::proxyEnable, 1);
    settings.write(settings::curProxy, QStringLiteral("proxy.example:3128"));
    writeList("one.example:1\r\n:8080\r\n");
    auto dialog = open();
    EXPECT_EQ(dialog->hostEdit()->text(), QStringLiteral("proxy.example"));
    EXPECT_EQ(dialog->portEdit()->text(), QStringLiteral("3128"));
    EXPECT_EQ(dialog->secondsEdit()->text(), QStringLiteral("6"));
    EXPECT_EQ(dialog->listed(), QStringList{QStringLiteral("one.example:1")});

    for (const char *seconds : {"0", "61"}) {
        retype(*dialog, dialog->secondsEdit(), QString::fromLatin1(seconds));
        pressEnter(*dialog);
        EXPECT_EQ(messages.told.value(0), QStringLiteral("请输入一个整数在之间 1 和 60.")) << seconds;
        EXPECT_TRUE(dialog->isVisible());
        messages.told.clear();
    }
    retype(*dialog, dialog->secondsEdit(), QStringLiteral("10"));
    retype(*dialog, dialog->hostEdit(), QStringLiteral("localhost"));
    pressEnter(*dialog);
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("代理地址不能为空的或'.'")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(listContent(), QByteArray("one.example:1\r\n:8080\r\n")); // nothing written yet

    // With the box off the same host is taken, and everything is kept.
    QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {},
                      dialog->enableBox()->mapTo(dialog.get(), QPoint(5, dialog->enableBox()->height() / 2)));
    EXPECT_FALSE(dialog->hostEdit()->isEnabled());
    EXPECT_FALSE(dialog->rotationBox()->isEnabled());
    pressEnter(*dialog);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.read(settings::proxyEnable), 0);
    EXPECT_EQ(settings.read(settings::curProxy), QStringLiteral("localhost:3128"));
    EXPECT_EQ(settings.read(settings::changeIpTimer), 10000);
    EXPECT_EQ(listContent(), QByteArray("one.example:1\r\n"));
}

TEST_F(OrganizerTest, ADoubleClickedEntryFillsHostAndPort)
{
    writeList("one.example: 81 \n");
    settings.write(settings::proxyEnable, 1);
    auto dialog = open();
    QTreeWidget *list = dialog->list();
    const QRect row = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, {}, list->viewport()->mapTo(dialog.get(), row.center()));
    EXPECT_EQ(dialog->hostEdit()->text(), QStringLiteral("one.example"));
    EXPECT_EQ(dialog->portEdit()->text(), QStringLiteral("81"));
}

TEST_F(OrganizerTest, AnUpdateReplacesTheListOnlyWithAList)
{
    writeList("old.example:1\r\n");
    std::optional<QByteArray> answer;
    fetch = [&](QObject *, std::function<void(std::optional<QByteArray>)> done) { done(answer); };
    auto dialog = open();
    for (std::optional<QByteArray> failure : {std::optional<QByteArray>(), std::optional<QByteArray>("<html>Sign in</html>")}) {
        answer = failure;
        click(*dialog, dialog->updateButton());
        EXPECT_EQ(messages.told, QStringList{QStringLiteral("更新代理列表失败!")});
        EXPECT_EQ(listContent(), QByteArray("old.example:1\r\n"));
        messages.told.clear();
    }
    answer = QByteArray("# fresh\n:3128\nnew.example:8080\n");
    click(*dialog, dialog->updateButton());
    EXPECT_TRUE(messages.told.isEmpty());
    EXPECT_EQ(listContent(), QByteArray("# fresh\n:3128\nnew.example:8080\n"));
    // After its own update the organizer shows every line with a colon.
    EXPECT_EQ(dialog->listed(), (QStringList{":3128", "new.example:8080"}));
}

} // namespace
