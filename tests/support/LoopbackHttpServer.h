#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 inside the test process. It answers GET
// and HEAD for the paths it was given (anything else is 404) and records every
// path asked for. Set as the session's proxy it records the full address
// asked for and serves it by a route of that address, else by the route of
// its path; and it can demand credentials as a proxy does.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    void route(const QString &path, const QByteArray &body,
               const QByteArray &contentType = "text/html; charset=utf-8", int status = 200);
    // A page whose title is the given text.
    void page(const QString &path, const QString &title);
    // Answers the path with these bytes as they are, status line and all,
    // and closes the connection.
    void rawRoute(const QString &path, const QByteArray &response);
    // Never answers the path; the connection stays open.
    void silent(const QString &path);
    // As a proxy: answers 407 to every request that does not carry these
    // credentials (Basic, for the realm given).
    void requireProxyLogin(const QString &user, const QString &password, const QString &realm = QStringLiteral("loopback"));
    // How many requests were answered with 407.
    int proxyDemands() const { return m_proxyDemands; }
    QString url(const QString &path) const;
    quint16 port() const { return m_server.serverPort(); }

    QStringList requests() const { return m_requests; }
    // Runs the event loop until the path has been asked for; false on time-out.
    bool waitForRequest(const QString &path, int timeoutMs = 20000);

signals:
    void requested(const QString &path);

private:
    struct Route { QByteArray body; QByteArray type; int status; };
    void serve(QTcpSocket *socket);
    bool demandProxyLogin(QTcpSocket *socket, const QByteArray &head);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, QByteArray> m_raw;
    QStringList m_silent;
    QStringList m_requests;
    QByteArray m_proxyLogin; // the Proxy-Authorization value asked for; empty: none
    QString m_realm;
    int m_proxyDemands = 0;
};
