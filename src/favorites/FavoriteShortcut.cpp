#include "favorites/FavoriteShortcut.h"

#include <QFileInfo>
#include <QSaveFile>

namespace FavoriteShortcut {

bool isAllowedUrl(const QString &url)
{
    const QString text = url.trimmed();
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    const QString scheme = text.left(colon).toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp")
           || scheme == QLatin1String("file");
}

QString oneLine(const QString &url)
{
    QString out;
    out.reserve(url.size());
    for (const QChar c : url) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F && c != QChar::LineSeparator && c != QChar::ParagraphSeparator)
            out += c;
    }
    return out.trimmed();
}

QByteArray content(const QString &url)
{
    return "[InternetShortcut]\nURL=" + oneLine(url).toUtf8() + '\n';
}

bool write(const QString &path, const QString &url)
{
    // The saver would write the file a link points to, wherever that is.
    const QFileInfo info(path);
    if (info.isSymLink() || info.isDir())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = content(url);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace FavoriteShortcut
