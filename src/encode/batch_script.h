#pragma once

#include "tag/id3v2_version.h"
#include "tag/tag_entries.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What the encode run reads from the main window at the moment it runs.
struct ListedFile {
    QString name; // without directory
    bool selected = false;
    bool nameNotUtf8 = false; // `name` only shows a name that is not UTF-8
};

struct EncodeSwitches {
    bool downmix = false;     // -dm
    bool highQuality = false; // -hq
    bool crc = false;         // -crc
    bool autoDelete = false;  // delete the WAV once its MP3 is made
};

// One track of an image WAV (a CD image, a vinyl side), encoded on its own.
struct ImageTrack {
    int number = 0;        // as its sheet numbers it (0: audio before track 1)
    qint64 firstFrame = 0; // sample frames of the WAV: [first, end)
    qint64 endFrame = 0;   // the last track's is the WAV's end
    QString mp3Name;       // "03 - Title.mp3"
    QString entry;         // its tag entry
    TagExtras extras;
};

struct EncodeRequest {
    QList<ListedFile> files;
    // Per listed file, the tracks it is encoded as; none: the WAV whole.
    QList<QList<ImageTrack>> tracks;
    QString directory;   // the directory list's path
    QStringList entries; // one tag entry per listed file
    QList<TagExtras> extras; // beside the entries: whole texts, track, disc, cover
    Id3v2Version id3v2 = Id3v2Version::V2_4;
    QString bitrate;     // "8000" .. "256000"
    int vbrQuality = -1; // 0 (best) to 9 (smallest): a variable bitrate instead; -1: none
    bool replayGain = false; // ReplayGain tags (with an ID3v2 tag only)
    EncodeSwitches switches;
    QString encoderPath;
    QString destination; // its final separator may be missing (a hand-edited settings file)
    QString appPath;     // ends in a separator
    // The working directory when the program started: a relative encoder
    // path or destination (a hand-edited settings file) lies below it for
    // the whole session. Empty: the current working directory.
    QString startDirectory;
};

// One selected file's share of the script.
struct ScriptGroup {
    QString listedName;
    QString shortWavPath;
    QString shortOutputPath;   // where the encoder writes
    QString longMp3Name;
    QString longMp3Path;
    std::optional<QString> fieldBlock; // tagging only with title, artist and album
    TagExtras id3v2;                   // what the ID3v2 tag carries beyond the block
    qint64 wavBytes = 0; // how long it takes, near enough: the longest start first
    // A track of an image: its frames, and which of the plan's images it is
    // of (-1: a WAV encoded whole).
    qint64 firstFrame = 0;
    qint64 endFrame = 0;
    qint64 imageFrames = 0; // all the image's frames
    qsizetype image = -1;
    int trackNumber = 0;
    qsizetype album = -1;  // which of the plan's albums it is of, for its album gain
    bool aloneInAlbum = false; // the one track of its album text: its gain is the album's
};

// An image WAV whose tracks are groups of their own: it is deleted only once
// all of them are done, and their receipts cover it.
struct ScriptImage {
    QString listedName;
    QString shortWavPath;
    QList<qsizetype> groups; // its tracks' groups, in order
};

// The tagged files of one album, whose album gain is their loudness together:
// the selected files with one album text, or the tracks of one image.
struct ScriptAlbum {
    QString name;
    QList<qsizetype> groups; // in order
};

struct ScriptPlan {
    QString bitrate;
    int vbrQuality = -1; // as the request's
    bool replayGain = false; // measured and tagged; never without an ID3v2 tag
    EncodeSwitches switches;
    QString appPath;
    Id3v2Version id3v2 = Id3v2Version::V2_4;
    QList<ScriptGroup> groups; // in file-list order, an image's tracks in theirs
    QList<ScriptImage> images;
    QList<ScriptAlbum> albums; // with ReplayGain only, of two tracks or more
    int jobs = 1;              // groups the sh script runs at once
};

using ShortPathFunction = std::function<QString(const QString &)>;

// Whether any listed file with a name is selected.
bool HasSelection(const QList<ListedFile> &files);

// The names of the selected files, in list order.
QStringList SelectedNames(const QList<ListedFile> &files);

// The script's groups for the selected files. Looks at the file system only
// through `shortPath`, and for each WAV's size. A selected file without a short form (it vanished)
// gets no group. Tag text is cleaned for the script (`CleanTagText`).
ScriptPlan BuildScriptPlan(const EncodeRequest &request, const ShortPathFunction &shortPath,
                           QChar separator);

// Selected files that would all be encoded to one MP3 ("a.wav", "a.WAV",
// and "Song.wav", "song.wav" on a USB stick, whose file system ignores
// letter case).
struct SharedMp3Path {
    QString mp3Path;
    QStringList wavNames;
};

// Every MP3 path that more than one group would write, compared without
// regard to letter case, in list order.
QList<SharedMp3Path> SharedMp3Paths(const ScriptPlan &plan);

// The groups' MP3 names that a FAT or exFAT file system cannot hold.
QStringList NamesFatCannotHold(const ScriptPlan &plan);
