#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

// Writes values into the registry store on a thread of its own, through a
// second connection to the same file: a write waits for the disk (every
// commit is synced) without holding up the window. A newer write of a value
// replaces one still waiting.
class BackgroundStoreWriter
{
public:
    // `file` is a store already opened (and checked) by the program.
    explicit BackgroundStoreWriter(QString file);
    // Finishes what is queued.
    ~BackgroundStoreWriter();
    BackgroundStoreWriter(const BackgroundStoreWriter &) = delete;
    BackgroundStoreWriter &operator=(const BackgroundStoreWriter &) = delete;

    // Called on the writer's thread once a write is done: whether it landed.
    using Done = std::function<void(bool landed)>;
    // Sets a binary value under a key of the current user, making the key
    // when it is not there.
    void write(QString key, QString name, QByteArray bytes, Done done = {});
    // Returns once everything queued so far is written (or has failed).
    void flush();

private:
    void run();

    const QString m_file;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    // Queued values by "key\name".
    struct Job
    {
        QString key;
        QString name;
        QByteArray bytes;
        Done done;
    };
    std::map<QString, Job> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
