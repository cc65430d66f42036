#pragma once

#include "batch_script.h"

#include "tag/cue_sheet.h"

#include <QList>
#include <QString>

// The tracks a sheet makes of its WAV, each an MP3 of its own: named
// "NN - Title.mp3" ("NN - Track NN.mp3" without a title), a character the
// destination cannot hold (any of FAT's, with `fatDestination`, and "/")
// replaced by "_"; tagged from the sheet: its disc's title the album, the
// track's performer (else the disc's) the artist, the date, the genre where
// the genre table has it, the comment, the track number n/N, the disc, the
// disc's performer as album artist, songwriter and ISRC, and `cover`.
QList<ImageTrack> ImageTracksFor(const TrackSheet &sheet, const QString &cover,
                                 bool fatDestination);

// `tracks` (a sheet's) with the tags of `tagged` (the same sheet's tracks as
// Tag Selected Files tagged them), while both are the same tracks, frame for
// frame; else `tracks` as they are. The sheet's album artist, composer and
// ISRC stay; a cover `tagged` does not name is `tracks`' own.
QList<ImageTrack> WithTagsOf(QList<ImageTrack> tracks, const QList<ImageTrack> &tagged);

// A track's time as players show it: "3:12.40" (minutes, seconds, hundredths).
QString TrackTimeText(qint64 frames, int sampleRate);

// "NN - Title.mp3" for a track, the name made safe as above.
QString TrackMp3Name(int number, const QString &title, bool fatDestination);
