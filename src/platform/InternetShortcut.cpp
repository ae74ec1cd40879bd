#include "platform/InternetShortcut.h"

#include "platform/BoundedFile.h"

#include <QStringDecoder>
#include <QStringList>

namespace InternetShortcut {

bool isShortcutName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".url"), Qt::CaseInsensitive);
}

QString readUrl(const QString &fileName)
{
    // Shortcut files are small; a bigger file, a pipe or a device is not one.
    const BoundedFile::Result file = BoundedFile::read(fileName, BoundedFile::kShortcutLimit);
    return file.ok() ? urlIn(file.bytes) : QString();
}

QString urlIn(const QByteArray &bytes)
{
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    bool inSection = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(QLatin1String("URL"), Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

QString resolve(const QString &argument)
{
    return isShortcutName(argument) ? readUrl(argument) : argument;
}

} // namespace InternetShortcut
