#include "pages/UpLevel.h"

#include <QUrl>

namespace UpLevel {

namespace {

// Whether the address is one that has levels to go up: a known scheme (a
// bare absolute path is a local file) and a path of two characters or more.
bool hasLevels(const QString &address)
{
    const QUrl url(address.trimmed());
    QString scheme = url.scheme().toLower();
    QString path = url.path();
    if (scheme.isEmpty() && address.trimmed().startsWith(QLatin1Char('/'))) {
        scheme = QStringLiteral("file");
        path = address.trimmed();
    }
    const bool known = scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("ftp") || scheme == QLatin1String("file");
    return url.isValid() && known && path.size() >= 2;
}

} // namespace

std::optional<QString> parent(const QString &address)
{
    if (!hasLevels(address))
        return std::nullopt;
    QString text = address.trimmed();
    if (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    return text.left(slash + 1);
}

QStringList ancestors(const QString &address)
{
    QStringList list;
    for (std::optional<QString> next = parent(address); next && !list.contains(*next); next = parent(*next))
        list << *next;
    return list;
}

} // namespace UpLevel
