// The real program on its own X desktop, driven by keys and clicks that come
// through the X server as from a real keyboard and mouse, against pages
// served on loopback.
#include "DesktopBrowser.h"
#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"

#include <QElapsedTimer>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

namespace {

// A page that asks the server for "/marked?..." as soon as a node holding
// the word is added to its document: what marking the word does.
QByteArray pageReportingMarks(const QString &title, const QString &word)
{
    return QStringLiteral("<!doctype html><html><head><title>%1</title></head><body>"
                          "<p>an %2 and a plum, then %2 again</p><script>"
                          "new MutationObserver(function (records) {"
                          "  for (const record of records)"
                          "    for (const node of record.addedNodes)"
                          "      if (node.textContent.indexOf('%2') >= 0) {"
                          "        fetch('/marked?' + node.nodeName);"
                          "        return;"
                          "      }"
                          "}).observe(document.body, {childList: true, subtree: true});"
                          "</script></body></html>")
        .arg(title, word)
        .toUtf8();
}

class RealInput : public ::testing::Test
{
protected:
    // Starts the program on the server's page of that name (its title).
    testing::AssertionResult startOn(const QString &name)
    {
        if (!routed.contains(name))
            serve(name);
        const QString error = browser.start(server.url(pathOf(name)), name);
        if (!error.isEmpty())
            return testing::AssertionFailure() << error.toStdString();
        return testing::AssertionSuccess();
    }

    void serve(const QString &name)
    {
        server.page(pathOf(name), name);
        routed << name;
    }

    static QString pathOf(const QString &name) { return QLatin1Char('/') + name + QStringLiteral(".html"); }

    // More Pages behind the first, handed over as later starts do; waits
    // until the program keeps them all.
    testing::AssertionResult openBehind(const QStringList &names)
    {
        for (const QString &name : names) {
            serve(name);
            if (!browser.handOff(server.url(pathOf(name))))
                return testing::AssertionFailure() << "the hand-off of " << name.toStdString() << " failed";
            if (!server.waitForRequest(pathOf(name)))
                return testing::AssertionFailure() << pathOf(name).toStdString() << " was never asked for";
        }
        const qsizetype wanted = names.size() + 1;
        if (!QTest::qWaitFor([&] { return browser.storedPages().size() == wanted; }, 10000))
            return testing::AssertionFailure()
                << "open Pages: " << browser.storedPages().join(QLatin1Char(' ')).toStdString();
        // A hand-off brings the window up: keys sent before the desktop has
        // given it the focus again would go elsewhere.
        if (!QTest::qWaitFor([&] { return x().activeWindow() == browser.window(); }, 10000))
            return testing::AssertionFailure() << "the window did not get the focus back after the hand-offs";
        QTest::qWait(200);
        return testing::AssertionSuccess();
    }

    // What the program did, for a failure's message.
    std::string whatHappened()
    {
        return QStringLiteral(
                   "\n  frame title: \"%1\"\n  asked of the server: %2\n  open Pages: %3\n  program said:\n%4")
            .arg(browser.title(), server.requests().join(QLatin1Char(' ')),
                 browser.storedPages().join(QLatin1Char(' ')), browser.log().right(3000))
            .toStdString();
    }

    bool storedPageWhere(const std::function<bool(const QString &)> &test, int timeoutMs = 10000)
    {
        return QTest::qWaitFor(
            [&] {
                const QStringList pages = browser.storedPages();
                return std::any_of(pages.begin(), pages.end(), test);
            },
            timeoutMs);
    }

    // No command focuses the Find Box. It sits in the search bar just above
    // the address bar and comes just before it in the window's focus chain,
    // so Shift+Tab from the address bar (Alt+D) reaches it.
    void focusFindBox()
    {
        ASSERT_TRUE(x().key(QStringLiteral("alt+d")));
        ASSERT_TRUE(x().key(QStringLiteral("shift+Tab")));
    }

    X11Desktop &x() { return browser.desktop(); }

