#include "replay_gain.h"

#include <QList>

#include <charconv>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr double ReferenceLoudness = -18.0; // LUFS, ReplayGain 2.0
constexpr double LoudnessOffset = -0.691;   // BS.1770: loudness of a mean square of 1

double energyOf(double loudness)
{
    return std::pow(10.0, (loudness - LoudnessOffset) / 10.0);
}

// The mean of the blocks at or above `threshold`, with their count.
std::pair<double, std::size_t> meanAbove(const std::vector<double> &blocks, double threshold)
{
    double sum = 0;
    std::size_t count = 0;
    for (const double block : blocks) {
        if (block >= threshold) {
            sum += block;
            ++count;
        }
    }
    return {count > 0 ? sum / double(count) : 0.0, count};
}

std::optional<double> number(QByteArrayView word)
{
    double value = 0;
    const auto [end, error] = std::from_chars(word.begin(), word.end(), value);
    if (error != std::errc() || end != word.end() || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

LoudnessReading ReadLoudness(const QByteArray &text)
{
    double peak = 0;
    bool peakSeen = false;
    std::vector<double> blocks;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(' ');
        const std::optional<double> value = number(line.sliced(blank + 1));
        if (blank < 0 || !value)
            return {};
        if (line.first(blank) == "peak") {
            peak = std::max(peak, *value);
            peakSeen = true;
        } else if (line.first(blank) == "block") {
            blocks.push_back(*value);
        } else {
            return {};
        }
    }
    if (!peakSeen)
        return {};
    const auto [absoluteMean, aboveAbsolute] = meanAbove(blocks, energyOf(-70.0));
    if (aboveAbsolute == 0)
        return {true, std::nullopt};
    const double relativeGate = std::max(absoluteMean / 10.0, energyOf(-70.0));
    const double loudness = 10.0 * std::log10(meanAbove(blocks, relativeGate).first) + LoudnessOffset;
    return {true, ReplayGainValues{QString::number(ReferenceLoudness - loudness, 'f', 2) + u" dB"_s,
                                   QString::number(peak, 'f', 6)}};
}
