// Writes TEMP.BAT the way the program does, for every WAV of a directory,
// each tagged (a CD image with its cue sheet as its tracks), Automatic delete
// off, 128 kbit/s: for the batch benchmarks.
// ID3V2 is 2.4 (the default), 2.3 or none; with COVER, each MP3 gets that
// front cover and its track number too. As the program does by default, the
// MP3s get ReplayGain (REPLAYGAIN=off: none) at a constant rate (VBR=N: the
// variable rate of quality N instead).
//   write_batch_script ENCODER-DIR WAV-DIR MP3-DIR APP-DIR JOBS [ID3V2 [COVER]]

#include "encode/batch_script.h"
#include "encode/image_tracks.h"
#include "encode/path_functions.h"
#include "encode/shell_script.h"
#include "encode/track_sheets.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    const std::optional<Id3v2Version> id3v2 =
        Id3v2VersionFromWord(argc > 6 ? QString::fromLocal8Bit(argv[6]) : u"2.4"_s);
    if (argc < 6 || argc > 8 || !id3v2) {
        std::fputs("usage: write_batch_script ENCODER-DIR WAV-DIR MP3-DIR APP-DIR JOBS"
                   " [2.4|2.3|none [COVER]]\n",
                   stderr);
        return 2;
    }
    const QString cover = argc > 7 ? QString::fromLocal8Bit(argv[7]) : QString();
    const QString encoderDir = QString::fromLocal8Bit(argv[1]);
    EncodeRequest request;
    request.directory = AbsolutePath(QString::fromLocal8Bit(argv[2]), QDir::currentPath());
    request.destination = WithTrailingSeparator(AbsolutePath(QString::fromLocal8Bit(argv[3]), QDir::currentPath()));
    request.appPath = WithTrailingSeparator(AbsolutePath(QString::fromLocal8Bit(argv[4]), QDir::currentPath()));
    request.bitrate = u"128000"_s;
    request.id3v2 = *id3v2;
    request.replayGain = qgetenv("REPLAYGAIN") != "off";
    request.vbrQuality = qEnvironmentVariableIntValue("VBR", nullptr);
    if (!qEnvironmentVariableIsSet("VBR"))
        request.vbrQuality = -1;
    const QStringList names = QDir(request.directory).entryList({u"*.wav"_s}, QDir::Files,
                                                                QDir::Name);
    for (const QString &name : names) {
        request.files.append({name, true});
        const TagFields fields{name.chopped(4), u"The Band"_s, u"The Album"_s,
                               u"2026"_s,       u"Rock"_s,     u"bench"_s};
        request.entries.append(MakeTagEntry(fields));
        const QString track = QString::number(request.files.size()) + u'/'
            + QString::number(names.size());
        request.extras.append(cover.isEmpty() ? TagExtras{} : TagExtras{fields, track, {}, cover, {}, {}, {}});
    }
    // A WAV with a track list beside it becomes its tracks, as Encode's
    // default makes it.
    const QList<std::optional<FoundSheet>> sheets =
        FindTrackSheets(request.directory, names, "windows-1252");
    for (const std::optional<FoundSheet> &sheet : sheets) {
        request.tracks.append(sheet && sheet->reading.sheet
                                  ? ImageTracksFor(*sheet->reading.sheet, cover, false)
                                  : QList<ImageTrack>());
    }
    ScriptPlan plan = BuildScriptPlan(request, Module1::ShortPath, NativeSeparator);
    plan.jobs = QByteArray(argv[5]).toInt();
    QFile script(QDir(encoderDir).filePath(u"TEMP.BAT"_s));
    if (!script.open(QIODevice::WriteOnly) || script.write(RenderShellScript(plan)) < 0
        || !script.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(script.fileName()));
        return 1;
    }
    return 0;
}
