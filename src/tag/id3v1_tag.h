#pragma once

#include <QString>

// One ID3v1 tag as a value: the five texts and the genre number, before any
// width or code-page rule is applied. The trailer writer, the field block of
// the tagging command line and the tagging request all carry this.
struct Id3v1Tag {
    QString title;
    QString artist;
    QString album;
    QString year;
    qint16 genre = 0; // 0 to 255 can be stored; -1 is stored as 0
    QString comment;

    bool operator==(const Id3v1Tag &) const = default;
};
