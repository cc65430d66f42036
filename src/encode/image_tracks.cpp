#include "image_tracks.h"

#include "tag/wav_tag_text.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString TrackTimeText(qint64 frames, int sampleRate)
{
    const qint64 hundredths = sampleRate > 0 ? frames * 100 / sampleRate : 0;
    return QString::number(hundredths / 6000) + u':'
        + QString::number(hundredths / 100 % 60).rightJustified(2, u'0') + u'.'
        + QString::number(hundredths % 100).rightJustified(2, u'0');
}

namespace {

QString twoDigits(int number)
{
    return QString::number(number).rightJustified(2, u'0');
}

// A track's title, "Track NN" where the sheet gives none.
QString titleOf(int number, const QString &title)
{
    const QString simple = title.simplified();
    return simple.isEmpty() ? u"Track "_s + twoDigits(number) : simple;
}

} // namespace

QString TrackMp3Name(int number, const QString &title, bool fatDestination)
{
    QString name = titleOf(number, title);
    for (QChar &c : name) {
        if (c == u'/' || c.unicode() < 0x20
            || (fatDestination && QStringView(u"\"*:<>?\\|").contains(c)))
            c = u'_';
    }
    // FAT drops a name's last dots and blanks; a name a person can tell apart
    // from its neighbours keeps its length in bytes well inside 255.
    while (fatDestination && (name.endsWith(u'.') || name.endsWith(u' ')))
        name.chop(1);
    constexpr qsizetype LongestTitle = 120;
    if (name.size() > LongestTitle)
        name = name.left(LongestTitle).trimmed();
    return twoDigits(number) + u" - "_s + name + u".mp3"_s;
}

QList<ImageTrack> ImageTracksFor(const TrackSheet &sheet, const QString &cover,
                                 bool fatDestination)
{
    const QString genre = TableGenre(sheet.genre);
    QString disc = sheet.discNumber;
    if (!disc.isEmpty() && !sheet.discTotal.isEmpty())
        disc += u'/' + sheet.discTotal;
    QList<ImageTrack> tracks;
    for (const SheetTrack &track : sheet.tracks) {
        const TagFields fields{TagFieldText(titleOf(track.number, track.title)),
                               TagFieldText(track.performer),
                               TagFieldText(sheet.album),   TagFieldText(sheet.date),
                               genre,                       TagFieldText(sheet.comment)};
        ImageTrack image;
        image.number = track.number;
        image.firstFrame = track.firstFrame;
        image.endFrame = track.endFrame;
        image.mp3Name = TrackMp3Name(track.number, track.title, fatDestination);
        image.entry = MakeTagEntry(fields);
        image.extras.whole = fields;
        // A hidden track has no number on the disc.
        if (track.number > 0)
            image.extras.track = QString::number(track.number) + u'/' + QString::number(sheet.trackTotal);
        image.extras.disc = disc;
        image.extras.cover = cover;
        image.extras.albumArtist = TagFieldText(sheet.albumPerformer);
        image.extras.composer = TagFieldText(track.songwriter);
        image.extras.isrc = TagFieldText(track.isrc);
        tracks.append(image);
    }
    return tracks;
}

QList<ImageTrack> WithTagsOf(QList<ImageTrack> tracks, const QList<ImageTrack> &tagged)
{
    const bool same = std::equal(tracks.begin(), tracks.end(), tagged.begin(), tagged.end(),
                                 [](const ImageTrack &a, const ImageTrack &b) {
                                     return a.firstFrame == b.firstFrame && a.endFrame == b.endFrame;
                                 });
    if (!same)
        return tracks;
    for (qsizetype t = 0; t < tracks.size(); ++t) {
        tracks[t].entry = tagged[t].entry;
        tracks[t].extras.whole = tagged[t].extras.whole;
        tracks[t].extras.track = tagged[t].extras.track;
        tracks[t].extras.disc = tagged[t].extras.disc;
        if (!tagged[t].extras.cover.isEmpty())
            tracks[t].extras.cover = tagged[t].extras.cover;
    }
    return tracks;
}
