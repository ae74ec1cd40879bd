#pragma once

#include "pages/BrowserControl.h"

#include <QHash>
#include <QWebEnginePage>

#include <memory>

class ProxyCredentials;
class QAuthenticator;
class QWebEngineLoadingInfo;

// The engine's page, turned into the control's events. Loads of the top-level
// document come from the engine's loading states; navigations of inner frames
// from its navigation requests.
class EnginePage : public QWebEnginePage
{
    Q_OBJECT
public:
    EnginePage(QWebEngineProfile *profile, BrowserControl &control, QObject *parent);

    // Console messages that begin with this come from our own page script.
    void setReportToken(const QString &token) { m_token = token; }
    // Who answers a proxy that asks for credentials (none: the load fails).
    void setProxyCredentials(std::shared_ptr<ProxyCredentials> credentials)
    {
        m_proxyCredentials = std::move(credentials);
    }

signals:
    void report(const QByteArray &json);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    void finishTopLoad(bool failed);
    void answerProxy(QAuthenticator *authenticator, const QString &proxyHost);

    BrowserControl &m_control;
    QString m_token;
    std::shared_ptr<ProxyCredentials> m_proxyCredentials;
    // The proxies answered in this load (host in lower case) and the user offered.
    QHash<QString, QString> m_proxiesAnswered;
    bool m_loading = false;
    bool m_committed = false;
};
