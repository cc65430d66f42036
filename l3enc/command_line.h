#pragma once

#include <optional>
#include <string>
#include <vector>

// L3ENC <input.wav> <output.mp3> -br <bits/s> [-dm] [-hq] [-crc]
struct EncoderOptions {
    std::string input;
    std::string output;
    int bitrate = 0; // bits per second, a whole number of kbit/s
    bool downmix = false;
    bool highQuality = false;
    bool crc = false;
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
