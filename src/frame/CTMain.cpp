#include "frame/CTMain.h"

#include "app/BuildInfo.h"
#include "app/InternetShortcut.h"
#include "app/SettingsStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

const QString kTitleSuffix = QStringLiteral(" - ") + QLatin1String(kProductName);

QUrl toUrl(const QString &address)
{
    return QUrl::fromUserInput(address, QDir::currentPath(), QUrl::AssumeLocalFile);
}

} // namespace

CTMain::CTMain(QWebEngineProfile *profile, SettingsStore &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
{
    setWindowTitle(QLatin1String(kProductName));
    resize(1024, 768);
    m_view = new QWebEngineView(this);
    m_view->setPage(new QWebEnginePage(profile, m_view));
    setCentralWidget(m_view);
    connect(m_view, &QWebEngineView::titleChanged, this, &CTMain::updateTitle);
}

CTMain::~CTMain()
{
    shutdown();
}

void CTMain::updateTitle(const QString &pageTitle)
{
    if (pageTitle.isEmpty())
        return;
    setWindowTitle(pageTitle + kTitleSuffix);
}

void CTMain::openAddress(const QString &address, bool toFront, bool reuseBlank, const QString &label)
{
    Q_UNUSED(toFront);
    Q_UNUSED(reuseBlank);
    Q_UNUSED(label);
    if (!m_view || address.isEmpty())
        return;
    m_view->load(toUrl(address));
}

SingleInstance::Answer CTMain::receiveHandOff(const QString &text)
{
    if (QApplication::activeModalWidget()) {
        activate();
        return SingleInstance::Answer::Dialog;
    }
    activate();
    if (text.isEmpty())
        return SingleInstance::Answer::Activated;
    openAddress(InternetShortcut::resolve(text), false, true, QStringLiteral("Loading..."));
    return SingleInstance::Answer::Opened;
}

void CTMain::activate()
{
    QWidget *target = QApplication::activeModalWidget();
    if (!target) {
        target = this;
        if (isMinimized())
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
    }
    target->raise();
    target->activateWindow();
}

void CTMain::closeWithoutQuestions()
{
    m_quiet = true;
    close();
}

void CTMain::closeEvent(QCloseEvent *event)
{
    shutdown();
    event->accept();
}

void CTMain::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    emit closing();
    const bool maximized = isMaximized();
    // Pages go before the engine profile they belong to.
    delete m_view;
    m_settings.write(settings::bMax, maximized ? 1 : 0);
}
