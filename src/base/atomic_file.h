#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

// Replaces `filePath` with `bytes` as a whole: the old file stays until the
// new one is complete on disk. Every step is checked (open, the whole write,
// flush, commit), because a full disk can otherwise pass for success: the
// buffered data only fails at the flush.
Result SaveFileAtomically(const QString &filePath, const QByteArray &bytes);
