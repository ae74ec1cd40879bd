// Runs the tabs benchmark: Vesperal and the bare baseline in turn, each in a
// fresh process with a fresh profile, opening the same local page in 20 tabs.
// Prints each run, the medians, and last the ratios Vesperal/baseline of the
// time until all are loaded, the memory of the process tree then, and the
// time to close them all.
#include "BenchEnvironment.h"
#include "Median.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QStringList kKeys{QStringLiteral("loaded_ms"), QStringLiteral("pss_kb"), QStringLiteral("close_ms")};

// The figures one run printed; empty when it failed.
QHash<QString, double> runOne(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    QHash<QString, double> figures;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2 && kKeys.contains(QString::fromLatin1(parts[0])))
            figures.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
    }
    if (process.exitCode() != 0 || figures.size() != kKeys.size())
        return {};
    return figures;
}

QByteArray samplePage()
{
    QByteArray body;
    for (int i = 0; i < 40; ++i) {
        body += "<h2>Section " + QByteArray::number(i) + "</h2><p>Lorem ipsum dolor sit amet, consectetur "
                "adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. "
                "<a href='#s" + QByteArray::number(i) + "'>A link</a> and <b>bold</b> text.</p>";
    }
    return "<!doctype html><html><head><meta charset=utf-8><title>Tabs benchmark</title><style>"
           "body{font-family:sans-serif;margin:2em} h2{color:#345}</style></head><body>"
           + body + "<script>document.body.dataset.ready = '1';</script></body></html>";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s TABS_VESPERAL TABS_BASELINE [RUNS] [TABS]\n", argv[0]);
        return 2;
    }
    const int runs = args.size() > 3 ? args[3].toInt() : 5;
    const QString tabs = args.size() > 4 ? args[4] : QStringLiteral("20");

    QTemporaryDir work;
    prepareBenchEnvironment(work.path());
    qputenv("QT_LOGGING_RULES", "qt.webenginecontext.info=false");

    const QString page = work.path() + QStringLiteral("/page.html");
    QFile file(page);
    if (!file.open(QIODevice::WriteOnly) || file.write(samplePage()) < 0)
        return 1;
    file.close();

    QHash<QString, QList<double>> ours, theirs;
    // Run 0 warms the disk cache and is not counted.
    for (int i = 0; i <= runs; ++i) {
        const QString dir = work.path() + QStringLiteral("/run%1").arg(i);
        const auto b = runOne(args[2], {page, tabs, dir + QStringLiteral("-baseline")});
        const auto v = runOne(args[1], {page, tabs, dir + QStringLiteral("-vesperal")});
        if (b.isEmpty() || v.isEmpty()) {
            std::fprintf(stderr, "run %d: %s failed\n", i, b.isEmpty() ? "the baseline" : "vesperal");
            return 1;
        }
        if (i == 0)
            continue;
        std::printf("run %d: baseline %.0f ms, %.0f MB, close %.0f ms; vesperal %.0f ms, %.0f MB, close %.0f ms\n", i,
                    b[kKeys[0]], b[kKeys[1]] / 1024, b[kKeys[2]], v[kKeys[0]], v[kKeys[1]] / 1024, v[kKeys[2]]);
        std::fflush(stdout);
        for (const QString &key : kKeys) {
            theirs[key] << b[key];
            ours[key] << v[key];
        }
    }
    std::printf("median baseline: all loaded %.0f ms, %.1f MB, closed %.0f ms\n", median(theirs[kKeys[0]]),
                median(theirs[kKeys[1]]) / 1024, median(theirs[kKeys[2]]));
    std::printf("median vesperal: all loaded %.0f ms, %.1f MB, closed %.0f ms\n", median(ours[kKeys[0]]),
                median(ours[kKeys[1]]) / 1024, median(ours[kKeys[2]]));
    std::printf("ratio vesperal/baseline: loaded %.3f, memory %.3f, close %.3f\n",
                median(ours[kKeys[0]]) / median(theirs[kKeys[0]]), median(ours[kKeys[1]]) / median(theirs[kKeys[1]]),
                median(ours[kKeys[2]]) / median(theirs[kKeys[2]]));
    return 0;
}
