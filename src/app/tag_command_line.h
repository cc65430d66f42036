#pragma once

#include "tag/id3v1_tag.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A tagging request. The path is kept as the bytes given, so it names exactly
// that file even where they are not UTF-8; it is decoded only for messages.
struct TagRequest {
    QByteArray path;
    Id3v1Tag tag;
};

// Linux refuses paths longer than this many bytes; no file system holds one.
inline constexpr qsizetype LongestPath = 4095;

// The raw form, one argument: an opening character (skipped whatever it is),
// the MP3 path up to the first double quote, one separator and a field block
// of any length. Empty when there is no closing quote after the first
// character, nothing after it, or a path longer than any file system allows.
std::optional<TagRequest> ParseTagCommandLine(const QByteArray &argument);

// The split form our batch script writes: the path whole and a field block of
// exactly 126 characters; empty otherwise, so two file names given by mistake
// are never taken for a request.
std::optional<TagRequest> ParseTagArguments(const QByteArray &path, const QByteArray &fieldBlock);

// An argument as text: UTF-8 with every character kept, a leading byte-order
// mark too (it is the title's first character, not a marker).
QString DecodeArgument(const QByteArray &argument);

// What the program does with its arguments (without the program's own name).
struct ModeDecision {
    enum class Mode { Interactive, Tagging, Help, Version, UsageError, Open };
    Mode mode = Mode::Interactive;
    TagRequest request; // for Tagging
    QString problem;    // for UsageError: what is wrong, in one line
    QStringList paths;  // for Open: the folders and WAV files to show
};

// Arguments that each name an existing folder or WAV file (a file manager's
// "Open With") open the window there, as a drop on it would, even where they
// also read as a tagging request; otherwise a well-formed request is one (and
// the tagging run writes only an MP3).
ModeDecision DecideMode(const QList<QByteArray> &arguments);

// The usage text, naming the command as it was started.
QString TaggingUsage(const QString &programName);
