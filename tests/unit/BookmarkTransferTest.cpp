// Bookmarks into the favorites folder and out of it.
#include "favorites/BookmarkTransfer.h"

#include "favorites/FavoriteFileName.h"
#include "platform/InternetShortcut.h"

#include "TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using BookmarkFile::Node;

namespace {

class BookmarkTransferTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_base.isValid());
        ASSERT_TRUE(QDir().mkpath(favorites()));
        ASSERT_TRUE(QDir().mkpath(outside()));
        QFile keep(outside() + QStringLiteral("/keep.txt"));
        ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
        keep.write("keep");
    }

    QString base() const { return m_base.path(); }
    QString favorites() const { return base() + QStringLiteral("/Favorites"); }
    QString outside() const { return base() + QStringLiteral("/outside"); }

    // Everything under the base folder, links not followed: "dir/", "file",
    // "link -> target"; shortcuts with their address.
    QStringList everything() const
    {
        QStringList entries;
        QDirIterator it(base(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            const QString relative = QDir(base()).relativeFilePath(info.filePath());
            if (info.isSymLink())
                entries << relative + QStringLiteral(" -> ") + info.symLinkTarget();
            else if (info.isDir())
                entries << relative + QLatin1Char('/');
            else if (InternetShortcut::isShortcutName(relative))
                entries << relative + QStringLiteral(" = ") + InternetShortcut::readUrl(info.filePath());
            else
                entries << relative;
        }
        entries.sort();
        return entries;
    }

    // Everything that is neither the favorites folder nor in it.
    QStringList outsideFavorites() const
    {
        QStringList entries = everything();
        entries.removeIf([](const QString &entry) { return entry.startsWith(QLatin1String("Favorites/")); });
        return entries;
    }

    QStringList untouchedOutside() const
    {
        return {QStringLiteral("outside/"), QStringLiteral("outside/keep.txt")};
    }

    QTemporaryDir m_base{freshProfileDir() + QStringLiteral("/transfer-XXXXXX")};
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList titlesOf(const Node &node, const QString &prefix = {})
{
    QStringList lines;
    for (const Node &child : node.children) {
        if (child.kind == Node::Folder) {
            lines << prefix + child.title + QLatin1Char('/');
            lines += titlesOf(child, prefix + child.title + QLatin1Char('/'));
        } else {
            lines << prefix + child.title + QStringLiteral(" = ") + child.url;
        }
    }
    return lines;
}

} // namespace

