// Which addresses become favorites, and how their shortcuts are written.
#include "favorites/FavoriteShortcut.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FavoriteShortcutTest, OnlyPagesAndFilesBecomeFavorites)
{
    const QList<std::pair<const char *, bool>> rows = {
        {"http://example.com/", true},   {"HTTPS://example.com/", true}, {"ftp://files.example/", true},
        {"file:///home/a.html", true},   {"  http://padded/ ", true},    {"javascript:alert(1)", false},
        {"data:text/html,x", false},     {"about:blank", false},         {"place:sort=8", false},
        {"example.com", false},          {":http", false},               {"", false},
        {"http//missing-colon", false},  {"mailto:a@b", false},
    };
    for (const auto &[url, allowed] : rows)
        EXPECT_EQ(FavoriteShortcut::isAllowedUrl(QLatin1String(url)), allowed) << url;
}

TEST(FavoriteShortcutTest, TheAddressStaysOnItsLine)
{
    EXPECT_EQ(FavoriteShortcut::oneLine(QStringLiteral(" http://a/\r\n[InternetShortcut]\nURL=http://b/\t")),
              QStringLiteral("http://a/[InternetShortcut]URL=http://b/"));
    EXPECT_EQ(FavoriteShortcut::oneLine(QString(QStringLiteral("http://a/") + QChar(0) + QChar(0x2028) + u'x')),
              QStringLiteral("http://a/x"));
    EXPECT_EQ(FavoriteShortcut::content(QStringLiteral("http://a/\nURL=http://b/")),
              QByteArray("[InternetShortcut]\nURL=http://a/URL=http://b/\n"));
}

TEST(FavoriteShortcutTest, AShortcutIsNeverWrittenThroughALinkOrOverAFolder)
{
    QTemporaryDir dir(freshProfileDir() + QStringLiteral("/shortcut-XXXXXX"));
    const QString target = dir.filePath(QStringLiteral("target.txt"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    ASSERT_TRUE(QFile::link(target, dir.filePath(QStringLiteral("link.url"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.url")));

    EXPECT_FALSE(FavoriteShortcut::write(dir.filePath(QStringLiteral("link.url")), QStringLiteral("http://x/")));
    EXPECT_FALSE(FavoriteShortcut::write(dir.filePath(QStringLiteral("folder.url")), QStringLiteral("http://x/")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep"));

    // A plain shortcut is replaced whole.
    const QString plain = dir.filePath(QStringLiteral("plain.url"));
    EXPECT_TRUE(FavoriteShortcut::write(plain, QStringLiteral("http://one/")));
    EXPECT_TRUE(FavoriteShortcut::write(plain, QStringLiteral("http://two/")));
    QFile written(plain);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("[InternetShortcut]\nURL=http://two/\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 3); // no temporary left
}
