#include "tagging_environment.h"

#include "base/regular_file.h"

#include <QFile>

#include <fcntl.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t Prefix[] = u"SONDRAKE_";

// No receipt is longer than a line of numbers and a short reason.
constexpr qsizetype LongestReceipt = 4096;

// A measurement takes some 20 bytes for every 100 ms: a week of audio, an
// album's pooled one too.
constexpr qint64 LongestMeasurement = qint64(20) * 10 * 86400 * 7;

// The ReplayGain values of the measurement at `path`; none where it finds
// nothing to measure (silence, under 0.4 s). `problem` says why it could
// not be read.
std::optional<ReplayGainValues> measuredGain(const QString &path, QString &problem)
{
    const RegularFile file = OpenRegularFile(QFile::encodeName(path), O_RDONLY);
    const LoudnessReading reading = file.descriptor && file.size <= LongestMeasurement
        ? ReadLoudness(ReadAt(file.descriptor.get(), 0, file.size))
        : LoudnessReading{};
    if (!reading.valid)
        problem = u"ReplayGain not written: no loudness measurement in \"%1\""_s.arg(path);
    return reading.values;
}

} // namespace

TaggingEnvironment ReadTaggingEnvironment(const QProcessEnvironment &environment)
{
    const auto value = [&environment](const char16_t *name) {
        return environment.value(QStringView(Prefix) + QStringView(name));
    };
    // The script's line sets SONDRAKE_ID3V2 and all the rest, empty ones
    // too; without it nothing here is the line's, and a value exported
    // earlier (a SONDRAKE_DISC left in a shell) never reaches a tag.
    TaggingEnvironment tagging;
    if (!environment.contains(QStringView(Prefix) + u"ID3V2"))
        return tagging;
    tagging.receipt = QFile::encodeName(value(u"RECEIPT"));
    const std::optional<Id3v2Version> version = Id3v2VersionFromWord(value(u"ID3V2"));
    if (!version || *version == Id3v2Version::None)
        return tagging;

    Id3v2Order order;
    order.version = *version;
    order.whole = {value(u"TITLE"), value(u"ARTIST"), value(u"ALBUM"),
                   value(u"YEAR"),  value(u"GENRE"),  value(u"COMMENT")};
    order.track = value(u"TRACK");
    order.disc = value(u"DISC");
    order.albumArtist = value(u"ALBUMARTIST");
    order.composer = value(u"COMPOSER");
    order.isrc = value(u"ISRC");
    if (const QString cover = value(u"COVER"); !cover.isEmpty()) {
        CoverPicture picture = LoadCover(cover);
        if (picture.failure.isEmpty())
            order.cover = std::move(picture);
        else
            tagging.problem = u"cover not embedded: "_s + picture.failure;
    }
    for (const auto &[name, gain] : {std::pair{u"REPLAYGAIN", &order.trackGain},
                                     std::pair{u"ALBUM_REPLAYGAIN", &order.albumGain}}) {
        if (const QString path = value(name); !path.isEmpty() && tagging.problem.isEmpty())
            *gain = measuredGain(path, tagging.problem);
    }
    tagging.order = std::move(order);
    return tagging;
}

Result HandOnReceipt(const QByteArray &receiptPath, const ReplacedFile &replaced)
{
    RegularFile file = OpenRegularFile(receiptPath, O_RDONLY);
    if (!file.descriptor)
        return Result::success(); // no receipt: the script keeps the WAV anyway
    const QByteArray receipt = ReadAt(file.descriptor.get(), 0, qMin<qint64>(file.size, LongestReceipt));
    const QByteArray line = receipt.left(receipt.indexOf('\n'));
    const QByteArray before = ' ' + replaced.before.text().toLatin1();
    if (!line.startsWith("safe ") || !line.endsWith(before))
        return Result::success();
    return SaveFileAtomically(receiptPath,
                              line.chopped(before.size()) + ' ' + replaced.after.text().toLatin1()
                                  + '\n');
}
