// Names of favorite shortcuts and folders made from any title.
#include "favorites/FavoriteFileName.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct NameRow
{
    const char *why;
    QString title;
    QString suffix;
    int n;
    QString expected;
};

QString repeat(const QString &text, int times)
{
    return text.repeated(times);
}

} // namespace

TEST(FavoriteFileNameTest, EveryTitleBecomesOnePlainNameThatFits)
{
    const QString url = QStringLiteral(".url");
    const QString chinese = QStringLiteral("中");      // 3 bytes of UTF-8
    const QString emoji = QStringLiteral("\U0001F600"); // 4 bytes, a surrogate pair
    const QList<NameRow> rows = {
        {"plain", QStringLiteral("Example Domain"), url, 1, QStringLiteral("Example Domain.url")},
        {"slash", QStringLiteral("a/b"), url, 1, QStringLiteral("a_b.url")},
        {"only slashes", QStringLiteral("//"), url, 1, QStringLiteral("__.url")},
        {"dot", QStringLiteral("."), url, 1, QStringLiteral("Untitled.url")},
        {"dot dot", QStringLiteral(".."), {}, 1, QStringLiteral("Untitled")},
        {"dot dot slash", QStringLiteral("../x"), {}, 1, QStringLiteral("_x")},
        {"hidden", QStringLiteral(".hidden"), url, 1, QStringLiteral("hidden.url")},
        {"dots then blank", QStringLiteral(". . name"), url, 1, QStringLiteral("name.url")},
        {"empty", QString(), url, 1, QStringLiteral("Untitled.url")},
        {"blanks", QStringLiteral("   "), url, 1, QStringLiteral("Untitled.url")},
        {"trimmed", QStringLiteral("  spaced  out "), url, 1, QStringLiteral("spaced out.url")},
        {"controls", QStringLiteral("line\nbreak\ttab\r"), url, 1, QStringLiteral("line break tab.url")},
        {"nul", QString(QStringLiteral("nul") + QChar(0) + QStringLiteral("in")), url, 1, QStringLiteral("nul in.url")},
        {"delete and C1", QString(QChar(0x7F)) + QChar(0x85) + QStringLiteral("x"), url, 1, QStringLiteral("x.url")},
        {"direction override", QStringLiteral("evil\u202Eslmth.exe"), url, 1, QStringLiteral("evilslmth.exe.url")},
        {"lone surrogate", QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), url, 1,
         QStringLiteral("a\uFFFDb.url")},
        {"non-ASCII kept", QStringLiteral("新浪网 — Café"), url, 1, QStringLiteral("新浪网 — Café.url")},
        {"ASCII cut", repeat(QStringLiteral("a"), 300), url, 1, repeat(QStringLiteral("a"), 251) + url},
        {"folder cut", repeat(QStringLiteral("a"), 300), {}, 1, repeat(QStringLiteral("a"), 255)},
        {"exactly fits", repeat(QStringLiteral("a"), 251), url, 1, repeat(QStringLiteral("a"), 251) + url},
        {"three-byte characters cut whole", repeat(chinese, 100), url, 1, repeat(chinese, 83) + url},
        {"surrogate pairs cut whole", repeat(emoji, 70), url, 1, repeat(emoji, 62) + url},
        {"cut leaves no trailing blank", repeat(QStringLiteral("x"), 250) + QStringLiteral(" yyyy"), url, 1,
         repeat(QStringLiteral("x"), 250) + url},
        {"second copy", QStringLiteral("Name"), url, 2, QStringLiteral("Name (2).url")},
        {"second folder", QStringLiteral("Name"), {}, 2, QStringLiteral("Name (2)")},
        {"numbered copy cut to fit", repeat(QStringLiteral("a"), 300), url, 12,
         repeat(QStringLiteral("a"), 246) + QStringLiteral(" (12).url")},
        {"numbered untitled", QStringLiteral(".."), url, 3, QStringLiteral("Untitled (3).url")},
    };
    for (const NameRow &row : rows) {
        const QString name = FavoriteFileName::numbered(row.title, row.suffix, row.n);
        EXPECT_EQ(name, row.expected) << row.why;
        EXPECT_LE(name.toUtf8().size(), FavoriteFileName::kNameBytes) << row.why;
        EXPECT_FALSE(name.contains(QLatin1Char('/'))) << row.why;
        EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << row.why;
    }
}

TEST(FavoriteFileNameTest, ACopyGetsTheFirstFreeNumberAndALinkAnywhereTakesItsName)
{
    QTemporaryDir dir(freshProfileDir() + QStringLiteral("/names-XXXXXX"));
    const QString root = dir.path();
    auto touch = [&](const QString &name) {
        QFile file(root + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const QString url = QStringLiteral(".url");
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("A"), url), QStringLiteral("A.url"));
    touch(QStringLiteral("A.url"));
    touch(QStringLiteral("A (2).url"));
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("A"), url), QStringLiteral("A (3).url"));
    // A folder named like a shortcut without its suffix is another name.
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("A"), QString()), QStringLiteral("A"));

    // A link that points nowhere still takes its name.
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/nowhere"), root + QStringLiteral("/B.url")));
    EXPECT_TRUE(FavoriteFileName::isTaken(root + QStringLiteral("/B.url")));
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("B"), url), QStringLiteral("B (2).url"));

    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("F")));
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("F"), QString()), QStringLiteral("F (2)"));

    // A caller that keeps the number starts past the used ones.
    int n = 1;
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("A"), url, n), QStringLiteral("A (3).url"));
    EXPECT_EQ(n, 3);
    n = 5;
    EXPECT_EQ(FavoriteFileName::freeName(root, QStringLiteral("A"), url, n), QStringLiteral("A (5).url"));
}
