#include "wav_tags.h"

#include "id3v2_text_frames.h"
#include "wav_tag_text.h"

#include "base/regular_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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
        length = std::clamp<qint64>(length, 0, std::max<qint64>(0, m_file.size - offset));
        QByteArray bytes(length, Qt::Uninitialized);
        qint64 done = 0;
        while (done < length) {
            const ssize_t got =
                ::pread(m_file.descriptor.get(), bytes.data() + done, size_t(length - done),
                        off_t(offset + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            done += got;
        }
        bytes.truncate(done);
        return bytes;
    }

private:
    RegularFile m_file;
};

// The sub-chunks of a LIST/INFO body (after the "INFO" type).
TagFields readInfoList(QByteArrayView list)
{
    TagFields fields;
    const std::pair<const char *, QString *> wanted[] = {
        {"INAM", &fields.title}, {"IART", &fields.artist}, {"IPRD", &fields.album},
        {"ICRD", &fields.year},  {"IGNR", &fields.genre},  {"ICMT", &fields.comment},
    };
    qsizetype position = 0;
    while (position + ChunkHeaderSize <= list.size()) {
        const QByteArrayView id = list.sliced(position, 4);
        const qint64 size = littleEndian32(list.data() + position + 4);
        const qsizetype start = position + ChunkHeaderSize;
        if (size > list.size() - start)
            break; // cut off by the end of the list or of the file
        const QByteArrayView value = list.sliced(start, size);
        position = start + size + (size & 1);
        for (const auto &[name, field] : wanted) {
            if (id != name || !field->isEmpty())
                continue;
            const QString text = TagFieldText(DecodeUndeclaredText(value));
            if (field == &fields.year)
                *field = YearFromDate(text);
            else if (field == &fields.genre)
                *field = TableGenre(text);
            else
                *field = text;
        }
    }
    return fields;
}

QString describeOpenFailure(const QString &path, const RegularFile &file)
{
    if (file.error == 0)
        return u"\"%1\" is not a regular file."_s.arg(path);
    return u"\"%1\" cannot be opened: %2."_s.arg(
        path, QString::fromLocal8Bit(std::strerror(file.error)));
}

} // namespace

WavTags ReadWavTags(const QString &path)
{
    RegularFile regular = OpenRegularFile(QFile::encodeName(path), O_RDONLY);
    if (!regular.descriptor)
        return {.fields = {}, .failure = describeOpenFailure(path, regular)};
    const OpenFile file(std::move(regular));

    const QByteArray header = file.read(0, 12);
    const bool rf64 = header.startsWith("RF64") || header.startsWith("BW64");
    if (header.size() < 12 || !(header.startsWith("RIFF") || rf64) || header.sliced(8) != "WAVE")
        return {.fields = {},
                .failure = u"\"%1\" is not a WAV file: it has no RIFF/WAVE header."_s.arg(path)};

    WavTags tags;
    TagFields info;
    TagFields id3;
    qint64 dataSize = -1; // from "ds64", for a data chunk too big for its own size field
    qint64 offset = 12;
    for (int walked = 0; walked < ChunkWalkLimit && offset + ChunkHeaderSize <= file.size();
         ++walked) {
        const QByteArray chunk = file.read(offset, ChunkHeaderSize);
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
        } else if (id == "LIST" && file.read(start, 4) == "INFO") {
            const QByteArray list = file.read(start + 4, std::min(size - 4, TagChunkReadLimit));
            info = WithWavTags(readInfoList(list), info); // the first list counts
            tags.hasInfo = true;
        } else if (id == "id3 " || id == "ID3 ") {
            const TagFields chunkTags =
                ReadId3v2TextFrames(file.read(start, std::min(size, TagChunkReadLimit)));
            id3 = WithWavTags(chunkTags, id3);
            tags.hasId3 = true;
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
    tags.fields = WithWavTags(info, id3);
    return tags;
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
