#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

// What the RIFF structure of a WAV file promises, read from its chunk headers
// alone, and whether it describes the file exactly: sizes that are real (no
// placeholder a recorder leaves until it finishes), chunks that end where the
// file ends, and data that is all on disk. libsndfile reads what it can and
// says little; the delete decision needs to know that nothing is missing.
struct WavLayout {
    std::int64_t dataBytes = 0; // as declared (RF64/BW64: its 64-bit size)
    int blockAlign = 0;         // bytes per frame, or per block of a block-coded WAV
    int sampleRate = 0;
    // Empty when the layout accounts for every byte of the file; otherwise
    // why the file is not a complete WAV, in words for the user.
    std::string doubt;
    // ADPCM, GSM 6.10 and the like code frames in blocks: the data size
    // counts blocks, and the fact chunk (where there is one) the frames.
    bool blockCoded = false;
    int framesPerBlock = 0;       // as the format chunk gives it, or 0
    std::int64_t factFrames = -1; // -1: no fact chunk

    // The frames the file declares; for a block-coded WAV without a fact
    // chunk, what its reader counts from the blocks (`readerFrames`).
    std::int64_t declaredFrames(std::int64_t readerFrames) const
    {
        if (blockCoded)
            return factFrames >= 0 ? factFrames : readerFrames;
        return blockAlign > 0 ? dataBytes / blockAlign : 0;
    }
};

// Reads the chunk headers of the open file `fd` of `fileSize` bytes with
// positional reads (the file offset is left alone) and at most a few bytes
// per chunk, so a hostile size costs nothing; sizes up to 2^64 - 1 are
// compared, never added past the largest offset.
WavLayout ReadWavLayout(int fd, std::int64_t fileSize);

// "20.0 s": frames as seconds, for messages.
std::string SecondsText(std::int64_t frames, int sampleRate);
