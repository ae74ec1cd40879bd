#pragma once

#include "history/HistoryDatabase.h"
#include "history/HistoryEntry.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The browsing history: every visit (address and time) and, per address, its
// title, last visit and number of visits, in one SQLite file in the profile.
// All database work happens on a thread of the store's own with its one
// connection; the calls below only queue work and return at once, and what
// is read comes back on the thread that owns the store. Each visit is its own
// transaction: a killed process keeps every visit recorded before it.
class HistoryStore : public QObject
{
    Q_OBJECT
public:
    // Unavailable: nothing is recorded, reads find nothing.
    using OpenStatus = HistoryDatabase::OpenStatus;
    using OpenResult = HistoryDatabase::OpenResult;

    explicit HistoryStore(QObject *parent = nullptr);
    // Finishes the work queued so far.
    ~HistoryStore() override;
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens (or starts) the history in `file` and drops visits made before
    // local midnight `keepDays` days before `now` (0: only today's stay).
    // opened() tells the outcome.
    void open(const QString &file, int keepDays, const QDateTime &now = QDateTime::currentDateTime());

    // Names one recorded visit, so that it can be taken back.
    using VisitId = quint64;
    VisitId recordVisit(const QString &address, const QString &title, const QDateTime &when);
    // The title of an address, arrived after its visit was recorded.
    void setTitle(const QString &address, const QString &title);
    // Takes a visit back (its page turned out to be an error page).
    void forgetVisit(VisitId visit);

    using Entries = QList<HistoryEntry>;
    // Every address last visited at or after `from` (all of them for an
    // invalid time), the latest visit first. `done` runs on the store's
    // thread, unless `context` is gone by then.
    void readSince(const QDateTime &from, const QObject *context, std::function<void(Entries)> done);

    // Deletes every visit and leaves nothing of them in the file's free
    // pages or its log. cleared() follows.
    void clearAll();

    // Returns once the work queued so far is done.
    void flush();
    // What open() found; Unavailable before it has run.
    OpenResult openResult() const;

    // The history file's sidecars: SQLite's write-ahead log and its index.
    static QString logFile(const QString &file) { return file + QStringLiteral("-wal"); }
    static QString indexFile(const QString &file) { return file + QStringLiteral("-shm"); }

signals:
    void opened(const HistoryStore::OpenResult &result);
    // Every visit was deleted.
    void cleared();
    // A visit was recorded, titled or taken back (sent from the store's thread).
    void changed();

private:
    using Job = std::function<void(HistoryDatabase &)>;
    void queue(Job job);
    void run();
    // On the store's thread: hands a read's result to its caller.
    void deliver(quint64 request, const Entries &entries);

    struct Reader
    {
        QPointer<const QObject> context;
        bool guarded = false; // there was a context to outlive
        std::function<void(Entries)> done;
    };
    QHash<quint64, Reader> m_readers; // the store's thread only
    quint64 m_nextRequest = 1;
    std::atomic<VisitId> m_nextVisit{1};
    // The rows of the latest visits, for taking them back (the worker only).
    QHash<VisitId, qint64> m_visitRows;
    std::deque<VisitId> m_visitOrder;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_stopping = false;
    OpenResult m_openResult;
    std::thread m_thread;
};
