// Highlighting and finding words on real pages.
#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "frame/FindCommands.h"
#include "pages/CWebBrowser2.h"
#include "pages/DownloadFlags.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/FindInPage.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QComboBox>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kWait = 20000;

class FindEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = new QWebEngineProfile; // off the record
        window.resize(800, 600);
        window.show();
    }

    void TearDown() override
    {
        controls.clear();
        delete profile;
    }

    // A control showing a page with the given body, loaded.
    EngineControl &open(const QString &body, const QString &path = QStringLiteral("/page"))
    {
        server.route(path, QStringLiteral("<!doctype html><html><head><meta charset=utf-8><title>T</title></head>"
                                          "<body>%1</body></html>")
                               .arg(body)
                               .toUtf8());
        controls.push_back(std::make_unique<EngineControl>(profile, &window));
        EngineControl &control = *controls.back();
        control.widget()->resize(800, 600);
        control.widget()->show();
        control.navigate(server.url(path));
        EXPECT_TRUE(waitForLoad(control.page(), kWait));
        return control;
    }

    // Runs a script in the page's own world and waits for its result.
    static QVariant eval(EngineControl &control, const QString &script)
    {
        QVariant result;
        bool done = false;
        control.page()->runJavaScript(script, [&](const QVariant &r) {
            result = r;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kWait));
        return result;
    }

    static int marks(EngineControl &control)
    {
        return eval(control, QStringLiteral("document.querySelectorAll('font#VesperalFindInPage').length")).toInt();
    }

    static QString selection(EngineControl &control)
    {
        return eval(control, QStringLiteral("String(window.getSelection())")).toString();
    }

    // Where the selection starts, as the count of characters before it in the body.
    static int selectionOffset(EngineControl &control)
    {
        return eval(control, QStringLiteral("(() => { const s = getSelection(); if (!s.rangeCount) return -1;"
                                            "const r = document.createRange(); r.selectNodeContents(document.body);"
                                            "r.setEnd(s.getRangeAt(0).startContainer, s.getRangeAt(0).startOffset);"
                                            "return r.toString().length; })()"))
            .toInt();
    }

    bool findNext(EngineControl &control, const QString &word)
    {
        bool found = false;
        bool done = false;
        find.findNext(control, word, [&](bool f) {
            found = f;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kWait));
        return found;
    }

    int markAll(EngineControl &control, const QString &word)
    {
        int count = -1;
        FindInPage::markAll(control, word, [&](int n) { count = n; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return count >= 0; }, kWait));
        return count;
    }

    int removeMarks(EngineControl &control)
    {
        int count = -1;
        FindInPage::removeMarks(control, [&](int n) { count = n; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return count >= 0; }, kWait));
        return count;
    }

    QWebEngineProfile *profile = nullptr;
    QWidget window;
    LoopbackHttpServer server;
    std::vector<std::unique_ptr<EngineControl>> controls;
    FindInPage find;
};

TEST_F(FindEngineTest, MarksPartsOfWordsButFindsWholeWordsAndWrapsAround)
{
    EngineControl &page = open(QStringLiteral("<p>Cat catalog</p><p>a <b>CAT</b> and the cat.</p>"));
    // Marked everywhere, in longer words too, letter case ignored.
    EXPECT_EQ(markAll(page, QStringLiteral("cat")), 4);
    EXPECT_EQ(marks(page), 4);
    EXPECT_EQ(eval(page, QStringLiteral("document.getElementById('VesperalFindInPage').outerHTML")).toString(),
              QStringLiteral("<font id=\"VesperalFindInPage\" color=\"#000000\" style=\"background-color:#ffff00\">Cat</font>"));
    // The text reads as before.
    EXPECT_EQ(eval(page, QStringLiteral("document.body.innerText")).toString(),
              QStringLiteral("Cat catalog\n\na CAT and the cat."));

    // Find stops at whole words only: "catalog" is skipped.
    ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
    EXPECT_EQ(selection(page), QStringLiteral("Cat"));
    EXPECT_EQ(selectionOffset(page), 0);
    ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
    EXPECT_EQ(selection(page), QStringLiteral("CAT"));
    ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
    EXPECT_EQ(selectionOffset(page), 25);
    // After the last match, back to the first.
    ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
    EXPECT_EQ(selectionOffset(page), 0);

    EXPECT_EQ(removeMarks(page), 4);
    EXPECT_EQ(marks(page), 0);
    EXPECT_EQ(eval(page, QStringLiteral("document.body.firstChild.childNodes.length")).toInt(), 1); // joined again
}

