#include "pages/CookieScripts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace CookieScripts {

namespace {

QString resource(const QString &name)
{
    QFile file(QStringLiteral(":/js/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

QString readScript()
{
    return resource(QStringLiteral("cookie-read.js"));
}

QString writeScript(const QString &before, const QString &edited)
{
    // The texts go in as JSON, never as script text of their own.
    const QString args = QString::fromUtf8(QJsonDocument(QJsonArray{before, edited}).toJson(QJsonDocument::Compact));
    return resource(QStringLiteral("cookie-write.js")) + QLatin1Char('(') + args.mid(1, args.size() - 2)
        + QStringLiteral(");");
}

} // namespace CookieScripts
