#pragma once

#include "tag/mp3_tags.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

// What the script's tagging line asks beyond the trailer, in assignments a
// person can read before the command: SONDRAKE_ID3V2 (2.4 or 2.3), the whole
// texts SONDRAKE_TITLE, _ARTIST, _ALBUM, _YEAR, _GENRE, _COMMENT, and
// SONDRAKE_TRACK, _DISC, _ALBUMARTIST, _COMPOSER, _ISRC (a cue sheet's),
// _COVER (a picture's path), SONDRAKE_REPLAYGAIN and _ALBUM_REPLAYGAIN (the
// encoder's loudness measurement of the track, and of its album's tracks
// together), SONDRAKE_RECEIPT (the encoder's receipt to hand on). An empty
// track, disc, cover or measurement leaves the MP3's own. Without
// SONDRAKE_ID3V2 (a run started by hand) none of them counts: no ID3v2 tag
// is added, one the MP3 has is only brought into line.
struct TaggingEnvironment {
    std::optional<Id3v2Order> order;
    QString problem;      // why the tag asked for cannot be written as asked
    QByteArray receipt;   // the receipt's path, empty for none
};

TaggingEnvironment ReadTaggingEnvironment(const QProcessEnvironment &environment);

// L3ENC's receipt says "safe <WAV's identity> <MP3's device inode>". When the
// tagging run replaced that very MP3 by its tagged copy, the receipt is made
// to name the copy, so the script's identity check holds for it; a receipt
// that names another file, or says "keep", stays as it is.
Result HandOnReceipt(const QByteArray &receiptPath, const ReplacedFile &replaced);
