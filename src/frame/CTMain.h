#pragma once

#include "app/SingleInstance.h"
#include "pages/BrowserControl.h"
#include "pages/PageFrame.h"

#include <QMainWindow>

class AppSwitches;
class DownloadFlags;
class MessageBoxes;
class PageCommands;
class PageHost;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class SettingsStore;
class SoundPlayer;
class TabStrip;

// What the main window is built with.
struct FrameServices
{
    ControlFactory controls;
    SettingsStore &settings;
    AppSwitches &switches;
    DownloadFlags &downloadFlags;
    SoundPlayer &sounds;
    MessageBoxes &messages;
    QString makerWebsite;
};

// The main window: the tab strip over the Page Host, an address line and a
// status bar. It routes commands and tells the Pages' news to the user.
class CTMain : public QMainWindow, public PageFrame
{
    Q_OBJECT
public:
    explicit CTMain(FrameServices services, QWidget *parent = nullptr);
    ~CTMain() override;

    // Opens an address in a new Page (brought to the front or not), or in
    // the active Page when it is blank and reuseBlank is set.
    void openAddress(const QString &address, bool toFront, bool reuseBlank, const QString &label);

    // An address handed over by a later start (empty: only come to the front).
    // While a dialog is up, only the dialog is brought up.
    SingleInstance::Answer receiveHandOff(const QString &text);

    // Brings the window (or its dialog) up, restoring it when minimised.
    void activate();

    // Closes as the user would, but without asking anything on the way.
    void closeWithoutQuestions();

    // Carries out a command: the Pages' first, then the frame's own.
    void runCommand(int id);

    PageHost *pageHost() const { return m_host; }
    TabStrip *tabStrip() const { return m_tabs; }
    PageCommands *pageCommands() const { return m_commands; }
    QLineEdit *addressLine() const { return m_address; }
    QString statusText() const;
    QString securityText() const;
    bool isShutDown() const { return m_shutDown; }

    // PageFrame
    void setStatusText(const QString &text) override;
    void setProgress(int position, int maximum) override;
    void setSecurityText(const QString &text) override;
    void setFrameTitle(const QString &pageTitle) override;
    void setAddressText(const QString &address) override;
    void focusAddressBar() override;

signals:
    // The window is closing; it takes no more hand-offs.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildStatusBar();
    void buildAddressBar();
    void buildMenus();
    void showTabMenu(int index, const QPoint &globalPos);
    void updateMenuStates(QMenu *menu);
    QString homeAddress() const;
    void shutdown();

    FrameServices m_services;
    PageHost *m_host = nullptr;
    TabStrip *m_tabs = nullptr;
    PageCommands *m_commands = nullptr;
    QLineEdit *m_address = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_security = nullptr;
    bool m_quiet = false; // closing on a signal: the exit questions are skipped
    bool m_shutDown = false;
};
