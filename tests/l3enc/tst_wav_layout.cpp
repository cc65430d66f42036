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
            QCOMPARE(layout.declaredFrames(), frames);
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
