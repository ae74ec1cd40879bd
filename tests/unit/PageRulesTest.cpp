// The pure rules of the Pages, row by row, and the Page's reactions to its
// control's events.
#include "core/CommandIds.h"
#include "core/SettingsTable.h"
#include "pages/PopupRule.h"
#include "pages/StatusFilter.h"
#include "pages/TabGeometry.h"

#include "PageHostFixture.h"

#include <gtest/gtest.h>

namespace {

using TabGeometry::Fit;

TEST(TabWidthTest, TabsShareTheStripUntilTheyAreSixtyPixelsOrNarrower)
{
    // 615 pixels wide: 600 available.
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Adding, 615, 200, 5), 120);
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Adding, 615, 120, 11), 54);
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Adding, 615, 54, 12), 54); // a twelfth keeps 54
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Adding, 615, 60, 11), 60); // 60 is not wider than 60
    // Resizing widens them again once they fit.
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Resize, 615, 54, 12), 54); // 648 > 600
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Resize, 615, 54, 10), 60);
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Resize, 815, 54, 12), 66);
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Resize, 615, 120, 0), 600); // no tabs counts as one
    // Never narrower than the strip's minimum.
    EXPECT_EQ(TabGeometry::fittedWidth(Fit::Adding, 100, 200, 50), TabGeometry::kMinimumWidth);
}

TEST(TabWidthTest, TheGlyphZoneIsTenByNineFromLeftPlusFourTopPlusFive)
{
    const QRect item(100, 2, 120, 22);
    EXPECT_TRUE(TabGeometry::inGlyphZone(item, {104, 7}));
    EXPECT_TRUE(TabGeometry::inGlyphZone(item, {113, 15}));
    EXPECT_FALSE(TabGeometry::inGlyphZone(item, {114, 10})); // right edge is outside
    EXPECT_FALSE(TabGeometry::inGlyphZone(item, {108, 16})); // so is the bottom edge
    EXPECT_FALSE(TabGeometry::inGlyphZone(item, {103, 10}));
    EXPECT_FALSE(TabGeometry::inGlyphZone(item, {108, 6}));
}

TEST(PopupRuleTest, LabelsFromTheClickedText)
{
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral("  ab ")), QStringLiteral("载入..."));
    EXPECT_EQ(PopupRule::tabLabel(QString()), QStringLiteral("载入..."));
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral("News")), QStringLiteral("News..."));
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral("abc")), QStringLiteral("abc..."));
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral("123456789")), QStringLiteral("123456789..."));
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral("1234567890")), QStringLiteral("1234567890"));
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral(" 123456789 ")), QStringLiteral("123456789...")); // blanks do not count
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral(" Twelve chars ")), QStringLiteral("Twelve chars"));
    EXPECT_EQ(PopupRule::tabLabel(QStringLiteral("新闻中心")), QStringLiteral("新闻中心..."));
}

TEST(PopupRuleTest, AWindowNeedsAClickOnTheActivePageThatMatchesTheFocusedElement)
{
    const ElementInfo link{QStringLiteral("7"), QStringLiteral("A"), QStringLiteral("Read the whole story")};
    const ElementInfo boldInLink{QStringLiteral("8"), QStringLiteral("B"), QStringLiteral("whole")};
    const ElementInfo image{QStringLiteral("9"), QStringLiteral("IMG"), QString()};
    const ElementInfo elsewhere{QStringLiteral("3"), QStringLiteral("DIV"), QStringLiteral("sidebar")};
    const ElementInfo button{QStringLiteral("4"), QStringLiteral("BUTTON"), QStringLiteral("Go")};

    auto decide = [](bool active, bool user, std::optional<ElementInfo> focused,
                     std::optional<ElementInfo> clicked) {
        PopupRule::Request r;
        r.fromActivePage = active;
        r.userInitiated = user;
        r.activeElement = focused;
        r.lastClicked = clicked;
        return PopupRule::decide(r);
    };
    EXPECT_TRUE(decide(true, true, link, link).allowed);
    EXPECT_EQ(decide(true, true, link, link).label, QStringLiteral("Read the whole story"));
    EXPECT_TRUE(decide(true, true, link, boldInLink).allowed);
    EXPECT_TRUE(decide(true, true, link, image).allowed);
    EXPECT_TRUE(decide(true, true, button, button).allowed);
    EXPECT_EQ(decide(true, true, button, button).label, QStringLiteral("载入..."));
    EXPECT_FALSE(decide(true, true, link, elsewhere).allowed);
    EXPECT_FALSE(decide(true, true, button, image).allowed); // not a link: only the same element
    EXPECT_FALSE(decide(false, true, link, link).allowed);   // a background Page
    EXPECT_FALSE(decide(true, false, link, link).allowed);   // no user gesture behind it
    EXPECT_FALSE(decide(true, true, std::nullopt, link).allowed);
    EXPECT_FALSE(decide(true, true, link, std::nullopt).allowed);

    PopupRule::Request off;
    off.blocking = false;
    EXPECT_TRUE(PopupRule::decide(off).allowed);
    EXPECT_EQ(PopupRule::decide(off).label, QStringLiteral("载入..."));
}

