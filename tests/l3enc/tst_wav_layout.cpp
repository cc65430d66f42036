#include "support/riff_bytes.h"
#include "wav_layout.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <cstring>

using namespace Qt::StringLiterals;

// The chunk walk that decides whether a WAV may be deleted once encoded:
// every way a file can promise more, or hold more, than its chunks say.
namespace {

// 16-bit stereo at 1000 Hz: four bytes a frame, so sizes read as seconds.
const QByteArray Format = // clazy:exclude=non-pod-global-static (a fixture)
    RiffChunk("fmt ", QByteArray::fromHex("01000200e8030000a00f000004001000"));

QByteArray riff(const QByteArray &chunks, qint64 declared = -1)
{
    return "RIFF" + LittleEndian32(quint32(declared < 0 ? chunks.size() + 4 : declared)) + "WAVE" + chunks;
}

// What the reader would count, for a layout that leaves the count to it.
constexpr qint64 ReaderFrames = 777;

QByteArray audio(int seconds)
{
    return QByteArray(qsizetype(seconds) * 4000, '\x11');
}

} // namespace

class TestWavLayout : public QObject {
    Q_OBJECT

    static WavLayout layoutOf(const QByteArray &bytes, qint64 size = -1)
    {
        QTemporaryFile file;
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
            return {0, 0, 0, "cannot write the fixture"};
        if (size >= 0 && !file.resize(size))
            return {0, 0, 0, "cannot grow the fixture"};
        return ReadWavLayout(int(file.handle()), size >= 0 ? size : bytes.size());
    }

private Q_SLOTS:
    void layouts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("frames"); // declared, for a complete file
        QTest::addColumn<QString>("doubt"); // its start; empty for a complete file

        const QByteArray data2 = RiffChunk("data", audio(2));
        QTest::newRow("complete") << riff(Format + data2) << qint64(2000) << QString();
        QTest::newRow("a LIST chunk after the data")
            << riff(Format + data2 + RiffChunk("LIST", "INFOINAM\x05\0\0\0Title"_ba)) << qint64(2000)
            << QString();
        QTest::newRow("odd chunk, padded") << riff(Format + RiffChunk("junk", "abc") + data2)
                                           << qint64(2000) << QString();
        const QByteArray odd = RiffChunk("data", audio(1) + "x").chopped(1); // pad byte left out
        QTest::newRow("odd data chunk last, pad byte left out")
            << riff(Format + odd, 4 + Format.size() + odd.size()) << qint64(1000) << QString();
        QTest::newRow("odd data chunk last, pad counted but not written")
            << riff(Format + odd, 4 + Format.size() + odd.size() + 1) << qint64(1000) << QString();

        QTest::newRow("ffmpeg still recording")
            << riff(Format + RiffChunk("data", audio(1), 0xFFFFFFFF), 0xFFFFFFFF) << qint64(0)
            << u"still being written"_s;
        QTest::newRow("sox still recording")
            << riff(Format + RiffChunk("data", audio(1), 0x7FFFF000), 0x7FFFF000) << qint64(0)
            << u"still being written"_s;
        QTest::newRow("data placeholder, RIFF size filled in")
            << riff(Format + RiffChunk("data", audio(1), 0xFFFFFFFF)) << qint64(0)
            << u"still being written"_s;
        QTest::newRow("truncated: 10 s declared, 4 s there")
            << riff(Format + RiffChunk("data", audio(4), 40000), 4 + Format.size() + 8 + 40000)
            << qint64(0) << u"not a complete WAV: 10.0 s declared, 4.0 s found"_s;
        QTest::newRow("audio after the data chunk")
            << riff(Format + RiffChunk("data", audio(1)) + audio(3), 4 + Format.size() + 8 + 4000)
            << qint64(0) << u"holds more than its header says (12000 bytes after its end)"_s;
        QTest::newRow("data size short of the audio, RIFF size covers it")
            << riff(Format + RiffChunk("data", audio(1)) + audio(3)) << qint64(0)
            << u"not a complete WAV: a chunk runs past the end of the file"_s;
        QTest::newRow("a chunk larger than the file")
            << riff(Format + data2 + RiffChunk("LIST", "x", 0x7FFFFFF0)) << qint64(0)
            << u"not a complete WAV: a chunk runs past the end of the file"_s;
        QTest::newRow("RIFF size beyond the file")
            << riff(Format + data2, 4 + Format.size() + data2.size() + 100) << qint64(0)
            << u"not a complete WAV: the file is shorter than its header says"_s;
        QTest::newRow("cut inside a chunk header")
            << riff(Format + data2 + "LIS"_ba, 4 + Format.size() + data2.size() + 8) << qint64(0)
            << u"not a complete WAV: a chunk header is cut short"_s;
        QTest::newRow("no format chunk") << riff(data2) << qint64(0)
                                         << u"not a complete WAV: its format or data chunk is missing"_s;
        QTest::newRow("header cut short") << "RIFF\x10\0"_ba << qint64(0)
                                          << u"not a complete WAV: its header is cut short"_s;
        QTest::newRow("not RIFF") << QByteArray("OggS" + QByteArray(40, '\0')) << qint64(0)
                                  << u"not a RIFF WAVE file"_s;

