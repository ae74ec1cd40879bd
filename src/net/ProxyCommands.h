#pragma once

#include "core/CommandHandler.h"
#include "net/ProxyOrganizer.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class AppSwitches;
class MessageBoxes;
class SettingsStore;
class SoundPlayer;
class StatusPanes;
class EngineProxyRefresh;
class ProxyCredentials;
class QWebEngineProfile;
class QWidget;

// What the proxy commands work with.
struct ProxyParts
{
    SettingsStore &settings;
    AppSwitches &switches;
    SoundPlayer &sounds;
    MessageBoxes &messages;
    StatusPanes &panes;
    QWidget *window;
    QWebEngineProfile *profile; // the Pages' (none: no engine to tell)
    QString listFile;          // the data folder's proxy list
    QString clientInfoAddress; // the page that shows what a web server sees of us
    QString listAddress;       // where the list is updated from (none: it is not)
    // Asked when a proxy on the way wants a login (none: such an update fails).
    std::shared_ptr<ProxyCredentials> credentials;
    // Fetches the list in place of the list server (tests).
    ProxyOrganizer::ListFetch fetchList;
    // Opens an address in a Page behind the active one, or in the active
    // Page when it is blank.
    std::function<void(const QString &address, const QString &label)> openPage;
};

// The proxy of this process: switching it on and off, choosing one from the
// proxy list, rotating through the list at an interval, the organizer, the
// list update and the anonymity check; the proxy pane shows which is set.
class ProxyCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit ProxyCommands(ProxyParts parts, QObject *parent = nullptr);

    // At frame creation: the pane as the start left the proxy, and the
    // rotation when it was on.
    void start();

    bool handle(int id) override;
    std::optional<bool> checked(int id) const override;
    std::optional<QString> text(int id) const override;
    // Appends the list's entries to the proxy menu.
    bool fillPopup(int placeholder, QMenu *menu) override;

    bool isRotating() const { return m_rotation.isActive(); }
    // One step of the rotation: the next proxy of the list.
    void rotate();

    // Runs the organizer; tests may put another runner in its place.
    using OrganizerRunner = std::function<int(ProxyOrganizer &dialog)>;
    void setOrganizerRunner(OrganizerRunner runner) { m_runOrganizer = std::move(runner); }

signals:
    // The engine has taken the proxy last set or cleared.
    void engineUpdated();

private:
    void toggleProxy();
    void chooseProxy(int k);
    void toggleRotation();
    void organize();
    void updateList();
    void checkAnonymity();
    void startRotation(int interval);
    void stopRotation();
    void showProxy(bool on);
    void playClick();
    // Sets or clears the proxy, and makes the engine take it at once.
    bool setProxy(const QString &entry);
    void clearProxy();
    std::optional<QStringList> readLines(bool tellFailure);

    ProxyParts m_parts;
    QTimer m_rotation;
    EngineProxyRefresh *m_refresh;
    OrganizerRunner m_runOrganizer;
    bool m_updating = false;
};
