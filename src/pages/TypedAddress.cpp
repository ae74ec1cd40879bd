#include "pages/TypedAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace TypedAddress {

namespace {

// "scheme:rest", where the scheme is not a host followed by its port.
bool hasScheme(const QString &text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+(/|$))"));
    return scheme.match(text).hasMatch();
}

QUrl file(const QString &path)
{
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

} // namespace

QUrl toUrl(const QString &text, const QString &workingDir, const QString &homeDir)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {};
    if (hasScheme(typed))
        return QUrl::fromUserInput(typed);
    if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/")))
        return file(homeDir + typed.mid(1));
    if (typed.startsWith(QLatin1Char('/')))
        return file(typed);
    if (typed.startsWith(QLatin1String("./")) || typed.startsWith(QLatin1String("../")))
        return file(workingDir + QLatin1Char('/') + typed);
    const QFileInfo named(QDir(workingDir), typed);
    if (!workingDir.isEmpty() && named.exists())
        return file(named.absoluteFilePath());
    return QUrl::fromUserInput(typed);
}

} // namespace TypedAddress
