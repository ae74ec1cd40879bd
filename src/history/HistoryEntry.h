#pragma once

#include <QDateTime>
#include <QString>

// One visited address as the History Panel lists it.
struct HistoryEntry
{
    QString address;
    QString title;         // the latest title the page had; may be empty
    QDateTime lastVisited; // in UTC
    int visitCount = 0;
};
