#pragma once

#include "core/CommandHandler.h"
#include "core/MakerAddresses.h"

#include <QObject>

#include <functional>
#include <memory>

class CAboutDlg;
class MessageBoxes;
class ProxyCredentials;
class SettingsStore;
class QWidget;
struct HttpResult;

// What the version commands work with.
struct VersionParts
{
    QWidget *window;
    SettingsStore &settings;
    MessageBoxes &messages;
    MakerAddresses addresses;
    // Asked when a proxy wants credentials for the version file (none: the
    // handler asks with the credentials dialog of its own).
    std::shared_ptr<ProxyCredentials> credentials;
    // Opens an address in a new Page brought to the front, or in the active
    // Page when that is blank.
    std::function<void(const QString &address)> openPage;
};

// The commands that tell the user about the program: whether the maker has
// published a newer build, and the about box.
class VersionCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit VersionCommands(VersionParts parts, QObject *parent = nullptr);
    ~VersionCommands() override;

    bool handle(int id) override;
    // A check is not started again while one runs.
    bool isEnabled(int id) const override;
    bool isChecking() const { return m_checking; }

    // Runs the about box; tests may put another runner in its place.
    using AboutRunner = std::function<void(CAboutDlg &dialog)>;
    void setAboutRunner(AboutRunner runner) { m_runAbout = std::move(runner); }

signals:
    // The update check has told the user what it found.
    void checkFinished();

private:
    void checkForUpdate();
    void onVersionFile(const HttpResult &result);
    void showAbout();
    void endWait();

    VersionParts m_parts;
    AboutRunner m_runAbout;
    bool m_checking = false;
};
