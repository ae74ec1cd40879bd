// The page list, its selection rules and the closed Pages, against fake
// controls. States print as "a^ b* cL" (PageListState.h).
#include "PageHostFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using PageListTest = PageHostFixture;

TEST_F(PageListTest, ClosingTheOnlyPageLeavesABlankPageAndRemembersTheClosedOne)
{
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "blank*^");
    EXPECT_EQ(closedAddresses(), QStringList{"a"});

    // A blank Page is never remembered.
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "blank*^");
    EXPECT_EQ(closedAddresses(), QStringList{"a"});
}

TEST_F(PageListTest, ClosingTheActivePageReturnsToThePreviouslyActiveOne)
{
    open({"d", "c", "b"}); // each lands right after the active Page
    ASSERT_EQ(state(), "a*^ b c d");
    host->SelectPage(3);
    host->SelectPage(1);
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "a c d*^");

    // A Page brought up on creation goes back to the one before it.
    host->SelectPage(1);
    host->CreatePage(url("e"), PageHost::ToFront, QStringLiteral("Loading..."));
    ASSERT_EQ(state(), "a c^ e* d");
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "a c*^ d");
}

TEST_F(PageListTest, WhenThePreviousPageClosesInTheBackgroundItsLeftNeighbourTakesItsPlace)
{
    open({"d", "c", "b"});
    host->SelectPage(1);
    host->SelectPage(3);
    ASSERT_EQ(state(), "a b^ c d*");
    host->ClosePageAt(1); // a double click on b's tab
    EXPECT_EQ(state(), "a^ c d*");
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "a*^ c");

    // The first Page has no left neighbour: the one after it takes its place.
    open({"e"});
    host->SelectPage(2);
    ASSERT_EQ(state(), "a^ e c*");
    host->ClosePageAt(0);
    EXPECT_EQ(state(), "e^ c*");
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "e*^");
}

TEST_F(PageListTest, NewPagesFollowTheActivePageAndRenumberTheRest)
{
    switches.bNewWindowFollow = false;
    open({"b", "c", "d", "e"});
    host->SelectPage(2);
    switches.bNewWindowFollow = true;
    open({"n"});
    EXPECT_EQ(state(), "a^ b c* n d e"); // indices checked inside state()

    switches.bNewWindowActive = true;
    open({"m"});
    EXPECT_EQ(state(), "a b c^ m* n d e");
}

TEST_F(PageListTest, MiddleClickOnTheActiveFirstTabActivatesTheNewFirstTab)
{
    open({"c", "b"});
    host->middleClickTab(0);
    EXPECT_EQ(state(), "b*^ c");
    // With two tabs the first remaining one always becomes active.
    host->SelectPage(1);
    host->middleClickTab(1);
    EXPECT_EQ(state(), "b*^");
}

TEST_F(PageListTest, CloseTabAtKeepsTheActivePageAndPicksTheRightPrevious)
{
    open({"e", "d", "c", "b"});
    host->SelectPage(4);
    host->CloseTabAt(1); // the active Page is the last one: previous becomes current - 1
    EXPECT_EQ(state(), "a c d^ e*");
    host->CloseCurrentPage();
    EXPECT_EQ(state(), "a c d*^");

    host->CloseTabAt(0);
    EXPECT_EQ(state(), "c^ d*");
    host->CloseTabAt(0); // two tabs: current and previous go to 0 first
    EXPECT_EQ(state(), "d*^");
}

TEST_F(PageListTest, BlankPagesAreReusedAndNeverRemembered)
{
    host->CreatePage(QString(), PageHost::ToFront, QStringLiteral("Loading..."));
    ASSERT_EQ(state(), "a^ blank*");
    host->CloseCurrentPage();
    EXPECT_TRUE(closedAddresses().isEmpty());

    host->CreatePage(QString(), PageHost::ToFront, QStringLiteral("Loading..."));
    open({"b"});
    host->SelectPage(0);
    host->ClosePageAt(2);
    EXPECT_EQ(closedAddresses(), QStringList{"b"});
    host->SelectPage(1);
    host->ReopenLastClosedPage(); // the active Page shows about:blank: it loads b
    EXPECT_EQ(state(), "a^ b*");
    EXPECT_TRUE(closedAddresses().isEmpty());
}

