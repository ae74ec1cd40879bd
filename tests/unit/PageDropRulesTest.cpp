// What a text or a file dropped on a Page comes to: the addresses opened,
// the names a saved text and a kept picture get, and the pictures kept once.
#include "pages/DroppedFile.h"
#include "pages/DroppedPicture.h"
#include "pages/DroppedText.h"
#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TextRow
{
    QString in;
    QString out;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PageDropRulesTest, ScriptsAndDocumentsInAnAddressAreRefusedInAnyLetterCase)
{
    for (const char *text : {"javascript:alert(1)", "JavaScript:alert(1)", "  vbscript:msgbox(1)", "VBScript:x",
                             "data:text/html,<b>x</b>", "DATA:image/png;base64,AAAA", "\tjAvAsCrIpT:void(0)"})
        EXPECT_TRUE(DroppedFile::isScript(QString::fromLatin1(text))) << text;
    for (const char *text : {"http://example.com/javascript:x", "javascript", "metadata:x", "https://data.example/"})
        EXPECT_FALSE(DroppedFile::isScript(QString::fromLatin1(text))) << text;
}

TEST(PageDropRulesTest, OnlyWebFtpAndFileAddressesOpen)
{
    const TextRow rows[] = {
        {QStringLiteral("http://example.com/a"), QStringLiteral("http://example.com/a")},
        {QStringLiteral("  HTTPS://example.com/b  "), QStringLiteral("https://example.com/b")},
        {QStringLiteral("ftp://ftp.example.com/pub/"), QStringLiteral("ftp://ftp.example.com/pub/")},
        {QStringLiteral("file:///tmp/page.html"), QStringLiteral("file:///tmp/page.html")},
        // A bare host is a web address, as in the address bar.
        {QStringLiteral("example.com/x"), QStringLiteral("http://example.com/x")},
        {QStringLiteral("javascript:alert(1)"), QString()},
        {QStringLiteral("data:text/html,hi"), QString()},
        {QStringLiteral("mailto:someone@example.com"), QString()},
        {QStringLiteral("about:blank"), QString()},
        {QStringLiteral("chrome://settings"), QString()},
        {QStringLiteral("view-source:http://example.com/"), QString()},
        {QString(), QString()},
    };
    for (const TextRow &row : rows)
        EXPECT_EQ(DroppedFile::openableAddress(row.in), row.out) << row.in.toStdString();
}

TEST(PageDropRulesTest, ASavedTextIsNamedAfterThePageAndItsFirstEightCharacters)
{
    EXPECT_EQ(DroppedText::proposedName(QStringLiteral("Word"), QStringLiteral("abcde")), QStringLiteral("Word - abcde..."));
    EXPECT_EQ(DroppedText::proposedName(QStringLiteral("Word"), QStringLiteral("abcdefghijkl")),
              QStringLiteral("Word - abcdefgh..."));
    // The name rule has the last word.
    EXPECT_EQ(DroppedText::proposedName(QStringLiteral("A: B?"), QStringLiteral("x//y")), QStringLiteral("A_ B_ - x_y..."));
    // The cut comes first: the rule then takes "http://" out of what is left.
    EXPECT_EQ(DroppedText::proposedName(QStringLiteral("Word"), QStringLiteral("http://example.com/")),
              QStringLiteral("Word - e..."));
    // Characters, not UTF-16 units: a pair of surrogates is one.
    EXPECT_EQ(DroppedText::proposedName(QStringLiteral("页"), QStringLiteral("\U0001F600").repeated(10)),
              QStringLiteral("页 - ") + QStringLiteral("\U0001F600").repeated(8) + QStringLiteral("..."));
    EXPECT_EQ(DroppedText::proposedName(QStringLiteral("Word"), QStringLiteral("line\nbreak")),
              QStringLiteral("Word - linebre..."));
    EXPECT_EQ(DroppedText::proposedPath(QStringLiteral("/home/u/Documents"), QStringLiteral("Word"),
                                        QStringLiteral("abcde")),
              QStringLiteral("/home/u/Documents/Word - abcde..."));
}

TEST(PageDropRulesTest, TheSavedTextsPathEndsInTxtAndItsNameFits)
{
    const TextRow rows[] = {
        {QStringLiteral("/d/Word - abcde..."), QStringLiteral("/d/Word - abcde....txt")},
        {QStringLiteral("/d/notes.txt"), QStringLiteral("/d/notes.txt")},
        {QStringLiteral("/d/notes.TXT"), QStringLiteral("/d/notes.txt")},
        {QStringLiteral("/d/x:y"), QStringLiteral("/d/x_y.txt")},
        {QStringLiteral("/d/"), QStringLiteral("/d/Untitled.txt")},
        {QStringLiteral("relative"), QStringLiteral("relative.txt")},
    };
    for (const TextRow &row : rows)
        EXPECT_EQ(DroppedText::targetPath(row.in), row.out) << row.in.toStdString();

    // A long name is cut between characters, the folder kept whole.
    const QString folder = QStringLiteral("/d/") + QStringLiteral("长").repeated(200) + QStringLiteral("/");
    const QString path = DroppedText::targetPath(folder + QStringLiteral("中").repeated(300));
    EXPECT_TRUE(path.startsWith(folder));
    const QString name = path.mid(folder.size());
    EXPECT_TRUE(name.endsWith(QStringLiteral(".txt")));
    EXPECT_LE(name.toUtf8().size(), FileNames::kNameBytes);
    EXPECT_EQ(name, QStringLiteral("中").repeated(83) + QStringLiteral(".txt")); // 83 * 3 + 4 bytes
}

