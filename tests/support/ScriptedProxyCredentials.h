#pragma once

#include "ui/ProxyCredentials.h"

#include <QList>
#include <QStringList>

#include <functional>

// Proxy credentials answered from a queue instead of a dialog (cancelled
// when it is empty); keeps whom it was asked for and which user the dialog
// would have shown.
class ScriptedProxyCredentials : public ProxyCredentials
{
public:
    QList<std::optional<ProxyLogin>> answers;
    QStringList askedHosts;
    QStringList shownUsers;
    // What happens while the dialog would be up.
    std::function<void()> whileAsked;

protected:
    std::optional<ProxyLogin> ask(QWidget *, const QString &proxyHost, const QString &, const QString &user) override
    {
        askedHosts << proxyHost;
        shownUsers << user;
        if (whileAsked)
            whileAsked();
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};
