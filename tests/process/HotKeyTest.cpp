// Ctrl+Q for the whole desktop, on a real (virtual) X display: one program
// gets it, a second one is refused while the first holds it.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

TEST(HotKeyTest, OneProgramHoldsCtrlQAndTheNextIsRefused)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    // Both probes on one display: the first holds the key (until its input
    // closes) while the second tries, once the first has said it has it.
    const QString script = QStringLiteral(
        "fifo=\"$1.fifo\"; mkfifo \"$fifo\"; \"$0\" hold < \"$fifo\" > \"$1\" & exec 3> \"$fifo\"; "
        "n=0; while [ ! -s \"$1\" ] && [ $n -lt 400 ]; do sleep 0.05; n=$((n+1)); done; "
        "\"$0\"; exec 3>&-; wait; rm -f \"$fifo\"");
    const QString held = QStringLiteral("%1/held-%2.txt").arg(QDir::tempPath()).arg(QCoreApplication::applicationPid());
    QProcess run;
    run.setProcessEnvironment([] {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }());
    run.start(xvfb, {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                     QStringLiteral(HOTKEY_PROBE), held});
    ASSERT_TRUE(run.waitForFinished(30000));
    QFile first(held);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll().trimmed(), "taken");
    first.remove();
    EXPECT_EQ(run.readAllStandardOutput().trimmed(), "refused") << run.readAllStandardError().toStdString();
}

} // namespace
