#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// A private X desktop for one test: its own Xvfb (1280x800, a free display
// number of its own, so tests can run side by side) with openbox managing
// the windows. Keys and clicks go through the X server as from a real
// keyboard and mouse (xdotool over XTEST); windows are read with xwininfo and
// xprop.
class X11Desktop
{
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;

    X11Desktop();
    ~X11Desktop();
    X11Desktop(const X11Desktop &) = delete;
    X11Desktop &operator=(const X11Desktop &) = delete;

    // Empty when the desktop is up; else what went wrong (for a missing
    // program, the Debian package that brings it).
    QString error() const { return m_error; }
    QString display() const { return m_display; }
    // The environment of the test with this display, for a Qt program on X.
    QProcessEnvironment environment() const;

    // Input, through the X server's test extension.
    bool key(const QString &keys); // e.g. "ctrl+w", "alt+d", "F11"
    bool type(const QString &text);
    bool clickAt(const QPoint &screenPoint);

    // The focused top-level window (0 when none), and what X says of a window.
    quint64 activeWindow();
    QString windowName(quint64 window);
    qint64 windowPid(quint64 window);
    bool isViewable(quint64 window);
    QRect geometry(quint64 window); // the client area, in screen coordinates
    QStringList netWmState(quint64 window); // e.g. "_NET_WM_STATE_FULLSCREEN"

    // Runs one of the X tools on this display; its standard output, nothing
    // when it failed.
    std::optional<QString> run(const QString &program, const QStringList &arguments);

private:
    bool start();
    bool waitForWindowManager();

    QString m_error;
    QString m_display;
    QProcess m_server;
    QProcess m_windowManager;
};
