#pragma once

#include "history/HistoryEntry.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

struct sqlite3;

// The history file itself, through one connection used by one thread: the
// history store's worker. Visits are rows of `visits` (address id, time);
// `urls` holds per address its title, last visit and number of visits.
// Times are milliseconds since the epoch.
class HistoryDatabase
{
public:
    enum class OpenStatus {
        Opened,     // an existing history
        Created,    // a new, empty history
        Recovered,  // the old file was damaged: put aside, a new history started
        Unavailable // nothing could be opened
    };
    struct OpenResult
    {
        OpenStatus status = OpenStatus::Unavailable;
        QString movedTo; // where a damaged file was put, for Recovered
    };

    HistoryDatabase() = default;
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    // Opens the file, checks it and sets a damaged one (or a database of
    // another layout) aside with its log, then starts a new one in its place.
    OpenResult open(const QString &file);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // Each of these is one transaction. A visit's row id, or 0 when it
    // could not be written.
    qint64 addVisit(const QString &address, const QString &title, qint64 when);
    bool setTitle(const QString &address, const QString &title);
    bool removeVisit(qint64 visit);
    // Every address last visited at or after `from` (the least qint64: all
    // of them), the latest first.
    QList<HistoryEntry> readSince(qint64 from) const;
    // Drops the visits made before `before`, and addresses left without one.
    bool prune(qint64 before);
    // Deletes everything, then compacts the file and empties its log, so
    // that nothing of the old rows stays on disk.
    bool clear();

    // The start of the day `keepDays` days before `now` (local midnight).
    static QDateTime keepFrom(const QDateTime &now, int keepDays);

private:
    enum class Health { Sound, Empty, Damaged, Foreign, Unreadable };
    Health inspect() const;
    bool configure();
    bool transaction(const std::function<bool()> &work);

    sqlite3 *m_db = nullptr;
};
