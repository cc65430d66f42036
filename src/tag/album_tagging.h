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
};

struct AlbumFile {
    QString name;     // as the file list shows it
    TagFields fields; // the file's texts before the shared fields apply
};

// An entry's six fields with their filling blanks removed.
TagFields TrimmedFields(const TagFields &entry);

// The six texts of one file once the shared fields apply, each as its entry
// will hold it: cut to its width, filling blanks removed; the genre as the
// encode run will read it, so a name the table lacks (the empty one too)
// shows as "Sound Clip". From the file name come the title and, while the
// artist is not shared, the artist of an "Artist - Title" name.
TagFields TaggedFields(const AlbumFile &file, const SharedFields &shared);

// The 154-character entry of that file.
QString TaggedEntry(const AlbumFile &file, const SharedFields &shared);
