#include "pages/DroppedFile.h"

#include "app/InternetShortcut.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

namespace DroppedFile {

QString desktopLinkUrl(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QString text = QStringDecoder(QStringDecoder::Utf8).decode(in.read(64 * 1024));
    bool inEntry = false;
    QString type;
    QString url;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inEntry || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("URL"))
            url = value;
    }
    return type == QLatin1String("Link") ? url : QString();
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
