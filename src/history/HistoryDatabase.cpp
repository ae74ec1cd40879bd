#include "history/HistoryDatabase.h"

#include "platform/Sqlite.h"
#include "platform/StoreFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>
#include <limits>

#include <sqlite3.h>

namespace {

constexpr int kSchemaVersion = 1;

constexpr const char *kSchema = R"sql(
CREATE TABLE urls(
    id INTEGER PRIMARY KEY,
    address TEXT NOT NULL UNIQUE,
    title TEXT NOT NULL DEFAULT '',
    last_visit INTEGER NOT NULL,
    visit_count INTEGER NOT NULL);
CREATE INDEX urls_last_visit ON urls(last_visit);
CREATE TABLE visits(
    id INTEGER PRIMARY KEY,
    url INTEGER NOT NULL,
    time INTEGER NOT NULL);
CREATE INDEX visits_url ON visits(url);
CREATE INDEX visits_time ON visits(time);
PRAGMA user_version = 1;
)sql";

// The files SQLite keeps beside the history in write-ahead mode, and the
// journal it would find there from another mode.
const QStringList kSidecars{QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};

bool isDamage(int code)
{
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

} // namespace

HistoryDatabase::~HistoryDatabase()
{
    close();
}

void HistoryDatabase::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

HistoryDatabase::OpenResult HistoryDatabase::open(const QString &file)
{
    close();
    OpenResult result;
    if (!StoreFile::regularOrAbsent(file, kSidecars))
        return result;
    const bool existed = QFileInfo::exists(file);
    const QByteArray path = QFile::encodeName(file);
    auto openFile = [&] {
        if (sqlite3_open_v2(path.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK) {
            close();
            return false;
        }
        sqlite3_busy_timeout(m_db, 5000);
        sqlite3_extended_result_codes(m_db, 1);
        return true;
    };
    if (!openFile())
        return result;

    Health health = inspect();
    result.status = existed ? OpenStatus::Opened : OpenStatus::Created;
    if (health == Health::Damaged || health == Health::Foreign) {
        // A damaged history is not deleted: it is kept aside with its log,
        // as it was found, for whoever wants to look into it, and a new one
        // is started.
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        close();
        const QString aside = StoreFile::asideName(file);
        if (!QFile::rename(file, aside))
            return result = {};
        for (const QString &suffix : kSidecars) {
            // The index is made anew from the log; a log left behind would be
            // played into the new file.
            if (QFileInfo::exists(file + suffix) && !QFile::rename(file + suffix, aside + suffix)
                && !QFile::remove(file + suffix)) {
                return result = {};
            }
        }
        if (!openFile())
            return result = {};
        health = Health::Empty;
        result = {OpenStatus::Recovered, aside};
    }
    if (health == Health::Unreadable || !configure()) {
        close();
        return result = {};
    }
    if (health == Health::Empty && !transaction([this] { return sqlite::execute(m_db, kSchema) == SQLITE_OK; })) {
        close();
        return result = {};
    }
    return result;
}

HistoryDatabase::Health HistoryDatabase::inspect() const
{
    auto failure = [this] { return isDamage(sqlite3_extended_errcode(m_db)) ? Health::Damaged : Health::Unreadable; };
    {
        sqlite::Statement check(m_db, "PRAGMA quick_check");
        if (!check.isValid() || check.step() != SQLITE_ROW)
            return failure();
        if (check.columnText(0) != QLatin1String("ok"))
            return Health::Damaged;
    }
    sqlite::Statement version(m_db, "PRAGMA user_version");
    sqlite::Statement objects(m_db, "SELECT count(*) FROM sqlite_master");
    if (!version.isValid() || !objects.isValid() || version.step() != SQLITE_ROW || objects.step() != SQLITE_ROW)
        return failure();
    if (version.columnInt(0) == 0 && objects.columnInt(0) == 0)
        return Health::Empty;
    if (version.columnInt(0) != kSchemaVersion)
        return Health::Foreign;

    // The layout the statements rely on, down to the unique address that
    // a visit's upsert needs.
    auto columns = [this](const char *table) {
        sqlite::Statement info(m_db, "SELECT group_concat(name, ',') FROM "
                                     "(SELECT name FROM pragma_table_info(?1) ORDER BY cid)");
        info.bind(1, QString::fromLatin1(table));
        return info.step() == SQLITE_ROW ? info.columnText(0) : QString();
    };
    sqlite::Statement unique(m_db, "SELECT count(*) FROM pragma_index_list('urls') AS il "
                                   "WHERE il.\"unique\" = 1 AND il.partial = 0 AND "
                                   "(SELECT group_concat(name) FROM pragma_index_info(il.name)) = 'address'");
    if (columns("urls") != QLatin1String("id,address,title,last_visit,visit_count")
        || columns("visits") != QLatin1String("id,url,time") || unique.step() != SQLITE_ROW
        || unique.columnInt(0) == 0) {
        return Health::Foreign;
    }
    return Health::Sound;
}

bool HistoryDatabase::configure()
{
    // Write-ahead logging: a commit is one append to the log. With
    // synchronous = NORMAL the log is not synced at each commit, only at
    // checkpoints; a commit is in the operating system's hands when it
    // returns, so a killed process loses nothing (a power cut may lose the
    // last commits, never the file). Deleted rows are overwritten.
    sqlite::Statement mode(m_db, "PRAGMA journal_mode = WAL");
    if (!mode.isValid() || mode.step() != SQLITE_ROW)
        return false;
    return sqlite::execute(m_db, "PRAGMA synchronous = NORMAL; PRAGMA secure_delete = ON") == SQLITE_OK;
}

bool HistoryDatabase::transaction(const std::function<bool()> &work)
{
    if (!m_db || sqlite::execute(m_db, "BEGIN IMMEDIATE") != SQLITE_OK)
        return false;
    if (work() && sqlite::execute(m_db, "COMMIT") == SQLITE_OK)
        return true;
    sqlite::execute(m_db, "ROLLBACK");
    return false;
}

qint64 HistoryDatabase::addVisit(const QString &address, const QString &title, qint64 when)
{
    qint64 visit = 0;
    transaction([&] {
        sqlite::Statement url(m_db, "INSERT INTO urls(address, title, last_visit, visit_count) VALUES(?1, ?2, ?3, 1) "
                                    "ON CONFLICT(address) DO UPDATE SET "
                                    "last_visit = max(last_visit, excluded.last_visit), "
                                    "visit_count = visit_count + 1, "
                                    "title = CASE WHEN excluded.title <> '' THEN excluded.title ELSE title END "
                                    "RETURNING id");
        url.bind(1, address).bind(2, title).bind(3, when);
        if (url.step() != SQLITE_ROW)
            return false;
        const qint64 id = url.columnInt(0);
        if (url.step() != SQLITE_DONE)
            return false;
        sqlite::Statement row(m_db, "INSERT INTO visits(url, time) VALUES(?1, ?2)");
        if (!row.bind(1, id).bind(2, when).exec())
            return false;
        visit = sqlite3_last_insert_rowid(m_db);
        return true;
    });
    return visit;
}

bool HistoryDatabase::setTitle(const QString &address, const QString &title)
{
    if (!m_db)
        return false;
    sqlite::Statement update(m_db, "UPDATE urls SET title = ?2 WHERE address = ?1");
    return update.bind(1, address).bind(2, title).exec();
}

bool HistoryDatabase::removeVisit(qint64 visit)
{
    return transaction([&] {
        sqlite::Statement find(m_db, "SELECT url FROM visits WHERE id = ?1");
        if (find.bind(1, visit).step() != SQLITE_ROW)
            return true; // gone already
        const qint64 url = find.columnInt(0);
        sqlite::Statement drop(m_db, "DELETE FROM visits WHERE id = ?1");
        sqlite::Statement count(m_db, "UPDATE urls SET visit_count = visit_count - 1, "
                                      "last_visit = coalesce((SELECT max(time) FROM visits WHERE url = ?1), "
                                      "last_visit) WHERE id = ?1");
        sqlite::Statement empty(m_db, "DELETE FROM urls WHERE id = ?1 AND visit_count <= 0");
        return drop.bind(1, visit).exec() && count.bind(1, url).exec() && empty.bind(1, url).exec();
    });
}

QList<HistoryEntry> HistoryDatabase::readSince(qint64 from) const
{
    QList<HistoryEntry> entries;
    if (!m_db)
        return entries;
    // A part of the history is found through the index of last visits; the
    // whole of it is read in the table's order and sorted here, which is
    // several times faster than walking the index and fetching each row.
    const bool everything = from == std::numeric_limits<qint64>::min();
    sqlite::Statement read(m_db, everything ? "SELECT address, title, last_visit, visit_count FROM urls NOT INDEXED"
                                            : "SELECT address, title, last_visit, visit_count FROM urls "
                                              "WHERE last_visit >= ?1 ORDER BY last_visit DESC");
    if (!everything)
        read.bind(1, from);
    std::vector<std::pair<qint64, HistoryEntry>> rows;
    if (everything) {
        sqlite::Statement count(m_db, "SELECT count(*) FROM urls");
        if (count.step() == SQLITE_ROW)
            rows.reserve(std::size_t(count.columnInt(0)));
    }
    while (read.step() == SQLITE_ROW) {
        const qint64 at = read.columnInt(2);
        // In UTC: a conversion to local time for every row would cost more than the read.
        rows.push_back({at, {read.columnText(0), read.columnText(1), QDateTime::fromMSecsSinceEpoch(at, Qt::UTC),
                             int(read.columnInt(3))}});
    }
    if (everything) {
        // Of two visits in the same millisecond the one written later counts as the later.
        std::reverse(rows.begin(), rows.end());
        std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    }
    entries.reserve(qsizetype(rows.size()));
    for (auto &row : rows)
        entries.append(std::move(row.second));
    return entries;
}

bool HistoryDatabase::prune(qint64 before)
{
    return transaction([&] {
        sqlite::Statement counts(m_db, "UPDATE urls SET visit_count = visit_count - "
                                       "(SELECT count(*) FROM visits WHERE url = urls.id AND time < ?1) "
                                       "WHERE id IN (SELECT url FROM visits WHERE time < ?1)");
        sqlite::Statement visits(m_db, "DELETE FROM visits WHERE time < ?1");
        sqlite::Statement urls(m_db, "DELETE FROM urls WHERE visit_count <= 0 OR last_visit < ?1");
        return counts.bind(1, before).exec() && visits.bind(1, before).exec() && urls.bind(1, before).exec();
    });
}

bool HistoryDatabase::clear()
{
    const bool deleted = transaction([this] {
        return sqlite::execute(m_db, "DELETE FROM visits; DELETE FROM urls") == SQLITE_OK;
    });
    // The deleted rows were overwritten in the pages written to the log;
    // compacting drops the free pages, and the checkpoint carries the pages
    // into the file and empties the log.
    return deleted && sqlite::execute(m_db, "VACUUM") == SQLITE_OK
        && sqlite::execute(m_db, "PRAGMA wal_checkpoint(TRUNCATE)") == SQLITE_OK;
}

QDateTime HistoryDatabase::keepFrom(const QDateTime &now, int keepDays)
{
    return now.toLocalTime().date().addDays(-std::max(keepDays, 0)).startOfDay();
}
