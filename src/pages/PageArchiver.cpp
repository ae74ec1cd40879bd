#include "pages/PageArchiver.h"

#include "pages/SavedPage.h"
#include "ui/ProxyCredentials.h"

#include <QAuthenticator>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWidget>

#include <utility>

namespace {

// The engine's code for a load given up because another one took its place.
constexpr int kAborted = -3;

} // namespace

struct PageArchiver::Job
{
    QString path;
    Done done;
    QTimer limit;
    bool started = false; // the engine has begun this job's load
    bool saving = false;
    bool proxyAnswered = false;
};

PageArchiver::PageArchiver(QWebEngineProfile *profile, std::shared_ptr<ProxyCredentials> credentials,
                           QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_profile(profile)
    , m_credentials(std::move(credentials))
    , m_dialogParent(dialogParent)
    , m_idleTimer(new QTimer(this))
{
    m_idleTimer->setSingleShot(true);
    m_idleTimer->setInterval(kIdleMs);
    connect(m_idleTimer, &QTimer::timeout, this, &PageArchiver::releaseIdle);
}

PageArchiver::~PageArchiver()
{
    // The pages are children and go with the archiver; nobody is told.
    for (const std::shared_ptr<Job> &job : std::as_const(m_jobs))
        job->done = nullptr;
    m_jobs.clear();
}

QWebEnginePage *PageArchiver::makePage()
{
    auto *page = new QWebEnginePage(m_profile, this);
    page->setAudioMuted(true);
    // Unseen is not hidden: the engine puts a hidden page behind the others,
    // as it does a tab in the background.
    page->setVisible(true);
    // A page nobody sees opens no windows.
    page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    connect(page, &QWebEnginePage::loadingChanged, this, [this, page](const QWebEngineLoadingInfo &info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            if (const std::shared_ptr<Job> job = m_jobs.value(page))
                job->started = true;
            break;
        case QWebEngineLoadingInfo::LoadSucceededStatus: loaded(page, true); break;
        case QWebEngineLoadingInfo::LoadStoppedStatus: loaded(page, false); break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            // Replaced by a load of its own (a redirect by script): that one counts.
            if (info.errorCode() != kAborted)
                loaded(page, false);
            break;
        }
    });
    connect(page, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this, page](const QUrl &, QAuthenticator *authenticator, const QString &proxyHost) {
                const std::shared_ptr<Job> job = m_jobs.value(page);
                const bool first = job && !job->proxyAnswered;
                if (job)
                    job->proxyAnswered = true;
                QWidget *parent = m_dialogParent ? m_dialogParent->window() : nullptr;
                if (!m_credentials || !m_credentials->answer(parent, proxyHost, authenticator, first))
                    *authenticator = QAuthenticator(); // left empty, the engine gives the load up
            });
    return page;
}

void PageArchiver::archive(const QUrl &address, const QString &path, Done done)
{
    QWebEnginePage *page = m_idle.isEmpty() ? makePage() : m_idle.takeLast();
    if (m_idle.isEmpty())
        m_idleTimer->stop();
    auto job = std::make_shared<Job>();
    job->path = path;
    job->done = std::move(done);
    job->limit.setSingleShot(true);
    job->limit.setInterval(kLoadLimitMs);
    connect(&job->limit, &QTimer::timeout, this, [this, page] { finish(page, Result::NotLoaded, false); });
    m_jobs.insert(page, job);
    job->limit.start();
    page->load(address);
}

void PageArchiver::loaded(QWebEnginePage *page, bool ok)
{
    // The end of a load the page had before this job's is none of its business.
    const std::shared_ptr<Job> job = m_jobs.value(page);
    if (!job || !job->started || job->saving)
        return;
    if (!ok) {
        finish(page, Result::NotLoaded, true);
        return;
    }
    job->saving = true;
    job->limit.stop();
    QPointer<PageArchiver> self(this);
    SavedPage::write(page, job->path, QWebEngineDownloadRequest::MimeHtmlSaveFormat, [self, page](bool written) {
        if (self)
            self->finish(page, written ? Result::Written : Result::NotWritten, true);
    });
}

void PageArchiver::finish(QWebEnginePage *page, Result result, bool reuse)
{
    const std::shared_ptr<Job> job = m_jobs.take(page);
    if (!job)
        return;
    job->limit.stop();
    if (reuse) {
        m_idle << page;
        m_idleTimer->start();
    } else {
        // Called from the page's own signals: it goes once they are over.
        page->disconnect(this);
        page->deleteLater();
    }
    if (job->done)
        job->done(result);
}

void PageArchiver::releaseIdle()
{
    for (QWebEnginePage *page : std::exchange(m_idle, {})) {
        page->disconnect(this);
        page->deleteLater();
    }
}
