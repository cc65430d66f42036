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

int encode(const EncoderOptions &options)
{
    SF_INFO format{};
    std::unique_ptr<SNDFILE, SoundFileCloser> input(sf_open(options.input.c_str(), SFM_READ, &format));
    if (!input)
        return fail(options.input, std::string("cannot read: ") + sf_strerror(nullptr));
    if ((format.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV
        && (format.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAVEX)
        return fail(options.input, "not a WAV file");
    if (format.channels != 1 && format.channels != 2)
        return fail(options.input, "has " + std::to_string(format.channels)
                                       + " channels; only mono and stereo can be encoded");
    if (sameFile(options.input, options.output))
        return fail(options.output, "the output would replace the input");

    Mp3Encoder encoder;
    std::string error;
    if (!encoder.configure(format.samplerate, format.channels, options, error))
        return fail(options.input, error);

    PendingOutput output;
    if (!output.create(options.output, error))
        return fail(options.output, error);

    Progress progress(std::filesystem::path(options.input).filename().string(), format.frames,
                      format.samplerate);
    std::vector<float> samples(std::size_t(FramesPerRead) * std::size_t(format.channels));
    std::int64_t framesDone = 0;
    for (;;) {
        const sf_count_t frames = sf_readf_float(input.get(), samples.data(), FramesPerRead);
        if (frames <= 0)
            break;
        if (!encoder.encode(samples.data(), int(frames), output.stream()))
            return fail(options.output, "cannot write the MP3 data");
        framesDone += frames;
        progress.update(framesDone);
    }
    if (sf_error(input.get()) != SF_ERR_NO_ERROR)
        return fail(options.input, std::string("read failed: ") + sf_strerror(input.get()));
    if (!encoder.finish(output.stream()) || !output.commit(error))
        return fail(options.output, error.empty() ? "cannot write the MP3 data" : error);
    progress.finish(framesDone);
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
