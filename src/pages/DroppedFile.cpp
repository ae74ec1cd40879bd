#include "pages/DroppedFile.h"

#include "platform/DesktopEntries.h"
#include "platform/InternetShortcut.h"

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
    return text.trimmed().startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive);
}

} // namespace DroppedFile
