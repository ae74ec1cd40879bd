#pragma once

#include "pages/BrowserControl.h"

#include <QPointer>
#include <QUrl>

#include <memory>

class EnginePage;
class ProxyCredentials;
class MediaFilter;
class QWebEngineProfile;
#include <QWebEngineView>

// The browser control on the real engine: one view and its page.
class EngineControl : public BrowserControl
{
    Q_OBJECT
public:
    // credentials: who answers a proxy that asks for them (none: such a load fails).
    EngineControl(QWebEngineProfile *profile, QWidget *parent, std::shared_ptr<ProxyCredentials> credentials = {});
    ~EngineControl() override;

    // Makes controls for the given engine profile.
    static ControlFactory factory(QWebEngineProfile *profile, std::shared_ptr<ProxyCredentials> credentials = {});

    QWidget *widget() override;
    void navigate(const QString &address) override;
    void stop() override;
    void refresh(int level) override;
    void goBack() override;
    void goForward() override;
    bool canGoBack() const override;
    bool canGoForward() const override;
    QList<HistoryEntry> backEntries(int max) const override;
    QList<HistoryEntry> forwardEntries(int max) const override;
    void goToBackEntry(int i) override;
    void goToForwardEntry(int i) override;
    QString locationUrl() const override;
    QString locationName() const override;
    void runEdit(Edit command) override;
    void setContentPolicy(const ContentPolicy &policy) override;
    void setZoomFactor(double factor) override;
    void setDefaultEncoding(const QString &charset) override;
    std::optional<ElementInfo> activeElement() const override { return m_activeElement; }
    void runPageScript(const QString &source, ScriptResult done) override;
    void savePage(const QString &path, SaveFormat format, SaveDone done = {}) override;
    void print(QPrinter *printer, PrintDone done) override;

    EnginePage *page() const { return m_page; }
    QWebEngineView *view() const { return m_view; }

private:
    void installInputScript();
    void onReport(const QByteArray &json);
    void completeBlankLoad();

    QPointer<QWebEngineView> m_view;
    EnginePage *m_page = nullptr;
    MediaFilter *m_media = nullptr;
    std::optional<ElementInfo> m_activeElement;
    QString m_token;
    QUrl m_requested;
    bool m_engineStarted = false; // the engine has been asked to load something
    bool m_blankQueued = false;
};
