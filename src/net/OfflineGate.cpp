#include "net/OfflineGate.h"

#include <QWebEngineProfile>

OfflineGate::OfflineGate(QWebEngineProfile *profile, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent)
    , m_profile(profile)
{
}

OfflineGate::~OfflineGate()
{
    // The profile must not keep a gate that is gone.
    if (m_offline)
        setOffline(false);
}

void OfflineGate::setOffline(bool offline)
{
    m_offline = offline;
    // Online, no request waits for this gate.
    if (m_profile)
        m_profile->setUrlRequestInterceptor(offline ? this : nullptr);
}

bool OfflineGate::isNetworkScheme(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp")
        || scheme == QLatin1String("ws") || scheme == QLatin1String("wss");
}

void OfflineGate::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (m_offline && isNetworkScheme(info.requestUrl().scheme()))
        info.block(true);
}