TEST_F(BookmarkTransferTest, ATreeGoesInAndComesOutWithNumberedDuplicates)
{
    const Node tree = Node::folder({}, {
        Node::link(QStringLiteral("zeta"), QStringLiteral("http://zeta.example/"), 1600000000),
        Node::folder(QStringLiteral("工作"), {
            Node::link(QStringLiteral("新闻"), QStringLiteral("http://news.example/")),
            Node::link(QStringLiteral("新闻"), QStringLiteral("http://news2.example/")),
            Node::folder(QStringLiteral("Deeper"), {
                Node::link(QStringLiteral("Bottom"), QStringLiteral("ftp://bottom.example/")),
            }),
        }),
        Node::link(QStringLiteral("Alpha"), QStringLiteral("https://alpha.example/")),
        Node::folder(QStringLiteral("alpha folder"), {}),
        Node::link(QString(), QStringLiteral("http://untitled.example/a")),
        Node::folder(QStringLiteral("工作"), {
            Node::link(QStringLiteral("Second"), QStringLiteral("http://second.example/")),
        }),
    });
    const BookmarkTransfer::Result result = BookmarkTransfer::importInto(tree, favorites());
    EXPECT_EQ(result.links, 7);
    EXPECT_EQ(result.folders, 4);
    EXPECT_EQ(result.failed, 0);

    EXPECT_EQ(everything(), sorted({
                                QStringLiteral("Favorites/"),
                                QStringLiteral("Favorites/Alpha.url = https://alpha.example/"),
                                QStringLiteral("Favorites/alpha folder/"),
                                QStringLiteral("Favorites/http:__untitled.example_a.url = http://untitled.example/a"),
                                QStringLiteral("Favorites/zeta.url = http://zeta.example/"),
                                QStringLiteral("Favorites/工作/"),
                                QStringLiteral("Favorites/工作 (2)/"),
                                QStringLiteral("Favorites/工作 (2)/Second.url = http://second.example/"),
                                QStringLiteral("Favorites/工作/Deeper/"),
                                QStringLiteral("Favorites/工作/Deeper/Bottom.url = ftp://bottom.example/"),
                                QStringLiteral("Favorites/工作/新闻 (2).url = http://news2.example/"),
                                QStringLiteral("Favorites/工作/新闻.url = http://news.example/"),
                                QStringLiteral("outside/"),
                                QStringLiteral("outside/keep.txt"),
                            }));
    // The date of a link is its file's.
    EXPECT_EQ(QFileInfo(favorites() + QStringLiteral("/zeta.url")).lastModified().toSecsSinceEpoch(), 1600000000);
    QFile shortcut(favorites() + QStringLiteral("/Alpha.url"));
    ASSERT_TRUE(shortcut.open(QIODevice::ReadOnly));
    EXPECT_EQ(shortcut.readAll(), QByteArray("[InternetShortcut]\nURL=https://alpha.example/\n"));

    // Out again: folders first, then links, each without regard to case.
    const Node out = BookmarkTransfer::exportFolder(favorites());
    EXPECT_EQ(titlesOf(out), (QStringList{
                                 QStringLiteral("alpha folder/"),
                                 QStringLiteral("工作/"),
                                 QStringLiteral("工作/Deeper/"),
                                 QStringLiteral("工作/Deeper/Bottom = ftp://bottom.example/"),
                                 QStringLiteral("工作/新闻 = http://news.example/"),
                                 QStringLiteral("工作/新闻 (2) = http://news2.example/"),
                                 QStringLiteral("工作 (2)/"),
                                 QStringLiteral("工作 (2)/Second = http://second.example/"),
                                 QStringLiteral("Alpha = https://alpha.example/"),
                                 QStringLiteral("http:__untitled.example_a = http://untitled.example/a"),
                                 QStringLiteral("zeta = http://zeta.example/"),
                             }));
    const auto zeta = std::find_if(out.children.begin(), out.children.end(),
                                   [](const Node &node) { return node.title == QLatin1String("zeta"); });
    ASSERT_NE(zeta, out.children.end());
    EXPECT_EQ(zeta->addDate, 1600000000);

    // The file of it brings the same tree into another folder.
    const QString again = base() + QStringLiteral("/again");
    ASSERT_TRUE(QDir().mkpath(again));
    const Node reread = BookmarkFile::parse(BookmarkFile::write(out));
    EXPECT_EQ(BookmarkTransfer::importInto(reread, again).links, 7);
    EXPECT_EQ(titlesOf(BookmarkTransfer::exportFolder(again)), titlesOf(out));

    // Imported a second time it changes nothing: the folders take their
    // content in, and the links are there already.
    const BookmarkTransfer::Result twice = BookmarkTransfer::importInto(reread, again);
    EXPECT_EQ(twice.links, 0);
    EXPECT_EQ(twice.folders, 0);
    EXPECT_EQ(twice.present, 7);
    EXPECT_EQ(titlesOf(BookmarkTransfer::exportFolder(again)), titlesOf(out));
}

