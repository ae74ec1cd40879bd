#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 inside the test process. It answers GET
// and HEAD for the paths it was given (anything else is 404) and records every
// path asked for.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    void route(const QString &path, const QByteArray &body,
               const QByteArray &contentType = "text/html; charset=utf-8", int status = 200);
    // A page whose title is the given text.
    void page(const QString &path, const QString &title);
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

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QStringList m_requests;
};