TEST(StatusFilterTest, OnlyAddressLikeTextsPassTheFilter)
{
    EXPECT_FALSE(StatusFilter::isAddressLike(QStringLiteral("Done")));
    EXPECT_FALSE(StatusFilter::isAddressLike(QString()));
    EXPECT_FALSE(StatusFilter::isAddressLike(QStringLiteral("see about:blank")));
    EXPECT_TRUE(StatusFilter::isAddressLike(QStringLiteral("about:blank")));
    EXPECT_TRUE(StatusFilter::isAddressLike(QStringLiteral("go to https://a.example/")));
    EXPECT_TRUE(StatusFilter::isAddressLike(QStringLiteral("mailto:x@a.example")));
    EXPECT_TRUE(StatusFilter::isAddressLike(QStringLiteral("javascript:void(0)")));
}

using PageEventsTest = PageHostFixture;

TEST_F(PageEventsTest, LoadStatesDriveTheTabGlyph)
{
    open({"b"});
    FakeControl *b = fake(1);
    QList<TabGlyph> glyphs;
    QObject::connect(page(1), &CWebBrowser2::tabChanged, [&](CWebBrowser2 *p) {
        if (glyphs.isEmpty() || glyphs.last() != p->tabImage())
            glyphs << p->tabImage();
    });

    // A failed navigation: loading until the error page is complete.
    emit b->beforeNavigate2(BrowserControl::Frame::Top);
    emit b->navigateError(BrowserControl::Frame::Top);
    emit b->documentComplete(BrowserControl::Frame::Inner); // an inner frame ends nothing
    EXPECT_TRUE(page(1)->isLoading());
    emit b->documentComplete(BrowserControl::Frame::Top);
    EXPECT_EQ(glyphs, (QList<TabGlyph>{TabGlyph::Loading, TabGlyph::ErrorPage}));
    EXPECT_EQ(page(1)->state(), CWebBrowser2::Error);
    EXPECT_FALSE(page(1)->isLoading());

    // The next navigation clears the error; a background Page ends on loaded.
    glyphs.clear();
    b->finishLoad(url("b"), QStringLiteral("B"));
    EXPECT_EQ(glyphs, (QList<TabGlyph>{TabGlyph::Loading, TabGlyph::DocumentLoading, TabGlyph::Loaded}));
    EXPECT_EQ(page(1)->state(), CWebBrowser2::Normal);
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("B"));

    // Locked Pages keep their glyph; an error unlocks them.
    host->toggleLock(1);
    glyphs = {TabGlyph::Locked};
    b->finishLoad(url("b"));
    EXPECT_EQ(glyphs, QList<TabGlyph>{TabGlyph::Locked});
    emit b->beforeNavigate2(BrowserControl::Frame::Top);
    emit b->navigateError(BrowserControl::Frame::Top);
    EXPECT_EQ(page(1)->state(), CWebBrowser2::Error);
}

TEST_F(PageEventsTest, OnlyTheActivePageSpeaksToTheFrame)
{
    open({"b"});
    fake(0)->finishLoad(url("a"), QStringLiteral("Page A"));
    EXPECT_EQ(frame.title, QStringLiteral("Page A"));
    EXPECT_EQ(frame.address, url("a"));
    fake(1)->finishLoad(url("b"), QStringLiteral("Page B"));
    EXPECT_EQ(frame.title, QStringLiteral("Page A"));
    emit fake(1)->statusTextChange(QStringLiteral("http://b/link"));
    emit fake(1)->progressChange(50, 100);
    EXPECT_TRUE(frame.statusTexts.isEmpty());

    emit fake(0)->progressChange(150, 100);
    EXPECT_EQ(frame.progress, std::make_pair(100, 100));
    emit fake(0)->progressChange(-5, 100);
    EXPECT_EQ(frame.progress, std::make_pair(0, 100));
    emit fake(0)->setSecureLockIcon(6);
    EXPECT_EQ(frame.security, QStringLiteral("128-bit."));

    switches.NostatusText = true;
    emit fake(0)->statusTextChange(QStringLiteral("Waiting for a.example"));
    emit fake(0)->statusTextChange(QStringLiteral("javascript:go()"));
    emit fake(0)->statusTextChange(QStringLiteral("http://a/x"));
    emit fake(0)->statusTextChange(QString());
    EXPECT_EQ(frame.statusTexts, (QStringList{"javascript:go()", "http://a/x", ""}));

    host->SelectPage(1);
    EXPECT_EQ(frame.title, QStringLiteral("Page B"));
    EXPECT_EQ(page(0)->tabImage(), TabGlyph::Loaded);
    EXPECT_EQ(page(1)->tabImage(), TabGlyph::LoadedActive);
}

