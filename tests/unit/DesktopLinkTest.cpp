// Link entries on the desktop: where the desktop is and what a link holds.
#include "platform/DesktopEntries.h"
#include "platform/DesktopLink.h"

#include "FakeTools.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DesktopLinkTest, TheDesktopIsWhereXdgUserDirSaysElseTheHomesDesktop)
{
    QTemporaryDir tools;
    {
        const FakeTool fake(tools.path(), QStringLiteral("xdg-user-dir"),
                            QStringLiteral("[ \"$1\" = DESKTOP ] && echo /srv/elsewhere/Schreibtisch/"));
        EXPECT_EQ(DesktopLink::desktopFolder(), QStringLiteral("/srv/elsewhere/Schreibtisch"));
    }
    {
        // Nothing usable said: the home's Desktop.
        const FakeTool fake(tools.path(), QStringLiteral("xdg-user-dir"), QStringLiteral("exit 1"));
        EXPECT_EQ(DesktopLink::desktopFolder(), QDir::home().filePath(QStringLiteral("Desktop")));
    }
    {
        const OnlyOnPath empty(tools.path());
        EXPECT_EQ(DesktopLink::desktopFolder(), QDir::home().filePath(QStringLiteral("Desktop")));
    }
}

TEST(DesktopLinkTest, ALinkEntryReadsBackAsWritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.desktop"));
    const QString name = QStringLiteral("第一页\nType=Application\\x");
    const QString address = QStringLiteral("http://example.com/a?b=1&c=%20#d");
    ASSERT_TRUE(DesktopLink::write(path, name, address));
    const QHash<QString, QString> keys = DesktopEntries::readEntryGroup(path);
    EXPECT_EQ(keys.value(QStringLiteral("Type")), QStringLiteral("Link"));
    EXPECT_EQ(keys.value(QStringLiteral("URL")), address);
    // A line break in a title cannot add a key of its own.
    const QStringList lines = QString::fromUtf8(DesktopLink::content(name, address)).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^Type="))), QStringList{QStringLiteral("Type=Link")});
    EXPECT_TRUE(keys.value(QStringLiteral("Name")).startsWith(QStringLiteral("第一页")));

    EXPECT_FALSE(DesktopLink::write(folder.filePath(QStringLiteral("missing/a.desktop")), name, address));
}

} // namespace
