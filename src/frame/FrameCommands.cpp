#include "frame/FrameCommands.h"

#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "core/Language.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/KeyboardMapDialog.h"
#include "net/OfflineGate.h"
#include "pages/BlankPage.h"
#include "pages/PageHost.h"
#include "pages/TabStrip.h"
#include "platform/GlobalHotKey.h"
#include "platform/RegistryStore.h"
#include "platform/Sounds.h"
#include "ui/BarArea.h"
#include "ui/MessageBoxes.h"
#include "ui/StatusPanes.h"
#include "ui/Themes.h"

#include <QCursor>
#include <QDockWidget>
#include <QFileInfo>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>

namespace {

const QString kUserSelect = QStringLiteral("UserSelect.wav");
const QString kGlobalUserOffline = QStringLiteral("GlobalUserOffline");

std::optional<settings::StartupType> startupTypeOf(int id)
{
    using settings::StartupType;
    switch (id) {
    case cmd::StartBlank: return StartupType::Blank;
    case cmd::StartHome: return StartupType::Home;
    case cmd::StartLastVisit: return StartupType::LastVisit;
    case cmd::StartUrlList: return StartupType::UrlList;
    default: return std::nullopt;
    }
}

int themeOf(int id)
{
    switch (id) {
    case cmd::ThemeModern: return Themes::kModern;
    case cmd::ThemePink: return Themes::kPink;
    case cmd::ThemeClassic: return Themes::kClassic;
    default: return -1;
    }
}

} // namespace

FrameCommands::FrameCommands(FrameParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
    m_revealTimer.setInterval(200);
    connect(&m_revealTimer, &QTimer::timeout, this, [this] { revealBarsAt(QCursor::pos()); });
    connect(&m_parts.hotKey, &GlobalHotKey::activated, this, [this] {
        m_parts.hotKey.unregister();
        m_parts.window.show();
        m_parts.window.raise();
        m_parts.window.activateWindow();
    });
}

void FrameCommands::restore()
{
    const SettingsStore &s = m_parts.settings;
    // The frame applies the theme before it makes its widgets; not twice.
    if (Themes::current() != s.read(settings::skin))
        Themes::apply(s.read(settings::skin));
    setTabsOnTop(s.read(settings::tabtop) != 0);
    setToolbarLock(s.read(settings::ToolbarLock) != 0);
    setTextLabels(s.read(settings::textLabels) != 0);
    m_parts.host.setTextSize(s.read(settings::DefFontSize));
    const bool offline = isOffline();
    m_parts.panes.setOnline(!offline);
    if (m_parts.offline)
        m_parts.offline->setOffline(offline);
    m_parts.panes.setPopupsBlocked(m_parts.switches.KillPopup);
    if (s.read(settings::fullscreen))
        setFullScreen(true);
}

bool FrameCommands::handle(int id)
{
    if (const auto type = startupTypeOf(id)) {
        setStartupType(*type);
        return true;
    }
    if (const int skin = themeOf(id); skin >= 0) {
        setTheme(skin);
        return true;
    }
    if (id >= cmd::TextSizeLargest && id <= cmd::TextSizeSmallest) {
        setTextSize(id - cmd::TextSizeLargest);
        return true;
    }
    SettingsStore &s = m_parts.settings;
    AppSwitches &sw = m_parts.switches;
    switch (id) {
    case cmd::OfflinePane:
    case cmd::Offline: toggleOffline(); return true;
    case cmd::PopupBlocking:
    case cmd::PopupPane: togglePopupBlocking(); return true;
    case cmd::ScriptErrors: toggleScriptErrors(); return true;
    case cmd::Sounds: toggleSounds(); return true;
    case cmd::StatusTextFilter: flip(sw.NostatusText, settings::NostatusText); return true;
    case cmd::NewPageActive: flip(sw.bNewWindowActive, settings::bNewWindowActive); return true;
    case cmd::NewPageFollows: flip(sw.bNewWindowFollow, settings::bNewWindowFollow); return true;
    case cmd::FullScreen: setFullScreen(!m_fullScreen); return true;
    case cmd::HideFrame: hideFrame(); return true;
    case cmd::TabsAtBottom:
        playToggleSound();
        setTabsOnTop(!m_parts.bars.tabsOnTop());
        s.write(settings::tabtop, m_parts.bars.tabsOnTop() ? 1 : 0);
        return true;
    case cmd::ToolbarLock:
        playToggleSound();
        setToolbarLock(!m_parts.bars.isLocked());
        s.write(settings::ToolbarLock, m_parts.bars.isLocked() ? 1 : 0);
        return true;
    case cmd::TextLabels:
        playToggleSound();
        setTextLabels(!m_parts.bars.textLabels());
        s.write(settings::textLabels, m_parts.bars.textLabels() ? 1 : 0);
        return true;
    case cmd::SearchBar: {
        QToolBar *bar = m_parts.bars.searchBar();
        const bool show = !bar->isVisible();
        bar->setProperty("userHidden", !show);
        bar->setVisible(show);
        return true;
    }
    case cmd::ExplorerBar: m_parts.explorerBar.setVisible(!m_parts.explorerBar.isVisible()); return true;
    case cmd::PreviousPage: m_parts.host.selectNeighbour(-1); return true;
    case cmd::NextPage: m_parts.host.selectNeighbour(+1); return true;
    case cmd::Help: openHelp(); return true;
    case cmd::KeyboardMap: {
        KeyboardMapDialog dialog(&m_parts.window);
        dialog.exec();
        return true;
    }
    case cmd::Exit: m_parts.window.close(); return true;
    // Shown for the look of the menus; nothing to do.
    case cmd::NewsBar:
    case cmd::Links:
    // The options that govern page content come with the options sheet.
    case cmd::SecurityPane: return true;
    default: return false;
    }
}

