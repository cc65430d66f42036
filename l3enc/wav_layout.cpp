#include "wav_layout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <unistd.h>

namespace {

constexpr std::int64_t ChunkHeaderSize = 8;
constexpr std::int64_t Max32 = 0xFFFFFFFF;
// RF64's 64-bit sizes, cut so that a chunk header can still be added.
constexpr std::uint64_t LargestSize = std::numeric_limits<std::int64_t>::max() - ChunkHeaderSize;

// Format tags whose frames are one block each; any other codes in blocks.
constexpr unsigned FramePerBlockTags[] = {0x0001 /* PCM */, 0x0003 /* float */, 0x0006 /* A-law */,
                                          0x0007 /* u-law */};
constexpr unsigned ExtensibleTag = 0xFFFE;

// What recorders write while they still record (ffmpeg, sox, arecord) and
// fill in when they finish.
bool isPlaceholder(std::uint32_t size)
{
    return size == 0xFFFFFFFFU || size == 0x7FFFF000U || size == 0x7FFFFFFFU || size == 0x80000000U;
}

std::uint32_t le32(const unsigned char *bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
        | std::uint32_t(bytes[3]) << 24;
}

std::uint64_t le64(const unsigned char *bytes)
{
    return std::uint64_t(le32(bytes)) | std::uint64_t(le32(bytes + 4)) << 32;
}

bool readAt(int fd, unsigned char *buffer, std::size_t size, std::int64_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, buffer + done, size - done, off_t(offset) + off_t(done));
        if (got <= 0)
            return false;
        done += std::size_t(got);
    }
    return true;
}

std::uint16_t le16(const unsigned char *bytes)
{
    return std::uint16_t(bytes[0] | bytes[1] << 8);
}

std::string secondsText(double frames, int sampleRate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", sampleRate > 0 ? frames / sampleRate : 0.0);
    return text;
}

std::string seconds(std::int64_t bytes, const WavLayout &layout)
{
    const double framesPerBlock = layout.blockCoded ? layout.framesPerBlock : 1;
    const std::int64_t wholeBlocks = layout.blockAlign > 0 ? bytes / layout.blockAlign : 0;
    return secondsText(double(wholeBlocks) * framesPerBlock, layout.sampleRate);
}

struct Walk {
    int fd;
    std::int64_t fileSize;
    WavLayout layout;
    bool rf64 = false;
    std::int64_t riffEnd = 0;
    std::int64_t ds64Data = -1; // RF64's 64-bit data size

    WavLayout doubt(std::string why)
    {
        layout.doubt = std::move(why);
        return layout;
    }

    WavLayout run();
    bool readFormat(std::int64_t offset, std::int64_t size);
};

bool Walk::readFormat(std::int64_t offset, std::int64_t size)
{
    // The plain format, then the extension of ADPCM (frames per block) and
    // of WAVE_FORMAT_EXTENSIBLE (the true format tag).
    std::array<unsigned char, 26> fmt{};
    const std::size_t wanted = std::size_t(std::min<std::int64_t>(size, std::int64_t(fmt.size())));
    if (size < 16 || !readAt(fd, fmt.data(), wanted, offset))
        return false;
    unsigned tag = le16(fmt.data());
    layout.sampleRate = int(le32(fmt.data() + 4) & 0x7FFFFFFF);
    layout.blockAlign = le16(fmt.data() + 12);
    if (tag == ExtensibleTag && wanted >= 26)
        tag = le16(fmt.data() + 24);
    layout.blockCoded = std::find(std::begin(FramePerBlockTags), std::end(FramePerBlockTags), tag)
        == std::end(FramePerBlockTags);
    if (layout.blockCoded && wanted >= 20)
        layout.framesPerBlock = le16(fmt.data() + 18);
    return true;
}

