#pragma once

#include "clean/CleanTargets.h"
#include "core/CommandHandler.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWebEngineProfile;
class QWidget;
class SettingsStore;

// What the cleaner works on besides files and settings: the stores other
// parts of the window keep.
struct CleanParts
{
    SettingsStore &settings;
    QWidget *window;                      // owner of the dialog and the wait box
    QWebEngineProfile *profile = nullptr; // none when the Pages have no engine
    QString ownTempFolder;                // the program's own temporary folder, emptied whole
    std::function<void()> clearHistory;     // the browsing history
    std::function<void()> clearAddresses;   // the address bar's list and the typed addresses
    std::function<void()> clearTypedValues; // the typed addresses only, the list shortened to match
    std::function<void()> clearSearchWords; // the Find Box and its list
};

// The privacy cleaner's commands: one per kind of trace, "clear all", and
// the clean dialog when the window closes. Nothing is asked and nothing is
// reported; a failure is written to the error output.
class CleanCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit CleanCommands(CleanParts parts, QObject *parent = nullptr);
    ~CleanCommands() override;

    bool handle(int id) override;

    // Clears the targets in the order given. Work on many files runs on a
    // worker while the window goes on painting; this returns when all is done.
    void run(const QList<CleanTarget> &targets);
    // The check when the window closes: the clean dialog, unless the user
    // asked not to see it again, and what was ticked in it.
    void exitCheck();
    // Takes the clean dialog of the exit check down unanswered: nothing is cleaned.
    void cancelExitCheck();
    // Whether work runs on a worker now: the window waits for it before it goes.
    bool isBusy() const { return m_busy; }

private:
    void runOne(CleanTarget target);
    // Runs file work off the window's thread, waiting for it with the wait
    // cursor and, when it takes a while, a wait box.
    void runOffThread(const std::function<void()> &work);

    CleanParts m_parts;
    QPointer<QDialog> m_exitDialog;
    bool m_busy = false;
};
