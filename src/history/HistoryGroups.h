#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Where the History Panel files one visited address: under which site, in
// which date group, with which text. Pure functions of the address, the
// times and today's date, so that every case can be checked by itself.
namespace HistoryGroups {

// The site an address is shown under: the host of an http, https or ftp
// address, "我的电脑" for a file, nothing for any other address (not shown).
std::optional<QString> siteOf(const QString &address);

// The day an entry is filed under: the later of its last visit and its last
// update, in local time.
QDate dayOf(const QDateTime &lastVisited, const QDateTime &lastUpdated = {});

// The Monday of the week that holds `today` (Sunday counts as the week's
// seventh day).
QDate weekStart(const QDate &today);

// A date group: its label and the key root items are sorted by (the oldest
// week first, Sunday last).
struct Group
{
    QString label;
    int key = 0;
    bool operator==(const Group &) const = default;
};

// The group of a day, seen from today: "N周以前" or "上周" before this
// week, "今天" for today, the weekday's name for another day of this week.
Group groupOf(const QDate &day, const QDate &today);

// The name of a weekday, 1 (Monday) to 7 (Sunday).
QString weekdayName(int dayOfWeek);

// What a page item shows: the title, or without one the part of the
// address after its last "/".
QString pageText(const QString &address, const QString &title);

// The label of the group of today's visits, which is read again whenever the
// panel is shown.
QString todayLabel();

} // namespace HistoryGroups
