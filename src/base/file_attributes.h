#pragma once

#include "result.h"

#include <QByteArray>

#include <sys/stat.h>

// Gives the new file `to` what the file it replaces, `from` (its path, whose
// status is `old`), had beyond its bytes: owner and group, extended
// attributes (ACLs among them) and mode, and nothing the new file got from
// where it was made (a folder's default ACL, its setgid group). Fails, naming
// what could not be kept, where the new file would differ, so the caller can
// leave the old file as it is.
Result KeepFileAttributes(const QByteArray &from, const struct stat &old, int to);
