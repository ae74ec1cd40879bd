// The clone dialog's lists: the page and its links, the open pages, and the
// files they are written to, which never leave their folder nor overwrite
// one another.
#include "clone/CloneList.h"
#include "pages/PageFileName.h"
#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const CloneList::NameRule kRule = &PageFileName::fromTitle;

QStringList names(const QList<CloneEntry> &entries)
{
    QStringList out;
    for (const CloneEntry &entry : entries)
        out << entry.name;
    return out;
}

QStringList addresses(const QList<CloneEntry> &entries)
{
    QStringList out;
    for (const CloneEntry &entry : entries)
        out << entry.address;
    return out;
}

} // namespace

TEST(CloneListTest, ThePageComesFirstThenEachWebLinkOnceWithADistinctName)
{
    const QList<CloneLink> links{
        {QStringLiteral("http://h.example/a"), QStringLiteral("  News  ")},
        {QStringLiteral("http://h.example/a"), QStringLiteral("News again")}, // listed already
        {QStringLiteral("http://h.example/b"), QStringLiteral("News")},       // the same text
        {QStringLiteral("http://h.example/c"), QStringLiteral("a:b")},
        {QStringLiteral("http://h.example/d"), QStringLiteral("a?b")},        // the same once made a name
        {QStringLiteral("http://h.example/e"), QStringLiteral("A_B")},        // the same but for the case
        {QStringLiteral("https://h.example/f"), QString()},                   // no text: its address
        {QStringLiteral("http://h.example/g"), QStringLiteral(" \n ")},
        {QStringLiteral("http://h.example/"), QStringLiteral("Home")},        // the page itself
        {QStringLiteral("mailto:someone@h.example"), QStringLiteral("Mail")},
        {QStringLiteral("ftp://h.example/file"), QStringLiteral("Ftp")},
        {QStringLiteral("javascript:void(0)"), QStringLiteral("Script")},
        {QString(), QStringLiteral("Nothing")},
        {QStringLiteral("HTTP://h.example/h"), QStringLiteral("Upper scheme")},
        {QStringLiteral("http://h.example/i"), QStringLiteral("My_ Page")},   // the page's own name
    };
    const QList<CloneEntry> list =
        CloneList::forPage(QStringLiteral("  My: Page  "), QStringLiteral("http://h.example/"), links, kRule);
    EXPECT_EQ(names(list), (QStringList{QStringLiteral("My_ Page"), QStringLiteral("News"),
                                        QStringLiteral("News (2)"), QStringLiteral("a_b"), QStringLiteral("a_b (2)"),
                                        QStringLiteral("A_B (3)"), QStringLiteral("https_h.example_f"),
                                        QStringLiteral("h.example_g"), QStringLiteral("Upper scheme"),
                                        QStringLiteral("My_ Page (2)")}));
    EXPECT_EQ(addresses(list),
              (QStringList{QStringLiteral("http://h.example/"), QStringLiteral("http://h.example/a"),
                           QStringLiteral("http://h.example/b"), QStringLiteral("http://h.example/c"),
                           QStringLiteral("http://h.example/d"), QStringLiteral("http://h.example/e"),
                           QStringLiteral("https://h.example/f"), QStringLiteral("http://h.example/g"),
                           QStringLiteral("HTTP://h.example/h"), QStringLiteral("http://h.example/i")}));
    for (const CloneEntry &entry : list)
        EXPECT_EQ(entry.page, -1);

    // Every link to one address: that address once.
    const QList<CloneLink> same(5, CloneLink{QStringLiteral("http://h.example/x"), QStringLiteral("X")});
    EXPECT_EQ(addresses(CloneList::forPage(QStringLiteral("T"), QStringLiteral("http://h.example/"), same, kRule)),
              (QStringList{QStringLiteral("http://h.example/"), QStringLiteral("http://h.example/x")}));

    // A page without a title.
    EXPECT_EQ(CloneList::forPage(QStringLiteral("   "), QStringLiteral("http://h.example/"), {}, kRule).first().name,
              QStringLiteral("Untitled"));
    EXPECT_EQ(CloneList::pageName(QString(), kRule), QStringLiteral("Untitled"));
    // A long title still names a folder the file system takes.
    EXPECT_EQ(CloneList::pageName(QStringLiteral("中").repeated(1000), kRule), QStringLiteral("中").repeated(85));
}

TEST(CloneListTest, TheLinkScriptsResultBecomesLinks)
{
    const QVariantList result{
        QVariantMap{{QStringLiteral("address"), QStringLiteral("http://a/")}, {QStringLiteral("text"), QStringLiteral("A")}},
        QVariantMap{{QStringLiteral("address"), QStringLiteral("http://b/")}},
    };
    const QList<CloneLink> links = CloneList::linksFrom(result);
    ASSERT_EQ(links.size(), 2);
    EXPECT_EQ(links.at(0).address, QStringLiteral("http://a/"));
    EXPECT_EQ(links.at(0).text, QStringLiteral("A"));
    EXPECT_EQ(links.at(1).text, QString());
    // No document: no links.
    EXPECT_TRUE(CloneList::linksFrom(QVariant()).isEmpty());
}

