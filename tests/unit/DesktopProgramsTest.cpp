// The desktop's programs: desktop entries, the user's tools, the mail, news
// and contacts programs, and the customisation of bars and tools.
#include "core/AppSwitches.h"
#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "frame/CTMain.h"
#include "frame/ClientPrograms.h"
#include "frame/CustomizeCommands.h"
#include "pages/DownloadFlags.h"
#include "platform/DesktopEntries.h"
#include "platform/RegistryStore.h"
#include "ui/BarArea.h"
#include "ui/CustomizeDialog.h"
#include "ui/UserTools.h"

#include "FakeControl.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class DesktopProgramsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        apps = dir.filePath(QStringLiteral("applications"));
        QDir().mkpath(apps);
        registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
    }

    void entry(const QString &id, const QByteArray &body)
    {
        QFile file(apps + QLatin1Char('/') + id);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\n" + body);
    }

    DesktopEntries desktop(const QByteArray &mimeapps = {})
    {
        const QString list = dir.filePath(QStringLiteral("mimeapps.list"));
        QFile file(list);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(mimeapps);
        file.close();
        return DesktopEntries::load({apps}, {list});
    }

    QTemporaryDir dir;
    QString apps;
    RegistryStore registry;
    SettingsStore settings{registry};
    RecordingMessageBoxes messages;
};

TEST_F(DesktopProgramsTest, EntriesAreReadWithTheirHandlersAndTheDesktopsDefaultFirst)
{
    entry(QStringLiteral("mutt.desktop"), "Name=Mutt\nExec=mutt %u\nMimeType=x-scheme-handler/mailto;\n");
    entry(QStringLiteral("mailer.desktop"), "Name=Mailer\nExec=mailer --compose %U\nMimeType=x-scheme-handler/mailto;\n");
    entry(QStringLiteral("hidden.desktop"), "Name=Gone\nExec=gone\nHidden=true\nMimeType=x-scheme-handler/mailto;\n");
    entry(QStringLiteral("link.desktop"), "Name=Site\nType=Link\nURL=http://x/\n"); // not a program
    const DesktopEntries d = desktop("[Default Applications]\nx-scheme-handler/mailto=mailer.desktop;\n");
    QStringList names;
    for (const DesktopEntry &e : d.handlers(QStringLiteral("x-scheme-handler/mailto")))
        names << e.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Mailer"), QStringLiteral("Mutt")}));
    EXPECT_EQ(d.defaultFor(QStringLiteral("x-scheme-handler/mailto"))->id, QStringLiteral("mailer.desktop"));

    EXPECT_EQ(DesktopEntries::commandLine(QStringLiteral("mailer --compose %U"), {QStringLiteral("a"), QStringLiteral("b")}),
              (QStringList{QStringLiteral("mailer"), QStringLiteral("--compose"), QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(DesktopEntries::commandLine(QStringLiteral("\"/opt/my app/run\" --icon %i %f 100%%")),
              (QStringList{QStringLiteral("/opt/my app/run"), QStringLiteral("--icon"), QStringLiteral("100%")}));
}

TEST_F(DesktopProgramsTest, TheDefaultToolsAreTheDesktopsProgramsThatExist)
{
    entry(QStringLiteral("edit.desktop"), "Name=Edit\nExec=gedit %F\nCategories=Utility;TextEditor;\n");
    entry(QStringLiteral("calc.desktop"), "Name=Calc\nExec=calculator\nCategories=Utility;Calculator;\n");
    entry(QStringLiteral("files.desktop"), "Name=Files\nExec=files --new-window %U\nCategories=System;FileManager;\n");
    const QList<UserTool> tools = UserTools::defaults(desktop());
    ASSERT_EQ(tools.size(), 3); // no painting, synchronisation or disc program here
    EXPECT_EQ(tools[0], (UserTool{QStringLiteral("记事本(&N)"), QStringLiteral("gedit"), QString()}));
    EXPECT_EQ(tools[1], (UserTool{QStringLiteral("资源管理器"), QStringLiteral("files"), QStringLiteral("--new-window")}));
    EXPECT_EQ(tools[2].name, QStringLiteral("计算器"));

    // Read once from the desktop, then kept: a removed tool stays removed.
    EXPECT_EQ(UserTools::load(settings, desktop()).size(), 3);
    UserTools::save(settings, {});
    EXPECT_TRUE(UserTools::load(settings, desktop()).isEmpty());
}

TEST_F(DesktopProgramsTest, TheMailProgramIsStartedOrTheUserIsTold)
{
    QWidget window;
    ClientPrograms clients(messages, &window);
    clients.setEntries(desktop());
    EXPECT_TRUE(clients.handle(cmd::DefaultMail));
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("发送电子邮件失败。")});
    clients.handle(cmd::AddressBook);
    EXPECT_EQ(messages.told.last(), QStringLiteral("载入地址簿失败。"));

    // A real program, started in the current folder.
    const QString mark = dir.filePath(QStringLiteral("started"));
    entry(QStringLiteral("mail.desktop"),
          "Name=Mail\nExec=sh -c \"echo started > '" + mark.toUtf8() + "'\"\nMimeType=x-scheme-handler/mailto;\n");
    clients.setEntries(desktop());
    messages.told.clear();
    EXPECT_TRUE(clients.handle(cmd::MailProgramFirst));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(mark); }, 5000));
    EXPECT_TRUE(messages.told.isEmpty());
    EXPECT_TRUE(clients.handle(cmd::MailProgramFirst + 5)); // no such program: nothing happens
    EXPECT_TRUE(messages.told.isEmpty());
    EXPECT_FALSE(clients.handle(cmd::NewPage));
}

