#include "frame/CloneSetup.h"

#include "clone/CloneCommands.h"
#include "net/HttpFetcher.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageArchiver.h"
#include "pages/PageFileName.h"
#include "pages/PageHost.h"
#include "pages/PageList.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

namespace {

ClonePage clonePage(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    return {control->locationName(), control->locationUrl(),
            [control](const QString &source, std::function<void(const QVariant &)> done) {
                if (control)
                    control->runPageScript(source, std::move(done));
                else
                    done({});
            },
            [control](const QString &path, CloneJob::Done done) {
                // A Page closed meanwhile has nothing to write.
                if (!control) {
                    done(CloneJob::Outcome::Skipped);
                    return;
                }
                // A web archive shown from the disk is one already, and the
                // engine does not write such a page again: the file is copied.
                const QUrl shown(control->locationUrl());
                const QString suffix = QFileInfo(shown.path()).suffix().toLower();
                if (shown.isLocalFile() && (suffix == QLatin1String("mht") || suffix == QLatin1String("mhtml"))) {
                    const QString source = shown.toLocalFile();
                    // Saved onto itself: it is there already.
                    if (QFileInfo(source).canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
                        done(CloneJob::Outcome::Written);
                        return;
                    }
                    QFile::remove(path);
                    done(QFile::copy(source, path) ? CloneJob::Outcome::Written : CloneJob::Outcome::NotWritten);
                    return;
                }
                control->savePage(path, BrowserControl::SaveFormat::Mhtml, [done](bool written) {
                    done(written ? CloneJob::Outcome::Written : CloneJob::Outcome::NotWritten);
                });
            }};
}

CloneJob::Outcome outcomeOf(PageArchiver::Result result)
{
    switch (result) {
    case PageArchiver::Result::Written: return CloneJob::Outcome::Written;
    case PageArchiver::Result::NotLoaded: return CloneJob::Outcome::Skipped;
    case PageArchiver::Result::NotWritten: return CloneJob::Outcome::NotWritten;
    }
    return CloneJob::Outcome::NotWritten;
}

} // namespace

CloneCommands *makeCloneCommands(const CloneSetup &setup, QObject *parent)
{
    PageHost *host = &setup.host;
    PageArchiver *archiver =
        setup.profile ? new PageArchiver(setup.profile, setup.credentials, setup.window) : nullptr;
    CloneJob::Archive archive;
    if (archiver) {
        archive = [archiver](const QString &address, const QString &path, CloneJob::Done done) {
            archiver->archive(QUrl(address), path,
                              [done](PageArchiver::Result result) { done(outcomeOf(result)); });
        };
    }
    const SettingsStore *settings = &setup.settings;
    std::shared_ptr<ProxyCredentials> credentials = setup.credentials;
    QPointer<QWidget> window = setup.window;
    auto newFetch = [settings, credentials, window]() -> CloneJob::Fetch {
        // One fetcher a job: a proxy login given during the job holds for
        // its other pictures. It goes with the job, never from inside one of
        // its own answers (a job is let go from the event loop).
        auto fetcher = std::make_shared<HttpFetcher>(*settings, credentials, window);
        return [fetcher](const QString &address, CloneJob::Fetched done) {
            HttpRequest request{QUrl(address)};
            request.followRedirects = true;
            fetcher->fetch(request, [done](const HttpResult &result) { done(result.ok(), result.body); });
        };
    };
    auto *commands = new CloneCommands(
        CloneParts{setup.window, setup.messages, &PageFileName::fromTitle,
                   [host]() -> std::optional<ClonePage> {
                       CWebBrowser2 *page = host->activePage();
                       return page ? std::optional(clonePage(page)) : std::nullopt;
                   },
                   [host] {
                       QList<ClonePage> pages;
                       for (int i = 0; i < host->list().count(); ++i) {
                           if (CWebBrowser2 *page = host->list().at(i))
                               pages << clonePage(page);
                       }
                       return pages;
                   },
                   archive, newFetch, {}},
        parent);
    // The unseen pages go with the commands, before the Pages and the profile.
    if (archiver)
        archiver->setParent(commands);
    return commands;
}