TEST_F(PageListTest, TheClosedListKeepsTheLastFifteenAndReopensAnyEntryInPlace)
{
    for (int i = 0; i < 16; ++i) {
        open({QStringLiteral("p%1").arg(i)});
        host->ClosePageAt(1);
    }
    QStringList expected;
    for (int i = 15; i >= 1; --i)
        expected << QStringLiteral("p%1").arg(i);
    EXPECT_EQ(closedAddresses(), expected);

    // Reopening one entry removes exactly that one.
    const ClosedPageList &closed = host->list().closed();
    const int slotOfP7 = closed.slotsNewestFirst().at(8);
    ASSERT_EQ(closed.at(slotOfP7).address, url("p7"));
    host->ReopenClosedPage(slotOfP7);
    expected.removeAll(QStringLiteral("p7"));
    EXPECT_EQ(closedAddresses(), expected);
    EXPECT_EQ(state(), "a*^ p7");

    host->ReopenLastClosedPage();
    expected.removeFirst();
    EXPECT_EQ(closedAddresses(), expected);
    EXPECT_EQ(state(), "a*^ p15 p7");
}

TEST_F(PageListTest, LockedPagesSurviveEveryBulkClose)
{
    open({"e", "d", "c", "b"});
    host->toggleLock(1);
    host->toggleLock(3);
    host->closeAll();
    EXPECT_EQ(state(), "b*^L dL");

    open({"x"});
    ASSERT_EQ(state(), "b*^L x dL");
    host->closeAllBut(2);
    EXPECT_EQ(state(), "b*L d^L");

    host->toggleLock(0);
    host->toggleLock(1);
    host->closeAll();
    EXPECT_EQ(state(), "blank*^");

    host->toggleLock(0);
    host->closeAll(); // everything locked: nothing closes
    host->closeErrorPages();
    EXPECT_EQ(state(), "blank*^L");
}

TEST_F(PageListTest, ClosingAHostClosesEveryPageWhoseAddressContainsIt)
{
    host->OpenInCurrentPage(QStringLiteral("http://news.example/today"));
    open({"mirror.example?from=news.example", "other.example", "news.example/b"});
    host->toggleLock(1);
    ASSERT_EQ(state(), "news.example*^ news.exampleL other.example mirror.example");
    host->closeHostOf(0);
    // The mirror's address holds the host in its query: it goes too.
    EXPECT_EQ(state(), "news.example*^L other.example");
}

TEST_F(PageListTest, ClosingAllButTheMenuTabAndErrorPages)
{
    open({"d", "c", "b"});
    host->SelectPage(3);
    host->closeAllButTab(1);
    EXPECT_EQ(state(), "b*^");

    open({"c", "d"});
    emit fake(1)->beforeNavigate2(BrowserControl::Frame::Top);
    emit fake(1)->navigateError(BrowserControl::Frame::Top);
    emit fake(1)->documentComplete(BrowserControl::Frame::Top);
    ASSERT_EQ(state(), "b*^ dE c");
    host->closeErrorPages();
    EXPECT_EQ(state(), "b*^ c");
}

TEST_F(PageListTest, DroppedTextAndFiles)
{
    host->openDroppedText(QStringLiteral("javascript:alert(1)"));
    host->openDroppedText(QStringLiteral("  JavaScript:alert(1)"));
    EXPECT_EQ(state(), "a*^");
    host->openDroppedText(QStringLiteral("http://b/"));
    EXPECT_EQ(state(), "a*^ b");

    // A script dropped on a tab is refused too; an address loads there.
    host->openTextInTab(1, QStringLiteral("javascript:alert(1)"));
    EXPECT_EQ(fake(1)->navigated.last(), "http://b/");
    host->openTextInTab(1, QStringLiteral("http://c/"));
    EXPECT_EQ(fake(1)->navigated.last(), "http://c/");

    QTemporaryDir dir;
    const QString shortcut = dir.filePath(QStringLiteral("Site.URL"));
    const QString link = dir.filePath(QStringLiteral("site.desktop"));
    const QString program = dir.filePath(QStringLiteral("app.desktop"));
    auto write = [](const QString &file, const QByteArray &text) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    };
    write(shortcut, "[InternetShortcut]\r\nURL=http://d/\r\n");
    write(link, "[Desktop Entry]\nType=Link\nName=E\nURL=http://e/\n");
    write(program, "[Desktop Entry]\nType=Application\nExec=rm -rf ~\nURL=http://f/\n");
    host->openDroppedFiles({shortcut, program, link}, false);
    EXPECT_EQ(state(), "d*^ e c"); // the first file opened in the active Page
    host->openDroppedFiles({shortcut}, true);
    EXPECT_EQ(state(), "d*^ d e c");

    const QString script = dir.filePath(QStringLiteral("evil.url"));
    write(script, "[InternetShortcut]\r\nURL=javascript:alert(document.cookie)\r\n");
    host->openDroppedFiles({script}, false);
    EXPECT_EQ(state(), "d*^ d e c");
    EXPECT_EQ(fake(0)->navigated.last(), "http://d/");
}

} // namespace