        const QByteArray ds64 = RiffChunk("ds64", LittleEndian64(4 + 36 + Format.size() + data2.size())
                                                  + LittleEndian64(quint64(audio(2).size())) + LittleEndian64(2000)
                                                  + LittleEndian32(0));
        const QByteArray rf64Body = ds64 + Format + RiffChunk("data", audio(2), 0xFFFFFFFF);
        QTest::newRow("RF64") << QByteArray("RF64" + LittleEndian32(0xFFFFFFFF) + "WAVE" + rf64Body)
                              << qint64(2000) << QString();
        QTest::newRow("BW64") << QByteArray("BW64" + LittleEndian32(0xFFFFFFFF) + "WAVE" + rf64Body)
                              << qint64(2000) << QString();
        // Block-coded: 256-byte blocks of 505 frames, mono at 8000 Hz.
        const QByteArray ima = RiffChunk("fmt ", QByteArray::fromHex("11000100401f0000d70f000000010400"
                                                                      "0200f901"));
        const QByteArray blocks = RiffChunk("data", QByteArray(512, '\x11'));
        QTest::newRow("IMA ADPCM: frames from its fact chunk")
            << riff(ima + RiffChunk("fact", LittleEndian32(1000)) + blocks) << qint64(1000) << QString();
        QTest::newRow("IMA ADPCM without a fact chunk: the reader's count")
            << riff(ima + blocks) << ReaderFrames << QString();
        QTest::newRow("IMA ADPCM cut short: seconds from its blocks")
            << riff(ima + RiffChunk("data", QByteArray(512, '\x11'), 2560), 4 + ima.size() + 8 + 2560)
            << qint64(0) << u"not a complete WAV: 0.6 s declared, 0.1 s found"_s;
        const QByteArray extensible = RiffChunk(
            "fmt ", QByteArray::fromHex("feff0200e8030000a00f000004001000160010000300000001000000"
                                        "000010008000 00aa00389b71"_ba.replace(' ', "")));
        QTest::newRow("WAVE_FORMAT_EXTENSIBLE PCM") << riff(extensible + data2) << qint64(2000) << QString();

        // RF64 sizes up to 2^64 - 1 are compared, never added past the largest offset.
        const auto rf64 = [](quint64 riffSize, quint64 dataSize, const QByteArray &after) {
            const QByteArray sizes = RiffChunk("ds64", LittleEndian64(riffSize) + LittleEndian64(dataSize)
                                                           + LittleEndian64(2000) + LittleEndian32(0));
            return QByteArray("RF64" + LittleEndian32(0xFFFFFFFF) + "WAVE" + sizes + Format
                              + RiffChunk("data", audio(2), 0xFFFFFFFF) + after);
        };
        for (const quint64 size : {quint64(1) << 63, ~quint64(0) >> 1, ~quint64(0), ~quint64(0) - 7}) {
            QTest::addRow("RF64 data size %llx", qulonglong(size))
                << rf64(200, size, {}) << qint64(0) << u"not a complete WAV: "_s;
            QTest::addRow("RF64 RIFF size %llx", qulonglong(size))
                << rf64(size, 8000, {}) << qint64(0)
                << u"not a complete WAV: the file is shorter than its header says"_s;
        }
        QTest::newRow("RF64, a chunk of 4 GiB after the data")
            << rf64(4 + 36 + Format.size() + data2.size() + 8, 8000, RiffChunk("LIST", "x", 0xFFFFFFFF))
            << qint64(0) << u"not a complete WAV: a chunk runs past the end of the file"_s;
        QTest::newRow("RF64 without its ds64 chunk")
            << QByteArray("RF64" + LittleEndian32(0xFFFFFFFF) + "WAVE" + Format + data2) << qint64(0)
            << u"not a complete WAV: its RF64 sizes are missing"_s;
    }
    void layouts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, frames);
        QFETCH(QString, doubt);
        const WavLayout layout = layoutOf(bytes);
        QVERIFY2(QString::fromStdString(layout.doubt).startsWith(doubt),
                 layout.doubt.c_str());
        QCOMPARE(layout.doubt.empty(), doubt.isEmpty());
        if (doubt.isEmpty())
            QCOMPARE(layout.declaredFrames(ReaderFrames), frames);
    }

    // A sparse file past 4 GiB with the sizes ffmpeg leaves for a long
    // recording: judged from its headers alone, at once.
    void over4GiBWithoutRf64()
    {
        const QByteArray bytes = riff(Format + RiffChunk("data", audio(1), 0xFFFFFFFF), 0xFFFFFFFF);
        const WavLayout layout = layoutOf(bytes, (qint64(1) << 32) + 4096);
        QCOMPARE(QString::fromStdString(layout.doubt),
                 u"over 4 GiB but not RF64: its sizes cannot describe it"_s);
    }
};

QTEST_GUILESS_MAIN(TestWavLayout)
#include "tst_wav_layout.moc"
