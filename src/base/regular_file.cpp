#include "regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile OpenRegularFile(const QByteArray &path, int flags)
{
    struct stat info{};
    if (path.isEmpty())
        return {-1, ENOENT, 0};
    if (::stat(path.constData(), &info) != 0)
        return {-1, errno, 0};
    if (!S_ISREG(info.st_mode))
        return {};
    const int fd = ::open(path.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {-1, errno, 0};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISREG(info.st_mode) ? errno : 0;
        ::close(fd);
        return {-1, error, 0};
    }
    return {fd, 0, qint64(info.st_size)};
}
