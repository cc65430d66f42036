#include "mp3_signature.h"

#include "tag_trailer.h"

#include "base/regular_file.h"

#include <fcntl.h>

using namespace Qt::StringLiterals;

namespace {

// Eleven set bits of frame sync, then an MPEG version and a layer that are
// not the reserved values.
bool isFrameHeader(const QByteArray &start)
{
    if (start.size() < 2)
        return false;
    const auto first = quint8(start[0]);
    const auto second = quint8(start[1]);
    return first == 0xFF && (second & 0xE0) == 0xE0 && (second & 0x18) != 0x08
        && (second & 0x06) != 0x00;
}

bool isRiff(const QByteArray &start)
{
    return start.startsWith("RIFF") || start.startsWith("RF64") || start.startsWith("BW64")
        || start.startsWith("RIFX");
}

} // namespace

QString WhyNotAnMp3(const QByteArray &path)
{
    const RegularFile file = OpenRegularFile(path, O_RDONLY);
    if (!file.descriptor)
        return {}; // the writer, which opens it too, says why it cannot
    const QByteArray start = ReadAt(file.descriptor.get(), 0, 4);
    if (isRiff(start))
        return u"a WAV file, not an MP3"_s;
    const bool trailer = file.size > Module1::TagTrailerSize
        && ReadAt(file.descriptor.get(), file.size - Module1::TagTrailerSize, 3) == "TAG";
    if (start.startsWith("ID3") || isFrameHeader(start) || trailer)
        return {};
    return u"not an MP3 (no ID3v2 tag, tag trailer or MPEG audio frame at its start)"_s;
}
