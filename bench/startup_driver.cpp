// Times the start of a browser: from starting its process to the moment its
// window shows the title the first page sets when it has loaded (the page is
// served on the loopback address; the title is read from the X server, which
// works alike for every program measured), then reads the memory of all its
// processes.
// Runs the bare Qt WebEngine program, Vesperal and, when it is given, Falkon
// (a browser of another make on the same engine) in turn, and prints for the
// first start on a new profile and for a later start on it the median time
// and memory of each, and their ratios. With --busy a counting process keeps
// one core busy meanwhile.
#include "BenchEnvironment.h"
#include "BusyCore.h"
#include "LoopbackHttpServer.h"
#include "Median.h"
#include "ProcessTreeMemory.h"
#include "WindowTitleWatch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <csignal>
#include <optional>

namespace {

// The page's load handler puts this into its title.
const QByteArray kLoadedTitle = "Start-up: loaded";
// Memory is read this long after the page has loaded, when the start-up's
// own work is over.
constexpr int kSettleMs = 1000;
constexpr int kLoadTimeoutMs = 60000;

enum Program { Bare, Ours, Falkon, ProgramCount };
const char *const kNames[] = {"bare", "vesperal", "falkon"};

struct Sample
{
    double ms = -1;
    // Every page the program's processes hold, a shared one once (or, when
    // that cannot be read, their proportional set sizes).
    double memoryKb = 0;
};

QByteArray page()
{
    return "<!doctype html><html><head><meta charset=utf-8><title>Start-up</title></head>"
           "<body><h1>Start-up benchmark</h1><p>A local page.</p><script>"
           "addEventListener('load', () => { document.title = '" + kLoadedTitle + "'; });"
           "</script></body></html>";
}

// Waits in the event loop (serving the page meanwhile) for ms.
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Starter
{
public:
    Starter(WindowTitleWatch &watch, QString workDir)
        : m_watch(watch)
        , m_work(std::move(workDir))
    {
        // The graphics driver's compiled shaders belong to the machine, not to
        // a browser's profile: every program finds them as any program on a
        // used desktop would (the unmeasured first starts fill the cache).
        // Compiling them anew would add the same few hundred milliseconds of
        // software rendering set-up to every start.
        m_shaderCache = m_work + QStringLiteral("/shader-cache");
        QDir().mkpath(m_shaderCache);
    }

    // Starts the program in a new home folder, times it to the loaded page's
    // title, reads its memory, and ends it with all its processes.
    Sample run(const QString &program, const QStringList &args)
    {
        const QString home = m_work + QStringLiteral("/home%1").arg(++m_starts);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        for (const auto &[name, dir] : {std::pair{"XDG_CONFIG_HOME", "/.config"}, std::pair{"XDG_DATA_HOME", "/.local/share"},
                                        std::pair{"XDG_CACHE_HOME", "/.cache"}, std::pair{"XDG_STATE_HOME", "/.local/state"}}) {
            QDir().mkpath(home + QLatin1String(dir));
            env.insert(QLatin1String(name), home + QLatin1String(dir));
        }
        env.insert(QStringLiteral("MESA_SHADER_CACHE_DIR"), m_shaderCache);
        const QString log = m_work + QStringLiteral("/last-start.log");

        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardOutputFile(log);
        Sample sample;
        QElapsedTimer clock;
        QEventLoop loop;
        QObject::connect(&m_watch, &WindowTitleWatch::seen, &loop, [&] {
            sample.ms = double(clock.nsecsElapsed()) / 1e6;
            loop.quit();
        });
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
        m_watch.expect(kLoadedTitle);
        clock.start();
        process.start(program, args);
        loop.exec();
        m_watch.expect({});

        QSet<qint64> tree;
        if (sample.ms >= 0) {
            pause(kSettleMs);
            tree = processtree::processes(process.processId());
            sample.memoryKb = double(processtree::residentKb(tree));
            if (sample.memoryKb < 0) {
                sample.memoryKb = 0;
                for (qint64 pid : tree)
                    sample.memoryKb += double(processtree::pssKb(pid));
            }
        } else {
            QFile output(log);
            output.open(QIODevice::ReadOnly);
            std::fprintf(stderr, "%s %s did not show the loaded page in %.0f ms (%s); its output:\n%s\n",
                         qPrintable(program), qPrintable(args.join(QLatin1Char(' '))), double(clock.elapsed()),
                         qPrintable(process.state() == QProcess::NotRunning ? QStringLiteral("it ended: ") + process.errorString()
                                                                            : QStringLiteral("still running")),
                         output.readAll().right(4000).constData());
            tree = processtree::processes(process.processId());
        }
        if (process.state() != QProcess::NotRunning) {
            ::kill(pid_t(process.processId()), SIGTERM);
            if (!process.waitForFinished(20000)) {
                process.kill();
                process.waitForFinished();
            }
        }
        // The next start gets the machine to itself: no engine process of
        // this one is still shutting down.
        QElapsedTimer gone;
        gone.start();
        for (bool alive = true; alive && gone.elapsed() < 10000;) {
            alive = false;
            for (qint64 pid : tree)
                alive = alive || processtree::isAlive(pid);
            if (alive)
                QThread::msleep(20);
        }
        return sample;
    }

private:
    WindowTitleWatch &m_watch;
    QString m_work;
    QString m_shaderCache;
    int m_starts = 0;
};

struct Series
{
    QList<double> ms[ProgramCount];
    QList<double> memoryKb[ProgramCount];
    QList<double> paired[ProgramCount]; // this program's time over the bare program's in the same run
    QList<double> oursOverFalkon;
};

void printSummary(const char *name, const Series &s, bool withFalkon)
{
    const int count = withFalkon ? ProgramCount : Falkon;
    double ms[ProgramCount] = {}, mb[ProgramCount] = {};
    for (int p = 0; p < count; ++p) {
        ms[p] = median(s.ms[p]);
        mb[p] = median(s.memoryKb[p]) / 1024;
    }
    std::printf("%s: median time: bare %.0f ms, vesperal %.0f ms", name, ms[Bare], ms[Ours]);
    if (withFalkon)
        std::printf(", falkon %.0f ms", ms[Falkon]);
    std::printf("\n%s: median memory: bare %.1f MB, vesperal %.1f MB", name, mb[Bare], mb[Ours]);
    if (withFalkon)
        std::printf(", falkon %.1f MB", mb[Falkon]);
    // Each run's starts ran back to back: the medians of their ratios are
    // spared the drift of the machine between runs.
    std::printf("\n%s: median of the paired ratios: vesperal/bare %.3f", name, median(s.paired[Ours]));
    if (withFalkon)
        std::printf(", falkon/bare %.3f, vesperal/falkon %.3f", median(s.paired[Falkon]), median(s.oursOverFalkon));
    std::printf("\n%s: ratio vesperal/bare %.3f", name, ms[Ours] / ms[Bare]);
    if (withFalkon)
        std::printf(", falkon/bare %.3f, vesperal/falkon %.3f", ms[Falkon] / ms[Bare], ms[Ours] / ms[Falkon]);
    std::printf("; memory vesperal/bare %.3f", mb[Ours] / mb[Bare]);
    if (withFalkon)
        std::printf(", falkon/bare %.3f", mb[Falkon] / mb[Bare]);
    std::printf("\n");
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the start of Vesperal against a bare Qt WebEngine view "
                                                    "and, when given, Falkon."));
    parser.addHelpOption();
    const QCommandLineOption falkonOption(QStringLiteral("falkon"), QStringLiteral("Falkon's program, to measure too."),
                                          QStringLiteral("program"));
    const QCommandLineOption busyOption(QStringLiteral("busy"),
                                        QStringLiteral("Keep one core busy with a counting process meanwhile."));
    parser.addOptions({falkonOption, busyOption});
    parser.addPositionalArgument(QStringLiteral("vesperal"), QStringLiteral("Vesperal's program."));
    parser.addPositionalArgument(QStringLiteral("baseline"), QStringLiteral("The bare program (startup_baseline)."));
    parser.addPositionalArgument(QStringLiteral("runs"), QStringLiteral("Runs of each program (default 11)."),
                                 QStringLiteral("[runs]"));
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 2)
        parser.showHelp(2);
    const QString programs[ProgramCount] = {positional[1], positional[0], parser.value(falkonOption)};
    const bool withFalkon = !programs[Falkon].isEmpty();
    const int runs = positional.size() > 2 ? positional[2].toInt() : 11;

    QTemporaryDir work;
    prepareBenchEnvironment(work.path());
    qputenv("QT_LOGGING_RULES", "qt.webenginecontext.info=false");
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "startup_driver: the titles are read from an X server: set DISPLAY "
                             "(bench/startup starts one when there is none)\n");
        return 2;
    }
    WindowTitleWatch watch;
    if (!watch.isConnected()) {
        std::fprintf(stderr, "startup_driver: cannot connect to the X server %s\n", qgetenv("DISPLAY").constData());
        return 2;
    }

    LoopbackHttpServer server;
    server.route(QStringLiteral("/page.html"), page());
    const QString address = server.url(QStringLiteral("/page.html"));

    const QString blankStart = work.path() + QStringLiteral("/blank-start.reg");
    QFile reg(blankStart);
    if (!reg.open(QIODevice::WriteOnly))
        return 1;
    reg.write("Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Larkspurware\\Vesperal\\startup]\r\n"
              "\"startuptype\"=dword:00000001\r\n");
    reg.close();

    Starter starter(watch, work.path());
    auto argumentsFor = [&](Program p, const QString &profile) {
        switch (p) {
        case Bare: return QStringList{profile, address};
        case Ours: return QStringList{QStringLiteral("--profile"), profile, address};
        default:
            // A private window keeps nothing: every start of Falkon is on a
            // new home folder and so a first one.
            return QStringList{QStringLiteral("--no-remote"), QStringLiteral("--private-browsing"), address};
        }
    };

    std::optional<BusyCore> busy;
    if (parser.isSet(busyOption))
        busy.emplace();
    std::printf("%s; load average at the start: %s\n", busy ? "one core kept busy" : "idle", loadAverage().constData());
    std::fflush(stdout);

    // One unmeasured start of each warms the disk cache.
    for (int p = 0; p < (withFalkon ? ProgramCount : Falkon); ++p)
        starter.run(programs[p], argumentsFor(Program(p), work.path() + QStringLiteral("/warm-%1").arg(kNames[p])));

    // Each run starts every program twice on a profile of its own: first
    // when the profile does not exist yet (the first start after installing,
    // which creates and fills it), then again on that profile (every later
    // start). The programs take turns, so that drift hits all alike.
    Series first, later;
    for (int i = 0; i < runs; ++i) {
        Sample samples[2][ProgramCount];
        for (int round = 0; round < 2; ++round) {
            const QString ourProfile = work.path() + QStringLiteral("/run%1-vesperal").arg(i);
            // Vesperal would also bring back the Page of the first start
            // (start-up type 2): the later start opens a blank first Page
            // instead, so that every program loads the one page.
            if (round == 1) {
                QProcess import;
                import.setStandardOutputFile(QProcess::nullDevice());
                import.start(programs[Ours], {QStringLiteral("--profile"), ourProfile,
                                              QStringLiteral("--import-registry"), blankStart});
                if (!import.waitForFinished(30000) || import.exitStatus() != QProcess::NormalExit || import.exitCode() != 0) {
                    std::fprintf(stderr, "run %d: the start-up type could not be set\n", i);
                    return 1;
                }
            }
            for (int p = 0; p < (withFalkon ? ProgramCount : Falkon); ++p) {
                const QString profile = work.path() + QStringLiteral("/run%1-%2").arg(i).arg(kNames[p]);
                samples[round][p] = starter.run(programs[p], argumentsFor(Program(p), profile));
                if (samples[round][p].ms < 0) {
                    std::fprintf(stderr, "run %d: %s did not load the page\n", i, kNames[p]);
                    return 1;
                }
            }
        }
        std::printf("run %d:", i);
        for (int round = 0; round < 2; ++round) {
            std::printf(round == 0 ? " first start:" : "; later start:");
            for (int p = 0; p < (withFalkon ? ProgramCount : Falkon); ++p)
                std::printf("%s %s %.0f ms %.0f MB", p ? "," : "", kNames[p], samples[round][p].ms,
                            samples[round][p].memoryKb / 1024);
        }
        std::printf("\n");
        std::fflush(stdout);
        for (int round = 0; round < 2; ++round) {
            Series &s = round == 0 ? first : later;
            for (int p = 0; p < (withFalkon ? ProgramCount : Falkon); ++p) {
                s.ms[p] << samples[round][p].ms;
                s.memoryKb[p] << samples[round][p].memoryKb;
                s.paired[p] << samples[round][p].ms / samples[round][Bare].ms;
            }
            if (withFalkon)
                s.oursOverFalkon << samples[round][Ours].ms / samples[round][Falkon].ms;
        }
    }
    printSummary("first start", first, withFalkon);
    printSummary("later start", later, withFalkon);
    std::printf("load average at the end: %s\n", loadAverage().constData());
    return 0;
}
