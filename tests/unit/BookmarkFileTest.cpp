// The bookmarks file: reading what browsers write, writing what they read,
// and surviving what nobody should write.
#include "favorites/BookmarkFile.h"

#include "TestEnvironment.h"

#include <QRandomGenerator>
#include <QStringEncoder>

#include <gtest/gtest.h>

using BookmarkFile::Node;

namespace {

// The tree as lines: "F title @date", "L title <url> @date", "  : description",
// indented two blanks a level.
void dump(const Node &node, int level, QStringList &lines)
{
    for (const Node &child : node.children) {
        const QString indent(2 * level, QLatin1Char(' '));
        QString line = indent + (child.kind == Node::Folder ? QStringLiteral("F ") : QStringLiteral("L ")) + child.title;
        if (child.kind == Node::Link)
            line += QStringLiteral(" <") + child.url + QLatin1Char('>');
        if (child.addDate)
            line += QStringLiteral(" @") + QString::number(child.addDate);
        lines << line;
        if (!child.description.isEmpty())
            lines << indent + QStringLiteral("  : ") + child.description;
        if (child.kind == Node::Folder)
            dump(child, level + 1, lines);
    }
}

QStringList dump(const Node &root)
{
    QStringList lines;
    dump(root, 0, lines);
    return lines;
}

int depthOf(const Node &node)
{
    int deepest = 0;
    for (const Node &child : node.children) {
        if (child.kind == Node::Folder)
            deepest = std::max(deepest, 1 + depthOf(child));
    }
    return deepest;
}

int linksIn(const Node &node)
{
    int count = 0;
    for (const Node &child : node.children)
        count += child.kind == Node::Link ? 1 : linksIn(child);
    return count;
}

} // namespace

TEST(BookmarkFileTest, AFileAsBrowsersWriteItIsReadWhole)
{
    const QByteArray file = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<!-- This is an automatically generated file.
     It will be read and overwritten.
     DO NOT EDIT! -->
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks Menu</H1>

<DL><p>
    <DT><H3 ADD_DATE="1700000000" LAST_MODIFIED="1700000100" PERSONAL_TOOLBAR_FOLDER="true">Bookmarks Toolbar</H3>
    <DD>Add bookmarks to this folder to see them displayed on the Bookmarks Toolbar
    <DL><p>
        <DT><A HREF="https://www.example.com/?a=1&amp;b=2" ADD_DATE="1700000200" LAST_MODIFIED="1700000300" ICON_URI="https://www.example.com/favicon.ico" ICON="data:image/png;base64,iVBORw0KGgo=">Example &amp; Co &lt;Home&gt;</A>
        <DD>An &quot;example&quot; site
        <dt><a href='http://lower.example/' add_date=1690000000>  lower   case
          tags </a>
        <DT><H3>News</H3>
        <DL><p>
            <DT><A HREF="http://news.example/">&#26032;&#x95FB; &#39;today&#39;</A>
        </DL><p>
        <HR>
        <DT><A HREF="javascript:alert(1)">A bookmarklet</A>
        <DT><A HREF="place:sort=8&maxResults=10">Most Visited</A>
        <DT><A HREF="about:config">Config</A>
        <DT><A HREF="data:text/html,hi">Data</A>
        <DT><A HREF="FTP://files.example/pub/">Files</A>
        <DT><A HREF="file:///home/user/page.html">Local</A>
        <DT><A>No address</A>
    </DL><p>
    <DT><H3 ADD_DATE="1600000000">Empty folder</H3>
    <DL><p>
    </DL><p>
    <DT><A HREF="https://chrome.example/" ADD_DATE="13300000000000000">Microseconds</A>
</DL><p>
)html";
    const QStringList expected = {
        QStringLiteral("F Bookmarks Toolbar @1700000000"),
        QStringLiteral("  : Add bookmarks to this folder to see them displayed on the Bookmarks Toolbar"),
        QStringLiteral("  L Example & Co <Home> <https://www.example.com/?a=1&b=2> @1700000200"),
        QStringLiteral("    : An \"example\" site"),
        QStringLiteral("  L lower case tags <http://lower.example/> @1690000000"),
        QStringLiteral("  F News"),
        QStringLiteral("    L 新闻 'today' <http://news.example/>"),
        QStringLiteral("  L Files <FTP://files.example/pub/>"),
        QStringLiteral("  L Local <file:///home/user/page.html>"),
        QStringLiteral("F Empty folder @1600000000"),
        QStringLiteral("L Microseconds <https://chrome.example/> @13300000000"),
    };
    EXPECT_EQ(dump(BookmarkFile::parse(file)), expected);
}

