#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <atomic>

TestEnvironment::TestEnvironment()
    : m_root(QDir::tempPath() + QStringLiteral("/vesperal-test-XXXXXX"))
{
    const QString root = m_root.path();
    for (const char *sub : {"home", "data", "config", "cache", "runtime", "tmp"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub));
    for (const char *sub : {"runtime", "tmp"})
        QFile::setPermissions(root + QLatin1Char('/') + QLatin1String(sub),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
    // The cleaner's temporary files are the test's own, never those of the machine.
    qputenv("TMPDIR", QFile::encodeName(root + QStringLiteral("/tmp")));
    qunsetenv("VESPERAL_PROFILE");
    // The program speaks the language its texts are written in, whatever the
    // machine's desktop speaks: the desktop's first language for texts.
    qputenv("LANGUAGE", "zh_CN");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking");
}

QString TestEnvironment::runtimeDir() const
{
    return m_root.path() + QStringLiteral("/runtime");
}

QString freshProfileDir()
{
    static std::atomic<int> counter{0};
    const QString dir = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/profile-")
                        + QString::number(++counter);
    QDir().mkpath(dir);
    return dir;
}