TEST(CloneListTest, SaveAllListsEachWebOrFilePageOnceAndKnowsWhichPageItIs)
{
    const QList<CloneEntry> open{
        {QStringLiteral("Blank"), QStringLiteral("about:blank")},
        {QStringLiteral("News"), QStringLiteral("http://h.example/news")},
        {QStringLiteral("Local"), QStringLiteral("file:///tmp/page.html")},
        {QStringLiteral("News"), QStringLiteral("https://h.example/other")},
        {QStringLiteral("Again"), QStringLiteral("http://h.example/news")},
        {QStringLiteral("Loading"), QString()},
        {QStringLiteral("Ftp"), QStringLiteral("ftp://h.example/")},
        {QString(), QStringLiteral("http://h.example/untitled")},
    };
    const QList<CloneEntry> list = CloneList::forOpenPages(open, kRule);
    EXPECT_EQ(list, (QList<CloneEntry>{{QStringLiteral("News"), QStringLiteral("http://h.example/news"), 1},
                                       {QStringLiteral("Local"), QStringLiteral("file:///tmp/page.html"), 2},
                                       {QStringLiteral("News (2)"), QStringLiteral("https://h.example/other"), 3},
                                       {QStringLiteral("Untitled"), QStringLiteral("http://h.example/untitled"), 7}}));
    EXPECT_TRUE(CloneList::forOpenPages({{QStringLiteral("Blank"), QStringLiteral("about:blank")}}, kRule).isEmpty());
}

TEST(CloneListTest, PicturesKeepTheirExtensionWhenTheAddressEndsExactlyWithIt)
{
    const QList<std::pair<const char *, const char *>> rows{
        {"http://h/a.gif", ".gif"},   {"http://h/a.jpg", ".jpg"},      {"http://h/a.swf", ".swf"},
        {"http://h/a.jpeg", ".jpeg"}, {"http://h/a.JPG", ".mht"},      {"http://h/a.Gif", ".mht"},
        {"http://h/a.png", ".mht"},   {"http://h/a.gif?x=1", ".mht"}, {"http://h/", ".mht"},
    };
    for (const auto &[address, suffix] : rows) {
        EXPECT_EQ(CloneList::suffixFor(QString::fromLatin1(address)), QString::fromLatin1(suffix)) << address;
        EXPECT_EQ(CloneList::isPicture(QString::fromLatin1(address)), QByteArray(suffix) != ".mht") << address;
    }
}

TEST(CloneListTest, ANameTheUserTypesMayHoldNoneOfTheNineMarks)
{
    EXPECT_TRUE(CloneList::isAllowedName(QStringLiteral("A page (2) - 新闻")));
    for (const QChar c : QStringLiteral(":><?|\"*/\\"))
        EXPECT_FALSE(CloneList::isAllowedName(QStringLiteral("a") + c + QStringLiteral("b"))) << c.toLatin1();
}

TEST(CloneListTest, TargetsAreDistinctFilesInTheFolderWhateverTheNames)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("clone"));
    ASSERT_TRUE(QDir().mkpath(folder));

    // Titles and link texts a hostile page may give, and names the user typed.
    const QStringList hostile{
        QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../../etc/passwd"),
        QStringLiteral("/etc/passwd"), QStringLiteral("\\..\\.."), QStringLiteral(" .. "),
        QString(QChar(0)) + QStringLiteral(".."), QStringLiteral("\n\r\t\x1b[31m"), QStringLiteral(".bashrc"),
        QStringLiteral("中").repeated(1000), QStringLiteral("http://"),
    };
    QList<CloneLink> links;
    for (qsizetype i = 0; i < hostile.size(); ++i)
        links.append({QStringLiteral("http://h.example/%1").arg(i), hostile.at(i)});
    links.append({QStringLiteral("http://h.example/p.gif"), QStringLiteral("..")});
    QList<CloneEntry> entries = CloneList::forPage(QStringLiteral(".."), QStringLiteral("http://h.example/"), links, kRule);
    // Typed in the dialog: names the rule would not have made.
    entries.append({QStringLiteral(".."), QStringLiteral("http://h.example/typed1")});
    entries.append({QStringLiteral("untitled"), QStringLiteral("http://h.example/typed2")});
    entries.append({QString(), QStringLiteral("http://h.example/typed3")});

    const QStringList paths = CloneList::targets(folder, entries, kRule);
    ASSERT_EQ(paths.size(), entries.size());
    QSet<QString> seen;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        EXPECT_EQ(info.absolutePath(), folder) << path.toStdString();
        EXPECT_FALSE(info.fileName().startsWith(QLatin1Char('.'))) << path.toStdString();
        EXPECT_LE(info.fileName().toUtf8().size(), FileNames::kNameBytes);
        EXPECT_FALSE(seen.contains(path.toCaseFolded())) << path.toStdString();
        seen.insert(path.toCaseFolded());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::NewOnly)) << path.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), paths.size());
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("clone")});
    // The picture keeps its extension.
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).address.endsWith(QLatin1String(".gif")))
            EXPECT_TRUE(paths.at(i).endsWith(QLatin1String(".gif"))) << paths.at(i).toStdString();
    }

    // Names made equal by the user are numbered; the same name with another
    // extension is another file.
    EXPECT_EQ(CloneList::targets(folder,
                                 {{QStringLiteral("x"), QStringLiteral("http://a/1")},
                                  {QStringLiteral("X"), QStringLiteral("http://a/2")},
                                  {QStringLiteral("x"), QStringLiteral("http://a/3.gif")}},
                                 kRule),
              (QStringList{QDir(folder).filePath(QStringLiteral("x.mht")),
                           QDir(folder).filePath(QStringLiteral("X (2).mht")),
                           QDir(folder).filePath(QStringLiteral("x.gif"))}));
}
