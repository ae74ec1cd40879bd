// Clone benchmark: 30 linked pages served from loopback, each answered after
// a delay (80 ms unless told otherwise) as a real server on the network
// would. Times the clone job writing all 30 as web archives against a
// baseline loop that loads and writes the same pages one after another in a
// single unseen page, taking turns, and prints both and the ratio
// (target <= 0.5).
#include "BenchEnvironment.h"
#include "Median.h"
#include "clone/CloneJob.h"
#include "pages/PageArchiver.h"
#include "pages/SavedPage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <cstdio>
#include <functional>

namespace {

constexpr int kPages = 30;

// Serves /page/N (N = 1..30) after a delay, never from a cache.
class SlowServer : public QObject
{
public:
    explicit SlowServer(int delayMs) : m_delayMs(delayMs)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString url(int n) const { return QStringLiteral("http://127.0.0.1:%1/page/%2").arg(m_server.serverPort()).arg(n); }
    int served() const { return m_served; }

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray pending = socket->property("pending").toByteArray() + socket->readAll();
        if (!pending.contains("\r\n\r\n")) {
            socket->setProperty("pending", pending);
            return;
        }
        socket->setProperty("pending", QByteArray());
        const QByteArray path = pending.left(pending.indexOf("\r\n")).split(' ').value(1);
        QByteArray body;
        int status = 404;
        if (path.startsWith("/page/")) {
            status = 200;
            const QByteArray n = path.mid(6);
            body = "<!doctype html><html><head><meta charset=utf-8><title>Page " + n + "</title></head><body>";
            for (int p = 0; p < 20; ++p)
                body += "<p>Paragraph " + QByteArray::number(p) + " of page " + n
                        + ": the quick brown fox jumps over the lazy dog, again and again.</p>";
            body += "</body></html>";
        }
        const QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + " X\r\n"
                                    "Content-Type: text/html; charset=utf-8\r\n"
                                    "Cache-Control: no-store\r\n"
                                    "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
                                    "Connection: close\r\n\r\n" + body;
        ++m_served;
        QTimer::singleShot(m_delayMs, socket, [socket, response] {
            socket->write(response);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    int m_delayMs;
    int m_served = 0;
};

// Runs `start`, which calls the function it is given when the work is done,
// and returns the milliseconds until then (-1 after five minutes).
double timeUntilDone(const std::function<void(std::function<void()>)> &start)
{
    bool done = false;
    QEventLoop loop;
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    start([&done, &loop] {
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
    return done ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

int filesIn(const QString &folder)
{
    return int(QDir(folder).entryList(QDir::Files).size());
}

// The baseline: one unseen page loads and writes each address in turn.
class OneByOne
{
public:
    OneByOne(QWebEngineProfile *profile, QStringList addresses, QString folder, std::function<void()> done)
        : m_page(profile), m_addresses(std::move(addresses)), m_folder(std::move(folder)), m_done(std::move(done))
    {
        m_page.setAudioMuted(true);
        m_page.setVisible(true); // as the archiver's pages are
        QObject::connect(&m_page, &QWebEnginePage::loadFinished, &m_page, [this](bool ok) {
            if (!ok) {
                next();
                return;
            }
            SavedPage::write(&m_page, QDir(m_folder).filePath(QStringLiteral("%1.mht").arg(m_index)),
                             QWebEngineDownloadRequest::MimeHtmlSaveFormat, [this](bool) { next(); });
        });
        next();
    }

private:
    void next()
    {
        if (m_index == m_addresses.size()) {
            QTimer::singleShot(0, &m_page, m_done);
            return;
        }
        m_page.load(QUrl(m_addresses.at(m_index++)));
    }

    QWebEnginePage m_page;
    QStringList m_addresses;
    QString m_folder;
    std::function<void()> m_done;
    int m_index = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir work;
    prepareBenchEnvironment(work.path());
    QApplication app(argc, argv);
    const int runs = app.arguments().value(1, QStringLiteral("3")).toInt();
    const int delayMs = app.arguments().value(2, QStringLiteral("80")).toInt();

    SlowServer server(delayMs);
    QStringList addresses;
    for (int n = 1; n <= kPages; ++n)
        addresses << server.url(n);
    std::printf("%d pages, each answered after %d ms; %d at once in the clone job\n", kPages, delayMs,
                CloneJob::kAtOnce);

    QWebEngineProfile profile; // off the record
    PageArchiver archiver(&profile, nullptr, nullptr);
    // The engine's first start is paid before anything is timed.
    {
        QTemporaryDir warm;
        OneByOne *first = nullptr;
        timeUntilDone([&](auto done) { first = new OneByOne(&profile, {addresses.first()}, warm.path(), done); });
        delete first;
    }

    QList<double> clone, baseline;
    bool complete = true;
    for (int run = 0; run < runs; ++run) {
        // Taking turns: neither always comes first.
        for (int turn = 0; turn < 2; ++turn) {
            const bool cloneTurn = (run + turn) % 2 == 0;
            QTemporaryDir folder;
            if (cloneTurn) {
                QList<CloneJob::Entry> entries;
                for (int i = 0; i < kPages; ++i)
                    entries.append({addresses.at(i), folder.filePath(QStringLiteral("%1.mht").arg(i)), {}});
                CloneJob job(entries,
                             {[&archiver](const QString &address, const QString &path, CloneJob::Done done) {
                                  archiver.archive(QUrl(address), path, [done](PageArchiver::Result result) {
                                      done(result == PageArchiver::Result::Written ? CloneJob::Outcome::Written
                                                                                    : CloneJob::Outcome::NotWritten);
                                  });
                              },
                              {}});
                clone << timeUntilDone([&](auto done) {
                    QObject::connect(&job, &CloneJob::finished, &job, [done](const QStringList &) { done(); });
                    job.start();
                });
            } else {
                OneByOne *loop = nullptr;
                baseline << timeUntilDone(
                    [&](auto done) { loop = new OneByOne(&profile, addresses, folder.path(), done); });
                delete loop;
            }
            if (filesIn(folder.path()) != kPages) {
                std::fprintf(stderr, "%s wrote %d of %d files\n", cloneTurn ? "clone" : "baseline",
                             filesIn(folder.path()), kPages);
                complete = false;
            }
            std::printf("run %d %-8s %8.0f ms\n", run + 1, cloneTurn ? "clone" : "baseline",
                        cloneTurn ? clone.last() : baseline.last());
            std::fflush(stdout);
        }
    }
    const double ours = median(clone);
    const double theirs = median(baseline);
    std::printf("clone job (median): %.0f ms\n", ours);
    std::printf("one page after another (median): %.0f ms\n", theirs);
    std::printf("ratio clone/baseline: %.2f (target <= 0.5)\n", theirs > 0 ? ours / theirs : 0.0);
    return complete ? 0 : 1;
}
