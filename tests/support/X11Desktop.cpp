#include "X11Desktop.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Tool
{
    const char *program;
    const char *package;
};

// Everything the desktop runs, with the Debian package that installs it.
constexpr Tool kTools[] = {
    {"Xvfb", "xvfb"}, {"openbox", "openbox"}, {"xdotool", "xdotool"}, {"xwininfo", "x11-utils"}, {"xprop", "x11-utils"},
};

QString missingTools()
{
    QStringList missing;
    for (const Tool &tool : kTools) {
        if (QStandardPaths::findExecutable(QLatin1String(tool.program)).isEmpty())
            missing << QStringLiteral("%1 (Debian package %2)")
                           .arg(QLatin1String(tool.program), QLatin1String(tool.package));
    }
    if (missing.isEmpty())
        return {};
    return QStringLiteral("not installed: %1; scripts/setup installs them").arg(missing.join(QStringLiteral(", ")));
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

int number(const QString &text, const char *label)
{
    const QRegularExpression line(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"));
    return line.match(text).captured(1).toInt();
}

} // namespace

X11Desktop::X11Desktop()
{
    m_error = missingTools();
    // Now and then, on a loaded machine, the window manager never shows up on
    // a new display: a second desktop is tried before the test gives up.
    for (int attempt = 0; attempt < 2 && m_error.isEmpty(); ++attempt) {
        if (!start() || waitForWindowManager())
            return;
        m_error = QStringLiteral("openbox did not take the display %1 (Xvfb %2, openbox %3): %4")
                      .arg(m_display,
                           m_server.state() == QProcess::Running ? QStringLiteral("runs") : QStringLiteral("ended"),
                           m_windowManager.state() == QProcess::Running ? QStringLiteral("runs")
                                                                         : QStringLiteral("ended"),
                           QString::fromLocal8Bit(m_windowManager.readAllStandardError()));
        if (attempt == 0) {
            stop(m_windowManager);
            stop(m_server);
            m_error.clear();
        }
    }
}

X11Desktop::~X11Desktop()
{
    stop(m_windowManager);
    stop(m_server);
}

bool X11Desktop::start()
{
    // Xvfb picks a free display itself and writes its number to -displayfd.
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(kWidth).arg(kHeight), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
    QByteArray announced;
    const bool ended = QTest::qWaitFor(
        [&] {
            announced += m_server.readAllStandardOutput();
            return announced.contains('\n') || m_server.state() == QProcess::NotRunning;
        },
        15000);
    if (!ended || !announced.contains('\n')) {
        m_error = QStringLiteral("Xvfb did not start: %1").arg(QString::fromLocal8Bit(m_server.readAllStandardError()));
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(announced.trimmed());

    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    return true;
}

bool X11Desktop::waitForWindowManager()
{
    // A window manager that has taken the screen says so on the root window.
    return QTest::qWaitFor(
        [this] {
            const auto said
                = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return said && said->contains(QStringLiteral("window id"));
        },
        15000);
}

QProcessEnvironment X11Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XAUTHORITY"));
    return env;
}

std::optional<QString> X11Desktop::run(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished();
        return std::nullopt;
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

bool X11Desktop::key(const QString &keys)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}).has_value();
}

bool X11Desktop::type(const QString &text)
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text})
        .has_value();
}

bool X11Desktop::clickAt(const QPoint &screenPoint)
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screenPoint.x()),
                QString::number(screenPoint.y()), QStringLiteral("click"), QStringLiteral("1")})
        .has_value();
}

quint64 X11Desktop::activeWindow()
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")})
        .value_or(QString())
        .trimmed()
        .toULongLong();
}

QString X11Desktop::windowName(quint64 window)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window)})
        .value_or(QString())
        .trimmed();
}

qint64 X11Desktop::windowPid(quint64 window)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowpid"), QString::number(window)})
        .value_or(QString())
        .trimmed()
        .toLongLong();
}

bool X11Desktop::isViewable(quint64 window)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)})
        .value_or(QString())
        .contains(QStringLiteral("Map State: IsViewable"));
}

QRect X11Desktop::geometry(quint64 window)
{
    const QString info
        = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}).value_or(QString());
    if (info.isEmpty())
        return {};
    return QRect(number(info, "Absolute upper-left X"), number(info, "Absolute upper-left Y"), number(info, "Width"),
                 number(info, "Height"));
}

QStringList X11Desktop::netWmState(quint64 window)
{
    const QString said = run(QStringLiteral("xprop"),
                             {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_STATE")})
                             .value_or(QString());
    const qsizetype equals = said.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    QStringList states = said.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString &state : states)
        state = state.trimmed();
    return states;
}
