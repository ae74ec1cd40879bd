#include "platform/RegistryStore.h"

#include "platform/Sqlite.h"
#include "platform/StoreFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <vector>

#include <sqlite3.h>

namespace {

// SQLite opens the store's journal by name too: it must pass the same test.
const QStringList kSidecars{QStringLiteral("-journal")};

constexpr const char *kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    UNIQUE(parent, folded));
CREATE TABLE IF NOT EXISTS vals(
    key INTEGER NOT NULL,
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    type INTEGER NOT NULL,
    data,
    PRIMARY KEY(key, folded));
INSERT OR IGNORE INTO keys(id, parent, name, folded) VALUES
    (1, 0, 'HKEY_CURRENT_USER', 'hkey_current_user'),
    (2, 0, 'HKEY_LOCAL_MACHINE', 'hkey_local_machine'),
    (3, 0, 'HKEY_CLASSES_ROOT', 'hkey_classes_root');
PRAGMA user_version = 1;
)sql";
constexpr int kSchemaVersion = 1;

qint64 hiveRoot(Hive hive)
{
    return qint64(hive) + 1;
}

QString fold(const QString &name)
{
    return name.toCaseFolded();
}

// Reads the value stored in columns typeColumn and typeColumn + 1.
std::optional<RegValue> columnValue(const sqlite::Statement &row, int typeColumn)
{
    switch (RegType(row.columnInt(typeColumn))) {
    case RegType::Dword: return RegValue::fromDword(quint32(row.columnInt(typeColumn + 1)));
    case RegType::Sz: return RegValue::fromText(row.columnText(typeColumn + 1));
    case RegType::Binary: return RegValue::fromBinary(row.columnBlob(typeColumn + 1));
    }
    return std::nullopt;
}

bool isDamage(int code)
{
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

} // namespace

RegistryStore::RegistryStore() = default;

RegistryStore::~RegistryStore()
{
    close();
}

void RegistryStore::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_writable = false;
    m_depth = 0;
}

