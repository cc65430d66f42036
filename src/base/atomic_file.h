#pragma once

#include "result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <sys/types.h>

// A file's identity on its file system, as `stat -c '%d %i'` prints it.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;

    QString text() const;
    bool operator==(const FileId &) const = default;
};

// Replaces `filePath` with `bytes` as a whole: the old file stays until the
// new one is complete on disk. Every step is checked (open, the whole write,
// flush, commit), because a full disk can otherwise pass for success: the
// buffered data only fails at the flush.
Result SaveFileAtomically(const QString &filePath, const QByteArray &bytes);

// The same for a path given as the file system's bytes, exactly. The new file
// keeps the old one's owner, group, permissions, ACLs and extended attributes
// (a new one gets the umask's permissions); where it cannot, or where the old
// file has other names (hard links), nothing changes and the reason is
// given. With
// `expected`, the file at the path must still be that very file when it is
// replaced, else nothing changes. Hang-up, interrupt and termination wait
// until the file is replaced or left as it was; `replacement`, when given,
// receives the new file's identity.
Result SaveFileAtomically(const QByteArray &path, const QByteArray &bytes,
                          std::optional<FileId> expected = std::nullopt,
                          FileId *replacement = nullptr);

// The same with the new content written by `write` into the new file's
// descriptor; it gives false, with errno set, when a write failed.
using FileWriter = std::function<bool(int fd)>;
Result SaveFileAtomically(const QByteArray &path, const FileWriter &write,
                          std::optional<FileId> expected = std::nullopt,
                          FileId *replacement = nullptr);

// Writes all of `bytes` at the descriptor's position, through short and
// interrupted writes; false (errno set) on failure.
bool WriteAll(int fd, QByteArrayView bytes);
