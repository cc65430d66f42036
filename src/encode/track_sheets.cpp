#include "track_sheets.h"

#include "tag/sheet_text.h"

#include "base/regular_file.h"
#include "base/shown_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

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

// An Audacity label file begins with a label: "start<TAB>end".
bool looksLikeLabels(const SheetText &text)
{
    static const QRegularExpression label(u"^\\s*\\d+(\\.\\d+)?\\s*\\t\\s*\\d+(\\.\\d+)?"_s);
    return label.match(text.text).hasMatch();
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

QString FoundSheet::problem() const
{
    if (reading.problem.isEmpty())
        return {};
    return ShownName(sheetName) + u": "_s + reading.problem;
}

QList<std::optional<FoundSheet>> FindTrackSheets(const QString &directory,
                                                 const QStringList &wavNames,
                                                 const QByteArray &codePage)
{
    QList<std::optional<FoundSheet>> found(wavNames.size());
    QHash<QString, qsizetype> byBaseName; // case-folded base name -> index
    for (qsizetype i = 0; i < wavNames.size(); ++i)
        byBaseName.insert(baseName(wavNames[i]).toCaseFolded(), i);

    const QFileInfoList cues = QDir(directory).entryInfoList({u"*.cue"_s}, QDir::Files,
                                                             QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : cues) {
        const SheetFile sheet = readSheetFile(directory, info.fileName(), codePage);
        bool namesOne = false;
        for (qsizetype i = 0; i < wavNames.size() && sheet.text; ++i) {
            if (!found[i] && CueSheetNames(sheet.text->text, wavNames[i])) {
                found[i] = readFor(directory, sheet, wavNames[i], false, false);
                namesOne = true;
            }
        }
        const auto own = byBaseName.constFind(baseName(info.fileName()).toCaseFolded());
        if (!namesOne && own != byBaseName.cend() && !found[*own])
            found[*own] = readFor(directory, sheet, wavNames[*own], true, false);
    }
    for (qsizetype i = 0; i < wavNames.size(); ++i) {
        if (found[i])
            continue;
        const QString labels = baseName(wavNames[i]) + u".txt"_s;
        if (!QFileInfo(QDir(directory).filePath(labels)).isFile())
            continue;
        const SheetFile sheet = readSheetFile(directory, labels, codePage);
        if (sheet.text && looksLikeLabels(*sheet.text))
            found[i] = readFor(directory, sheet, wavNames[i], true, true);
    }
    return found;
}
