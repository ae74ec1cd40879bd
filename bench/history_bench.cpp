// History benchmark: 100,000 visits over the last year in a history file.
// Times the History Panel's filling (from the read request to the filled
// tree, whose groups make their sites and pages when opened; the slowest
// such opening is printed too) against a bare SQLite select of the same rows, and the window
// thread's cost of recording one visit against a bare function call that
// hands over the same values. Two histories: addresses drawn from a pool of
// sites and pages, as browsing goes, and every visit to an address of its
// own (the most the panel can be asked to show). Targets: filling under
// 0.5 s, recording under 1 ms.
#include "BenchEnvironment.h"
#include "Median.h"
#include "history/CHistoryPanel.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kVisits = 100000;
constexpr int kRuns = 5;

double elapsedMs(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// The same visits every run.
class Visits
{
public:
    explicit Visits(bool unique) : m_unique(unique) {}

    QString address(int i)
    {
        if (m_unique)
            return QStringLiteral("https://site%1.example/page/%2.html").arg(i % 3000).arg(i);
        // A few sites are visited most: the square of a uniform draw.
        const double r = double(next() % 100000) / 100000.0;
        const int site = int(r * r * 2000);
        const int page = int(next() % 60);
        static const char *const kinds[] = {"https://www.", "http://", "https://news.", "ftp://files."};
        return QStringLiteral("%1%2-site%3.example/%4/item%5.html")
            .arg(QLatin1String(kinds[site % 4]), QLatin1String(site % 7 ? "Shop" : "blog"))
            .arg(site)
            .arg(page % 5)
            .arg(page);
    }

    QString title(int i) const
    {
        return i % 10 == 0 ? QString() : QStringLiteral("第 %1 页 - Page %1 of the site").arg(i % 997);
    }

    // Spread over the last 365 days.
    QDateTime when(const QDateTime &now)
    {
        return now.addSecs(-qint64(next() % (365u * 24 * 3600)));
    }

private:
    quint32 next()
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return m_seed >> 4;
    }

    bool m_unique;
    quint32 m_seed = 20240313;
};

// Writes the visits, each in its own transaction as the store does.
double makeHistory(const QString &file, bool unique, const QDateTime &now)
{
    HistoryDatabase db;
    db.open(file);
    Visits visits(unique);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kVisits; ++i)
        db.addVisit(visits.address(i), visits.title(i), visits.when(now).toMSecsSinceEpoch());
    return elapsedMs(clock) * 1000.0 / kVisits;
}

// The baseline: the same rows read with SQLite alone into strings and numbers.
double bareSelect(const QString &file, int *rows)
{
    QElapsedTimer clock;
    clock.start();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *read = nullptr;
    sqlite3_prepare_v2(db, "SELECT address, title, last_visit, visit_count FROM urls", -1,
                       &read, nullptr);
    struct Row
    {
        QString address;
        QString title;
        qint64 lastVisit;
        int count;
    };
    QList<Row> entries;
    while (sqlite3_step(read) == SQLITE_ROW) {
        auto text = [read](int column) {
            return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(read, column)),
                                     sqlite3_column_bytes(read, column));
        };
        entries.append({text(0), text(1), sqlite3_column_int64(read, 2), sqlite3_column_int(read, 3)});
    }
    sqlite3_finalize(read);
    sqlite3_close(db);
    *rows = int(entries.size());
    return elapsedMs(clock);
}

int countItems(QTreeWidget *tree)
{
    int count = 0;
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *item) {
        ++count;
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i));
    return count;
}

