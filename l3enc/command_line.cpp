#include "command_line.h"

#include "base/shown_name.h"

#include <charconv>

namespace {

ParsedCommandLine problem(std::string text)
{
    return {std::nullopt, std::move(text)};
}

} // namespace

ParsedCommandLine ParseEncoderArguments(const std::vector<std::string> &arguments)
{
    if (arguments.size() < 2)
        return problem("an input and an output file are needed");
    EncoderOptions options;
    options.input = arguments[0];
    options.output = arguments[1];
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const std::string &word = arguments[i];
        if (word == "-dm") {
            options.downmix = true;
        } else if (word == "-hq") {
            options.highQuality = true;
        } else if (word == "-crc") {
            options.crc = true;
        } else if (word == "-br") {
            if (++i == arguments.size())
                return problem("-br needs a bitrate in bits per second");
            const std::string &value = arguments[i];
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), options.bitrate);
            if (error != std::errc() || end != value.data() + value.size()
                || options.bitrate < LowestBitrate || options.bitrate > HighestBitrate
                || options.bitrate % 1000 != 0)
                return problem("bitrate \"" + ShownName(value) + "\" is not a multiple of 1000 from 8000 to 320000");
        } else {
            return problem("unknown switch \"" + ShownName(word) + "\"");
        }
    }
    if (options.bitrate == 0) // a given bitrate is at least 8000
        return problem("-br is needed");
    return {options, {}};
}

std::string EncoderUsage()
{
    return "Usage: L3ENC INPUT.wav OUTPUT.mp3 -br BITS [-dm] [-hq] [-crc]\n"
           "Encodes a WAV file to a constant-bitrate MP3.\n"
           "  -br BITS  bitrate in bits per second, 8000 to 320000 (128000 is 128 kbit/s)\n"
           "  -dm       downmix stereo to mono\n"
           "  -hq       high-quality encoding (slower)\n"
           "  -crc      CRC error protection in every frame\n"
           "Exit status: 0 done, 1 failed (the output path as it was), 2 usage,\n"
           "  3 MP3 made, but the WAV is not safe to delete (incomplete, still being\n"
           "  written, or changed while it was read; the reason is printed).\n"
           "  --help     show this text\n"
           "  --version  show the version\n";
}
