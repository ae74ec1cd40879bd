#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Writes the pages of a clone to their files, a few at a time: pictures as
// they are fetched, other addresses as web archives of pages loaded unseen,
// open pages as they are shown. It reaches the engine and the network only
// through the tools it is given, never touches a Page, and tells its
// progress by signals only. An entry that cannot be fetched or loaded writes
// nothing; the job goes on with the next.
class CloneJob : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Written, Skipped, NotWritten };
    using Done = std::function<void(Outcome outcome)>;
    // Loads the address unseen and writes it to path as a web archive:
    // Skipped when it does not load.
    using Archive = std::function<void(const QString &address, const QString &path, Done done)>;
    // Fetches a picture; ok when the whole body came with a status of 200 to 299.
    using Fetched = std::function<void(bool ok, const QByteArray &body)>;
    using Fetch = std::function<void(const QString &address, Fetched done)>;
    // Writes an open page to path as it is shown.
    using SaveShown = std::function<void(const QString &path, Done done)>;

    struct Entry
    {
        QString address;
        QString path;
        SaveShown saveShown; // set for an open page: it is not fetched anew
    };

    struct Tools
    {
        Archive archive;
        Fetch fetch;
    };

    // How many entries are under way at once.
    static constexpr int kAtOnce = 4;

    CloneJob(QList<Entry> entries, Tools tools, int atOnce = kAtOnce, QObject *parent = nullptr);

    // Begins with the first entries; every signal comes from the event loop.
    void start();
    // Begins no further entry; the job ends once those under way have.
    void cancel();
    bool isCancelled() const { return m_cancelled; }

signals:
    // Entry `index` of `total` is begun.
    void entryStarted(int index, int total, const QString &address, const QString &path);
    // `count` of `total` entries have ended.
    void progressed(int count, int total);
    // Every entry begun has ended; notWritten: the files that could not be
    // written (not those whose page or picture did not come).
    void finished(const QStringList &notWritten);

private:
    void startMore();
    void run(int index);
    // Takes an entry's end from a tool, in a later turn of the event loop.
    Done endOf(int index);
    void ended(int index, Outcome outcome);
    static Outcome writePicture(const QString &path, const QByteArray &body);

    QList<Entry> m_entries;
    Tools m_tools;
    int m_atOnce;
    int m_next = 0;    // the next entry to begin
    int m_running = 0; // entries under way
    int m_ended = 0;
    std::atomic<bool> m_cancelled = false;
    bool m_finished = false;
    QStringList m_notWritten;
};
