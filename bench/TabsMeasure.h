#pragma once

// What the tabs benchmark measures inside each program: the proportional set
// size of the program and every process it started (the engine's helper and
// renderer processes), and a line format the driver reads.
#include <QDir>
#include <QFile>
#include <QSet>

#include <cstdio>
#include <unistd.h>

namespace tabsbench {

inline qint64 parentOf(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name is in parentheses and may hold blanks.
    const qsizetype close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : -1;
}

inline qint64 pssKb(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// This process and all its descendants, in kB.
inline qint64 treePssKb()
{
    QHash<qint64, qint64> parents;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (ok)
            parents.insert(pid, parentOf(entry));
    }
    QSet<qint64> tree{qint64(::getpid())};
    for (bool grown = true; grown;) {
        grown = false;
        for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
            if (!tree.contains(it.key()) && tree.contains(it.value())) {
                tree.insert(it.key());
                grown = true;
            }
        }
    }
    qint64 total = 0;
    for (qint64 pid : tree)
        total += pssKb(pid);
    return total;
}

inline void report(const char *key, double value)
{
    std::printf("%s %.1f\n", key, value);
    std::fflush(stdout);
}

} // namespace tabsbench