void measureFilling(const QString &name, bool unique, const QString &dir, const QDateTime &now)
{
    const QString file = dir + QStringLiteral("/history-") + name + QStringLiteral(".db");
    const double perVisit = makeHistory(file, unique, now);
    std::printf("\n%s: %d visits written, %.1f us each on the store's thread\n", qPrintable(name), kVisits, perVisit);

    HistoryStore store;
    store.open(file, 400, now);
    store.flush();

    QList<double> bare, reads, fills;
    int rows = 0;
    for (int run = 0; run < kRuns; ++run) {
        bare << bareSelect(file, &rows);

        // The store's read alone: request to answer on this thread.
        bool answered = false;
        QElapsedTimer clock;
        clock.start();
        store.readSince({}, nullptr, [&](const HistoryStore::Entries &) { answered = true; });
        while (!answered)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        reads << elapsedMs(clock);

        // The panel: made, its read, the tree filled, on screen.
        clock.start();
        CHistoryPanel panel(store, [](const QString &) {});
        panel.resize(260, 700);
        panel.show();
        QSignalSpy filled(&panel, &CHistoryPanel::filled);
        while (filled.isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        fills << elapsedMs(clock);
        if (run == 0) {
            // A group's sites and a site's pages are made when it is opened:
            // the slowest opening of a group, and of a site.
            QTreeWidget *tree = panel.tree();
            double slowestGroup = 0, slowestSite = 0;
            for (int g = 0; g < tree->topLevelItemCount(); ++g) {
                QTreeWidgetItem *group = tree->topLevelItem(g);
                clock.start();
                group->setExpanded(true);
                slowestGroup = std::max(slowestGroup, elapsedMs(clock));
                for (int i = 0; i < group->childCount(); ++i) {
                    clock.start();
                    group->child(i)->setExpanded(true);
                    slowestSite = std::max(slowestSite, elapsedMs(clock));
                }
            }
            std::printf("%s: %d addresses, %d tree items in %d groups once all is opened\n", qPrintable(name), rows,
                        countItems(tree), tree->topLevelItemCount());
            std::printf("%s: slowest opening of a group %.1f ms, of a site %.1f ms\n", qPrintable(name), slowestGroup,
                        slowestSite);
        }
    }
    const double b = median(bare), r = median(reads), f = median(fills);
    std::printf("%s: bare SQLite select %.1f ms, store read %.1f ms, panel filled %.1f ms (target < 500 ms)\n",
                qPrintable(name), b, r, f);
    std::printf("%s: ratios  store read / bare select %.2f   panel filled / bare select %.2f\n", qPrintable(name),
                r / b, f / b);
}

void measureRecording(const QString &dir)
{
    HistoryStore store;
    store.open(dir + QStringLiteral("/history-recording.db"), 90);
    store.flush();
    HistoryRecorder recorder(store);

    constexpr int kCalls = 10000;
    QStringList addresses;
    for (int i = 0; i < kCalls; ++i)
        addresses << QStringLiteral("https://www.example%1.com/articles/%2/index.html?ref=%3").arg(i % 50).arg(i).arg(i * 7);
    const QString title = QStringLiteral("标题 - a page title of ordinary length");

    // The baseline: a call through a function object that keeps the same values.
    QList<std::pair<QString, QString>> kept;
    kept.reserve(kCalls);
    std::function<void(const QString &, const QString &)> bare = [&kept](const QString &a, const QString &t) {
        kept.append({a, t});
    };

    QList<double> ours, baseline;
    int page = 0;
    for (int i = 0; i < kCalls; ++i) {
        const void *id = &addresses[i % 16]; // sixteen Pages taking turns
        QElapsedTimer clock;
        clock.start();
        recorder.committed(id, addresses[i]);
        recorder.finished(id);
        recorder.titled(id, title);
        ours << double(clock.nsecsElapsed()) / 1000.0;

        clock.start();
        bare(addresses[i], title);
        baseline << double(clock.nsecsElapsed()) / 1000.0;
        ++page;
    }
    store.flush();
    std::sort(ours.begin(), ours.end());
    const double p99 = ours[int(ours.size() * 0.99)];
    std::printf("\nrecording one visit on the window's thread (commit, load over, title), %d visits:\n", page);
    std::printf("  median %.2f us, 99th percentile %.2f us, slowest %.2f us (target < 1000 us)\n", median(ours), p99,
                ours.last());
    std::printf("  bare function call %.2f us; ratio %.1f\n", median(baseline), median(ours) / median(baseline));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir work;
    prepareBenchEnvironment(work.path());
    QApplication app(argc, argv);
    const QDateTime now = QDateTime::currentDateTime();
    measureFilling(QStringLiteral("pool"), false, work.path(), now);
    measureFilling(QStringLiteral("unique"), true, work.path(), now);
    measureRecording(work.path());
    return 0;
}
