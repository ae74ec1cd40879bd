// The tab strip as the user handles it, with the mouse, over fake controls.
#include "pages/TabStrip.h"

#include "PageHostFixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

class TabStripTest : public PageHostFixture
{
protected:
    void SetUp() override
    {
        PageHostFixture::SetUp();
        switches.bNewWindowFollow = false;
        strip = std::make_unique<TabStrip>(*host);
        strip->resize(615, 24);
        open({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
        // Clicks come from the window system, to the strip's own window.
        strip->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(strip.get()));
    }

    QWindow *window() { return strip->windowHandle(); }

    void TearDown() override { strip.reset(); }

    QPoint glyphOf(int i) const { return strip->tabRect(i).topLeft() + QPoint(8, 9); }
    QPoint middleOf(int i) const { return strip->tabRect(i).center(); }

    std::unique_ptr<TabStrip> strip;
};

TEST_F(TabStripTest, TabsShareTheWidthAndFollowTheList)
{
    EXPECT_EQ(strip->tabWidth(), 120);
    EXPECT_EQ(strip->tabAt(QPoint(5, 5)), 0);
    EXPECT_EQ(strip->tabAt(QPoint(599, 5)), 4);
    EXPECT_EQ(strip->tabAt(QPoint(601, 5)), -1);
    open({QStringLiteral("f")});
    EXPECT_EQ(strip->tabWidth(), 100);
    host->ClosePageAt(5);
    host->ClosePageAt(4);
    // The resize form widens them again.
    EXPECT_EQ(strip->tabWidth(), 150);
}

TEST_F(TabStripTest, AClickSelectsAndCtrlClickOrTheCloseGlyphCloses)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, middleOf(2));
    EXPECT_EQ(state(), "a^ b c* d e");
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("TabSelect.wav")});

    QTest::mouseClick(window(), Qt::LeftButton, Qt::ControlModifier, middleOf(4));
    EXPECT_EQ(state(), "a b c*^ d");
    QTest::mouseClick(window(), Qt::LeftButton, {}, glyphOf(1));
    EXPECT_EQ(state(), "a c*^ d");

    // Pressed on one glyph, released on another: nothing closes.
    QTest::mousePress(window(), Qt::LeftButton, {}, glyphOf(0));
    EXPECT_EQ(strip->glyphShown(0), TabGlyph::ClosePressed);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, glyphOf(2));
    EXPECT_EQ(state(), "a c^ d*");

    switches.bSound = false;
    QTest::mouseClick(window(), Qt::LeftButton, {}, middleOf(0));
    EXPECT_EQ(sounds.played.size(), 4); // one per press while sounds were on
}

TEST_F(TabStripTest, TheGlyphOfALockedTabUnlocksIt)
{
    host->toggleLock(2);
    EXPECT_EQ(strip->toolTipAt(glyphOf(2)), QStringLiteral("Unlock"));
    EXPECT_EQ(strip->toolTipAt(glyphOf(1)), QStringLiteral("Close"));
    QTest::mousePress(window(), Qt::LeftButton, {}, glyphOf(2));
    EXPECT_EQ(strip->glyphShown(2), TabGlyph::UnlockPressed);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, glyphOf(2));
    EXPECT_EQ(state(), "a*^ b c d e");
    EXPECT_EQ(page(2)->tabImage(), TabGlyph::Loaded); // unlocked, not the active Page
    QTest::mouseClick(window(), Qt::LeftButton, Qt::ControlModifier, middleOf(2));
    EXPECT_EQ(state(), "a*^ b d e");
}

TEST_F(TabStripTest, DoubleAndMiddleClicksClose)
{
    QTest::mouseDClick(window(), Qt::LeftButton, {}, middleOf(3));
    EXPECT_EQ(host->list().count(), 4);
    EXPECT_EQ(closedAddresses(), QStringList{QStringLiteral("d")});

    host->SelectPage(0);
    QTest::mouseClick(window(), Qt::MiddleButton, {}, middleOf(0));
    EXPECT_EQ(state(), "b*^ c e");
}

TEST_F(TabStripTest, ARightClickOpensTheMenuForThatTab)
{
    QSignalSpy asked(strip.get(), &TabStrip::tabMenuRequested);
    QTest::mouseClick(window(), Qt::RightButton, {}, middleOf(3));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].toInt(), 3);
    EXPECT_EQ(host->menuTab(), 3);
    EXPECT_EQ(host->list().current(), 0); // the selection stays

    // Outside the tabs there is no menu, and none of the window's either.
    QTest::mouseClick(window(), Qt::RightButton, {}, QPoint(strip->width() - 3, 5));
    EXPECT_EQ(asked.size(), 1);

    fake(3)->finishLoad(url(QStringLiteral("d")), QStringLiteral("The D page"));
    EXPECT_EQ(strip->toolTipAt(middleOf(3)), QStringLiteral("The D page"));
}

} // namespace
