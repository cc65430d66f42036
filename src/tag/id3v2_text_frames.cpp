#include "id3v2_text_frames.h"

#include "wav_tag_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype HeaderSize = 10;

// Tag header flags.
constexpr quint8 TagUnsynchronised = 0x80;
constexpr quint8 TagExtendedHeader = 0x40;

// Frame format flags (the second flag byte), per version.
constexpr quint8 V3Compressed = 0x80;
constexpr quint8 V3Encrypted = 0x40;
constexpr quint8 V3Grouped = 0x20;
constexpr quint8 V4Grouped = 0x40;
constexpr quint8 V4Compressed = 0x08;
constexpr quint8 V4Encrypted = 0x04;
constexpr quint8 V4Unsynchronised = 0x02;
constexpr quint8 V4DataLength = 0x01;

quint32 bigEndian(QByteArrayView bytes)
{
    return quint32(quint8(bytes[0])) << 24 | quint32(quint8(bytes[1])) << 16
        | quint32(quint8(bytes[2])) << 8 | quint32(quint8(bytes[3]));
}

// Seven bits a byte. Some writers put a plain number here in a 2.4 tag: a
// byte with its top bit set shows it.
quint32 syncSafe(QByteArrayView bytes)
{
    if ((bytes[0] | bytes[1] | bytes[2] | bytes[3]) & 0x80)
        return bigEndian(bytes);
    return quint32(quint8(bytes[0])) << 21 | quint32(quint8(bytes[1])) << 14
        | quint32(quint8(bytes[2])) << 7 | quint32(quint8(bytes[3]));
}

// Undoes unsynchronisation: every 0xFF 0x00 was a lone 0xFF.
QByteArray resynchronised(QByteArrayView bytes)
{
    QByteArray plain;
    plain.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        plain.append(bytes[i]);
        if (quint8(bytes[i]) == 0xFF && i + 1 < bytes.size() && bytes[i + 1] == '\0')
            ++i;
    }
    return plain;
}

bool isFrameId(QByteArrayView id)
{
    return std::all_of(id.begin(), id.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

enum Encoding : quint8 { Latin1 = 0, Utf16WithBom = 1, Utf16BigEndian = 2, Utf8 = 3 };

bool isWide(quint8 encoding)
{
    return encoding == Utf16WithBom || encoding == Utf16BigEndian;
}

// Where the first text of `bytes` ends: at its terminating NUL (two zero
// bytes on a character boundary for UTF-16), or at the end.
qsizetype textEnd(QByteArrayView bytes, quint8 encoding)
{
    if (!isWide(encoding)) {
        const qsizetype nul = bytes.indexOf('\0');
        return nul < 0 ? bytes.size() : nul;
    }
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        if (bytes[i] == '\0' && bytes[i + 1] == '\0')
            return i;
    }
    return bytes.size() & ~qsizetype(1);
}

QString decoded(QByteArrayView bytes, quint8 encoding)
{
    switch (encoding) {
    case Latin1:
        return QString::fromLatin1(bytes);
    case Utf16WithBom:
        return QStringDecoder(QStringDecoder::Utf16, QStringDecoder::Flag::Stateless)(bytes);
    case Utf16BigEndian:
        return QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless)(bytes);
    default: // declared UTF-8, though not always so
        return DecodeUndeclaredText(bytes);
    }
}

// The first text of a text frame (2.4 may hold several, NUL between them).
std::optional<QString> frameText(QByteArrayView data)
{
    if (data.isEmpty() || quint8(data[0]) > Utf8)
        return std::nullopt;
    const auto encoding = quint8(data[0]);
    const QByteArrayView text = data.sliced(1);
    return TagFieldText(decoded(text.first(textEnd(text, encoding)), encoding));
}

struct Comment {
    QString description;
    QString text;
};

// Encoding, three letters of language, a description, then the text.
std::optional<Comment> commentOf(QByteArrayView data)
{
    if (data.size() < 4 || quint8(data[0]) > Utf8)
        return std::nullopt;
    const auto encoding = quint8(data[0]);
    const QByteArrayView rest = data.sliced(4);
    const qsizetype end = textEnd(rest, encoding);
    const qsizetype textStart = std::min(rest.size(), end + (isWide(encoding) ? 2 : 1));
    const QByteArrayView text = rest.sliced(textStart);
    return Comment{decoded(rest.first(end), encoding),
                   TagFieldText(decoded(text.first(textEnd(text, encoding)), encoding))};
}

