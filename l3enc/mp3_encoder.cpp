#include "mp3_encoder.h"

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstring>
#include <span>

namespace {

// LAME's stated worst case for one encode call.
std::size_t bufferSizeFor(int frames)
{
    return std::size_t(frames) * 5 / 4 + 7200;
}

// Beyond this a float sample is damage, not sound: 60 dB over full scale,
// a hundredth of the level (noise at 1e5) where LAME's arithmetic fails an
// assertion and aborts. Overs of music (2.0) stay as they are.
constexpr float LoudestSample = 1000.0f;

} // namespace

Mp3Encoder::Mp3Encoder() : m_lame(lame_init()) {}

Mp3Encoder::~Mp3Encoder()
{
    if (m_lame)
        lame_close(m_lame);
}

bool Mp3Encoder::configure(int sampleRate, int channels, const EncoderOptions &options,
                           std::string &error)
{
    if (!m_lame) {
        error = "the MP3 library could not start";
        return false;
    }
    m_channels = channels;
    lame_set_in_samplerate(m_lame, sampleRate);
    lame_set_num_channels(m_lame, channels);
    lame_set_mode(m_lame, options.downmix || channels == 1 ? MONO : JOINT_STEREO);
    if (options.vbrQuality >= 0) {
        // As "lame -V": the default VBR mode, its info frame with the seek table.
        lame_set_VBR(m_lame, vbr_default);
        lame_set_VBR_quality(m_lame, float(options.vbrQuality));
    } else {
        lame_set_VBR(m_lame, vbr_off);
        lame_set_brate(m_lame, options.bitrate / 1000); // LAME takes kbit/s
    }
    lame_set_quality(m_lame, options.highQuality ? 2 : 3);
    lame_set_error_protection(m_lame, options.crc ? 1 : 0);
    lame_set_bWriteVbrTag(m_lame, 1);
    lame_set_write_id3tag_automatic(m_lame, 0);
    lame_set_findReplayGain(m_lame, 0); // nothing would use it
    if (lame_init_params(m_lame) < 0) {
        error = "the MP3 library refused these settings";
        return false;
    }
    return true;
}

bool Mp3Encoder::write(int bytes, std::FILE *output, std::string &error)
{
    if (bytes < 0) {
        error = "the MP3 library failed (error " + std::to_string(bytes) + ")";
        return false;
    }
    if (std::fwrite(m_buffer.data(), 1, std::size_t(bytes), output) != std::size_t(bytes)) {
        error = std::string("cannot write: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool Mp3Encoder::encode(float *samples, int frames, std::FILE *output, std::string &error)
{
    for (float &sample : std::span(samples, std::size_t(frames) * std::size_t(m_channels))) {
        if (!(std::fabs(sample) <= LoudestSample)) { // NaN too
            sample = 0;
            ++m_silenced;
        }
    }
    m_buffer.resize(bufferSizeFor(frames));
    int bytes;
    if (m_channels == 2) {
        bytes = lame_encode_buffer_interleaved_ieee_float(m_lame, samples, frames, m_buffer.data(),
                                                          int(m_buffer.size()));
    } else {
        // The same buffer for both sides: the interleaved call would read two channels.
        bytes = lame_encode_buffer_ieee_float(m_lame, samples, samples, frames, m_buffer.data(),
                                              int(m_buffer.size()));
    }
    return write(bytes, output, error);
}

bool Mp3Encoder::encode(const short *samples, int frames, std::FILE *output,
                        std::string &error)
{
    m_buffer.resize(bufferSizeFor(frames));
    int bytes;
    if (m_channels == 2) {
        bytes = lame_encode_buffer_interleaved(m_lame, const_cast<short *>(samples), frames,
                                               m_buffer.data(), int(m_buffer.size()));
    } else {
        bytes = lame_encode_buffer(m_lame, samples, samples, frames, m_buffer.data(),
                                   int(m_buffer.size()));
    }
    return write(bytes, output, error);
}

bool Mp3Encoder::finish(std::FILE *output, std::string &error)
{
    m_buffer.resize(std::max<std::size_t>(m_buffer.size(), 7200));
    if (!write(lame_encode_flush(m_lame, m_buffer.data(), int(m_buffer.size())), output, error))
        return false;
    // At 8 kbit/s LAME gives no info frame; the stream is complete without it.
    const std::size_t infoSize = lame_get_lametag_frame(m_lame, nullptr, 0);
    if (infoSize == 0)
        return true;
    m_buffer.resize(std::max(m_buffer.size(), infoSize));
    const std::size_t written = lame_get_lametag_frame(m_lame, m_buffer.data(), m_buffer.size());
    if (written == 0)
        return true;
    if (std::fseek(output, 0, SEEK_SET) != 0) {
        error = std::string("cannot write: ") + std::strerror(errno);
        return false;
    }
    return write(int(written), output, error);
}
