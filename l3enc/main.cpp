// L3ENC: encodes one WAV file to a constant-bitrate MP3.
//   L3ENC <input.wav> <output.mp3> -br <bits/s> [-dm] [-hq] [-crc]
// Exit status: 0 done, 1 failed (nothing left at the output path), 2 usage.

#include "command_line.h"
#include "mp3_encoder.h"
#include "pending_output.h"
#include "progress.h"

#include <sndfile.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr int FramesPerRead = 8192;

int fail(const std::string &file, const std::string &reason)
{
    std::fprintf(stderr, "L3ENC: %s: %s\n", file.c_str(), reason.c_str());
    return 1;
}

struct SoundFileCloser {
    void operator()(SNDFILE *file) const { sf_close(file); }
};

bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

std::int64_t readFrames(SNDFILE *file, short *samples, sf_count_t frames)
{
    return sf_readf_short(file, samples, frames);
}

std::int64_t readFrames(SNDFILE *file, float *samples, sf_count_t frames)
{
    return sf_readf_float(file, samples, frames);
}

template <typename Sample>
bool encodeAll(SNDFILE *input, int channels, Mp3Encoder &encoder, std::FILE *output,
               Progress &progress)
{
    std::vector<Sample> samples(std::size_t(FramesPerRead) * std::size_t(channels));
    std::int64_t framesDone = 0;
    for (std::int64_t frames; (frames = readFrames(input, samples.data(), FramesPerRead)) > 0;) {
        if (!encoder.encode(samples.data(), int(frames), output))
            return false;
        framesDone += frames;
        progress.update(framesDone);
    }
    return true;
}

int encode(const EncoderOptions &options)
{
    // Refused before anything is removed: replacing the output would delete the input.
    if (sameFile(options.input, options.output))
        return fail(options.output, "the output would replace the input");
    // The output goes first, so no failure below can leave an old MP3 that
    // passes for the product of this run.
    PendingOutput output;
    std::string error;
    if (!output.create(options.output, error))
        return fail(options.output, error);

    SF_INFO format{};
    std::unique_ptr<SNDFILE, SoundFileCloser> input(sf_open(options.input.c_str(), SFM_READ, &format));
    if (!input)
        return fail(options.input, std::string("cannot read: ") + sf_strerror(nullptr));
    const int container = format.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX)
        return fail(options.input, "not a WAV file");
    if (format.channels != 1 && format.channels != 2)
        return fail(options.input, "has " + std::to_string(format.channels)
                                       + " channels; only mono and stereo can be encoded");

    Mp3Encoder encoder;
    if (!encoder.configure(format.samplerate, format.channels, options, error))
        return fail(options.input, error);

    // 16-bit input goes to LAME as it is; anything else as floats, which keep
    // the precision of 24-bit and float files.
    const bool sixteenBit = (format.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    Progress progress(std::filesystem::path(options.input).filename().string(), format.frames,
                      format.samplerate);
    const bool encoded = sixteenBit
        ? encodeAll<short>(input.get(), format.channels, encoder, output.stream(), progress)
        : encodeAll<float>(input.get(), format.channels, encoder, output.stream(), progress);
    if (!encoded)
        return fail(options.output, "cannot write the MP3 data");
    if (sf_error(input.get()) != SF_ERR_NO_ERROR)
        return fail(options.input, std::string("read failed: ") + sf_strerror(input.get()));
    if (!encoder.finish(output.stream()) || !output.commit(error))
        return fail(options.output, error.empty() ? "cannot write the MP3 data" : error);
    progress.finish(format.frames);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const ParsedCommandLine parsed =
        ParseEncoderArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "L3ENC: %s\n%s", parsed.problem.c_str(), EncoderUsage().c_str());
        return 2;
    }
    RemovePendingOutputOnSignals();
    return encode(*parsed.options);
}
