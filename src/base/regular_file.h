#pragma once

#include "unique_fd.h"

#include <QByteArray>

// A regular file, opened without ever blocking on anything else: its type is
// looked at before the open (opening a FIFO can wait for ever, opening a
// device can act on it) and again on what was opened, in case the path was
// swapped in between. Nothing is created: a missing file stays missing.
struct RegularFile {
    UniqueFd descriptor; // the open file, or none
    int error = 0;       // without one: errno of the failed look or open; 0: not a regular file
    qint64 size = 0;
};

// Opens the file at `path` (the file system's bytes) with `flags` (O_RDONLY,
// O_RDWR).
RegularFile OpenRegularFile(const QByteArray &path, int flags);

// Up to `length` bytes at `offset` of the open file `fd`: fewer where the file
// ends or a read fails; an interrupted read is tried again.
QByteArray ReadAt(int fd, qint64 offset, qint64 length);
