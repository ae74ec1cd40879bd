#include "platform/SingleInstance.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QString runtimeDir()
{
    return qEnvironmentVariable("XDG_RUNTIME_DIR");
}

// A later start, run on its own thread as it would run in its own process.
std::future<SingleInstance::HandOffResult> startSecond(const QString &profile, const QString &argument)
{
    return std::async(std::launch::async, [profile, argument] {
        SingleInstance second(runtimeDir(), profile);
        if (second.claim() != SingleInstance::Role::Secondary)
            return SingleInstance::HandOffResult::Failed;
        return second.handOff(argument);
    });
}

template<typename T>
T waitFor(std::future<T> &future)
{
    (void)QTest::qWaitFor([&] { return future.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; },
                    20000);
    return future.get();
}

TEST(SingleInstance, HandsTextsOverAndWaitsForTheAnswer)
{
    const QString profile = freshProfileDir();
    SingleInstance first(runtimeDir(), profile);
    ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);

    QStringList received;
    first.setHandler([&](const QString &text) {
        received << text;
        return text.isEmpty() ? SingleInstance::Answer::Activated
                              : (text == QLatin1String("dialog") ? SingleInstance::Answer::Dialog
                                                                 : SingleInstance::Answer::Opened);
    });

    const QString longest = QString(SingleInstance::kMaxRecord - 3, QLatin1Char('a')) + QStringLiteral("é.");
    ASSERT_TRUE(SingleInstance::fits(longest));
    auto opened = startSecond(profile, QStringLiteral("http://例子.example/?q=中文"));
    EXPECT_EQ(waitFor(opened), SingleInstance::HandOffResult::Opened);
    auto activated = startSecond(profile, QString());
    EXPECT_EQ(waitFor(activated), SingleInstance::HandOffResult::Activated);
    auto dialog = startSecond(profile, QStringLiteral("dialog"));
    EXPECT_EQ(waitFor(dialog), SingleInstance::HandOffResult::Dialog);
    auto full = startSecond(profile, longest);
    EXPECT_EQ(waitFor(full), SingleInstance::HandOffResult::Opened);
    EXPECT_EQ(received, (QStringList{QStringLiteral("http://例子.example/?q=中文"), QString(),
                                     QStringLiteral("dialog"), longest}));

    EXPECT_FALSE(SingleInstance::fits(longest + QLatin1Char('x')));
    EXPECT_FALSE(SingleInstance::fits(QString(1280, QChar(0x4e2d)))); // 3840 bytes of UTF-8
}

TEST(SingleInstance, RequestsWaitUntilTheWindowIsReady)
{
    const QString profile = freshProfileDir();
    SingleInstance first(runtimeDir(), profile);
    ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);
    auto pending = startSecond(profile, QStringLiteral("early"));
    QTest::qWait(300);
    EXPECT_NE(pending.wait_for(std::chrono::milliseconds(0)), std::future_status::ready);
    QString got;
    first.setHandler([&](const QString &text) {
        got = text;
        return SingleInstance::Answer::Opened;
    });
    EXPECT_EQ(waitFor(pending), SingleInstance::HandOffResult::Opened);
    EXPECT_EQ(got, QStringLiteral("early"));
}

TEST(HandOffRecord, IsReadWhateverPiecesItArrivesIn)
{
    using Status = HandOffRecord::Decoded::Status;
    const QString text = QStringLiteral("http://例子.example/?q=a b");
    const QByteArray record = HandOffRecord::encode(text);
    for (qsizetype n = 0; n < record.size(); ++n)
        EXPECT_EQ(HandOffRecord::decode(record.left(n)).status, Status::Incomplete) << n;
    EXPECT_EQ(HandOffRecord::decode(record).text, text);
    EXPECT_EQ(HandOffRecord::decode(record + "more").text, text);

    // The longest text fits; one byte more does not, and a length beyond it
    // is refused before its bytes come.
    const QString longest(HandOffRecord::kMaxText, QLatin1Char('x'));
    EXPECT_EQ(HandOffRecord::decode(HandOffRecord::encode(longest)).status, Status::Complete);
    EXPECT_TRUE(HandOffRecord::encode(longest + QLatin1Char('x')).isEmpty());
    QByteArray tooLong(4, '\0');
    qToBigEndian<quint32>(HandOffRecord::kMaxText + 1, tooLong.data());
    EXPECT_EQ(HandOffRecord::decode(tooLong).status, Status::Broken);
    qToBigEndian<quint32>(0xffffffffu, tooLong.data());
    EXPECT_EQ(HandOffRecord::decode(tooLong).status, Status::Broken);
}

