#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "platform/BackgroundStoreWriter.h"
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Writes off the window's thread land in the store the program reads, the
// newest value winning; nothing is lost when the writer goes.
TEST(BackgroundStoreWriter, WritesThroughASecondConnectionAndFinishesOnTheWayOut)
{
    const QString file = freshProfileDir() + QStringLiteral("/registry.db");
    RegistryStore registry;
    ASSERT_EQ(registry.open(file).status, RegistryStore::OpenStatus::Created);
    SettingsStore settings(registry);
    const QString key = settings.keyOf(QLatin1String(settings::lastvisit.section));
    const QString name = QLatin1String(settings::lastvisit.value);
    {
        BackgroundStoreWriter writer(file);
        for (int i = 0; i < 50; ++i)
            writer.write(key, name, QByteArray("value ") + QByteArray::number(i));
        writer.flush();
        EXPECT_EQ(settings.read(settings::lastvisit), QByteArray("value 49"));
        // The window's own writes go on meanwhile.
        EXPECT_TRUE(settings.write(settings::barLayout, "layout"));
        writer.write(key, name, "last");
    }
    EXPECT_EQ(settings.read(settings::lastvisit), QByteArray("last"));
    EXPECT_EQ(settings.read(settings::barLayout), QByteArray("layout"));

    // A file that is no store is left as it is, and nothing breaks.
    const QString other = freshProfileDir() + QStringLiteral("/not-a-store");
    QFile f(other);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("plain text");
    f.close();
    {
        BackgroundStoreWriter writer(other);
        writer.write(key, name, "x");
        writer.flush();
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("plain text"));
    const QString none = freshProfileDir() + QStringLiteral("/none.db");
    RegistryStore missing;
    EXPECT_FALSE(missing.attach(none));
    EXPECT_FALSE(QFile::exists(none));
}

} // namespace
