// Where the History Panel files a visit: site, date group and page text,
// row by row.
#include "history/HistoryGroups.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using HistoryGroups::Group;

struct SiteRow
{
    const char *address;
    std::optional<QString> site;
};

TEST(HistoryGroups, SiteComesFromTheFirstFiveCharacters)
{
    const SiteRow rows[] = {
        {"http://www.example.com/a/b.html", QStringLiteral("www.example.com")},
        {"https://secure.example.org/", QStringLiteral("secure.example.org")},
        {"https://host.example:8443/x?y=/z", QStringLiteral("host.example:8443")},
        {"http://bare.example", QStringLiteral("bare.example")},
        {"HTTP://Upper.Example/", QStringLiteral("Upper.Example")},
        {"ftp://files.example/pub/readme.txt", QStringLiteral("files.example")},
        {"file:///home/user/page.html", QStringLiteral("我的电脑")},
        {"file:/C:/x.htm", QStringLiteral("我的电脑")},
        {"about:blank", std::nullopt},
        {"mailto:someone@example.com", std::nullopt},
        {"javascript:void(0)", std::nullopt},
        {"ftp:x", std::nullopt}, // "ftp:x" is not "ftp:/"
        {"gopher://old.example/", std::nullopt},
        {"", std::nullopt},
    };
    for (const SiteRow &row : rows)
        EXPECT_EQ(HistoryGroups::siteOf(QString::fromUtf8(row.address)), row.site) << row.address;
}

struct GroupRow
{
    QDate day;
    QDate today;
    const char *label;
    int key;
};

TEST(HistoryGroups, DayFallsIntoItsGroupSeenFromToday)
{
    const QDate wednesday(2024, 3, 13); // week starts Monday 2024-03-11
    const QDate sunday(2024, 3, 17);    // the same week's last day
    const QDate monday(2024, 3, 11);
    // Europe's clocks went forward on Sunday 2024-03-31 and back on Sunday
    // 2024-10-27: those weeks have a day of 23 and one of 25 hours.
    const QDate afterSpring(2024, 4, 2);
    const QDate afterAutumn(2024, 10, 29);
    const GroupRow rows[] = {
        {wednesday, wednesday, "今天", -5},
        {QDate(2024, 3, 12), wednesday, "星期二", -6},
        {monday, wednesday, "星期一", -7}, // exactly the week's start
        {QDate(2024, 3, 14), wednesday, "星期四", -4}, // later this week (a clock put back)
        {QDate(2024, 3, 10), wednesday, "上周", -8},   // the Sunday before
        {QDate(2024, 3, 4), wednesday, "上周", -8},    // seven days before
        {QDate(2024, 3, 3), wednesday, "2周以前", -9},  // eight days before
        {QDate(2024, 3, 2), wednesday, "2周以前", -9},  // nine days before
        {QDate(2024, 2, 26), wednesday, "2周以前", -9}, // fourteen days before
        {QDate(2024, 2, 25), wednesday, "3周以前", -10},
        {QDate(2023, 3, 13), wednesday, "52周以前", -59}, // 364 days before
        {sunday, sunday, "今天", -1},
        {QDate(2024, 3, 16), sunday, "星期六", -2},
        {monday, sunday, "星期一", -7},
        {QDate(2024, 3, 10), sunday, "上周", -8},
        {monday, monday, "今天", -7},
        {QDate(2024, 3, 10), monday, "上周", -8},
        {QDate(2024, 3, 3), monday, "2周以前", -9},
        {QDate(2024, 3, 31), afterSpring, "上周", -8},
        {QDate(2024, 3, 25), afterSpring, "上周", -8},
        {QDate(2024, 3, 24), afterSpring, "2周以前", -9},
        {QDate(2024, 10, 27), afterAutumn, "上周", -8},
        {QDate(2024, 10, 21), afterAutumn, "上周", -8},
        {QDate(2024, 10, 20), afterAutumn, "2周以前", -9},
        {QDate(2024, 10, 28), afterAutumn, "星期一", -7},
    };
    for (const GroupRow &row : rows) {
        EXPECT_EQ(HistoryGroups::groupOf(row.day, row.today), (Group{QString::fromUtf8(row.label), row.key}))
            << row.day.toString(Qt::ISODate).toStdString() << " seen from "
            << row.today.toString(Qt::ISODate).toStdString();
    }
}

TEST(HistoryGroups, EveryWeekdayHasItsNameAndSundayComesLast)
{
    const QDate monday(2024, 3, 11);
    const QDate sunday = monday.addDays(6);
    const char *names[] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    int previousKey = -100;
    for (int i = 0; i < 6; ++i) {
        const Group group = HistoryGroups::groupOf(monday.addDays(i), sunday);
        EXPECT_EQ(group.label, QString::fromUtf8(names[i]));
        EXPECT_GT(group.key, previousKey);
        previousKey = group.key;
    }
    EXPECT_EQ(HistoryGroups::weekdayName(7), QStringLiteral("星期日"));
    EXPECT_GT(HistoryGroups::groupOf(sunday, sunday).key, previousKey);
}

TEST(HistoryGroups, TheWeekStartsOnMonday)
{
    EXPECT_EQ(HistoryGroups::weekStart(QDate(2024, 3, 13)), QDate(2024, 3, 11));
    EXPECT_EQ(HistoryGroups::weekStart(QDate(2024, 3, 11)), QDate(2024, 3, 11));
    EXPECT_EQ(HistoryGroups::weekStart(QDate(2024, 3, 17)), QDate(2024, 3, 11)); // Sunday is day 7
    EXPECT_EQ(HistoryGroups::weekStart(QDate(2024, 1, 2)), QDate(2024, 1, 1));
    EXPECT_EQ(HistoryGroups::weekStart(QDate(2025, 1, 1)), QDate(2024, 12, 30)); // across the year
}

TEST(HistoryGroups, TheDayIsTheLaterOfVisitAndUpdateInLocalTime)
{
    const QDateTime visited(QDate(2024, 3, 12), QTime(23, 59, 59));
    const QDateTime updated(QDate(2024, 3, 13), QTime(0, 0, 1));
    EXPECT_EQ(HistoryGroups::dayOf(visited), QDate(2024, 3, 12));
    EXPECT_EQ(HistoryGroups::dayOf(visited, updated), QDate(2024, 3, 13));
    EXPECT_EQ(HistoryGroups::dayOf(updated, visited), QDate(2024, 3, 13));
    // A time kept in UTC is filed by the local day it fell on.
    EXPECT_EQ(HistoryGroups::dayOf(visited.toUTC()), QDate(2024, 3, 12));
}

TEST(HistoryGroups, PageTextIsTheTitleElseTheAddressAfterItsLastSlash)
{
    EXPECT_EQ(HistoryGroups::pageText(QStringLiteral("http://a.example/x/y.html"), QStringLiteral("Why")),
              QStringLiteral("Why"));
    EXPECT_EQ(HistoryGroups::pageText(QStringLiteral("http://a.example/x/y.html"), QString()), QStringLiteral("y.html"));
    EXPECT_EQ(HistoryGroups::pageText(QStringLiteral("http://a.example/x/"), QString()), QString());
    EXPECT_EQ(HistoryGroups::pageText(QStringLiteral("http://a.example/q?u=1/2"), QString()), QStringLiteral("2"));
    EXPECT_EQ(HistoryGroups::pageText(QStringLiteral("noslash"), QString()), QStringLiteral("noslash"));
}

} // namespace
