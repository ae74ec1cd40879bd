// Find benchmark: a 5 MB page of running text served from loopback. Times
// Highlight all of a two-word text and ten Find presses of one word with
// Vesperal's page scripts, against the engine's own findText over the same
// words on a fresh copy of the page, and prints every press's time and the
// ratios. Also times one press on a page just loaded, with nothing
// highlighted before it. Targets: Highlight all under 1 s, each Find press
// after it under 50 ms.
#include "BenchEnvironment.h"
#include "Median.h"
#include "LoopbackHttpServer.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/FindInPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineFindTextResult>
#include <QWebEngineProfile>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QString kFirst = QStringLiteral("harbor");
const QString kSecond = QStringLiteral("lantern");

// About 5 MB of paragraphs made of common words (English and Chinese), the
// two searched words among them now and then. The same text every run.
QByteArray makePage(int bytes)
{
    const QStringList vocabulary = QStringLiteral(
        "the of and to in a is that for it as was with be by on not he this are or his from at which but have an "
        "they you were her she there been one all we their has would when if so what no more out up into do any "
        "time about other them these people may only new some could first well after way like also our just over "
        "city river morning evening window garden letter market station bridge mountain island weather summer "
        "winter question answer village story reason travel history family friend teacher student library "
        "quietly slowly carefully suddenly together always never often early late small large bright dark "
        "城市 河流 早晨 傍晚 窗户 花园 书信 市场 车站 桥梁 山脉 岛屿 天气 夏天 冬天 问题 回答 村庄 故事 旅行 历史")
                                         .split(QLatin1Char(' '));
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    QByteArray html = "<!doctype html><html><head><meta charset=utf-8><title>Find benchmark</title></head><body>";
    int paragraph = 0;
    while (html.size() < bytes) {
        if (paragraph++ % 20 == 0)
            html += "<h2>Chapter " + QByteArray::number(paragraph / 20 + 1) + "</h2>";
        html += "<p>";
        const int words = 60 + int(next() % 60);
        for (int w = 0; w < words; ++w) {
            const quint32 r = next() % 1500;
            const QString word = r == 0 ? kFirst : r == 1 ? kSecond : vocabulary[int(next() % vocabulary.size())];
            html += word.toUtf8();
            html += (w % 13 == 12) ? ". " : " ";
        }
        html += "</p>\n";
    }
    return html + "</body></html>";
}

