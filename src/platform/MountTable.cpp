#include "platform/MountTable.h"

#include <QFile>
#include <QSet>

namespace MountTable {

namespace {

// Undoes the octal escapes the kernel writes for blanks, tabs, newlines and
// backslashes in paths ("\040" …).
QString unescape(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3'
            && field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
            out += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return QFile::decodeName(out);
}

} // namespace

QList<Mount> parse(const QByteArray &mountInfo)
{
    QList<Mount> mounts;
    for (const QByteArray &line : mountInfo.split('\n')) {
        // id parent major:minor root mount-point options [optional fields…] - type source super-options
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-", 6);
        if (fields.size() < 7 || separator < 0 || separator + 1 >= fields.size())
            continue;
        Mount mount{fields[2], unescape(fields[3]), unescape(fields[4]), unescape(fields[separator + 1])};
        if (mount.device.isEmpty() || !mount.mountPoint.startsWith(QLatin1Char('/')))
            continue;
        mounts << mount;
    }
    return mounts;
}

QList<Mount> current()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

bool isLocalStorage(const QString &type)
{
    static const QSet<QString> others{
        // the kernel's views and in-kernel helpers
        QStringLiteral("proc"), QStringLiteral("sysfs"), QStringLiteral("devtmpfs"), QStringLiteral("devpts"),
        QStringLiteral("cgroup"), QStringLiteral("cgroup2"), QStringLiteral("securityfs"), QStringLiteral("pstore"),
        QStringLiteral("efivarfs"), QStringLiteral("bpf"), QStringLiteral("debugfs"), QStringLiteral("tracefs"),
        QStringLiteral("configfs"), QStringLiteral("fusectl"), QStringLiteral("hugetlbfs"), QStringLiteral("mqueue"),
        QStringLiteral("autofs"), QStringLiteral("binfmt_misc"), QStringLiteral("nsfs"), QStringLiteral("rpc_pipefs"),
        QStringLiteral("selinuxfs"), QStringLiteral("ramfs"), QStringLiteral("overlay"),
        // read-only images
        QStringLiteral("squashfs"), QStringLiteral("iso9660"), QStringLiteral("udf"), QStringLiteral("erofs"),
        // over the network
        QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"), QStringLiteral("smb3"),
        QStringLiteral("smbfs"), QStringLiteral("ncpfs"), QStringLiteral("afs"), QStringLiteral("9p"),
        QStringLiteral("ceph"), QStringLiteral("glusterfs"), QStringLiteral("davfs"), QStringLiteral("fuse"),
    };
    // "fuse.<name>" are user-space file systems (sshfs, rclone, gvfs …);
    // "fuseblk" is a disk driven from user space, and counts as a disk.
    return !type.isEmpty() && !others.contains(type) && !type.startsWith(QLatin1String("fuse."));
}

} // namespace MountTable
