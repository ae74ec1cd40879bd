#pragma once

#include "history/HistoryStore.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <functional>

// Turns what the Pages' top-level documents do into visits of the history:
// a visit is recorded when a navigation commits, taken back when that load
// ends on an error page, and given the page's title when it arrives. Pages
// are told apart by an opaque pointer; about:blank is never recorded.
class HistoryRecorder
{
public:
    using Clock = std::function<QDateTime()>;
    explicit HistoryRecorder(HistoryStore &store, Clock clock = &QDateTime::currentDateTime);

    void committed(const void *page, const QString &address);
    // The load that committed last ended on an error page.
    void failed(const void *page);
    // The load is over: an error no longer concerns its visit.
    void finished(const void *page);
    void titled(const void *page, const QString &title);
    // The Page is gone.
    void closed(const void *page);

private:
    struct Load
    {
        HistoryStore::VisitId visit = 0;
        QString address;
        bool underWay = false; // committed, not yet finished
        QString title;         // the latest title (written once the load is over)
    };

    HistoryStore &m_store;
    Clock m_clock;
    QHash<const void *, Load> m_loads;
};
