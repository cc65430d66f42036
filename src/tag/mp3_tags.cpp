#include "mp3_tags.h"

#include "fixed_width_text.h"
#include "genre_table.h"
#include "tag_trailer.h"
#include "taglib_text.h"

#include "base/regular_file.h"
#include "base/system_error.h"

#include <QFile>
#include <QRegularExpression>

#include <taglib/attachedpictureframe.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Module1::TrimEnd;

namespace {

class Id3v2Editor {
public:
    Id3v2Editor(TagLib::ID3v2::Tag &tag, TagLib::String::Type encoding)
        : m_tag(tag), m_encoding(encoding)
    {
    }

    QString text(const char *id) const { return FirstFrameText(m_tag, id); }

    // Sets a text frame; an empty text removes it. An unchanged frame keeps
    // its own encoding.
    void setText(const char *id, const QString &value)
    {
        if (!m_tag.frameList(id).isEmpty() && text(id) == value)
            return;
        m_tag.removeFrames(id);
        if (value.isEmpty())
            return;
        auto *frame = new TagLib::ID3v2::TextIdentificationFrame(id, m_encoding);
        frame->setText(ToTagLib(value));
        m_tag.addFrame(frame);
    }

    QString comment() const { return PlainComment(m_tag); }

    // A TXXX frame's text; empty without one.
    QString userText(const char *description) const
    {
        const auto *frame = TagLib::ID3v2::UserTextIdentificationFrame::find(&m_tag, description);
        return frame ? FromTagLib(frame->fieldList().size() > 1 ? frame->fieldList()[1]
                                                                : TagLib::String())
                     : QString();
    }

    // Sets a TXXX frame; an empty text removes it.
    void setUserText(const char *description, const QString &value)
    {
        if (userText(description) == value)
            return;
        while (auto *frame = TagLib::ID3v2::UserTextIdentificationFrame::find(&m_tag, description))
            m_tag.removeFrame(frame);
        if (value.isEmpty())
            return;
        auto *frame = new TagLib::ID3v2::UserTextIdentificationFrame(m_encoding);
        frame->setDescription(description);
        frame->setText(ToTagLib(value));
        m_tag.addFrame(frame);
    }

    // The year where a timestamp belongs (TDRC; 2.3's TYER takes its year),
    // and a year text that is none ("2026 (remaster)") whole beside it.
    QString year() const
    {
        const QString text = userText(YearText);
        return text.isEmpty() ? this->text("TDRC") : text;
    }
    void setYear(const QString &value)
    {
        static const QRegularExpression timestamp(
            u"^\\d{4}(-\\d\\d(-\\d\\d(T\\d\\d(:\\d\\d(:\\d\\d)?)?)?)?)?$"_s);
        static const QRegularExpression leadingYear(u"^\\d{4}(?!\\d)"_s);
        const bool isTimestamp = timestamp.match(value).hasMatch();
        setText("TDRC", isTimestamp ? value : leadingYear.match(value).captured());
        setUserText(YearText, isTimestamp ? QString() : value);
    }

    void setComment(const QString &value)
    {
        if (comment() == value)
            return;
        const TagLib::ID3v2::FrameList frames = m_tag.frameList("COMM");
        for (TagLib::ID3v2::Frame *frame : frames) {
            const auto *comment = dynamic_cast<TagLib::ID3v2::CommentsFrame *>(frame);
            if (comment && comment->description().isEmpty())
                m_tag.removeFrame(frame);
        }
        if (value.isEmpty())
            return;
        auto *frame = new TagLib::ID3v2::CommentsFrame(m_encoding);
        frame->setLanguage("eng");
        frame->setText(ToTagLib(value));
        m_tag.addFrame(frame);
    }