TEST_F(PageEventsTest, OneClickLetsOneWindowThroughWithTheLinkTextAsLabel)
{
    const ElementInfo link{QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("News")};
    fake(0)->active = link;
    emit fake(0)->elementReleased(link);

    FakeNewWindowRequest first(true);
    emit fake(0)->newWindow2(first);
    ASSERT_NE(first.openedIn, nullptr);
    EXPECT_EQ(state(), "a*^ new");
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("News..."));
    EXPECT_EQ(page(1)->state(), CWebBrowser2::NewWindow);

    // The engine names the new window about:blank first: the label stays.
    emit fake(1)->titleChange(QStringLiteral("about:blank"));
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("News..."));
    emit fake(1)->beforeNavigate2(BrowserControl::Frame::Top);
    emit fake(1)->titleChange(QStringLiteral("The news"));
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("The news"));

    // A second window without a new click is refused, as is one from a
    // background Page.
    FakeNewWindowRequest second(true);
    emit fake(0)->newWindow2(second);
    EXPECT_EQ(second.openedIn, nullptr);
    fake(1)->active = link;
    emit fake(1)->elementReleased(link);
    FakeNewWindowRequest background(true);
    emit fake(1)->newWindow2(background);
    EXPECT_EQ(background.openedIn, nullptr);

    // Enter on a focused link counts as a click; Ctrl+Enter does not.
    emit fake(0)->enterPressed(link, true);
    FakeNewWindowRequest afterCtrlEnter(true);
    emit fake(0)->newWindow2(afterCtrlEnter);
    EXPECT_EQ(afterCtrlEnter.openedIn, nullptr);
    emit fake(0)->enterPressed(link, false);
    FakeNewWindowRequest afterEnter(true);
    emit fake(0)->newWindow2(afterEnter);
    EXPECT_NE(afterEnter.openedIn, nullptr);

    // With blocking off, everything opens, labelled "载入...".
    switches.KillPopup = false;
    FakeNewWindowRequest script(false);
    emit fake(0)->newWindow2(script);
    ASSERT_NE(script.openedIn, nullptr);
    EXPECT_EQ(page(1)->tabLabel(), QStringLiteral("载入..."));
}

TEST_F(PageEventsTest, ScriptErrorsGoToTheStatusBarWhileSilent)
{
    emit fake(0)->scriptError(QStringLiteral("Uncaught ReferenceError: x"), url("a"), 3);
    EXPECT_EQ(frame.statusTexts, QStringList{"脚本错误!"});
    EXPECT_TRUE(messages.told.isEmpty());
    switches.bSilent = false;
    // An error on a timer while the box is up does not stack a second box.
    messages.whileShown = [&] { emit fake(0)->scriptError(QStringLiteral("Uncaught again"), url("a"), 4); };
    emit fake(0)->scriptError(QStringLiteral("Uncaught ReferenceError: x"), url("a"), 3);
    EXPECT_EQ(frame.statusTexts, (QStringList{"脚本错误!", "脚本错误!"}));
    emit fake(0)->scriptError(QStringLiteral("Uncaught later"), url("a"), 5);
    ASSERT_EQ(messages.told.size(), 2);
    EXPECT_TRUE(messages.told[0].contains(QStringLiteral("ReferenceError")));
    EXPECT_TRUE(messages.told[0].contains(QStringLiteral("3")));
}

TEST_F(PageEventsTest, ContentSwitchesAreWrittenAtOnceAndReachEveryPage)
{
    open({"b"});
    // A new profile loads images, videos and sounds.
    EXPECT_TRUE(fake(0)->policy.images);
    EXPECT_TRUE(fake(0)->policy.videos);
    EXPECT_TRUE(fake(0)->policy.scripts);

    host->toggleContentSwitch(cmd::NoScript);
    host->toggleContentSwitch(cmd::LoadImages);
    EXPECT_EQ(settings.read(settings::NoScript), 1);
    EXPECT_FALSE(fake(1)->policy.scripts);
    EXPECT_FALSE(fake(1)->policy.images);
    EXPECT_EQ(fake(1)->refreshes.size(), 2); // every Page asks again

    // What was written is what the next start reads.
    DownloadFlags again(registry, settings);
    again.load();
    EXPECT_TRUE(again.has(DownloadFlags::NoScripts));
    EXPECT_FALSE(again.has(DownloadFlags::Images));
    EXPECT_TRUE(again.has(DownloadFlags::Videos));

    // Animations have no bit; pressed twice the value is back where it was.
    EXPECT_FALSE(flags.isChecked(cmd::LoadAnimations));
    host->toggleContentSwitch(cmd::LoadAnimations);
    EXPECT_TRUE(flags.isChecked(cmd::LoadAnimations));
    host->toggleContentSwitch(cmd::LoadAnimations);
    EXPECT_FALSE(flags.isChecked(cmd::LoadAnimations));
    EXPECT_EQ(registry.query(Hive::CurrentUser, QLatin1String(mirrored::kIEMain), QStringLiteral("Play_Animations"))->text,
              QStringLiteral("no"));
}

} // namespace
