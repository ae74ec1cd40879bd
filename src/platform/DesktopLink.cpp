#include "platform/DesktopLink.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace DesktopLink {

namespace {

// A value of a desktop file: one line, with backslashes and line breaks escaped.
QString escaped(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return text;
}

} // namespace

QString desktopFolder()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-user-dir"));
    if (!tool.isEmpty()) {
        QProcess process;
        process.start(tool, {QStringLiteral("DESKTOP")});
        if (process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0) {
            const QString folder = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
            if (QDir::isAbsolutePath(folder))
                return QDir::cleanPath(folder);
        }
    }
    return QDir::home().filePath(QStringLiteral("Desktop"));
}

QByteArray content(const QString &name, const QString &address)
{
    const QString text = QStringLiteral("[Desktop Entry]\nVersion=1.0\nType=Link\nName=%1\nURL=%2\nIcon=text-html\n")
                             .arg(escaped(name), escaped(address));
    return text.toUtf8();
}

bool write(const QString &path, const QString &name, const QString &address)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content(name, address));
    return file.commit();
}

} // namespace DesktopLink
