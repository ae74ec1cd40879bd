#pragma once

#include "core/MakerAddresses.h"
#include "pages/BrowserControl.h"
#include "pages/PageFrame.h"
#include "platform/SingleInstance.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class AppSwitches;
class BarArea;
class BusyIndicator;
class CleanCommands;
class CommandHandler;
class CustomizeCommands;
class CXTFlatComboBox;
class DownloadFlags;
class FindBox;
class FindCommands;
class FrameCommands;
class GlobalHotKey;
class HistoryRecorder;
class HistoryStore;
class MessageBoxes;
class OfflineGate;
class PageCommands;
class PageHost;
class ProxyCredentials;
class QAction;
class QDockWidget;
class QMenu;
class QMenuBar;
class QWebEngineProfile;
class SettingsStore;
class SoundPlayer;
class StatusPanes;
class TabStrip;
struct MenuNode;

// What the main window is built with.
struct FrameServices
{
    ControlFactory controls;
    SettingsStore &settings;
    AppSwitches &switches;
    DownloadFlags &downloadFlags;
    SoundPlayer &sounds;
    MessageBoxes &messages;
    MakerAddresses addresses;              // the maker's servers
    QString dataDir;                       // where the help is found
    QWebEngineProfile *profile = nullptr;  // none when the Pages have no engine
    QString firstAddress;                  // the address the program was started with, if any
    // Opens a file in the desktop's text editor; false when there is none.
    std::function<bool(const QString &file)> openInEditor;
    // The proxy logins of this session, shared with the Pages (none: the
    // program's own fetches ask with dialogs of their own).
    std::shared_ptr<ProxyCredentials> proxyCredentials;
    // The browsing history (none: nothing is recorded, the History tab is empty).
    HistoryStore *history = nullptr;
    // The program's own temporary folder, emptied whole by the cleaner.
    QString tempDir;
};

// The main window: it assembles the bars, the status panes, the tab strip
// and the Page Host, and routes every command first to the Pages, then to
// the frame's own commands.
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

    // Carries out a command: the first handler that knows it does, in
    // routing order (the Pages' first). False when nobody knows it.
    bool runCommand(int id);
    // The check mark a command's menu item shows now; nothing for none.
    std::optional<bool> isChecked(int id) const;
    // Whether every handler lets the command be given now.
    bool isEnabled(int id) const;
    // Fills a menu that is about to open (the popup hook): placeholder names
    // what goes into it.
    void fillPopup(int placeholder, QMenu *menu);
    // The window's action for a command of the command table.
    QAction *action(int id) const { return m_actions.value(id); }

    PageHost *pageHost() const { return m_host; }
    TabStrip *tabStrip() const { return m_tabs; }
    BarArea *bars() const { return m_bars; }
    StatusPanes *panes() const { return m_panes; }
    BusyIndicator *busy() const { return m_busy; }
    QDockWidget *explorerBar() const { return m_explorerBar; }
    CXTFlatComboBox *addressBar() const { return m_address; }
    FindBox *findBox() const { return m_findBox; }
    // The handlers tests look into; none once the window has closed.
    FrameCommands *frameCommands() const;
    FindCommands *findCommands() const;
    CustomizeCommands *customizeCommands() const;
    bool isShutDown() const { return m_shutDown; }

    // PageFrame
    void setStatusText(const QString &text) override;
    void setStatusColor(const QColor &color) override;
    void setProgress(int position, int maximum) override;
    void setSecurityText(const QString &text) override;
    void setFrameTitle(const QString &pageTitle) override;
    void setAddressText(const QString &address) override;
    void focusAddressBar() override;
    bool isEditingAddress() const override;

signals:
    // The window is closing; it takes no more hand-offs.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildActions();
    void buildMenus(QMenuBar *menuBar);
    void addMenuNodes(QMenu *menu, const QList<MenuNode> &nodes);
    // Fills the menu through the popup hook whenever it opens, and runs its entries.
    void hookPopup(QMenu *popup, int placeholder, const QList<MenuNode> &fixed = {});
    void buildToolBars();
    void showTabMenu(int index, const QPoint &globalPos);
    void updateMenuStates(QMenu *menu);
    QString homeAddress() const;
    void shutdown();

    FrameServices m_services;
    PageHost *m_host = nullptr;
    TabStrip *m_tabs = nullptr;
    BarArea *m_bars = nullptr;
    StatusPanes *m_panes = nullptr;
    BusyIndicator *m_busy = nullptr;
    QDockWidget *m_explorerBar = nullptr;
    CXTFlatComboBox *m_address = nullptr;
    FindBox *m_findBox = nullptr;
    GlobalHotKey *m_hotKey = nullptr;
    OfflineGate *m_offline = nullptr;
    // Every command handler, in routing order; empty once the window has closed.
    QList<CommandHandler *> m_handlers;
    QPointer<PageCommands> m_pageCommands;
    QPointer<FrameCommands> m_frameCommands;
    QPointer<FindCommands> m_findCommands;
    QPointer<CustomizeCommands> m_customize;
    QPointer<CleanCommands> m_clean;
    QHash<int, QAction *> m_actions;
    std::unique_ptr<HistoryRecorder> m_historyRecorder;
    bool m_quiet = false; // closing on a signal: the exit questions are skipped
    bool m_exitChecking = false; // the clean dialog of the close is up
    bool m_shutDown = false;
};
