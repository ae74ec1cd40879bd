// The addresses above an address, row by row.
#include "pages/UpLevel.h"

#include <gtest/gtest.h>

namespace {

struct UpRow
{
    const char *address;
    const char *parent; // nullptr: none
};

TEST(UpLevelTest, ParentRows)
{
    const UpRow rows[] = {
        // Two folder levels ending in "/": the first level, ending in "/".
        {"http://example.com/a/b/", "http://example.com/a/"},
        {"http://example.com/a/b.html", "http://example.com/a/"},
        {"https://example.com/a", "https://example.com/"},
        {"ftp://ftp.example.com/pub/x/", "ftp://ftp.example.com/pub/"},
        {"file:///home/u/page.html", "file:///home/u/"},
        {"/home/u/page.html", "/home/u/"},
        {"HTTP://example.com/a/b", "HTTP://example.com/a/"},
        // A path of one character has nothing above it.
        {"http://example.com/", nullptr},
        {"http://example.com", nullptr},
        // Other kinds of address.
        {"about:blank", nullptr},
        {"mailto:a@example.com/x/y", nullptr},
        {"javascript:void(0)/a/b", nullptr},
        {"", nullptr},
        {"example.com/a/b", nullptr},
    };
    for (const UpRow &row : rows) {
        const std::optional<QString> parent = UpLevel::parent(QString::fromUtf8(row.address));
        if (row.parent)
            EXPECT_EQ(parent.value_or(QStringLiteral("<none>")), QString::fromUtf8(row.parent)) << row.address;
        else
            EXPECT_FALSE(parent.has_value()) << row.address << " -> " << parent->toStdString();
    }
}

TEST(UpLevelTest, AncestorsNearestFirstUpToTheServer)
{
    EXPECT_EQ(UpLevel::ancestors(QStringLiteral("http://example.com/a/b/c.html")),
              (QStringList{QStringLiteral("http://example.com/a/b/"), QStringLiteral("http://example.com/a/"),
                           QStringLiteral("http://example.com/")}));
    EXPECT_EQ(UpLevel::ancestors(QStringLiteral("file:///home/u/")),
              (QStringList{QStringLiteral("file:///home/"), QStringLiteral("file:///")}));
    EXPECT_TRUE(UpLevel::ancestors(QStringLiteral("http://example.com/")).isEmpty());
}

} // namespace
