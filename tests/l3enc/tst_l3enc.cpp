#include "support/audio_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// L3ENC run as a process, as the batch script runs it.
class TestL3enc : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Run {
        int exitCode;
        QByteArray errors;
        QByteArray receipt; // what it left for the script's delete decision
    };

    static Run encode(const QStringList &arguments)
    {
        QTemporaryDir receiptDir;
        const QString receipt = receiptDir.filePath(u"receipt"_s);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"L3ENC_RECEIPT"_s, receipt);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(L3ENC_PROGRAM), arguments);
        QFile left(receipt);
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        const QByteArray said = left.open(QIODevice::ReadOnly) ? left.readAll() : QByteArray();
        return {ended ? process.exitCode() : -1, process.readAllStandardError(), said};
    }

    // The value written over three samples of a float WAV, as damage lands.
    static bool damage(const QString &path, int subtype, double value)
    {
        QFile wav(path);
        if (!wav.open(QIODevice::ReadWrite))
            return false;
        const qint64 data = wav.readAll().indexOf("data") + 8;
        char bytes[8];
        const float single = float(value);
        const qsizetype width = subtype == SF_FORMAT_FLOAT ? 4 : 8;
        std::memcpy(bytes, width == 4 ? static_cast<const void *>(&single) : &value, std::size_t(width));
        for (const qint64 at : {data + 40000, data + 40000 + width, data + 200000}) {
            if (!wav.seek(at) || wav.write(bytes, width) != width)
                return false;
        }
        return true;
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

    // Variable bitrate: the MP3 decodes to exactly what "lame -V" makes of
    // the same WAV, sample for sample and as long, its frames of varying
    // rates behind a Xing frame (the seek table players use), the switches
    // working with it.
    void vbrMatchesLame_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QStringList>("switches"); // ours; LAME's are the same but for -hq (-h)
        QTest::newRow("stereo -V 2") << 2 << QStringList{u"-V"_s, u"2"_s};
        QTest::newRow("stereo -V 0, high quality") << 2 << QStringList{u"-V"_s, u"0"_s, u"-hq"_s};
        QTest::newRow("mono -V 9, CRC") << 1 << QStringList{u"-V"_s, u"9"_s, u"-crc"_s};
        QTest::newRow("stereo -V 5, downmixed") << 2 << QStringList{u"-V"_s, u"5"_s, u"-dm"_s};
        // Measuring the loudness changes nothing of what is encoded.
        QTest::newRow("stereo -V 2, measured") << 2 << QStringList{u"-V"_s, u"2"_s, u"-replaygain"_s, u"%1"_s};
    }
    void vbrMatchesLame()
    {
        QFETCH(int, channels);
        QFETCH(QStringList, switches);
        if (QStandardPaths::findExecutable(u"lame"_s).isEmpty())
            QSKIP("lame is not installed");
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"in.wav"_s);
        QVERIFY(WriteWav(wav, {channels, 44100, SF_FORMAT_PCM_16, 3.0}));
        switches.replaceInStrings(u"%1"_s, dir.filePath(u"loudness"_s));
        const QString ours = dir.filePath(u"ours.mp3"_s);
        QCOMPARE(encode(QStringList{wav, ours} + switches).exitCode, 0);
        QStringList lameSwitches{u"--quiet"_s, u"-V"_s, switches[1]};
        if (switches.contains(u"-hq"_s))
            lameSwitches << u"-h"_s;
        if (switches.contains(u"-crc"_s))
            lameSwitches << u"-p"_s;
        if (switches.contains(u"-dm"_s))
            lameSwitches << u"-m"_s << u"m"_s;
        const QString theirs = dir.filePath(u"lame.mp3"_s);
        QCOMPARE(QProcess::execute(u"lame"_s, lameSwitches + QStringList{wav, theirs}), 0);
        const auto decoded = [](const QString &mp3) {
            QProcess ffmpeg;
            ffmpeg.start(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-i"_s, mp3, u"-f"_s, u"s16le"_s, u"-"_s});
            ffmpeg.waitForFinished(60000);
            return ffmpeg.readAllStandardOutput();
        };
        const QByteArray samples = decoded(ours);
        const QList<Mp3FrameHeader> frames = ReadMp3Frames(ours);
        QVERIFY(!frames.isEmpty());
        // At the lowest qualities LAME halves the rate, as "lame -V" does.
        const int rate = frames[0].sampleRate;
        QCOMPARE(samples.size(), qsizetype(rate * 3) * 2 * (frames[0].mono ? 1 : 2));
        QVERIFY(samples == decoded(theirs));
        QFile file(ours);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(400).contains("Xing"));
        QSet<int> rates;
        for (const Mp3FrameHeader &frame : frames)
            rates.insert(frame.bitrate);
        QVERIFY(rates.size() > 1);
    }

    // The tracks of an image, one range each: every MP3 decodes (through its
    // info frame's delay and padding) to exactly its frames, and the
    // receipts say which frames of how many, for the image's delete.
    void ranges_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<qint64>>("cuts"); // the tracks' first frames, then the end
        QTest::newRow("CD, 16-bit") << int(SF_FORMAT_PCM_16) << 44100
                                    << QList<qint64>{0, 23520, 60000, 132300};
        QTest::newRow("48 kHz 24-bit, a sector not whole") << int(SF_FORMAT_PCM_24) << 48000
                                                           << QList<qint64>{0, 30720, 144000};
        QTest::newRow("IMA ADPCM, read up to the start") << int(SF_FORMAT_IMA_ADPCM) << 44100
                                                         << QList<qint64>{0, 44100, 88200};
    }
    void ranges()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(QList<qint64>, cuts);
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"image.wav"_s);
        QVERIFY(WriteWav(wav, {2, rate, format, double(cuts.last()) / rate}));
        // A block-coded WAV holds whole blocks: its end is where they end.
        SF_INFO info{};
        SNDFILE *file = sf_open(QFile::encodeName(wav).constData(), SFM_READ, &info);
        QVERIFY(file);
        sf_close(file);
        cuts.last() = info.frames;
        for (qsizetype track = 0; track + 1 < cuts.size(); ++track) {
            const QString mp3 = dir.filePath(u"%1.mp3"_s.arg(track));
            QStringList range{u"-from"_s, QString::number(cuts[track])};
            if (track + 2 < cuts.size()) // the last runs to the end
                range << u"-to"_s << QString::number(cuts[track + 1]);
            const Run run = encode(QStringList{wav, mp3, u"-br"_s, u"128000"_s} + range);
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.receipt.startsWith("safe frames %1 %2 %3 "_ba.replace("%1", QByteArray::number(cuts[track]))
                                                .replace("%2", QByteArray::number(cuts[track + 1]))
                                                .replace("%3", QByteArray::number(cuts.last()))),
                     run.receipt.constData());
            QProcess ffmpeg;
            ffmpeg.start(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-i"_s, mp3, u"-f"_s, u"s16le"_s, u"-"_s});
            QVERIFY(ffmpeg.waitForFinished(60000));
            QCOMPARE(ffmpeg.readAllStandardOutput().size() / 4, cuts[track + 1] - cuts[track]);
        }
    }

    // Overs of music encode as they are; far beyond any sound a sample is
    // damage: made silence, counted, and the WAV kept. LAME aborts on such
    // values (noise at 1e5 already) and on NaN.
    void damagedFloats_data()
    {
        QTest::addColumn<int>("subtype");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("exitCode");
        for (const int subtype : {int(SF_FORMAT_FLOAT), int(SF_FORMAT_DOUBLE)}) {
            const char *bits = subtype == SF_FORMAT_FLOAT ? "32" : "64";
            const auto row = [&](const char *name, double value, int exitCode) {
                QTest::addRow("%s-bit %s", bits, name) << subtype << value << exitCode;
            };
            row("1.5", 1.5, 0);
            row("2.0", 2.0, 0);
            row("1000, the loudest sound", 1000.0, 0);
            row("1e6", 1e6, 3);
            row("1e30", 1e30, 3);
            row("-3.4e38", -3.4e38, 3);
            row("denormal", subtype == SF_FORMAT_FLOAT ? 1e-40 : 1e-310, 0);
        }
        QTest::newRow("64-bit 1e300, beyond any float") << int(SF_FORMAT_DOUBLE) << 1e300 << 3;
    }
    void damagedFloats()
    {
        QFETCH(int, subtype);
        QFETCH(double, value);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"in.wav"_s);
        const QString mp3 = dir.filePath(u"out.mp3"_s);
        QVERIFY(WriteWav(wav, {2, 44100, subtype, 1.0}));
        QVERIFY(damage(wav, subtype, value));

        const Run run = encode({wav, mp3, u"-br"_s, u"128000"_s});
        QVERIFY2(run.exitCode == exitCode, run.errors.constData());
        QVERIFY(ReadMp3Frames(mp3).size() > 10);
        QVERIFY(qAbs(DecodedSeconds(mp3) - 1.0) < 0.05);
        if (exitCode == 0) {
            QVERIFY2(run.receipt.startsWith("safe "), run.receipt.constData());
        } else {
            QVERIFY2(run.errors.contains(": 3 damaged samples"), run.errors.constData());
            QCOMPARE(run.receipt,
                     "keep it holds damaged samples (not numbers, or far beyond full scale)\n"_ba);
        }
    }

    // Sound WAVs as real tools write them: every one safe to delete. A tool
    // that is missing skips its rows; an empty command is libsndfile's own
    // file of the given format.
    void soundWavsAreSafe_data()
    {
        QTest::addColumn<QString>("command"); // writes x.wav
        QTest::addColumn<int>("subtype");
        const QString sox = u"sox -n -r 8000 -c 1 %1 x.wav synth 1.3 sine 440"_s;
        const QString ffmpeg = u"ffmpeg -v error -f lavfi -i sine=sample_rate=8000:duration=%1 "
                               "-c:a %2 x.wav"_s;
        const QString odd = u"0.125125"_s; // 1001 frames
        QTest::newRow("sox 8-bit mono, odd data") << sox.arg(u"-b 8"_s).replace(u"1.3"_s, odd) << 0;
        QTest::newRow("sox 24-bit mono, odd data") << sox.arg(u"-b 24"_s).replace(u"1.3"_s, odd) << 0;
        QTest::newRow("sox IMA ADPCM") << sox.arg(u"-e ima-adpcm"_s) << 0;
        QTest::newRow("sox MS ADPCM") << sox.arg(u"-e ms-adpcm"_s) << 0;
        QTest::newRow("sox GSM 6.10") << sox.arg(u"-e gsm-full-rate"_s) << 0;
        QTest::newRow("sox 32-bit float stereo") << sox.arg(u"-c 2 -b 32 -e floating-point"_s) << 0;
        QTest::newRow("ffmpeg 8-bit mono, odd data") << ffmpeg.arg(odd, u"pcm_u8"_s) << 0;
        QTest::newRow("ffmpeg 24-bit mono, odd data, extensible") << ffmpeg.arg(odd, u"pcm_s24le"_s) << 0;
        QTest::newRow("ffmpeg IMA ADPCM") << ffmpeg.arg(u"1.3"_s, u"adpcm_ima_wav"_s) << 0;
        QTest::newRow("ffmpeg MS ADPCM") << ffmpeg.arg(u"1.3"_s, u"adpcm_ms"_s) << 0;
        QTest::newRow("ffmpeg GSM 6.10") << ffmpeg.arg(u"1.3"_s, u"gsm_ms"_s) << 0;
        QTest::newRow("ffmpeg RF64") << ffmpeg.arg(u"1.3"_s, u"pcm_s16le -rf64 always"_s) << 0;
        QTest::newRow("ffmpeg bext and LIST")
            << ffmpeg.arg(u"1.3"_s, u"pcm_s16le -write_bext 1 -metadata title=T -metadata comment=C"_s)
            << 0;
        QTest::newRow("fact, bext, iXML, cue, smpl, JUNK, PAD, LIST before and after, odd data")
            << u"python3 '"_s + QStringLiteral(MAKE_WAVS) + u"' chunks x.wav 1001"_s << 0;
        QTest::newRow("libsndfile 8-bit mono, odd data") << QString() << int(SF_FORMAT_PCM_U8);
        QTest::newRow("libsndfile 24-bit mono, odd data") << QString() << int(SF_FORMAT_PCM_24);
        QTest::newRow("libsndfile IMA ADPCM") << QString() << int(SF_FORMAT_IMA_ADPCM);
        QTest::newRow("libsndfile MS ADPCM") << QString() << int(SF_FORMAT_MS_ADPCM);
        QTest::newRow("libsndfile GSM 6.10") << QString() << int(SF_FORMAT_GSM610);
    }
    void soundWavsAreSafe()
    {
        QFETCH(QString, command);
        QFETCH(int, subtype);
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"x.wav"_s);
        if (command.isEmpty()) {
            QVERIFY(WriteWav(wav, {1, 8000, subtype, 0.1252})); // 1,001 frames
        } else {
            const QString tool = command.section(u' ', 0, 0);
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(tool + u" is not installed"_s));
            QProcess maker;
            maker.setWorkingDirectory(dir.path());
            maker.start(u"sh"_s, {u"-c"_s, command});
            QVERIFY(maker.waitForFinished(60000));
            QVERIFY2(maker.exitCode() == 0 && QFile::exists(wav), maker.readAllStandardError().constData());
        }
        const Run run = encode({wav, dir.filePath(u"x.mp3"_s), u"-br"_s, u"64000"_s});
        QVERIFY2(run.exitCode == 0, run.errors.constData());
        QVERIFY2(run.receipt.startsWith("safe "), run.receipt.constData());
    }

    // Names that could break a line or reach the terminal as a control
    // sequence are shown as `ls` quotes them, in every message.
    void namesShownEscaped_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("newline") << "x\nFinished: 9 of 9 MP3(s) made.wav"_ba;
        QTest::newRow("carriage return") << "over\rwritten.wav"_ba;
        QTest::newRow("terminal title") << "\033]0;owned\007.wav"_ba;
        QTest::newRow("clear screen") << "\033[2J.wav"_ba;
        QTest::newRow("a lone 0xFF byte") << "lone \xFF byte.wav"_ba;
        QTest::newRow("C1 control (CSI)") << "c1 \xC2\x9B" "2J.wav"_ba;
        QTest::newRow("DEL and a quote") << "it's\x7F.wav"_ba;
    }
    void namesShownEscaped()
    {
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
        QVERIFY(::close(::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644)) == 0);
        QProcess ls;
        ls.setWorkingDirectory(dir.path());
        ls.start(u"ls"_s, {u"--quoting-style=shell-escape"_s});
        QVERIFY(ls.waitForFinished());
        const QByteArray shown = ls.readAllStandardOutput().trimmed();
        QVERIFY(!shown.isEmpty() && !shown.contains('\n'));

        QProcess process; // the name's very bytes, which Qt cannot pass on
        process.setWorkingDirectory(dir.path());
        process.start(u"sh"_s, {u"-c"_s, u"\"$0\" * out.mp3 -br 128000"_s,
                                QStringLiteral(L3ENC_PROGRAM)});
        QVERIFY(process.waitForFinished());
        ::unlink(path.constData()); // a name Qt cannot remove either
        const QByteArray errors = process.readAllStandardError();
        QCOMPARE(process.exitCode(), 1); // an empty file is no WAV
        QVERIFY2(errors.startsWith(QByteArray("L3ENC: " + shown + ": ")), errors.constData());
        QCOMPARE(errors.count('\n'), 1);
        const QByteArray line = errors.chopped(1);
        for (const char c : line)
            QVERIFY2(uchar(c) >= 0x20 && uchar(c) != 0x7F && uchar(c) != 0xFF, errors.constData());
    }

    // Another program opening the WAV for writing breaks the lease L3ENC
    // probes with; the kernel's SIGIO must not end it.
    void survivesALeaseBreak()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"in.wav"_s);
        QVERIFY(WriteWav(wav, {2, 44100, SF_FORMAT_PCM_16, 0.2}));
        QProcess writer;
        writer.start(u"python3"_s, {QStringLiteral(SLOW_WRITER), u"touch"_s, wav, u"60"_s});
        QVERIFY(writer.waitForReadyRead(20000));
        for (int i = 0; i < 20; ++i) {
            const Run run = encode({wav, dir.filePath(u"out.mp3"_s), u"-br"_s, u"128000"_s});
            QVERIFY2(run.exitCode == 0
                         || (run.exitCode == 3 && run.receipt.contains("open for writing")),
                     qPrintable(QString::number(run.exitCode) + u' ' + QString::fromUtf8(run.errors)));
        }
        writer.kill();
        writer.waitForFinished();
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
        QTest::newRow("range past the end") << u"good.wav"_s << u"out.mp3"_s
                                            << QStringList{u"-from"_s, u"100"_s, u"-to"_s, u"22051"_s}
                                            << 1;
        QTest::newRow("range holding no frame")
            << u"good.wav"_s << u"out.mp3"_s << QStringList{u"-from"_s, u"9"_s, u"-to"_s, u"9"_s} << 2;
        QTest::newRow("range start not a number") << u"good.wav"_s << u"out.mp3"_s
                                                  << QStringList{u"-from"_s, u"-5"_s} << 2;
        QTest::newRow("a bitrate and a VBR quality") << u"good.wav"_s << u"out.mp3"_s
                                                     << QStringList{u"-V"_s, u"2"_s} << 2;
        QTest::newRow("VBR quality 10") << u"good.wav"_s << u"out.mp3"_s
                                        << QStringList{u"-V"_s, u"10"_s} << 2;
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
