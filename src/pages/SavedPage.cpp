#include "pages/SavedPage.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <memory>

namespace SavedPage {

namespace {

struct Watch
{
    Done done;
    QMetaObject::Connection requested;
    QMetaObject::Connection gone;
    bool writing = false; // the engine has begun writing the file
    bool ended = false;

    void end(bool written)
    {
        if (ended)
            return;
        ended = true;
        stopWaiting();
        if (done)
            std::exchange(done, nullptr)(written);
    }
    void stopWaiting()
    {
        QObject::disconnect(requested);
        QObject::disconnect(gone);
    }
};

} // namespace

void write(QWebEnginePage *page, const QString &path, QWebEngineDownloadRequest::SavePageFormat format, Done done)
{
    auto watch = std::make_shared<Watch>();
    watch->done = std::move(done);
    QWebEngineProfile *profile = page->profile();
    const QString target = QFileInfo(path).absoluteFilePath();
    // Only the page's own save to this file: the profile reports every download.
    watch->requested = QObject::connect(
        profile, &QWebEngineProfile::downloadRequested, profile,
        [watch, page, target](QWebEngineDownloadRequest *request) {
            if (!request->isSavePageDownload() || request->page() != page
                || QDir(request->downloadDirectory()).filePath(request->downloadFileName()) != target) {
                return;
            }
            watch->stopWaiting();
            watch->writing = true;
            // The engine accepts a page's save by itself; its end comes later.
            auto check = [watch, request] {
                if (request->isFinished())
                    watch->end(request->state() == QWebEngineDownloadRequest::DownloadCompleted);
            };
            QObject::connect(request, &QWebEngineDownloadRequest::isFinishedChanged, request, check);
            // A download that goes unfinished (its page closed) wrote nothing whole.
            QObject::connect(request, &QObject::destroyed, request, [watch] { watch->end(false); });
            check();
        });
    watch->gone = QObject::connect(page, &QObject::destroyed, profile, [watch] { watch->end(false); });
    QTimer::singleShot(kStartLimitMs, profile, [watch] {
        // Once the writing has begun, its end is awaited however long it takes.
        if (!watch->writing)
            watch->end(false);
    });
    page->save(target, format);
}

} // namespace SavedPage
