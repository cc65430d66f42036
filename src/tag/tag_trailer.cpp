#include "tag_trailer.h"

#include "fixed_width_text.h"
#include "latin1_text.h"

#include "base/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Module1 {
namespace {

constexpr char Marker[3] = {'T', 'A', 'G'};
constexpr qsizetype MarkerSize = sizeof Marker;
constexpr qsizetype RecordBodySize = TagTrailerSize - MarkerSize;

// Repeats a positional read or write until all `size` bytes are through: a
// short transfer is no error, an interrupted one is tried again.
template <typename Byte, typename Transfer>
bool transferAll(Transfer transfer, int fd, Byte *data, qsizetype size, off_t offset)
{
    while (size > 0) {
        const ssize_t done = transfer(fd, data, size_t(size), offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done == 0)
            errno = ENODATA; // the file ended early, which sets no errno of its own
        if (done <= 0)
            return false;
        data += done;
        size -= done;
        offset += done;
    }
    return true;
}

bool writeAll(int fd, const char *data, qsizetype size, off_t offset)
{
    return transferAll(::pwrite, fd, data, size, offset);
}

bool readAll(int fd, char *data, qsizetype size, off_t offset)
{
    return transferAll(::pread, fd, data, size, offset);
}

TagWriteResult failed(TagWriteFailure failure, int systemError = 0)
{
    return {failure, systemError};
}

TagWriteFailure openFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return TagWriteFailure::NoSuchFile;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return TagWriteFailure::ReadOnly;
    case EISDIR:
        return TagWriteFailure::NotRegularFile;
    default:
        return TagWriteFailure::WriteFailed;
    }
}

QString reasonText(TagWriteFailure failure)
{
    switch (failure) {
    case TagWriteFailure::None:
        return u"tag written"_s;
    case TagWriteFailure::NoSuchFile:
        return u"no such file"_s;
    case TagWriteFailure::NotRegularFile:
        return u"not a regular file"_s;
    case TagWriteFailure::TooShort:
        return u"too short to be an MP3 (129 bytes at least)"_s;
    case TagWriteFailure::ReadOnly:
        return u"read-only"_s;
    case TagWriteFailure::GenreOutOfRange:
        return u"genre out of range (0 to 255)"_s;
    case TagWriteFailure::ReadFailed:
        return u"read failed"_s;
    case TagWriteFailure::WriteFailed:
        return u"write failed"_s;
    }
    return {};
}

} // namespace

QString DescribeFailure(const TagWriteResult &result)
{
    QString reason = reasonText(result.failure);
    if (result.systemError != 0)
        reason += u": "_s + QString::fromLocal8Bit(std::strerror(result.systemError));
    return reason;
}

// ID3v1 readers on Linux take the fields as Latin-1, one byte per character:
// the cut of the entries, so the ID3v2 agreement and the trailer meet there.
QByteArray TagTrailerField(const QString &text, qsizetype width)
{
    return ToLatin1OrQuestionMark(FixWidth(text, width));
}

QByteArray BuildTagTrailer(const Id3v1Tag &tag)
{
    QByteArray record;
    record.reserve(TagTrailerSize);
    record.append(Marker, MarkerSize);
    record.append(TagTrailerField(tag.title, 30));
    record.append(TagTrailerField(tag.artist, 30));
    record.append(TagTrailerField(tag.album, 30));
    record.append(TagTrailerField(tag.year, 4));
    record.append(TagTrailerField(tag.comment, 30));
    record.append(char(quint8(qMax<qint16>(tag.genre, 0))));
    return record;
}

TagWriteResult WriteTagTrailer(const QByteArray &path, const Id3v1Tag &tag)
{
    if (tag.genre < -1 || tag.genre > 255)
        return failed(TagWriteFailure::GenreOutOfRange);
    const QByteArray record = BuildTagTrailer(tag);

    RegularFile opened = OpenRegularFile(path, O_RDWR);
    if (!opened.descriptor) {
        return opened.error != 0 ? failed(openFailure(opened.error), opened.error)
                                 : failed(TagWriteFailure::NotRegularFile);
    }
    UniqueFd file = std::move(opened.descriptor);

    const auto length = off_t(opened.size);
    if (length <= TagTrailerSize)
        return failed(TagWriteFailure::TooShort);

    // The decision rests on the three marker bytes alone, case-sensitive.
    char old[TagTrailerSize];
    if (!readAll(file.get(), old, TagTrailerSize, length - TagTrailerSize))
        return failed(TagWriteFailure::ReadFailed, errno);
    const bool replace = std::memcmp(old, Marker, MarkerSize) == 0;

    if (replace) {
        const off_t bodyOffset = length - RecordBodySize;
        if (!writeAll(file.get(), record.constData() + MarkerSize, RecordBodySize, bodyOffset)) {
            const int error = errno;
            writeAll(file.get(), old + MarkerSize, RecordBodySize, bodyOffset);
            return failed(TagWriteFailure::WriteFailed, error);
        }
    } else if (!writeAll(file.get(), record.constData(), TagTrailerSize, length)) {
        const int error = errno;
        // Leave the file as it was rather than with half a record; if even
        // that fails, the failure below still reports it.
        [[maybe_unused]] const int truncated = ::ftruncate(file.get(), length);
        return failed(TagWriteFailure::WriteFailed, error);
    }

    if (!file.close())
        return failed(TagWriteFailure::WriteFailed, errno);
    return {};
}

} // namespace Module1
