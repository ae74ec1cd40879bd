// The menu files' line format, the placeholders and the Find Box's words, row by row.
#include "frame/MenuFile.h"
#include "pages/FindWords.h"

#include "TestEnvironment.h"

#include <QAction>
#include <QDir>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

using MenuFile::Line;

Line entry(const char *text, const char *target)
{
    return {false, QString::fromUtf8(text), QString::fromUtf8(target)};
}

const Line separator{};

TEST(MenuFile, AnEntryNeedsItsFirstBarAfterAtLeastOneCharacter)
{
    struct Row { const char *what; const char *text; QList<Line> lines; };
    const Row rows[] = {
        {"two engines around a bar", "A|http://a/?q={keywords}\n|\nB|http://b/?q={keywords}\n",
         {entry("A", "http://a/?q={keywords}"), separator, entry("B", "http://b/?q={keywords}")}},
        {"a line that begins with a bar", "|x\n", {separator}},
        {"a line without a bar, an empty line", "text\n\nA|a\n", {separator, separator, entry("A", "a")}},
        {"the first bar splits, later ones are the target's", "A|b|c", {entry("A", "b|c")}},
        {"carriage returns", "A|a\r\nB|b\r\n", {entry("A", "a"), entry("B", "b")}},
        {"an empty target", "A|\n", {entry("A", "")}},
        {"nothing", "", {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(MenuFile::parse(QString::fromUtf8(row.text)), row.lines);
    }
    const QList<Line> lines = MenuFile::parse(QStringLiteral("A|a\n|\nB|b\nC|c"));
    EXPECT_EQ(MenuFile::entry(lines, 1)->text, QStringLiteral("B")); // separators are not counted
    EXPECT_EQ(MenuFile::entry(lines, 2)->text, QStringLiteral("C"));
    EXPECT_FALSE(MenuFile::entry(lines, 3));
    EXPECT_FALSE(MenuFile::entry(lines, -1));
    EXPECT_EQ(MenuFile::menuText(QString(5000, QLatin1Char('x'))).size(), 120);
    // An entry's "&" is part of its name, not the menu's underlined letter.
    QAction shown(MenuFile::menuText(QStringLiteral("Google Arts & Culture")));
    EXPECT_EQ(shown.iconText(), QStringLiteral("Google Arts & Culture"));
}

TEST(MenuFile, PlaceholdersAreFilledSoThatTheAddressMeansWhatWasTyped)
{
    struct Row { const char *what; const char *target; const char *keywords; const char *result; };
    const Row rows[] = {
        {"blanks", "https://s.example/?q={keywords}", "two words", "https://s.example/?q=two%20words"},
        {"&, # and %", "https://s.example/?q={keywords}&x=1", "a&b #c 100%", "https://s.example/?q=a%26b%20%23c%20100%25&x=1"},
        {"non-ASCII", "https://s.example/?q={keywords}", "中文", "https://s.example/?q=%E4%B8%AD%E6%96%87"},
        {"in the path", "https://s.example/wiki/{keywords}", "a/b?c", "https://s.example/wiki/a%2Fb%3Fc"},
        {"every occurrence", "https://s.example/{keywords}?q={keywords}", "x", "https://s.example/x?q=x"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const QString filled = MenuFile::fill(QString::fromUtf8(row.target), QString::fromUtf8(row.keywords));
        EXPECT_EQ(filled, QString::fromUtf8(row.result));
        // In a query, the address reads back as the words typed.
        if (QString::fromUtf8(row.target).contains(QLatin1String("?q={keywords}")))
            EXPECT_EQ(QUrlQuery(QUrl(filled)).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                      QString::fromUtf8(row.keywords));
    }
    const QString page = QStringLiteral("https://site.example/a?b=1&c=2#top");
    EXPECT_EQ(MenuFile::fill(QStringLiteral("https://archive.example/web/*/{url}"), {}, page),
              QStringLiteral("https://archive.example/web/*/") + page);
    EXPECT_EQ(MenuFile::fill(QStringLiteral("https://tr.example/translate?u={url}&tl=zh"), {}, page),
              QStringLiteral("https://tr.example/translate?u=https%3A%2F%2Fsite.example%2Fa%3Fb%3D1%26c%3D2%23top&tl=zh"));
    EXPECT_EQ(MenuFile::fill(QStringLiteral("https://whois.example/{域}    /{域}    "), {}, page,
                             QStringLiteral("site.example")),
              QStringLiteral("https://whois.example/site.example/site.example"));
    // "{域}" without its four blanks is not the placeholder.
    EXPECT_EQ(MenuFile::fill(QStringLiteral("https://w.example/{域}"), {}, page, QStringLiteral("h")),
              QStringLiteral("https://w.example/{域}"));
}

TEST(MenuFile, EveryShippedAddressIsWhole)
{
    const QString data = QStringLiteral(SHIPPED_DATA);
    QStringList files{QStringLiteral("SearchEngines.ini"), QStringLiteral("TranslateEngines.ini"),
                      QStringLiteral("Goto.ini")};
    for (const QString &name : QDir(data + QStringLiteral("/webdir")).entryList(QDir::Files))
        files << QStringLiteral("webdir/") + name;
    EXPECT_EQ(files.size(), 18);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const auto lines = MenuFile::read(data + QLatin1Char('/') + name);
        ASSERT_TRUE(lines);
        int entries = 0;
        for (const Line &line : *lines) {
            if (line.separator)
                continue;
            ++entries;
            SCOPED_TRACE(line.target.toStdString());
            const QString filled = MenuFile::fill(line.target, QStringLiteral("词 & more"),
                                                  QStringLiteral("https://example.com/a?b=1"),
                                                  QStringLiteral("example.com"));
            EXPECT_FALSE(filled.contains(QLatin1Char('{')) || filled.contains(QLatin1Char('}')));
            const QUrl url(filled, QUrl::StrictMode);
            EXPECT_TRUE(url.isValid()) << url.errorString().toStdString();
            EXPECT_TRUE(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
            EXPECT_FALSE(url.host().isEmpty());
            EXPECT_FALSE(line.text.trimmed().isEmpty());
        }
        EXPECT_GE(entries, 3);
    }
}

TEST(FindWords, SplitAtAsciiBlanksOnly)
{
    struct Row { const char *text; QStringList words; };
    const Row rows[] = {
        {"two  words", {"two", "words"}},
        {"  padded  ", {"padded"}},
        {"全角\u3000空格", {QStringLiteral("全角\u3000空格")}},
        {"   ", {}},
        {"", {}},
        {"a b c", {"a", "b", "c"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FindWords::split(QString::fromUtf8(row.text)), row.words);
    }
}

TEST(FindWords, TheBoxKeepsSeventeenTextsAndThenOverwritesTheFirst)
{
    QStringList history;
    for (int i = 1; i <= 16; ++i)
        history = FindWords::remember(history, QStringLiteral("t%1").arg(i));
    EXPECT_EQ(history.size(), 16);
    EXPECT_EQ(FindWords::remember(history, QStringLiteral("t3")), history); // there already
    history = FindWords::remember(history, QStringLiteral("t17"));
    ASSERT_EQ(history.size(), 17);
    EXPECT_EQ(history.last(), QStringLiteral("t17"));
    // Full: the text takes the first place, even when it is already in the list.
    history = FindWords::remember(history, QStringLiteral("t5"));
    EXPECT_EQ(history.size(), 17);
    EXPECT_EQ(history.first(), QStringLiteral("t5"));
    EXPECT_EQ(history.count(QStringLiteral("t5")), 2);
    EXPECT_EQ(FindWords::remember(history, QString()), history);
}

} // namespace
