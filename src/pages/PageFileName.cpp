#include "pages/PageFileName.h"

#include "platform/FileNames.h"

#include <QDir>
#include <QSet>

namespace PageFileName {

QString fromTitle(const QString &title)
{
    QString name = FileNames::withoutHidden(title, QString()).trimmed();
    name.remove(QStringLiteral("http://"));
    for (const QChar c : QStringLiteral(":><?|\"*/\\"))
        name.replace(c, QLatin1Char('_'));
    while (name.contains(QLatin1String("__")))
        name.replace(QLatin1String("__"), QLatin1String("_"));
    return FileNames::withoutLeadingDots(name.trimmed());
}

QString fileName(const QString &title, const QString &suffix, int n)
{
    return FileNames::numbered(fromTitle(title), suffix, n);
}

QStringList distinctNames(const QStringList &titles, const QString &suffix)
{
    QStringList names;
    QSet<QString> used; // case-folded: some file systems ignore the case
    for (const QString &title : titles) {
        const QString base = fromTitle(title);
        QString name;
        for (int n = 1;; ++n) {
            name = FileNames::numbered(base, suffix, n);
            if (!used.contains(name.toCaseFolded()))
                break;
        }
        used.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

QString freePath(const QString &folder, const QString &title, const QString &suffix)
{
    int n = 1;
    return QDir(folder).filePath(FileNames::freeName(folder, fromTitle(title), suffix, n));
}

} // namespace PageFileName
