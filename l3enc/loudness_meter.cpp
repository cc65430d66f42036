#include "loudness_meter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>

void LoudnessMeter::Close::operator()(ebur128_state *state) const
{
    ebur128_destroy(&state);
}

LoudnessMeter::LoudnessMeter() = default;
LoudnessMeter::~LoudnessMeter() = default;

bool LoudnessMeter::start(int sampleRate, int channels, std::string &error)
{
    m_state.reset(ebur128_init(unsigned(channels), unsigned(sampleRate), EBUR128_MODE_M));
    if (!m_state) {
        error = "the loudness meter cannot take " + std::to_string(channels) + " channels at "
            + std::to_string(sampleRate) + " Hz";
        return false;
    }
    m_channels = channels;
    m_hop = (sampleRate + 5) / 10;
    m_untilBlock = 4 * m_hop; // the first block once 400 ms are in
    return true;
}

namespace {

int addFrames(ebur128_state *state, const short *samples, std::size_t frames)
{
    return ebur128_add_frames_short(state, samples, frames);
}

int addFrames(ebur128_state *state, const float *samples, std::size_t frames)
{
    return ebur128_add_frames_float(state, samples, frames);
}

// The sample peak, full scale 1, as libebur128 would scale it: a plain loop
// the compiler vectorises costs next to nothing, libebur128's own nearly
// half of its measurement.
double peakOf(const short *samples, std::size_t count)
{
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak / 32768.0;
}

double peakOf(const float *samples, std::size_t count)
{
    float peak = 0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

} // namespace

// libebur128 closes a gating block each time a hop is filled; handing it the
// audio up to each such end lets its momentary loudness, the last 400 ms,
// read off exactly that block.
template <typename Sample>
void LoudnessMeter::addInHops(const Sample *samples, std::int64_t frames)
{
    m_peak = std::max(m_peak, peakOf(samples, std::size_t(frames) * std::size_t(m_channels)));
    while (frames > 0) {
        const std::int64_t piece = std::min(frames, m_untilBlock);
        addFrames(m_state.get(), samples, std::size_t(piece));
        samples += piece * m_channels;
        frames -= piece;
        m_untilBlock -= piece;
        if (m_untilBlock > 0)
            continue;
        double loudness = -HUGE_VAL;
        ebur128_loudness_momentary(m_state.get(), &loudness);
        m_blocks.push_back(std::isfinite(loudness) ? std::pow(10.0, (loudness + 0.691) / 10.0)
                                                   : 0.0);
        m_untilBlock = m_hop;
    }
}

void LoudnessMeter::add(const short *samples, std::int64_t frames)
{
    addInHops(samples, frames);
}

void LoudnessMeter::add(const float *samples, std::int64_t frames)
{
    addInHops(samples, frames);
}

std::string LoudnessMeter::report() const
{
    std::string text;
    text.reserve(16 * (m_blocks.size() + 1));
    char line[48];
    std::snprintf(line, sizeof line, "peak %.9g\n", m_peak);
    text += line;
    for (const double energy : m_blocks) {
        std::snprintf(line, sizeof line, "block %.9g\n", energy);
        text += line;
    }
    return text;
}
