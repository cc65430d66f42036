#pragma once

#include "cover_picture.h"
#include "id3v1_tag.h"
#include "id3v2_version.h"
#include "replay_gain.h"
#include "tag_entries.h"

#include "base/atomic_file.h"
#include "base/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

// An MP3's two tags: the 128-byte trailer, exactly as the tagging command
// line asks for it, and an ID3v2 tag at the front, for today's players, that
// never disagrees with it.

// What the ID3v2 tag is to carry beyond the trailer.
struct Id3v2Order {
    Id3v2Version version = Id3v2Version::V2_4;
    TagFields whole; // each gives way to the trailer's text unless the trailer holds its cut
    QString track;   // "3/12"; empty for none
    QString disc;    // "1/2"; empty for none
    QString albumArtist; // TPE2, the disc's performer; empty for none
    QString composer;    // TCOM
    QString isrc;        // TSRC
    std::optional<CoverPicture> cover; // the front cover; empty for none
    // REPLAYGAIN_TRACK_* and _ALBUM_* (TXXX); none keeps the MP3's own.
    std::optional<ReplayGainValues> trackGain;
    std::optional<ReplayGainValues> albumGain;
};

// The text an ID3v2 field holds beside a trailer field written from
// `trailerText`: `id3v2Text` where the trailer holds exactly its cut (and it
// is not empty), else `trailerText` without its filling blanks.
QString AgreeingText(const QString &id3v2Text, const QString &trailerText, qsizetype width);

// The genre name beside trailer genre `trailerGenre`: `id3v2Genre` where it
// has that number, else the number's name (or the number, beyond the table).
QString AgreeingGenre(const QString &id3v2Genre, qint16 trailerGenre);

// Whether the file at `path` begins with an ID3v2 tag.
bool HasId3v2Tag(const QByteArray &path);

// Gives the MP3 at `path` (the file system's bytes) the trailer by the
// trailer writer's rules, and at its front an ID3v2 tag: the one `order`
// asks for, or, without an order, the tag it has already with every field
// brought into line with the trailer. Never a second ID3v2 tag; the first
// audio frame stays first after it. The file is replaced as a whole, so an
// interruption leaves the old file or the new one; `replaced`, when given,
// receives the old and the new file's identities.
struct ReplacedFile {
    FileId before;
    FileId after;
};
Result WriteMp3Tags(const QByteArray &path, const Id3v1Tag &trailer,
                    const std::optional<Id3v2Order> &order, ReplacedFile *replaced = nullptr);
