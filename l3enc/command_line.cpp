#include "command_line.h"

#include "base/shown_name.h"

#include <charconv>
#include <optional>

namespace {

ParsedCommandLine problem(std::string text)
{
    return {std::nullopt, std::move(text)};
}

// A whole number of at least 0 that fills the word, or nothing.
std::optional<std::int64_t> frameNumber(const std::string &word)
{
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error != std::errc() || end != word.data() + word.size() || number < 0)
        return std::nullopt;
    return number;
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
        } else if (word == "-V") {
            const std::optional<std::int64_t> quality =
                ++i < arguments.size() ? frameNumber(arguments[i]) : std::nullopt;
            if (!quality || *quality > 9)
                return problem("-V needs a quality from 0 (best) to 9 (smallest)");
            options.vbrQuality = int(*quality);
        } else if (word == "-replaygain") {
            if (++i == arguments.size() || arguments[i].empty())
                return problem("-replaygain needs the file its loudness measurement goes to");
            options.loudnessPath = arguments[i];
        } else if (word == "-from" || word == "-to") {
            const std::optional<std::int64_t> frame =
                ++i < arguments.size() ? frameNumber(arguments[i]) : std::nullopt;
            if (!frame)
                return problem(word + " needs a sample frame number (0 or more)");
            (word == "-from" ? options.from : options.to) = *frame;
        } else {
            return problem("unknown switch \"" + ShownName(word) + "\"");
        }
    }
    // A given bitrate is at least 8000.
    if ((options.bitrate == 0) == (options.vbrQuality < 0))
        return problem("one of -br (a constant bitrate) and -V (a variable one) is needed");
    if (options.to >= 0 && options.to <= options.from)
        return problem("-to must come after -from: the range holds no frame");
    return {options, {}};
}

std::string EncoderUsage()
{
    return "Usage: L3ENC INPUT.wav OUTPUT.mp3 -br BITS|-V Q [-dm] [-hq] [-crc] [-from N] [-to N]\n"
           "             [-replaygain FILE]\n"
           "Encodes a WAV file to an MP3.\n"
           "  -br BITS  bitrate in bits per second, 8000 to 320000 (128000 is 128 kbit/s)\n"
           "  -V Q      variable bitrate instead, LAME's quality 0 (best) to 9 (smallest)\n"
           "  -dm       downmix stereo to mono\n"
           "  -hq       high-quality encoding (slower)\n"
           "  -crc      CRC error protection in every frame\n"
           "  -from N   start at sample frame N (0 is the first)\n"
           "  -to N     end before sample frame N (the WAV's end without it)\n"
           "  -replaygain FILE  measure the loudness (ITU-R BS.1770) of what is encoded,\n"
           "            for ReplayGain, into FILE: its sample peak and its 400 ms blocks\n"
           "Exit status: 0 done, 1 failed (the output path as it was), 2 usage,\n"
           "  3 MP3 made, but the WAV is not safe to delete (incomplete, still being\n"
           "  written, or changed while it was read; the reason is printed).\n"
           "  --help     show this text\n"
           "  --version  show the version\n";
}
