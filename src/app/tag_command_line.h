#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The tagging command line: an opening character, the MP3 path, a double
// quote, one separator and the 126-character field block:
//
//   block positions  field    width
//          1 to  30  title      30
//         31 to  60  artist     30
//         61 to  90  album      30
//         91 to  94  year        4
//         95 to  96  genre       2  decimal, a one-digit number followed by a blank
//         97 to 126  comment    30  read as the block's last 30 characters
//
// No field is trimmed: the blanks that fill a field arrive in the trailer.
struct TagRequest {
    QString path;
    QString title;
    QString artist;
    QString album;
    QString year;
    qint16 genre = 0;
    QString comment;
};

inline constexpr qsizetype FieldBlockLength = 126;

// Linux refuses paths longer than this many bytes; no file system holds one.
inline constexpr qsizetype LongestPath = 4095;

// Cuts the raw argument text into the path and the fields. Empty when the
// text is outside the format: no closing quote after position 1, nothing
// after the closing quote, or a path longer than any file system allows.
std::optional<TagRequest> ParseTagCommandLine(const QString &argumentText);

// The split form our batch script writes: the path whole, the block as given.
std::optional<TagRequest> ParseTagArguments(const QString &path, const QString &fieldBlock);

// The field block for these values, as the batch script writes it.
QString BuildFieldBlock(const QString &title, const QString &artist, const QString &album,
                        const QString &year, qint16 genre, const QString &comment);

// What the program does with its arguments (already decoded, without the
// program's own name).
struct ModeDecision {
    enum class Mode { Interactive, Tagging, UsageError };
    Mode mode = Mode::Interactive;
    TagRequest request; // for Tagging
    QString problem;    // for UsageError: what is wrong, in one line
};

ModeDecision DecideMode(const QStringList &arguments);

// The usage text shown for a tagging request outside the format.
QString TaggingUsage(const QString &programName);
