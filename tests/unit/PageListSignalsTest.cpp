// The page list on its own, without a Page Host: its rules and the signals
// it sends for every change, in order. States print as in PageListState.h.
#include "core/AppSwitches.h"
#include "pages/PageContext.h"
#include "pages/PageList.h"
#include "pages/PopupGate.h"

#include "FakeControl.h"
#include "PageListState.h"
#include "RecordingFrame.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Pages see no more of the Pages around them than this.
class BareContext : public PageContext
{
public:
    explicit BareContext(const PageList &list)
        : m_list(list)
    {
    }
    bool isActive(const CWebBrowser2 *page) const override { return page && page == m_list.active(); }
    PageFrame &frame() override { return m_frame; }
    const AppSwitches &switches() const override { return m_switches; }
    PopupGate &popupGate() override { return m_gate; }
    CWebBrowser2 *openWindowPage(const QString &) override { return nullptr; }
    bool focusInside() const override { return false; }
    void playSound(const QString &) override {}
    bool showScriptError(QWidget *, const QString &) override { return false; }

private:
    const PageList &m_list;
    RecordingFrame m_frame;
    AppSwitches m_switches;
    PopupGate m_gate;
};

class PageListSignalsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QObject::connect(&list, &PageList::inserted, [this](int i) { events << QStringLiteral("inserted %1").arg(i); });
        QObject::connect(&list, &PageList::removed, [this](int i) { events << QStringLiteral("removed %1").arg(i); });
        QObject::connect(&list, &PageList::currentChanged,
                         [this](int i) { events << QStringLiteral("current %1").arg(i); });
        QObject::connect(&list, &PageList::tabChanged, [this](int i) { events << QStringLiteral("tab %1").arg(i); });
        QObject::connect(&list, &PageList::closedListChanged, [this] { events << QStringLiteral("closed"); });
    }

    // A Page showing http://name/, made outside the list.
    std::unique_ptr<CWebBrowser2> page(const QString &name)
    {
        auto control = std::make_unique<FakeControl>(nullptr);
        control->location = name.isEmpty() ? QString() : QStringLiteral("http://%1/").arg(name);
        return std::make_unique<CWebBrowser2>(std::move(control), context);
    }

    // Appends Pages and forgets the signals that told of it.
    void fill(const QStringList &names)
    {
        for (const QString &name : names)
            list.insert(list.count(), page(name));
        events.clear();
    }

    // The signals since the last look.
    QStringList told() { return std::exchange(events, {}); }
    std::string state() const { return pageListState(list); }

    PageList list;
    BareContext context{list};
    QStringList events;
};

TEST_F(PageListSignalsTest, InsertingTellsThePlaceAndMovesTheActivePageOnlyWhenItShifts)
{
    list.insert(list.placeForNew(true), page(QStringLiteral("a")));
    EXPECT_EQ(told(), (QStringList{"inserted 0", "current 0"})); // the first Page comes up
    EXPECT_EQ(state(), "a*^");

    list.insert(list.placeForNew(true), page(QStringLiteral("c")));
    list.insert(list.placeForNew(true), page(QStringLiteral("b"))); // right after the active Page
    list.insert(list.placeForNew(false), page(QStringLiteral("d")));
    EXPECT_EQ(told(), (QStringList{"inserted 1", "inserted 1", "inserted 3"}));
    EXPECT_EQ(state(), "a*^ b c d");

    list.select(2);
    EXPECT_EQ(told(), QStringList{"current 2"});
    // In front of both the active and the previous Page: both stay on their Pages.
    list.insert(0, page(QStringLiteral("z")));
    EXPECT_EQ(told(), (QStringList{"inserted 0", "current 3"}));
    EXPECT_EQ(state(), "z a^ b c* d");
    list.insert(99, page(QStringLiteral("y"))); // past the end: at the end
    EXPECT_EQ(told(), QStringList{"inserted 5"});
}

TEST_F(PageListSignalsTest, SelectingRemembersTheActivePageButStepsDoNot)
{
    fill({"a", "b", "c"});
    list.select(1);
    EXPECT_EQ(state(), "a^ b* c");
    list.select(1); // already active: it becomes its own previous Page, nothing to tell
    EXPECT_EQ(state(), "a b*^ c");
    list.select(7);
    EXPECT_EQ(told(), QStringList{"current 1"});

    list.selectNeighbour(1);
    list.selectNeighbour(1); // round the end
    list.selectNeighbour(-1);
    EXPECT_EQ(told(), (QStringList{"current 2", "current 0", "current 2"}));
    EXPECT_EQ(state(), "a b^ c*");
    EXPECT_EQ(list.neighbour(-5), 0);
}

