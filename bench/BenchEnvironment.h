#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>

// Sets up what the programs a benchmark driver starts share: a private
// runtime folder under workDir, the offscreen platform when there is no
// display, and the same sandbox setting for every program.
inline void prepareBenchEnvironment(const QString &workDir)
{
    const QString runtime = workDir + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
