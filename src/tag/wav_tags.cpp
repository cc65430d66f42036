#include "wav_tags.h"

#include "taglib_text.h"
#include "wav_tag_text.h"

#include "base/regular_file.h"
#include "base/shown_name.h"

#include <QFile>

#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

#include <algorithm>
#include <cstring>
#include <fcntl.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 ChunkHeaderSize = 8;
// Tags are a few KiB; a bigger "tag" chunk is read only this far.
constexpr qint64 TagChunkReadLimit = qint64(4) * 1024 * 1024;
// Enough for any real file, few enough that a file of empty chunks ends fast.
constexpr int ChunkWalkLimit = 10000;
constexpr quint32 SizeInDs64 = 0xFFFFFFFF; // RF64: the real size is in "ds64"

quint32 littleEndian32(const char *bytes)
{
    return quint32(quint8(bytes[0])) | quint32(quint8(bytes[1])) << 8
        | quint32(quint8(bytes[2])) << 16 | quint32(quint8(bytes[3])) << 24;
}

quint64 littleEndian64(const char *bytes)
{
    return quint64(littleEndian32(bytes)) | quint64(littleEndian32(bytes + 4)) << 32;
}

bool isChunkId(QByteArrayView id)
{
    return std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

class OpenFile {
public:
    explicit OpenFile(RegularFile file) : m_file(std::move(file)) {}

    qint64 size() const { return m_file.size; }

    // Up to `length` bytes at `offset`, fewer where the file ends.
    QByteArray read(qint64 offset, qint64 length) const
    {
        return ReadAt(m_file.descriptor.get(), offset,
                      std::clamp<qint64>(length, 0, std::max<qint64>(0, m_file.size - offset)));
    }

private:
    RegularFile m_file;
};

// INFO texts declare no encoding: UTF-8 where they are valid UTF-8, else Latin-1.
// TagLib's handler has no virtual destructor; ours is never deleted through it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class UndeclaredText : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        return ToTagLib(DecodeUndeclaredText(QByteArrayView(data.data(), data.size())));
    }
    TagLib::ByteVector render(const TagLib::String &text) const override
    {
        return text.data(TagLib::String::UTF8);
    }
};
#pragma GCC diagnostic pop

TagLib::ByteVector byteVector(const QByteArray &bytes)
{
    return {bytes.constData(), uint(bytes.size())};
}

// One field as the entries take it: a single line; the year as four digits,
// the genre only as a name of the table.
void putField(QString &field, const QString &text, QString (*rule)(QStringView) = nullptr)
{
    if (field.isEmpty())
        field = rule ? rule(TagFieldText(text)) : TagFieldText(text);
}

// A LIST chunk's body, from its "INFO" type on.
WavTags readInfoList(const QByteArray &list)
{
    static const UndeclaredText undeclared;
    TagLib::RIFF::Info::Tag::setStringHandler(&undeclared);
    const TagLib::RIFF::Info::Tag info(byteVector(list));
    const auto text = [&info](const char *id) { return FromTagLib(info.fieldText(id)); };
    WavTags tags;
    TagFields &fields = tags.fields;
    putField(fields.title, text("INAM"));
    putField(fields.artist, text("IART"));
    putField(fields.album, text("IPRD"));
    putField(fields.year, text("ICRD"), YearFromDate);
    putField(fields.genre, text("IGNR"), TableGenre);
    putField(fields.comment, text("ICMT"));
    putField(tags.track, text("ITRK"));
    putField(tags.track, text("IPRT"));
    return tags;
}

// An "id3 " chunk's body: an ID3v2 tag, read by TagLib as the front of a file.
WavTags readId3Chunk(const QByteArray &chunk)
{
    TagLib::ByteVectorStream stream(byteVector(chunk));
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    WavTags tags;
    if (!file.isValid() || !file.hasID3v2Tag())
        return tags;
    const TagLib::ID3v2::Tag &tag = *file.ID3v2Tag();
    TagFields &fields = tags.fields;
    putField(fields.title, FirstFrameText(tag, "TIT2"));
    putField(fields.artist, FirstFrameText(tag, "TPE1"));
    putField(fields.album, FirstFrameText(tag, "TALB"));
    putField(fields.year, FirstFrameText(tag, "TDRC"), YearFromDate);
    // The first of several genres that the table has.
    for (const TagLib::ID3v2::Frame *frame : tag.frameList("TCON")) {
        const auto *genres = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame *>(frame);
        for (const TagLib::String &genre : genres ? genres->fieldList() : TagLib::StringList())
            putField(fields.genre, FromTagLib(genre), TableGenre);
    }
    putField(fields.comment, PlainComment(tag));
    putField(tags.track, FirstFrameText(tag, "TRCK"));
    putField(tags.disc, FirstFrameText(tag, "TPOS"));
    return tags;
}

// `own` with what `wav` names put in its place.
WavTags withWavTags(const WavTags &own, const WavTags &wav)
{
    WavTags tags = own;
    tags.fields = WithWavTags(own.fields, wav.fields);
    tags.track = wav.track.isEmpty() ? own.track : wav.track;
    tags.disc = wav.disc.isEmpty() ? own.disc : wav.disc;
    return tags;
}

WavTags failedWith(const QString &failure)
{
    WavTags tags;
    tags.failure = failure;
    return tags;
}

// Names are shown escaped and joined, never formatted: they may hold "%1".
QString describeOpenFailure(const QString &path, const RegularFile &file)
{
    if (file.error == 0)
        return u"\""_s + ShownName(path) + u"\" is not a regular file."_s;
    return u"\""_s + ShownName(path) + u"\" cannot be opened: "_s
        + QString::fromLocal8Bit(std::strerror(file.error)) + u'.';
}

} // namespace

