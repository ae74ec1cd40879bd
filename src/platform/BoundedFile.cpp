#include "platform/BoundedFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BoundedFile {

Result read(const QString &path, qint64 limit)
{
    Result result;
    // Without blocking: opening a pipe for reading would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = Status::NotAFile;
        ::close(fd);
        return result;
    }
    if (info.st_size > limit) {
        result.status = Status::TooLarge;
        ::close(fd);
        return result;
    }
    // The file may grow while it is read: never more than the limit.
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qint64 have = 0;
    result.status = Status::Ok;
    for (;;) {
        if (have == bytes.size()) {
            if (bytes.size() > limit) {
                result.status = Status::TooLarge;
                break;
            }
            bytes.resize(std::min<qint64>(limit + 1, bytes.size() + 64 * 1024));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.status = Status::Unreadable;
            break;
        }
        if (got == 0)
            break;
        have += got;
    }
    ::close(fd);
    if (result.ok()) {
        bytes.truncate(have);
        result.bytes = std::move(bytes);
    }
    return result;
}

} // namespace BoundedFile
