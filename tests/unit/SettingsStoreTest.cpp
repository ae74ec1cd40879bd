#include "core/AppSwitches.h"
#include "core/SettingsStore.h"
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { registry.open(freshProfileDir() + QStringLiteral("/registry.db")); }
    RegistryStore registry;
    SettingsStore store{registry};
};

TEST_F(SettingsStoreTest, AnEmptyStoreReadsEveryDefaultAndWritesNothing)
{
    for (const IntSetting &s : settings::allIntSettings())
        EXPECT_EQ(store.read(s), s.def) << s.section << "\\" << s.value;
    for (const TextSetting &s : settings::allTextSettings()) {
        if (s.def)
            EXPECT_EQ(store.read(s), QString::fromUtf8(s.def)) << s.section << "\\" << s.value;
    }
    EXPECT_EQ(store.read(settings::logo, QStringLiteral("/data/logo.gif")), QStringLiteral("/data/logo.gif"));
    EXPECT_TRUE(store.read(settings::lastvisit).isEmpty());
    EXPECT_TRUE(registry.subkeys(Hive::CurrentUser, QString()).isEmpty());
}

TEST_F(SettingsStoreTest, TheTableNamesEachSettingOnce)
{
    QSet<QString> seen;
    auto add = [&](const char *section, const char *value) {
        const QString name = (QLatin1String(section) + QLatin1Char('\\') + QLatin1String(value)).toLower();
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
    };
    for (const IntSetting &s : settings::allIntSettings())
        add(s.section, s.value);
    for (const TextSetting &s : settings::allTextSettings())
        add(s.section, s.value);
    EXPECT_EQ(seen.size(), 67);
}

TEST_F(SettingsStoreTest, SectionsIgnoreCase)
{
    ASSERT_TRUE(store.writeInt(QStringLiteral("Settings"), QStringLiteral("tabtop"), 0));
    EXPECT_EQ(store.read(settings::tabtop), 0);
    ASSERT_TRUE(store.writeInt(QStringLiteral("MainFrame"), QStringLiteral("bMax"), 1));
    EXPECT_EQ(store.read(settings::bMax), 1);
    ASSERT_TRUE(store.write(settings::cleanShow, 0));
    EXPECT_EQ(store.readInt(QStringLiteral("CleanDlg"), QStringLiteral("SHOW"), 1), 0);
    // The logo path is read straight from the key under another spelling.
    ASSERT_TRUE(store.write(settings::logo, QStringLiteral("/pics/x.gif")));
    EXPECT_EQ(registry.query(Hive::CurrentUser, QStringLiteral("Software\\larkspurware\\Vesperal\\option"),
                             QStringLiteral("logo"))
                  ->text,
              QStringLiteral("/pics/x.gif"));
}

TEST_F(SettingsStoreTest, AValueOfTheWrongTypeReadsAsTheDefault)
{
    ASSERT_TRUE(store.writeText(QStringLiteral("option"), QStringLiteral("bSound"), QStringLiteral("0")));
    EXPECT_EQ(store.read(settings::bSound), 1);
    ASSERT_TRUE(store.writeInt(QStringLiteral("domains"), QStringLiteral("ctrl2"), 5));
    EXPECT_EQ(store.read(settings::ctrl2), QStringLiteral(".com"));
    ASSERT_TRUE(store.writeInt(QStringLiteral("navigate"), QStringLiteral("lastvisit"), 5));
    EXPECT_TRUE(store.read(settings::lastvisit).isEmpty());
}

TEST_F(SettingsStoreTest, WritesAreStoredWithTheirTypes)
{
    ASSERT_TRUE(store.write(settings::changeIpTimer, 1500));
    ASSERT_TRUE(store.write(settings::curProxy, QStringLiteral("10.0.0.1:8080")));
    const QByteArray visits("http://a/\nhttp://b/\n\0", 21);
    ASSERT_TRUE(store.write(settings::lastvisit, visits));
    const QString key = QStringLiteral("Software\\Larkspurware\\Vesperal\\");
    EXPECT_EQ(registry.query(Hive::CurrentUser, key + QStringLiteral("proxy"), QStringLiteral("changeIpTimer"))->type,
              RegType::Dword);
    EXPECT_EQ(registry.query(Hive::CurrentUser, key + QStringLiteral("proxy"), QStringLiteral("curProxy"))->type,
              RegType::Sz);
    EXPECT_EQ(registry.query(Hive::CurrentUser, key + QStringLiteral("navigate"), QStringLiteral("lastvisit"))->binary,
              visits);
    EXPECT_EQ(store.read(settings::lastvisit), visits);
}

TEST_F(SettingsStoreTest, SwitchesLoadFromTheirSettings)
{
    AppSwitches defaults;
    defaults.favoritesChanged = 2;
    defaults.load(store);
    EXPECT_TRUE(defaults.bNewWindowFollow);
    EXPECT_FALSE(defaults.bNewWindowActive);
    EXPECT_TRUE(defaults.KillPopup);
    EXPECT_EQ(defaults.startuptype, 2);
    EXPECT_EQ(defaults.favoritesChanged, 0);

    store.write(settings::bNewWindowFollow, 0);
    store.write(settings::KillPopup, 0);
    store.write(settings::bSound, 0);
    store.write(settings::startuptype, 4);
    AppSwitches changed;
    changed.load(store);
    EXPECT_FALSE(changed.bNewWindowFollow);
    EXPECT_FALSE(changed.KillPopup);
    EXPECT_FALSE(changed.bSound);
    EXPECT_EQ(changed.startuptype, 4);
}

} // namespace
