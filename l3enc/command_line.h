#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// L3ENC <input.wav> <output.mp3> (-br <bits/s> | -V <quality>) [-dm] [-hq] [-crc]
//       [-from <frame>] [-to <frame>] [-replaygain <file>]
struct EncoderOptions {
    std::string input;
    std::string output;
    int bitrate = 0; // bits per second, a whole number of kbit/s
    int vbrQuality = -1; // LAME's -V: 0 (best) to 9 (smallest) instead of a bitrate; -1: none
    bool downmix = false;
    bool highQuality = false;
    bool crc = false;
    // A range of sample frames, [from, to): one track of a CD image. Without
    // -to the range runs to the WAV's end; without either, the whole WAV.
    std::int64_t from = 0;
    std::int64_t to = -1;
    bool range() const { return from != 0 || to >= 0; }
    // Where the loudness of what was encoded goes, for ReplayGain; empty: none.
    std::string loudnessPath;
};

inline constexpr int LowestBitrate = 8000;
inline constexpr int HighestBitrate = 320000;

// The options, or a message saying what is wrong with the arguments.
struct ParsedCommandLine {
    std::optional<EncoderOptions> options;
    std::string problem;
};

ParsedCommandLine ParseEncoderArguments(const std::vector<std::string> &arguments);

std::string EncoderUsage();
