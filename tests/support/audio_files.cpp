#include "audio_files.h"

#include <QFile>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

bool WriteWav(const QString &path, const TestWav &wav)
{
    SF_INFO info{};
    info.channels = wav.channels;
    info.samplerate = wav.sampleRate;
    info.format = SF_FORMAT_WAV | wav.subtype;
    // Through a descriptor: libsndfile cuts path names at 1,023 bytes.
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    SNDFILE *file = sf_open_fd(out.handle(), SFM_WRITE, &info, SF_FALSE);
    if (!file)
        return false;
    const auto frames = sf_count_t(wav.seconds * wav.sampleRate);
    std::vector<float> samples(std::size_t(frames * wav.channels));
    for (sf_count_t i = 0; i < frames; ++i) {
        for (int c = 0; c < wav.channels; ++c) {
            const double hz = c == 0 ? 440.0 : 660.0;
            samples[std::size_t(i * wav.channels + c)] =
                float(0.4 * std::sin(2 * std::numbers::pi * hz * double(i) / wav.sampleRate));
        }
    }
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

namespace {

const int Mpeg1Bitrates[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, -1};
const int Mpeg2Bitrates[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, -1};
const int Mpeg1Rates[4] = {44100, 48000, 32000, -1};

bool parseHeader(const unsigned char *b, Mp3FrameHeader &header)
{
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return false;
    const int versionBits = (b[1] >> 3) & 3;
    if (versionBits == 1)
        return false;
    header.version = versionBits == 3 ? 10 : versionBits == 2 ? 20 : 25;
    header.layer = 4 - ((b[1] >> 1) & 3);
    header.protectedByCrc = (b[1] & 1) == 0;
    const int kbits = (header.version == 10 ? Mpeg1Bitrates : Mpeg2Bitrates)[b[2] >> 4];
    const int rate = Mpeg1Rates[(b[2] >> 2) & 3];
    if (kbits <= 0 || rate < 0 || header.layer != 3)
        return false;
    header.bitrate = kbits * 1000;
    header.sampleRate = header.version == 10 ? rate : header.version == 20 ? rate / 2 : rate / 4;
    header.mono = (b[3] >> 6) == 3;
    const int padding = (b[2] >> 1) & 1;
    header.length = (header.version == 10 ? 144 : 72) * header.bitrate / header.sampleRate + padding;
    return true;
}

} // namespace

qsizetype Id3v2TagSize(const QByteArray &bytes)
{
    if (bytes.size() < 10 || !bytes.startsWith("ID3"))
        return 0;
    qsizetype size = 10;
    for (int i = 6; i < 10; ++i)
        size += qsizetype(bytes[i] & 0x7F) << (7 * (9 - i));
    if (bytes[5] & 0x10)
        size += 10; // a footer
    return qMin(size, bytes.size());
}

QList<Mp3FrameHeader> ReadMp3Frames(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.size() >= 128 && bytes.right(128).startsWith("TAG"))
        bytes.chop(128);
    QList<Mp3FrameHeader> frames;
    qsizetype offset = Id3v2TagSize(bytes);
    while (offset + 4 <= bytes.size()) {
        Mp3FrameHeader header;
        if (!parseHeader(reinterpret_cast<const unsigned char *>(bytes.constData() + offset), header))
            return {};
        frames.append(header);
        offset += header.length;
    }
    return offset == bytes.size() ? frames : QList<Mp3FrameHeader>();
}

double DecodedSeconds(const QString &path)
{
    SF_INFO info{};
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    SNDFILE *file = sf_open_fd(in.handle(), SFM_READ, &info, SF_FALSE);
    if (!file)
        return -1;
    // Count what really decodes rather than trusting the header's estimate.
    std::vector<float> buffer(std::size_t(4096 * info.channels));
    sf_count_t frames = 0;
    for (sf_count_t got; (got = sf_readf_float(file, buffer.data(), 4096)) > 0;)
        frames += got;
    sf_close(file);
    return double(frames) / info.samplerate;
}
