#include "frame/MenuFile.h"

#include "platform/BoundedFile.h"
#include "platform/DataText.h"
#include "ui/MenuText.h"

#include <QUrl>

namespace MenuFile {

namespace {

constexpr int kMaxMenuText = 120;

} // namespace

QList<Line> parse(const QString &text)
{
    QList<Line> lines;
    if (text.isEmpty())
        return lines;
    const QStringView all(text);
    qsizetype from = 0;
    while (from <= all.size()) {
        qsizetype to = all.indexOf(QLatin1Char('\n'), from);
        if (to < 0)
            to = all.size();
        QStringView line = all.mid(from, to - from);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        Line parsed;
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar >= 1) {
            parsed.separator = false;
            parsed.text = line.left(bar).toString();
            parsed.target = line.mid(bar + 1).toString();
        }
        // A last line feed ends the last line; it does not start an empty one.
        if (to < all.size() || !line.isEmpty())
            lines << parsed;
        from = to + 1;
    }
    return lines;
}

std::optional<Line> entry(const QList<Line> &lines, int n)
{
    if (n < 0)
        return std::nullopt;
    int index = 0;
    for (const Line &line : lines) {
        if (line.separator)
            continue;
        if (index++ == n)
            return line;
    }
    return std::nullopt;
}

std::optional<QList<Line>> read(const QString &file)
{
    const BoundedFile::Result read = BoundedFile::read(file, BoundedFile::kListLimit);
    if (!read.ok())
        return std::nullopt;
    return parse(DataText::decode(read.bytes));
}

QString menuText(const QString &text)
{
    return literalMenuText(text.size() <= kMaxMenuText ? text : text.left(kMaxMenuText - 1) + QChar(0x2026));
}

namespace {

// Replaces every placeholder; the value is encoded where the placeholder
// stands in the query (after a "?") or always, as asked.
QString replaceAll(const QString &target, const QString &placeholder, const QString &value, bool alwaysEncode)
{
    QString result;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = target.indexOf(placeholder, from);
        if (at < 0)
            break;
        result += QStringView(target).mid(from, at - from);
        const bool inQuery = target.left(at).contains(QLatin1Char('?'));
        result += alwaysEncode || inQuery ? QString::fromLatin1(QUrl::toPercentEncoding(value)) : value;
        from = at + placeholder.size();
    }
    result += QStringView(target).mid(from);
    return result;
}

} // namespace

QString fill(const QString &target, const QString &keywords, const QString &url, const QString &host)
{
    QString result = replaceAll(target, QStringLiteral("{keywords}"), keywords, true);
    result = replaceAll(result, QStringLiteral("{url}"), url, false);
    result.replace(kDomainPlaceholder, host);
    return result;
}

} // namespace MenuFile
