#include "net/ProxyCommands.h"

#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "net/EngineProxyRefresh.h"
#include "net/HttpFetcher.h"
#include "net/ProxyList.h"
#include "net/SessionProxy.h"
#include "platform/BoundedFile.h"
#include "platform/Sounds.h"
#include "ui/MessageBoxes.h"
#include "ui/StatusPanes.h"

#include <QMenu>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace {

const QString kClickSound = QStringLiteral("UserSelect.wav");

int rotationInterval(const SettingsStore &settings)
{
    // A stored interval outside what the organizer allows would spin or never tick.
    return qBound(1000, settings.read(settings::changeIpTimer), 60000);
}

} // namespace

ProxyCommands::ProxyCommands(ProxyParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_refresh(new EngineProxyRefresh(m_parts.profile, this))
    , m_runOrganizer([](ProxyOrganizer &dialog) { return dialog.exec(); })
{
    connect(&m_rotation, &QTimer::timeout, this, &ProxyCommands::rotate);
    if (!m_parts.fetchList && !m_parts.listAddress.isEmpty()) {
        // A fetcher of its own for each update: a login not to be
        // remembered is asked again next time.
        m_parts.fetchList = [this](QObject *context, std::function<void(std::optional<QByteArray>)> done) {
            auto *fetcher = new HttpFetcher(m_parts.settings, m_parts.credentials, m_parts.window, context);
            fetcher->fetch(HttpRequest{QUrl(m_parts.listAddress)}, [fetcher, done](const HttpResult &result) {
                done(result.ok() ? std::optional<QByteArray>(result.body) : std::nullopt);
                fetcher->deleteLater();
            });
        };
    }
    connect(m_refresh, &EngineProxyRefresh::refreshed, this, &ProxyCommands::engineUpdated);
}

void ProxyCommands::start()
{
    // The start applied the kept proxy before there was a window.
    showProxy(SessionProxy::inUse());
    if (m_parts.settings.read(settings::enableMulti) != 0)
        startRotation(rotationInterval(m_parts.settings));
}

bool ProxyCommands::handle(int id)
{
    if (id >= cmd::ProxyFirst && id <= cmd::ProxyLast) {
        chooseProxy(id - cmd::ProxyFirst);
        return true;
    }
    switch (id) {
    case cmd::ProxyToggle:
    case cmd::ProxyPane: toggleProxy(); return true;
    case cmd::ProxyRotation: toggleRotation(); return true;
    case cmd::ProxyOrganize: organize(); return true;
    case cmd::ProxyListUpdate: updateList(); return true;
    case cmd::CheckAnonymity: checkAnonymity(); return true;
    default: return false;
    }
}

std::optional<bool> ProxyCommands::checked(int id) const
{
    switch (id) {
    case cmd::ProxyToggle: return SessionProxy::inUse();
    case cmd::ProxyRotation: return m_parts.settings.read(settings::enableMulti) != 0;
    default: return std::nullopt;
    }
}

std::optional<QString> ProxyCommands::text(int id) const
{
    if (id != cmd::ProxyToggle)
        return std::nullopt;
    return tr("启用代理服务器") + QLatin1Char('(') + m_parts.settings.read(settings::curProxy) + QLatin1Char(')');
}

bool ProxyCommands::fillPopup(int placeholder, QMenu *menu)
{
    if (placeholder != cmd::ProxyOrganize)
        return false;
    menu->addSeparator();
    const auto lines = readLines(false);
    if (!lines)
        return true;
    const QStringList entries = ProxyList::entries(*lines);
    for (int k = 0; k < entries.size(); ++k) {
        QAction *action = menu->addAction(entries[k]);
        // Entries past the menu's command range are shown, not chosen.
        if (cmd::ProxyFirst + k <= cmd::ProxyLast)
            action->setData(cmd::ProxyFirst + k);
        else
            action->setEnabled(false);
    }
    return true;
}

std::optional<QStringList> ProxyCommands::readLines(bool tellFailure)
{
    const BoundedFile::Result file = BoundedFile::read(m_parts.listFile, ProxyList::kMaxBytes);
    if (!file.ok()) {
        if (tellFailure)
            m_parts.messages.tell(m_parts.window, tr("代理列表错误.") + QStringLiteral("\r\n") + m_parts.listFile,
                                  MessageBoxes::Icon::Warning);
        return std::nullopt;
    }
    return ProxyList::lines(file.bytes);
}

bool ProxyCommands::setProxy(const QString &entry)
{
    if (!SessionProxy::setNamed(entry))
        return false;
    m_refresh->refresh();
    return true;
}

void ProxyCommands::clearProxy()
{
    SessionProxy::setDirect();
    m_refresh->refresh();
}

void ProxyCommands::playClick()
{
    if (m_parts.switches.bSound)
        m_parts.sounds.play(kClickSound);
}

void ProxyCommands::showProxy(bool on)
{
    if (on)
        m_parts.panes.setProxyText(m_parts.settings.read(settings::curProxy));
    m_parts.panes.setProxyWide(on);
}

void ProxyCommands::toggleProxy()
{
    playClick();
    const QString proxy = m_parts.settings.read(settings::curProxy);
    bool on = false;
    if (SessionProxy::inUse()) {
        if (m_parts.settings.read(settings::enableMulti) != 0) {
            stopRotation();
            m_parts.settings.write(settings::enableMulti, 0);
        }
        clearProxy();
    } else if (!proxy.isEmpty()) {
        on = setProxy(proxy);
        if (!on)
            m_parts.messages.tell(m_parts.window, tr("failed"), MessageBoxes::Icon::Warning);
    } else {
        organize();
        on = m_parts.settings.read(settings::proxyEnable) != 0 && SessionProxy::inUse();
    }
    m_parts.settings.write(settings::proxyEnable, on ? 1 : 0);
    showProxy(on);
}

void ProxyCommands::chooseProxy(int k)
{
    const auto lines = readLines(true);
    if (!lines)
        return;
    const QString entry = ProxyList::entries(*lines).value(k);
    if (entry.isEmpty())
        return;
    if (!setProxy(entry)) {
        m_parts.messages.tell(m_parts.window, tr("failed"), MessageBoxes::Icon::Warning);
        return;
    }
    m_parts.settings.write(settings::curProxy, entry);
    m_parts.panes.setProxyText(entry);
    m_parts.panes.setProxyWide(true);
}

void ProxyCommands::startRotation(int interval)
{
    m_rotation.start(interval);
}

void ProxyCommands::stopRotation()
{
    m_rotation.stop();
}

void ProxyCommands::toggleRotation()
{
    const bool on = m_parts.settings.read(settings::enableMulti) != 0;
    if (on) {
        stopRotation();
    } else {
        m_parts.panes.setProxyWide(true);
        startRotation(rotationInterval(m_parts.settings));
    }
    m_parts.settings.write(settings::enableMulti, on ? 0 : 1);
}

void ProxyCommands::rotate()
{
    // A list or a proxy that fails is told once: the rotation stops rather
    // than say so at every tick.
    const auto lines = readLines(true);
    if (!lines) {
        stopRotation();
        m_parts.settings.write(settings::enableMulti, 0);
        return;
    }
    const auto taken = ProxyList::nextFrom(*lines, m_parts.settings.read(settings::proxyIndex));
    // Past the last usable line nothing is taken; the next tick starts at the top.
    m_parts.settings.write(settings::curProxy, taken ? taken->line : QString());
    m_parts.settings.write(settings::proxyIndex, taken ? taken->position + 1 : 0);
    if (!taken)
        return;
    if (!setProxy(taken->line)) {
        stopRotation();
        m_parts.settings.write(settings::enableMulti, 0);
        m_parts.messages.tell(m_parts.window, tr("设定代理失败."), MessageBoxes::Icon::Warning);
        return;
    }
    m_parts.panes.setProxyText(taken->line);
}

void ProxyCommands::organize()
{
    const bool wasRotating = m_parts.settings.read(settings::enableMulti) != 0;
    stopRotation();
    ProxyOrganizer dialog(m_parts.settings, m_parts.listFile, m_parts.messages, m_parts.fetchList, m_parts.window);
    dialog.updateButton()->setEnabled(bool(m_parts.fetchList));
    if (m_runOrganizer(dialog) != QDialog::Accepted) {
        if (wasRotating)
            startRotation(rotationInterval(m_parts.settings));
        return;
    }
    if (dialog.proxyEnabled()) {
        if (!setProxy(m_parts.settings.read(settings::curProxy)))
            m_parts.messages.tell(m_parts.window, tr("设定代理失败."), MessageBoxes::Icon::Warning);
        if (dialog.rotationEnabled())
            startRotation(dialog.seconds() * 1000);
    } else {
        clearProxy();
    }
    showProxy(SessionProxy::inUse());
}

void ProxyCommands::updateList()
{
    if (!m_parts.fetchList || m_updating)
        return;
    m_updating = true;
    // The wait box stays up while the list comes; the window goes on
    // meanwhile. It has nothing to press: it goes when the list has come.
    QPointer<QDialog> wait = new QDialog(m_parts.window);
    wait->setObjectName(QStringLiteral("proxyWaitBox"));
    wait->setWindowTitle(tr("载入代理列表..."));
    wait->setAttribute(Qt::WA_DeleteOnClose);
    auto *icon = new QLabel(wait);
    icon->setPixmap(wait->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto *text = new QLabel(tr("更新代理列表...") + QLatin1Char('\n') + tr("请确定你现在是在线的.") + QLatin1Char('\n')
                                + tr("如果你是从代理更新, 请要确定这个代理工作正常."),
                            wait);
    auto *layout = new QHBoxLayout(wait);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(text, 1);
    wait->show();
    m_parts.fetchList(this, [this, wait](std::optional<QByteArray> body) {
        m_updating = false;
        if (wait)
            wait->close();
        if (const auto failure = ProxyList::keepUpdate(m_parts.listFile, body)) {
            m_parts.messages.tell(m_parts.window, *failure, MessageBoxes::Icon::Warning);
            return;
        }
        m_parts.messages.tell(m_parts.window, tr("更新代理列表成功!"));
    });
}

void ProxyCommands::checkAnonymity()
{
    m_parts.openPage(m_parts.clientInfoAddress, tr("Check Anonymity..."));
}
