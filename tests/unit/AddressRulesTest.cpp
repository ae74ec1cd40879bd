// The address bar's rules, row by row.
#include "frame/AddressRules.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using namespace AddressRules;

TEST(AddressRules, ModifierKeysPutTheDomainTextsAroundABareWord)
{
    const CompletionTexts texts;
    struct Row { bool ctrl, shift; const char *result; };
    const Row rows[] = {
        {true, false, "http://www.example.com"},
        {false, true, "http://www.example.net"},
        {true, true, "http://www.example.org"},
        {false, false, "example"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.result);
        EXPECT_EQ(complete(QStringLiteral("example"), row.ctrl, row.shift, texts), QLatin1String(row.result));
    }
    CompletionTexts own;
    own.ctrl1 = QStringLiteral("https://");
    own.ctrl2 = QStringLiteral(".cn/");
    EXPECT_EQ(complete(QStringLiteral("sina"), true, false, own), QStringLiteral("https://sina.cn/"));
}

TEST(AddressRules, TheTypedListTakesNoCaseOrSlashTwin)
{
    const QStringList list{QStringLiteral("http://a.example/"), QStringLiteral("HTTP://B.example")};
    struct Row { const char *text; bool added; };
    const Row rows[] = {
        {"HTTP://A.EXAMPLE/", false}, // letter case only
        {"http://a.example", false},  // without its trailing slash
        {"http://b.example/", false}, // with a slash and another case
        {"http://c.example", true},
        {"", true}, // an empty text is the caller's to refuse
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const QStringList after = remember(list, QLatin1String(row.text));
        EXPECT_EQ(after.size(), list.size() + (row.added ? 1 : 0));
        if (row.added)
            EXPECT_EQ(after.first(), QLatin1String(row.text)); // newest first
    }
    EXPECT_EQ(slashTwin(QStringLiteral("x/")), QStringLiteral("x"));
    EXPECT_EQ(slashTwin(QStringLiteral("x")), QStringLiteral("x/"));
}

TEST(AddressRules, ThirtyEntriesSaveTheFirstTwentyFourWithoutGaps)
{
    QStringList list;
    for (int i = 1; i <= 30; ++i)
        list << QStringLiteral("http://site%1.example/").arg(i);
    QStringList saved = toSave(list);
    ASSERT_EQ(saved.size(), 24);
    EXPECT_EQ(saved.first(), list.first());
    EXPECT_EQ(saved.last(), list[23]);

    // An empty entry among the first 24 is left out; nothing comes up in its place.
    list[5].clear();
    saved = toSave(list);
    EXPECT_EQ(saved.size(), 23);
    EXPECT_EQ(saved[5], list[6]);
    EXPECT_FALSE(saved.contains(list[24]));
}

TEST(AddressRules, CtrlLeftAndCtrlRightSelectByPartsOfTheAddress)
{
    const QString address = QStringLiteral("http://www.example.com/a/b.html");
    using S = std::optional<Selection>;
    struct Row { const char *what; S result; S expected; };
    const Row rows[] = {
        // Right: from the start of the text up to the nearer "." or "/" after the caret.
        {"right from the start, slash nearer", nextPart(address, 0), Selection{0, 5}},
        {"right from inside the host", nextPart(address, 11), Selection{0, 18}},
        {"right with only dots after", nextPart(QStringLiteral("www.example.com"), 0), Selection{0, 15}},
        {"right with only slashes after", nextPart(QStringLiteral("a/b/c"), 0), Selection{0, 5}},
        {"right at the end", nextPart(address, address.size()), Selection{0, int(address.size())}},
        // Left: from the later "." or "/" before the selection, less one character, to the end.
        {"left from the end", previousPart(address, address.size()), Selection{26, int(address.size())}},
        {"left from just behind a dot", previousPart(address, 27), Selection{24, int(address.size())}},
        {"left with nothing before", previousPart(address, 0), std::nullopt},
        {"left with no separator before", previousPart(QStringLiteral("example"), 5), std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.result, row.expected);
    }
}

TEST(AddressRules, SuggestionsCompleteWithAndWithoutSchemeAndWww)
{
    const QStringList candidates{QStringLiteral("http://www.example.com/"), QStringLiteral("https://docs.example.org/"),
                                 QStringLiteral("HTTP://WWW.EXAMPLE.COM/"), QStringLiteral("file:///home/me/notes.txt"),
                                 QStringLiteral("http://other.example/")};
    EXPECT_EQ(suggestions(candidates, QStringLiteral("exa")), QStringList{QStringLiteral("http://www.example.com/")});
    EXPECT_EQ(suggestions(candidates, QStringLiteral("www.ex")), QStringList{QStringLiteral("http://www.example.com/")});
    EXPECT_EQ(suggestions(candidates, QStringLiteral("HTTPS://D")), QStringList{QStringLiteral("https://docs.example.org/")});
    EXPECT_EQ(suggestions(candidates, QStringLiteral("home/me")), QStringList{QStringLiteral("file:///home/me/notes.txt")});
    EXPECT_TRUE(suggestions(candidates, QStringLiteral("ample")).isEmpty());
    EXPECT_TRUE(suggestions(candidates, QString()).isEmpty());
    EXPECT_EQ(suggestions(candidates, QStringLiteral("h"), 2).size(), 2);

    // Appended completion keeps what was typed and adds the rest of the matching form.
    EXPECT_EQ(inlineCompletion(candidates, QStringLiteral("Exa")), QStringLiteral("Example.com/"));
    EXPECT_EQ(inlineCompletion(candidates, QStringLiteral("http://o")), QStringLiteral("http://other.example/"));
    EXPECT_EQ(inlineCompletion(candidates, QStringLiteral("zzz")), QStringLiteral("zzz"));
}

} // namespace
