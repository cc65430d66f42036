#include "file_identity.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <fcntl.h>

FileIdentity FileIdentity::of(const struct stat &info)
{
    return {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino), std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec), info.st_mtim.tv_nsec};
}

std::string FileIdentity::text() const
{
    char line[96];
    std::snprintf(line, sizeof line, "%" PRIu64 " %" PRIu64 " %" PRId64 " %" PRId64 ".%09ld",
                  device, inode, size, modifiedSeconds, modifiedNanoseconds);
    return line;
}

std::string FileIdentity::fileText() const
{
    return std::to_string(device) + ' ' + std::to_string(inode);
}

std::string ChangedSince(const FileIdentity &before, int fd, const std::string &path)
{
    struct stat now{};
    if (::fstat(fd, &now) != 0)
        return "it could not be looked at after the read";
    const FileIdentity after = FileIdentity::of(now);
    struct stat atPath{};
    if (::stat(path.c_str(), &atPath) != 0 || !after.sameFile(FileIdentity::of(atPath)))
        return "the file was replaced or removed while it was read";
    if (after.size > before.size)
        return "still being written: it grew while it was read";
    if (!(after == before))
        return "the file changed while it was read";
    if (OpenForWritingElsewhere(fd))
        return "still being written: another program has it open for writing";
    return {};
}

bool OpenForWritingElsewhere(int fd)
{
    // A read lease is refused with EAGAIN exactly when some descriptor has
    // the file open for writing. It is given back at once, so no writer
    // ever waits on it.
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        return false;
    }
    return errno == EAGAIN;
}
