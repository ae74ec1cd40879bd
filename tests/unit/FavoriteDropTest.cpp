// What a link dragged onto the favorites carries, read row by row.
#include "favorites/FavoriteDrop.h"

#include "TestEnvironment.h"

#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

// A file-group descriptor naming one file, as a drag from another program holds it.
QByteArray descriptor(const QString &fileName, bool wide)
{
    QByteArray bytes(4 + 72, '\0');
    bytes[0] = 1;
    bytes += wide ? utf16(fileName) : fileName.toLocal8Bit();
    bytes += QByteArray(wide ? 2 * (260 - fileName.size()) : 260 - fileName.size(), '\0');
    return bytes;
}

struct Row
{
    const char *what;
    std::function<void(QMimeData &)> make;
    bool kept;
    QString url;
    QString name;
};

TEST(FavoriteDropTest, TheAddressAndTheNameOfADroppedLink)
{
    const Row rows[] = {
        {"a URI list without a title", [](QMimeData &d) { d.setUrls({QUrl(QStringLiteral("http://a.example/x"))}); },
         true, QStringLiteral("http://a.example/x"), QString()},
        {"the first of several addresses",
         [](QMimeData &d) {
             d.setUrls({QUrl(QStringLiteral("https://first.example/")), QUrl(QStringLiteral("https://second.example/"))});
         },
         true, QStringLiteral("https://first.example/"), QString()},
        {"plain text: its first line, trimmed",
         [](QMimeData &d) { d.setText(QStringLiteral("\n  ftp://files.example/pub  \nsecond line")); }, true,
         QStringLiteral("ftp://files.example/pub"), QString()},
        {"a local file", [](QMimeData &d) { d.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/page.html"))}); },
         true, QStringLiteral("file:///tmp/page.html"), QString()},
        {"a title from text/x-moz-url, its question marks made blanks",
         [](QMimeData &d) {
             d.setData(QStringLiteral("text/x-moz-url"), utf16(QStringLiteral("http://moz.example/\nWhat? Why?")));
         },
         true, QStringLiteral("http://moz.example/"), QStringLiteral("What  Why ")},
        {"the descriptor's file name comes before the moz title",
         [](QMimeData &d) {
             d.setData(QStringLiteral("text/x-moz-url"), utf16(QStringLiteral("http://d.example/\nMoz title")));
             d.setData(QStringLiteral("application/x-qt-windows-mime;value=\"FileGroupDescriptorW\""),
                       descriptor(QStringLiteral("站点?首页.url"), true));
         },
         true, QStringLiteral("http://d.example/"), QStringLiteral("站点 首页")},
        {"a narrow descriptor", [](QMimeData &d) {
             d.setText(QStringLiteral("http://n.example/"));
             d.setData(QStringLiteral("application/x-qt-windows-mime;value=\"FileGroupDescriptor\""),
                       descriptor(QStringLiteral("Narrow.url"), false));
         },
         true, QStringLiteral("http://n.example/"), QStringLiteral("Narrow")},
        {"a browser's dragged link: the link's text from its HTML",
         [](QMimeData &d) {
             d.setUrls({QUrl(QStringLiteral("http://h.example/back"))});
             d.setHtml(QStringLiteral("<meta charset='utf-8'><a href=\"http://h.example/back\">Back &amp; forth?</a>"));
         },
         true, QStringLiteral("http://h.example/back"), QStringLiteral("Back & forth ")},
        {"a line break inside the address cannot reach the file",
         [](QMimeData &d) { d.setUrls({QUrl(QStringLiteral("http://a.example/x%0D%0AURL=evil"))}); }, true,
         QStringLiteral("http://a.example/x%0D%0AURL=evil"), QString()},
        {"javascript: is refused", [](QMimeData &d) { d.setText(QStringLiteral("javascript:alert(1)")); }, false,
         {}, {}},
        {"javascript: in a URI list is refused",
         [](QMimeData &d) { d.setUrls({QUrl(QStringLiteral("javascript:alert(1)"))}); }, false, {}, {}},
        {"data: is refused", [](QMimeData &d) { d.setText(QStringLiteral("data:text/html,<b>x</b>")); }, false, {},
         {}},
        {"text without a scheme", [](QMimeData &d) { d.setText(QStringLiteral("www.example.com")); }, false, {}, {}},
        {"nothing at all", [](QMimeData &) {}, false, {}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QMimeData data;
        row.make(data);
        const auto link = FavoriteDrop::linkIn(data);
        ASSERT_EQ(link.has_value(), row.kept);
        if (!link)
            continue;
        EXPECT_EQ(link->url, row.url);
        EXPECT_EQ(link->name, row.name);
    }
}

} // namespace