WavTags ReadWavTags(const QString &path)
{
    RegularFile regular = OpenRegularFile(QFile::encodeName(path), O_RDONLY);
    if (!regular.descriptor)
        return failedWith(describeOpenFailure(path, regular));
    const OpenFile file(std::move(regular));

    const QByteArray header = file.read(0, 12);
    const bool rf64 = header.startsWith("RF64") || header.startsWith("BW64");
    if (header.size() < 12 || !(header.startsWith("RIFF") || rf64) || header.sliced(8) != "WAVE")
        return failedWith(u"\""_s + ShownName(path)
                          + u"\" is not a WAV file: it has no RIFF/WAVE header."_s);

    WavTags info;
    WavTags id3;
    WavAudio audio;
    qint64 factFrames = -1;
    int formatTag = 0;
    bool hasInfo = false;
    bool hasId3 = false;
    qint64 dataSize = -1; // from "ds64", for a data chunk too big for its own size field
    qint64 offset = 12;
    for (int walked = 0; walked < ChunkWalkLimit && offset + ChunkHeaderSize <= file.size();
         ++walked) {
        // A file that shrank since its size was taken gives fewer bytes.
        const QByteArray chunk = file.read(offset, ChunkHeaderSize);
        if (chunk.size() < ChunkHeaderSize)
            break;
        const QByteArrayView id = QByteArrayView(chunk).first(4);
        if (!isChunkId(id))
            break;
        qint64 size = littleEndian32(chunk.data() + 4);
        if (rf64 && id == "data" && size == SizeInDs64 && dataSize >= 0)
            size = dataSize;
        const qint64 start = offset + ChunkHeaderSize;

        if (rf64 && id == "ds64" && size >= 16) {
            const QByteArray ds64 = file.read(start, 16);
            if (ds64.size() == 16)
                dataSize = qint64(std::min<quint64>(littleEndian64(ds64.data() + 8),
                                                    quint64(file.size())));
        } else if (id == "fmt " && size >= 16 && audio.sampleRate == 0) {
            const QByteArray format = file.read(start, 40);
            if (format.size() >= 16) {
                formatTag = int(littleEndian32(format.data()) & 0xFFFF);
                audio.sampleRate = int(littleEndian32(format.data() + 4) & 0x7FFFFFFF);
                audio.blockAlign = int(littleEndian32(format.data() + 12) & 0xFFFF);
                const int bits = int(littleEndian32(format.data() + 14) & 0xFFFF);
                audio.unsignedBytes = bits == 8;
                if (formatTag == 0xFFFE && format.size() >= 26) // extensible: the real tag
                    formatTag = int(littleEndian32(format.data() + 24) & 0xFFFF);
            }
        } else if (id == "fact" && size >= 4 && factFrames < 0) {
            const QByteArray fact = file.read(start, 4);
            if (fact.size() == 4)
                factFrames = littleEndian32(fact.data());
        } else if (id == "data" && audio.dataOffset < 0) {
            audio.dataOffset = start;
            const qint64 held = std::clamp<qint64>(file.size() - start, 0, size);
            const bool plain = formatTag == 1 || formatTag == 3; // PCM, float
            if (audio.blockAlign > 0)
                audio.frames = plain || factFrames < 0 ? held / audio.blockAlign : factFrames;
        } else if (id == "LIST" && file.read(start, 4) == "INFO") {
            const QByteArray list = file.read(start, std::min(size, TagChunkReadLimit));
            info = withWavTags(readInfoList(list), info); // the first list counts
            hasInfo = true;
        } else if (id == "id3 " || id == "ID3 ") {
            const WavTags chunkTags = readId3Chunk(file.read(start, std::min(size, TagChunkReadLimit)));
            id3 = withWavTags(chunkTags, id3);
            hasId3 = true;
        }

        // A chunk of odd size is followed by a zero pad byte, which some
        // writers leave out: then the next chunk's name starts right there.
        qint64 next = start + size;
        if (size & 1) {
            const QByteArray after = file.read(next, 4);
            if (after.startsWith('\0') || !isChunkId(after))
                next += 1;
        }
        offset = next;
    }
    WavTags tags = withWavTags(info, id3);
    tags.audio = audio;
    tags.hasInfo = hasInfo;
    tags.hasId3 = hasId3;
    return tags;
}

bool StartsInSilence(const QString &path, const WavAudio &audio, qint64 frames)
{
    RegularFile regular = OpenRegularFile(QFile::encodeName(path), O_RDONLY);
    if (!regular.descriptor || audio.dataOffset < 0 || audio.blockAlign <= 0)
        return false;
    const char quiet = audio.unsignedBytes ? char(0x80) : '\0';
    constexpr qint64 Chunk = qint64(1) << 20;
    const qint64 end = audio.dataOffset + frames * audio.blockAlign;
    for (qint64 at = audio.dataOffset; at < end; at += Chunk) {
        const QByteArray bytes = ReadAt(regular.descriptor.get(), at, std::min(Chunk, end - at));
        if (bytes.size() != std::min(Chunk, end - at)
            || !std::all_of(bytes.begin(), bytes.end(), [quiet](char c) { return c == quiet; }))
            return false;
    }
    return true;
}

TagFields WithWavTags(const TagFields &own, const TagFields &wav)
{
    const auto pick = [](const QString &wavText, const QString &ownText) {
        return wavText.isEmpty() ? ownText : wavText;
    };
    return {pick(wav.title, own.title), pick(wav.artist, own.artist),
            pick(wav.album, own.album), pick(wav.year, own.year),
            pick(wav.genre, own.genre), pick(wav.comment, own.comment)};
}
