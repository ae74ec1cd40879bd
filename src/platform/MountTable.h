#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The file systems mounted for this process, as the kernel lists them in
// /proc/self/mountinfo.
namespace MountTable {

struct Mount
{
    QByteArray device;  // "major:minor"
    QString root;       // the folder of the file system mounted here; "/" for its top
    QString mountPoint; // where it is mounted
    QString type;       // "ext4", "vfat", "fuse.sshfs" …
};

// The mounts of a mountinfo text, in its order; malformed lines are skipped.
QList<Mount> parse(const QByteArray &mountInfo);
QList<Mount> current();

// Whether a file system of this type keeps files on a local disk: not a view
// of the kernel's (proc, sysfs, cgroup …), not a network or user-space file
// system that may answer slowly or never, not a read-only image.
bool isLocalStorage(const QString &type);

} // namespace MountTable
