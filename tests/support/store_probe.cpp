// A child process for the store's durability tests: it writes to a settings
// store in the ways the tests ask for and reports on standard output.
#include "platform/RegistryStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray &line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString mode = args[1];
    RegistryStore store;
    const auto opened = store.open(args[2]);
    say("open=" + QByteArray::number(int(opened.status)));

    if (mode == QLatin1String("write-and-wait")) {
        const int count = args.value(3).toInt();
        for (int i = 1; i <= count; ++i) {
            if (!store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Durable"), QStringLiteral("v%1").arg(i),
                                         RegValue::fromDword(quint32(i))))
                say("failed");
        }
        say("written");
        for (;;)
            ::pause(); // the test kills us here
    }
    if (mode == QLatin1String("fill")) {
        say(store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Fill"), QStringLiteral("small"),
                                    RegValue::fromDword(1))
                ? "small-written"
                : "small-failed");
        const QByteArray big(256 * 1024, 'x');
        int i = 0;
        for (; i < 64; ++i) {
            if (!store.createAndSetValue(Hive::CurrentUser, QStringLiteral("Fill"), QStringLiteral("big%1").arg(i),
                                         RegValue::fromBinary(big)))
                break;
        }
        say("failed-at=" + QByteArray::number(i));
        const auto failed = store.query(Hive::CurrentUser, QStringLiteral("Fill"), QStringLiteral("big%1").arg(i));
        say(failed ? "failed-value-present" : "failed-value-absent");
        const auto small = store.query(Hive::CurrentUser, QStringLiteral("Fill"), QStringLiteral("small"));
        say(small && small->dword == 1 ? "small-ok" : "small-lost");
        return 0;
    }
    if (mode == QLatin1String("write")) {
        const bool wrote = store.createAndSetValue(Hive::CurrentUser, QStringLiteral("RO"), QStringLiteral("new"),
                                                   RegValue::fromDword(5));
        say(wrote ? "write=1" : "write=0");
        const auto old = store.query(Hive::CurrentUser, QStringLiteral("RO"), QStringLiteral("old"));
        say(old ? "old=" + QByteArray::number(old->dword) : "old=missing");
        const auto fresh = store.query(Hive::CurrentUser, QStringLiteral("RO"), QStringLiteral("new"));
        say(fresh ? "new=present" : "new=missing");
        return 0;
    }
    return 2;
}
