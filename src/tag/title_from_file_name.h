#pragma once

#include <QString>
#include <QStringView>

// What a WAV file's name says about its track, for tagging an album at once.
struct NameParts {
    QString artist; // empty unless the name was split
    QString title;
    QString track; // the leading number, without leading zeros; empty without one
    QString disc;  // "1" of "1-04 Finale"; empty without one
};

// The title a file name gives: the name without ".wav" (any case), a leading
// track number and its separator removed ("01 - Intro", "01. Intro",
// "01_Intro", "1-01 Intro" all give "Intro", and the track and disc numbers
// they name), underscores read as blanks,
// runs of blanks as one. A name that is nothing but a number (with or without
// its separator) keeps the number. With `splitArtist`, an "Artist - Title"
// name gives both parts.
NameParts TitleFromFileName(QStringView fileName, bool splitArtist);