TEST_F(BookmarkTransferTest, NamesNeverLeadOutOfTheChosenFolderNorReplaceAnything)
{
    // A link in the folder that points outside, named like an imported folder.
    ASSERT_TRUE(QFile::link(outside(), favorites() + QStringLiteral("/Links")));
    QFile existing(favorites() + QStringLiteral("/Existing.url"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("[InternetShortcut]\nURL=http://old.example/\n");
    existing.close();

    const Node tree = Node::folder({}, {
        Node::link(QStringLiteral(".."), QStringLiteral("http://dotdot.example/")),
        Node::link(QStringLiteral("."), QStringLiteral("http://dot.example/")),
        Node::link(QStringLiteral("a/b"), QStringLiteral("http://slash.example/")),
        Node::link(QStringLiteral("../../escape"), QStringLiteral("http://escape.example/")),
        Node::link(QStringLiteral("/etc/passwd"), QStringLiteral("http://passwd.example/")),
        Node::link(QStringLiteral(".hidden"), QStringLiteral("http://hidden.example/")),
        Node::link(QStringLiteral("Existing"), QStringLiteral("http://new.example/")),
        Node::link(QStringLiteral("Injected"), QStringLiteral("http://a.example/\r\nURL=http://evil.example/\0")),
        Node::folder(QStringLiteral(".."), {Node::link(QStringLiteral("in dotdot"), QStringLiteral("http://x/"))}),
        Node::folder(QStringLiteral("Links"), {Node::link(QStringLiteral("keep"), QStringLiteral("http://y/"))}),
        Node::folder(QStringLiteral("../outside"), {Node::link(QStringLiteral("keep"), QStringLiteral("http://z/"))}),
    });
    const BookmarkTransfer::Result result = BookmarkTransfer::importInto(tree, favorites());
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(result.links, 11);
    EXPECT_EQ(outsideFavorites(), untouchedOutside());
    EXPECT_EQ(everything(),
              sorted({
                  QStringLiteral("Favorites/"),
                  QStringLiteral("Favorites/Existing (2).url = http://new.example/"),
                  QStringLiteral("Favorites/Existing.url = http://old.example/"),
                  QStringLiteral("Favorites/Injected.url = http://a.example/URL=http://evil.example/"),
                  QStringLiteral("Favorites/Links -> ") + outside(),
                  QStringLiteral("Favorites/Links (2)/"),
                  QStringLiteral("Favorites/Links (2)/keep.url = http://y/"),
                  QStringLiteral("Favorites/Untitled/"),
                  QStringLiteral("Favorites/Untitled (2).url = http://dot.example/"),
                  QStringLiteral("Favorites/Untitled.url = http://dotdot.example/"),
                  QStringLiteral("Favorites/Untitled/in dotdot.url = http://x/"),
                  QStringLiteral("Favorites/_etc_passwd.url = http://passwd.example/"),
                  QStringLiteral("Favorites/_outside/"),
                  QStringLiteral("Favorites/_outside/keep.url = http://z/"),
                  QStringLiteral("Favorites/a_b.url = http://slash.example/"),
                  QStringLiteral("Favorites/_.._escape.url = http://escape.example/"),
                  QStringLiteral("Favorites/hidden.url = http://hidden.example/"),
                  QStringLiteral("outside/"),
                  QStringLiteral("outside/keep.txt"),
              }));
    // The address stays on its one line.
    QFile injected(favorites() + QStringLiteral("/Injected.url"));
    ASSERT_TRUE(injected.open(QIODevice::ReadOnly));
    EXPECT_EQ(injected.readAll().count('\n'), 2);
}

TEST_F(BookmarkTransferTest, HostileFilesWriteOnlyInsideAndWithinNameLimits)
{
    QByteArray file = "<DL><p>";
    for (int i = 0; i < 200; ++i)
        file += "<DT><H3>..</H3><DL><p>";
    file += "<DT><A HREF=\"http://bottom.example/\">" + QByteArray(1024 * 1024, 'x') + "</A>";
    file += "<DT><A HREF=\"http://slash.example/\">../../../../etc/a/b</A>";
    for (int i = 0; i < 200; ++i)
        file += "</DL><p>";
    file += "<DT><A HREF=\"http://after.example/\">after</A>";
    const Node tree = BookmarkFile::parse(file);
    const BookmarkTransfer::Result result = BookmarkTransfer::importInto(tree, favorites());
    EXPECT_EQ(outsideFavorites(), untouchedOutside());
    EXPECT_EQ(result.links + result.folders + result.failed, 64 + 3);
    EXPECT_EQ(result.failed, 0);
    EXPECT_TRUE(QFileInfo::exists(favorites() + QStringLiteral("/after.url")));
    for (const QString &entry : everything()) {
        const QString name = entry.section(QStringLiteral(" = "), 0, 0).section(QLatin1Char('/'), -1);
        EXPECT_LE(name.toUtf8().size(), FavoriteFileName::kNameBytes) << entry.toStdString();
        EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << entry.toStdString();
    }
    const QString longName = QString(251, QLatin1Char('x')) + QStringLiteral(".url");
    QString deepest = favorites();
    for (int i = 0; i < BookmarkFile::kMaxDepth; ++i)
        deepest += QStringLiteral("/Untitled");
    EXPECT_EQ(InternetShortcut::readUrl(deepest + QLatin1Char('/') + longName), QStringLiteral("http://bottom.example/"));
    EXPECT_EQ(InternetShortcut::readUrl(deepest + QStringLiteral("/_.._.._.._etc_a_b.url")),
              QStringLiteral("http://slash.example/"));
}

TEST_F(BookmarkTransferTest, ExportReadsOnlyWhatIsInTheFolder)
{
    auto writeFile = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    writeFile(outside() + QStringLiteral("/secret.url"), "[InternetShortcut]\nURL=http://secret.example/\n");
    writeFile(favorites() + QStringLiteral("/b.URL"), "[InternetShortcut]\nURL=http://b.example/\n");
    writeFile(favorites() + QStringLiteral("/A.url"), "[InternetShortcut]\nURL=http://a.example/\n");
    writeFile(favorites() + QStringLiteral("/empty.url"), "[InternetShortcut]\n");
    writeFile(favorites() + QStringLiteral("/notes.txt"), "not a shortcut");
    writeFile(favorites() + QStringLiteral("/.hidden.url"), "[InternetShortcut]\nURL=http://hidden.example/\n");
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("zed")));
    ASSERT_TRUE(QDir(favorites()).mkdir(QStringLiteral("Mid")));
    writeFile(favorites() + QStringLiteral("/Mid/c.url"), "[InternetShortcut]\nURL=http://c.example/\n");
    // Links to a folder and to a shortcut outside, and a loop.
    ASSERT_TRUE(QFile::link(outside(), favorites() + QStringLiteral("/Outside")));
    ASSERT_TRUE(QFile::link(outside() + QStringLiteral("/secret.url"), favorites() + QStringLiteral("/secret.url")));
    ASSERT_TRUE(QFile::link(favorites(), favorites() + QStringLiteral("/Mid/loop")));

    EXPECT_EQ(titlesOf(BookmarkTransfer::exportFolder(favorites())),
              (QStringList{QStringLiteral("Mid/"), QStringLiteral("Mid/c = http://c.example/"), QStringLiteral("zed/"),
                           QStringLiteral("A = http://a.example/"), QStringLiteral("b = http://b.example/")}));

    // Deeper than a bookmarks file goes: the content comes up to the deepest folder.
    QString deep = favorites() + QStringLiteral("/zed");
    for (int i = 0; i < 70; ++i)
        deep += QStringLiteral("/d");
    ASSERT_TRUE(QDir().mkpath(deep));
    writeFile(deep + QStringLiteral("/bottom.url"), "[InternetShortcut]\nURL=http://bottom.example/\n");
    const Node out = BookmarkTransfer::exportFolder(favorites());
    const Node *folder = &out.children[1];
    int depth = 1;
    while (!folder->children.empty() && folder->children[0].kind == Node::Folder) {
        folder = &folder->children[0];
        ++depth;
    }
    EXPECT_EQ(depth, BookmarkFile::kMaxDepth);
    ASSERT_EQ(folder->children.size(), 1u);
    EXPECT_EQ(folder->children[0].url, QStringLiteral("http://bottom.example/"));
}

TEST_F(BookmarkTransferTest, AMissingFolderTakesNothing)
{
    const Node tree = Node::folder({}, {Node::folder(QStringLiteral("F"), {Node::link(QStringLiteral("a"),
                                                                                      QStringLiteral("http://a/"))}),
                                        Node::link(QStringLiteral("b"), QStringLiteral("http://b/"))});
    const BookmarkTransfer::Result result = BookmarkTransfer::importInto(tree, base() + QStringLiteral("/missing"));
    EXPECT_EQ(result.links, 0);
    EXPECT_EQ(result.failed, 3);
    EXPECT_EQ(outsideFavorites(), untouchedOutside());
}
