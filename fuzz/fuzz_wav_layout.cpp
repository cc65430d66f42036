// The WAV chunk walker on any bytes: RIFF, RF64 and BW64 headers, their
// sizes (placeholders, hostile 64-bit ones) and the chunks after them.
#include "wav_layout.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The walker reads a descriptor, as L3ENC hands it the opened WAV.
    static const int fd = memfd_create("wav", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        return 0;
    const WavLayout layout = ReadWavLayout(fd, std::int64_t(size));
    // What libsndfile would count for a block-coded WAV: any number will do.
    if (layout.doubt.empty())
        (void)SecondsText(layout.declaredFrames(std::int64_t(size)), layout.sampleRate);
    return 0;
}
