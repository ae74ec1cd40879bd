// The Pages a start opens, and the addresses kept for the next one.
#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsTable.h"
#include "pages/CWebBrowser2.h"
#include "pages/LastVisit.h"
#include "pages/StartupPages.h"

#include "FrameFixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <sys/stat.h>

namespace {

TEST(LastVisit, ReadsWhatItWritesAndAsMuchOfAnythingElseAsMakesSense)
{
    const QStringList three{QStringLiteral("http://r.example/"), QStringLiteral("http://q.example/"),
                            QStringLiteral("http://p.example/")};
    EXPECT_EQ(LastVisit::format(three), QByteArray("http://r.example/\nhttp://q.example/\nhttp://p.example/\n\0", 55));
    EXPECT_EQ(LastVisit::format({QStringLiteral("about:blank")}), QByteArray("about:blank\n\0", 13));
    EXPECT_EQ(LastVisit::parse(LastVisit::format(three)), three);

    struct Row { const char *what; QByteArray value; QStringList addresses; };
    const Row rows[] = {
        {"runs of line feeds separate like one", QByteArray("a\n\n\nb\n\0", 7), {"a", "b"}},
        {"only line feeds", QByteArray("\n\n\n\0", 4), {}},
        {"nothing", QByteArray(), {}},
        {"no terminating zero", QByteArray("a\nb"), {"a", "b"}},
        {"the first zero ends the text", QByteArray("a\n\0b\n\0", 6), {"a"}},
        {"binary garbage between addresses", QByteArray("a\n\xff\xfe\x01\x02\nb\n\0", 10), {"a", "b"}},
        {"control characters are no address", QByteArray("a\x07x\nb\n\0", 7), {"b"}},
        {"carriage returns of another writer", QByteArray("a\r\nb\r\n\0", 7), {"a", "b"}},
        {"non-ASCII addresses", QByteArray("http://例子.测试/\n\0"), {QStringLiteral("http://例子.测试/")}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(LastVisit::parse(row.value), row.addresses);
    }

    // Absurd sizes: a piece longer than any address is dropped; at most so many are taken.
    const QByteArray huge = "a\n" + QByteArray(LastVisit::kMaxAddressBytes + 1, 'x') + "\nb\n";
    EXPECT_EQ(LastVisit::parse(huge), (QStringList{"a", "b"}));
    EXPECT_EQ(LastVisit::parse(QByteArray("x\n").repeated(LastVisit::kMaxAddresses + 500)).size(),
              LastVisit::kMaxAddresses);
}

class StartupPagesTest : public FrameFixture
{
protected:
    void storeLastVisit(const QByteArray &value) { settings.write(settings::lastvisit, value); }
    void setType(int type) { settings.write(settings::startuptype, type); }

    QStringList tabs()
    {
        QStringList addresses;
        for (int i = 0; i < host().list().count(); ++i)
            addresses << host().list().at(i)->address();
        return addresses;
    }

    QStringList closedNewestFirst()
    {
        QStringList addresses;
        const ClosedPageList &closed = host().list().closed();
        for (int slot : closed.slotsNewestFirst())
            addresses << closed.at(slot).address;
        return addresses;
    }

    void writeUrlList(const QByteArray &content)
    {
        QDir().mkpath(profile + QStringLiteral("/data"));
        QFile f(profile + QStringLiteral("/data/startuplist.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    const QString P = QStringLiteral("http://p.example/");
    const QString Q = QStringLiteral("http://q.example/");
    const QString R = QStringLiteral("http://r.example/");
};

TEST_F(StartupPagesTest, TheLastExitsPagesComeBackInTheirOrderAndCanBeReopened)
{
    // An exit with tabs P, Q, R.
    frame();
    host().OpenInCurrentPage(P);
    host().appendPage(Q, QStringLiteral("Q"));
    host().appendPage(R, QStringLiteral("R"));
    ASSERT_EQ(tabs(), (QStringList{P, Q, R}));
    restart();
    EXPECT_EQ(settings.read(settings::lastvisit), LastVisit::format({R, Q, P}));

    // Type 2 (the default): tabs P, Q, R as at exit, the first active; P is
    // the most recent closed Page.
    EXPECT_EQ(tabs(), (QStringList{P, Q, R}));
    EXPECT_EQ(host().list().current(), 0);
    EXPECT_EQ(host().list().previous(), 0);
    EXPECT_EQ(closedNewestFirst(), (QStringList{P, Q, R}));

    // A second restart keeps the order (it used to turn round every time).
    restart();
    EXPECT_EQ(tabs(), (QStringList{P, Q, R}));
    EXPECT_EQ(settings.read(settings::lastvisit), LastVisit::format({R, Q, P}));

    // Type 1: one blank Page; reopening gives P, then Q, then R.
    setType(1);
    restart();
    storeLastVisit(LastVisit::format({R, Q, P}));
    EXPECT_EQ(tabs(), QStringList{QStringLiteral("about:blank")});
    frame().runCommand(cmd::ReopenLastClosed);
    EXPECT_EQ(tabs(), QStringList{P}); // the blank Page took it
    frame().runCommand(cmd::ReopenLastClosed);
    frame().runCommand(cmd::ReopenLastClosed);
    EXPECT_EQ(tabs().mid(0, 1), QStringList{P});
    EXPECT_TRUE(tabs().contains(Q) && tabs().contains(R));
}

TEST_F(StartupPagesTest, TwentyAddressesOpenTwentyPagesAndFillTheRingWithTwoToSixteen)
{
    QStringList twenty;
    for (int i = 1; i <= 20; ++i)
        twenty << QStringLiteral("http://site%1.example/").arg(i);
    storeLastVisit(LastVisit::format(twenty));
    QStringList tabsAtExit = twenty;
    std::reverse(tabsAtExit.begin(), tabsAtExit.end());
    EXPECT_EQ(tabs(), tabsAtExit);
    QStringList expected = twenty.mid(1, 15);
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(closedNewestFirst(), expected);
}

TEST_F(StartupPagesTest, NothingToRestoreGivesOneBlankPageAndTheStartAddressUsesIt)
{
    storeLastVisit(QByteArray("\n\n\0", 3));
    EXPECT_EQ(tabs(), QStringList{QStringLiteral("about:blank")});
    EXPECT_TRUE(closedNewestFirst().isEmpty());

    startAddress = P;
    restart();
    EXPECT_EQ(tabs(), QStringList{P});
    // With Pages restored, the start address opens in front of them.
    restart();
    storeLastVisit(LastVisit::format({Q, R}));
    EXPECT_EQ(tabs().size(), 3);
    EXPECT_TRUE(tabs().contains(P));
    EXPECT_EQ(host().activePage()->address(), P);
}

TEST_F(StartupPagesTest, TheUrlListOpensEveryLineTheEmptyOneToo)
{
    setType(4);
    writeUrlList("http://one.example/\r\n\nhttp://three.example/\n");
    EXPECT_EQ(tabs(), (QStringList{QStringLiteral("http://one.example/"), QStringLiteral("about:blank"),
                                   QStringLiteral("http://three.example/")}));
    EXPECT_EQ(host().list().current(), 0);
    EXPECT_TRUE(messages.told.isEmpty());

    // A list in GBK, as older releases and other tools wrote it.
    writeUrlList(QByteArray("http://\xc0\xfd\xd7\xd3.example/\n"));
    restart();
    EXPECT_EQ(tabs(), QStringList{QStringLiteral("http://例子.example/")});
}

TEST_F(StartupPagesTest, AMissingUrlListOpensABlankPageAndSaysWhereItWasLookedFor)
{
    setType(4);
    frame();
    EXPECT_EQ(tabs(), QStringList{QStringLiteral("about:blank")});
    ASSERT_EQ(messages.told.size(), 1);
    EXPECT_EQ(messages.told.first(), profile + QStringLiteral("/data/startuplist.txt not found.\n你可以删除它!"));

    // Editing the list opens it in the text editor; without one, the user is told.
    frame().runCommand(cmd::EditUrlList);
    EXPECT_EQ(editedFiles, QStringList{profile + QStringLiteral("/data/startuplist.txt")});
    editorInstalled = false;
    frame().runCommand(cmd::EditUrlList);
    EXPECT_EQ(messages.told.size(), 2);
}

TEST_F(StartupPagesTest, AHostileUrlListNeitherHangsNorFloodsTheStart)
{
    setType(4);
    // A list longer than any session: the first thousand, and only the first
    // ten load before they are shown.
    QByteArray lines;
    for (int i = 0; i < 1500; ++i)
        lines += "http://site" + QByteArray::number(i) + ".example/\n";
    writeUrlList(lines);
    EXPECT_EQ(tabs().size(), 1000);
    EXPECT_EQ(controls.made[9]->navigated, QStringList{QStringLiteral("http://site9.example/")});
    EXPECT_TRUE(controls.made[10]->navigated.isEmpty());
    EXPECT_EQ(host().list().at(999)->address(), QStringLiteral("http://site999.example/"));

    // A pipe or an endless device in its place: a blank Page and a word why.
    const QString list = profile + QStringLiteral("/data/startuplist.txt");
    for (const auto &make : std::initializer_list<std::function<bool()>>{
             [&] { return ::mkfifo(QFile::encodeName(list).constData(), 0600) == 0; },
             [&] { return QFile::link(QStringLiteral("/dev/zero"), list); },
         }) {
        restart();
        messages.told.clear();
        QFile::remove(list);
        ASSERT_TRUE(make());
        EXPECT_EQ(tabs(), QStringList{QStringLiteral("about:blank")});
        ASSERT_EQ(messages.told.size(), 1);
        EXPECT_TRUE(messages.told.first().contains(QStringLiteral("4 MB")));
    }
}

TEST_F(StartupPagesTest, OnlyTheFirstTenRestoredPagesLoadAtOnce)
{
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("http://site%1.example/").arg(i);
    storeLastVisit(LastVisit::format(twelve));
    EXPECT_EQ(tabs().size(), 12);
    EXPECT_FALSE(controls.made[9]->navigated.isEmpty());
    EXPECT_TRUE(controls.made[10]->navigated.isEmpty());
    host().SelectPage(11);
    EXPECT_FALSE(controls.made[11]->navigated.isEmpty());
}

TEST_F(StartupPagesTest, UnknownTypesAndTheHomeTypeStartWithOnePage)
{
    registry.createAndSetValue(Hive::CurrentUser, QLatin1String(mirrored::kIEMain), QStringLiteral("Start Page"),
                               RegValue::fromText(QStringLiteral("http://home.example/")));
    storeLastVisit(LastVisit::format({P, Q}));
    setType(3);
    EXPECT_EQ(tabs(), QStringList{QStringLiteral("http://home.example/")});
    EXPECT_EQ(closedNewestFirst(), (QStringList{Q, P}));
    for (int type : {0, 7, -1}) {
        SCOPED_TRACE(type);
        setType(type);
        restart();
        EXPECT_EQ(tabs(), QStringList{QStringLiteral("about:blank")});
    }
}

TEST_F(StartupPagesTest, EachStartCommandDecidesWhatTheNextStartOpens)
{
    registry.createAndSetValue(Hive::CurrentUser, QLatin1String(mirrored::kIEMain), QStringLiteral("Start Page"),
                               RegValue::fromText(QStringLiteral("http://home.example/")));
    writeUrlList("http://one.example/\nhttp://two.example/\n");
    struct Row { int command; QStringList opened; };
    const Row rows[] = {
        {cmd::StartBlank, {QStringLiteral("about:blank")}},
        {cmd::StartLastVisit, {P, Q}},
        {cmd::StartHome, {QStringLiteral("http://home.example/")}},
        {cmd::StartUrlList, {QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.command);
        frame().runCommand(row.command);
        for (const Row &other : rows)
            EXPECT_EQ(frame().isChecked(other.command), std::optional<bool>(other.command == row.command));
        restart();
        // Whatever the last exit left, these were its Pages.
        storeLastVisit(LastVisit::format({Q, P}));
        EXPECT_EQ(tabs(), row.opened);
    }
}

TEST_F(StartupPagesTest, TheOpenPagesAreKeptWithinASecondOfAChange)
{
    frame();
    const QByteArray before = settings.read(settings::lastvisit);
    host().CreatePage(Q, {}, QStringLiteral("Q"));
    // Not at once (every change would be a disk write), but soon.
    EXPECT_EQ(settings.read(settings::lastvisit), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return settings.read(settings::lastvisit) == LastVisit::format({Q, QStringLiteral("about:blank")}); }, 3000));

    // A navigation changes the addresses too.
    static_cast<FakeControl *>(host().list().at(1)->control())->finishLoad(R);
    EXPECT_TRUE(QTest::qWaitFor([&] { return settings.read(settings::lastvisit) == LastVisit::format({R, QStringLiteral("about:blank")}); }, 3000));
}

TEST_F(StartupPagesTest, AWriteThatFailsIsToldOnceAndTriedAgain)
{
    frame();
    // The store cannot be reached (as on a full disk) when the Pages change.
    const QString store = profile + QStringLiteral("/registry.db");
    ASSERT_TRUE(QFile::rename(store, store + QStringLiteral(".away")));
    ASSERT_TRUE(QDir().mkdir(store));
    host().CreatePage(Q, {}, QStringLiteral("Q"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.told.size() == 1; }, 3000));
    EXPECT_TRUE(messages.told.first().contains(QStringLiteral("disk full")));
    host().CreatePage(R, {}, QStringLiteral("R"));
    QTest::qWait(1500);
    EXPECT_EQ(messages.told.size(), 1); // told once

    // Space is back: at the next change what is open reaches the store.
    ASSERT_TRUE(QDir().rmdir(store));
    ASSERT_TRUE(QFile::rename(store + QStringLiteral(".away"), store));
    host().CreatePage(P, {}, QStringLiteral("P"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return LastVisit::parse(settings.read(settings::lastvisit)).size() == 4; },
                                8000));
    EXPECT_EQ(messages.told.size(), 1);
}

TEST_F(StartupPagesTest, RestoredPagesCanWaitUntilTheyAreShown)
{
    EXPECT_EQ(frame().isChecked(cmd::LoadRestoredWhenShown), std::optional<bool>(false));
    frame().runCommand(cmd::LoadRestoredWhenShown);
    EXPECT_EQ(settings.read(settings::LoadWhenShown), 1);
    EXPECT_EQ(frame().isChecked(cmd::LoadRestoredWhenShown), std::optional<bool>(true));
    restart();
    storeLastVisit(LastVisit::format({R, Q, P}));

    // The first loads; the others wait, showing their addresses.
    EXPECT_EQ(tabs(), (QStringList{P, Q, R}));
    EXPECT_EQ(controls.made[0]->navigated, QStringList{P});
    EXPECT_TRUE(controls.made[1]->navigated.isEmpty());
    EXPECT_TRUE(controls.made[2]->navigated.isEmpty());
    EXPECT_EQ(host().list().at(2)->tabLabel(), R);
    // Shown, a Page loads.
    host().SelectPage(2);
    EXPECT_EQ(controls.made[2]->navigated, QStringList{R});
    EXPECT_TRUE(controls.made[1]->navigated.isEmpty());
    // A Page never shown is kept for the next start all the same.
    restart();
    EXPECT_EQ(settings.read(settings::lastvisit), LastVisit::format({R, Q, P}));
}

TEST_F(StartupPagesTest, AGarbledStoredValueNeverStopsTheStart)
{
    QByteArray garbage;
    for (int i = 0; i < 100000; ++i)
        garbage += char((i * 7919) % 256);
    storeLastVisit(garbage);
    frame();
    EXPECT_GE(host().list().count(), 1);
    EXPECT_NE(host().activePage(), nullptr);
}

} // namespace
