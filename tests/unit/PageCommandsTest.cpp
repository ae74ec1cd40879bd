// The Pages' commands and menus over fake controls.
#include "core/CommandIds.h"
#include "pages/OpenDialog.h"
#include "pages/PageCommands.h"

#include "PageHostFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

const QString kTypedUrls = QStringLiteral("Software\\Microsoft\\Internet Explorer\\TypedUrls");

class PageCommandsTest : public PageHostFixture
{
protected:
    void SetUp() override
    {
        PageHostFixture::SetUp();
        commands = std::make_unique<PageCommands>(*host, registry, QStringLiteral("http://maker.example/"));
    }

    // Entries of a menu as "id:text", separators as "-".
    static QStringList entries(QMenu &menu)
    {
        QStringList result;
        for (QAction *action : menu.actions()) {
            if (action->isSeparator())
                result << QStringLiteral("-");
            else if (action->menu())
                result << QStringLiteral(">") + action->text();
            else
                result << QStringLiteral("%1:%2").arg(action->data().toInt()).arg(action->text());
        }
        return result;
    }

    std::unique_ptr<PageCommands> commands;
};

TEST_F(PageCommandsTest, NewPagesComeToTheFrontWithTheirSound)
{
    EXPECT_TRUE(commands->handle(cmd::NewBlankPage));
    EXPECT_EQ(state(), "a^ blank*");
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("about:blank")); // the load's title replaced "Loading..."
    EXPECT_TRUE(commands->handle(cmd::NewHomePage));
    EXPECT_EQ(state(), "a blank^ home*");
    EXPECT_EQ(sounds.played, (QStringList{QStringLiteral("new.wav"), QStringLiteral("new.wav")}));

    // The maker's site: behind the active Page, never reusing it.
    EXPECT_TRUE(commands->handle(cmd::MakerWebSite));
    EXPECT_EQ(state(), "a blank^ home* maker.example");
    EXPECT_FALSE(commands->handle(1)); // not a Page command
}

TEST_F(PageCommandsTest, DuplicateIsSelectedAndABlankPageDuplicatesIntoItself)
{
    fake(0)->name = QStringLiteral("Page A");
    switches.bNewWindowFollow = false;
    open({QStringLiteral("b")});
    commands->handle(cmd::DuplicatePage);
    EXPECT_EQ(state(), "a^ b a*");

    commands->handle(cmd::NewBlankPage);
    commands->handle(cmd::DuplicatePage);
    EXPECT_EQ(state(), "a b a^ blank*");
    EXPECT_EQ(fake(3)->navigated.last(), QStringLiteral("about:blank"));
}

TEST_F(PageCommandsTest, TheClipboardOpensItsTrimmedTextAndNothingWhenEmpty)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("  http://clip.example/x  \n"));
    commands->handle(cmd::ClipboardPage);
    EXPECT_EQ(state(), "a*^ clip.example");
    EXPECT_EQ(fake(1)->navigated.last(), QStringLiteral("http://clip.example/x"));

    QGuiApplication::clipboard()->setText(QStringLiteral("   "));
    commands->handle(cmd::ClipboardPage);
    EXPECT_EQ(state(), "a*^ clip.example");
    EXPECT_EQ(sounds.played.size(), 1);
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(PageCommandsTest, TheOpenDialogListsTypedAddressesUpToTheFirstGap)
{
    registry.createAndSetValue(Hive::CurrentUser, kTypedUrls, QStringLiteral("url1"), RegValue::fromText("http://one/"));
    registry.createAndSetValue(Hive::CurrentUser, kTypedUrls, QStringLiteral("url2"), RegValue::fromText("http://two/"));
    registry.createAndSetValue(Hive::CurrentUser, kTypedUrls, QStringLiteral("url4"), RegValue::fromText("http://four/"));
    EXPECT_EQ(commands->typedAddresses(), (QStringList{QStringLiteral("http://one/"), QStringLiteral("http://two/")}));

    QStringList offered;
    std::pair<int, QString> answer{QDialog::Accepted, QStringLiteral(" http://typed/ ")};
    commands->setOpenDialogRunner([&](const QStringList &typed) {
        offered = typed;
        return answer;
    });
    commands->handle(cmd::OpenDialog);
    EXPECT_EQ(offered.size(), 2);
    EXPECT_EQ(state(), "typed*^"); // in the active Page

    answer = {OpenDialog::kNewWindow, QStringLiteral("http://window/")};
    commands->handle(cmd::OpenDialog);
    EXPECT_EQ(state(), "typed^ window*");

    answer = {OpenDialog::kNewWindow, QStringLiteral("  ")};
    commands->handle(cmd::OpenDialog);
    answer = {QDialog::Rejected, QStringLiteral("http://cancelled/")};
    commands->handle(cmd::OpenDialog);
    EXPECT_EQ(state(), "typed^ window*");
}

