#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// The real program started as a child process in the test's environment
// (offscreen, private HOME and runtime directory), or in the one given.
class VesperalProcess
{
public:
    explicit VesperalProcess(const QStringList &arguments,
                             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    ~VesperalProcess();

    bool waitForExit(int timeoutMs = 30000);
    // Runs the event loop until standard error has shown the text.
    bool waitForStderr(const QString &text, int timeoutMs = 30000);
    void signal(int number);
    void kill();

    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    QString standardOutput();
    QString standardError();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
    QByteArray m_stdout;
    QByteArray m_stderr;
};

// Runs the program to its end and returns its exit code.
int runVesperal(const QStringList &arguments, QString *out = nullptr, QString *err = nullptr);
