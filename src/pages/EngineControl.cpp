#include "pages/EngineControl.h"

#include "pages/BlankPage.h"
#include "pages/EnginePage.h"
#include "pages/MediaFilter.h"
#include "pages/SavedPage.h"
#include "pages/TypedAddress.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QTimer>
#include <QUuid>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QPointer>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <sys/stat.h>

namespace {

// A local file the engine can read to its end: a regular file or a folder
// (or nothing at all, which the engine reports as missing).
bool isLoadableLocalFile(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return true;
    return S_ISREG(info.st_mode) || S_ISDIR(info.st_mode);
}

QString inputScriptSource()
{
    static const QString source = [] {
        QFile file(QStringLiteral(":/js/page-input.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return source;
}

ElementInfo elementFrom(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    return {object.value(QLatin1String("id")).toString(), object.value(QLatin1String("tag")).toString(),
            object.value(QLatin1String("text")).toString()};
}

QList<BrowserControl::HistoryEntry> entries(const QList<QWebEngineHistoryItem> &items)
{
    QList<BrowserControl::HistoryEntry> result;
    for (const QWebEngineHistoryItem &item : items)
        result.append({item.title(), item.url().toString()});
    return result;
}

} // namespace

EngineControl::EngineControl(QWebEngineProfile *profile, QWidget *parent,
                             std::shared_ptr<ProxyCredentials> credentials)
    : m_view(new QWebEngineView(parent))
{
    m_page = new EnginePage(profile, *this, m_view);
    m_page->setProxyCredentials(std::move(credentials));
    m_media = new MediaFilter(m_page);

    QWebEngineSettings *settings = m_page->settings();
    // Every request for a window reaches our own pop-up rule.
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    // A local file must not read other local files nor reach the network.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    m_view->setPage(m_page);

    m_token = QStringLiteral("vesperal-input:%1:").arg(QUuid::createUuid().toString(QUuid::Id128));
    m_page->setReportToken(m_token);
    connect(m_page, &EnginePage::report, this, &EngineControl::onReport);
    installInputScript();
}

EngineControl::~EngineControl()
{
    // The view owns the page; both go with the control.
    delete m_view.data();
}

ControlFactory EngineControl::factory(QWebEngineProfile *profile, std::shared_ptr<ProxyCredentials> credentials)
{
    return [profile, credentials](QWidget *parent) -> std::unique_ptr<BrowserControl> {
        return std::make_unique<EngineControl>(profile, parent, credentials);
    };
}

void EngineControl::runPageScript(const QString &source, ScriptResult done)
{
    QPointer<EngineControl> self(this);
    m_page->runJavaScript(source, QWebEngineScript::ApplicationWorld, [self, done](const QVariant &result) {
        if (self && done)
            done(result);
    });
}

void EngineControl::savePage(const QString &path, SaveFormat format, SaveDone done)
{
    const auto engineFormat = format == SaveFormat::CompletePage ? QWebEngineDownloadRequest::CompleteHtmlSaveFormat
                            : format == SaveFormat::SingleHtml   ? QWebEngineDownloadRequest::SingleHtmlSaveFormat
                                                                 : QWebEngineDownloadRequest::MimeHtmlSaveFormat;
    SavedPage::write(m_page, path, engineFormat, std::move(done));
}

void EngineControl::print(QPrinter *printer, PrintDone done)
{
    // The view tells the end of every print job: this one's is the next.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(m_view, &QWebEngineView::printFinished, this, [connection, done](bool ok) {
        QObject::disconnect(*connection);
        if (done)
            done(ok);
    });
    m_view->print(printer);
}

void EngineControl::installInputScript()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("vesperal-page-input"));
    script.setSourceCode(inputScriptSource().replace(QLatin1String("%TOKEN%"), m_token));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    m_page->scripts().insert(script);
}

void EngineControl::onReport(const QByteArray &json)
{
    const QJsonObject message = QJsonDocument::fromJson(json).object();
    const QString kind = message.value(QLatin1String("kind")).toString();
    if (kind == QLatin1String("focus")) {
        const ElementInfo element = elementFrom(message.value(QLatin1String("element")));
        m_activeElement = element.id.isEmpty() ? std::nullopt : std::optional(element);
    } else if (kind == QLatin1String("release")) {
        emit elementReleased(elementFrom(message.value(QLatin1String("element"))));
    } else if (kind == QLatin1String("enter")) {
        emit enterPressed(elementFrom(message.value(QLatin1String("element"))),
                          message.value(QLatin1String("ctrl")).toBool());
    } else if (kind == QLatin1String("submitted")) {
        emit formSubmittedByKey();
    }
}

