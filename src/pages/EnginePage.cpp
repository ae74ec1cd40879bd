#include "pages/EnginePage.h"

#include "ui/ProxyCredentials.h"

#include <QAuthenticator>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>

namespace {

// The engine's code for a load given up because another one replaced it.
constexpr int kAborted = -3;

// A page's request for a window, answered while the engine waits.
class EngineWindowRequest : public NewWindowRequest
{
public:
    explicit EngineWindowRequest(QWebEngineNewWindowRequest &request) : m_request(request) {}
    bool isUserInitiated() const override { return m_request.isUserInitiated(); }
    QString requestedAddress() const override { return m_request.requestedUrl().toString(); }
    void openIn(BrowserControl *control) override;

private:
    QWebEngineNewWindowRequest &m_request;
};

} // namespace

#include "pages/EngineControl.h"

void EngineWindowRequest::openIn(BrowserControl *control)
{
    if (auto *engine = qobject_cast<EngineControl *>(control))
        m_request.openIn(engine->page());
}

EnginePage::EnginePage(QWebEngineProfile *profile, BrowserControl &control, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_control(control)
{
    connect(this, &QWebEnginePage::loadingChanged, this, &EnginePage::onLoadingChanged);
    connect(this, &QWebEnginePage::urlChanged, this, [this] {
        // The new document is in place while the load goes on.
        if (m_loading && !m_committed) {
            m_committed = true;
            emit m_control.navigateComplete2(BrowserControl::Frame::Top);
        }
    });
    connect(this, &QWebEnginePage::titleChanged, &m_control, &BrowserControl::titleChange);
    connect(this, &QWebEnginePage::linkHovered, &m_control, &BrowserControl::statusTextChange);
    connect(this, &QWebEnginePage::loadProgress, this, [this](int progress) {
        // -1 says the download is over, as at the end of the load.
        if (m_loading && progress < 100)
            emit m_control.progressChange(progress, 100);
        else
            emit m_control.progressChange(-1, 0);
    });
    connect(this, &QWebEnginePage::navigationRequested, this, [this](QWebEngineNavigationRequest &request) {
        if (!request.isMainFrame())
            emit m_control.beforeNavigate2(BrowserControl::Frame::Inner);
    });
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest &request) {
        EngineWindowRequest wrapped(request);
        emit m_control.newWindow2(wrapped);
    });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl &, QAuthenticator *authenticator, const QString &proxyHost) {
                answerProxy(authenticator, proxyHost);
            });
}

void EnginePage::answerProxy(QAuthenticator *authenticator, const QString &proxyHost)
{
    // Remembered credentials are offered once a load; when the proxy asks
    // again they did not do, and the user is asked, with the user name
    // offered last filled in.
    const QString key = proxyHost.toLower();
    const auto answered = m_proxiesAnswered.constFind(key);
    const bool firstDemand = answered == m_proxiesAnswered.constEnd();
    if (!firstDemand && authenticator->user().isEmpty())
        authenticator->setUser(*answered);
    QWidget *view = QWebEngineView::forPage(this);
    if (!m_proxyCredentials
        || !m_proxyCredentials->answer(view ? view->window() : nullptr, proxyHost, authenticator, firstDemand)) {
        // Left empty, the engine gives the load up.
        *authenticator = QAuthenticator();
        return;
    }
    m_proxiesAnswered.insert(key, authenticator->user());
}

void EnginePage::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_proxiesAnswered.clear();
        m_loading = true;
        m_committed = false;
        emit m_control.beforeNavigate2(BrowserControl::Frame::Top);
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        finishTopLoad(false);
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        finishTopLoad(false);
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        finishTopLoad(info.errorCode() != kAborted);
        break;
    }
}

void EnginePage::finishTopLoad(bool failed)
{
    if (!m_loading)
        return;
    m_loading = false;
    if (failed) {
        emit m_control.navigateError(BrowserControl::Frame::Top);
    } else {
        if (!m_committed)
            emit m_control.navigateComplete2(BrowserControl::Frame::Top);
        // The engine refuses connections whose certificates it does not
        // trust, so a page that came over https is a fully secured one.
        emit m_control.setSecureLockIcon(url().scheme() == QLatin1String("https") ? 6 : 0);
    }
    m_committed = false;
    emit m_control.progressChange(-1, 0);
    emit m_control.documentComplete(BrowserControl::Frame::Top);
}

void EnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                          int lineNumber, const QString &sourceID)
{
    if (!m_token.isEmpty() && message.startsWith(m_token)) {
        emit report(message.mid(m_token.size()).toUtf8());
        return;
    }
    if (level == ErrorMessageLevel && message.startsWith(QLatin1String("Uncaught")))
        emit m_control.scriptError(message, sourceID, lineNumber);
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
}
