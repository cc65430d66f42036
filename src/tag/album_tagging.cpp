#include "album_tagging.h"

#include "fixed_width_text.h"
#include "genre_table.h"
#include "title_from_file_name.h"

using Module1::TrimEnd;

namespace {

TagFields applied(const AlbumFile &file, const SharedFields &shared)
{
    TagFields fields = file.fields;
    if (shared.titlesFromFileNames) {
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

TagFields TaggedFields(const AlbumFile &file, const SharedFields &shared)
{
    TagFields fields = TrimmedFields(ReadTagEntry(TaggedEntry(file, shared)));
    fields.genre = Module1::GenreName(Module1::GenreNumber(fields.genre)).toString();
    return fields;
}

QString TaggedEntry(const AlbumFile &file, const SharedFields &shared)
{
    return MakeTagEntry(applied(file, shared));
}