double elapsedMs(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

bool load(EngineControl &control, const QString &address)
{
    QSignalSpy spy(control.page(), &QWebEnginePage::loadFinished);
    control.navigate(address);
    return spy.wait(60000) && spy.last().value(0).toBool();
}

// Runs `start`, which calls the function it is given when the job is done,
// and returns the milliseconds until then (-1 after a minute). Waits in an
// event loop that wakes for each event, as the browser's own does (a polling
// wait would add its polling step to each hop between the processes).
template<typename Start>
double timeUntilDone(Start start)
{
    bool done = false;
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    start([&done, &loop] {
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
    return done ? elapsedMs(clock) : -1;
}

QString joined(const QList<double> &times)
{
    QStringList parts;
    for (double t : times)
        parts << QString::number(t, 'f', 1);
    return parts.join(QLatin1Char(' '));
}

double slowest(const QList<double> &times)
{
    return times.isEmpty() ? 0 : *std::max_element(times.begin(), times.end());
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir work;
    prepareBenchEnvironment(work.path());
    QApplication app(argc, argv);
    const int runs = app.arguments().value(1, QStringLiteral("3")).toInt();

    LoopbackHttpServer server;
    const QByteArray page = makePage(5 * 1024 * 1024);
    server.route(QStringLiteral("/book"), page);
    std::printf("page: %.1f MB\n", page.size() / 1048576.0);

    QWebEngineProfile profile; // off the record
    QWidget window;
    window.resize(1024, 768);
    window.show();
    // Every measurement gets a page of its own, in a renderer process of its
    // own: the documents of the measurements before it are not collected
    // while it runs.
    std::unique_ptr<EngineControl> current;
    auto openBook = [&]() -> EngineControl * {
        current.reset();
        current = std::make_unique<EngineControl>(&profile, &window);
        current->widget()->resize(1024, 768);
        current->widget()->show();
        return load(*current, server.url(QStringLiteral("/book"))) ? current.get() : nullptr;
    };

    QList<double> ourHighlight, theirHighlight, ourPress, theirPress, ourFirst, theirFirst, ourCold, theirCold;
    for (int run = 0; run < runs; ++run) {
        // Ours: Highlight all (old marks out, both words in), then ten Find presses.
        EngineControl *ours = openBook();
        if (!ours) {
            std::fprintf(stderr, "the page did not load\n");
            return 1;
        }
        int marked = 0;
        ourHighlight << timeUntilDone([&](auto done) {
            FindInPage::removeMarks(*ours);
            FindInPage::markAll(*ours, kFirst, [&](int n) { marked += n; });
            FindInPage::markAll(*ours, kSecond, [&, done](int n) {
                marked += n;
                done();
            });
        });
        FindInPage finder;
        QList<double> ourTimes;
        for (int press = 0; press < 10; ++press)
            ourTimes << timeUntilDone([&](auto done) { finder.findNext(*ours, kFirst, [done](bool) { done(); }); });

        // The engine's own: both words found (it highlights every match), then ten presses.
        QWebEnginePage *engine = openBook() ? current->page() : nullptr;
        if (!engine)
            return 1;
        int matches = 0;
        theirHighlight << timeUntilDone([&](auto done) {
            engine->findText(kFirst, {}, [&](const QWebEngineFindTextResult &r) {
                matches += r.numberOfMatches();
                engine->findText(kSecond, {}, [&, done](const QWebEngineFindTextResult &r2) {
                    matches += r2.numberOfMatches();
                    done();
                });
            });
        });
        engine->findText(QString());
        QList<double> theirTimes;
        for (int press = 0; press < 10; ++press) {
            theirTimes << timeUntilDone(
                [&](auto done) { engine->findText(kFirst, {}, [done](const QWebEngineFindTextResult &) { done(); }); });
        }

        // One press on a page just loaded, nothing highlighted before: ours, then the engine's.
        EngineControl *cold = openBook();
        if (!cold)
            return 1;
        FindInPage coldFinder;
        ourCold << timeUntilDone([&](auto done) { coldFinder.findNext(*cold, kFirst, [done](bool) { done(); }); });
        engine = openBook() ? current->page() : nullptr;
        if (!engine)
            return 1;
        theirCold << timeUntilDone(
            [&](auto done) { engine->findText(kFirst, {}, [done](const QWebEngineFindTextResult &) { done(); }); });

        ourPress << ourTimes;
        theirPress << theirTimes;
        ourFirst << ourTimes.first();
        theirFirst << theirTimes.first();
        std::printf("run %d: highlight all %.0f ms (%d marks) against %.0f ms (%d matches)\n", run, ourHighlight.last(),
                    marked, theirHighlight.last(), matches);
        std::printf("  find presses (ms): %s; median %.1f, slowest %.1f\n", qPrintable(joined(ourTimes)),
                    median(ourTimes), slowest(ourTimes));
        std::printf("  engine presses (ms): %s; median %.1f, slowest %.1f\n", qPrintable(joined(theirTimes)),
                    median(theirTimes), slowest(theirTimes));
        std::printf("  press on a fresh page, nothing highlighted: %.1f ms against %.1f ms\n", ourCold.last(),
                    theirCold.last());
        std::fflush(stdout);
    }
    const double highlight = median(ourHighlight);
    const double press = median(ourPress);
    std::printf("highlight all: %.0f ms, engine %.0f ms, ratio %.2f (target: under 1000 ms)\n", highlight,
                median(theirHighlight), highlight / median(theirHighlight));
    std::printf("find press: median %.1f ms, slowest %.1f ms, first press median %.1f ms; engine median %.1f ms, "
                "slowest %.1f ms, first press median %.1f ms; ratio median %.2f, slowest %.2f (target: under 50 ms "
                "each)\n",
                press, slowest(ourPress), median(ourFirst), median(theirPress), slowest(theirPress), median(theirFirst),
                press / median(theirPress), slowest(ourPress) / slowest(theirPress));
    std::printf("press on a fresh page: median %.1f ms, engine %.1f ms, ratio %.2f\n", median(ourCold),
                median(theirCold), median(ourCold) / median(theirCold));
    return 0;
}
