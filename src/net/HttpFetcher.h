#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class ProxyCredentials;
class QNetworkAccessManager;
class QNetworkProxy;
class QNetworkReply;
class QAuthenticator;
class QWidget;
class SettingsStore;

struct HttpRequest
{
    enum class Method { Get, Head };

    QUrl url;
    Method method = Method::Get;
    // Redirects are answers of their own unless the caller asks to follow them.
    bool followRedirects = false;
};

struct HttpResult
{
    int status = 0; // the server's status; 0 when no answer came
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body; // empty when the fetch did not complete
    QString error;   // why the fetch did not complete; empty when it did

    // A complete answer with a status of 200 to 299.
    bool ok() const { return error.isEmpty() && status >= 200 && status <= 299; }
    QByteArray header(const QByteArray &name) const;
};

// How the program itself fetches over HTTP and HTTPS: through the session's
// proxy as it is set when the fetch starts, answering a proxy's demand for
// credentials with the user's, and never waiting without end nor holding
// more than a bounded body. Each fetch ends in exactly one call of its done
// function, from the event loop, unless the fetcher goes away first. A proxy
// login the user gave is kept by the fetcher for its later fetches (one
// fetcher a job); beyond that only when the user chose to remember it.
class HttpFetcher : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const HttpResult &result)>;

    // A longer body ends the fetch as a failure.
    static constexpr qint64 kBodyLimit = 8 * 1024 * 1024;

    // settings: where the time limit is read at each fetch. credentials:
    // asked when a proxy demands them (none: such a fetch fails), over
    // dialogParent's window.
    HttpFetcher(const SettingsStore &settings, std::shared_ptr<ProxyCredentials> credentials,
                QWidget *dialogParent, QObject *parent = nullptr);
    // Fetches still running are dropped without a call.
    ~HttpFetcher() override;

    void fetch(const HttpRequest &request, Done done);
    int running() const { return int(m_jobs.size()); }

private:
    struct Job;
    void fail(QNetworkReply *reply, const QString &error);
    void finish(QNetworkReply *reply);
    void answerProxy(const QNetworkProxy &proxy, QAuthenticator *authenticator);
    int timeLimitMs() const;
    static QString tooLong();

    const SettingsStore &m_settings;
    std::shared_ptr<ProxyCredentials> m_credentials;
    QPointer<QWidget> m_dialogParent;
    QNetworkAccessManager *m_manager;
    QHash<QNetworkReply *, std::shared_ptr<Job>> m_jobs;
    int m_asking = 0; // the credentials dialog is up
};