WavLayout Walk::run()
{
    std::array<unsigned char, 12> head{};
    if (!readAt(fd, head.data(), head.size(), 0))
        return doubt("not a complete WAV: its header is cut short");
    rf64 = std::memcmp(head.data(), "RF64", 4) == 0 || std::memcmp(head.data(), "BW64", 4) == 0;
    if ((!rf64 && std::memcmp(head.data(), "RIFF", 4) != 0)
        || std::memcmp(head.data() + 8, "WAVE", 4) != 0)
        return doubt("not a RIFF WAVE file");
    const std::uint32_t riffSize = le32(head.data() + 4);
    if (!rf64 && fileSize > Max32 + ChunkHeaderSize)
        return doubt("over 4 GiB but not RF64: its sizes cannot describe it");
    if (!rf64 && isPlaceholder(riffSize))
        return doubt("still being written: its sizes are not filled in yet");
    riffEnd = rf64 ? -1 : std::int64_t(riffSize) + ChunkHeaderSize;

    bool sawData = false;
    bool lastOdd = false;
    std::int64_t offset = 12;
    while (riffEnd < 0 || offset < riffEnd) {
        std::array<unsigned char, ChunkHeaderSize> chunk{};
        if (!readAt(fd, chunk.data(), chunk.size(), offset))
            return doubt(offset >= fileSize
                             ? "not a complete WAV: the file is shorter than its header says"
                             : "not a complete WAV: a chunk header is cut short");
        const std::uint32_t size32 = le32(chunk.data() + 4);
        std::int64_t size = size32;
        const bool isData = std::memcmp(chunk.data(), "data", 4) == 0;
        if (rf64 && riffEnd < 0) {
            // RF64 keeps its true sizes in a ds64 chunk, always the first.
            std::array<unsigned char, 16> sizes{};
            if (std::memcmp(chunk.data(), "ds64", 4) != 0 || size < 16
                || !readAt(fd, sizes.data(), sizes.size(), offset + ChunkHeaderSize))
                return doubt("not a complete WAV: its RF64 sizes are missing");
            riffEnd = std::int64_t(std::min(le64(sizes.data()), LargestSize)) + ChunkHeaderSize;
            ds64Data = std::int64_t(std::min(le64(sizes.data() + 8), LargestSize));
        } else if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
            if (!readFormat(offset + ChunkHeaderSize, size))
                return doubt("not a complete WAV: its format chunk is cut short");
        } else if (isData) {
            if (rf64 && size32 == 0xFFFFFFFFU)
                size = ds64Data;
            else if (isPlaceholder(size32))
                return doubt("still being written: its sizes are not filled in yet");
            layout.dataBytes = size;
            sawData = true;
        } else if (std::memcmp(chunk.data(), "fact", 4) == 0) {
            std::array<unsigned char, 4> frames{};
            if (size >= 4 && readAt(fd, frames.data(), frames.size(), offset + ChunkHeaderSize))
                layout.factFrames = le32(frames.data());
        }
        // The header was read, so offset + 8 <= fileSize: compared, not added.
        if (size > fileSize - (offset + ChunkHeaderSize)) {
            if (isData)
                return doubt("not a complete WAV: " + seconds(size, layout) + " declared, "
                             + seconds(fileSize - offset - ChunkHeaderSize, layout) + " found");
            return doubt("not a complete WAV: a chunk runs past the end of the file");
        }
        const std::int64_t end = offset + ChunkHeaderSize + size;
        if (end > riffEnd)
            return doubt("not a complete WAV: a chunk runs past the end its header gives");
        lastOdd = size % 2 == 1;
        offset = end + (lastOdd ? 1 : 0); // chunks are padded to even sizes
    }
    // A writer may leave out the pad byte of the last chunk, or count it
    // without writing it: one byte either way loses no audio.
    const std::int64_t slack = lastOdd ? 1 : 0;
    if (riffEnd > fileSize + slack)
        return doubt("not a complete WAV: the file is shorter than its header says");
    if (fileSize > riffEnd + slack)
        return doubt("holds more than its header says (" + std::to_string(fileSize - riffEnd)
                     + " bytes after its end)");
    if (!sawData || layout.blockAlign <= 0)
        return doubt("not a complete WAV: its format or data chunk is missing");
    return layout;
}

} // namespace

WavLayout ReadWavLayout(int fd, std::int64_t fileSize)
{
    return Walk{fd, fileSize, {}}.run();
}

std::string SecondsText(std::int64_t frames, int sampleRate)
{
    return secondsText(double(frames), sampleRate);
}
