#include "wav_input.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

WavInput::~WavInput()
{
    if (m_file)
        sf_close(m_file); // leaves the descriptor to its owner
}

bool WavInput::open(const std::string &path, std::string &error)
{
    // Non-blocking, so a FIFO cannot hold the open; the type check follows.
    m_descriptor.reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!m_descriptor || ::fstat(m_descriptor.get(), &m_identity) != 0) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(m_identity.st_mode)) {
        error = "not a regular file";
        return false;
    }
    ::fcntl(m_descriptor.get(), F_SETFL, ::fcntl(m_descriptor.get(), F_GETFL) & ~O_NONBLOCK);
    m_file = sf_open_fd(m_descriptor.get(), SFM_READ, &m_format, SF_FALSE);
    if (!m_file) {
        error = std::string("cannot read: ") + sf_strerror(nullptr);
        return false;
    }
    const int container = m_format.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX && container != SF_FORMAT_RF64) {
        error = "not a WAV file";
        return false;
    }
    if (m_format.channels != 1 && m_format.channels != 2) {
        error = "has " + std::to_string(m_format.channels)
            + " channels; only mono and stereo can be encoded";
        return false;
    }
    if (m_format.frames <= 0) {
        error = "holds no audio (its data chunk is empty)";
        return false;
    }
    return true;
}
