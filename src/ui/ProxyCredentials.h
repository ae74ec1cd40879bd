#pragma once

#include <QHash>
#include <QString>

#include <optional>

class QAuthenticator;
class QWidget;

// What the user answers when a proxy asks who is there.
struct ProxyLogin
{
    QString user;
    QString password;
    bool remember = false; // for the rest of this session
};

// Answers a proxy that demands credentials: with those the user chose to
// remember for this session, else by asking the user. Our own fetches and
// the Pages' loads share one, so what is remembered holds for both.
class ProxyCredentials
{
public:
    virtual ~ProxyCredentials() = default;

    // Fills the authenticator for a demand of the proxy on that host.
    // firstDemand: nothing has been offered for this request yet, so the
    // remembered credentials are tried; once they have failed the user is
    // asked. False when the user cancels: the authenticator is left as it
    // was, and the request ends refused.
    bool answer(QWidget *parent, const QString &proxyHost, QAuthenticator *authenticator, bool firstDemand);

    bool remembers(const QString &proxyHost) const;

protected:
    // Asks the user for the proxy's user name and password; nothing when
    // the user cancels.
    virtual std::optional<ProxyLogin> ask(QWidget *parent, const QString &proxyHost, const QString &realm,
                                          const QString &user) = 0;

private:
    QHash<QString, ProxyLogin> m_remembered; // by host, in lower case
};
