#include "track_sheets.h"

#include "tag/sheet_text.h"

#include "base/regular_file.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <fcntl.h>

using namespace Qt::StringLiterals;

namespace {

struct SheetFile {
    QString name;
    std::optional<SheetText> text;
    QString failure; // why its bytes are no sheet's text
};

SheetFile readSheetFile(const QString &directory, const QString &name, const QByteArray &codePage)
{
    SheetFile sheet{name, std::nullopt, {}};
    const RegularFile file = OpenRegularFile(QFile::encodeName(QDir(directory).filePath(name)),
                                             O_RDONLY);
    if (!file.descriptor) {
        sheet.failure = u"it cannot be read"_s;
        return sheet;
    }
    if (file.size > LargestSheet) {
        sheet.failure = u"it is larger than any track list (1 MiB)"_s;
        return sheet;
    }
    sheet.text = DecodeSheetText(ReadAt(file.descriptor.get(), 0, file.size), codePage);
    if (!sheet.text)
        sheet.failure = u"it is not a text file"_s;
    return sheet;
}

QString baseName(const QString &fileName)
{
    return fileName.left(fileName.lastIndexOf(u'.'));
}

FoundSheet readFor(const QString &directory, const SheetFile &sheet, const QString &wavName,
                   bool anyFile, bool labels)
{
    FoundSheet found;
    found.sheetName = sheet.name;
    found.audio = ReadWavTags(QDir(directory).filePath(wavName)).audio;
    if (!sheet.text) {
        found.reading.problem = sheet.failure;
        return found;
    }
    found.encoding = sheet.text->encoding;
    found.codePage = sheet.text->codePage;
    if (found.audio.frames <= 0 || found.audio.sampleRate <= 0) {
        found.reading.problem = u"the WAV's audio cannot be found"_s;
        return found;
    }
    const SheetWav wav{wavName, found.audio.frames, found.audio.sampleRate};
    found.reading = labels ? ReadLabelFile(sheet.text->text, wav)
                           : ReadCueSheet(sheet.text->text, wav, anyFile);
    if (found.reading.sheet) {
        QList<SheetTrack> &tracks = found.reading.sheet->tracks;
        if (tracks.size() > 1 && tracks[0].number == 0
            && StartsInSilence(QDir(directory).filePath(wavName), found.audio, tracks[0].endFrame)) {
            tracks[1].firstFrame = 0; // digital silence: the first track's pregap
            tracks.removeFirst();
        }
    }
    return found;
}

} // namespace

QList<std::optional<FoundSheet>> FindTrackSheets(const QString &directory,
                                                 const QStringList &wavNames,
                                                 const QByteArray &codePage)
{
    QList<std::optional<FoundSheet>> found(wavNames.size());
    const QStringList lists = QDir(directory).entryList({u"*.cue"_s, u"*.txt"_s}, QDir::Files,
                                                        QDir::Name | QDir::IgnoreCase);
    if (lists.isEmpty())
        return found; // most folders hold no track list, and this runs for every one shown
    QHash<QString, qsizetype> byBaseName; // case-folded base name -> index
    QHash<QString, qsizetype> byName;     // case-folded name -> index
    for (qsizetype i = 0; i < wavNames.size(); ++i) {
        byBaseName.insert(baseName(wavNames[i]).toCaseFolded(), i);
        byName.insert(wavNames[i].toCaseFolded(), i);
    }

    for (const QString &name : lists) {
        if (!name.endsWith(u".cue"_s, Qt::CaseInsensitive))
            continue;
        const SheetFile sheet = readSheetFile(directory, name, codePage);
        bool namesOne = false;
        for (const QString &file : sheet.text ? CueSheetFiles(sheet.text->text) : QStringList()) {
            const auto wav = byName.constFind(file);
            if (wav != byName.cend() && !found[*wav]) {
                found[*wav] = readFor(directory, sheet, wavNames[*wav], false, false);
                namesOne = true;
            }
        }
        const auto own = byBaseName.constFind(baseName(name).toCaseFolded());
        if (!namesOne && own != byBaseName.cend() && !found[*own])
            found[*own] = readFor(directory, sheet, wavNames[*own], true, false);
    }
    for (const QString &name : lists) {
        const auto own = byBaseName.constFind(baseName(name).toCaseFolded());
        // Only the WAV's own name with ".txt", and only where no cue sheet spoke.
        if (!name.endsWith(u".txt"_s) || own == byBaseName.cend() || found[*own]
            || baseName(wavNames[*own]) + u".txt"_s != name)
            continue;
        const SheetFile sheet = readSheetFile(directory, name, codePage);
        if (sheet.text && LooksLikeLabelFile(sheet.text->text))
            found[*own] = readFor(directory, sheet, wavNames[*own], true, true);
    }
    return found;
}
