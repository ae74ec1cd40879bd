#include "favorites/FavoriteFileName.h"

namespace FavoriteFileName {

QString clean(const QString &title)
{
    QString out = FileNames::withoutHidden(title, QStringLiteral(" "));
    out.replace(QLatin1Char('/'), QLatin1Char('_'));
    return FileNames::withoutLeadingDots(out.simplified());
}

QString numbered(const QString &title, const QString &suffix, int n)
{
    return FileNames::numbered(clean(title), suffix, n);
}

QString freeName(const QString &folder, const QString &title, const QString &suffix)
{
    int n = 1;
    return freeName(folder, title, suffix, n);
}

QString freeName(const QString &folder, const QString &title, const QString &suffix, int &n)
{
    return FileNames::freeName(folder, clean(title), suffix, n);
}

} // namespace FavoriteFileName
