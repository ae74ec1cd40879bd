#include "net/SessionProxy.h"

#include <QNetworkProxy>
#include <QUrl>

namespace SessionProxy {

bool setNamed(const QString &hostAndPort)
{
    const QString text = hostAndPort.trimmed();
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (!ok || port == 0 || port > 65535 || host.isEmpty())
        return false;
    QUrl check;
    check.setHost(host, QUrl::StrictMode);
    if (!check.isValid() || check.host().isEmpty())
        return false;
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(port)));
    return true;
}

void setDirect()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

} // namespace SessionProxy
