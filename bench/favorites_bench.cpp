// Favorites benchmark: 10,000 shortcuts in 500 folders (25 folders of 19
// sub-folders each, 20 shortcuts in every one). Times what a user waits for
// when the favorites are read — the model built and the drop-down made
// (its sub-menus are made when they first show) — and the same with every
// sub-menu made, against a bare loop that lists the same folders and reads
// every file's URL= line (once with Qt's files, once with the system's calls
// alone; the ratios are taken against the quicker). Prints the medians and
// the ratios. Targets: model and drop-down at most 1.5 times the bare loop,
// and under 0.3 s.
#include "BenchEnvironment.h"
#include "Median.h"
#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesModel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kTopFolders = 25;
constexpr int kSubFolders = 19;
constexpr int kLinksPerFolder = 20;

// Names of mixed case, some with accents and Chinese, as real favorites have.
QString nameFor(int folder, int link)
{
    static const char *const words[] = {"news", "Weather", "Ärzte", "docs", "Reference", "中文", "mail",
                                        "Bank", "éditions", "Maps", "工具", "video"};
    return QStringLiteral("%1 %2-%3").arg(QString::fromUtf8(words[(folder + link) % 12])).arg(folder).arg(link);
}

int writeLinks(const QString &dir, int folder)
{
    QDir().mkpath(dir);
    for (int link = 0; link < kLinksPerFolder; ++link) {
        QFile file(dir + QLatin1Char('/') + nameFor(folder, link) + QStringLiteral(".url"));
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write("[InternetShortcut]\r\nURL=https://site" + QByteArray::number(folder) + ".example/page/"
                   + QByteArray::number(link) + "?ref=favorites\r\nIconIndex=0\r\n");
    }
    return kLinksPerFolder;
}

// The folders and shortcuts; the number of shortcuts written.
int makeFavorites(const QString &root)
{
    int links = 0;
    int folder = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        const QString topDir = root + QLatin1Char('/') + nameFor(top, 99);
        links += writeLinks(topDir, folder++);
        for (int sub = 0; sub < kSubFolders; ++sub)
            links += writeLinks(topDir + QLatin1Char('/') + nameFor(sub, 98), folder++);
    }
    return links;
}

// The least any reader of the folder does: list it and read each URL= line.
QStringList bareRead(const QString &root)
{
    QStringList urls;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String(".url"), Qt::CaseInsensitive))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray content = file.readAll();
        const qsizetype at = content.indexOf("URL=");
        if (at < 0)
            continue;
        const qsizetype end = content.indexOf('\n', at);
        urls << QString::fromUtf8(content.mid(at + 4, end < 0 ? -1 : end - at - 4)).trimmed();
    }
    return urls;
}

// The same with the system's calls only: readdir, open, read.
int bareSystemRead(const QByteArray &dir, QStringList &urls)
{
    DIR *listing = ::opendir(dir.constData());
    if (!listing)
        return 0;
    int read = 0;
    char buffer[4096];
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = dir + '/' + name;
        if (entry->d_type == DT_DIR) {
            read += bareSystemRead(path, urls);
            continue;
        }
        if (entry->d_type != DT_REG || !name.toLower().endsWith(".url"))
            continue;
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        ::close(fd);
        if (got <= 0)
            continue;
        const QByteArray content = QByteArray::fromRawData(buffer, got);
        const qsizetype at = content.indexOf("URL=");
        if (at < 0)
            continue;
        const qsizetype end = content.indexOf('\n', at);
        urls << QString::fromUtf8(content.mid(at + 4, end < 0 ? -1 : end - at - 4)).trimmed();
        ++read;
    }
    ::closedir(listing);
    return read;
}

// Makes every sub-menu, as if the user had opened each one.
int realise(QMenu *menu)
{
    int actions = 0;
    for (QAction *action : menu->actions()) {
        if (QMenu *sub = action->menu()) {
            emit sub->aboutToShow();
            actions += realise(sub);
        } else {
            ++actions;
        }
    }
    return actions;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir work;
    prepareBenchEnvironment(work.path());
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    const QString root = work.path() + QStringLiteral("/Favorites");
    const int links = makeFavorites(root);
    std::printf("favorites: %d shortcuts in %d folders, %d runs (warm file cache)\n", links,
                kTopFolders * (1 + kSubFolders), runs);

    // One untimed pass of each fills the file cache.
    const int bareCount = int(bareRead(root).size());
    std::unique_ptr<FavoriteEntry> warm = FavoritesModel::build(root);
    warm.reset();

    QList<double> bare, bareSystem, model, shown, realised;
    int menuActions = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QStringList urls = bareRead(root);
        bare << msSince(timer);
        QStringList systemUrls;
        timer.restart();
        bareSystemRead(QFile::encodeName(root), systemUrls);
        bareSystem << msSince(timer);
        if (urls.size() != bareCount || systemUrls.size() != bareCount)
            return 1;

        QMenu menu;
        timer.restart();
        std::shared_ptr<const FavoriteEntry> built = FavoritesModel::build(root);
        model << msSince(timer);
        FavoritesMenu::fill(&menu, built);
        menu.sizeHint(); // laid out as it would be to show
        shown << msSince(timer);
        menuActions = realise(&menu);
        realised << msSince(timer);
    }

    // The ratios are taken against the quicker of the two bare loops.
    const double base = std::min(median(bare), median(bareSystem));
    std::printf("bare loop, Qt files (list + read URL=):    %.1f ms\n", median(bare));
    std::printf("bare loop, system calls (readdir + read):  %.1f ms\n", median(bareSystem));
    std::printf("model alone:                   %.1f ms, ratio %.2f\n", median(model), median(model) / base);
    std::printf("model + drop-down:             %.1f ms, ratio %.2f (targets: ratio <= 1.5, under 300 ms)\n",
                median(shown), median(shown) / base);
    std::printf("model + every sub-menu made:   %.1f ms, ratio %.2f (%d menu entries)\n", median(realised),
                median(realised) / base, menuActions);
    return 0;
}
