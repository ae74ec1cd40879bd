#pragma once

#include "platform/RegistryValue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

struct sqlite3;

// The per-user settings registry: hives of keys addressed by '\'-separated
// paths, each key holding named values. Key and value names compare without
// case; the spelling used when an item was first created is kept for display.
// Backed by one SQLite file; every write is its own transaction.
class RegistryStore
{
public:
    enum class OpenStatus {
        Opened,     // an existing store, readable and writable
        Created,    // a new, empty store
        Recovered,  // the old file was damaged: moved aside, a new store started
        ReadOnly,   // the store can be read but not written
        Unavailable // nothing could be opened; reads find nothing, writes fail
    };
    // Why a store could not be opened, where that is known.
    enum class Fault {
        None,
        Missing,     // there is no store file
        NotAFile,    // the name is taken by a pipe, a directory, a device
        Damaged,     // the file is not a sound database
        Foreign,     // a database of another layout or version
        Interrupted, // a write was cut off and must be rolled back first
        Unreadable   // locked, unreadable, or no room to start a new one
    };
    struct OpenResult
    {
        OpenStatus status = OpenStatus::Unavailable;
        QString movedTo; // where a damaged file was put, for Recovered
        Fault fault = Fault::None; // for Unavailable
    };

    RegistryStore();
    ~RegistryStore();
    RegistryStore(const RegistryStore &) = delete;
    RegistryStore &operator=(const RegistryStore &) = delete;

    OpenResult open(const QString &file);
    // Opens an existing store only to read it: nothing is created, repaired
    // or moved aside, and the file is not changed. ReadOnly when it can be
    // read, else Unavailable with the fault.
    OpenResult openForReading(const QString &file);
    // A second connection to a store another RegistryStore has opened (and
    // checked): no check, no repair, no new file. False when the file is not
    // a writable store.
    bool attach(const QString &file);
    void close();
    bool isWritable() const { return m_writable; }
    QString fileName() const { return m_file; }

    bool keyExists(Hive hive, const QString &path) const;
    // Creates the key and any missing parents; true when it exists afterwards.
    bool createKey(Hive hive, const QString &path);
    std::optional<RegValue> query(Hive hive, const QString &path, const QString &name) const;
    // Sets a value in an existing key; fails when the key does not exist.
    bool setValue(Hive hive, const QString &path, const QString &name, const RegValue &value);
    // Creates the key when needed and sets the value, in one transaction.
    bool createAndSetValue(Hive hive, const QString &path, const QString &name, const RegValue &value);
    bool deleteValue(Hive hive, const QString &path, const QString &name);
    // Deletes the key with all of its subkeys and values. A hive cannot be deleted.
    bool deleteKey(Hive hive, const QString &path);

    // Names of the direct subkeys, ordered by name without case.
    QStringList subkeys(Hive hive, const QString &path) const;
    // The key's values in the order they were first written.
    QList<NamedValue> values(Hive hive, const QString &path) const;

    // Visits the key at path and every key below it, each parent before its
    // children and siblings in the order of subkeys(), with the key's path as
    // stored (the spelling first used) and its values. The work grows with
    // the number of keys visited, however deep they lie.
    using KeyVisitor = std::function<void(const QString &path, const QList<NamedValue> &values)>;
    void walk(Hive hive, const QString &path, const KeyVisitor &visit) const;

    // Runs several writes as one transaction: all of them land or none.
    bool transaction(const std::function<bool()> &work);

    // Gathers the writes made while it lives into one commit (one wait for
    // the disk instead of one each), when the store can be written at all.
    class Batch
    {
    public:
        explicit Batch(RegistryStore &store);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        RegistryStore &m_store;
        bool m_open;
    };

    // The registry's own limits on key paths, which every create enforces.
    static constexpr int kMaxKeyDepth = 512;       // levels below the hive
    static constexpr int kMaxKeyNameLength = 255; // characters of one key name
    enum class PathProblem { None, TooDeep, NameTooLong };
    static PathProblem checkPath(const QString &path);

    static QStringList splitPath(const QString &path);
    static QString hiveName(Hive hive);
    static std::optional<Hive> hiveFromName(const QString &name);

private:
    std::optional<qint64> findKey(Hive hive, const QString &path) const;
    std::optional<qint64> ensureKey(Hive hive, const QString &path);
    bool writeValue(qint64 key, const QString &name, const RegValue &value);
    QList<NamedValue> valuesOf(qint64 key) const;
    QString storedPath(Hive hive, qint64 key) const;
    // What an opened file holds.
    enum class Health {
        Sound,      // a store of ours
        Empty,      // a database with nothing in it yet
        Damaged,    // not a database, or one whose pages are broken
        Foreign,    // a database of another layout or version
        Interrupted, // a write was cut off; only a writer can roll it back
        Unreadable  // could not be read now (locked, I/O)
    };
    Health inspect() const;
    bool initSchema();
    bool begin();
    bool commit(bool ok);

    sqlite3 *m_db = nullptr;
    QString m_file;
    bool m_writable = false;
    int m_depth = 0;
};
