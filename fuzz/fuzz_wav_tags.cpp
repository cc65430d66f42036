// The WAV tag reader on any bytes: its own walk to the tag chunks (RIFF and
// RF64, sizes that lie) and TagLib's reading of the INFO lists and ID3v2
// tags it finds there.
#include "tag/wav_tags.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The reader opens a path: the fuzzer's bytes in memory, under a name.
    static const int fd = memfd_create("tagged.wav", MFD_CLOEXEC);
    static const QString path = u"/proc/self/fd/"_s + QString::number(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        return 0;
    const WavTags tags = ReadWavTags(path);
    (void)WithWavTags({}, tags.fields);
    return 0;
}