RegistryStore::OpenResult RegistryStore::open(const QString &file)
{
    close();
    m_file = file;
    OpenResult result;
    const QByteArray path = QFile::encodeName(file);
    const bool existed = QFileInfo::exists(file);
    if (!StoreFile::regularOrAbsent(file, kSidecars)) {
        result.fault = Fault::NotAFile;
        return result;
    }

    auto openWith = [&](int flags) {
        if (sqlite3_open_v2(path.constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            sqlite3_close_v2(m_db);
            m_db = nullptr;
            return false;
        }
        sqlite3_busy_timeout(m_db, 5000);
        sqlite3_extended_result_codes(m_db, 1);
        return true;
    };

    result.fault = Fault::Unreadable;
    if (!openWith(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
        && !(existed && openWith(SQLITE_OPEN_READONLY))) {
        return result;
    }

    const Health health = inspect();
    if (health == Health::Damaged || health == Health::Foreign) {
        // A damaged store, or a database that is not ours, is never deleted:
        // it is put aside for the user, and a new one is started in its place.
        close();
        const QString aside = StoreFile::asideName(file);
        if (!QFile::rename(file, aside))
            return result;
        const QString journal = file + QStringLiteral("-journal");
        if (QFileInfo::exists(journal))
            QFile::rename(journal, aside + QStringLiteral("-journal"));
        if (!openWith(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
            return result;
        result.status = OpenStatus::Recovered;
        result.movedTo = aside;
    } else if (health == Health::Unreadable || health == Health::Interrupted) {
        close();
        return result;
    } else {
        result.status = existed ? OpenStatus::Opened : OpenStatus::Created;
    }

    result.fault = Fault::None;
    m_writable = sqlite3_db_readonly(m_db, "main") == 0;
    // Each commit reaches the disk before the write reports success.
    sqlite::execute(m_db, "PRAGMA synchronous = FULL");
    if (m_writable && !initSchema())
        m_writable = false;
    if (!m_writable) {
        sqlite::Statement probe(m_db, "SELECT 1 FROM keys LIMIT 1");
        if (!probe.isValid()) {
            close();
            result.status = OpenStatus::Unavailable;
            result.fault = Fault::Unreadable;
            return result;
        }
        if (result.status != OpenStatus::Recovered)
            result.status = OpenStatus::ReadOnly;
    }
    return result;
}

RegistryStore::OpenResult RegistryStore::openForReading(const QString &file)
{
    close();
    m_file = file;
    OpenResult result;
    if (!StoreFile::regularOrAbsent(file, kSidecars)) {
        result.fault = Fault::NotAFile;
        return result;
    }
    if (!QFileInfo::exists(file)) {
        result.fault = Fault::Missing;
        return result;
    }
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        close();
        result.fault = Fault::Unreadable;
        return result;
    }
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_extended_result_codes(m_db, 1);
    switch (inspect()) {
    case Health::Sound:
    case Health::Empty: // a store that holds nothing yet
        result.status = OpenStatus::ReadOnly;
        return result;
    case Health::Damaged: result.fault = Fault::Damaged; break;
    case Health::Foreign: result.fault = Fault::Foreign; break;
    case Health::Interrupted: result.fault = Fault::Interrupted; break;
    case Health::Unreadable: result.fault = Fault::Unreadable; break;
    }
    close();
    return result;
}

bool RegistryStore::attach(const QString &file)
{
    close();
    m_file = file;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        close();
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_extended_result_codes(m_db, 1);
    sqlite::execute(m_db, "PRAGMA synchronous = FULL");
    sqlite::Statement version(m_db, "PRAGMA user_version");
    m_writable = version.isValid() && version.step() == SQLITE_ROW && version.columnInt(0) >= 1;
    if (!m_writable)
        close();
    return m_writable;
}

RegistryStore::Health RegistryStore::inspect() const
{
    auto failure = [](int code) {
        if (code == SQLITE_READONLY_ROLLBACK)
            return Health::Interrupted;
        return isDamage(code) ? Health::Damaged : Health::Unreadable;
    };
    {
        sqlite::Statement check(m_db, "PRAGMA quick_check");
        if (!check.isValid())
            return failure(sqlite3_extended_errcode(m_db));
        const int rc = check.step();
        if (rc != SQLITE_ROW)
            return failure(rc);
        if (check.columnText(0) != QLatin1String("ok"))
            return Health::Damaged;
    }

    sqlite::Statement version(m_db, "PRAGMA user_version");
    sqlite::Statement objects(m_db, "SELECT count(*) FROM sqlite_master");
    if (!version.isValid() || !objects.isValid())
        return failure(sqlite3_extended_errcode(m_db));
    int rc = version.step();
    if (rc != SQLITE_ROW)
        return failure(rc);
    rc = objects.step();
    if (rc != SQLITE_ROW)
        return failure(rc);
    if (version.columnInt(0) == 0 && objects.columnInt(0) == 0)
        return Health::Empty;
    if (version.columnInt(0) != kSchemaVersion)
        return Health::Foreign;

    // The tables must be exactly ours, down to the unique keys the writes
    // rely on: with any other layout every write would fail.
    auto columns = [this](const char *table) {
        QStringList names;
        sqlite::Statement info(m_db, "SELECT name, pk FROM pragma_table_info(?1) ORDER BY cid");
        info.bind(1, QString::fromLatin1(table));
        while (info.step() == SQLITE_ROW)
            names << info.columnText(0) + (info.columnInt(1) == 1 && QLatin1String(table) == QLatin1String("keys")
                                               ? QStringLiteral("*")
                                               : QString());
        return names.join(QLatin1Char(','));
    };
    auto uniqueKeys = [this](const char *table) {
        QStringList keys;
        sqlite::Statement list(m_db,
                               "SELECT (SELECT group_concat(name, ',') FROM "
                               "(SELECT name FROM pragma_index_info(il.name) ORDER BY seqno)) "
                               "FROM pragma_index_list(?1) AS il WHERE il.\"unique\" = 1 AND il.partial = 0");
        list.bind(1, QString::fromLatin1(table));
        while (list.step() == SQLITE_ROW)
            keys << list.columnText(0);
        return keys;
    };
    auto idType = [this] {
        sqlite::Statement info(m_db, "SELECT upper(type) FROM pragma_table_info('keys') WHERE name = 'id'");
        return info.step() == SQLITE_ROW ? info.columnText(0) : QString();
    };
    if (columns("keys") != QLatin1String("id*,parent,name,folded") || idType() != QLatin1String("INTEGER")
        || !uniqueKeys("keys").contains(QLatin1String("parent,folded"))
        || columns("vals") != QLatin1String("key,name,folded,type,data")
        || !uniqueKeys("vals").contains(QLatin1String("key,folded"))) {
        return Health::Foreign;
    }
    return Health::Sound;
}

bool RegistryStore::initSchema()
{
    sqlite::Statement version(m_db, "PRAGMA user_version");
    if (version.isValid() && version.step() == SQLITE_ROW && version.columnInt(0) == kSchemaVersion)
        return true;
    if (!begin())
        return false;
    return commit(sqlite::execute(m_db, kSchema) == SQLITE_OK);
}

bool RegistryStore::begin()
{
    if (!m_db || !m_writable)
        return false;
    // Inside another transaction a savepoint keeps this one all or nothing.
    const QByteArray statement = m_depth == 0 ? QByteArray("BEGIN IMMEDIATE") : "SAVEPOINT s" + QByteArray::number(m_depth);
    if (sqlite::execute(m_db, statement.constData()) != SQLITE_OK)
        return false;
    ++m_depth;
    return true;
}

bool RegistryStore::commit(bool ok)
{
    if (--m_depth > 0) {
        const QByteArray name = "s" + QByteArray::number(m_depth);
        if (!ok)
            sqlite::execute(m_db, ("ROLLBACK TO " + name).constData());
        sqlite::execute(m_db, ("RELEASE " + name).constData());
        return ok;
    }
    if (ok && sqlite::execute(m_db, "COMMIT") == SQLITE_OK)
        return true;
    sqlite::execute(m_db, "ROLLBACK");
    return false;
}

bool RegistryStore::transaction(const std::function<bool()> &work)
{
    if (!begin())
        return false;
    return commit(work());
}

RegistryStore::PathProblem RegistryStore::checkPath(const QString &path)
{
    const QStringList parts = splitPath(path);
    if (parts.size() > kMaxKeyDepth)
        return PathProblem::TooDeep;
    for (const QString &part : parts) {
        if (part.size() > kMaxKeyNameLength)
            return PathProblem::NameTooLong;
    }
    return PathProblem::None;
}

RegistryStore::Batch::Batch(RegistryStore &store)
    : m_store(store)
    , m_open(store.begin())
{
}

RegistryStore::Batch::~Batch()
{
    if (m_open)
        m_store.commit(true);
}

QStringList RegistryStore::splitPath(const QString &path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QString RegistryStore::hiveName(Hive hive)
{
    switch (hive) {
    case Hive::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case Hive::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case Hive::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    }
    return {};
}

std::optional<Hive> RegistryStore::hiveFromName(const QString &name)
{
    const QString n = name.toUpper();
    if (n == QLatin1String("HKEY_CURRENT_USER") || n == QLatin1String("HKCU"))
        return Hive::CurrentUser;
    if (n == QLatin1String("HKEY_LOCAL_MACHINE") || n == QLatin1String("HKLM"))
        return Hive::LocalMachine;
    if (n == QLatin1String("HKEY_CLASSES_ROOT") || n == QLatin1String("HKCR"))
        return Hive::ClassesRoot;
    return std::nullopt;
}

std::optional<qint64> RegistryStore::findKey(Hive hive, const QString &path) const
{
    if (!m_db)
        return std::nullopt;
    qint64 id = hiveRoot(hive);
    const QStringList parts = splitPath(path);
    if (parts.isEmpty())
        return id;
    sqlite::Statement find(m_db, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
    if (!find.isValid())
        return std::nullopt;
    for (const QString &part : parts) {
        find.reset();
        find.bind(1, id).bind(2, fold(part));
        if (find.step() != SQLITE_ROW)
            return std::nullopt;
        id = find.columnInt(0);
    }
    return id;
}

std::optional<qint64> RegistryStore::ensureKey(Hive hive, const QString &path)
{
    if (checkPath(path) != PathProblem::None)
        return std::nullopt;
    qint64 id = hiveRoot(hive);
    sqlite::Statement find(m_db, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
    sqlite::Statement insert(m_db, "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3)");
    if (!find.isValid() || !insert.isValid())
        return std::nullopt;
    for (const QString &part : splitPath(path)) {
        find.reset();
        find.bind(1, id).bind(2, fold(part));
        if (find.step() == SQLITE_ROW) {
            id = find.columnInt(0);
            continue;
        }
        insert.reset();
        insert.bind(1, id).bind(2, part).bind(3, fold(part));
        if (!insert.exec())
            return std::nullopt;
        id = sqlite3_last_insert_rowid(m_db);
    }
    return id;
}

bool RegistryStore::keyExists(Hive hive, const QString &path) const
{
    return findKey(hive, path).has_value();
}

bool RegistryStore::createKey(Hive hive, const QString &path)
{
    if (keyExists(hive, path))
        return true;
    return transaction([&] { return ensureKey(hive, path).has_value(); });
}

std::optional<RegValue> RegistryStore::query(Hive hive, const QString &path, const QString &name) const
{
    const auto key = findKey(hive, path);
    if (!key)
        return std::nullopt;
    sqlite::Statement select(m_db, "SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2");
    select.bind(1, *key).bind(2, fold(name));
    if (select.step() != SQLITE_ROW)
        return std::nullopt;
    return columnValue(select, 0);
}

bool RegistryStore::writeValue(qint64 key, const QString &name, const RegValue &value)
{
    sqlite::Statement upsert(m_db,
                             "INSERT INTO vals(key, name, folded, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
                             "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data");
    upsert.bind(1, key).bind(2, name).bind(3, fold(name)).bind(4, qint64(value.type));
    switch (value.type) {
    case RegType::Dword: upsert.bind(5, qint64(value.dword)); break;
    case RegType::Sz: upsert.bind(5, value.text); break;
    case RegType::Binary: upsert.bind(5, value.binary); break;
    }
    return upsert.exec();
}

bool RegistryStore::setValue(Hive hive, const QString &path, const QString &name, const RegValue &value)
{
    return transaction([&] {
        const auto key = findKey(hive, path);
        return key && writeValue(*key, name, value);
    });
}

bool RegistryStore::createAndSetValue(Hive hive, const QString &path, const QString &name, const RegValue &value)
{
    return transaction([&] {
        const auto key = ensureKey(hive, path);
        return key && writeValue(*key, name, value);
    });
}

bool RegistryStore::deleteValue(Hive hive, const QString &path, const QString &name)
{
    return transaction([&] {
        const auto key = findKey(hive, path);
        if (!key)
            return false;
        sqlite::Statement del(m_db, "DELETE FROM vals WHERE key = ?1 AND folded = ?2");
        del.bind(1, *key).bind(2, fold(name));
        return del.exec() && sqlite3_changes(m_db) > 0;
    });
}

bool RegistryStore::deleteKey(Hive hive, const QString &path)
{
    if (splitPath(path).isEmpty())
        return false;
    return transaction([&] {
        const auto key = findKey(hive, path);
        if (!key)
            return false;
        sqlite::Statement delVals(m_db,
                                  "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL "
                                  "SELECT keys.id FROM keys JOIN sub ON keys.parent = sub.id) "
                                  "DELETE FROM vals WHERE key IN (SELECT id FROM sub)");
        sqlite::Statement delKeys(m_db,
                                  "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL "
                                  "SELECT keys.id FROM keys JOIN sub ON keys.parent = sub.id) "
                                  "DELETE FROM keys WHERE id IN (SELECT id FROM sub)");
        delVals.bind(1, *key);
        delKeys.bind(1, *key);
        return delVals.exec() && delKeys.exec();
    });
}

QStringList RegistryStore::subkeys(Hive hive, const QString &path) const
{
    QStringList names;
    const auto key = findKey(hive, path);
    if (!key)
        return names;
    sqlite::Statement select(m_db, "SELECT name FROM keys WHERE parent = ?1 ORDER BY folded, id");
    select.bind(1, *key);
    while (select.step() == SQLITE_ROW)
        names << select.columnText(0);
    return names;
}

QList<NamedValue> RegistryStore::valuesOf(qint64 key) const
{
    QList<NamedValue> result;
    sqlite::Statement select(m_db, "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY rowid");
    select.bind(1, key);
    while (select.step() == SQLITE_ROW) {
        if (const auto value = columnValue(select, 1))
            result << NamedValue{select.columnText(0), *value};
    }
    return result;
}

QList<NamedValue> RegistryStore::values(Hive hive, const QString &path) const
{
    const auto key = findKey(hive, path);
    return key ? valuesOf(*key) : QList<NamedValue>();
}

QString RegistryStore::storedPath(Hive hive, qint64 key) const
{
    QStringList parts;
    sqlite::Statement up(m_db, "SELECT parent, name FROM keys WHERE id = ?1");
    QSet<qint64> seen;
    for (qint64 id = key; id != hiveRoot(hive) && !seen.contains(id);) {
        seen.insert(id);
        up.reset();
        up.bind(1, id);
        if (up.step() != SQLITE_ROW)
            break;
        parts.prepend(up.columnText(1));
        id = up.columnInt(0);
    }
    return parts.join(QLatin1Char('\\'));
}

void RegistryStore::walk(Hive hive, const QString &path, const KeyVisitor &visit) const
{
    const auto start = findKey(hive, path);
    if (!start)
        return;
    // The children of every key below the start, read in one query, so that
    // no key's path is looked up from the root again. UNION, not UNION ALL:
    // a file whose parents loop must not make the query endless.
    struct Child { qint64 id; QString name; };
    QHash<qint64, QList<Child>> children;
    sqlite::Statement tree(m_db,
                           "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION "
                           "SELECT keys.id FROM keys JOIN sub ON keys.parent = sub.id) "
                           "SELECT keys.id, keys.parent, keys.name FROM keys JOIN sub ON keys.id = sub.id "
                           "WHERE keys.id <> ?1 ORDER BY keys.folded, keys.id");
    tree.bind(1, *start);
    while (tree.step() == SQLITE_ROW)
        children[tree.columnInt(1)].append(Child{tree.columnInt(0), tree.columnText(2)});

    struct Pending { qint64 id; QString path; };
    std::vector<Pending> stack{{*start, storedPath(hive, *start)}};
    QSet<qint64> seen;
    while (!stack.empty()) {
        const Pending key = std::move(stack.back());
        stack.pop_back();
        if (seen.contains(key.id))
            continue;
        seen.insert(key.id);
        visit(key.path, valuesOf(key.id));
        const QList<Child> kids = children.value(key.id);
        for (auto it = kids.crbegin(); it != kids.crend(); ++it)
            stack.push_back({it->id, key.path.isEmpty() ? it->name : key.path + QLatin1Char('\\') + it->name});
    }
}