std::optional<bool> FrameCommands::checked(int id) const
{
    const AppSwitches &sw = m_parts.switches;
    if (const auto type = startupTypeOf(id))
        return m_parts.settings.read(settings::startuptype) == static_cast<int>(*type);
    if (const int skin = themeOf(id); skin >= 0)
        return Themes::current() == skin;
    if (id >= cmd::TextSizeLargest && id <= cmd::TextSizeSmallest)
        return m_parts.host.textSize() == id - cmd::TextSizeLargest;
    switch (id) {
    case cmd::Offline: return isOffline();
    case cmd::PopupBlocking: return sw.KillPopup;
    case cmd::ScriptErrors: return sw.bSilent;
    case cmd::Sounds: return sw.bSound;
    case cmd::StatusTextFilter: return sw.NostatusText;
    case cmd::NewPageActive: return sw.bNewWindowActive;
    case cmd::NewPageFollows: return sw.bNewWindowFollow;
    case cmd::FullScreen: return m_fullScreen;
    case cmd::TabsAtBottom: return !m_parts.bars.tabsOnTop();
    case cmd::ToolbarLock: return m_parts.bars.isLocked();
    case cmd::TextLabels: return m_parts.bars.textLabels();
    case cmd::SearchBar: return !m_parts.bars.searchBar()->property("userHidden").toBool();
    case cmd::ExplorerBar: return m_parts.explorerBar.isVisible();
    default: return std::nullopt;
    }
}

void FrameCommands::playToggleSound()
{
    if (m_parts.switches.bSound)
        m_parts.sounds.play(kUserSelect);
}

bool FrameCommands::isOffline() const
{
    // A profile that never chose is online: the desktop never wrote the value.
    const auto value = m_parts.settings.registry().query(Hive::CurrentUser, QLatin1String(mirrored::kInternetSettings),
                                                         kGlobalUserOffline);
    return value && value->type == RegType::Dword && value->dword != 0;
}

void FrameCommands::toggleOffline()
{
    playToggleSound();
    const bool offline = !isOffline();
    m_parts.settings.registry().createAndSetValue(Hive::CurrentUser, QLatin1String(mirrored::kInternetSettings),
                                                  kGlobalUserOffline, RegValue::fromDword(offline ? 1 : 0));
    m_parts.panes.setOnline(!offline);
    if (m_parts.offline)
        m_parts.offline->setOffline(offline);
}

void FrameCommands::flip(bool &value, const IntSetting &setting)
{
    playToggleSound();
    value = !value;
    m_parts.settings.write(setting, value ? 1 : 0);
}

void FrameCommands::togglePopupBlocking()
{
    flip(m_parts.switches.KillPopup, settings::KillPopup);
    m_parts.panes.setPopupsBlocked(m_parts.switches.KillPopup);
}

