#pragma once

#include "app/SingleInstance.h"

#include <QMainWindow>
#include <QPointer>

class QWebEngineProfile;
#include <QWebEngineView>
class SettingsStore;

// The main window. For now it shows a single page that fills the window;
// the tab strip and the page host take that place later.
class CTMain : public QMainWindow
{
    Q_OBJECT
public:
    CTMain(QWebEngineProfile *profile, SettingsStore &settings, QWidget *parent = nullptr);
    ~CTMain() override;

    // Opens an address: brought to the front or not, reusing a blank page.
    // With a single page this navigates that page.
    void openAddress(const QString &address, bool toFront, bool reuseBlank, const QString &label);

    // An address handed over by a later start (empty: only come to the front).
    // While a dialog is up, only the dialog is brought up.
    SingleInstance::Answer receiveHandOff(const QString &text);

    // Brings the window (or its dialog) up, restoring it when minimised.
    void activate();

    // Closes as the user would, but without asking anything on the way.
    void closeWithoutQuestions();

    QWebEngineView *pageView() const { return m_view; }
    bool isShutDown() const { return m_shutDown; }

signals:
    // The window is closing; it takes no more hand-offs.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void shutdown();
    void updateTitle(const QString &pageTitle);

    SettingsStore &m_settings;
    QPointer<QWebEngineView> m_view;
    bool m_quiet = false; // closing on a signal: the exit questions are skipped
    bool m_shutDown = false;
};