TEST(BookmarkFileTest, TheCharsetOfTheFileIsHonoured)
{
    // Latin-1 as the file says.
    const QByteArray latin = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">\n"
                             "<DL><p><DT><A HREF=\"http://cafe.example/\">Caf\xe9</A></DL>";
    EXPECT_EQ(dump(BookmarkFile::parse(latin)), QStringList{QStringLiteral("L Café <http://cafe.example/>")});

    // No charset: UTF-8, and a BOM is not part of the text.
    const QByteArray utf8 = "\xef\xbb\xbf<DL><p><DT><A HREF=\"http://a.example/\">\xe4\xb8\xad\xe6\x96\x87</A></DL>";
    EXPECT_EQ(dump(BookmarkFile::parse(utf8)), QStringList{QStringLiteral("L 中文 <http://a.example/>")});

    // A declared GBK file (where this system can decode GBK).
    QStringEncoder gbk("GBK");
    if (gbk.isValid()) {
        const QByteArray gbkFile = "<META CONTENT=\"text/html; charset=GBK\"><DL><p><DT><A HREF=\"http://b.example/\">"
                                   + QByteArray(gbk.encode(QStringLiteral("收藏夹"))) + "</A></DL>";
        EXPECT_EQ(dump(BookmarkFile::parse(gbkFile)), QStringList{QStringLiteral("L 收藏夹 <http://b.example/>")});
    }

    // A charset nobody knows: read as UTF-8.
    const QByteArray unknown = "<META CONTENT=\"text/html; charset=x-no-such\"><DL><DT><A HREF=\"http://c.example/\">"
                               "\xc3\xa9</A></DL>";
    EXPECT_EQ(dump(BookmarkFile::parse(unknown)), QStringList{QStringLiteral("L é <http://c.example/>")});
}

TEST(BookmarkFileTest, EntitiesAreDecodedAndUnknownOnesKept)
{
    const QByteArray file = "<DL><DT><A HREF=\"http://e.example/?q=&quot;x&quot;&amp;r=&#60;\">"
                            "&amp; &lt; &gt; &quot; &#39; &apos; &#20013; &#x4E2D; &bogus; AT&T &#0; &#1114112; "
                            "&#xD800; &#99999999999; &#;</A></DL>";
    const Node root = BookmarkFile::parse(file);
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0].url, QStringLiteral("http://e.example/?q=\"x\"&r=<"));
    EXPECT_EQ(root.children[0].title, QStringLiteral("& < > \" ' ' 中 中 &bogus; AT&T \uFFFD \uFFFD \uFFFD "
                                                     "&#99999999999; &#;"));
}

TEST(BookmarkFileTest, MissingEndsAreClosedWhereTheyBelong)
{
    // No </DL> at all, no </A>, no </H3>.
    const QByteArray file = "<DL><p>\n"
                            "<DT><H3>Outer\n"
                            "<DL><p>\n"
                            "<DT><A HREF=\"http://one.example/\">One\n"
                            "<DT><A HREF=\"http://two.example/\">Two\n"
                            "<DT><H3>Inner</H3>\n"
                            "<DL><p>\n"
                            "<DT><A HREF=\"http://three.example/\">Three</A>\n";
    EXPECT_EQ(dump(BookmarkFile::parse(file)),
              (QStringList{QStringLiteral("F Outer"), QStringLiteral("  L One <http://one.example/>"),
                           QStringLiteral("  L Two <http://two.example/>"), QStringLiteral("  F Inner"),
                           QStringLiteral("    L Three <http://three.example/>")}));

    // Stray list ends close nothing above the root; a stray list start is
    // closed by its own end.
    const QByteArray stray = "</DL></DL><DL><DL><DT><A HREF=\"http://a.example/\">A</A></DL>"
                             "<DT><H3>F</H3><DL><DT><A HREF=\"http://b.example/\">B</A></DL>"
                             "<DT><A HREF=\"http://c.example/\">C</A></DL></DL></DL>";
    EXPECT_EQ(dump(BookmarkFile::parse(stray)),
              (QStringList{QStringLiteral("L A <http://a.example/>"), QStringLiteral("F F"),
                           QStringLiteral("  L B <http://b.example/>"), QStringLiteral("L C <http://c.example/>")}));
}

