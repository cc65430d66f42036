// L3ENC: encodes one WAV file to a constant-bitrate MP3.
//   L3ENC <input.wav> <output.mp3> -br <bits/s> [-dm] [-hq] [-crc]
// Exit status: 0 done, 1 failed (the output path as it was), 2 usage.

#include "command_line.h"
#include "mp3_encoder.h"
#include "pending_output.h"
#include "progress.h"
#include "wav_input.h"

#include <lame/lame.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr int FramesPerRead = 8192;

int fail(const std::string &file, const std::string &reason)
{
    std::fprintf(stderr, "L3ENC: %s: %s\n", file.c_str(), reason.c_str());
    return 1;
}

std::int64_t readFrames(SNDFILE *file, short *samples, sf_count_t frames)
{
    return sf_readf_short(file, samples, frames);
}

std::int64_t readFrames(SNDFILE *file, float *samples, sf_count_t frames)
{
    return sf_readf_float(file, samples, frames);
}

// The frames read, or -1 when the MP3 data could not be written.
template <typename Sample>
std::int64_t encodeAll(const WavInput &input, Mp3Encoder &encoder, std::FILE *output,
                       Progress &progress, std::string &error)
{
    const int channels = input.format().channels;
    std::vector<Sample> samples(std::size_t(FramesPerRead) * std::size_t(channels));
    std::int64_t framesDone = 0;
    for (std::int64_t frames;
         (frames = readFrames(input.file(), samples.data(), FramesPerRead)) > 0;) {
        if (!encoder.encode(samples.data(), int(frames), output, error))
            return -1;
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
    if (!CheckReplaceableOutput(options.output, input.identity(), error))
        return fail(options.output, error);

    PendingOutput output;
    if (!output.create(options.output, error))
        return fail(options.output, error);
    // 16-bit input goes to LAME as it is; anything else as floats, which keep
    // the precision of 24-bit and float files.
    const bool sixteenBit = (format.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    Progress progress(std::filesystem::path(options.input).filename().string(), format.frames,
                      format.samplerate);
    const std::int64_t framesRead = sixteenBit
        ? encodeAll<short>(input, encoder, output.stream(), progress, error)
        : encodeAll<float>(input, encoder, output.stream(), progress, error);
    if (framesRead < 0)
        return fail(options.output, error);
    if (sf_error(input.file()) != SF_ERR_NO_ERROR)
        return fail(options.input, std::string("read failed: ") + sf_strerror(input.file()));
    if (framesRead == 0)
        return fail(options.input, "no audio could be read");
    if (!encoder.finish(output.stream(), error) || !output.commit(error))
        return fail(options.output, error);
    progress.finish(framesRead);
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
