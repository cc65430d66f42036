#pragma once

#include "base/result.h"
#include "tag/id3v2_version.h"

#include <QByteArray>
#include <QString>

#include <functional>

// "encoder.ini": seven lines in a fixed order, read by position. Each value
// line loses a fixed number of leading characters; no key is compared, no
// value trimmed or checked.
//
//   [Directories]
//   EncoderPath = <EncoderPath>        14 dropped
//   LastPath = <directory list's path>  11 dropped
//   Destination = <Destination>        14 dropped
//   SafeMode = <DeleteWatch>            10 dropped: the blank comes with the value
//   [Switches]
//   LoadMode = <LoadMode>               11 dropped: written "LoadMode =" + " 0"
//   Id3v2 = <2.4|2.3|none>              an eighth line, found by its key; an
//                                        older program reads seven and ignores it
//   ReplayGain = <on|off>               a ninth, the same
struct Settings {
    QString encoderPath;
    QString destination;
    qint16 deleteWatch = 1;
    qint16 loadMode = 0;
    Id3v2Version id3v2 = Id3v2Version::V2_4; // missing or unknown: 2.4
    bool replayGain = true;                  // missing or unknown: on
};

inline constexpr char16_t SettingsFileName[] = u"encoder.ini";

// Points the directory list at the stored last directory; false when it
// cannot be shown.
using DirectoryShower = std::function<bool(const QString &directory)>;

// Reads `filePath` into `settings`, value by value in file order. Reading
// stops at the first failure (no regular file, a missing or short line, a last
// directory that cannot be shown, a number outside 16 bits); values read
// before it stay. Gives true when all seven lines were read; the eighth and
// ninth are optional. CRLF, LF and CR
// line ends are all accepted.
bool ReadSettings(const QString &filePath, Settings &settings, const DirectoryShower &showLastPath);

// The file's bytes: UTF-8, CRLF line ends.
QByteArray FormatSettings(const Settings &settings, const QString &lastPath);

// Replaces the file atomically: a crash or a full disk never leaves half a
// file, and on any failure the old file stays. A value holding a line break
// cannot be stored and is refused.
Result WriteSettings(const QString &filePath, const Settings &settings, const QString &lastPath);

// Where the settings live: beside the program when its directory is the
// user's own to write, otherwise (an installed program, for root too) in the
// user's configuration directory, so they persist and nothing lands in /usr.
QString SettingsFilePath(const QString &appPath);
