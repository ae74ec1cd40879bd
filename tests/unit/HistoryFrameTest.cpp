// The browsing history in the window: what the Pages record, and the
// History Panel in the Explorer Bar, driven by keys and clicks.
#include "history/CHistoryPanel.h"
#include "history/HistoryStore.h"
#include "pages/CWebBrowser2.h"

#include "FrameFixture.h"
#include "HistoryTestSupport.h"

#include <QSignalSpy>
#include <QTreeWidget>

namespace {

class HistoryFrameTest : public FrameFixture
{
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        store.open(profile + QStringLiteral("/history.db"), 3650, now);
        store.flush();
    }

    void TearDown() override
    {
        // The window records into the store: it goes first.
        if (m_frame)
            m_frame->closeWithoutQuestions();
        m_frame.reset();
    }

    // The window with the history, its panel reckoning from `now`.
    CTMain &historyFrame()
    {
        if (!m_frame) {
            m_frame = std::make_unique<CTMain>(FrameServices{controls.factory(), settings, switches, flags, sounds,
                                                             messages, addresses, profile + QStringLiteral("/data"),
                                                             nullptr, startAddress,
                                                             [](const QString &) { return true; }, {}, &store});
            panel = m_frame->findChild<CHistoryPanel *>();
            if (panel)
                panel->setClock([this] { return now; });
            m_frame->show();
            QApplication::setActiveWindow(m_frame.get());
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        }
        return *m_frame;
    }


    void visit(const char *address, const QDateTime &when, const QString &title = {})
    {
        store.recordVisit(QString::fromUtf8(address), title, when);
    }

    QTreeWidget *tree() { return panel->tree(); }

    // "group[site[page,page] site[…]] group[…]"
    QString treeText()
    {
        std::function<QString(QTreeWidgetItem *)> text = [&text](QTreeWidgetItem *item) {
            QString out = item->text(0);
            if (item->childCount() == 0)
                return out;
            QStringList children;
            for (int i = 0; i < item->childCount(); ++i)
                children << text(item->child(i));
            return out + QLatin1Char('[') + children.join(QLatin1Char(CHistoryPanel::kindOf(item) ? ',' : ' '))
                + QLatin1Char(']');
        };
        QStringList groups;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            groups << text(tree()->topLevelItem(i));
        return groups.join(QLatin1Char(' '));
    }

    // Opens every group and site, which makes their children.
    void openEverything()
    {
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem *group = tree()->topLevelItem(i);
            group->setExpanded(true);
            for (int s = 0; s < group->childCount(); ++s)
                group->child(s)->setExpanded(true);
        }
    }

    QTreeWidgetItem *find(const QString &text)
    {
        const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    void clickItem(QTreeWidgetItem *item)
    {
        ASSERT_NE(item, nullptr);
        tree()->scrollToItem(item);
        click(tree()->viewport(), tree()->visualItemRect(item).center());
    }

    // Wednesday: the week began on Monday the 11th.
    const QDateTime now{QDate(2024, 3, 13), QTime(12, 0)};
    HistoryStore store;
    CHistoryPanel *panel = nullptr;
};

TEST_F(HistoryFrameTest, CommittedNavigationsAreVisitsWithTheirTitles)
{
    historyFrame();
    host().CreatePage(QStringLiteral("http://a.example/one"), PageHost::ToFront, QStringLiteral("Loading..."));
    // The engine names an untitled page after its address: no title.
    FakeControl *control = activeControl();
    ASSERT_EQ(control->location, QStringLiteral("http://a.example/one"));
    control->finishLoad(QStringLiteral("http://b.example/two"), QStringLiteral("Two"));
    // A title set by the page's script after the load.
    emit control->titleChange(QStringLiteral("Two, later"));

    store.flush();
    EXPECT_EQ(describeHistory(readHistory(store)),
              (QStringList{QStringLiteral("http://b.example/two Two, later 1"), QStringLiteral("http://a.example/one - 1")}));
}

