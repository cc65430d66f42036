#pragma once

#include "tag_entries.h"

#include <QString>

// The tags a WAV file carries itself, as recorders, editors and CD rippers
// write them: a LIST chunk of type INFO (INAM title, IART artist, IPRD album,
// ICRD date, IGNR genre, ICMT comment, ITRK or IPRT track) and an "id3 " chunk
// holding an ID3v2 tag. Where both name a field, the ID3v2 tag's text counts:
// it declares its encoding. The chunks are found here (RF64 too, which TagLib
// does not walk); what they hold is read by TagLib.
// Where the walk to the tags found the audio, for a track list's ranges.
struct WavAudio {
    int sampleRate = 0;
    int blockAlign = 0;   // bytes a frame (all channels)
    bool unsignedBytes = false; // 8-bit PCM: silence is 0x80, not 0
    qint64 dataOffset = -1; // the data chunk's first byte; -1: none found
    qint64 frames = 0;      // as far as the file holds them
};

struct WavTags {
    // Single-line texts, empty where the file names nothing: the year as four
    // digits, the genre only as a name of the genre table.
    TagFields fields;
    QString track;        // "3", "3/12": INFO ITRK or IPRT, ID3v2 TRCK
    QString disc;         // "1", "1/2": ID3v2 TPOS
    WavAudio audio;
    bool hasInfo = false; // a LIST/INFO chunk was read
    bool hasId3 = false;  // an "id3 " chunk was read
    // Why the file could not be read, naming it; empty when it could. A WAV
    // without tags is no failure.
    QString failure;
};

// Reads the tags of the WAV file at `path`. Only a regular file is opened,
// so a named pipe or a device never blocks the caller. No size in the file
// is trusted: chunks are walked within the file's real length (RIFF and
// RF64 alike, beyond 4 GiB too), a tag chunk is read only as far as its first
// few MiB, and a file cut short gives what its complete part holds.
WavTags ReadWavTags(const QString &path);

// Whether the first `frames` frames of the audio are digital silence (every
// sample zero): the audio before a cue sheet's first track is no hidden
// track then. False when they cannot be read.
bool StartsInSilence(const QString &path, const WavAudio &audio, qint64 frames);

// `own` with every field `wav` names put in its place; a field `wav` leaves
// empty (a genre not in the table too) stays as it was.
TagFields WithWavTags(const TagFields &own, const TagFields &wav);
