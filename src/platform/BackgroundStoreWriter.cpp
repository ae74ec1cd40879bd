#include "platform/BackgroundStoreWriter.h"

#include "platform/RegistryStore.h"

BackgroundStoreWriter::BackgroundStoreWriter(QString file)
    : m_file(std::move(file))
    , m_thread([this] { run(); })
{
}

BackgroundStoreWriter::~BackgroundStoreWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void BackgroundStoreWriter::write(QString key, QString name, QByteArray bytes, Done done)
{
    {
        std::lock_guard lock(m_mutex);
        // Keys and names are compared without case, as the store does.
        const QString path = (key + QLatin1Char('\\') + name).toLower();
        m_queue[path] = {std::move(key), std::move(name), std::move(bytes), std::move(done)};
    }
    m_wake.notify_one();
}

void BackgroundStoreWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void BackgroundStoreWriter::run()
{
    // The connection belongs to this thread alone.
    RegistryStore store;
    bool attached = false;
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            break; // stopping, nothing left
        auto job = std::move(m_queue.begin()->second);
        m_queue.erase(m_queue.begin());
        m_busy = true;
        lock.unlock();
        if (!attached)
            attached = store.attach(m_file);
        const bool landed = attached
            && store.createAndSetValue(Hive::CurrentUser, job.key, job.name, RegValue::fromBinary(job.bytes));
        if (!landed) {
            // A connection that failed may be the reason: a new one next time.
            store.close();
            attached = false;
        }
        if (job.done)
            job.done(landed);
        lock.lock();
        m_busy = false;
        if (m_queue.empty())
            m_idle.notify_all();
    }
    m_idle.notify_all();
}
