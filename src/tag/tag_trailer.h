#pragma once

#include "id3v1_tag.h"

#include <QByteArray>
#include <QString>

// The ID3v1 tag trailer: the last 128 bytes of an MP3 file.
//
//   offset  width  content
//        0      3  "TAG"
//        3     30  title
//       33     30  artist
//       63     30  album
//       93      4  year
//       97     30  comment (all 30 bytes: no track byte)
//      127      1  genre number
//
// Text fields are ISO-8859-1, cut or filled with blanks (never NUL).
namespace Module1 {

inline constexpr int TagTrailerSize = 128;

enum class TagWriteFailure {
    None,
    NoSuchFile,
    NotRegularFile,
    TooShort,
    ReadOnly,
    GenreOutOfRange,
    ReadFailed,
    WriteFailed,
};

// The Boolean outcome of a write, with the reason when it failed.
struct TagWriteResult {
    TagWriteFailure failure = TagWriteFailure::None;
    int systemError = 0; // errno behind a failed system call, else 0

    explicit operator bool() const { return failure == TagWriteFailure::None; }
};

// One line for a person: why the write failed.
QString DescribeFailure(const TagWriteResult &result);

// One text field of the trailer: the text cut or filled by `FixWidth`, one
// byte per character (Latin-1, "?" where it has none).
QByteArray TagTrailerField(const QString &text, qsizetype width);

// The 128 bytes of the trailer for `tag`, its genre already range-checked.
// Each text field as `TagTrailerField` gives it.
QByteArray BuildTagTrailer(const Id3v1Tag &tag);

// Gives the file at `path` (the file system's bytes, exactly as given) the
// trailer: replaced in place when its last 128 bytes begin with "TAG",
// appended otherwise. The file must be a regular file of at least 129 bytes.
// Everything is checked before the first byte is written; a failed write
// never leaves a partial record behind, and a missing file is never created.
TagWriteResult WriteTagTrailer(const QByteArray &path, const Id3v1Tag &tag);

} // namespace Module1
