#include "pages/DroppedFile.h"

#include "pages/TypedAddress.h"
#include "platform/DesktopEntries.h"
#include "platform/InternetShortcut.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace DroppedFile {

QString desktopLinkUrl(const QString &file)
{
    const QHash<QString, QString> keys = DesktopEntries::readEntryGroup(file);
    return keys.value(QStringLiteral("Type")) == QLatin1String("Link") ? keys.value(QStringLiteral("URL")) : QString();
}

QString address(const QString &file)
{
    if (InternetShortcut::isShortcutName(file))
        return InternetShortcut::readUrl(file);
    if (file.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return desktopLinkUrl(file);
    if (file.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive))
        return {};
    return QFileInfo(file).absoluteFilePath();
}

bool isScript(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const char *scheme : {"javascript:", "vbscript:", "data:"}) {
        if (trimmed.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString openableAddress(const QString &text)
{
    if (isScript(text))
        return {};
    const QUrl url = TypedAddress::toUrl(text, QDir::currentPath(), QDir::homePath());
    const QString scheme = url.scheme();
    const bool allowed = scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("ftp") || scheme == QLatin1String("file");
    return url.isValid() && allowed ? url.toString() : QString();
}

} // namespace DroppedFile