TEST_F(PageCommandsTest, TheRealOpenDialogAnswersWithItsTextAndTheNewWindowBox)
{
    OpenDialog dialog({QStringLiteral("http://one/"), QStringLiteral("http://two/")});
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("address"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_TRUE(dialog.text().isEmpty()); // nothing chosen for the user
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("打开..."));

    QTimer::singleShot(0, &dialog, [&] {
        dialog.setText(QStringLiteral("http://three/"));
        dialog.findChild<QCheckBox *>(QStringLiteral("newWindow"))->setChecked(true);
        dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), OpenDialog::kNewWindow);
    EXPECT_EQ(dialog.text(), QStringLiteral("http://three/"));

    QTimer::singleShot(0, &dialog, [&] {
        dialog.setInNewWindow(false);
        dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST_F(PageCommandsTest, TheClosedPagesMenuListsNewestFirstAndReopensTheChosenSlot)
{
    QMenu menu;
    commands->fillClosedPagesMenu(&menu);
    EXPECT_EQ(entries(menu), QStringList{QStringLiteral("1:没有已关闭的窗口...")});

    switches.bNewWindowFollow = false;
    open({QStringLiteral("b"), QStringLiteral("c")});
    fake(1)->finishLoad(url(QStringLiteral("b")), QStringLiteral("B & Co"));
    host->ClosePageAt(2);
    host->ClosePageAt(1);
    commands->fillClosedPagesMenu(&menu);
    EXPECT_EQ(entries(menu), (QStringList{QStringLiteral("25089:B && Co"), QStringLiteral("25088:http://c/")}));
    EXPECT_EQ(menu.actions()[0]->toolTip(), QStringLiteral("http://b/"));

    commands->handle(cmd::ClosedPageFirst); // c
    EXPECT_EQ(state(), "a*^ c");
    EXPECT_EQ(closedAddresses(), QStringList{QStringLiteral("b")});
}

TEST_F(PageCommandsTest, ThePagesMenuNamesEveryPageAndMarksTheActiveOne)
{
    switches.bNewWindowFollow = false;
    open({QStringLiteral("b"), QStringLiteral("c")});
    fake(0)->name = QStringLiteral("Page A");
    fake(2)->location.clear();
    fake(2)->name.clear();
    QMenu menu;
    commands->fillPagesMenu(&menu);
    EXPECT_EQ(entries(menu), (QStringList{QStringLiteral(">已关闭的窗口"), QStringLiteral("-"),
                                          QStringLiteral("29825:Page A"), QStringLiteral("29826:http://b/"),
                                          QStringLiteral("29827:UnKnown...")}));
    EXPECT_EQ(menu.defaultAction(), menu.actions()[2]);
    commands->fillPagesMenu(&menu); // opened again: still one submenu
    EXPECT_EQ(menu.findChildren<QMenu *>(Qt::FindDirectChildrenOnly).size(), 1);

    commands->handle(cmd::PageEntryFirst + 2);
    EXPECT_EQ(host->list().current(), 2);
    EXPECT_EQ(host->list().previous(), 0);
    commands->handle(cmd::PageEntryFirst + 7); // no such Page
    EXPECT_EQ(host->list().current(), 2);
}

TEST_F(PageCommandsTest, TheTabMenuActsOnItsTabAndShowsItsLock)
{
    switches.bNewWindowFollow = false;
    open({QStringLiteral("b"), QStringLiteral("c")});
    host->setMenuTab(1);
    QMenu menu;
    commands->fillTabMenu(&menu);
    EXPECT_EQ(entries(menu).join(QLatin1Char('|')),
              QStringLiteral("32839:关闭  (双击)(&C)|32826:全部关闭...|33079:关闭该域全部书签(&D)|"
                             "33080:全部关闭- 保留该书签(&K)|-|33077:刷新(&R)|33078:停止(&S)|-|33063:锁定该书签(&L)...|"
                             "32977:添加到收藏夹..."));
    auto lockEntry = [&menu] { return menu.actions().at(menu.actions().size() - 2); };
    EXPECT_FALSE(lockEntry()->isChecked());

    commands->handle(cmd::LockMenuTab);
    EXPECT_EQ(commands->checked(cmd::LockMenuTab), std::optional<bool>(true));
    commands->fillTabMenu(&menu);
    EXPECT_TRUE(lockEntry()->isChecked());
    commands->handle(cmd::CloseMenuTab);
    EXPECT_EQ(state(), "a*^ bL c");

    commands->handle(cmd::RefreshMenuTab);
    commands->handle(cmd::StopMenuTab);
    EXPECT_EQ(fake(1)->refreshes, QList<int>{2});
    EXPECT_EQ(fake(1)->stops, 1);

    host->setMenuTab(2);
    commands->handle(cmd::CloseMenuTab);
    EXPECT_EQ(state(), "a*^ bL");
}

TEST_F(PageCommandsTest, HistoryCommandsTravelAndBackForwardFollowTheHistory)
{
    EXPECT_FALSE(commands->isEnabled(cmd::Back));
    EXPECT_FALSE(commands->isEnabled(cmd::Forward));
    commands->handle(cmd::Back);
    EXPECT_EQ(fake(0)->backs, 0);

    for (int i = 0; i < 12; ++i)
        fake(0)->back.append({QStringLiteral("T%1").arg(i), QStringLiteral("http://h%1/").arg(i)});
    EXPECT_TRUE(commands->isEnabled(cmd::Back));
    QMenu menu;
    commands->fillHistoryMenu(&menu, true);
    ASSERT_EQ(menu.actions().size(), 9);
    EXPECT_EQ(menu.actions()[3]->data().toInt(), cmd::BackEntryFirst + 3);
    EXPECT_EQ(menu.actions()[3]->text(), QStringLiteral("T3"));

    emit fake(0)->beforeNavigate2(BrowserControl::Frame::Top);
    ASSERT_TRUE(page(0)->isLoading());
    commands->handle(cmd::BackEntryFirst + 3);
    EXPECT_EQ(fake(0)->travelledTo, QStringLiteral("http://h3/"));
    EXPECT_FALSE(page(0)->isLoading()); // the travel's own start records it again
    commands->handle(cmd::Back);
    EXPECT_EQ(fake(0)->backs, 1);
    commands->handle(cmd::ForwardEntryFirst);
    EXPECT_EQ(fake(0)->travelledTo, QStringLiteral("http://h3/")); // no forward entry
}

TEST_F(PageCommandsTest, EncodingsSetTheCharsetAndRefreshOnlyWhenTheCommandHasOne)
{
    EXPECT_EQ(PageCommands::charsetFor(32914), QStringLiteral("iso-ir-58"));
    EXPECT_EQ(PageCommands::charsetFor(33036), QStringLiteral("utf-7"));
    commands->handle(32921);
    EXPECT_EQ(fake(0)->encoding, QStringLiteral("koi8-r"));
    EXPECT_EQ(fake(0)->refreshes, QList<int>{1});
    EXPECT_TRUE(commands->handle(33023)); // in the range, without a charset
    EXPECT_EQ(fake(0)->encoding, QStringLiteral("koi8-r"));
    EXPECT_EQ(fake(0)->refreshes, QList<int>{1});
}

TEST_F(PageCommandsTest, ContentSwitchesWriteAtOnceAndCarryTheirCheckMarks)
{
    open({QStringLiteral("b")});
    EXPECT_EQ(commands->checked(cmd::NoScript), std::optional<bool>(false));
    EXPECT_EQ(commands->checked(cmd::LoadImages), std::optional<bool>(true));
    commands->handle(cmd::NoScript);
    EXPECT_EQ(commands->checked(cmd::NoScript), std::optional<bool>(true));
    EXPECT_EQ(settings.read(settings::NoScript), 1);
    EXPECT_FALSE(fake(0)->policy.scripts);
    EXPECT_FALSE(fake(1)->policy.scripts);
    EXPECT_EQ(fake(1)->refreshes, QList<int>{1});
    EXPECT_EQ(commands->checked(cmd::Refresh), std::nullopt);
}

TEST_F(PageCommandsTest, EditCommandsGoToThePageOrToTheFocusedField)
{
    QWidget window;
    auto *field = new QLineEdit(QStringLiteral("some text"), &window);
    host->setParent(&window);
    window.show();
    field->setFocus();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::focusWidget(), field);
    commands->handle(cmd::SelectAll);
    EXPECT_EQ(field->selectedText(), QStringLiteral("some text"));
    EXPECT_TRUE(fake(0)->edits.isEmpty());

    fake(0)->widget()->setFocusPolicy(Qt::StrongFocus);
    fake(0)->widget()->setFocus();
    ASSERT_TRUE(host->focusInside());
    commands->handle(cmd::Copy);
    commands->handle(cmd::Paste);
    EXPECT_EQ(fake(0)->edits, (QList<BrowserControl::Edit>{BrowserControl::Edit::Copy, BrowserControl::Edit::Paste}));
    host->setParent(nullptr);
}

} // namespace