    // Both frames of one ReplayGain kind ("TRACK", "ALBUM"), in place of
    // any in another letter case (some taggers write them small).
    void setReplayGain(const std::string &kind, const ReplayGainValues &values)
    {
        for (const auto &[what, value] : {std::pair{"_GAIN", values.gain}, {"_PEAK", values.peak}}) {
            const TagLib::String description("REPLAYGAIN_" + kind + what);
            const TagLib::ID3v2::FrameList frames = m_tag.frameList("TXXX");
            for (TagLib::ID3v2::Frame *frame : frames) {
                const auto *user = dynamic_cast<TagLib::ID3v2::UserTextIdentificationFrame *>(frame);
                if (user && user->description().upper() == description)
                    m_tag.removeFrame(frame);
            }
            setUserText(description.toCString(), value);
        }
    }

    void setFrontCover(const std::optional<CoverPicture> &cover)
    {
        using TagLib::ID3v2::AttachedPictureFrame;
        const TagLib::ID3v2::FrameList frames = m_tag.frameList("APIC");
        for (TagLib::ID3v2::Frame *frame : frames) {
            const auto *picture = dynamic_cast<AttachedPictureFrame *>(frame);
            if (picture && picture->type() == AttachedPictureFrame::FrontCover)
                m_tag.removeFrame(frame);
        }
        if (!cover)
            return;
        auto *frame = new AttachedPictureFrame;
        frame->setTextEncoding(m_encoding);
        frame->setType(AttachedPictureFrame::FrontCover);
        frame->setMimeType(ToTagLib(cover->mimeType));
        frame->setPicture(TagLib::ByteVector(cover->data.constData(), uint(cover->data.size())));
        m_tag.addFrame(frame);
    }

private:
    static constexpr char YearText[] = "YEAR";
    TagLib::ID3v2::Tag &m_tag;
    TagLib::String::Type m_encoding;
};

// The ID3v2 fields beside `trailer`: the order's whole texts, or without an
// order the tag's own, each in line with the trailer.
void fillTag(Id3v2Editor &tag, const Id3v1Tag &trailer, const std::optional<Id3v2Order> &order)
{
    const TagFields own = order ? order->whole
                                : TagFields{tag.text("TIT2"), tag.text("TPE1"), tag.text("TALB"),
                                            tag.year(),       tag.text("TCON"), tag.comment()};
    tag.setText("TIT2", AgreeingText(own.title, trailer.title, 30));
    tag.setText("TPE1", AgreeingText(own.artist, trailer.artist, 30));
    tag.setText("TALB", AgreeingText(own.album, trailer.album, 30));
    tag.setYear(AgreeingText(own.year, trailer.year, 4));
    tag.setText("TCON", AgreeingGenre(own.genre, trailer.genre));
    tag.setComment(AgreeingText(own.comment, trailer.comment, 30));
    // What an order leaves empty it does not ask to change: a retag keeps
    // the MP3's track, disc and cover.
    if (order && !order->track.isEmpty())
        tag.setText("TRCK", order->track);
    if (order && !order->disc.isEmpty())
        tag.setText("TPOS", order->disc);
    for (const auto &[id, text] : {std::pair{"TPE2", order ? order->albumArtist : QString()},
                                   std::pair{"TCOM", order ? order->composer : QString()},
                                   std::pair{"TSRC", order ? order->isrc : QString()}}) {
        if (!text.isEmpty())
            tag.setText(id, text);
    }
    if (order && order->cover)
        tag.setFrontCover(order->cover);
    if (order && order->trackGain)
        tag.setReplayGain("TRACK", *order->trackGain);
    if (order && order->albumGain)
        tag.setReplayGain("ALBUM", *order->albumGain);
}

// Copies `length` bytes at `offset` of `from` to the position of `to`: in the
// kernel where it can, else through a buffer. False (errno set) on failure.
bool copyRange(int from, qint64 offset, qint64 length, int to)
{
    auto position = loff_t(offset);
    while (length > 0) {
        const ssize_t copied =
            ::copy_file_range(from, &position, to, nullptr, size_t(length), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied <= 0)
            break;
        length -= copied;
    }
    constexpr qint64 Chunk = qint64(1) << 20;
    while (length > 0) {
        const QByteArray bytes = ReadAt(from, position, qMin(length, Chunk));
        if (bytes.isEmpty()) {
            errno = errno != 0 ? errno : ENODATA;
            return false;
        }
        if (!WriteAll(to, bytes))
            return false;
        position += bytes.size();
        length -= bytes.size();
    }
    return true;
}

// The ID3v2 tag at the front of the file, as TagLib reads it; none (an empty
// tag) when the file does not begin with one. `size` gets the bytes it takes.
class FrontTag {
public:
    FrontTag(int fd, qint64 fileSize)
    {
        const QByteArray header = ReadAt(fd, 0, TagLib::ID3v2::Header::size());
        if (!header.startsWith("ID3") || header.size() < TagLib::ID3v2::Header::size())
            return;
        const TagLib::ID3v2::Header parsed(
            TagLib::ByteVector(header.constData(), uint(header.size())));
        m_size = parsed.completeTagSize();
        // A footer flag without its footer: the tag ends where its frames
        // do, and the ten bytes after them are audio.
        if (parsed.footerPresent()
            && ReadAt(fd, m_size - TagLib::ID3v2::Header::size(), 3) != "3DI")
            m_size -= TagLib::ID3v2::Header::size();
        if (m_size > fileSize)
            return;
        const QByteArray tag = ReadAt(fd, 0, m_size);
        m_stream.emplace(TagLib::ByteVector(tag.constData(), uint(tag.size())));
        m_file.emplace(&*m_stream, TagLib::ID3v2::FrameFactory::instance(), false);
    }

