#pragma once

#include "tag_entries.h"

#include <QString>
#include <optional>

// Tagging several files at once: the fields shared by all of them, and the
// titles taken from the file names. The preview rows and the entries written
// come from here.

struct SharedFields {
    // A field that holds a value is set for every file; an empty optional
    // leaves each file's own text. The genre is a name of the genre table.
    std::optional<QString> artist;
    std::optional<QString> album;
    std::optional<QString> year;
    std::optional<QString> genre;
    std::optional<QString> comment;
    bool titlesFromFileNames = false;
    bool tracksInListOrder = false; // numbered 1 to n in the order given
};

// Where a track of an image WAV (a CD image with its cue sheet) stands.
struct SheetPlace {
    QString track;  // "3/12", as the sheet numbers it
    QString disc;   // "1/2" or empty
    QString start;  // "3:12.40"
    QString length;
};

struct AlbumFile {
    QString name;     // as the file list shows it
    TagFields fields; // the file's whole texts before the shared fields apply
    QString wavTrack; // the track and disc the WAV's own tags name, once read
    QString wavDisc;
    // A track of an image, a row of its own: its title and number are the
    // sheet's, whatever the WAV's name says.
    std::optional<SheetPlace> place = std::nullopt;
};

struct TrackNumbers {
    QString track; // "3/12", "3" or empty
    QString disc;  // "1", "1/2" or empty
};

// An entry's six fields with their filling blanks removed.
TagFields TrimmedFields(const TagFields &entry);

// The six texts of one file once the shared fields apply, each as its entry
// will hold it: cut to its width, filling blanks removed (or, `whole`, as the
// ID3v2 tag will hold it: whole, without blanks at the end); the genre as the
// encode run will read it, so a name the table lacks (the empty one too)
// shows as "Sound Clip". From the file name come the title and, while the
// artist is not shared, the artist of an "Artist - Title" name.
TagFields TaggedFields(const AlbumFile &file, const SharedFields &shared, bool whole = false);

// Every file's track and disc, in the order given: numbered in that order when
// asked; else an image's track as its sheet numbers it; else from the name's
// leading number ("01 - Intro", "1-04 Finale"), else from the WAV's own tags,
// else none. The total ("3/12") is the number of those files, given only
// when every one got its number from one source.
QList<TrackNumbers> AlbumTracks(const QList<AlbumFile> &files, const SharedFields &shared);

// The 154-character entry of that file.
QString TaggedEntry(const AlbumFile &file, const SharedFields &shared);
