#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a track list beside a WAV (a cue sheet, an Audacity label file) says
// of that WAV: its tracks as ranges of sample frames, and their tags.

struct SheetTrack {
    int number = 0; // as the sheet numbers it; 0: the audio before track 1
    qint64 firstFrame = 0; // sample frames of the WAV: [first, end)
    qint64 endFrame = 0;
    QString title;
    QString performer;  // the track's own, else the disc's
    QString songwriter; // the composer
    QString isrc;
    int line = 0; // where the sheet starts it, for messages
};

struct TrackSheet {
    QString album;          // the disc's title
    QString albumPerformer; // the disc's performer: the album artist
    QString date;           // REM DATE
    QString genre;          // REM GENRE, as written
    QString comment;        // REM COMMENT
    QString discNumber;     // REM DISCNUMBER
    QString discTotal;      // REM TOTALDISCS
    int trackTotal = 0;     // the sheet's tracks, for "3/12"
    // This WAV's tracks in order. One that covers the whole WAV (a track of
    // a per-track rip) gives it tags, no split.
    QList<SheetTrack> tracks;
    bool wholeFile() const { return tracks.size() == 1 && tracks[0].firstFrame == 0; }
    QString note; // what a person should know: times rounded to sample frames
};

// The sheet, or why it cannot be used: "line 12: ..." (the caller names the
// file), so the WAV is offered whole.
struct SheetReading {
    std::optional<TrackSheet> sheet;
    QString problem;
};

// The WAV a sheet is read for: its name (without folder) and audio.
struct SheetWav {
    QString name;
    qint64 frames = 0;
    int sampleRate = 0;
};

// Reads a cue sheet's text for `wav`: the tracks of the FILE line that names
// it (its name compared without letter case, any folder part ignored), or,
// with `anyFile` (the sheet has the WAV's base name and names no listed WAV),
// of its only FILE. Track N runs from its INDEX 01 to the next track's INDEX
// 01 (a gap, INDEX 00, belongs to the track before it), the last to the WAV's
// end; audio before track 1's INDEX 01 is track 0, which the caller keeps
// unless it is digital silence. Times of 1/75 s become sample frames exactly,
// or rounded to the nearest where the rate is no multiple of 75 (`note`).
// Refused with the line: a line that does not parse, a FILE type other than
// WAVE, a track without INDEX 01, numbers out of order, a track of no length,
// one past the WAV's end, over 99 tracks. Uses libcue, which keeps state of
// its own between calls: one thread only.
SheetReading ReadCueSheet(const QString &text, const SheetWav &wav, bool anyFile);

// The files a sheet's FILE lines name, without folder and case-folded, as
// `ReadCueSheet` compares them with a WAV's name; none for a text that is no
// cue sheet.
QStringList CueSheetFiles(const QString &text);

// Whether a text begins as an Audacity label file does: "start<TAB>end".
bool LooksLikeLabelFile(const QString &text);

// Reads an Audacity label file (one "start <tab> end <tab> label" line per
// label, seconds with a decimal point) as a track list for `wav`: each label
// a track from its start to the next label's start, the last to the WAV's
// end; audio before the first label is track 0.
SheetReading ReadLabelFile(const QString &text, const SheetWav &wav);