TEST(PageDropRulesTest, ATextIsWrittenAsUtf8InPlaceOfWhatTheFileHeld)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    writeFile(path, QByteArray(100, 'x'));
    ASSERT_TRUE(DroppedText::write(path, QStringLiteral("中文 text")));
    EXPECT_EQ(readFile(path), QStringLiteral("中文 text").toUtf8());
    EXPECT_FALSE(DroppedText::write(dir.filePath(QStringLiteral("missing/t.txt")), QStringLiteral("x")));
}

TEST(PageDropRulesTest, APicturesCopyCounterIsTakenOutOfItsName)
{
    const TextRow rows[] = {
        {QStringLiteral("a[2].png"), QStringLiteral("a.png")},
        {QStringLiteral("a[1] copy.png"), QStringLiteral("a copy.png")},
        {QStringLiteral("a[b]c[12].jpg"), QStringLiteral("a[b]c.jpg")},
        {QStringLiteral("a.png"), QStringLiteral("a.png")},
        {QStringLiteral("a]b[.png"), QStringLiteral("a]b[.png")},
        {QStringLiteral("[2].png"), QStringLiteral("[2].png")},
    };
    for (const TextRow &row : rows)
        EXPECT_EQ(DroppedPicture::keptName(row.in), row.out) << row.in.toStdString();

    EXPECT_EQ(DroppedPicture::numberedName(QStringLiteral("a.png"), 1), QStringLiteral("a[1].png"));
    EXPECT_EQ(DroppedPicture::numberedName(QStringLiteral("a"), 2), QStringLiteral("a[2]"));
    EXPECT_EQ(DroppedPicture::numberedName(QStringLiteral("x.tar.gz"), 3), QStringLiteral("x.tar[3].gz"));
    const QString longName = QStringLiteral("p").repeated(251) + QStringLiteral(".png");
    EXPECT_EQ(DroppedPicture::numberedName(longName, 10),
              QStringLiteral("p").repeated(247) + QStringLiteral("[10].png"));
}

TEST(PageDropRulesTest, APictureIsKeptOnceAndAnotherOfTheSameNameIsNumbered)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("pictures")); // made at the first drop
    QDir().mkpath(dir.filePath(QStringLiteral("one")));
    QDir().mkpath(dir.filePath(QStringLiteral("two")));
    QDir().mkpath(dir.filePath(QStringLiteral("three")));
    const QString first = dir.filePath(QStringLiteral("one/a.png"));
    const QString sameSize = dir.filePath(QStringLiteral("two/a.png"));
    const QString otherSize = dir.filePath(QStringLiteral("three/a[4].png"));
    writeFile(first, "first picture");
    writeFile(sameSize, "other picture");
    writeFile(otherSize, "a larger picture");

    using DroppedPicture::Outcome;
    auto saved = DroppedPicture::save(first, folder);
    EXPECT_EQ(saved.outcome, Outcome::Saved);
    EXPECT_EQ(saved.path, folder + QStringLiteral("/a.png"));
    saved = DroppedPicture::save(first, folder);
    EXPECT_EQ(saved.outcome, Outcome::AlreadyThere);
    EXPECT_EQ(saved.path, folder + QStringLiteral("/a.png"));
    // Equal in size, other bytes: another picture.
    saved = DroppedPicture::save(sameSize, folder);
    EXPECT_EQ(saved.outcome, Outcome::Saved);
    EXPECT_EQ(saved.path, folder + QStringLiteral("/a[1].png"));
    EXPECT_EQ(DroppedPicture::save(sameSize, folder).outcome, Outcome::AlreadyThere);
    saved = DroppedPicture::save(otherSize, folder);
    EXPECT_EQ(saved.path, folder + QStringLiteral("/a[2].png"));
    EXPECT_EQ(readFile(folder + QStringLiteral("/a.png")), "first picture");
    EXPECT_EQ(readFile(folder + QStringLiteral("/a[1].png")), "other picture");
    EXPECT_EQ(readFile(folder + QStringLiteral("/a[2].png")), "a larger picture");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);

    EXPECT_EQ(DroppedPicture::save(dir.filePath(QStringLiteral("none.png")), folder).outcome, Outcome::Failed);
    EXPECT_EQ(DroppedPicture::save(dir.filePath(QStringLiteral("one")), folder).outcome, Outcome::Failed);
    // A file where the folder should be.
    writeFile(dir.filePath(QStringLiteral("blocked")), "x");
    EXPECT_EQ(DroppedPicture::save(first, dir.filePath(QStringLiteral("blocked"))).outcome, Outcome::Failed);
}