TEST_F(HistoryFrameTest, ErrorPagesAndBlankPagesAreNoVisits)
{
    historyFrame();
    host().CreatePage(QStringLiteral("http://a.example/"), PageHost::ToFront, QStringLiteral("Loading..."));
    FakeControl *control = activeControl();
    emit control->titleChange(QStringLiteral("Alpha"));
    // The same address again, unreachable this time: the engine's error
    // page commits, titled after the host, then the load fails.
    control->failLoad(QStringLiteral("http://a.example/"), QStringLiteral("a.example"));
    control->failLoad(QStringLiteral("http://down.example/"), QStringLiteral("down.example"));
    control->finishLoad(QStringLiteral("about:blank"));

    store.flush();
    const auto entries = readHistory(store);
    EXPECT_EQ(describeHistory(entries), QStringList{QStringLiteral("http://a.example/ Alpha 1")});
}

TEST_F(HistoryFrameTest, WithoutAStoreTheHistoryTabIsEmpty)
{
    frame();
    EXPECT_EQ(frame().findChild<CHistoryPanel *>(), nullptr);
    host().CreatePage(QStringLiteral("http://a.example/"), PageHost::ToFront, QStringLiteral("Loading..."));
    store.flush();
    EXPECT_TRUE(readHistory(store).isEmpty());
}

class HistoryPanelTest : public HistoryFrameTest
{
protected:
    void SetUp() override
    {
        HistoryFrameTest::SetUp();
        const QDate today = now.date();
        visit("http://alpha.example/index.html", QDateTime(today, QTime(11, 0)));
        visit("http://Today.example/a", QDateTime(today, QTime(10, 0)), QStringLiteral("A页"));
        visit("http://today.example/b", QDateTime(today, QTime(9, 30)));
        visit("file:///home/user/note.html", QDateTime(today, QTime(9, 0)));
        visit("mailto:someone@example.com", QDateTime(today, QTime(8, 0)));
        visit("https://mon.example/x", QDateTime(QDate(2024, 3, 11), QTime(0, 0)), QStringLiteral("Mon"));
        visit("http://lastweek.example/old.html", QDateTime(QDate(2024, 3, 7), QTime(18, 0)));
        // Nine days before the week's start.
        visit("ftp://files.example/pub/readme.txt", QDateTime(QDate(2024, 3, 2), QTime(7, 0)));
        store.flush();
    }

    void showHistory()
    {
        historyFrame();
        ASSERT_NE(panel, nullptr);
        // Shown, the panel is filled, or has today read again if it was already.
        QSignalSpy filled(panel, &CHistoryPanel::filled);
        key(Qt::Key_H, Qt::ControlModifier);
        ASSERT_TRUE(panel->isVisible());
        ASSERT_TRUE(QTest::qWaitFor([&filled] { return filled.count() > 0; }, 5000));
    }
};

TEST_F(HistoryPanelTest, VisitsAreGroupedByWeekDayAndSite)
{
    showHistory();
    // Groups start closed.
    EXPECT_EQ(treeText(), QStringLiteral("2周以前 上周 星期一 今天"));
    EXPECT_FALSE(tree()->topLevelItem(0)->isExpanded());
    openEverything();
    EXPECT_EQ(treeText(),
              QStringLiteral("2周以前[files.example[readme.txt]] 上周[lastweek.example[old.html]] "
                             "星期一[mon.example[Mon]] 今天[alpha.example[index.html] Today.example[A页,b] "
                             "我的电脑[note.html]]"));
}

TEST_F(HistoryPanelTest, ClickingOpensGroupsAndSitesAndAPageOpensItsAddress)
{
    showHistory();
    QTreeWidgetItem *group = find(QStringLiteral("2周以前"));
    clickItem(group);
    EXPECT_TRUE(group->isExpanded());
    QTreeWidgetItem *site = find(QStringLiteral("files.example"));
    clickItem(site);
    EXPECT_TRUE(site->isExpanded());
    clickItem(site);
    EXPECT_FALSE(site->isExpanded());
    clickItem(site);

    // The start's blank Page takes the address.
    const int pages = host().list().count();
    clickItem(find(QStringLiteral("readme.txt")));
    EXPECT_EQ(host().list().count(), pages);
    EXPECT_EQ(host().activePage()->address(), QStringLiteral("ftp://files.example/pub/readme.txt"));

    // Another one goes into a new Page.
    clickItem(group);
    EXPECT_FALSE(group->isExpanded());
    clickItem(find(QStringLiteral("今天")));
    clickItem(find(QStringLiteral("我的电脑")));
    clickItem(find(QStringLiteral("note.html")));
    ASSERT_EQ(host().list().count(), pages + 1);
    QStringList addresses;
    for (int i = 0; i < host().list().count(); ++i)
        addresses << host().list().at(i)->address();
    EXPECT_TRUE(addresses.contains(QStringLiteral("file:///home/user/note.html"))) << addresses.join(' ').toStdString();
}