    // Bytes the tag takes, or more than the file holds when its header lies.
    qint64 size() const { return m_size; }
    TagLib::ID3v2::Tag &tag() { return m_file ? *m_file->ID3v2Tag(true) : m_fresh; }

private:
    qint64 m_size = 0;
    std::optional<TagLib::ByteVectorStream> m_stream;
    std::optional<TagLib::MPEG::File> m_file;
    TagLib::ID3v2::Tag m_fresh;
};

constexpr quint8 FooterFlag = 0x10;

// Writes the ID3v2 tag `rendered` into the room of the old one (`room` bytes,
// padding filling the rest) and the trailer at `audioEnd`, in place: the
// file's other names (hard links) see the new tags too. Refused where the tag
// has outgrown its room, since only a new file could hold it.
Result writeInPlace(const QByteArray &path, const FileId &expected, QByteArray rendered,
                    qint64 room, qint64 audioEnd, const QByteArray &record)
{
    constexpr qint64 HeaderSize = 10;
    // TagLib pads what it renders; the padding's zeros go, to be put back up
    // to the room's size (a frame's own last zeros come back the same).
    qsizetype used = rendered.size();
    while (used > HeaderSize && rendered[used - 1] == '\0')
        --used;
    rendered.truncate(used);
    if (room < HeaderSize || rendered.size() > room) {
        return Result::failure(
            u"it has other names (hard links), and its new ID3v2 tag does not fit in the old"
            " one's place; a new file would part it from them"_s);
    }
    // The new size, synchsafe: seven bits a byte.
    const qint64 size = room - HeaderSize;
    for (int i = 0; i < 4; ++i)
        rendered[9 - i] = char((size >> (7 * i)) & 0x7F);
    rendered.append(QByteArray(room - rendered.size(), '\0'));

    RegularFile file = OpenRegularFile(path, O_RDWR);
    struct stat status {};
    if (!file.descriptor || ::fstat(file.descriptor.get(), &status) != 0)
        return Result::failure(file.error != 0 ? SystemError(file.error) : u"not a regular file"_s);
    if (FileId{status.st_dev, status.st_ino} != expected)
        return Result::failure(u"it was replaced meanwhile"_s);
    const int fd = file.descriptor.get();
    if (::pwrite(fd, rendered.constData(), size_t(rendered.size()), 0) != rendered.size()
        || ::pwrite(fd, record.constData(), size_t(record.size()), audioEnd) != record.size()
        || ::fsync(fd) != 0 || !file.descriptor.close())
        return Result::failure(u"write failed: "_s + SystemError(errno));
    return Result::success();
}

} // namespace

