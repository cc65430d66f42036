#pragma once

#include <QString>
#include <QStringList>

// A tag entry: the fixed-width text kept per listed WAV file, at the file's
// index in the file list.
//
//   positions  field    width
//     1 to  30 title      30
//    31 to  60 artist     30
//    61 to  90 album      30
//    91 to  94 year        4
//    95 to 124 genre      30  the genre's name, never its number
//   125 to 154 comment    30
//
// A new entry is 125 blanks; one written from the Properties dialog is 154.
struct TagFields {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString genre;
    QString comment;

    bool operator==(const TagFields &) const = default;
};

inline constexpr qsizetype NewTagEntryLength = 125;
inline constexpr qsizetype TagEntryLength = 154;

QString NewTagEntry();

// The entry list rebuilt with `count` new entries, one per listed file.
void ResetTagEntries(QStringList &entries, qsizetype count);

// The six slices of an entry as they stand, blank-padded and untrimmed. A
// slice cut by the end of a short entry is shorter; one that starts beyond
// it is empty.
TagFields ReadTagEntry(const QString &entry);

// The 154-character entry for six texts, each cut or padded to its width.
QString MakeTagEntry(const TagFields &fields);

// The longest whole text a field takes: far beyond any real title, yet no
// pasted page becomes a tag.
inline constexpr int LongestWholeText = 1000;

// What a file's MP3 carries beyond its entry's fixed widths, kept beside the
// entry list at the same index, for the ID3v2 tag: each field's whole text,
// the track and disc, the front cover.
struct TagExtras {
    TagFields whole; // without filling blanks; the genre a name of the table
    QString track;   // "3/12", "3" or empty
    QString disc;    // "1/2", "1" or empty
    QString cover;   // the picture's path, empty for none
    // What a cue sheet names beyond the six fields.
    QString albumArtist; // the disc's performer
    QString composer;    // the track's songwriter
    QString isrc;

    bool operator==(const TagExtras &) const = default;
};

// The texts an entry stands for: a field's whole text where the entry holds
// exactly its cut, else the entry's own text without filling blanks, so an
// entry changed on its own is never contradicted by an older whole text.
TagFields WholeFields(const QString &entry, const TagExtras &extras);
