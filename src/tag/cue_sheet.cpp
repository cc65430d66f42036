#include "cue_sheet.h"

#include <QRegularExpression>
#include <QStringList>

#include <libcue.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int CueFramesPerSecond = 75;
constexpr int MostTracks = 99;

// A line's words: a word in double quotes may hold blanks.
QStringList wordsOf(const QString &line)
{
    static const QRegularExpression word(u"\"([^\"]*)\"|(\\S+)"_s);
    QStringList words;
    for (auto it = word.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        words << (match.capturedStart(1) >= 0 ? match.captured(1) : match.captured(2));
    }
    return words;
}

// "mm:ss:ff" in 1/75 s; empty when it is no time.
std::optional<qint64> cueTime(const QString &text)
{
    static const QRegularExpression time(u"^(\\d{1,4}):(\\d{2}):(\\d{2})$"_s);
    const QRegularExpressionMatch match = time.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 seconds = match.captured(2).toLongLong();
    const qint64 frames = match.captured(3).toLongLong();
    if (seconds >= 60 || frames >= CueFramesPerSecond)
        return std::nullopt;
    return (match.captured(1).toLongLong() * 60 + seconds) * CueFramesPerSecond + frames;
}

// The name a FILE line gives, without its folder (either kind of slash).
QString baseName(const QString &name)
{
    return name.mid(qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
}

struct ScannedFile {
    QString name;
    int line = 0;
};

struct ScannedTrack {
    int number = 0;
    qsizetype file = -1;
    int line = 0;
    std::optional<qint64> start; // INDEX 01, in 1/75 s
    int startLine = 0;
};

// The lines as far as the sheet's structure goes: files, tracks, their
// starts, and the REM lines libcue does not read; or the first line that is
// wrong.
struct Scan {
    QList<ScannedFile> files;
    QList<ScannedTrack> tracks;
    QString genre, comment, discNumber, discTotal;
    QString problem;
    // The lines libcue reads, written anew from what the scan took: every
    // text quoted, nothing its parser could stumble over (and then print
    // its complaints on the program's standard error).
    QString clean;
};

// libcue reads a backslash before a quote as an escape, so a text ending in
// one would run on: it reads this character in its place, given back after.
constexpr QChar BackslashStandIn = QChar(0xE000);

// "COMMAND "words"" for libcue, the words' own quotes taken out.
QString quotedLine(const QString &command, const QStringList &words)
{
    return command + u" \""_s + words.join(u' ').remove(u'"').replace(u'\\', BackslashStandIn)
        + u"\"\n"_s;
}

Scan scanSheet(const QString &text)
{
    static const QStringList known{
        u"REM"_s,        u"CATALOG"_s,  u"CDTEXTFILE"_s, u"FILE"_s,     u"FLAGS"_s,
        u"INDEX"_s,      u"ISRC"_s,     u"PERFORMER"_s,  u"POSTGAP"_s,  u"PREGAP"_s,
        u"SONGWRITER"_s, u"TITLE"_s,    u"TRACK"_s,      u"COMPOSER"_s, u"ARRANGER"_s,
        u"MESSAGE"_s,    u"DISC_ID"_s,  u"GENRE"_s,      u"UPC_EAN"_s};
    Scan scan;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size() && scan.problem.isEmpty(); ++i) {
        const int number = int(i + 1);
        const QStringList words = wordsOf(lines[i]);
        if (words.isEmpty())
            continue;
        const QString command = words[0].toUpper();
        const auto wrong = [&scan, number](const QString &what) {
            scan.problem = u"line "_s + QString::number(number) + u": "_s + what;
        };
        if (!known.contains(command)) {
            wrong(u"\""_s + words[0].left(40) + u"\" is no cue sheet command"_s);
        } else if (command == u"FILE"_s) {
            if (words.size() != 3)
                wrong(u"a FILE line holds a name and a type"_s);
            else if (words[2].toUpper() != u"WAVE"_s)
                wrong(u"the file's type is "_s + words[2].left(20) + u", not WAVE"_s);
            else if (!scan.files.isEmpty()
                     && (scan.tracks.isEmpty() || scan.tracks.last().file != scan.files.size() - 1))
                wrong(u"the FILE line above it has no TRACK"_s);
            else {
                scan.files.append({words[1], number});
                scan.clean += quotedLine(u"FILE"_s, {words[1]}).chopped(1) + u" WAVE\n"_s;
            }
        } else if (command == u"TRACK"_s) {
            bool isNumber = false;
            const int track = words.value(1).toInt(&isNumber);
            if (scan.files.isEmpty())
                wrong(u"a TRACK before any FILE"_s);
            else if (words.size() != 3 || !isNumber || track < 1 || track > MostTracks)
                wrong(u"a TRACK line holds a number from 1 to 99 and a type"_s);
            else if (words[2].toUpper() != u"AUDIO"_s)
                wrong(u"track "_s + words[1] + u" is not audio"_s);
            else if (scan.tracks.size() == MostTracks)
                wrong(u"more than 99 tracks"_s);
            else if (!scan.tracks.isEmpty() && track <= scan.tracks.last().number)
                wrong(u"track "_s + words[1] + u" comes after track "_s
                      + QString::number(scan.tracks.last().number));
            else {
                scan.tracks.append({track, scan.files.size() - 1, number, {}, 0});
                scan.clean += u"TRACK "_s + QString::number(track).rightJustified(2, u'0')
                    + u" AUDIO\n"_s;
            }
        } else if (command == u"INDEX"_s || command == u"PREGAP"_s || command == u"POSTGAP"_s) {
            const std::optional<qint64> time = cueTime(words.value(command == u"INDEX"_s ? 2 : 1));
            bool isNumber = false;
            const int index = command == u"INDEX"_s ? words.value(1).toInt(&isNumber) : -1;
            if (scan.tracks.isEmpty())
                wrong(command + u" before any TRACK"_s);
            else if (!time || (command == u"INDEX"_s && (!isNumber || index < 0 || index > 99)))
                wrong(u"no valid time (mm:ss:ff, 75 frames a second)"_s);
            else {
                scan.clean += command + u' ' + words.mid(1, command == u"INDEX"_s ? 2 : 1).join(u' ')
                    + u'\n';
                if (index == 1) {
                    scan.tracks.last().start = time;
                    scan.tracks.last().startLine = number;
                }
            }
        } else if (QStringList{u"TITLE"_s, u"PERFORMER"_s, u"SONGWRITER"_s}.contains(command)) {
            scan.clean += quotedLine(command, words.mid(1));
        } else if (command == u"ISRC"_s) {
            // libcue takes the code bare: twelve letters and digits.
            static const QRegularExpression isrc(u"^[A-Za-z0-9]{12}$"_s);
            if (isrc.match(words.value(1)).hasMatch())
                scan.clean += u"ISRC "_s + words[1] + u'\n';
        } else if (command == u"REM"_s && words.size() >= 3 && words[1].toUpper() == u"DATE"_s) {
            scan.clean += quotedLine(u"REM DATE"_s, words.mid(2));
        } else if (command == u"REM"_s && words.size() >= 3 && scan.tracks.isEmpty()) {
            const QString key = words[1].toUpper();
            const QString value = words.mid(2).join(u' ');
            if (key == u"GENRE"_s)
                scan.genre = value;
            else if (key == u"COMMENT"_s)
                scan.comment = value;
            else if (key == u"DISCNUMBER"_s)
                scan.discNumber = value;
            else if (key == u"TOTALDISCS"_s)
                scan.discTotal = value;
        }
    }
    if (scan.problem.isEmpty() && scan.tracks.isEmpty())
        scan.problem = u"no TRACK line"_s;
    for (const ScannedTrack &track : scan.tracks) {
        if (scan.problem.isEmpty() && !track.start) {
            scan.problem = u"line "_s + QString::number(track.line) + u": track "_s
                + QString::number(track.number) + u" has no INDEX 01"_s;
        }
    }
    return scan;
}

