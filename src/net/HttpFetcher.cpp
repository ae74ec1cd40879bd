#include "net/HttpFetcher.h"

#include "core/BuildInfo.h"
#include "core/SettingsStore.h"
#include "ui/ProxyCredentials.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// How much of an answer waits in memory before we read it.
constexpr qint64 kReadBuffer = 256 * 1024;

// Errors that only say what the status already says: the answer is complete.
bool isStatusError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
           || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

} // namespace

struct HttpFetcher::Job
{
    Done done;
    QByteArray body;
    QString error;
    QTimer *timer = nullptr;
};

QByteArray HttpResult::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

HttpFetcher::HttpFetcher(const SettingsStore &settings, std::shared_ptr<ProxyCredentials> credentials,
                         QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_credentials(std::move(credentials))
    , m_dialogParent(dialogParent)
    , m_manager(new QNetworkAccessManager(this))
{
    // No proxy of its own: each request takes the session's proxy as it is then.
    connect(m_manager, &QNetworkAccessManager::proxyAuthenticationRequired, this, &HttpFetcher::answerProxy);
}

HttpFetcher::~HttpFetcher()
{
    for (QNetworkReply *reply : m_jobs.keys())
        reply->disconnect(this);
    m_jobs.clear();
    if (m_asking > 0) {
        // Gone while the credentials dialog was up: the manager is still
        // inside its own signal and goes once that has returned.
        m_manager->disconnect(this);
        m_manager->setParent(nullptr);
        m_manager->deleteLater();
    }
}

QString HttpFetcher::tooLong()
{
    return tr("回答超过了 %1 MB。").arg(kBodyLimit / (1024 * 1024));
}

int HttpFetcher::timeLimitMs() const
{
    return std::max(1, m_settings.read(settings::fetchTimeLimit)) * 1000;
}

void HttpFetcher::fetch(const HttpRequest &request, Done done)
{
    const QString scheme = request.url.scheme();
    if (!request.url.isValid() || request.url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        HttpResult result;
        result.error = tr("只能取 HTTP 和 HTTPS 地址: %1").arg(request.url.toString());
        QMetaObject::invokeMethod(
            this, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
        return;
    }

    QNetworkRequest r(request.url);
    r.setHeader(QNetworkRequest::UserAgentHeader, QLatin1String(kAppName));
    r.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                   request.followRedirects ? QNetworkRequest::NoLessSafeRedirectPolicy
                                           : QNetworkRequest::ManualRedirectPolicy);
    r.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply *reply = request.method == HttpRequest::Method::Head ? m_manager->head(r) : m_manager->get(r);
    reply->setReadBufferSize(kReadBuffer);

    auto job = std::make_shared<Job>();
    job->done = std::move(done);
    job->timer = new QTimer(reply);
    job->timer->setSingleShot(true);
    m_jobs.insert(reply, job);

    connect(job->timer, &QTimer::timeout, this, [this, reply] {
        fail(reply, tr("%1 秒内没有得到完整的回答。").arg(timeLimitMs() / 1000));
    });
    if (request.method == HttpRequest::Method::Get) {
        // A body announced too long is not waited for.
        connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
            if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kBodyLimit)
                fail(reply, tooLong());
        });
    }
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        const auto it = m_jobs.constFind(reply);
        if (it == m_jobs.constEnd())
            return;
        Job &job = **it;
        job.body += reply->read(kBodyLimit + 1 - job.body.size());
        if (job.body.size() > kBodyLimit)
            fail(reply, tooLong());
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    job->timer->start(timeLimitMs());
}

void HttpFetcher::fail(QNetworkReply *reply, const QString &error)
{
    const auto it = m_jobs.constFind(reply);
    if (it == m_jobs.constEnd())
        return;
    (*it)->error = error;
    if (reply->isFinished())
        finish(reply);
    else
        reply->abort(); // finishes it at once
}

void HttpFetcher::finish(QNetworkReply *reply)
{
    const std::shared_ptr<Job> job = m_jobs.take(reply);
    if (!job)
        return;
    job->timer->stop();

    HttpResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.isValid() ? status.toInt() : 0;
    result.headers = reply->rawHeaderPairs();
    result.error = job->error;
    if (result.error.isEmpty()) {
        job->body += reply->read(kBodyLimit + 1 - job->body.size());
        if (job->body.size() > kBodyLimit)
            result.error = tooLong();
    }
    if (result.error.isEmpty() && reply->error() != QNetworkReply::NoError) {
        if (reply->error() == QNetworkReply::ProxyAuthenticationRequiredError)
            result.error = tr("代理服务器要求登录, 没有登录成功。");
        else if (result.status == 0 || !isStatusError(reply->error()))
            result.error = reply->errorString();
    }
    // A body cut short is no body: nobody reads half a file.
    if (result.error.isEmpty())
        result.body = std::move(job->body);
    reply->deleteLater();
    // Never from inside the reply's own signal: the caller may let go of us.
    QMetaObject::invokeMethod(
        this, [done = std::move(job->done), result = std::move(result)] { done(result); }, Qt::QueuedConnection);
}

void HttpFetcher::answerProxy(const QNetworkProxy &proxy, QAuthenticator *authenticator)
{
    if (!m_credentials)
        return;
    // Nothing offered yet for this request: remembered credentials may do.
    const bool firstDemand = authenticator->user().isEmpty() && authenticator->password().isEmpty();
    // The user's time to answer counts against no fetch.
    for (const auto &job : std::as_const(m_jobs))
        job->timer->stop();
    const QPointer<HttpFetcher> self(this);
    const std::shared_ptr<ProxyCredentials> credentials = m_credentials;
    ++m_asking;
    credentials->answer(m_dialogParent, proxy.hostName(), authenticator, firstDemand);
    if (!self)
        return;
    --m_asking;
    for (const auto &job : std::as_const(m_jobs))
        job->timer->start(timeLimitMs());
}
