#pragma once

#include "core/CommandHandler.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class AppSwitches;
struct IntSetting;
namespace settings {
enum class StartupType;
}
class BarArea;
class GlobalHotKey;
class MessageBoxes;
class OfflineGate;
class PageHost;
class QDockWidget;
class QMainWindow;
class SettingsStore;
class SoundPlayer;
class StatusPanes;
class TabStrip;

// What the frame's own commands work on.
struct FrameParts
{
    QMainWindow &window;
    BarArea &bars;
    StatusPanes &panes;
    PageHost &host;
    TabStrip &tabs;
    QDockWidget &explorerBar;
    SettingsStore &settings;
    AppSwitches &switches;
    SoundPlayer &sounds;
    MessageBoxes &messages;
    GlobalHotKey &hotKey;
    OfflineGate *offline; // none without a real engine
    QString helpFile;
};

// The frame's own commands: its switches and modes (full screen, hiding,
// tab position, tool bar lock, themes, text size, offline mode, pop-up
// blocking, sounds, script errors, status texts, start-up type, where new
// Pages go), help and the keyboard map. Each switch is written at once.
class FrameCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit FrameCommands(FrameParts parts, QObject *parent = nullptr);

    // Applies the saved state at start: theme, lock, tab position, text
    // size, offline mode, full screen.
    void restore();

    bool handle(int id) override;
    std::optional<bool> checked(int id) const override;

    bool isFullScreen() const { return m_fullScreen; }
    // Whether leaving full screen maximizes the window.
    bool restoresMaximized() const { return m_restoreMaximized; }
    void setFullScreen(bool on);
    // Hides the frame until Ctrl+Q; false when the key could not be had.
    bool hideFrame();
    bool isOffline() const;
    // Timer 1's step, while in full screen: the bars come back at the top edge.
    void revealBarsAt(const QPoint &globalCursor);

private:
    void playToggleSound();
    // Flips a switch and writes it, with the toggle sound.
    void flip(bool &value, const IntSetting &setting);
    void toggleOffline();
    void togglePopupBlocking();
    void toggleScriptErrors();
    void toggleSounds();
    void setStartupType(settings::StartupType type);
    void setTheme(int skin);
    void setTextSize(int size);
    void setTabsOnTop(bool onTop);
    void setToolbarLock(bool locked);
    void setTextLabels(bool on);
    void openHelp();

    FrameParts m_parts;
    bool m_fullScreen = false;
    bool m_restoreMaximized = false;
    QTimer m_revealTimer;
};