QString fromCue(const char *text)
{
    return text ? QString::fromUtf8(text).replace(BackslashStandIn, u'\\') : QString();
}

// A time of 1/75 s (or a second's fraction) in sample frames, to the nearest.
qint64 sampleFrames(qint64 numerator, qint64 denominator, int rate)
{
    return (numerator * rate * 2 + denominator) / (denominator * 2);
}

// A label: start and end in seconds (the start's whole seconds and its
// fraction captured), then its text, by tabs.
const QRegularExpression &labelLine()
{
    static const QRegularExpression label(
        u"^\\s*(\\d{1,9})(?:\\.(\\d+))?\\s*\\t\\s*\\d+(?:\\.\\d+)?\\s*(?:\\t(.*))?$"_s);
    return label;
}

struct CdDeleter {
    void operator()(Cd *cd) const { cd_delete(cd); }
};

// The tracks between `starts` (sample frames, one per track), the last to
// the WAV's end, after a track 0 for the audio before the first: or the line
// of the first that is out of order, of no length, or past the end.
QString placeTracks(TrackSheet &sheet, const QList<qint64> &starts, const QList<int> &lines,
                    const SheetWav &wav)
{
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const QString where = u"line "_s + QString::number(lines[i]) + u": "_s;
        if (starts[i] >= wav.frames)
            return where + u"the track starts at or past the end of "_s + wav.name;
        if (i > 0 && starts[i] < starts[i - 1])
            return where + u"the track starts before the one above it"_s;
        if (i > 0 && starts[i] == starts[i - 1])
            return where + u"the track above it has no length"_s;
    }
    for (qsizetype i = 0; i < sheet.tracks.size(); ++i) {
        sheet.tracks[i].firstFrame = starts[i];
        sheet.tracks[i].endFrame = i + 1 < starts.size() ? starts[i + 1] : wav.frames;
    }
    if (!starts.isEmpty() && starts[0] > 0) {
        SheetTrack hidden;
        hidden.title = u"Track 00"_s; // a person names it after listening
        hidden.endFrame = starts[0];
        hidden.performer = sheet.albumPerformer;
        sheet.tracks.prepend(hidden);
    }
    return {};
}

} // namespace

