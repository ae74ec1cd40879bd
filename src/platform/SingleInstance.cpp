#include "platform/SingleInstance.h"

#include "platform/HandOffRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kRecordTimeoutMs = 10000;
constexpr int kRetryMs = 100;

// The runtime directory must belong to this user and be closed to others, or
// another user could plant a socket that receives our addresses.
bool isPrivateDir(const QString &dir)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

bool peerIsThisUser(QLocalSocket *socket)
{
    struct ucred cred {};
    socklen_t len = sizeof cred;
    if (::getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0)
        return false;
    return cred.uid == ::geteuid();
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeDir, const QString &profileDir, QObject *parent)
    : QObject(parent)
    , m_runtimeDir(runtimeDir)
{
    // One instance per profile: two processes must never share one store.
    const QByteArray key = QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(profileDir)),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    const QString base = runtimeDir + QStringLiteral("/vesperal-") + QString::fromLatin1(key);
    m_socketPath = base + QStringLiteral(".sock");
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // only a lock whose process is gone is stale
}

SingleInstance::~SingleInstance()
{
    stop();
    delete m_client;
}

SingleInstance::Role SingleInstance::claim(int waitMs)
{
    if (!isPrivateDir(m_runtimeDir))
        return Role::Alone;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (m_lock->tryLock(0))
            return becomePrimary();
        // Held: by a running instance, or one that is starting or ending.
        m_client = new QLocalSocket;
        m_client->connectToServer(m_socketPath);
        if (m_client->waitForConnected(kConnectTimeoutMs))
            return Role::Secondary;
        delete m_client;
        m_client = nullptr;
        if (waited.elapsed() >= waitMs)
            return Role::Unreachable;
        QThread::msleep(kRetryMs);
    }
}

SingleInstance::Role SingleInstance::becomePrimary()
{
    // We hold the lock: whatever socket file is left belongs to a dead instance.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        // No hand-offs, but the profile stays ours alone.
        delete m_server;
        m_server = nullptr;
        return Role::Alone;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return Role::Primary;
}

bool SingleInstance::fits(const QString &argument)
{
    return !HandOffRecord::encode(argument).isEmpty();
}

SingleInstance::HandOffResult SingleInstance::handOff(const QString &argument, int timeoutMs)
{
    HandOffResult result = HandOffResult::Failed;
    const QByteArray record = HandOffRecord::encode(argument);
    if (m_client && !record.isEmpty()) {
        m_client->write(record);
        if (m_client->waitForBytesWritten(kConnectTimeoutMs) && m_client->waitForReadyRead(timeoutMs)) {
            char answer = 0;
            if (m_client->getChar(&answer)) {
                switch (Answer(answer)) {
                case Answer::Opened: result = HandOffResult::Opened; break;
                case Answer::Activated: result = HandOffResult::Activated; break;
                case Answer::Dialog: result = HandOffResult::Dialog; break;
                }
            }
        }
        m_client->disconnectFromServer();
    }
    delete m_client;
    m_client = nullptr;
    return result;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!peerIsThisUser(socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_buffers.insert(socket, {});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            dropConnection(socket, m_buffers.contains(socket) && !m_buffers.value(socket).isEmpty());
        });
        QTimer::singleShot(kRecordTimeoutMs, socket, [this, socket] {
            if (m_buffers.contains(socket))
                dropConnection(socket, !m_buffers.value(socket).isEmpty());
        });
        readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket *socket)
{
    if (!m_buffers.contains(socket))
        return;
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const HandOffRecord::Decoded record = HandOffRecord::decode(buffer);
    if (record.status == HandOffRecord::Decoded::Status::Broken) {
        dropConnection(socket, true);
        return;
    }
    if (record.status == HandOffRecord::Decoded::Status::Incomplete)
        return;
    const QString text = record.text;
    m_buffers.remove(socket);
    m_pending.append({socket, text});
    runPending();
}

void SingleInstance::dropConnection(QLocalSocket *socket, bool broken)
{
    if (!m_buffers.remove(socket))
        return;
    socket->abort();
    socket->deleteLater();
    if (broken)
        emit brokenRecord();
}

void SingleInstance::setHandler(Handler handler)
{
    m_handler = std::move(handler);
    runPending();
}

void SingleInstance::runPending()
{
    while (m_handler && !m_pending.isEmpty()) {
        const Pending request = m_pending.takeFirst();
        const Answer answer = m_handler(request.text);
        if (request.socket) {
            request.socket->putChar(char(answer));
            request.socket->flush();
            request.socket->disconnectFromServer();
            request.socket->deleteLater();
        }
    }
}

void SingleInstance::stop()
{
    if (!m_server)
        return;
    m_server->close(); // also removes the socket file
    delete m_server;
    m_server = nullptr;
    m_handler = nullptr;
}
