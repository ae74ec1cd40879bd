// File names made from page titles: the rule, its cut to length, the
// numbering of equal names, and hostile titles that must stay in their folder.
#include "pages/PageFileName.h"
#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct NameRow
{
    const char *why;
    QString title;
    int n;
    QString expected;
};

const QString kMht = QStringLiteral(".mht");

// The titles an attacker or a careless page may give.
QStringList hostileTitles()
{
    return {
        QString(),
        QStringLiteral("."),
        QStringLiteral(".."),
        QStringLiteral("../.."),
        QStringLiteral("../../../../../../tmp/evil"),
        QStringLiteral("/etc/passwd"),
        QStringLiteral("\\..\\..\\windows"),
        QStringLiteral(" .. "),
        QStringLiteral(".bashrc"),
        QString(QChar(0)) + QStringLiteral("..") + QChar(0),
        QStringLiteral("\n\r\t\x1b[31m"),
        QStringLiteral("中").repeated(1000),
        QStringLiteral("\U0001F600").repeated(300),
        QStringLiteral("a").repeated(5000),
        QStringLiteral("http://"),
        QStringLiteral("http:/") + QChar(0) + QStringLiteral("/.."),
    };
}

} // namespace

TEST(PageFileNameTest, TheRuleMakesEveryTitleOnePlainNameThatFits)
{
    const QString chinese = QStringLiteral("中");      // 3 bytes of UTF-8
    const QString emoji = QStringLiteral("\U0001F600"); // 4 bytes, a surrogate pair
    const QList<NameRow> rows = {
        {"letter colon blank letter question letter", QStringLiteral("a: b?c"), 1, QStringLiteral("a_ b_c.mht")},
        {"two slashes become one mark", QStringLiteral("a//b"), 1, QStringLiteral("a_b.mht")},
        {"all nine characters", QStringLiteral("a:b>c<d?e|f\"g*h/i\\j"), 1, QStringLiteral("a_b_c_d_e_f_g_h_i_j.mht")},
        {"runs of marks collapse", QStringLiteral("x:/?*y__z"), 1, QStringLiteral("x_y_z.mht")},
        {"http:// removed", QStringLiteral("http://example.com/page"), 1, QStringLiteral("example.com_page.mht")},
        {"http:// removed everywhere", QStringLiteral("see http://a and http://b"), 1,
         QStringLiteral("see a and b.mht")},
        {"https keeps its scheme", QStringLiteral("https://x"), 1, QStringLiteral("https_x.mht")},
        {"trimmed", QStringLiteral("  Title  "), 1, QStringLiteral("Title.mht")},
        {"empty", QString(), 1, QStringLiteral("Untitled.mht")},
        {"blanks", QStringLiteral("   "), 1, QStringLiteral("Untitled.mht")},
        {"dot", QStringLiteral("."), 1, QStringLiteral("Untitled.mht")},
        {"dot dot", QStringLiteral(".."), 1, QStringLiteral("Untitled.mht")},
        {"leading dot", QStringLiteral(".profile"), 1, QStringLiteral("profile.mht")},
        {"dot dot slash", QStringLiteral("../etc/passwd"), 1, QStringLiteral("_etc_passwd.mht")},
        {"absolute path", QStringLiteral("/etc/passwd"), 1, QStringLiteral("_etc_passwd.mht")},
        {"controls removed", QStringLiteral("li\nne\tta\rb") + QChar(0) + QStringLiteral("x") + QChar(0x7F), 1,
         QStringLiteral("linetabx.mht")},
        {"a removed control does not hide http://", QStringLiteral("http:/") + QChar(1) + QStringLiteral("/x"), 1,
         QStringLiteral("x.mht")},
        {"direction override", QStringLiteral("evil\u202Etxt.exe"), 1, QStringLiteral("eviltxt.exe.mht")},
        {"non-ASCII kept", QStringLiteral("新浪网 — Café"), 1, QStringLiteral("新浪网 — Café.mht")},
        {"ASCII cut", QStringLiteral("a").repeated(300), 1, QStringLiteral("a").repeated(251) + kMht},
        {"1,000 CJK characters cut whole", chinese.repeated(1000), 1, chinese.repeated(83) + kMht},
        {"surrogate pairs cut whole", emoji.repeated(70), 1, emoji.repeated(62) + kMht},
        {"second copy", QStringLiteral("a:b"), 2, QStringLiteral("a_b (2).mht")},
        {"numbered copy cut to fit", QStringLiteral("a").repeated(300), 12,
         QStringLiteral("a").repeated(246) + QStringLiteral(" (12).mht")},
    };
    for (const NameRow &row : rows)
        EXPECT_EQ(PageFileName::fileName(row.title, kMht, row.n), row.expected) << row.why;
}

TEST(PageFileNameTest, HostileTitlesGiveNamesThatStayInTheirFolder)
{
    for (const QString &title : hostileTitles()) {
        const QString name = PageFileName::fileName(title, kMht);
        const std::string why = title.left(40).toStdString();
        EXPECT_LE(name.toUtf8().size(), FileNames::kNameBytes) << why;
        EXPECT_FALSE(name.contains(QLatin1Char('/'))) << why;
        EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << why;
        EXPECT_FALSE(name.contains(QChar(0))) << why;
        // Cut between characters: it reads back as it was written.
        EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << why;
        EXPECT_FALSE(name.contains(QChar::ReplacementCharacter)) << why;
    }

    // Written to disk, every one lands in the folder, none overwrites another.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("target"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QStringList titles = hostileTitles();
    for (const QString &title : titles) {
        const QString path = PageFileName::freePath(folder, title, kMht);
        EXPECT_EQ(QFileInfo(path).absolutePath(), folder) << title.left(40).toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::NewOnly)) << path.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), titles.size());
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("target")});
}

TEST(PageFileNameTest, TitlesThatMakeTheSameNameAreNumberedNotOverwritten)
{
    // ":" and "?" both become "_"; the case alone does not tell files apart everywhere.
    EXPECT_EQ(PageFileName::distinctNames({QStringLiteral("a:b"), QStringLiteral("a?b"), QStringLiteral("c"),
                                           QStringLiteral("A_B"), QStringLiteral("a_b (2)")},
                                          kMht),
              (QStringList{QStringLiteral("a_b.mht"), QStringLiteral("a_b (2).mht"), QStringLiteral("c.mht"),
                           QStringLiteral("A_B (3).mht"), QStringLiteral("a_b (2) (2).mht")}));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString first = PageFileName::freePath(folder.path(), QStringLiteral("a:b"), kMht);
    EXPECT_EQ(first, folder.filePath(QStringLiteral("a_b.mht")));
    QFile(first).open(QIODevice::WriteOnly);
    EXPECT_EQ(PageFileName::freePath(folder.path(), QStringLiteral("a?b"), kMht),
              folder.filePath(QStringLiteral("a_b (2).mht")));
}
