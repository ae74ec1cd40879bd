#pragma once

#include <QObject>

class QTcpServer;
class QWebEnginePage;
class QWebEngineProfile;

// The engine reads the application's proxy lazily: a change counts only from
// the look-up after the next one, so the first page after a change would
// still go the old way. refresh() makes a look-up happen at once, with a
// request from a hidden page to a loopback port of our own that answers
// "no content" (nothing is shown, nothing leaves the machine).
class EngineProxyRefresh : public QObject
{
    Q_OBJECT
public:
    explicit EngineProxyRefresh(QWebEngineProfile *profile, QObject *parent = nullptr);
    ~EngineProxyRefresh() override;

    void refresh();

signals:
    // The look-up after a refresh has happened: the engine has the new proxy.
    void refreshed();

private:
    void answer();

    QWebEngineProfile *m_profile;
    QTcpServer *m_server = nullptr;
    QWebEnginePage *m_page = nullptr;
    int m_count = 0;
};