QString AgreeingText(const QString &id3v2Text, const QString &trailerText, qsizetype width)
{
    using Module1::TagTrailerField;
    if (!id3v2Text.isEmpty()
        && TagTrailerField(id3v2Text, width) == TagTrailerField(trailerText, width))
        return id3v2Text;
    return TrimEnd(trailerText);
}

QString AgreeingGenre(const QString &id3v2Genre, qint16 trailerGenre)
{
    const qint16 number = qMax<qint16>(trailerGenre, 0);
    if (!id3v2Genre.isEmpty() && Module1::GenreNumber(id3v2Genre) == number)
        return id3v2Genre;
    if (number < Module1::GenreCount)
        return Module1::GenreName(number).toString();
    return QString::number(number);
}

bool HasId3v2Tag(const QByteArray &path)
{
    const RegularFile file = OpenRegularFile(path, O_RDONLY);
    return file.descriptor && ReadAt(file.descriptor.get(), 0, 3) == "ID3";
}

Result WriteMp3Tags(const QByteArray &path, const Id3v1Tag &trailer,
                    const std::optional<Id3v2Order> &order, ReplacedFile *replaced)
{
    using namespace Module1;
    if (trailer.genre < -1 || trailer.genre > 255)
        return Result::failure(DescribeFailure({TagWriteFailure::GenreOutOfRange}));
    RegularFile file = OpenRegularFile(path, O_RDONLY);
    if (!file.descriptor) {
        return Result::failure(file.error == 0 ? u"not a regular file"_s
                                               : SystemError(file.error));
    }
    const int fd = file.descriptor.get();
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return Result::failure(SystemError(errno));
    if (file.size <= TagTrailerSize)
        return Result::failure(DescribeFailure({TagWriteFailure::TooShort}));

    // The trailer's place by the trailer writer's rule: its marker alone.
    const bool hasTrailer = ReadAt(fd, file.size - TagTrailerSize, 3) == "TAG";
    const qint64 audioEnd = file.size - (hasTrailer ? TagTrailerSize : 0);
    FrontTag front(fd, file.size);
    if (front.size() > audioEnd)
        return Result::failure(u"its ID3v2 tag claims more bytes than the file holds"_s);

    TagLib::ID3v2::Tag &tag = front.tag();
    const Id3v2Version version = order ? order->version
        : tag.header()->majorVersion() == 3 ? Id3v2Version::V2_3 : Id3v2Version::V2_4;
    Id3v2Editor editor(tag, version == Id3v2Version::V2_3 ? TagLib::String::UTF16
                                                          : TagLib::String::UTF8);
    fillTag(editor, trailer, order);
    const TagLib::ByteVector renderedTag =
        tag.render(version == Id3v2Version::V2_3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4);
    QByteArray rendered(renderedTag.data(), renderedTag.size());
    rendered[5] = char(quint8(rendered[5]) & ~FooterFlag); // the flag a read tag had; no footer follows

    const QByteArray record = BuildTagTrailer(trailer);
    const FileId before{status.st_dev, status.st_ino};
    if (status.st_nlink > 1) {
        if (Result written = writeInPlace(path, before, rendered, front.size(), audioEnd, record);
            !written)
            return written;
        if (replaced)
            *replaced = {before, before};
        return Result::success();
    }
    // The new tag, the audio as it is (the encoder's first frame first), the
    // trailer: copied in the kernel, not through memory.
    const auto write = [&](int to) {
        return WriteAll(to, rendered)
            && copyRange(fd, front.size(), audioEnd - front.size(), to) && WriteAll(to, record);
    };
    FileId after;
    if (Result saved = SaveFileAtomically(path, write, before, &after); !saved)
        return saved;
    if (replaced)
        *replaced = {before, after};
    return Result::success();
}
