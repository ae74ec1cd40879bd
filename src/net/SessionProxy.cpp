#include "net/SessionProxy.h"

#include <QNetworkProxy>
#include <QUrl>

namespace SessionProxy {

std::optional<Address> parse(const QString &hostAndPort)
{
    const QString text = hostAndPort.trimmed();
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (!ok || port == 0 || port > 65535 || host.isEmpty())
        return std::nullopt;
    QUrl check;
    check.setHost(host, QUrl::StrictMode);
    if (!check.isValid() || check.host().isEmpty())
        return std::nullopt;
    return Address{host, quint16(port)};
}

bool setNamed(const QString &hostAndPort)
{
    const auto address = parse(hostAndPort);
    if (!address)
        return false;
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, address->host, address->port));
    return true;
}

void setDirect()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

bool inUse()
{
    return QNetworkProxy::applicationProxy().type() == QNetworkProxy::HttpProxy;
}

} // namespace SessionProxy
