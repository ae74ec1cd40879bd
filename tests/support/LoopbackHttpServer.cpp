#include "LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTest>

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void LoopbackHttpServer::route(const QString &path, const QByteArray &body, const QByteArray &contentType, int status)
{
    m_routes.insert(path, {body, contentType, status});
}

void LoopbackHttpServer::page(const QString &path, const QString &title)
{
    route(path, QStringLiteral("<!doctype html><html><head><title>%1</title></head><body><p>%1</p></body></html>")
                    .arg(title)
                    .toUtf8());
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

bool LoopbackHttpServer::waitForRequest(const QString &path, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_requests.contains(path); }, timeoutMs);
}

void LoopbackHttpServer::serve(QTcpSocket *socket)
{
    const QByteArray pending = socket->property("pending").toByteArray() + socket->readAll();
    if (!pending.contains("\r\n\r\n")) {
        socket->setProperty("pending", pending);
        return;
    }
    socket->setProperty("pending", QByteArray());
    const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
    const QByteArray method = requestLine.value(0);
    const QString path = QString::fromUtf8(requestLine.value(1));
    m_requests << path;
    emit requested(path);

    const auto it = m_routes.constFind(path);
    const Route route = it != m_routes.constEnd() ? *it : Route{"not found", "text/plain", 404};
    QByteArray response = "HTTP/1.1 " + QByteArray::number(route.status) + " X\r\n";
    response += "Content-Type: " + route.type + "\r\n";
    response += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    response += "Connection: close\r\n\r\n";
    if (method != "HEAD")
        response += route.body;
    socket->write(response);
    socket->disconnectFromHost();
}
