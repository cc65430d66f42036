#pragma once

#include <QByteArray>
#include <QString>

// Whether the file at `path` (the file system's bytes) is an MP3 the tagging
// run may write: a regular file that begins with an ID3v2 tag or an MPEG
// audio frame header, or ends in a tag trailer, and is not a RIFF WAV (even
// one that a trailer was once appended to by mistake). Empty when it is, or
// when it cannot be opened at all (the writer then says why); otherwise why
// not, in a few words.
QString WhyNotAnMp3(const QByteArray &path);
