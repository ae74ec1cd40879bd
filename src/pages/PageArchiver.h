#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class ProxyCredentials;
class QWebEnginePage;
class QTimer;
class QWebEngineProfile;
class QWidget;

// Writes pages nobody looks at as web archives: each address is loaded in a
// page without a view, in the given profile, and written as one MHTML file
// once it has loaded. A load that fails (no answer, an error page, the time
// limit) writes nothing. Each archive ends in exactly one call of its done
// function, from the event loop, unless the archiver goes first. Archives
// under way at once have a page each; a page that is done takes the next
// address (a new page costs a renderer's start), and pages left idle for a
// while are let go.
class PageArchiver : public QObject
{
    Q_OBJECT
public:
    enum class Result { Written, NotLoaded, NotWritten };
    using Done = std::function<void(Result result)>;

    // The most a load may take before it counts as failed.
    static constexpr int kLoadLimitMs = 60000;
    // How long a page waits for another address before it goes.
    static constexpr int kIdleMs = 10000;

    // credentials: who answers a proxy that asks (none: such a load fails),
    // over dialogParent's window.
    PageArchiver(QWebEngineProfile *profile, std::shared_ptr<ProxyCredentials> credentials,
                 QWidget *dialogParent, QObject *parent = nullptr);
    // Archives still running go without a call.
    ~PageArchiver() override;

    void archive(const QUrl &address, const QString &path, Done done);
    int running() const { return int(m_jobs.size()); }
    // Pages kept for the next addresses.
    int idle() const { return int(m_idle.size()); }

private:
    struct Job;
    QWebEnginePage *makePage();
    void loaded(QWebEnginePage *page, bool ok);
    // reuse: the page may take the next address (its load is over).
    void finish(QWebEnginePage *page, Result result, bool reuse);
    void releaseIdle();

    QWebEngineProfile *m_profile;
    std::shared_ptr<ProxyCredentials> m_credentials;
    QPointer<QWidget> m_dialogParent;
    QHash<QWebEnginePage *, std::shared_ptr<Job>> m_jobs;
    QList<QWebEnginePage *> m_idle;
    QTimer *m_idleTimer;
};
