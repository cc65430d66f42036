#pragma once

#include <sndfile.h>

#include <string>
#include <sys/stat.h>

// The WAV to encode, opened and checked completely before anything else is
// touched: a regular file (never a FIFO or device, so opening cannot block),
// WAV or WAVE_FORMAT_EXTENSIBLE, mono or stereo, with at least one frame.
// libsndfile reads it through our own descriptor, so any path Linux allows
// names exactly that file.
class WavInput {
public:
    WavInput() = default;
    ~WavInput();
    WavInput(const WavInput &) = delete;
    WavInput &operator=(const WavInput &) = delete;

    bool open(const std::string &path, std::string &error);

    SNDFILE *file() const { return m_file; }
    const SF_INFO &format() const { return m_format; }
    // Which file it is, to refuse an output that is this very file.
    const struct stat &identity() const { return m_identity; }

private:
    int m_descriptor = -1;
    SNDFILE *m_file = nullptr;
    SF_INFO m_format{};
    struct stat m_identity{};
};
