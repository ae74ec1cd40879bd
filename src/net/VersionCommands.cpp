#include "net/VersionCommands.h"

#include "core/BuildNumber.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "net/HttpFetcher.h"
#include "net/UpdateVerdict.h"
#include "ui/CAboutDlg.h"
#include "ui/CProxyLoginDlg.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QUrl>

namespace {

// The build the about box shows when none has been stored.
const QString kUnknownBuild = QStringLiteral("????,??,??");

// The server as the failure message names it.
QString serverOf(const QUrl &url)
{
    return url.port() == -1 ? url.host() : QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
}

} // namespace

VersionCommands::VersionCommands(VersionParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_runAbout([](CAboutDlg &dialog) { dialog.exec(); })
{
    if (!m_parts.credentials)
        m_parts.credentials = std::make_shared<DialogProxyCredentials>();
}

VersionCommands::~VersionCommands()
{
    endWait();
}

bool VersionCommands::handle(int id)
{
    switch (id) {
    case cmd::CheckNewVersion:
        if (!m_checking)
            checkForUpdate();
        return true;
    case cmd::About: showAbout(); return true;
    default: return false;
    }
}

bool VersionCommands::isEnabled(int id) const
{
    return id != cmd::CheckNewVersion || !m_checking;
}

void VersionCommands::checkForUpdate()
{
    m_checking = true;
    // The wait cursor stays until the answer is in; the window goes on drawing.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A fetcher of its own for each check: a proxy login the user did not
    // ask to remember is not kept for the next one.
    auto *fetcher = new HttpFetcher(m_parts.settings, m_parts.credentials, m_parts.window, this);
    fetcher->fetch({QUrl(m_parts.addresses.versionFile)}, [this, fetcher](const HttpResult &result) {
        fetcher->deleteLater();
        onVersionFile(result);
    });
}

void VersionCommands::onVersionFile(const HttpResult &result)
{
    endWait();
    const UpdateVerdict verdict = judgeUpdate(result, m_parts.settings.read(settings::build));
    switch (verdict.kind) {
    case UpdateVerdict::Kind::Unreachable:
        m_parts.messages.tell(m_parts.window,
                              tr("Connect to %1 failed!\n尝试过后请...")
                                  .arg(serverOf(QUrl(m_parts.addresses.versionFile))),
                              MessageBoxes::Icon::Warning);
        break;
    case UpdateVerdict::Kind::Newer:
        if (m_parts.messages.ask(m_parts.window, tr("新的版本已经被发布在%1\n你是否要下传新版本的 Vesperal 浏览器?")
                                                     .arg(verdict.publishedDate))) {
            m_parts.openPage(m_parts.addresses.download);
        }
        break;
    case UpdateVerdict::Kind::UpToDate:
        m_parts.messages.tell(m_parts.window, tr("你现在使用的 Vesperal 浏览器是最新的版本。"));
        break;
    }
    emit checkFinished();
}

void VersionCommands::endWait()
{
    if (!m_checking)
        return;
    m_checking = false;
    QApplication::restoreOverrideCursor();
}

void VersionCommands::showAbout()
{
    const QString build = m_parts.settings.readText(QLatin1String(settings::build.section),
                                                    QLatin1String(settings::build.value), kUnknownBuild);
    CAboutDlg dialog(BuildNumber::dateText(build), m_parts.addresses.supportMail, m_parts.window);
    m_runAbout(dialog);
}