    LoopbackHttpServer server;
    DesktopBrowser browser;
    QStringList routed;
};

TEST_F(RealInput, AltDAndEnterOpenTheTypedAddress)
{
    ASSERT_TRUE(startOn(QStringLiteral("start")));
    serve(QStringLiteral("typed"));
    const QString address = server.url(QStringLiteral("/typed.html"));
    ASSERT_TRUE(x().key(QStringLiteral("alt+d")));
    ASSERT_TRUE(x().type(address));
    ASSERT_TRUE(x().key(QStringLiteral("Return")));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/typed.html"), 10000))
        << "Enter in the address bar opened nothing" << whatHappened();
    EXPECT_TRUE(storedPageWhere([&](const QString &page) { return page == address; }))
        << "no Page holds " << address.toStdString() << whatHappened();
}

TEST_F(RealInput, AnAddressTypedWithoutSchemeIsFetchedOverHttp)
{
    ASSERT_TRUE(startOn(QStringLiteral("start")));
    serve(QStringLiteral("bare"));
    const QString typed = QStringLiteral("127.0.0.1:%1/bare.html").arg(server.port());
    ASSERT_TRUE(x().key(QStringLiteral("alt+d")));
    ASSERT_TRUE(x().type(typed));
    ASSERT_TRUE(x().key(QStringLiteral("Return")));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/bare.html"), 10000))
        << "\"" << typed.toStdString() << "\" and Enter did not fetch /bare.html (a Page with a file: address "
        << "means the text was taken for a local file; no new Page means Enter did nothing)" << whatHappened();
}

TEST_F(RealInput, CtrlEnterCompletesABareWord)
{
    browser.set(settings::ctrl1, server.url(QStringLiteral("/")));
    browser.set(settings::ctrl2, QStringLiteral(".html"));
    ASSERT_TRUE(startOn(QStringLiteral("start")));
    serve(QStringLiteral("word"));
    ASSERT_TRUE(x().key(QStringLiteral("alt+d")));
    ASSERT_TRUE(x().type(QStringLiteral("word")));
    ASSERT_TRUE(x().key(QStringLiteral("ctrl+Return")));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/word.html"), 10000))
        << "Ctrl+Enter on \"word\" did not fetch /word.html" << whatHappened();
}

TEST_F(RealInput, CtrlWClosesTheCurrentPage)
{
    ASSERT_TRUE(startOn(QStringLiteral("one")));
    ASSERT_TRUE(openBehind({QStringLiteral("two")}));
    ASSERT_EQ(browser.title(), DesktopBrowser::frameTitle(QStringLiteral("one")));
    ASSERT_TRUE(x().key(QStringLiteral("ctrl+w")));
    EXPECT_TRUE(browser.waitForTitle(QStringLiteral("two")))
        << "Ctrl+W did not bring up the other Page" << whatHappened();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return browser.storedPages() == QStringList{server.url(QStringLiteral("/two.html"))}; },
                        10000))
        << "the closed Page is still kept" << whatHappened();
}

TEST_F(RealInput, F3AndF2StepForthAndBackBetweenPages)
{
    ASSERT_TRUE(startOn(QStringLiteral("one")));
    ASSERT_TRUE(openBehind({QStringLiteral("two"), QStringLiteral("three")}));
    ASSERT_EQ(browser.title(), DesktopBrowser::frameTitle(QStringLiteral("one")));
    const QStringList titles{DesktopBrowser::frameTitle(QStringLiteral("one")),
                             DesktopBrowser::frameTitle(QStringLiteral("two")),
                             DesktopBrowser::frameTitle(QStringLiteral("three"))};
    // Waits for the title to become a Page's other than the one shown.
    const auto stepTo = [&](const QString &keyName, const QString &from) {
        EXPECT_TRUE(x().key(keyName));
        if (!QTest::qWaitFor(
                [&] {
                    const QString now = browser.title();
                    return now != from && titles.contains(now);
                },
                10000))
            ADD_FAILURE() << keyName.toStdString() << " left the title at \"" << browser.title().toStdString() << "\"";
        return browser.title();
    };
    const QString second = stepTo(QStringLiteral("F3"), titles[0]);
    ASSERT_NE(second, titles[0]) << "F3 did not step to another Page" << whatHappened();
    const QString third = stepTo(QStringLiteral("F3"), second);
    ASSERT_NE(third, second) << "a second F3 did not step on" << whatHappened();
    EXPECT_NE(third, titles[0]) << "two F3 presses among three Pages came back to the first" << whatHappened();
    EXPECT_EQ(stepTo(QStringLiteral("F2"), third), second) << "F2 did not step back" << whatHappened();
    EXPECT_EQ(stepTo(QStringLiteral("F2"), second), titles[0]) << "a second F2 did not step back" << whatHappened();
}

TEST_F(RealInput, CtrlQHidesTheWindowAndCtrlQShowsItAgain)
{
    ASSERT_TRUE(startOn(QStringLiteral("start")));
    const quint64 window = browser.window();
    ASSERT_TRUE(x().key(QStringLiteral("ctrl+q")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !x().isViewable(window); }, 10000))
        << "Ctrl+Q did not hide the window" << whatHappened();
    // Hidden, the window gets no keys: the key reaches it through the desktop.
    ASSERT_TRUE(x().key(QStringLiteral("ctrl+q")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return x().isViewable(window); }, 10000))
        << "Ctrl+Q did not show the hidden window again" << whatHappened();
}

struct WindowLook
{
    QRect geometry;
    QStringList states;
    bool operator==(const WindowLook &) const = default;
    std::string text() const
    {
        return QStringLiteral("%1x%2+%3+%4 [%5]")
            .arg(geometry.width())
            .arg(geometry.height())
            .arg(geometry.x())
            .arg(geometry.y())
            .arg(states.join(QLatin1Char(' ')))
            .toStdString();
    }
};

