#include "ui/ProxyCredentials.h"

#include <QAuthenticator>

bool ProxyCredentials::answer(QWidget *parent, const QString &proxyHost, QAuthenticator *authenticator,
                              bool firstDemand)
{
    const QString key = proxyHost.toLower();
    if (firstDemand) {
        const auto remembered = m_remembered.constFind(key);
        if (remembered != m_remembered.constEnd()) {
            authenticator->setUser(remembered->user);
            authenticator->setPassword(remembered->password);
            return true;
        }
    } else {
        // What was offered did not do; it is not offered again unasked.
        m_remembered.remove(key);
    }
    const auto login = ask(parent, proxyHost, authenticator->realm(), authenticator->user());
    if (!login)
        return false;
    authenticator->setUser(login->user);
    authenticator->setPassword(login->password);
    if (login->remember)
        m_remembered.insert(key, *login);
    return true;
}

bool ProxyCredentials::remembers(const QString &proxyHost) const
{
    return m_remembered.contains(proxyHost.toLower());
}