QStringList CueSheetFiles(const QString &text)
{
    QStringList names;
    for (const ScannedFile &file : scanSheet(text).files)
        names << baseName(file.name).toCaseFolded();
    return names;
}

bool LooksLikeLabelFile(const QString &text)
{
    const QString first = text.section(u'\n', 0, 0).remove(u'\r');
    return labelLine().match(first).hasMatch();
}

SheetReading ReadCueSheet(const QString &text, const SheetWav &wav, bool anyFile)
{
    const Scan scan = scanSheet(text);
    if (!scan.problem.isEmpty())
        return {std::nullopt, scan.problem};
    qsizetype file = -1;
    for (qsizetype i = 0; i < scan.files.size() && file < 0; ++i) {
        if (baseName(scan.files[i].name).compare(wav.name, Qt::CaseInsensitive) == 0)
            file = i;
    }
    if (file < 0 && anyFile && scan.files.size() == 1)
        file = 0;
    if (file < 0)
        return {std::nullopt, u"no FILE line names "_s + wav.name};

    const std::unique_ptr<Cd, CdDeleter> cd(cue_parse_string(scan.clean.toUtf8().constData()));
    if (!cd || cd_get_ntrack(cd.get()) != scan.tracks.size())
        return {std::nullopt, u"it does not parse as a cue sheet"_s};
    TrackSheet sheet;
    const Cdtext *disc = cd_get_cdtext(cd.get());
    sheet.album = fromCue(cdtext_get(PTI_TITLE, disc));
    sheet.albumPerformer = fromCue(cdtext_get(PTI_PERFORMER, disc));
    sheet.date = fromCue(rem_get(REM_DATE, cd_get_rem(cd.get())));
    sheet.genre = scan.genre;
    sheet.comment = scan.comment;
    sheet.discNumber = scan.discNumber;
    sheet.discTotal = scan.discTotal;
    sheet.trackTotal = int(scan.tracks.size());

    QList<qint64> starts;
    QList<int> lines;
    const bool exact = wav.sampleRate % CueFramesPerSecond == 0;
    for (qsizetype i = 0; i < scan.tracks.size(); ++i) {
        const ScannedTrack &scanned = scan.tracks[i];
        if (scanned.file != file)
            continue;
        const Track *track = cd_get_track(cd.get(), int(i + 1));
        const Cdtext *own = track_get_cdtext(track);
        SheetTrack entry;
        entry.number = scanned.number;
        entry.title = fromCue(cdtext_get(PTI_TITLE, own));
        entry.performer = fromCue(cdtext_get(PTI_PERFORMER, own));
        if (entry.performer.isEmpty())
            entry.performer = sheet.albumPerformer;
        entry.songwriter = fromCue(cdtext_get(PTI_SONGWRITER, own));
        entry.isrc = fromCue(track_get_isrc(track));
        entry.line = scanned.line;
        sheet.tracks.append(entry);
        starts.append(sampleFrames(*scanned.start, CueFramesPerSecond, wav.sampleRate));
        lines.append(scanned.startLine);
    }
    if (const QString problem = placeTracks(sheet, starts, lines, wav); !problem.isEmpty())
        return {std::nullopt, problem};
    if (!exact) {
        sheet.note = u"at "_s + QString::number(wav.sampleRate)
            + u" Hz the sheet's times (1/75 s) fall between sample frames: each is rounded to "
              "the nearest"_s;
    }
    return {sheet, {}};
}