TEST_F(DesktopProgramsTest, TheCustomisationDialogOrdersButtonsAndEditsTools)
{
    const QList<int> defaults{cmd::Back, cmd::Forward, 0, cmd::Stop};
    CustomizeDialog dialog({{QStringLiteral("常用工具栏"), defaults, defaults, {cmd::Back, cmd::Forward, cmd::Stop, cmd::Home}}},
                           {{QStringLiteral("Tool"), QStringLiteral("tool"), QString()}},
                           [](int id) { return QString::number(id); });
    QListWidget *list = dialog.buttonList();
    ASSERT_EQ(list->count(), 6); // four shown, Home, a spare separator
    list->setCurrentRow(1);
    dialog.moveCurrentButton(-1);
    list->item(3)->setCheckState(Qt::Unchecked); // Stop goes
    list->item(4)->setCheckState(Qt::Checked);   // Home comes
    EXPECT_EQ(dialog.buttons().value(0), (QList<int>{cmd::Forward, cmd::Back, 0, cmd::Home}));
    dialog.resetCurrentBar();
    EXPECT_EQ(dialog.buttons().value(0), defaults);

    dialog.addTool({QStringLiteral("Second"), QStringLiteral("second"), QStringLiteral("--x")});
    dialog.toolList()->setCurrentRow(0);
    dialog.removeCurrentTool();
    EXPECT_EQ(dialog.tools(), (QList<UserTool>{{QStringLiteral("Second"), QStringLiteral("second"), QStringLiteral("--x")}}));
}

TEST_F(DesktopProgramsTest, CustomisedBarsAndToolsAreKeptForTheNextStart)
{
    AppSwitches switches;
    DownloadFlags flags{registry, settings};
    FakeControls controls;
    RecordingSounds sounds;
    settings.write(settings::cleanShow, 0);
    auto make = [&] {
        return std::make_unique<CTMain>(FrameServices{controls.factory(), settings, switches, flags, sounds, messages,
                                                      MakerAddresses(), QString(), nullptr, QString()});
    };
    auto frame = make();
    frame->customizeCommands()->apply({{cmd::Home, 0, cmd::Refresh}, {}, {cmd::Stop}},
                                      {{QStringLiteral("Mine"), QStringLiteral("true"), QString()},
                                       {QStringLiteral("No program"), QString(), QString()}});
    frame.reset();

    frame = make();
    const QList<QAction *> shown = frame->bars()->standardBar()->actions();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0]->data().toInt(), cmd::Home);
    EXPECT_TRUE(shown[1]->isSeparator());
    EXPECT_EQ(shown[2]->data().toInt(), cmd::Refresh);
    EXPECT_TRUE(frame->bars()->goBar()->actions().contains(frame->action(cmd::Stop)));
    ASSERT_EQ(frame->customizeCommands()->userTools().size(), 1);
    EXPECT_EQ(frame->customizeCommands()->userTools()[0].name, QStringLiteral("Mine"));
    EXPECT_TRUE(frame->runCommand(cmd::UserToolFirst));
    EXPECT_TRUE(messages.told.isEmpty());
}

} // namespace
