#include "album_tagging.h"

#include "fixed_width_text.h"
#include "genre_table.h"
#include "title_from_file_name.h"

using Module1::TrimEnd;

namespace {

TagFields applied(const AlbumFile &file, const SharedFields &shared)
{
    TagFields fields = file.fields;
    if (shared.titlesFromFileNames && !file.place) {
        const NameParts parts = TitleFromFileName(file.name, !shared.artist.has_value());
        fields.title = parts.title;
        if (!parts.artist.isEmpty())
            fields.artist = parts.artist;
    }
    fields.artist = shared.artist.value_or(fields.artist);
    fields.album = shared.album.value_or(fields.album);
    fields.year = shared.year.value_or(fields.year);
    fields.genre = shared.genre.value_or(fields.genre);
    fields.comment = shared.comment.value_or(fields.comment);
    return fields;
}

} // namespace

TagFields TrimmedFields(const TagFields &entry)
{
    return {TrimEnd(entry.title), TrimEnd(entry.artist), TrimEnd(entry.album),
            TrimEnd(entry.year),  TrimEnd(entry.genre),  TrimEnd(entry.comment)};
}

TagFields TaggedFields(const AlbumFile &file, const SharedFields &shared, bool whole)
{
    TagFields fields = whole ? TrimmedFields(applied(file, shared))
                             : TrimmedFields(ReadTagEntry(TaggedEntry(file, shared)));
    fields.genre = Module1::GenreName(Module1::GenreNumber(fields.genre)).toString();
    return fields;
}

QList<TrackNumbers> AlbumTracks(const QList<AlbumFile> &files, const SharedFields &shared)
{
    const QString total = QString::number(files.size());
    QList<TrackNumbers> tracks;
    if (shared.tracksInListOrder) {
        for (qsizetype i = 0; i < files.size(); ++i)
            tracks.append({QString::number(i + 1) + u'/' + total, {}});
        return tracks;
    }
    enum class Source { None, Name, Wav };
    QList<Source> sources;
    QList<TrackNumbers> sheet; // the tracks of images: as their sheets number them
    for (const AlbumFile &file : files) {
        if (file.place) {
            sheet.append({file.place->track, file.place->disc});
            continue;
        }
        const NameParts name = TitleFromFileName(file.name, false);
        if (!name.track.isEmpty()) {
            tracks.append({name.track, name.disc});
            sources.append(Source::Name);
        } else if (const QString number = file.wavTrack.section(u'/', 0, 0).trimmed();
                   !number.isEmpty()) {
            tracks.append({number, file.wavDisc});
            sources.append(Source::Wav);
        } else {
            tracks.append(TrackNumbers{});
            sources.append(Source::None);
        }
    }
    if (!sources.isEmpty() && sources.first() != Source::None
        && sources.count(sources.first()) == sources.size()) {
        for (TrackNumbers &numbers : tracks)
            numbers.track += u'/' + QString::number(tracks.size());
    }
    QList<TrackNumbers> all;
    for (const AlbumFile &file : files)
        all.append(file.place ? sheet.takeFirst() : tracks.takeFirst());
    return all;
}

QString TaggedEntry(const AlbumFile &file, const SharedFields &shared)
{
    return MakeTagEntry(applied(file, shared));
}
