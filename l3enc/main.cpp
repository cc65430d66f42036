// L3ENC: encodes one WAV file (or a range of its frames) to a constant-bitrate MP3.
//   L3ENC <input.wav> <output.mp3> -br <bits/s>|-V <quality> [-dm] [-hq] [-crc]
//         [-from N] [-to N] [-replaygain FILE]
// Exit status: 0 done, 1 failed (the output path as it was), 2 usage,
// 3 made from a WAV that is not safe to delete (incomplete, still being
// written, or changed while it was read).
// With L3ENC_RECEIPT set, its exit leaves there one line for the script's
// delete decision: "safe WAV-IDENTITY MP3-DEVICE MP3-INODE" or "keep REASON";
// a range's "safe" says "frames FROM TO OF" before the WAV's identity.

#include "command_line.h"
#include "file_identity.h"
#include "loudness_meter.h"
#include "mp3_encoder.h"
#include "pending_output.h"
#include "progress.h"
#include "wav_input.h"
#include "wav_layout.h"

#include "base/shown_name.h"

#include <lame/lame.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fnmatch.h>
#include <sstream>
#include <vector>

namespace {

constexpr int FramesPerRead = 8192;
constexpr int NotSafeToDelete = 3;

// The sample frames to encode, [from, to); `whole` when no range was asked for.
struct Range {
    std::int64_t from = 0;
    std::int64_t to = 0;
    bool whole = true;
};

// One line about a file, its name shown so that it can neither break the
// line nor reach the terminal as a control sequence.
void say(const std::string &file, const std::string &text)
{
    std::fprintf(stderr, "L3ENC: %s: %s\n", ShownName(file).c_str(), text.c_str());
}

int fail(const std::string &file, const std::string &reason)
{
    say(file, reason);
    return 1;
}

// The receipt the script reads before it deletes the WAV; a receipt that
// cannot be written only means the WAV stays.
void writeReceipt(const std::string &line)
{
    const char *path = std::getenv("L3ENC_RECEIPT");
    if (!path || !*path)
        return;
    if (std::FILE *receipt = std::fopen(path, "we")) {
        std::fprintf(receipt, "%s\n", line.c_str());
        std::fclose(receipt);
    }
}

bool writeLoudness(const std::string &path, const std::string &text, std::string &error)
{
    std::FILE *file = std::fopen(path.c_str(), "we");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        error = std::string("cannot write the loudness measurement: ") + std::strerror(errno);
    return written;
}

// libsndfile's notes, word for word (its numbers as *), that say it stopped
// short of the audio or could not place it. Every other note is harmless:
// "'data' chunk should be an even number of bytes in length" comes with
// every correctly padded odd chunk, "Bytes/sec : 16000 (should be 4013)"
// with ffmpeg's ADPCM.
constexpr const char *ParserStops[] = {
    R"(\*\*\* Unknown chunk marker * Exiting parser.)",
    R"(\*\*\* Chunk size * > file length *. Exiting parser.)",
    R"(\*\*\* Looks like a WAV file which wasn't closed properly. Fixing it.)",
    R"(\*\*\* psf_fseek past end error \*\*\*)",
    R"(\*\*\* Data length not specified no 'ds64' chunk.)",
    R"(\*\*\*\* Weird, RF64 file without a 'ds64' chunk and no valid 'data' size.)",
    R"(data : * (should be *))",
};

// What libsndfile noticed and went past: audio it did not read.
std::string parserTrouble(SNDFILE *file)
{
    std::string log(16384, '\0');
    sf_command(file, SFC_GET_LOG_INFO, log.data(), int(log.size()));
    std::istringstream lines(log.c_str());
    for (std::string line; std::getline(lines, line);) {
        line.erase(0, line.find_first_not_of(' '));
        for (const char *stop : ParserStops)
            if (::fnmatch(stop, line.c_str(), 0) == 0)
                return "not a complete WAV: its chunks do not parse to the end";
    }
    return {};
}

// Why the WAV must stay although its MP3 was made, or empty. With a range,
// the frames read are the range's, and the WAV's own frames must be what its
// chunks declare, so that the ranges of all its tracks can stand for it.
std::string doubtAbout(const WavInput &input, const std::string &path, const WavLayout &layout,
                       const Range &range, std::int64_t framesRead)
{
    if (!layout.doubt.empty())
        return layout.doubt;
    if (std::string trouble = parserTrouble(input.file()); !trouble.empty())
        return trouble;
    // A block-coded WAV (ADPCM, GSM) decodes whole blocks: the last may
    // hold more frames than its fact chunk declares, never fewer.
    const std::int64_t declared = layout.declaredFrames(input.format().frames);
    const std::int64_t found = range.whole ? framesRead : input.format().frames;
    const int rate = input.format().samplerate;
    if (layout.blockCoded ? found < declared : found != declared) {
        return "not a complete WAV: " + SecondsText(declared, rate) + " declared, "
            + SecondsText(found, rate) + (range.whole ? " read" : " found");
    }
    if (!range.whole && framesRead != range.to - range.from) {
        return "not a complete WAV: " + SecondsText(range.to - range.from, rate)
            + " of it asked for, " + SecondsText(framesRead, rate) + " read";
    }
    return ChangedSince(FileIdentity::of(input.identity()), input.descriptor(), path);
}

std::int64_t readFrames(SNDFILE *file, short *samples, sf_count_t frames)
{
    return sf_readf_short(file, samples, frames);
}

std::int64_t readFrames(SNDFILE *file, float *samples, sf_count_t frames)
{
    return sf_readf_float(file, samples, frames);
}

// Moves the read position to `frame`: a seek where the format allows one,
// else reading up to it (a block-coded WAV). False when the WAV ends first.
template <typename Sample>
bool skipTo(SNDFILE *file, std::int64_t frame, std::vector<Sample> &samples, int channels)
{
    if (frame == 0 || sf_seek(file, frame, SEEK_SET) == frame)
        return true;
    sf_seek(file, 0, SEEK_SET);
    const auto room = std::int64_t(samples.size()) / channels;
    for (std::int64_t done = 0; done < frame;) {
        const std::int64_t got = readFrames(file, samples.data(), std::min(room, frame - done));
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

// The frames of `range` read, or -1 when the MP3 data could not be written.
// The meter, when there is one, measures what the encoder was given.
template <typename Sample>
std::int64_t encodeAll(const WavInput &input, const Range &range, Mp3Encoder &encoder,
                       LoudnessMeter *meter, std::FILE *output, Progress &progress,
                       std::string &error)
{
    const int channels = input.format().channels;
    std::vector<Sample> samples(std::size_t(FramesPerRead) * std::size_t(channels));
    if (!skipTo(input.file(), range.from, samples, channels))
        return 0;
    std::int64_t framesDone = 0;
    const std::int64_t wanted = range.to - range.from;
    for (std::int64_t frames; (range.whole || framesDone < wanted)
         && (frames = readFrames(input.file(), samples.data(),
                                 range.whole ? FramesPerRead
                                             : std::min<std::int64_t>(FramesPerRead,
                                                                      wanted - framesDone)))
             > 0;) {
        if (!encoder.encode(samples.data(), int(frames), output, error))
            return -1;
        if (meter)
            meter->add(samples.data(), frames);
        framesDone += frames;
        progress.update(framesDone);
    }
    return framesDone;
}

int encode(const EncoderOptions &options)
{
    // Everything about the input is settled before the output is touched: a
    // bad or missing WAV never costs an MP3 that is already there.
    WavInput input;
    std::string error;
    if (!input.open(options.input, error))
        return fail(options.input, error);
    const SF_INFO &format = input.format();
    Mp3Encoder encoder;
    if (!encoder.configure(format.samplerate, format.channels, options, error))
        return fail(options.input, error);
    // Judged before the read: a writer still at work may fill in the header
    // while the audio is read.
    const WavLayout layout = ReadWavLayout(input.descriptor(), input.identity().st_size);
    const std::int64_t frames = format.frames;
    if (options.from >= frames || options.to > frames) {
        return fail(options.input, "the range of frames asked for ends past the WAV's "
                                       + std::to_string(frames) + " frames");
    }
    // A whole encode reads on to whatever the file holds, a range exactly
    // its frames.
    const Range range{options.from, options.to < 0 ? frames : options.to, !options.range()};
    if (!CheckReplaceableOutput(options.output, input.identity(), error))
        return fail(options.output, error);

    LoudnessMeter meter;
    LoudnessMeter *const measuring = options.loudnessPath.empty() ? nullptr : &meter;
    if (measuring && !meter.start(format.samplerate, format.channels, error))
        return fail(options.input, error);

    PendingOutput output;
    if (!output.create(options.output, error))
        return fail(options.output, error);
    // 16-bit input goes to LAME as it is; anything else as floats, which keep
    // the precision of 24-bit and float files.
    const bool sixteenBit = (format.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    Progress progress(ShownName(std::filesystem::path(options.input).filename().string()),
                      range.to - range.from, format.samplerate);
    const std::int64_t framesRead = sixteenBit
        ? encodeAll<short>(input, range, encoder, measuring, output.stream(), progress, error)
        : encodeAll<float>(input, range, encoder, measuring, output.stream(), progress, error);
    if (framesRead < 0)
        return fail(options.output, error);
    if (sf_error(input.file()) != SF_ERR_NO_ERROR)
        return fail(options.input, std::string("read failed: ") + sf_strerror(input.file()));
    if (framesRead == 0)
        return fail(options.input, "no audio could be read");
    std::string doubt = doubtAbout(input, options.input, layout, range, framesRead);
    // Damaged samples: the WAV may still be worth repairing.
    if (doubt.empty() && encoder.silencedSamples() > 0)
        doubt = "it holds damaged samples (not numbers, or far beyond full scale)";
    // Asked for and not written, the measurement fails the encode: an MP3
    // without the loudness its tags are to carry is not what was asked for.
    if (measuring && !writeLoudness(options.loudnessPath, meter.report(), error))
        return fail(options.loudnessPath, error);
    if (!encoder.finish(output.stream(), error) || !output.commit(error))
        return fail(options.output, error);
    progress.finish(framesRead);
    if (encoder.silencedSamples() > 0)
        say(options.input, std::to_string(encoder.silencedSamples())
                + " damaged samples (not numbers, infinite, or far beyond full scale) were encoded as silence");
    if (!doubt.empty()) {
        say(options.input, "MP3 made, but the WAV is not safe to delete: " + doubt);
        writeReceipt("keep " + doubt);
        return NotSafeToDelete;
    }
    // A range says which frames of how many: the receipts of all of an
    // image's tracks together must cover it.
    const std::string frameRange = range.whole ? std::string()
        : "frames " + std::to_string(range.from) + ' ' + std::to_string(range.to) + ' '
            + std::to_string(frames) + ' ';
    writeReceipt("safe " + frameRange + FileIdentity::of(input.identity()).text() + ' '
                 + FileIdentity::of(output.committed()).fileText());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Neither can be a file name L3ENC is meant to read.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(EncoderUsage().c_str(), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("L3ENC %s (LAME %s)\n", SONDRAKE_VERSION, get_lame_version());
        return 0;
    }
    const ParsedCommandLine parsed =
        ParseEncoderArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "L3ENC: %s\n%s", parsed.problem.c_str(), EncoderUsage().c_str());
        return 2;
    }
    RemovePendingOutputOnSignals();
    return encode(*parsed.options);
}