class FrameReader {
public:
    TagFields fields;

    void take(QByteArrayView id, QByteArrayView data)
    {
        if (id == "COMM") {
            takeComment(data);
            return;
        }
        QString *field = fieldFor(id);
        if (!field || !field->isEmpty())
            return; // the first frame of a kind counts
        const std::optional<QString> text = frameText(data);
        if (!text)
            return;
        if (id == "TCON")
            *field = genreOf(data);
        else if (field == &fields.year)
            *field = YearFromDate(*text);
        else
            *field = *text;
    }

private:
    bool m_plainComment = false; // the comment in `fields` has no description

    QString *fieldFor(QByteArrayView id)
    {
        if (id == "TIT2")
            return &fields.title;
        if (id == "TPE1")
            return &fields.artist;
        if (id == "TALB")
            return &fields.album;
        if (id == "TYER" || id == "TDRC")
            return &fields.year;
        if (id == "TCON")
            return &fields.genre;
        return nullptr;
    }

    // Every text of the frame in turn, the first the table knows.
    static QString genreOf(QByteArrayView data)
    {
        const auto encoding = quint8(data[0]);
        QByteArrayView rest = data.sliced(1);
        while (!rest.isEmpty()) {
            const qsizetype end = textEnd(rest, encoding);
            QString genre = TableGenre(decoded(rest.first(end), encoding));
            if (!genre.isEmpty())
                return genre;
            rest = rest.sliced(std::min(rest.size(), end + (isWide(encoding) ? 2 : 1)));
        }
        return {};
    }

    // Players keep their own notes in described comments ("iTunNORM"); the
    // comment a person wrote has no description.
    void takeComment(QByteArrayView data)
    {
        const std::optional<Comment> comment = commentOf(data);
        if (!comment || comment->text.isEmpty() || m_plainComment)
            return;
        if (comment->description.isEmpty()) {
            fields.comment = comment->text;
            m_plainComment = true;
        } else if (fields.comment.isEmpty() && !comment->description.startsWith(u"iTun"_s)) {
            fields.comment = comment->text;
        }
    }
};

} // namespace

TagFields ReadId3v2TextFrames(QByteArrayView tag)
{
    if (tag.size() < HeaderSize || !tag.startsWith("ID3"))
        return {};
    const auto version = quint8(tag[3]);
    const auto flags = quint8(tag[5]);
    if (version != 3 && version != 4)
        return {};
    const qsizetype declared = syncSafe(tag.sliced(6, 4));
    QByteArray body = tag.sliced(HeaderSize, std::min(declared, tag.size() - HeaderSize))
                          .toByteArray();
    if (version == 3 && (flags & TagUnsynchronised))
        body = resynchronised(body);

    qsizetype position = 0;
    if ((flags & TagExtendedHeader) && body.size() >= 4) {
        const qsizetype size = version == 3 ? bigEndian(body.first(4)) : syncSafe(body.first(4));
        position = version == 3 ? 4 + size : size;
    }

    FrameReader reader;
    while (position >= 0 && position + HeaderSize <= body.size()) {
        const QByteArrayView header = QByteArrayView(body).sliced(position, HeaderSize);
        const QByteArrayView id = header.first(4);
        if (!isFrameId(id))
            break; // padding, or bytes that are no frame
        const qsizetype size =
            version == 3 ? bigEndian(header.sliced(4, 4)) : syncSafe(header.sliced(4, 4));
        const auto format = quint8(header[9]);
        const qsizetype start = position + HeaderSize;
        if (size > body.size() - start)
            break; // cut off by the end of the tag or of the file
        QByteArray data = body.sliced(start, size);
        position = start + size;

        const bool unreadable = version == 3 ? (format & (V3Compressed | V3Encrypted))
                                             : (format & (V4Compressed | V4Encrypted));
        if (unreadable)
            continue;
        qsizetype skip = 0;
        if (format & (version == 3 ? V3Grouped : V4Grouped))
            skip += 1;
        if (version == 4 && (format & V4DataLength))
            skip += 4;
        data = data.sliced(std::min(skip, data.size()));
        if (version == 4 && ((format & V4Unsynchronised) || (flags & TagUnsynchronised)))
            data = resynchronised(data);
        reader.take(id, data);
    }
    return reader.fields;
}
