#pragma once

#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <atomic>


// Working offline: while it is on, the Pages' requests to the network are
// refused; local files and the engine's own pages still open.
class OfflineGate : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    explicit OfflineGate(QWebEngineProfile *profile, QObject *parent = nullptr);
    ~OfflineGate() override;
    void setOffline(bool offline);
    bool isOffline() const { return m_offline; }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
    static bool isNetworkScheme(const QString &scheme);

private:
    QPointer<QWebEngineProfile> m_profile;
    std::atomic<bool> m_offline{false};
};