void EngineControl::completeBlankLoad()
{
    // A real navigation since has taken its place.
    if (!m_blankQueued)
        return;
    m_blankQueued = false;
    emit beforeNavigate2(Frame::Top);
    emit navigateComplete2(Frame::Top);
    emit titleChange(kBlankAddress);
    emit documentComplete(Frame::Top);
}

QWidget *EngineControl::widget()
{
    return m_view;
}

void EngineControl::navigate(const QString &address)
{
    m_activeElement.reset();
    m_requested = TypedAddress::toUrl(address, QDir::currentPath(), QDir::homePath());
    // A new page is blank already: loading "about:blank" into it would only
    // start a renderer for nothing. Its load events come as a real load's do.
    if (m_requested == QUrl(kBlankAddress) && !m_engineStarted) {
        if (!m_blankQueued) {
            m_blankQueued = true;
            QTimer::singleShot(0, this, &EngineControl::completeBlankLoad);
        }
        return;
    }
    m_blankQueued = false;
    if (m_requested.isLocalFile() && !isLoadableLocalFile(m_requested.toLocalFile())) {
        // A pipe or a device would keep the engine waiting for good, and
        // the program's end with it: the load fails as a missing page does.
        QTimer::singleShot(0, this, [this] {
            emit beforeNavigate2(Frame::Top);
            emit navigateError(Frame::Top);
            emit progressChange(-1, 0);
            emit documentComplete(Frame::Top);
        });
        return;
    }
    m_engineStarted = true;
    m_page->load(m_requested);
}

void EngineControl::stop()
{
    m_page->triggerAction(QWebEnginePage::Stop);
}

void EngineControl::refresh(int level)
{
    m_page->triggerAction(level >= 3 ? QWebEnginePage::ReloadAndBypassCache : QWebEnginePage::Reload);
}

void EngineControl::goBack()
{
    m_page->triggerAction(QWebEnginePage::Back);
}

void EngineControl::goForward()
{
    m_page->triggerAction(QWebEnginePage::Forward);
}

bool EngineControl::canGoBack() const
{
    return m_page->history()->canGoBack();
}

bool EngineControl::canGoForward() const
{
    return m_page->history()->canGoForward();
}

QList<BrowserControl::HistoryEntry> EngineControl::backEntries(int max) const
{
    QList<QWebEngineHistoryItem> items = m_page->history()->backItems(max);
    std::reverse(items.begin(), items.end()); // nearest first
    return entries(items);
}

QList<BrowserControl::HistoryEntry> EngineControl::forwardEntries(int max) const
{
    return entries(m_page->history()->forwardItems(max));
}

void EngineControl::goToBackEntry(int i)
{
    QList<QWebEngineHistoryItem> items = m_page->history()->backItems(i + 1);
    if (items.size() == i + 1)
        m_page->history()->goToItem(items.first());
}

void EngineControl::goToForwardEntry(int i)
{
    const QList<QWebEngineHistoryItem> items = m_page->history()->forwardItems(i + 1);
    if (items.size() == i + 1)
        m_page->history()->goToItem(items.last());
}

QString EngineControl::locationUrl() const
{
    // Until the engine has started on the first address, that address.
    const QUrl url = m_page->url();
    return (url.isEmpty() ? m_requested : url).toString();
}

QString EngineControl::locationName() const
{
    return m_page->title();
}

void EngineControl::runEdit(Edit command)
{
    switch (command) {
    case Edit::Copy: m_page->triggerAction(QWebEnginePage::Copy); break;
    case Edit::Cut: m_page->triggerAction(QWebEnginePage::Cut); break;
    case Edit::Paste: m_page->triggerAction(QWebEnginePage::Paste); break;
    case Edit::SelectAll: m_page->triggerAction(QWebEnginePage::SelectAll); break;
    case Edit::Undo: m_page->triggerAction(QWebEnginePage::Undo); break;
    case Edit::Redo: m_page->triggerAction(QWebEnginePage::Redo); break;
    }
}

void EngineControl::setContentPolicy(const ContentPolicy &policy)
{
    QWebEngineSettings *settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, policy.images);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, policy.scripts);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, policy.plugins);
    // Without background sounds, nothing plays before the user asks for it.
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, !policy.backgroundSounds);
    m_media->setPolicy(policy);
    // Every request of a filtered page waits for the filter: only a page
    // with something to refuse has one.
    const bool filters = !policy.videos || !policy.backgroundSounds || !policy.java || !policy.plugins;
    m_page->setUrlRequestInterceptor(filters ? m_media : nullptr);
}

void EngineControl::setZoomFactor(double factor)
{
    m_page->setZoomFactor(factor);
}

void EngineControl::setDefaultEncoding(const QString &charset)
{
    // "_autodetect" leaves the choice to the engine's own detection.
    m_page->settings()->setDefaultTextEncoding(charset == QLatin1String("_autodetect") ? QString() : charset);
}
