#pragma once

#include "VesperalProcess.h"
#include "X11Desktop.h"

#include "core/SettingsTable.h"

#include <QMap>

#include <memory>

// The real program on a private X desktop, in a fresh profile whose settings
// and data files are put in place before it starts. It is stopped, and the
// desktop taken down, when this goes.
class DesktopBrowser
{
public:
    DesktopBrowser();
    ~DesktopBrowser();

    X11Desktop &desktop() { return m_desktop; }
    QString profile() const { return m_profile; }

    // Before start(): settings of the program's table, and files of its data folder.
    void set(const IntSetting &setting, int value);
    void set(const TextSetting &setting, const QString &value);
    bool writeDataFile(const QString &name, const QByteArray &content);

    // Starts the program on the address and waits until its frame is the
    // active window, titled after the page. Empty when so, else what is wrong.
    QString start(const QString &address, const QString &pageTitle);

    // The frame window, once started.
    quint64 window() const { return m_window; }
    static QString frameTitle(const QString &pageTitle);
    QString title();
    // Runs the event loop until the frame shows the page's title.
    bool waitForTitle(const QString &pageTitle, int timeoutMs = 10000);

    // Gives the running program an address, as a later start of it does.
    bool handOff(const QString &address);
    // The addresses of the open Pages as the program keeps them for its next
    // start (it writes them about a second after a change).
    QStringList storedPages() const;
    // What the program said on standard error.
    QString log();

private:
    QString importSettings();

    X11Desktop m_desktop;
    QString m_profile;
    QMap<QString, QStringList> m_settings; // section -> lines of a .reg file
    std::unique_ptr<VesperalProcess> m_program;
    quint64 m_window = 0;
};