TEST_F(PageListSignalsTest, TakingTheActivePageBringsUpThePreviousOneAndTellsItAfterTheRemoval)
{
    fill({"a", "b", "c", "d", "e"});
    list.select(1);
    list.select(3);
    told();

    auto gone = list.take(3);
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->address(), QStringLiteral("http://d/"));
    EXPECT_EQ(told(), (QStringList{"removed 3", "current 1"}));
    EXPECT_EQ(state(), "a b*^ c e");

    // Behind the active Page: it moves one place to the left.
    list.take(0);
    EXPECT_EQ(told(), (QStringList{"removed 0", "current 0"}));
    EXPECT_EQ(state(), "b*^ c e");
    // After it: nothing more to tell.
    list.take(2);
    EXPECT_EQ(told(), QStringList{"removed 2"});

    // The Page that comes up may have the same index as the one gone.
    list.select(1);
    list.select(0);
    list.take(0);
    EXPECT_EQ(told(), (QStringList{"current 1", "current 0", "removed 0", "current 0"}));
    EXPECT_EQ(state(), "c*^");

    list.take(0);
    EXPECT_EQ(told(), QStringList{"removed 0"});
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.take(0), nullptr);
}

TEST_F(PageListSignalsTest, ThePreviousPageFollowsItsPageThroughRemovals)
{
    fill({"a", "b", "c", "d", "e"});
    list.select(3);
    list.select(4);
    ASSERT_EQ(state(), "a b c d^ e*");
    list.take(1);
    EXPECT_EQ(state(), "a c d^ e*");
    list.take(2); // the previous Page itself: its left neighbour takes its place
    EXPECT_EQ(state(), "a c^ e*");
    list.take(2);
    EXPECT_EQ(state(), "a c*^");
    list.select(0);
    list.take(0);
    EXPECT_EQ(state(), "c*^");
}

TEST_F(PageListSignalsTest, TheGesturesBeforeACloseSetThePageToComeBackTo)
{
    fill({"a", "b", "c", "d"});
    list.select(3);
    told();
    list.prepareTabClose(); // the active Page is the last: the one left of it
    EXPECT_EQ(state(), "a b c^ d*");
    list.select(1);
    list.prepareTabClose();
    EXPECT_EQ(state(), "a b*^ c d");
    list.prepareMiddleClickClose(true);
    EXPECT_EQ(state(), "a b*^ c d");
    list.prepareCloseAllBut(2);
    EXPECT_EQ(state(), "a b* c^ d");
    list.prepareCloseAllBut(9);
    EXPECT_EQ(state(), "a b* c^ d");
    EXPECT_EQ(told(), QStringList{"current 1"});

    list.take(3);
    list.take(2);
    told();
    // Two Pages: the first one comes up and is the one to come back to.
    list.prepareTabClose();
    EXPECT_EQ(told(), QStringList{"current 0"});
    EXPECT_EQ(state(), "a*^ b");
    list.select(1);
    list.prepareMiddleClickClose(false); // a locked tab: nothing closes
    EXPECT_EQ(state(), "a b*^");
    list.prepareMiddleClickClose(true);
    EXPECT_EQ(state(), "a^ b*");
}

TEST_F(PageListSignalsTest, ThePagesTabsAndTheClosedListEachTellTheirOwnChanges)
{
    fill({"a", "b", ""});
    list.at(1)->setTabLabel(QStringLiteral("B"));
    list.at(1)->setTabImage(TabGlyph::Loaded);
    list.at(1)->setTabImage(TabGlyph::Loaded); // no change
    EXPECT_EQ(told(), (QStringList{"tab 1", "tab 1"}));
    list.take(0);
    told();
    list.at(0)->setTabLabel(QStringLiteral("b"));
    EXPECT_EQ(told(), QStringList{"tab 0"}); // told by its new index
    auto gone = list.take(0);
    gone->setTabLabel(QStringLiteral("gone"));
    EXPECT_EQ(told(), (QStringList{"removed 0", "current 0"}));

    // A Page showing nothing or "about:blank" is not remembered.
    fill({"c"});
    auto *c = static_cast<FakeControl *>(list.at(1)->control());
    c->navigate(QStringLiteral("about:blank"));
    told();
    list.rememberClosed(0);
    list.rememberClosed(1);
    EXPECT_EQ(told(), QStringList{});
    EXPECT_TRUE(list.closed().isEmpty());
    c->finishLoad(QStringLiteral("http://c/"), QStringLiteral("C"));
    told();
    list.rememberClosed(1);
    EXPECT_EQ(told(), QStringList{"closed"});
    const ClosedPageList::Entry &entry = list.closed().at(list.closed().newestSlot());
    EXPECT_EQ(entry.address, QStringLiteral("http://c/"));
    EXPECT_EQ(entry.title, QStringLiteral("C"));

    list.addClosed(QStringLiteral("about:blank"), QStringLiteral("about:blank")); // the last exit's, as they were
    list.forgetClosed(list.closed().newestSlot());
    list.forgetNewestClosed();
    list.forgetNewestClosed(); // empty: nothing to tell
    list.forgetClosed(5);
    EXPECT_EQ(told(), (QStringList{"closed", "closed", "closed"}));
    EXPECT_TRUE(list.closed().isEmpty());
}

} // namespace
