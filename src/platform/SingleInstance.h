#pragma once

#include "platform/HandOffRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// Keeps one running instance per user and profile. The first start listens on
// a local socket in the user's private runtime directory; a later start
// connects, hands over its argument (one text of at most kMaxRecord bytes of
// UTF-8, empty for none) and waits for the running instance's answer.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxRecord = HandOffRecord::kMaxText;

    enum class Role {
        Primary,     // this process is the running instance
        Secondary,   // another instance runs; hand off to it and end
        Unreachable, // another instance holds the profile but does not answer; end
        Alone        // no hand-off is possible (no private runtime directory); run on our own
    };
    // What the running instance did with a hand-off.
    enum class Answer : char {
        Opened = 'O',    // the address was opened
        Activated = 'A', // there was no address: the window was brought up
        Dialog = 'D',    // a dialog is up: it was brought up and nothing was opened
    };
    enum class HandOffResult { Opened, Activated, Dialog, Failed };

    SingleInstance(const QString &runtimeDir, const QString &profileDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The running instance holds the profile's lock for its whole life, so
    // two processes never share one store. A start that finds it held waits
    // up to waitMs for the holder to answer (it may itself be starting, or
    // ending), and becomes the instance if the holder ends meanwhile.
    Role claim(int waitMs = 10000);
    QString socketPath() const { return m_socketPath; }

    // Secondary side. An argument that does not fit must not be passed.
    static bool fits(const QString &argument);
    HandOffResult handOff(const QString &argument, int timeoutMs = 30000);

    // Primary side: requests wait until a handler is set, then run in order.
    using Handler = std::function<Answer(const QString &text)>;
    void setHandler(Handler handler);
    // Stops answering and removes the socket; later starts become primary
    // once this process has ended.
    void stop();

signals:
    // A hand-off started but was cut short or malformed.
    void brokenRecord();

private:
    struct Pending
    {
        QPointer<QLocalSocket> socket;
        QString text;
    };
    void acceptConnections();
    void readFrom(QLocalSocket *socket);
    void dropConnection(QLocalSocket *socket, bool broken);
    void runPending();
    Role becomePrimary();

    QString m_runtimeDir;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QLocalSocket *m_client = nullptr;
    QHash<QLocalSocket *, QByteArray> m_buffers;
    QList<Pending> m_pending;
    Handler m_handler;
};