TEST_F(RealInput, F11GoesFullScreenAndBackToTheSameNormalWindow)
{
    ASSERT_TRUE(startOn(QStringLiteral("start")));
    const quint64 window = browser.window();
    const auto look = [&] { return WindowLook{x().geometry(window), x().netWmState(window)}; };
    const auto maximized = [](const WindowLook &l) {
        return l.states.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"))
            || l.states.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"));
    };
    const auto fullScreen
        = [](const WindowLook &l) { return l.states.contains(QStringLiteral("_NET_WM_STATE_FULLSCREEN")); };
    const WindowLook before = look();
    ASSERT_FALSE(maximized(before) || fullScreen(before)) << "the window starts " << before.text();
    ASSERT_LT(before.geometry.width(), X11Desktop::kWidth) << before.text();

    ASSERT_TRUE(x().key(QStringLiteral("F11")));
    const QRect screen(0, 0, X11Desktop::kWidth, X11Desktop::kHeight);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const WindowLook l = look();
            return fullScreen(l) && l.geometry == screen;
        },
        10000))
        << "F11 did not cover the screen: " << look().text();

    ASSERT_TRUE(x().key(QStringLiteral("F11")));
    // Out of full screen, the window manager may take a step or two: wait
    // until the window has kept one look for half a second.
    WindowLook last = look();
    QElapsedTimer unchanged;
    unchanged.start();
    const bool settled = QTest::qWaitFor(
        [&] {
            const WindowLook now = look();
            if (!(now == last)) {
                last = now;
                unchanged.restart();
                return false;
            }
            return !fullScreen(now) && unchanged.elapsed() >= 500;
        },
        10000);
    EXPECT_TRUE(settled) << "the window did not settle: " << last.text();
    EXPECT_FALSE(fullScreen(last)) << "the second F11 did not leave full screen: " << last.text();
    EXPECT_FALSE(maximized(last)) << "a window that was normal came back maximized: " << last.text() << ", before "
                                  << before.text();
    EXPECT_EQ(last.geometry, before.geometry) << "now " << last.text() << ", before " << before.text();
}

TEST_F(RealInput, AClickOnATargetBlankLinkOpensItsTargetAsANewPage)
{
    // The link covers the whole page, so a click anywhere in it hits.
    server.route(QStringLiteral("/links.html"),
                 "<!doctype html><html><head><title>links</title></head><body>"
                 "<a href=\"/target.html\" target=\"_blank\" "
                 "style=\"position:fixed;left:0;top:0;right:0;bottom:0;display:block;font-size:40px\">open</a>"
                 "</body></html>");
    routed << QStringLiteral("links");
    serve(QStringLiteral("target"));
    ASSERT_TRUE(startOn(QStringLiteral("links")));
    // The middle of the frame is inside the page: the bars are above it,
    // the status bar below.
    const QRect frame = x().geometry(browser.window());
    ASSERT_TRUE(x().clickAt(frame.center()));
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/target.html"), 10000))
        << "the click at " << frame.center().x() << "," << frame.center().y() << " did not fetch the link's target"
        << whatHappened();
    const QString links = server.url(QStringLiteral("/links.html"));
    const QString target = server.url(QStringLiteral("/target.html"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList pages = browser.storedPages();
            return pages.size() == 2 && pages.contains(links) && pages.contains(target);
        },
        10000))
        << "the target is not a Page of its own beside the page of the link" << whatHappened();
}

TEST_F(RealInput, EnterInTheFindBoxSearchesTheWeb)
{
    ASSERT_TRUE(startOn(QStringLiteral("start")));
    ASSERT_NO_FATAL_FAILURE(focusFindBox());
    ASSERT_TRUE(x().type(QStringLiteral("apricot")));
    ASSERT_TRUE(x().key(QStringLiteral("Return")));
    // The default engine's address is fixed and not on this machine: the
    // search shows as a new Page whose address asks for the word.
    EXPECT_TRUE(storedPageWhere([](const QString &page) {
        return QUrl(page).query().contains(QStringLiteral("apricot"));
    })) << "Enter in the Find Box opened no search for \"apricot\" (the test takes Shift+Tab from the address bar "
           "to reach the Find Box)"
        << whatHappened();
}

TEST_F(RealInput, CtrlMMarksTheWordsOfTheFindBoxInThePage)
{
    server.route(QStringLiteral("/words.html"), pageReportingMarks(QStringLiteral("words"), QStringLiteral("apricot")));
    routed << QStringLiteral("words");
    ASSERT_TRUE(startOn(QStringLiteral("words")));
    ASSERT_NO_FATAL_FAILURE(focusFindBox());
    ASSERT_TRUE(x().type(QStringLiteral("apricot")));
    const auto marked = [&] {
        const QStringList asked = server.requests();
        return std::any_of(asked.begin(), asked.end(),
                           [](const QString &p) { return p.startsWith(QStringLiteral("/marked")); });
    };
    ASSERT_FALSE(marked()) << "the page was marked before Ctrl+M" << whatHappened();
    ASSERT_TRUE(x().key(QStringLiteral("ctrl+m")));
    EXPECT_TRUE(QTest::qWaitFor(marked, 10000))
        << "Ctrl+M did not mark \"apricot\" in the page (the test takes Shift+Tab from the address bar to "
           "reach the Find Box)"
        << whatHappened();
}

} // namespace