TEST(BookmarkFileTest, DeepFoldersAreFlattenedIntoTheDeepestAllowed)
{
    QByteArray file = "<DL><p>\n";
    for (int i = 0; i < 200; ++i)
        file += "<DT><H3>Level " + QByteArray::number(i + 1) + "</H3>\n<DL><p>\n";
    file += "<DT><A HREF=\"http://bottom.example/\">Bottom</A>\n";
    for (int i = 0; i < 199; ++i)
        file += "</DL><p>\n";
    file += "<DT><A HREF=\"http://first.example/\">In the first</A>\n</DL><p>\n";
    file += "<DT><A HREF=\"http://root.example/\">In the root</A>\n</DL><p>\n";

    const Node root = BookmarkFile::parse(file);
    EXPECT_EQ(depthOf(root), BookmarkFile::kMaxDepth);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[1].title, QStringLiteral("In the root"));
    const Node &first = root.children[0];
    EXPECT_EQ(first.title, QStringLiteral("Level 1"));
    ASSERT_EQ(first.children.size(), 2u);
    EXPECT_EQ(first.children[1].title, QStringLiteral("In the first"));
    const Node *deepest = &first;
    while (!deepest->children.empty() && deepest->children[0].kind == Node::Folder)
        deepest = &deepest->children[0];
    EXPECT_EQ(deepest->title, QStringLiteral("Level 64"));
    ASSERT_EQ(deepest->children.size(), 1u);
    EXPECT_EQ(deepest->children[0].title, QStringLiteral("Bottom"));
}

TEST(BookmarkFileTest, LongTitlesAreCutAndLongAddressesDropped)
{
    const QByteArray hugeTitle(1024 * 1024, 'x');
    const QByteArray longUrl = "http://long.example/" + QByteArray(BookmarkFile::kMaxUrl, 'p');
    const QByteArray file = "<DL><DT><A HREF=\"http://a.example/\">" + hugeTitle + "</A>"
                            "<DT><H3>" + hugeTitle + "</H3><DL></DL>"
                            "<DT><A HREF=\"" + longUrl + "\">Too long</A>"
                            "<DT><A HREF=\"http://b.example/\">" + QByteArray(2000, ' ') + "after blanks</A>"
                            "<DT><A HREF=\"http://c.example/\">" + QByteArray(1023, 'y') + "\xf0\x9f\x98\x80</A></DL>";
    const Node root = BookmarkFile::parse(file);
    ASSERT_EQ(root.children.size(), 4u);
    EXPECT_EQ(root.children[0].title, QString(BookmarkFile::kMaxTitle, QLatin1Char('x')));
    EXPECT_EQ(root.children[1].title.size(), BookmarkFile::kMaxTitle);
    EXPECT_EQ(root.children[2].title, QStringLiteral("after blanks"));
    // A cut never leaves half a surrogate pair.
    EXPECT_EQ(root.children[3].title, QString(1023, QLatin1Char('y')));
}

TEST(BookmarkFileTest, AHundredThousandLinksAreAllRead)
{
    QByteArray file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    for (int i = 0; i < 100000; ++i)
        file += "    <DT><A HREF=\"http://site" + QByteArray::number(i) + ".example/\" ADD_DATE=\"1700000000\">Site "
                + QByteArray::number(i) + "</A>\n";
    file += "</DL><p>\n";
    const Node root = BookmarkFile::parse(file);
    ASSERT_EQ(root.children.size(), 100000u);
    EXPECT_EQ(root.children[99999].title, QStringLiteral("Site 99999"));
    EXPECT_EQ(root.children[99999].url, QStringLiteral("http://site99999.example/"));
}

