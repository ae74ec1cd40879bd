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

void LoopbackHttpServer::rawRoute(const QString &path, const QByteArray &response)
{
    m_raw.insert(path, response);
}

void LoopbackHttpServer::silent(const QString &path)
{
    m_silent << path;
}

void LoopbackHttpServer::requireProxyLogin(const QString &user, const QString &password, const QString &realm)
{
    m_proxyLogin = "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64();
    m_realm = realm;
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
    const QString asked = QString::fromUtf8(requestLine.value(1));
    if (demandProxyLogin(socket, pending.left(pending.indexOf("\r\n\r\n"))))
        return;
    m_requests << asked;
    emit requested(asked);

    // Asked as a proxy, the full address is served by its own route, else
    // by the route of the part after the host.
    QString path = asked;
    if (asked.startsWith(QLatin1String("http://")) && !m_routes.contains(asked) && !m_raw.contains(asked)
        && !m_silent.contains(asked)) {
        const qsizetype slash = asked.indexOf(QLatin1Char('/'), 7);
        path = slash < 0 ? QStringLiteral("/") : asked.mid(slash);
    }
    if (m_silent.contains(path))
        return;
    if (m_raw.contains(path)) {
        socket->write(m_raw.value(path));
        socket->disconnectFromHost();
        return;
    }
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

bool LoopbackHttpServer::demandProxyLogin(QTcpSocket *socket, const QByteArray &head)
{
    if (m_proxyLogin.isEmpty())
        return false;
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare("Proxy-Authorization", Qt::CaseInsensitive) == 0
            && line.mid(colon + 1).trimmed() == m_proxyLogin) {
            return false;
        }
    }
    ++m_proxyDemands;
    const QByteArray body = "proxy login required";
    socket->write("HTTP/1.1 407 Proxy Authentication Required\r\n"
                  "Proxy-Authenticate: Basic realm=\"" + m_realm.toUtf8() + "\"\r\n"
                  "Content-Type: text/plain\r\n"
                  "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
                  "Connection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
    return true;
}
