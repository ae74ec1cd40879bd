#include "DesktopBrowser.h"

#include "TestEnvironment.h"

#include "core/BuildInfo.h"
#include "pages/LastVisit.h"
#include "platform/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

namespace {

QString regText(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

DesktopBrowser::DesktopBrowser()
    : m_profile(freshProfileDir())
{
    // Nothing asks questions at the end of a test.
    set(settings::cleanShow, 0);
}

DesktopBrowser::~DesktopBrowser()
{
    if (m_program && m_program->isRunning()) {
        m_program->signal(SIGTERM);
        if (!m_program->waitForExit(10000))
            m_program->kill();
    }
}

void DesktopBrowser::set(const IntSetting &setting, int value)
{
    m_settings[QLatin1String(setting.section)] << QStringLiteral("%1=dword:%2")
                                                      .arg(regText(QLatin1String(setting.value)))
                                                      .arg(quint32(value), 8, 16, QLatin1Char('0'));
}

void DesktopBrowser::set(const TextSetting &setting, const QString &value)
{
    m_settings[QLatin1String(setting.section)]
        << QStringLiteral("%1=%2").arg(regText(QLatin1String(setting.value)), regText(value));
}

bool DesktopBrowser::writeDataFile(const QString &name, const QByteArray &content)
{
    const QString file = m_profile + QStringLiteral("/data/") + name;
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size();
}

QString DesktopBrowser::importSettings()
{
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\n");
    for (auto it = m_settings.constBegin(); it != m_settings.constEnd(); ++it) {
        text += QStringLiteral("\n[HKEY_CURRENT_USER\\%1\\%2]\n").arg(QLatin1String(settings::kAppKey), it.key());
        text += it.value().join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    const QString file = m_profile + QStringLiteral(".reg");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0)
        return QStringLiteral("cannot write %1").arg(file);
    out.close();
    QString said;
    if (runVesperal({QStringLiteral("--profile"), m_profile, QStringLiteral("--import-registry"), file}, nullptr, &said)
        != 0)
        return QStringLiteral("the settings were not imported: %1\n%2").arg(said, text);
    return {};
}

QString DesktopBrowser::start(const QString &address, const QString &pageTitle)
{
    if (!m_desktop.error().isEmpty())
        return m_desktop.error();
    if (const QString error = importSettings(); !error.isEmpty())
        return error;
    m_program = std::make_unique<VesperalProcess>(QStringList{QStringLiteral("--profile"), m_profile, address},
                                                  m_desktop.environment());
    const QString wanted = frameTitle(pageTitle);
    quint64 active = 0;
    const bool up = QTest::qWaitFor(
        [&] {
            active = m_desktop.activeWindow();
            return active && m_desktop.windowPid(active) == m_program->processId()
                && m_desktop.windowName(active) == wanted;
        },
        30000);
    if (!up) {
        return QStringLiteral("the program's frame did not become the active window titled \"%1\"; "
                              "the active window is \"%2\"; the program %3 and said:\n%4")
            .arg(wanted, active ? m_desktop.windowName(active) : QStringLiteral("(none)"),
                 m_program->isRunning() ? QStringLiteral("runs") : QStringLiteral("has ended"), log());
    }
    m_window = active;
    return {};
}

QString DesktopBrowser::frameTitle(const QString &pageTitle)
{
    return pageTitle + QStringLiteral(" - ") + QLatin1String(kProductName);
}

QString DesktopBrowser::title()
{
    return m_window ? m_desktop.windowName(m_window) : QString();
}

bool DesktopBrowser::waitForTitle(const QString &pageTitle, int timeoutMs)
{
    return QTest::qWaitFor([&] { return title() == frameTitle(pageTitle); }, timeoutMs);
}

bool DesktopBrowser::handOff(const QString &address)
{
    VesperalProcess later({QStringLiteral("--profile"), m_profile, address}, m_desktop.environment());
    return later.waitForExit() && later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0;
}

QStringList DesktopBrowser::storedPages() const
{
    RegistryStore store;
    if (store.open(m_profile + QStringLiteral("/registry.db")).status == RegistryStore::OpenStatus::Unavailable)
        return {};
    const auto value = store.query(Hive::CurrentUser,
                                   QLatin1String(settings::kAppKey) + QStringLiteral("\\")
                                       + QLatin1String(settings::lastvisit.section),
                                   QLatin1String(settings::lastvisit.value));
    return value ? LastVisit::parse(value->binary) : QStringList();
}

QString DesktopBrowser::log()
{
    return m_program ? m_program->standardError() : QString();
}
