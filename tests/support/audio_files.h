#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Test helpers: WAV files made with libsndfile, MP3 frame headers read back.

struct TestWav {
    int channels = 2;
    int sampleRate = 44100;
    int subtype = 0; // libsndfile sample format, e.g. SF_FORMAT_PCM_16
    double seconds = 1.0;
};

// Writes a two-tone sine WAV; false if libsndfile refuses.
bool WriteWav(const QString &path, const TestWav &wav);

struct Mp3FrameHeader {
    int version = 0;   // 10 MPEG-1, 20 MPEG-2, 25 MPEG-2.5
    int layer = 0;
    bool protectedByCrc = false;
    int bitrate = 0;   // bits per second
    int sampleRate = 0;
    bool mono = false;
    int length = 0;    // bytes, padding included
};

// Every frame of the file after its ID3v2 tag, if any; empty when the bytes
// are not a clean sequence of MPEG audio frames (a trailing ID3v1 tag allowed).
QList<Mp3FrameHeader> ReadMp3Frames(const QString &path);

// The bytes an ID3v2 tag at the front of `bytes` takes, header and footer
// included; 0 without one.
qsizetype Id3v2TagSize(const QByteArray &bytes);

// Seconds of audio libsndfile decodes from the file, or -1.
double DecodedSeconds(const QString &path);
