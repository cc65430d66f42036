#pragma once

#include <cstdint>
#include <string>
#include <sys/stat.h>

// Which file a path or descriptor is, and which state of it: the same device,
// inode, size and modification time mean the same bytes for every program
// that writes files the ordinary way.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    static FileIdentity of(const struct stat &info);

    bool sameFile(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
    bool operator==(const FileIdentity &) const = default;

    // "DEVICE INODE SIZE SECONDS.NANOSECONDS", as `stat -L -c '%d %i %s %.9Y'`
    // prints it (before 1970 too).
    std::string text() const;
    // "DEVICE INODE", as `stat -c '%d %i'` prints it.
    std::string fileText() const;
};

// Why the file read through `fd` at `path` may not be what was read, or
// empty: it was replaced or removed at its path, it changed since `before`,
// or another program still has it open for writing.
std::string ChangedSince(const FileIdentity &before, int fd, const std::string &path);

// Whether another program has the file open for writing (a recorder still
// recording, a copy still copying). Asked by taking a read lease and giving
// it back at once; where leases are not allowed, it cannot tell and says no.
bool OpenForWritingElsewhere(int fd);
