#include "history/HistoryRecorder.h"

namespace {

// A title that only repeats the address (the engine names an untitled
// document after its address, with or without the scheme) is no title.
bool namesOnlyAddress(const QString &title, const QString &address)
{
    if (title.compare(address, Qt::CaseInsensitive) == 0)
        return true;
    const int scheme = address.indexOf(QLatin1String("://"));
    return scheme > 0 && title.compare(QStringView(address).mid(scheme + 3), Qt::CaseInsensitive) == 0;
}

} // namespace

HistoryRecorder::HistoryRecorder(HistoryStore &store, Clock clock)
    : m_store(store)
    , m_clock(std::move(clock))
{
}

void HistoryRecorder::committed(const void *page, const QString &address)
{
    if (address.isEmpty() || address.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0) {
        m_loads.remove(page);
        return;
    }
    m_loads.insert(page, {m_store.recordVisit(address, QString(), m_clock()), address, true, QString()});
}

void HistoryRecorder::failed(const void *page)
{
    const auto load = m_loads.constFind(page);
    if (load == m_loads.constEnd() || !load->underWay)
        return;
    m_store.forgetVisit(load->visit);
    m_loads.erase(load);
}

void HistoryRecorder::finished(const void *page)
{
    const auto load = m_loads.find(page);
    if (load == m_loads.end() || !load->underWay)
        return;
    load->underWay = false;
    // A title that came while the load could still fail is written now.
    if (!load->title.isEmpty())
        m_store.setTitle(load->address, load->title);
}

void HistoryRecorder::titled(const void *page, const QString &title)
{
    const auto load = m_loads.find(page);
    if (load == m_loads.end() || title.isEmpty() || title == load->title
        || title.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0
        || namesOnlyAddress(title, load->address)) {
        return;
    }
    load->title = title;
    if (!load->underWay)
        m_store.setTitle(load->address, title);
}

void HistoryRecorder::closed(const void *page)
{
    m_loads.remove(page);
}
