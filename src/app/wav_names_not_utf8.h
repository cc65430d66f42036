#pragma once

#include <QString>
#include <QStringList>

// The WAV files of `directory` whose names are not valid UTF-8 (written on an
// old system in another encoding): Qt decodes such a name lossily, so it
// cannot name the file again. Each is given as `ls` shows it
// ('t'$'\377''.wav'), for the list to show and Encode to refuse with its
// reason, never to leave out unsaid. A WAV is what the file list takes:
// ".wav" in any letter case, not hidden, a regular file (through a link too).
QStringList WavNamesNotUtf8(const QString &directory);
