#pragma once

#include "app/CommandLine.h"
#include "app/Paths.h"
#include "core/AppSwitches.h"
#include "core/MakerAddresses.h"
#include "core/SettingsStore.h"
#include "platform/RegistryStore.h"

#include <QObject>

#include <memory>

class CTMain;
class DownloadFlags;
class HistoryStore;
class SoundPlayer;
class MessageBoxes;
class ProxyCredentials;
class QWebEngineProfile;
class ShutdownSignals;
class SingleInstance;
class Translations;

// The application object: starts the program as the one instance for its
// profile (or hands over to the running one), holds the application-wide
// switches and owns the main window.
class Application : public QObject
{
    Q_OBJECT
public:
    Application(CommandLine commandLine, MessageBoxes &messages, QObject *parent = nullptr);
    ~Application() override;

    // Runs the start. False: the process has nothing more to do and ends
    // with exitCode().
    bool start();
    int exitCode() const { return m_exitCode; }

    const Paths &paths() const { return m_paths; }
    SettingsStore &settings() { return m_settings; }
    AppSwitches &switches() { return m_switches; }
    const MakerAddresses &makerAddresses() const { return m_addresses; }
    CTMain *frame() const { return m_frame.get(); }

private:
    void handOffToRunningInstance();
    void openStore();
    void openHistory();
    void createFrame();
    void applySavedProxy();
    void onQuitSignal();

    CommandLine m_commandLine;
    MessageBoxes &m_messages;
    Paths m_paths;
    RegistryStore m_registry;
    SettingsStore m_settings;
    AppSwitches m_switches;
    MakerAddresses m_addresses;
    std::unique_ptr<Translations> m_translations; // outlives every window
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<ShutdownSignals> m_signals;
    QWebEngineProfile *m_profile = nullptr;
    std::shared_ptr<ProxyCredentials> m_proxyCredentials;
    std::unique_ptr<DownloadFlags> m_downloadFlags;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<HistoryStore> m_history; // outlives the window that records into it
    std::unique_ptr<CTMain> m_frame;
    int m_exitCode = 0;
};
