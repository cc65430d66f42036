#include "file_identity.h"

#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <fcntl.h>

FileIdentity FileIdentity::of(const struct stat &info)
{
    return {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino), std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec), info.st_mtim.tv_nsec};
}

std::string FileIdentity::text() const
{
    // The time as a signed decimal, as stat prints it: 1969-12-31 23:59:58.5
    // is -2 s + 0.5 s, "-1.500000000".
    const bool beforeEpoch = modifiedSeconds < 0 && modifiedNanoseconds > 0;
    const std::int64_t seconds = beforeEpoch ? -(modifiedSeconds + 1) : modifiedSeconds;
    const long nanoseconds = beforeEpoch ? 1000000000L - modifiedNanoseconds : modifiedNanoseconds;
    char line[96];
    std::snprintf(line, sizeof line, "%" PRIu64 " %" PRIu64 " %" PRId64 " %s%" PRId64 ".%09ld",
                  device, inode, size, beforeEpoch ? "-" : "", seconds, nanoseconds);
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
    // ever waits on it. A writer that opens the file while it is held
    // breaks it: the kernel then sends SIGIO, which would end L3ENC, so it
    // is ignored meanwhile, and the broken lease says what the signal would.
    struct sigaction ignore{}, previous{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGIO, &ignore, &previous);
    bool writing = false;
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        writing = ::fcntl(fd, F_GETLEASE) != F_RDLCK;
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    } else {
        writing = errno == EAGAIN;
    }
    ::sigaction(SIGIO, &previous, nullptr);
    return writing;
}
