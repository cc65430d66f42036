#include "mp3_tags.h"

#include "fixed_width_text.h"
#include "genre_table.h"
#include "tag_trailer.h"
#include "taglib_text.h"

#include "base/regular_file.h"

#include <QFile>

#include <taglib/attachedpictureframe.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Module1::TrimEnd;

namespace {

// MP3s are a few MiB; one this large is refused rather than held in memory.
constexpr qint64 LargestMp3 = qint64(1) << 30;

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
    TagLib::ID3v2::Tag &m_tag;
    TagLib::String::Type m_encoding;
};

// The ID3v2 fields beside `trailer`: the order's whole texts, or without an
// order the tag's own, each in line with the trailer.
void fillTag(Id3v2Editor &tag, const Id3v1Tag &trailer, const std::optional<Id3v2Order> &order)
{
    const TagFields own = order ? order->whole
                                : TagFields{tag.text("TIT2"), tag.text("TPE1"), tag.text("TALB"),
                                            tag.text("TDRC"), tag.text("TCON"), tag.comment()};
    tag.setText("TIT2", AgreeingText(own.title, trailer.title, 30));
    tag.setText("TPE1", AgreeingText(own.artist, trailer.artist, 30));
    tag.setText("TALB", AgreeingText(own.album, trailer.album, 30));
    tag.setText("TDRC", AgreeingText(own.year, trailer.year, 4));
    tag.setText("TCON", AgreeingGenre(own.genre, trailer.genre));
    tag.setComment(AgreeingText(own.comment, trailer.comment, 30));
    if (order) {
        tag.setText("TRCK", order->track);
        tag.setText("TPOS", order->disc);
        tag.setFrontCover(order->cover);
    }
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file's whole content, or why it cannot be had.
Result readWhole(const QByteArray &path, QByteArray &content, FileId &identity)
{
    RegularFile file = OpenRegularFile(path, O_RDONLY);
    if (!file.descriptor) {
        return Result::failure(file.error == 0 ? u"not a regular file"_s
                                               : systemError(file.error));
    }
    if (file.size > LargestMp3)
        return Result::failure(u"larger than 1 GiB, too large to tag"_s);
    struct stat status {};
    if (::fstat(file.descriptor.get(), &status) != 0)
        return Result::failure(systemError(errno));
    identity = {status.st_dev, status.st_ino};
    content.resize(file.size);
    qint64 done = 0;
    while (done < file.size) {
        const ssize_t got = ::pread(file.descriptor.get(), content.data() + done,
                                    size_t(file.size - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return Result::failure(u"read failed: "_s + systemError(got < 0 ? errno : ENODATA));
        done += got;
    }
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
    RegularFile file = OpenRegularFile(path, O_RDONLY);
    char start[3] = {};
    return file.descriptor && ::pread(file.descriptor.get(), start, 3, 0) == 3
        && std::memcmp(start, "ID3", 3) == 0;
}

Result WriteMp3Tags(const QByteArray &path, const Id3v1Tag &trailer,
                    const std::optional<Id3v2Order> &order, ReplacedFile *replaced)
{
    if (trailer.genre < -1 || trailer.genre > 255)
        return Result::failure(Module1::DescribeFailure({Module1::TagWriteFailure::GenreOutOfRange}));
    QByteArray content;
    FileId before;
    if (Result read = readWhole(path, content, before); !read)
        return read;
    if (content.size() <= Module1::TagTrailerSize)
        return Result::failure(Module1::DescribeFailure({Module1::TagWriteFailure::TooShort}));

    TagLib::ByteVectorStream stream(TagLib::ByteVector(content.constData(), uint(content.size())));
    TagLib::MPEG::File mp3(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (!mp3.isValid())
        return Result::failure(u"not an MP3 file TagLib can read"_s);
    TagLib::ID3v2::Tag *tag = mp3.ID3v2Tag(true);
    const Id3v2Version version = order ? order->version
        : tag->header()->majorVersion() == 3 ? Id3v2Version::V2_3 : Id3v2Version::V2_4;
    Id3v2Editor editor(*tag, version == Id3v2Version::V2_3 ? TagLib::String::UTF16
                                                           : TagLib::String::UTF8);
    fillTag(editor, trailer, order);
    // The ID3v2 tag alone: the trailer, and anything else, stays byte for byte.
    if (!mp3.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone,
                  version == Id3v2Version::V2_3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4,
                  TagLib::File::DoNotDuplicate))
        return Result::failure(u"the ID3v2 tag could not be made"_s);

    const TagLib::ByteVector *tagged = stream.data();
    content = QByteArray(tagged->data(), qsizetype(tagged->size()));
    if (const Module1::TagWriteResult put = Module1::PutTagTrailer(content, trailer); !put)
        return Result::failure(Module1::DescribeFailure(put));
    FileId after;
    if (Result saved = SaveFileAtomically(path, content, before, &after); !saved)
        return saved;
    if (replaced)
        *replaced = {before, after};
    return Result::success();
}