TEST(SingleInstance, ABrokenRecordIsReportedAndNothingHandled)
{
    const QString profile = freshProfileDir();
    SingleInstance first(runtimeDir(), profile);
    ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);
    int handled = 0;
    first.setHandler([&](const QString &) {
        ++handled;
        return SingleInstance::Answer::Opened;
    });
    QSignalSpy broken(&first, &SingleInstance::brokenRecord);

    for (quint32 announced : {100u, 5000u}) {
        QLocalSocket raw;
        raw.connectToServer(first.socketPath());
        ASSERT_TRUE(raw.waitForConnected());
        QByteArray record(4, '\0');
        qToBigEndian<quint32>(announced, record.data());
        raw.write(record + "short");
        raw.waitForBytesWritten();
        raw.disconnectFromServer();
        ASSERT_TRUE(QTest::qWaitFor([&] { return broken.size() == (announced == 100u ? 1 : 2); }, 5000));
    }
    EXPECT_EQ(handled, 0);
}

TEST(SingleInstance, AStaleSocketDoesNotStopTheNextStart)
{
    const QString profile = freshProfileDir();
    SingleInstance probe(runtimeDir(), profile);
    // What a crashed instance leaves: a socket file nobody listens on.
    const QByteArray path = QFile::encodeName(probe.socketPath());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()) + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(probe.socketPath()));

    SingleInstance next(runtimeDir(), profile);
    EXPECT_EQ(next.claim(), SingleInstance::Role::Primary);
    next.stop();
    EXPECT_FALSE(QFile::exists(next.socketPath()));
}

TEST(SingleInstance, AnInstanceThatDoesNotAnswerKeepsItsProfile)
{
    const QString profile = freshProfileDir();
    auto first = std::make_unique<SingleInstance>(runtimeDir(), profile);
    ASSERT_EQ(first->claim(), SingleInstance::Role::Primary);
    // It stops answering (hung, or on its way out) but still runs: no later
    // start may take the profile over, nor remove its socket.
    first->stop();
    SingleInstance second(runtimeDir(), profile);
    EXPECT_EQ(second.claim(300), SingleInstance::Role::Unreachable);
    SingleInstance third(runtimeDir(), profile);
    EXPECT_EQ(third.claim(300), SingleInstance::Role::Unreachable);

    // Once it has ended, a waiting start becomes the instance.
    auto next = std::async(std::launch::async, [profile] {
        SingleInstance waiting(runtimeDir(), profile);
        return waiting.claim(10000);
    });
    QTest::qWait(300);
    first.reset();
    EXPECT_EQ(waitFor(next), SingleInstance::Role::Primary);
}

TEST(SingleInstance, ProfilesAreSeparateAndAnOpenRuntimeDirIsNotUsed)
{
    SingleInstance a(runtimeDir(), freshProfileDir());
    SingleInstance b(runtimeDir(), freshProfileDir());
    EXPECT_EQ(a.claim(), SingleInstance::Role::Primary);
    EXPECT_EQ(b.claim(), SingleInstance::Role::Primary);

    // A directory others can enter could hold a socket planted by them.
    const QString open = freshProfileDir();
    QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                    | QFile::ExeOther);
    SingleInstance c(open, freshProfileDir());
    EXPECT_EQ(c.claim(), SingleInstance::Role::Alone);
}

} // namespace