TEST_F(FindEngineTest, TheFindPositionIsSharedByThePages)
{
    EngineControl &first = open(QStringLiteral("<p>one word, two word, three word</p>"), QStringLiteral("/first"));
    EngineControl &second = open(QStringLiteral("<p>word</p><p>another word here</p>"), QStringLiteral("/second"));
    ASSERT_TRUE(findNext(first, QStringLiteral("word")));
    ASSERT_TRUE(findNext(first, QStringLiteral("word")));
    EXPECT_EQ(selectionOffset(first), 14);
    // Another document cannot take the bookmark: nothing this time, the top the next.
    EXPECT_FALSE(findNext(second, QStringLiteral("word")));
    EXPECT_FALSE(find.hasBookmark());
    ASSERT_TRUE(findNext(second, QStringLiteral("word")));
    EXPECT_EQ(selectionOffset(second), 0);
    // Back on the first Page the search goes on from the second Page's match,
    // which this document cannot take either.
    EXPECT_FALSE(findNext(first, QStringLiteral("word")));
    ASSERT_TRUE(findNext(first, QStringLiteral("word")));
    EXPECT_EQ(selectionOffset(first), 4);

    // Marks do not move the position: the next match follows.
    EXPECT_EQ(markAll(first, QStringLiteral("word")), 3);
    ASSERT_TRUE(findNext(first, QStringLiteral("word")));
    EXPECT_EQ(selectionOffset(first), 14);
}

TEST_F(FindEngineTest, AFramesetPageFindsNothingAndAWordIsNeverMarkup)
{
    server.page(QStringLiteral("/inner"), QStringLiteral("inner"));
    server.route(QStringLiteral("/frames"),
                 "<html><head><title>F</title></head><frameset cols='50%,50%'><frame src='/inner'>"
                 "<frame src='/inner'></frameset></html>");
    controls.push_back(std::make_unique<EngineControl>(profile, &window));
    EngineControl &frames = *controls.back();
    frames.navigate(server.url(QStringLiteral("/frames")));
    ASSERT_TRUE(waitForLoad(frames.page(), kWait));
    EXPECT_FALSE(findNext(frames, QStringLiteral("inner")));
    EXPECT_EQ(markAll(frames, QStringLiteral("inner")), 0);

    // A word that looks like markup is searched for as text, and never runs.
    const QString hostile = QStringLiteral("<img src=x onerror=\"document.title='ran'\">");
    EngineControl &page = open(QStringLiteral("<p>say &lt;img src=x onerror=\"document.title='ran'\"&gt; twice: "
                                              "&lt;img src=x onerror=\"document.title='ran'\"&gt;</p>"));
    EXPECT_EQ(markAll(page, hostile), 2);
    ASSERT_TRUE(findNext(page, hostile));
    EXPECT_EQ(selection(page), hostile);
    EXPECT_EQ(removeMarks(page), 2);
    QTest::qWait(100);
    EXPECT_EQ(eval(page, QStringLiteral("document.title")).toString(), QStringLiteral("T"));
    EXPECT_EQ(eval(page, QStringLiteral("document.images.length")).toInt(), 0);
    // A match deep inside one long element comes to the top of the view.
    QString lines;
    for (int i = 0; i < 400; ++i)
        lines += i == 300 ? QStringLiteral("line %1 needle\n").arg(i) : QStringLiteral("line %1\n").arg(i);
    EngineControl &pre = open(QStringLiteral("<pre>%1</pre>").arg(lines), QStringLiteral("/pre"));
    ASSERT_TRUE(findNext(pre, QStringLiteral("needle")));
    const double top = eval(pre, QStringLiteral("getSelection().getRangeAt(0).getBoundingClientRect().top")).toDouble();
    EXPECT_GE(top, -1);
    EXPECT_LT(top, 50);
    // Chinese text has no blanks: its characters are words of their own.
    EngineControl &chinese = open(QStringLiteral("<p>我爱中国人民</p>"), QStringLiteral("/zh"));
    EXPECT_TRUE(findNext(chinese, QStringLiteral("中国")));
}

// Marking splits and wraps text nodes but leaves the text as find sees it:
// a line break, also one a mark or another element stands behind, still
// keeps a word whole, and a word split over two nodes is still one word.
TEST_F(FindEngineTest, FindSeesTheSameTextBeforeAndAfterMarking)
{
    EngineControl &page = open(QStringLiteral("<p>one<br>cat</p><p>dog<br><i>cat</i></p><p>ca<b>t</b></p>"));
    const QString text = eval(page, QStringLiteral("document.body.innerText")).toString();
    const QList<int> expected = {3, 9, 12, 3};
    QList<int> before;
    for (int press = 0; press < 4; ++press) {
        ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
        before << selectionOffset(page);
    }
    EXPECT_EQ(before, expected);

    EXPECT_EQ(markAll(page, QStringLiteral("cat")), 3);
    // The selection of the last press is where it was.
    EXPECT_EQ(selection(page), QStringLiteral("cat"));
    EXPECT_EQ(selectionOffset(page), 3);
    QList<int> marked;
    for (int press = 0; press < 4; ++press) {
        ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
        marked << selectionOffset(page);
    }
    EXPECT_EQ(marked, (QList<int>{9, 12, 3, 9}));
    EXPECT_EQ(selection(page), QStringLiteral("cat"));

    EXPECT_EQ(removeMarks(page), 4); // the split word has a mark for each of its nodes
    EXPECT_EQ(selectionOffset(page), 9);
    EXPECT_EQ(eval(page, QStringLiteral("document.body.innerText")).toString(), text);
    ASSERT_TRUE(findNext(page, QStringLiteral("cat")));
    EXPECT_EQ(selectionOffset(page), 12);
}

