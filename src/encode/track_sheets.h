#pragma once

#include "tag/cue_sheet.h"
#include "tag/wav_tags.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The track list that lies beside a WAV: a cue sheet (a CD image, a vinyl
// side, a concert), or an Audacity label file "<WAV's base name>.txt".
struct FoundSheet {
    QString sheetName;   // without folder: "Album.cue"
    QByteArray encoding; // what its text was read as
    bool codePage = false; // the sheet names no encoding: `encoding` was chosen
    SheetReading reading;  // its tracks for this WAV, or why it cannot be used
    WavAudio audio;
};

// For each of `wavNames` (the listed WAVs of `directory`), the sheet that
// describes it, if any. A cue sheet describes a WAV one of its FILE lines
// names (any letter case, any folder part), or, where none of its FILE lines
// names a listed WAV, the WAV of its own base name; a label file only the WAV
// of its base name, and only where no cue sheet does. A sheet that names no
// encoding is read in `codePage`. Audio before the first track that is
// digital silence is no track. Reads every .cue and the label files; the
// sheets' parser keeps state: one thread only.
QList<std::optional<FoundSheet>> FindTrackSheets(const QString &directory,
                                                 const QStringList &wavNames,
                                                 const QByteArray &codePage);
