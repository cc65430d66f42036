#pragma once

#include "command_line.h"

#include <lame/lame.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A constant-bitrate MP3 stream on libmp3lame, written to a file. Writes the
// LAME info frame and no ID3 tag (the tagging run writes that).
class Mp3Encoder {
public:
    Mp3Encoder();
    ~Mp3Encoder();
    Mp3Encoder(const Mp3Encoder &) = delete;
    Mp3Encoder &operator=(const Mp3Encoder &) = delete;

    bool configure(int sampleRate, int channels, const EncoderOptions &options, std::string &error);

    // Encodes `frames` frames of interleaved samples into `output`: floats
    // in -1..1, or 16-bit integers (LAME's own format, so nothing to convert).
    // A float that is not a number, infinite or far beyond full scale (a
    // damaged float WAV) is made silence in place: LAME aborts on it.
    bool encode(float *samples, int frames, std::FILE *output, std::string &error);
    bool encode(const short *samples, int frames, std::FILE *output, std::string &error);

    // Writes the last frames, then the info frame over the first one.
    bool finish(std::FILE *output, std::string &error);

    std::int64_t silencedSamples() const { return m_silenced; }

private:
    // `bytes` is what LAME gave: the length of its output, or its error code.
    bool write(int bytes, std::FILE *output, std::string &error);

    lame_global_flags *m_lame;
    int m_channels = 0;
    std::int64_t m_silenced = 0;
    std::vector<unsigned char> m_buffer;
};
