// How a text given as an address becomes what the engine loads.
#include "pages/TypedAddress.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(TypedAddress, HostsAreWebAddressesAndOnlyPathsOrExistingFilesAreFiles)
{
    const QString work = freshProfileDir();
    const QString home = freshProfileDir();
    QFile existing(work + QStringLiteral("/page.html"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    struct Row { const char *typed; QString url; };
    const Row rows[] = {
        {"www.example.com", QStringLiteral("http://www.example.com")},
        {"example.com/x", QStringLiteral("http://example.com/x")},
        {"127.0.0.1:8765/e.html", QStringLiteral("http://127.0.0.1:8765/e.html")},
        {"localhost:8765/e.html", QStringLiteral("http://localhost:8765/e.html")},
        {"  www.example.com  ", QStringLiteral("http://www.example.com")},
        {"example", QStringLiteral("http://example")},
        {"https://example.com/a b", QStringLiteral("https://example.com/a%20b")},
        {"about:blank", QStringLiteral("about:blank")},
        {"view-source:http://example.com/", QStringLiteral("view-source:http://example.com/")},
        {"mailto:someone@example.com", QStringLiteral("mailto:someone@example.com")},
        {"/etc/hosts", QStringLiteral("file:///etc/hosts")},
        {"./a/../b.html", QUrl::fromLocalFile(work + QStringLiteral("/b.html")).toString()},
        {"../up.html", QUrl::fromLocalFile(QDir::cleanPath(work + QStringLiteral("/../up.html"))).toString()},
        {"~/notes.html", QUrl::fromLocalFile(home + QStringLiteral("/notes.html")).toString()},
        {"page.html", QUrl::fromLocalFile(work + QStringLiteral("/page.html")).toString()},
        // A name that is no file here is a host.
        {"missing.html", QStringLiteral("http://missing.html")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(TypedAddress::toUrl(QString::fromUtf8(row.typed), work, home).toString(QUrl::FullyEncoded), row.url);
    }
    EXPECT_FALSE(TypedAddress::toUrl(QStringLiteral("   "), work, home).isValid());
}

} // namespace
