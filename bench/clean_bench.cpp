// Privacy cleaner benchmark: the cleaner's safe removals against rm -rf of
// identical trees, made fresh for each side and flushed to disk first:
//   cache — an engine cache of 200 MB (2,000 files of 100 KB in nested
//           folders), removed whole as at the next start;
//   trash — a trash of 50,000 small files, emptied;
//   temp  — a temporary folder of 50,000 small files of the user's, every one
//           idle, cleaned with the shared folder's checks (owner, age, type).
// The sides take turns, each starting every other run; a time runs until the
// file system has written the removal out. Prints every time and the
// medians' ratios (target <= 1.5 each).
#include "Median.h"
#include "clean/TempCleaner.h"
#include "clean/TrashCleaner.h"
#include "platform/SafeTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, content.constData(), size_t(content.size())) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ::close(fd);
}

// 2,000 files of 100 KB: 20 folders of 10 folders of 10 files.
void makeCache(const QString &root)
{
    const QByteArray block(100 * 1024, 'c');
    for (int a = 0; a < 20; ++a) {
        for (int b = 0; b < 10; ++b) {
            const QString folder = root + QStringLiteral("/Cache_Data/%1/%2").arg(a).arg(b);
            QDir().mkpath(folder);
            for (int f = 0; f < 10; ++f)
                writeFile(folder + QStringLiteral("/f_%1").arg(f), block);
        }
    }
}

// 50,000 small files: 100 trashed folders of 500 files, and their records.
void makeTrash(const QString &root)
{
    QDir().mkpath(root + QStringLiteral("/info"));
    QDir().mkpath(root + QStringLiteral("/expunged"));
    for (int t = 0; t < 100; ++t) {
        const QString folder = root + QStringLiteral("/files/trashed-%1/sub").arg(t);
        QDir().mkpath(folder);
        for (int f = 0; f < 500; ++f)
            writeFile(folder + QStringLiteral("/note-%1.txt").arg(f), "a small note\n");
        writeFile(root + QStringLiteral("/info/trashed-%1.trashinfo").arg(t),
                  "[Trash Info]\nPath=/home/me/trashed\nDeletionDate=2024-01-01T10:00:00\n");
    }
    writeFile(root + QStringLiteral("/directorysizes"), "4096 1700000000 trashed-0\n");
}

// 50,000 small files in 50 folders.
void makeTemp(const QString &root)
{
    for (int d = 0; d < 50; ++d) {
        const QString folder = root + QStringLiteral("/tmp-%1").arg(d);
        QDir().mkpath(folder);
        for (int f = 0; f < 1000; ++f)
            writeFile(folder + QStringLiteral("/part-%1.tmp").arg(f), "scratch\n");
    }
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The time until the removal is on disk: the file system's deferred work
// (journal, discards) is counted for the side that caused it, not the next.
double timed(const QString &folder, const std::function<void()> &work)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::syncfs(fd);
    QElapsedTimer clock;
    clock.start();
    work();
    ::syncfs(fd);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    ::close(fd);
    return ms;
}

// rm -rf of the given entries, as one process.
void removeWithRm(const QStringList &paths)
{
    QStringList arguments{QStringLiteral("-rf"), QStringLiteral("--")};
    arguments += paths;
    if (QProcess::execute(QStringLiteral("rm"), arguments) != 0)
        std::fprintf(stderr, "rm failed\n");
}

// What a folder holds, as paths.
QStringList entriesOf(const QString &folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        paths << dir.filePath(name);
    return paths;
}

struct Case
{
    const char *name;
    std::function<void(const QString &root)> make;
    std::function<void(const QString &root)> clean;    // the cleaner
    std::function<void(const QString &root)> baseline; // rm -rf
    std::function<bool(const QString &root)> done;     // the cleaner left what it should
    QList<double> cleaner;
    QList<double> rm;
};

bool isEmptyFolder(const QString &path)
{
    return QDir(path).exists() && entriesOf(path).isEmpty();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/vesperal-clean-bench-XXXXXX"));
    if (!work.isValid())
        return 1;
    std::printf("work folder: %s, %d runs\n", qPrintable(work.path()), runs);

    QList<Case> cases;
    cases.append(Case{
        "cache (2,000 x 100 KB)", makeCache,
        [](const QString &root) { SafeTree::removeTree(root); },
        [](const QString &root) { removeWithRm({root}); },
        [](const QString &root) { return !QFileInfo::exists(root); }, {}, {}});
    cases.append(Case{
        "trash (50,000 files)", makeTrash,
        [](const QString &root) {
            TrashCleaner::Setup setup;
            setup.homeTrash = root;
            setup.user = ::geteuid();
            TrashCleaner(setup).run();
        },
        [](const QString &root) {
            removeWithRm(entriesOf(root + QStringLiteral("/files")) + entriesOf(root + QStringLiteral("/info"))
                         + entriesOf(root + QStringLiteral("/expunged")) + QStringList{root + QStringLiteral("/directorysizes")});
        },
        [](const QString &root) {
            return isEmptyFolder(root + QStringLiteral("/files")) && isEmptyFolder(root + QStringLiteral("/info"));
        },
        {}, {}});
    cases.append(Case{
        "temp (50,000 files)", makeTemp,
        [](const QString &root) {
            TempCleaner::Setup setup;
            setup.tmpdir = QFile::encodeName(root);
            setup.user = ::geteuid();
            setup.now = std::time(nullptr) + 2 * TempCleaner::kIdleSeconds;
            TempCleaner(setup).run();
        },
        [](const QString &root) {
            // rm has no such checks, and takes the folders too.
            removeWithRm(entriesOf(root));
        },
        [](const QString &root) {
            for (const QString &folder : entriesOf(root)) {
                if (!isEmptyFolder(folder))
                    return false;
            }
            return true;
        },
        {}, {}});

    int made = 0;
    for (int run = 0; run < runs; ++run) {
        for (Case &c : cases) {
            const QString mine = work.path() + QStringLiteral("/t%1").arg(++made);
            const QString theirs = work.path() + QStringLiteral("/t%1").arg(++made);
            c.make(mine);
            c.make(theirs);
            double cleaner = 0;
            double rm = 0;
            if (run % 2 == 0) {
                cleaner = timed(work.path(), [&] { c.clean(mine); });
                rm = timed(work.path(), [&] { c.baseline(theirs); });
            } else {
                rm = timed(work.path(), [&] { c.baseline(theirs); });
                cleaner = timed(work.path(), [&] { c.clean(mine); });
            }
            if (!c.done(mine)) {
                std::fprintf(stderr, "%s: the cleaner left files behind\n", c.name);
                return 1;
            }
            c.cleaner << cleaner;
            c.rm << rm;
            std::printf("run %d  %-24s cleaner %8.1f ms   rm -rf %8.1f ms\n", run + 1, c.name, cleaner, rm);
            std::fflush(stdout);
            SafeTree::removeTree(mine);
            SafeTree::removeTree(theirs);
        }
    }
    std::printf("\nmedians:\n");
    for (const Case &c : cases) {
        const double cleaner = median(c.cleaner);
        const double rm = median(c.rm);
        std::printf("  %-24s cleaner %8.1f ms   rm -rf %8.1f ms   ratio %.2f (target <= 1.5)\n", c.name, cleaner, rm,
                    rm > 0 ? cleaner / rm : 0.0);
    }
    return 0;
}