SheetReading ReadLabelFile(const QString &text, const SheetWav &wav)
{
    const QRegularExpression &label = labelLine();
    TrackSheet sheet;
    QList<qint64> starts;
    QList<int> lines;
    QStringList all = text.split(u'\n');
    for (qsizetype i = 0; i < all.size(); ++i) {
        all[i].remove(u'\r');
        const QString line = all[i].trimmed();
        // Audacity writes a frequency line ("\t1000.0\t3000.0") under a
        // spectral label: it names no track.
        if (line.isEmpty() || all[i].startsWith(u'\\'))
            continue;
        const QRegularExpressionMatch match = label.match(all[i]);
        if (!match.hasMatch())
            return {std::nullopt, u"line "_s + QString::number(i + 1)
                                      + u": no label (start, end and text, by tabs)"_s};
        if (sheet.tracks.size() == MostTracks)
            return {std::nullopt, u"more than 99 labels"_s};
        // Seconds as decimals, exactly to the nanosecond.
        const qint64 nanoseconds = match.captured(2).left(9).leftJustified(9, u'0').toLongLong();
        SheetTrack track;
        track.number = int(sheet.tracks.size() + 1);
        track.title = match.captured(3).trimmed();
        track.line = int(i + 1);
        sheet.tracks.append(track);
        starts.append(match.captured(1).toLongLong() * wav.sampleRate
                      + sampleFrames(nanoseconds, 1000000000, wav.sampleRate));
        lines.append(int(i + 1));
    }
    if (sheet.tracks.isEmpty())
        return {std::nullopt, u"no label in it"_s};
    sheet.trackTotal = int(sheet.tracks.size());
    if (const QString problem = placeTracks(sheet, starts, lines, wav); !problem.isEmpty())
        return {std::nullopt, problem};
    return {sheet, {}};
}
