#include "favorites/FavoriteDrop.h"

#include "favorites/BookmarkFile.h"
#include "favorites/FavoriteShortcut.h"

#include <QMimeData>
#include <QStringDecoder>
#include <QStringList>
#include <QUrl>

namespace FavoriteDrop {

namespace {

const QString kMozUrl = QStringLiteral("text/x-moz-url");

// The file-group descriptor of a drag from another program: a count, then
// one fixed-size record per file whose name starts 72 bytes in, as 260
// UTF-16 units (the wide form) or 260 bytes of the local code page.
constexpr qsizetype kFirstNameOffset = 4 + 72;
constexpr qsizetype kNameUnits = 260;

QString firstDescriptorName(const QMimeData &data)
{
    for (const QString &format : data.formats()) {
        if (!format.contains(QLatin1String("FileGroupDescriptor"), Qt::CaseInsensitive))
            continue;
        const QByteArray bytes = data.data(format);
        const bool wide = format.contains(QLatin1String("FileGroupDescriptorW"), Qt::CaseInsensitive);
        if (bytes.size() < kFirstNameOffset || bytes.at(0) == 0)
            continue;
        const QByteArray field = bytes.mid(kFirstNameOffset, wide ? 2 * kNameUnits : kNameUnits);
        QString name;
        if (wide) {
            auto decode = QStringDecoder(QStringDecoder::Utf16LE);
            name = decode(field);
        } else {
            name = QString::fromLocal8Bit(field);
        }
        name.truncate(name.indexOf(QChar(0)) < 0 ? name.size() : name.indexOf(QChar(0)));
        if (name.endsWith(QLatin1String(".url"), Qt::CaseInsensitive))
            name.chop(4);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

// "text/x-moz-url" is the address and the title on two lines, in UTF-16 from
// the browsers that offer it, else in UTF-8.
QStringList mozUrlLines(const QMimeData &data)
{
    if (!data.hasFormat(kMozUrl))
        return {};
    const QByteArray bytes = data.data(kMozUrl);
    QString text;
    if (bytes.size() % 2 == 0 && bytes.contains('\0')) {
        auto decode = QStringDecoder(QStringDecoder::Utf16);
        text = decode(bytes);
    } else {
        text = QString::fromUtf8(bytes);
    }
    text.remove(QChar(0));
    return text.split(QLatin1Char('\n'));
}

QString firstLine(const QString &text)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            return trimmed;
    }
    return {};
}

// The text of the first link in the HTML a browser puts on a dragged link
// ("<a href=...>text</a>"), read as a bookmarks file reads its links.
QString htmlLinkText(const QMimeData &data)
{
    if (!data.hasHtml())
        return {};
    const BookmarkFile::Node tree = BookmarkFile::parse(data.html().toUtf8());
    std::vector<const BookmarkFile::Node *> todo{&tree};
    while (!todo.empty()) {
        const BookmarkFile::Node *node = todo.back();
        todo.pop_back();
        if (node->kind == BookmarkFile::Node::Link && !node->title.trimmed().isEmpty())
            return node->title.trimmed();
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            todo.push_back(&*it);
    }
    return {};
}

} // namespace

std::optional<Link> linkIn(const QMimeData &data)
{
    const QStringList moz = mozUrlLines(data);
    QString address;
    if (data.hasUrls() && !data.urls().isEmpty())
        address = data.urls().constFirst().toString(QUrl::FullyEncoded);
    else if (!moz.isEmpty())
        address = moz.constFirst().trimmed();
    else if (data.hasText())
        address = firstLine(data.text());
    // Stored on one line of the shortcut: an address that is no single valid
    // URL is not kept.
    const QUrl url(address);
    if (address.isEmpty() || !url.isValid() || !FavoriteShortcut::isAllowedUrl(address))
        return std::nullopt;

    Link link{url.toString(QUrl::FullyEncoded), firstDescriptorName(data)};
    if (link.name.isEmpty() && moz.size() > 1)
        link.name = moz.at(1).trimmed();
    if (link.name.isEmpty())
        link.name = htmlLinkText(data);
    link.name.replace(QLatin1Char('?'), QLatin1Char(' '));
    return link;
}

} // namespace FavoriteDrop
