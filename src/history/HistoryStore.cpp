#include "history/HistoryStore.h"

#include <QMetaObject>

#include <limits>

namespace {

// Visits that can still be taken back: those of the loads under way.
constexpr std::size_t kVisitsKept = 256;

} // namespace

HistoryStore::HistoryStore(QObject *parent)
    : QObject(parent)
    , m_thread([this] { run(); })
{
}

HistoryStore::~HistoryStore()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void HistoryStore::open(const QString &file, int keepDays, const QDateTime &now)
{
    const qint64 keepFrom = HistoryDatabase::keepFrom(now, keepDays).toMSecsSinceEpoch();
    queue([this, file, keepFrom](HistoryDatabase &db) {
        const OpenResult result = db.open(file);
        if (db.isOpen())
            db.prune(keepFrom);
        {
            std::lock_guard lock(m_mutex);
            m_openResult = result;
        }
        QMetaObject::invokeMethod(this, [this, result] { emit opened(result); }, Qt::QueuedConnection);
    });
}

HistoryStore::VisitId HistoryStore::recordVisit(const QString &address, const QString &title, const QDateTime &when)
{
    const VisitId visit = m_nextVisit++;
    queue([this, visit, address, title, when = when.toMSecsSinceEpoch()](HistoryDatabase &db) {
        const qint64 row = db.addVisit(address, title, when);
        if (row == 0)
            return;
        m_visitRows.insert(visit, row);
        m_visitOrder.push_back(visit);
        emit changed();
        if (m_visitOrder.size() > kVisitsKept) {
            m_visitRows.remove(m_visitOrder.front());
            m_visitOrder.pop_front();
        }
    });
    return visit;
}

void HistoryStore::setTitle(const QString &address, const QString &title)
{
    queue([this, address, title](HistoryDatabase &db) {
        db.setTitle(address, title);
        emit changed();
    });
}

void HistoryStore::forgetVisit(VisitId visit)
{
    queue([this, visit](HistoryDatabase &db) {
        if (const qint64 row = m_visitRows.take(visit)) {
            db.removeVisit(row);
            emit changed();
        }
    });
}

void HistoryStore::readSince(const QDateTime &from, const QObject *context, std::function<void(Entries)> done)
{
    const quint64 request = m_nextRequest++;
    m_readers.insert(request, {context, context != nullptr, std::move(done)});
    const qint64 since = from.isValid() ? from.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    queue([this, request, since](HistoryDatabase &db) {
        Entries entries = db.readSince(since);
        QMetaObject::invokeMethod(
            this, [this, request, entries = std::move(entries)] { deliver(request, entries); }, Qt::QueuedConnection);
    });
}

void HistoryStore::deliver(quint64 request, const Entries &entries)
{
    const Reader reader = m_readers.take(request);
    if (reader.done && (!reader.guarded || reader.context))
        reader.done(entries);
}

void HistoryStore::clearAll()
{
    queue([this](HistoryDatabase &db) {
        db.clear();
        m_visitRows.clear();
        m_visitOrder.clear();
        QMetaObject::invokeMethod(this, [this] { emit cleared(); }, Qt::QueuedConnection);
    });
}

void HistoryStore::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

HistoryStore::OpenResult HistoryStore::openResult() const
{
    std::lock_guard lock(m_mutex);
    return m_openResult;
}

void HistoryStore::queue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void HistoryStore::run()
{
    // The connection belongs to this thread alone.
    HistoryDatabase db;
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            break; // stopping, nothing left
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        job(db);
        job = nullptr; // what it holds goes on this thread
        lock.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
    m_idle.notify_all();
}
