#include "regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile OpenRegularFile(const QByteArray &path, int flags)
{
    struct stat info{};
    if (path.isEmpty())
        return {UniqueFd(), ENOENT, 0};
    if (::stat(path.constData(), &info) != 0)
        return {UniqueFd(), errno, 0};
    if (!S_ISREG(info.st_mode))
        return {};
    UniqueFd fd(::open(path.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd)
        return {UniqueFd(), errno, 0};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {UniqueFd(), S_ISREG(info.st_mode) ? errno : 0, 0};
    return {std::move(fd), 0, qint64(info.st_size)};
}

QByteArray ReadAt(int fd, qint64 offset, qint64 length)
{
    QByteArray bytes(qMax<qint64>(length, 0), Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}
