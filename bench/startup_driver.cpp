// Times the start of a browser: from starting its process to the moment the
// first page has loaded (the page's load handler writes a console message,
// which the engine passes to standard error).
// Runs Vesperal and the baseline program in turn and prints, for the first
// start on a new profile and for a later start on it, the median of each and
// their ratio.
#include "BenchEnvironment.h"
#include "Median.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <csignal>
#include <unistd.h>

namespace {

// Milliseconds until the page reported its load, or a negative number.
const QByteArray kLoaded = "startup-benchmark-page-loaded";

double timeOne(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QByteArray err;
    bool loaded = false;
    double ms = -1;
    QElapsedTimer clock;
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
        err += process.readAllStandardError();
        if (!loaded && err.contains(kLoaded)) {
            loaded = true;
            ms = double(clock.nsecsElapsed()) / 1e6;
        }
    });
    clock.start();
    process.start(program, args);
    while (!loaded && clock.elapsed() < 60000 && process.state() != QProcess::NotRunning)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!loaded)
        std::fprintf(stderr, "%s", err.constData());
    ::kill(pid_t(process.processId()), SIGTERM);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
    }
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s VESPERAL BASELINE [RUNS]\n", argv[0]);
        return 2;
    }
    const QString vesperal = args[1];
    const QString baseline = args[2];
    const int runs = args.size() > 3 ? args[3].toInt() : 11;

    QTemporaryDir work;
    prepareBenchEnvironment(work.path());

    // The engine writes page console messages to standard error under "js".
    qputenv("QT_LOGGING_RULES", "js.debug=true;js.info=true;qt.webenginecontext.info=false");
    const QString page = work.path() + QStringLiteral("/page.html");
    QFile f(page);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("<!doctype html><html><head><meta charset=utf-8><title>Start-up</title></head>"
                           "<body><h1>Start-up benchmark</h1><p>A local page.</p><script>"
                           "addEventListener('load', () => console.log('%1'));</script></body></html>")
                .arg(QLatin1String(kLoaded))
                .toUtf8());
    f.close();

    const QString blankStart = work.path() + QStringLiteral("/blank-start.reg");
    QFile reg(blankStart);
    reg.open(QIODevice::WriteOnly);
    reg.write("Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Larkspurware\\Vesperal\\startup]\r\n"
              "\"startuptype\"=dword:00000001\r\n");
    reg.close();

    // One unmeasured run of each warms the disk cache.
    timeOne(baseline, {work.path() + QStringLiteral("/warm-baseline"), page});
    timeOne(vesperal, {QStringLiteral("--profile"), work.path() + QStringLiteral("/warm"), page});

    // Each run starts both programs twice on a profile of their own: first
    // when the profile does not exist yet (the first start after installing,
    // which creates and fills it), then again on that profile (every later start).
    struct Series {
        QList<double> ours, theirs, paired;
    } first, later;
    for (int i = 0; i < runs; ++i) {
        const QString baseProfile = work.path() + QStringLiteral("/base%1").arg(i);
        const QString ourProfile = work.path() + QStringLiteral("/run%1").arg(i);
        double times[4];
        for (int round = 0; round < 2; ++round) {
            // Vesperal would also bring back the Page of the first start
            // (start-up type 2): the later start opens a blank first Page
            // instead, so that both programs load the one page.
            if (round == 1 && QProcess::execute(vesperal, {QStringLiteral("--profile"), ourProfile,
                                                           QStringLiteral("--import-registry"), blankStart}) != 0) {
                std::fprintf(stderr, "run %d: the start-up type could not be set\n", i);
                return 1;
            }
            times[2 * round] = timeOne(baseline, {baseProfile, page});
            times[2 * round + 1] = timeOne(vesperal, {QStringLiteral("--profile"), ourProfile, page});
            if (times[2 * round] < 0 || times[2 * round + 1] < 0) {
                std::fprintf(stderr, "run %d: %s did not load the page\n", i,
                             times[2 * round] < 0 ? "the baseline" : "vesperal");
                return 1;
            }
        }
        std::printf("run %d: first start: baseline %.0f ms, vesperal %.0f ms; later start: %.0f ms, %.0f ms\n", i,
                    times[0], times[1], times[2], times[3]);
        std::fflush(stdout);
        for (int round = 0; round < 2; ++round) {
            Series &s = round == 0 ? first : later;
            s.theirs << times[2 * round];
            s.ours << times[2 * round + 1];
            s.paired << times[2 * round + 1] / times[2 * round];
        }
    }
    for (int round = 0; round < 2; ++round) {
        const Series &s = round == 0 ? first : later;
        const char *name = round == 0 ? "first start" : "later start";
        std::printf("%s: median baseline %.0f ms, median vesperal %.0f ms\n", name, median(s.theirs), median(s.ours));
        // Each pair ran back to back: its ratio is spared the drift of the
        // machine between pairs.
        std::printf("%s: median of the paired ratios: %.3f\n", name, median(s.paired));
        std::printf("%s: ratio vesperal/baseline: %.3f\n", name, median(s.ours) / median(s.theirs));
    }
    return 0;
}
