#include "favorites/FavoritesSeed.h"

#include "favorites/FavoriteShortcut.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Seeded
{
    const char *folder; // empty: the favorites folder itself
    const char *name;
    const char *url;
};

const Seeded kSeeded[] = {
    {"", QT_TRANSLATE_NOOP("FavoritesSeed", "Debian"), "https://www.debian.org/"},
    {"", QT_TRANSLATE_NOOP("FavoritesSeed", "维基百科"), "https://zh.wikipedia.org/"},
    {"", QT_TRANSLATE_NOOP("FavoritesSeed", "Qt 文档"), "https://doc.qt.io/"},
    {QT_TRANSLATE_NOOP("FavoritesSeed", "参考资料"), QT_TRANSLATE_NOOP("FavoritesSeed", "Debian 软件包"),
     "https://packages.debian.org/"},
    {QT_TRANSLATE_NOOP("FavoritesSeed", "参考资料"), QT_TRANSLATE_NOOP("FavoritesSeed", "Debian 维基"),
     "https://wiki.debian.org/"},
    {QT_TRANSLATE_NOOP("FavoritesSeed", "参考资料"), QT_TRANSLATE_NOOP("FavoritesSeed", "C++ 参考手册"),
     "https://zh.cppreference.com/"},
};

} // namespace

bool FavoritesSeed::seedIfAbsent(const QString &folder)
{
    const QFileInfo target(folder);
    if (target.exists() || target.isSymLink())
        return false;
    // Written beside the folder and given its name once whole: a start that
    // breaks off leaves no half-seeded folder that would never be completed.
    const QString pending = folder + QStringLiteral(".seeding");
    QDir(pending).removeRecursively();
    for (const Seeded &seeded : kSeeded) {
        QString dir = pending;
        if (*seeded.folder)
            dir += QLatin1Char('/') + tr(seeded.folder);
        if (!QDir().mkpath(dir)
            || !FavoriteShortcut::write(dir + QLatin1Char('/') + tr(seeded.name) + QStringLiteral(".url"),
                                        QLatin1String(seeded.url))) {
            QDir(pending).removeRecursively();
            return false;
        }
    }
    if (!QDir().rename(pending, folder)) {
        QDir(pending).removeRecursively();
        return false;
    }
    return true;
}
