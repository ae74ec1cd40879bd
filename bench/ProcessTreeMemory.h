#pragma once

// The memory a program really holds, over one process and every process
// below it (for a Qt WebEngine program, the engine's zygote, GPU and
// renderer processes), read from /proc.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>

#include <fcntl.h>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace processtree {

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

// Whether the process is still there and not just waiting to be reaped.
inline bool isAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
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

// The process and all its descendants that are alive now.
inline QSet<qint64> processes(qint64 root)
{
    QHash<qint64, qint64> parents;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (ok)
            parents.insert(pid, parentOf(entry));
    }
    QSet<qint64> tree;
    if (parents.contains(root))
        tree.insert(root);
    for (bool grown = !tree.isEmpty(); grown;) {
        grown = false;
        for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
            if (!tree.contains(it.key()) && tree.contains(it.value())) {
                tree.insert(it.key());
                grown = true;
            }
        }
    }
    return tree;
}

// The process and all its descendants, in kB.
inline qint64 treePssKb(qint64 root = ::getpid())
{
    qint64 total = 0;
    for (qint64 pid : processes(root))
        total += pssKb(pid);
    return total;
}

// The physical memory the processes hold between them, each page counted
// once however many of them map it, in kB; -1 when the page frames cannot
// be read (they can by root). Unlike the sum of proportional set sizes it
// does not fall when a process outside the set maps the same libraries.
inline qint64 residentKb(const QSet<qint64> &pids)
{
    const qint64 pageSize = ::sysconf(_SC_PAGESIZE);
    std::unordered_set<quint64> frames;
    std::vector<quint64> entries;
    for (qint64 pid : pids) {
        QFile maps(QStringLiteral("/proc/%1/smaps").arg(pid));
        const int pagemap = ::open(QStringLiteral("/proc/%1/pagemap").arg(pid).toLocal8Bit().constData(), O_RDONLY);
        if (!maps.open(QIODevice::ReadOnly) || pagemap < 0) {
            if (pagemap >= 0)
                ::close(pagemap);
            continue; // gone meanwhile
        }
        quint64 start = 0, end = 0;
        bool readable = true;
        for (const QByteArray &line : maps.readAll().split('\n')) {
            // A range's first line ("start-end perms ..."), then its fields ("Rss: 12 kB").
            const QByteArray first = line.left(line.indexOf(' '));
            if (!first.isEmpty() && !first.endsWith(':')) {
                const qsizetype dash = first.indexOf('-');
                start = first.left(dash).toULongLong(nullptr, 16);
                end = first.mid(dash + 1).toULongLong(nullptr, 16);
                continue;
            }
            // Only the ranges that hold something are read page by page.
            if (!line.startsWith("Rss:") || line.mid(4).trimmed().split(' ').value(0).toLongLong() == 0 || end <= start)
                continue;
            entries.resize((end - start) / pageSize);
            const auto bytes = qsizetype(entries.size() * sizeof(quint64));
            if (::pread(pagemap, entries.data(), bytes, off_t(start / pageSize * sizeof(quint64))) != bytes)
                continue;
            for (quint64 entry : entries) {
                if (!(entry >> 63))
                    continue; // not in memory
                const quint64 frame = entry & ((quint64(1) << 55) - 1);
                if (frame == 0)
                    readable = false;
                else
                    frames.insert(frame);
            }
        }
        ::close(pagemap);
        if (!readable)
            return -1;
    }
    return qint64(frames.size()) * pageSize / 1024;
}

} // namespace processtree