void FrameCommands::toggleScriptErrors()
{
    flip(m_parts.switches.bSilent, settings::bSilent);
    m_parts.settings.registry().createAndSetValue(Hive::CurrentUser, QLatin1String(mirrored::kIEMain),
                                                  QLatin1String(mirrored::kDisableScriptDebugger),
                                                  RegValue::fromText(m_parts.switches.bSilent ? QStringLiteral("yes")
                                                                                             : QStringLiteral("no")));
}

void FrameCommands::toggleSounds()
{
    AppSwitches &sw = m_parts.switches;
    sw.bSound = !sw.bSound;
    if (sw.bSound)
        m_parts.sounds.play(kUserSelect);
    m_parts.settings.write(settings::bSound, sw.bSound ? 1 : 0);
}

void FrameCommands::setStartupType(settings::StartupType type)
{
    playToggleSound();
    m_parts.switches.startuptype = static_cast<int>(type);
    m_parts.settings.write(settings::startuptype, static_cast<int>(type));
}

void FrameCommands::setTheme(int skin)
{
    playToggleSound();
    Themes::apply(skin);
    m_parts.switches.skin = skin;
    m_parts.settings.write(settings::skin, skin);
}

void FrameCommands::setTextSize(int size)
{
    playToggleSound();
    m_parts.host.setTextSize(size);
    m_parts.settings.write(settings::DefFontSize, size);
}

void FrameCommands::setTabsOnTop(bool onTop)
{
    m_parts.bars.setTabsOnTop(onTop);
    m_parts.tabs.setTabsOnTop(onTop);
}

void FrameCommands::setToolbarLock(bool locked)
{
    m_parts.bars.setLocked(locked);
}

void FrameCommands::setTextLabels(bool on)
{
    m_parts.bars.setTextLabels(on);
}

void FrameCommands::setFullScreen(bool on)
{
    QMainWindow &w = m_parts.window;
    if (on == m_fullScreen)
        return;
    if (on) {
        m_parts.settings.write(settings::statusbarvisible, w.statusBar()->isVisible() ? 1 : 0);
        w.statusBar()->hide();
        m_parts.bars.setTopAreaVisible(false);
        // Leaving comes back to the window as it was: maximized or not. Before
        // the window is first shown, that is how the last run left it.
        m_restoreMaximized = w.isVisible() ? w.isMaximized() : m_parts.settings.read(settings::bMax) != 0;
        w.showFullScreen();
        m_revealTimer.start();
    } else {
        m_revealTimer.stop();
        m_parts.bars.setTopAreaVisible(true);
        if (m_parts.settings.read(settings::statusbarvisible))
            w.statusBar()->show();
        if (m_restoreMaximized)
            w.showMaximized();
        else
            w.showNormal();
    }
    m_fullScreen = on;
    m_parts.settings.write(settings::fullscreen, on ? 1 : 0);
}

void FrameCommands::revealBarsAt(const QPoint &globalCursor)
{
    if (!m_fullScreen)
        return;
    QScreen *screen = m_parts.window.screen();
    const int top = screen ? screen->geometry().top() : 0;
    const bool shown = m_parts.bars.isTopAreaVisible();
    if (!shown && globalCursor.y() - top <= 4) {
        m_parts.bars.setTopAreaVisible(true);
    } else if (shown) {
        const int bottom = m_parts.window.mapToGlobal(QPoint(0, m_parts.bars.topAreaBottom())).y();
        if (globalCursor.y() > bottom)
            m_parts.bars.setTopAreaVisible(false);
    }
}

bool FrameCommands::hideFrame()
{
    QMainWindow &w = m_parts.window;
    if (!w.isVisible())
        return true;
    if (!m_parts.hotKey.registerCtrlQ()) {
        m_parts.messages.tell(&w, tr("注册热键'Ctrl + Q' 错误! 隐藏失败."), MessageBoxes::Icon::Warning);
        return false;
    }
    w.hide();
    return true;
}

void FrameCommands::openHelp()
{
    if (!QFileInfo(m_parts.helpFile).isFile()) {
        m_parts.messages.tell(&m_parts.window, tr("帮助文件没找到!"), MessageBoxes::Icon::Warning);
        return;
    }
    // In English, the English twin of the page when there is one.
    const QString page = language::localizedFile(m_parts.helpFile);
    m_parts.host.CreatePage(QUrl::fromLocalFile(page).toString(), PageHost::ToFront | PageHost::ReuseBlank,
                            loadingLabel());
}
