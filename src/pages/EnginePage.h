#pragma once

#include "pages/BrowserControl.h"

#include <QWebEnginePage>

class QWebEngineLoadingInfo;

// The engine's page, turned into the control's events. Loads of the top-level
// document come from the engine's loading states; navigations of inner frames
// from its navigation requests.
class EnginePage : public QWebEnginePage
{
    Q_OBJECT
public:
    EnginePage(QWebEngineProfile *profile, BrowserControl &control, QObject *parent);

    // Console messages that begin with this come from our own page script.
    void setReportToken(const QString &token) { m_token = token; }

signals:
    void report(const QByteArray &json);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    void finishTopLoad(bool failed);

    BrowserControl &m_control;
    QString m_token;
    bool m_loading = false;
    bool m_committed = false;
};
