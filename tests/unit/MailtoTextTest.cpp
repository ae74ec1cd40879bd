// The mailto: addresses of the mail commands.
#include "pages/MailtoText.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

// The query's values, decoded as the mail program decodes them.
QString value(const QString &mailto, const QString &key)
{
    return QUrlQuery(QUrl(mailto).query(QUrl::FullyEncoded)).queryItemValue(key, QUrl::FullyDecoded);
}

TEST(MailtoTextTest, SubjectRows)
{
    struct Row
    {
        const char *address, *title, *subject;
    } rows[] = {
        {"http://example.com/a", "A page", "A page.htm"},
        // A title that is an address: its last part, colons made "_".
        {"http://example.com/a/b/", "http://example.com/a/b/", "b.htm"},
        {"http://example.com:8080", "http://example.com:8080", "example.com_8080.htm"},
        // A local file: its path, nothing appended.
        {"file:///home/u/my%20page.html", "my page", "/home/u/my page.html"},
        {"https://example.com/", "Q&A #1? yes", "Q&A #1? yes.htm"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(MailtoText::subjectFor(QString::fromUtf8(row.address), QString::fromUtf8(row.title)),
                  QString::fromUtf8(row.subject))
            << row.address;
}

TEST(MailtoTextTest, TitlesAndAddressesWithReservedCharactersArriveWhole)
{
    const QString address = QStringLiteral("http://example.com/search?q=a&b=c#top");
    const QString mailto = MailtoText::forAddress(address, QStringLiteral("Q&A #1? 问 答"), QStringLiteral("\r\n--\r\nsig"));
    EXPECT_TRUE(mailto.startsWith(QLatin1String("mailto:?subject=")));
    // One query of two keys: nothing spilled into a key, a fragment or a blank.
    EXPECT_FALSE(mailto.contains(QLatin1Char(' ')));
    EXPECT_FALSE(mailto.contains(QLatin1Char('#')));
    EXPECT_EQ(mailto.count(QLatin1Char('&')), 1);
    EXPECT_EQ(value(mailto, QStringLiteral("subject")), QStringLiteral("Q&A #1? 问 答.htm"));
    EXPECT_EQ(value(mailto, QStringLiteral("body")), address + QStringLiteral("\r\n--\r\nsig"));
}

TEST(MailtoTextTest, RecipientsAreTheMailtoLinksOnceEachWithoutTheirQuery)
{
    const QStringList links{QStringLiteral("http://example.com/"), QStringLiteral("mailto:a@example.com?subject=x"),
                            QStringLiteral("MAILTO:b%20c@example.com"), QStringLiteral("mailto:a@example.com"),
                            QStringLiteral("mailto:"), QStringLiteral("javascript:mailto:x@y")};
    const QStringList to = MailtoText::recipients(links);
    EXPECT_EQ(to, (QStringList{QStringLiteral("a@example.com"), QStringLiteral("b c@example.com")}));

    const QString mailto = MailtoText::forRecipients(to, QStringLiteral("Hi & welcome"), QStringLiteral("line 1\r\nline 2"));
    EXPECT_TRUE(mailto.startsWith(QLatin1String("mailto:a@example.com,b%20c@example.com?subject="))) << mailto.toStdString();
    EXPECT_EQ(value(mailto, QStringLiteral("subject")), QStringLiteral("Hi & welcome"));
    EXPECT_EQ(value(mailto, QStringLiteral("body")), QStringLiteral("line 1\r\nline 2"));
    EXPECT_TRUE(MailtoText::forRecipients({}, QStringLiteral("s"), QStringLiteral("b")).startsWith(QLatin1String("mailto:?")));
}

} // namespace
