#include "history/HistoryGroups.h"

#include <QCoreApplication>

namespace HistoryGroups {

namespace {

// The group names' translations, under the name of these rules.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryGroups)
};

} // namespace

std::optional<QString> siteOf(const QString &address)
{
    // The scheme is told by the first five characters; what follows the
    // scheme's slashes up to the next "/" is the site.
    const QStringView head = QStringView(address).left(5);
    int skip = 0;
    if (head.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)
        skip = 8;
    else if (head.compare(QLatin1String("http:"), Qt::CaseInsensitive) == 0)
        skip = 7;
    else if (head.compare(QLatin1String("ftp:/"), Qt::CaseInsensitive) == 0)
        skip = 6;
    else if (head.compare(QLatin1String("file:"), Qt::CaseInsensitive) == 0)
        return Texts::tr("我的电脑");
    else
        return std::nullopt;
    const QString rest = address.mid(skip);
    return rest.left(rest.indexOf(QLatin1Char('/')));
}

QDate dayOf(const QDateTime &lastVisited, const QDateTime &lastUpdated)
{
    const QDateTime later = lastUpdated.isValid() && lastUpdated > lastVisited ? lastUpdated : lastVisited;
    return later.toLocalTime().date();
}

QDate weekStart(const QDate &today)
{
    return today.addDays(1 - today.dayOfWeek());
}

QString weekdayName(int dayOfWeek)
{
    switch (dayOfWeek) {
    case 1: return Texts::tr("星期一");
    case 2: return Texts::tr("星期二");
    case 3: return Texts::tr("星期三");
    case 4: return Texts::tr("星期四");
    case 5: return Texts::tr("星期五");
    case 6: return Texts::tr("星期六");
    case 7: return Texts::tr("星期日");
    default: return {};
    }
}

QString todayLabel()
{
    return Texts::tr("今天");
}

Group groupOf(const QDate &day, const QDate &today)
{
    const QDate start = weekStart(today);
    if (day < start) {
        // Whole weeks back, a part of a week counting as one.
        const int weeks = int((day.daysTo(start) + 6) / 7);
        if (weeks > 1)
            return {QString::number(weeks) + Texts::tr("周以前"), -weeks - 7};
        return {Texts::tr("上周"), -8};
    }
    const int weekday = day.dayOfWeek();
    const int key = weekday == 7 ? -1 : weekday - 8;
    return {day == today ? todayLabel() : weekdayName(weekday), key};
}

QString pageText(const QString &address, const QString &title)
{
    if (!title.isEmpty())
        return title;
    return address.mid(address.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace HistoryGroups
