#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// ReplayGain 2.0 as the tags carry it: the gain to -18 LUFS ("-6.52 dB")
// and the sample peak ("0.988525", full scale 1).
struct ReplayGainValues {
    QString gain;
    QString peak;

    bool operator==(const ReplayGainValues &) const = default;
};

// What an encoder's loudness measurement gives: lines "peak P" and "block E"
// (a 400 ms block's mean square, K-weighted and summed over the channels),
// of one track or of several written one after another (an album). The
// blocks are gated as ITU-R BS.1770 says: above -70 LUFS, then above 10 LU
// below the loudness of those.
struct LoudnessReading {
    bool valid = false; // the text is such a measurement
    std::optional<ReplayGainValues> values; // none: nothing above the gates (silence, under 0.4 s)
};

LoudnessReading ReadLoudness(const QByteArray &text);