// What find has read of a page is not kept past the page's own changes,
// also after marking.
TEST_F(FindEngineTest, APageThatChangesIsSearchedAsItIsNow)
{
    EngineControl &page = open(QStringLiteral("<p id='a'>first alpha</p><p id='b'>second</p>"));
    ASSERT_TRUE(findNext(page, QStringLiteral("alpha")));
    // The page's own script, in its own world.
    eval(page, QStringLiteral("document.getElementById('b').appendChild(document.createTextNode(' omega'));"
                              "document.getElementById('a').firstChild.data = 'first beta';"));
    EXPECT_FALSE(findNext(page, QStringLiteral("alpha")));
    ASSERT_TRUE(findNext(page, QStringLiteral("omega")));
    EXPECT_EQ(selection(page), QStringLiteral("omega"));
    EXPECT_EQ(selectionOffset(page), 17);
    ASSERT_TRUE(findNext(page, QStringLiteral("beta")));
    EXPECT_EQ(selectionOffset(page), 6);

    EXPECT_EQ(markAll(page, QStringLiteral("omega")), 1);
    eval(page, QStringLiteral("const p = document.createElement('p'); p.textContent = 'omega again';"
                              "document.body.insertBefore(p, document.body.firstChild);"));
    ASSERT_TRUE(findNext(page, QStringLiteral("omega")));
    EXPECT_EQ(selectionOffset(page), 0);
    ASSERT_TRUE(findNext(page, QStringLiteral("omega")));
    EXPECT_EQ(selectionOffset(page), 28);
    EXPECT_EQ(removeMarks(page), 1);
    eval(page, QStringLiteral("document.body.firstChild.remove();"));
    EXPECT_EQ(markAll(page, QStringLiteral("again")), 0);
    EXPECT_EQ(markAll(page, QStringLiteral("second")), 1);
}

// Marking and unmarking on a page with nothing selected leave nothing
// selected.
TEST_F(FindEngineTest, MarkingOnAPageWithNothingSelectedSelectsNothing)
{
    EngineControl &page = open(QStringLiteral("<p>cat one</p><p>cat two</p>"));
    EXPECT_EQ(eval(page, QStringLiteral("getSelection().rangeCount")).toInt(), 0);
    EXPECT_EQ(markAll(page, QStringLiteral("cat")), 2);
    EXPECT_EQ(eval(page, QStringLiteral("getSelection().rangeCount")).toInt(), 0);
    EXPECT_EQ(removeMarks(page), 2);
    EXPECT_EQ(eval(page, QStringLiteral("getSelection().rangeCount")).toInt(), 0);
}

// The Find Box's commands on a real Page: choosing a word leaves only its
// marks; highlighting marks every word.
TEST_F(FindEngineTest, ChoosingAWordReplacesTheHighlighting)
{
    RegistryStore registry;
    registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
    SettingsStore settings(registry);
    AppSwitches switches;
    DownloadFlags flags(registry, settings);
    RecordingFrame frame;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    PageHost host(PageHostServices{EngineControl::factory(profile), switches, flags, frame, sounds, messages,
                                   [] { return QStringLiteral("about:blank"); }},
                  &window);
    host.resize(800, 600);
    server.route(QStringLiteral("/animals"),
                 "<!doctype html><html><head><title>A</title></head><body><p>cat dog cat bird dog cat</p></body></html>");
    host.CreateFirstPage(server.url(QStringLiteral("/animals")));
    auto &control = *static_cast<EngineControl *>(host.activePage()->control());
    ASSERT_TRUE(waitForLoad(control.page(), kWait));

    QComboBox box;
    box.setEditable(true);
    FindCommands commands(host, box);
    box.setEditText(QStringLiteral("cat dog"));
    commands.handle(cmd::Highlight);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(control) == 5; }, kWait));
    commands.handle(cmd::FindWordFirst + 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(control) == 2; }, kWait));
    EXPECT_EQ(eval(control, QStringLiteral("[...document.querySelectorAll('font')].map(f => f.textContent).join()"))
                  .toString(),
              QStringLiteral("dog,dog"));
    EXPECT_EQ(selection(control), QStringLiteral("dog"));
    EXPECT_EQ(commands.words().current, 1);
}

} // namespace
