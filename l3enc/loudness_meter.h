#pragma once

#include <ebur128.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The loudness of the samples as they are encoded (ITU-R BS.1770, on
// libebur128), for ReplayGain: the energy of every 400 ms gating block, one
// block every 100 ms, and the sample peak. Blocks, not a number: an album's
// loudness gates the blocks of all its tracks together, and its tracks are
// encoded by separate runs.
class LoudnessMeter {
public:
    LoudnessMeter();
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter &) = delete;
    LoudnessMeter &operator=(const LoudnessMeter &) = delete;

    bool start(int sampleRate, int channels, std::string &error);

    // Interleaved frames: 16-bit integers, or floats in -1..1.
    void add(const short *samples, std::int64_t frames);
    void add(const float *samples, std::int64_t frames);

    // "peak P" and a line "block E" a block: what the tagging run reads,
    // and what a concatenation of several such texts pools.
    std::string report() const;

private:
    template <typename Sample>
    void addInHops(const Sample *samples, std::int64_t frames);

    struct Close {
        void operator()(ebur128_state *state) const;
    };
    std::unique_ptr<ebur128_state, Close> m_state;
    int m_channels = 0;
    std::int64_t m_hop = 0;       // frames in 100 ms, as libebur128 counts them
    std::int64_t m_untilBlock = 0; // frames until the next block ends
    std::vector<double> m_blocks;
    double m_peak = 0;
};
