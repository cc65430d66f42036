#include "batch_script.h"

#include "path_functions.h"
#include "tag/field_block.h"
#include "tag/fixed_width_text.h"
#include "tag/genre_table.h"
#include "tag/latin1_text.h"
#include "tag/tag_entries.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Blanks only: a no-break space or a tab is text the tag can hold.
bool isBlank(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
}

std::optional<QString> fieldBlockFor(const QString &entry)
{
    const TagFields fields = ReadTagEntry(entry);
    if (isBlank(fields.title) || isBlank(fields.artist) || isBlank(fields.album))
        return std::nullopt;
    return BuildFieldBlock({CleanTagText(fields.title), CleanTagText(fields.artist),
                            CleanTagText(fields.album), CleanTagText(fields.year),
                            Module1::GenreNumber(Module1::TrimEnd(fields.genre)),
                            CleanTagText(fields.comment)});
}

// The whole texts for the ID3v2 tag, cleaned as the block's are but whole.
TagExtras id3v2For(const QString &entry, const TagExtras &extras)
{
    const TagFields whole = WholeFields(entry, extras);
    return {{CleanWholeTagText(whole.title), CleanWholeTagText(whole.artist),
             CleanWholeTagText(whole.album), CleanWholeTagText(whole.year),
             Module1::TrimEnd(ReadTagEntry(entry).genre), CleanWholeTagText(whole.comment)},
            CleanWholeTagText(extras.track),
            CleanWholeTagText(extras.disc),
            extras.cover,
            CleanWholeTagText(extras.albumArtist),
            CleanWholeTagText(extras.composer),
            CleanWholeTagText(extras.isrc)};
}

// With ReplayGain, which tagged groups make one album: those with one album
// text (an image's tracks by their image, whatever their texts say).
void findAlbums(ScriptPlan &plan)
{
    QHash<QString, qsizetype> albumByKey;
    QList<ScriptAlbum> albums;
    for (qsizetype i = 0; i < plan.groups.size(); ++i) {
        const ScriptGroup &group = plan.groups[i];
        const QString &text = group.id3v2.whole.album;
        if (!group.fieldBlock || (group.image < 0 && text.isEmpty()))
            continue;
        const QString key = group.image >= 0 ? u"image "_s + QString::number(group.image)
                                             : u"album "_s + text;
        if (!albumByKey.contains(key)) {
            albumByKey.insert(key, albums.size());
            albums.append({group.image >= 0 ? plan.images[group.image].listedName : text, {}});
        }
        albums[albumByKey.value(key)].groups << i;
    }
    for (const ScriptAlbum &album : albums) {
        for (const qsizetype g : album.groups) {
            plan.groups[g].album = album.groups.size() > 1 ? plan.albums.size() : -1;
            plan.groups[g].aloneInAlbum = album.groups.size() == 1;
        }
        if (album.groups.size() > 1)
            plan.albums.append(album);
    }
}

} // namespace

bool HasSelection(const QList<ListedFile> &files)
{
    return std::any_of(files.begin(), files.end(),
                       [](const ListedFile &file) { return file.selected && !file.name.isEmpty(); });
}

QStringList SelectedNames(const QList<ListedFile> &files)
{
    QStringList names;
    for (const ListedFile &file : files) {
        if (file.selected && !file.name.isEmpty())
            names << file.name;
    }
    return names;
}

QList<SharedMp3Path> SharedMp3Paths(const ScriptPlan &plan)
{
    // Linear in the number of files: a batch may hold thousands.
    QHash<QString, QStringList> wavsByMp3;
    for (const ScriptGroup &group : plan.groups)
        wavsByMp3[group.longMp3Path.toCaseFolded()] << group.listedName;
    QList<SharedMp3Path> shared;
    for (const ScriptGroup &group : plan.groups) {
        const QStringList wavs = wavsByMp3.take(group.longMp3Path.toCaseFolded());
        if (wavs.size() > 1)
            shared.append({group.longMp3Path, wavs});
    }
    return shared;
}

QStringList NamesFatCannotHold(const ScriptPlan &plan)
{
    QStringList names;
    for (const ScriptGroup &group : plan.groups) {
        const bool bad = std::any_of(group.longMp3Name.begin(), group.longMp3Name.end(), [](QChar c) {
            return c.unicode() < 0x20 || QStringView(u"\"*:<>?\\|").contains(c);
        });
        if (bad)
            names << group.listedName;
    }
    return names;
}

ScriptPlan BuildScriptPlan(const EncodeRequest &request, const ShortPathFunction &shortPath,
                           QChar separator)
{
    ScriptPlan plan;
    plan.bitrate = request.bitrate;
    plan.vbrQuality = request.vbrQuality;
    plan.replayGain = request.replayGain && request.id3v2 != Id3v2Version::None;
    plan.switches = request.switches;
    plan.appPath = request.appPath;
    plan.id3v2 = request.id3v2;
    const QString shortDestination = shortPath(request.destination);
    for (qsizetype i = 0; i < request.files.size(); ++i) {
        const ListedFile &file = request.files[i];
        if (!file.selected || file.name.isEmpty())
            continue;
        const QString shortWavPath = shortPath(JoinPath(request.directory, file.name, separator));
        if (shortWavPath.isEmpty())
            continue; // never a line with an empty path
        ScriptGroup group;
        group.listedName = file.name;
        group.shortWavPath = shortWavPath;
        group.shortOutputPath = WithMp3Extension(JoinPath(
            shortDestination, Module1::NameFromPath(shortWavPath, separator), separator));
        group.longMp3Name = WithMp3Extension(file.name);
        // A destination without its final separator (a hand-edited settings
        // file) must still name the file the encoder writes.
        group.longMp3Path = JoinPath(request.destination, group.longMp3Name, separator);
        group.fieldBlock = fieldBlockFor(request.entries.value(i));
        group.id3v2 = id3v2For(request.entries.value(i), request.extras.value(i));
        group.wavBytes = QFileInfo(shortWavPath).size();
        const QList<ImageTrack> tracks = request.tracks.value(i);
        if (tracks.isEmpty()) {
            plan.groups.append(group);
            continue;
        }
        // An image: a group a track, each written under its own name (the
        // encoder's short name would be one for all of them).
        ScriptImage image{file.name, shortWavPath, {}};
        const qint64 frames = tracks.last().endFrame;
        for (const ImageTrack &track : tracks) {
            ScriptGroup part = group;
            part.longMp3Name = track.mp3Name;
            part.longMp3Path = JoinPath(request.destination, track.mp3Name, separator);
            part.shortOutputPath = JoinPath(shortDestination, track.mp3Name, separator);
            part.fieldBlock = fieldBlockFor(track.entry);
            part.id3v2 = id3v2For(track.entry, track.extras);
            part.wavBytes = frames > 0 ? group.wavBytes * (track.endFrame - track.firstFrame) / frames : 0;
            part.firstFrame = track.firstFrame;
            part.endFrame = track.endFrame;
            part.imageFrames = frames;
            part.image = plan.images.size();
            part.trackNumber = track.number;
            image.groups << plan.groups.size();
            plan.groups.append(part);
        }
        plan.images.append(image);
    }
    if (plan.replayGain)
        findAlbums(plan);
    return plan;
}
