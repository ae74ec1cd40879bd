#include "net/EngineProxyRefresh.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>

EngineProxyRefresh::EngineProxyRefresh(QWebEngineProfile *profile, QObject *parent)
    : QObject(parent)
    , m_profile(profile)
{
}

EngineProxyRefresh::~EngineProxyRefresh()
{
    // The page goes before the profile it belongs to.
    delete m_page;
}

void EngineProxyRefresh::refresh()
{
    if (!m_profile)
        return;
    if (!m_server) {
        m_server = new QTcpServer(this);
        if (!m_server->listen(QHostAddress::LocalHost)) {
            delete m_server;
            m_server = nullptr;
            return;
        }
        connect(m_server, &QTcpServer::newConnection, this, &EngineProxyRefresh::answer);
        m_page = new QWebEnginePage(m_profile);
    }
    // A new address each time: nothing of an earlier answer is reused.
    m_page->load(QUrl(QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server->serverPort()).arg(++m_count)));
}

void EngineProxyRefresh::answer()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->readAll();
            socket->write("HTTP/1.1 204 No Content\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        emit refreshed();
    }
}