TEST_F(HistoryPanelTest, TodayIsReadAgainWheneverThePanelComesIntoView)
{
    showHistory();
    visit("http://fresh.example/new", now.addSecs(-60), QStringLiteral("New"));
    // A visit from before today that arrived late stays out of today.
    visit("http://late.example/", now.addDays(-1));
    store.flush();
    openEverything();
    EXPECT_FALSE(treeText().contains(QStringLiteral("fresh.example")));

    QSignalSpy filled(panel, &CHistoryPanel::filled);
    key(Qt::Key_H, Qt::ControlModifier); // the bar goes
    ASSERT_FALSE(panel->isVisible());
    key(Qt::Key_H, Qt::ControlModifier); // and comes back
    ASSERT_TRUE(panel->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&filled] { return filled.count() > 0; }, 5000));
    openEverything();
    EXPECT_EQ(treeText(),
              QStringLiteral("2周以前[files.example[readme.txt]] 上周[lastweek.example[old.html]] "
                             "星期一[mon.example[Mon]] 今天[alpha.example[index.html] fresh.example[New] "
                             "Today.example[A页,b] 我的电脑[note.html]]"));
    // The new page opens its own address.
    clickItem(find(QStringLiteral("今天")));
    clickItem(find(QStringLiteral("fresh.example")));
    clickItem(find(QStringLiteral("New")));
    EXPECT_EQ(host().activePage()->address(), QStringLiteral("http://fresh.example/new"));
}

TEST_F(HistoryPanelTest, WhileShownTodayTakesNewVisitsInAndStaysOpenAndEnterOpensAPage)
{
    showHistory();
    QTreeWidgetItem *today = find(QStringLiteral("今天"));
    clickItem(today);
    clickItem(find(QStringLiteral("Today.example")));

    QSignalSpy filled(panel, &CHistoryPanel::filled);
    visit("http://fresh.example/new", now.addSecs(-60), QStringLiteral("New"));
    ASSERT_TRUE(QTest::qWaitFor([&filled] { return filled.count() > 0; }, 5000));
    today = find(QStringLiteral("今天"));
    ASSERT_NE(today, nullptr);
    EXPECT_TRUE(today->isExpanded());
    EXPECT_TRUE(find(QStringLiteral("Today.example"))->isExpanded());
    ASSERT_NE(find(QStringLiteral("fresh.example")), nullptr);

    clickItem(find(QStringLiteral("fresh.example")));
    tree()->setCurrentItem(find(QStringLiteral("New")));
    tree()->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(host().activePage()->address(), QStringLiteral("http://fresh.example/new"));
}

TEST_F(HistoryPanelTest, AVisitDatedAheadIsNotReadIntoTodayAgain)
{
    // A visit dated tomorrow (the clock was put back since) has a group of its own.
    visit("http://ahead.example/one", now.addDays(1));
    store.flush();
    showHistory();
    QSignalSpy filled(panel, &CHistoryPanel::filled);
    key(Qt::Key_H, Qt::ControlModifier);
    key(Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&filled] { return filled.count() > 0; }, 5000));
    openEverything();
    EXPECT_TRUE(treeText().endsWith(QStringLiteral(" 星期四[ahead.example[one]]"))) << treeText().toStdString();
}

TEST_F(HistoryPanelTest, OnTheNextDayEveryGroupIsReadAgain)
{
    showHistory();
    key(Qt::Key_H, Qt::ControlModifier);
    panel->setClock([this] { return now.addDays(1); });
    key(Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return find(QStringLiteral("星期三")) != nullptr; }, 5000));
    EXPECT_EQ(treeText(), QStringLiteral("2周以前 上周 星期一 星期三"));
}

TEST_F(HistoryPanelTest, ClearingTheStoreEmptiesThePanel)
{
    showHistory();
    store.clearAll();
    EXPECT_TRUE(QTest::qWaitFor([this] { return tree()->topLevelItemCount() == 0; }, 5000));
}

} // namespace