TEST(BookmarkFileTest, GarbageNeverCrashesOrHangs)
{
    QList<QByteArray> inputs = {
        QByteArray(),
        QByteArray(100000, '<'),
        QByteArray(100000, '&'),
        QByteArray("&#").repeated(50000),
        QByteArray("<DL>").repeated(100000) + "<DT><A HREF=\"http://deep.example/\">Deep</A>",
        QByteArray("</DL>").repeated(100000),
        QByteArray("<DT><H3>").repeated(50000),
        QByteArray("<A HREF=\"http://x.example/\">").repeated(20000),
        "<DL><DT><A HREF=\"http://unterminated.example/>Title</A></DL>",
        "<DL><!-- never closed <DT><A HREF=\"http://a.example/\">A</A>",
        "<DL><DT><A HREF=http://unquoted.example/ ADD_DATE=x>Unquoted</A><DT><A HREF>Empty</A><DT><A = = >",
        "<<<>>></></ ></1><!><?><DD><DD>text<HR><H3",
        [] {
            static const char raw[] = "\0<DL>\0<DT><A HREF=\"http://n\0ul.example/\">N\0ul</A>";
            return QByteArray(raw, sizeof(raw) - 1);
        }(),
    };
    QRandomGenerator random(20240601);
    QByteArray noise(1024 * 1024, Qt::Uninitialized);
    for (char &c : noise)
        c = char(random.bounded(256));
    inputs << noise;
    // Noise made of the format's own words.
    const QList<QByteArray> words = {"<DL>", "</DL>", "<p>", "<DT>", "<H3>", "</H3>", "<A HREF=\"http://w.example/\">",
                                     "</A>", "<DD>", "<HR>", "&amp;", "\"", "'", ">", "<", "title", "\n"};
    QByteArray wordNoise;
    for (int i = 0; i < 200000; ++i)
        wordNoise += words[random.bounded(int(words.size()))];
    inputs << wordNoise;

    for (const QByteArray &input : inputs) {
        const Node root = BookmarkFile::parse(input);
        EXPECT_LE(depthOf(root), BookmarkFile::kMaxDepth);
        // What is written of it reads back the same.
        EXPECT_EQ(dump(BookmarkFile::parse(BookmarkFile::write(root))), dump(root)) << input.left(80).toStdString();
    }
    const Node deep = BookmarkFile::parse(inputs[4]);
    EXPECT_EQ(dump(deep), QStringList{QStringLiteral("L Deep <http://deep.example/>")});
    const Node nul = BookmarkFile::parse(inputs[12]);
    EXPECT_EQ(dump(nul), QStringList{QStringLiteral("L N ul <http://nul.example/>")});
}

TEST(BookmarkFileTest, WhatIsWrittenReadsBackTheSame)
{
    Node root = Node::folder({}, {
        Node::folder(QStringLiteral("工作 & <Work>"), {
            Node::link(QStringLiteral("Quote \" and 'apostrophe'"), QStringLiteral("http://a.example/?x=1&y=\"2\"<>"),
                       1700000000),
            Node::folder(QStringLiteral("Empty"), {}, 1600000000),
        }, 1500000000),
        Node::link(QStringLiteral("Same"), QStringLiteral("https://same.example/")),
        Node::link(QStringLiteral("Same"), QStringLiteral("ftp://same.example/")),
        Node::link(QStringLiteral("😀 emoji"), QStringLiteral("file:///tmp/x.html")),
    });
    root.children[1].description = QStringLiteral("Described </DL> <b>here</b>");

    const QByteArray written = BookmarkFile::write(root);
    EXPECT_TRUE(written.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"));
    EXPECT_TRUE(written.contains("charset=UTF-8"));
    EXPECT_TRUE(written.contains(
        "<DT><A HREF=\"http://a.example/?x=1&amp;y=&quot;2&quot;&lt;&gt;\" ADD_DATE=\"1700000000\">"));
    EXPECT_TRUE(written.contains("<DT><H3 ADD_DATE=\"1500000000\" LAST_MODIFIED=\"1500000000\">"));
    EXPECT_EQ(dump(BookmarkFile::parse(written)), dump(root));

    // Line breaks in an address or a title never start a line of their own.
    const Node broken = Node::folder({}, {Node::link(QStringLiteral("two\nlines"),
                                                     QStringLiteral("http://a.example/\r\n<DT><A HREF=\"http://b/\">"))});
    const QByteArray brokenFile = BookmarkFile::write(broken);
    EXPECT_EQ(dump(BookmarkFile::parse(brokenFile)),
              QStringList{QStringLiteral("L two lines <http://a.example/<DT><A HREF=\"http://b/\">>")});
}

TEST(BookmarkFileTest, WhatCouldNotBeWrittenBackIsNeverRead)
{
    // Half a surrogate pair, from a file that declares UTF-16.
    const QString text = QStringLiteral("<DL><DT><A HREF=\"http://a.example/\">x") + QChar(0xD800)
                         + QStringLiteral("y</A></DL>");
    const QByteArray utf16 = QByteArray("charset=utf-16le  ")
                             + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const Node root = BookmarkFile::parse(utf16);
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0].title, QStringLiteral("x\uFFFDy"));
    EXPECT_EQ(dump(BookmarkFile::parse(BookmarkFile::write(root))), dump(root));

    // An address too long is dropped even when blanks in it would leave it short enough.
    const QByteArray padded = "<DL><DT><A HREF=\"http://a.example/" + QByteArray(500, '\t')
                              + QByteArray(BookmarkFile::kMaxUrl - 100, 'b') + "\">Padded</A></DL>";
    EXPECT_TRUE(BookmarkFile::parse(padded).children.empty());
}
