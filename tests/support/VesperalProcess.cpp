#include "VesperalProcess.h"

#include <QTest>

#include <csignal>

VesperalProcess::VesperalProcess(const QStringList &arguments, const QProcessEnvironment &environment)
{
    m_process.setProcessEnvironment(environment);
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { m_stdout += m_process.readAllStandardOutput(); });
    QObject::connect(&m_process, &QProcess::readyReadStandardError, [this] { m_stderr += m_process.readAllStandardError(); });
    m_process.start(QStringLiteral(VESPERAL_BINARY), arguments);
    m_process.waitForStarted();
}

VesperalProcess::~VesperalProcess()
{
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool VesperalProcess::waitForExit(int timeoutMs)
{
    return QTest::qWaitFor([this] { return !isRunning(); }, timeoutMs);
}

bool VesperalProcess::waitForStderr(const QString &text, int timeoutMs)
{
    return QTest::qWaitFor([&] { return standardError().contains(text); }, timeoutMs);
}

void VesperalProcess::signal(int number)
{
    if (isRunning())
        ::kill(pid_t(m_process.processId()), number);
}

void VesperalProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished();
}

QString VesperalProcess::standardOutput()
{
    m_stdout += m_process.readAllStandardOutput();
    return QString::fromUtf8(m_stdout);
}

QString VesperalProcess::standardError()
{
    m_stderr += m_process.readAllStandardError();
    return QString::fromUtf8(m_stderr);
}

int runVesperal(const QStringList &arguments, QString *out, QString *err)
{
    VesperalProcess process(arguments);
    process.waitForExit();
    if (out)
        *out = process.standardOutput();
    if (err)
        *err = process.standardError();
    return process.isRunning() ? -1 : process.exitCode();
}
