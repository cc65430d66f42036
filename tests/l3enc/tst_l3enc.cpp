#include "support/audio_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace Qt::StringLiterals;

// L3ENC run as a process, as the batch script runs it.
class TestL3enc : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Run {
        int exitCode;
        QByteArray errors;
    };

    static Run encode(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(L3ENC_PROGRAM), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, process.readAllStandardError()};
        return {process.exitCode(), process.readAllStandardError()};
    }

    // Nothing but the given files in the directory: no temporary file left.
    void expectOnly(const QString &directory, const QStringList &names)
    {
        QStringList found = QDir(directory).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QStringList expected = names;
        expected.sort();
        QCOMPARE(found, expected);
    }

private Q_SLOTS:
    void encodes_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("bitrate");
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<int>("version");
        const QStringList none;
        QTest::newRow("stereo 16-bit 128k") << 2 << int(SF_FORMAT_PCM_16) << 128000 << none << 10;
        QTest::newRow("stereo 16-bit 128k crc") << 2 << int(SF_FORMAT_PCM_16) << 128000
                                                << QStringList{u"-crc"_s} << 10;
        QTest::newRow("stereo 24-bit 256k hq") << 2 << int(SF_FORMAT_PCM_24) << 256000
                                               << QStringList{u"-hq"_s} << 10;
        QTest::newRow("stereo float 128k downmix") << 2 << int(SF_FORMAT_FLOAT) << 128000
                                                   << QStringList{u"-dm"_s} << 10;
        QTest::newRow("stereo 8-bit 8k") << 2 << int(SF_FORMAT_PCM_U8) << 8000 << none << 25;
        QTest::newRow("mono 16-bit 128k") << 1 << int(SF_FORMAT_PCM_16) << 128000 << none << 10;
        QTest::newRow("mono 8-bit 8k crc") << 1 << int(SF_FORMAT_PCM_U8) << 8000
                                           << QStringList{u"-crc"_s} << 25;
        QTest::newRow("mono float 256k all switches") << 1 << int(SF_FORMAT_FLOAT) << 256000
                                                      << QStringList{u"-crc"_s, u"-hq"_s, u"-dm"_s}
                                                      << 10;
        QTest::newRow("mono 24-bit 8k hq") << 1 << int(SF_FORMAT_PCM_24) << 8000
                                           << QStringList{u"-hq"_s} << 25;
    }
    void encodes()
    {
        QFETCH(int, channels);
        QFETCH(int, format);
        QFETCH(int, bitrate);
        QFETCH(QStringList, switches);
        QFETCH(int, version);
        QTemporaryDir dir; // each row its own: a failed one leaves nothing for the next
        const QString wav = dir.filePath(u"in.wav"_s);
        const QString mp3 = dir.filePath(u"out.mp3"_s);
        QVERIFY(WriteWav(wav, {channels, 44100, format, 2.0}));

        const Run run = encode(QStringList{wav, mp3, u"-br"_s, QString::number(bitrate)} + switches);
        QCOMPARE(run.exitCode, 0);
        const QList<Mp3FrameHeader> frames = ReadMp3Frames(mp3);
        QVERIFY(frames.size() > 10);
        for (const Mp3FrameHeader &frame : frames) {
            QCOMPARE(frame.version, version);
            QCOMPARE(frame.bitrate, bitrate);
            QCOMPARE(frame.mono, channels == 1 || switches.contains(u"-dm"_s));
            QCOMPARE(frame.protectedByCrc, switches.contains(u"-crc"_s));
        }
        // At 8 kbit/s there is no info frame to trim the encoder's delay and
        // padding by: two 72 ms frames or so more.
        const double seconds = DecodedSeconds(mp3);
        QVERIFY2(qAbs(seconds - 2.0) < (bitrate == 8000 ? 0.25 : 0.05),
                 qPrintable(QString::number(seconds)));
        expectOnly(dir.path(), {u"in.wav"_s, u"out.mp3"_s}); // no temporary file left
    }

    void failuresLeaveTheOutputAsItWas_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("missing input") << u"missing.wav"_s << u"out.mp3"_s << QStringList() << 1;
        QTest::newRow("not a WAV") << u"text.wav"_s << u"out.mp3"_s << QStringList() << 1;
        QTest::newRow("bad switch") << u"good.wav"_s << u"out.mp3"_s << QStringList{u"-x"_s} << 2;
        QTest::newRow("output directory missing") << u"good.wav"_s << u"no/out.mp3"_s
                                                  << QStringList() << 1;
        QTest::newRow("output below a file") << u"good.wav"_s << u"text.wav/out.mp3"_s
                                             << QStringList() << 1;
        QTest::newRow("output is the input") << u"good.wav"_s << u"good.wav"_s << QStringList() << 1;
    }
    void failuresLeaveTheOutputAsItWas()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QStringList, switches);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QVERIFY(WriteWav(dir.filePath(u"good.wav"_s), {2, 44100, SF_FORMAT_PCM_16, 0.5}));
        QFile text(dir.filePath(u"text.wav"_s));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(5000, 'x'));
        text.close();
        // A failed encode keeps an earlier MP3 as it was: the script deletes
        // a WAV only after its encoder succeeded, so nothing can mistake it.
        QFile old(dir.filePath(u"out.mp3"_s));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old mp3");
        old.close();

        const Run run = encode(QStringList{dir.filePath(input), dir.filePath(output), u"-br"_s,
                                           u"128000"_s} + switches);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.errors.isEmpty());
        expectOnly(dir.path(), {u"good.wav"_s, u"text.wav"_s, u"out.mp3"_s});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old mp3"));
        QVERIFY(ReadMp3Frames(dir.filePath(u"good.wav"_s)).isEmpty()); // input intact
        QCOMPARE(QFileInfo(dir.filePath(u"good.wav"_s)).size(), 44 + 44100 * 4 / 2);
    }

    void badBitrates_data()
    {
        QTest::addColumn<QString>("bitrate");
        QTest::newRow("too low") << u"7000"_s;
        QTest::newRow("too high") << u"321000"_s;
        QTest::newRow("not whole kbit") << u"128500"_s;
        QTest::newRow("not a number") << u"fast"_s;
    }
    void badBitrates()
    {
        QFETCH(QString, bitrate);
        const Run run = encode({m_dir.filePath(u"a.wav"_s), m_dir.filePath(u"b.mp3"_s), u"-br"_s,
                                bitrate});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.errors.contains("Usage:"));
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("--help") << u"--help"_s << "Usage: L3ENC"_ba;
        QTest::newRow("--version") << u"--version"_s << "L3ENC " SONDRAKE_VERSION " (LAME "_ba;
    }
    void helpAndVersion()
    {
        QFETCH(QString, argument);
        QFETCH(QByteArray, output);
        QProcess process;
        process.start(QStringLiteral(L3ENC_PROGRAM), {argument});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().startsWith(output));
        QVERIFY(process.readAllStandardError().isEmpty());
    }

    void interruptLeavesNothing()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"long.wav"_s);
        QVERIFY(WriteWav(wav, {2, 44100, SF_FORMAT_PCM_16, 240.0}));
        QProcess process;
        process.start(QStringLiteral(L3ENC_PROGRAM),
                      {wav, dir.filePath(u"out.mp3"_s), u"-br"_s, u"128000"_s, u"-hq"_s});
        QVERIFY(process.waitForStarted());
        QTest::qWait(300);
        if (process.state() != QProcess::Running)
            QSKIP("the encode finished before it could be interrupted");
        process.terminate();
        QVERIFY(process.waitForFinished());
        expectOnly(dir.path(), {u"long.wav"_s});
    }
};

QTEST_GUILESS_MAIN(TestL3enc)
#include "tst_l3enc.moc"
