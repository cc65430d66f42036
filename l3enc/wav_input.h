#pragma once

#include "base/unique_fd.h"

#include <sndfile.h>

#include <string>
#include <sys/stat.h>

// The WAV to encode, opened and checked completely before anything else is
// touched: a regular file (never a FIFO or device, so opening cannot block),
// WAV, WAVE_FORMAT_EXTENSIBLE or RF64 (the form of WAV for recordings over
// 4 GiB), mono or stereo, with at least one frame.
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
    int descriptor() const { return m_descriptor.get(); }
    const SF_INFO &format() const { return m_format; }
    // Which file it is, and in which state it was opened: to refuse an
    // output that is this very file, and to tell whether it changed.
    const struct stat &identity() const { return m_identity; }

private:
    UniqueFd m_descriptor;
    SNDFILE *m_file = nullptr;
    SF_INFO m_format{};
    struct stat m_identity{};
};
