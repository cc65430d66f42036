#include "encode/encode_run.h"
#include "encode/image_tracks.h"
#include "encode/track_sheets.h"
#include "support/audio_files.h"
#include "support/script_runs.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace Qt::StringLiterals;

namespace {

// What another program prints about `mp3`; empty (and the test skipped) where
// it is not installed.
QString readBack(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program, {u"/usr/bin"_s});
    if (found.isEmpty())
        return {};
    QProcess process;
    process.start(found, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Runs the encode of `request` through the real script; false if it hung.
bool runEncode(const EncodeRequest &request)
{
    const EncodeOutcome outcome =
        RunEncode(request, [](const QString &directory, const QString &script) {
            return RunScript(directory, script).finished ? Result::success()
                                                         : Result::failure(u"did not end"_s);
        });
    return outcome.kind == EncodeOutcome::Kind::Started;
}

// The first number in a line of `text` that begins with `key`.
double numberAfter(const QString &text, const QString &key)
{
    for (const QString &line : text.split(u'\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).split(QRegularExpression(u"[^-0-9.]"_s), Qt::SkipEmptyParts)
                .value(0, u"nan"_s).toDouble();
    }
    return qQNaN();
}

} // namespace

// The whole job below the windows: the script built, run by sh with the real
// L3ENC and the real tagging run, and its results read back byte for byte.
class TestEncodeEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodesRenamesTagsAndDeletesOnlyWhatWasMade()
    {
        QTemporaryDir dir;
        const QString encoderDir = dir.filePath(u"L3ENC dir"_s);
        const QString wavDir = dir.filePath(u"my wavs"_s);
        const QString mp3Dir = dir.filePath(u"mp3 out"_s);
        for (const QString &path : {encoderDir, wavDir, mp3Dir})
            QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::copy(QStringLiteral(L3ENC_PROGRAM), encoderDir + u"/L3ENC"_s));

        const QStringList names{u"It's \"live\" $1.wav"_s, u"Déjà vu.wav"_s, u"broken.wav"_s,
                                u"untagged.wav"_s, u"kept.wav"_s};
        for (const QString &name : names) {
            if (name == u"broken.wav"_s) {
                QFile corrupt(wavDir + u'/' + name);
                QVERIFY(corrupt.open(QIODevice::WriteOnly));
                corrupt.write("RIFF....WAVEfmt garbage");
            } else {
                QVERIFY(WriteWav(wavDir + u'/' + name, {2, 44100, SF_FORMAT_PCM_16, 0.5}));
            }
        }

        EncodeRequest request;
        request.directory = wavDir;
        request.bitrate = u"128000"_s;
        request.switches = {false, false, true, true};
        request.encoderPath = encoderDir;
        request.destination = mp3Dir + u'/';
        request.appPath = QStringLiteral(APP_PATH);
        for (const QString &name : names) {
            request.files.append({name, name != u"kept.wav"_s});
            const bool tagged = name != u"untagged.wav"_s;
            request.entries.append(tagged ? MakeTagEntry({u"Title of "_s + name.chopped(4), u"Ärtist"_s,
                                                          u"Album"_s, u"2024"_s, u"Jazz+Funk"_s,
                                                          u"Comment 'x'"_s})
                                          : NewTagEntry());
        }

        QByteArray output;
        const EncodeOutcome outcome = RunEncode(
            request, [&](const QString &directory, const QString &script) {
                const ScriptRun run = RunScript(directory, script);
                output = run.output;
                return run.finished ? Result::success() : Result::failure(u"did not end"_s);
            });
        QCOMPARE(outcome.kind, EncodeOutcome::Kind::Started);

        // WAVs whose MP3s were made are gone; the broken one and the
        // unselected one stay.
        QStringList wavsLeft = QDir(wavDir).entryList(QDir::Files);
        wavsLeft.sort();
        QCOMPARE(wavsLeft, QStringList({u"broken.wav"_s, u"kept.wav"_s}));
        QStringList mp3s = QDir(mp3Dir).entryList(QDir::Files | QDir::Hidden);
        mp3s.sort();
        QCOMPARE(mp3s, QStringList({u"Déjà vu.mp3"_s, u"It's \"live\" $1.mp3"_s,
                                    u"untagged.mp3"_s}));

        for (const QString &name : {u"It's \"live\" $1"_s, u"Déjà vu"_s}) {
            const QString mp3 = mp3Dir + u'/' + name + u".mp3"_s;
            QVERIFY2(ReadMp3Frames(mp3).size() > 10, qPrintable(mp3));
            QFile file(mp3);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray trailer = file.readAll().right(128);
            const QByteArray expected = "TAG" + QString(u"Title of "_s + name).leftJustified(30).toLatin1()
                + QByteArray("\xC4rtist").leftJustified(30) + QByteArray("Album").leftJustified(30)
                + "2024" + QByteArray("Comment 'x'").leftJustified(30) + char(29);
            QCOMPARE(trailer, expected);
        }
        // No title, artist or album: no tagging run, no trailer.
        QFile untagged(mp3Dir + u"/untagged.mp3"_s);
        QVERIFY(untagged.open(QIODevice::ReadOnly));
        QVERIFY(!untagged.readAll().right(128).startsWith("TAG"));
        QVERIFY2(output.contains("broken.wav"), output.constData());
    }

    // A CD image with its cue sheet: one MP3 a track, tagged from the sheet,
    // each decoding to exactly its frames and all of them to the WAV's; the
    // WAV goes once every track is done, the sheet stays.
    void anImageBecomesItsTracks()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"Album.wav"_s);
        QVERIFY(WriteWav(wav, {2, 44100, SF_FORMAT_PCM_16, 20.0}));
        QFile cue(dir.filePath(u"Album.cue"_s));
        QVERIFY(cue.open(QIODevice::WriteOnly));
        cue.write("PERFORMER \"The Band\"\nTITLE \"The Album\"\nREM DATE 1999\n"
                  "FILE \"ALBUM.WAV\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"Intro/Outro\"\n"
                  "    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    TITLE \"Déjà vu\"\n"
                  "    PERFORMER \"Guest\"\n    SONGWRITER \"Writer\"\n    ISRC GBAYE0601498\n"
                  "    INDEX 00 00:05:00\n    INDEX 01 00:07:33\n  TRACK 03 AUDIO\n"
                  "    INDEX 01 00:13:01\n");
        cue.close();
        const auto found = FindTrackSheets(dir.path(), {u"Album.wav"_s}, "windows-1252");
        QVERIFY(found[0] && found[0]->reading.sheet);

        EncodeRequest request;
        request.directory = dir.path();
        request.bitrate = u"128000"_s;
        request.switches.autoDelete = true;
        request.encoderPath = QFileInfo(QStringLiteral(L3ENC_PROGRAM)).path();
        request.destination = dir.path() + u'/';
        request.appPath = QStringLiteral(APP_PATH);
        request.files.append({u"Album.wav"_s, true});
        request.entries.append(NewTagEntry());
        request.tracks.append(ImageTracksFor(*found[0]->reading.sheet, {}, false));
        QVERIFY(runEncode(request));

        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, QStringList({u"01 - Intro_Outro.mp3"_s, u"02 - Déjà vu.mp3"_s,
                                    u"03 - Track 03.mp3"_s, u"Album.cue"_s}));
        const qint64 starts[] = {0, (7 * 75 + 33) * 588, (13 * 75 + 1) * 588, 20 * 44100};
        for (int i = 0; i < 3; ++i) {
            QProcess ffmpeg;
            ffmpeg.start(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-i"_s, dir.filePath(left[i]),
                                       u"-f"_s, u"s16le"_s, u"-"_s});
            QVERIFY(ffmpeg.waitForFinished(60000));
            QCOMPARE(ffmpeg.readAllStandardOutput().size() / 4, starts[i + 1] - starts[i]);
        }
        const QString mutagen = readBack(u"python3"_s, {u"-c"_s, uR"(import sys, mutagen.mp3
t = mutagen.mp3.MP3(sys.argv[1]).tags
print(*(t[k] for k in ('TIT2', 'TPE1', 'TALB', 'TDRC', 'TRCK', 'TPE2', 'TCOM', 'TSRC')), sep='|')
)"_s, dir.filePath(left[1])});
        if (mutagen.isEmpty())
            QSKIP("mutagen (python3-mutagen) is not installed");
        QCOMPARE(mutagen, u"Déjà vu|Guest|The Album|1999|2/3|The Band|Writer|GBAYE0601498\n"_s);
        const QString ffprobe =
            readBack(u"ffprobe"_s, {u"-v"_s, u"error"_s, u"-show_entries"_s,
                                    u"format_tags=title,artist,album_artist,track"_s, u"-of"_s,
                                    u"default=nw=1"_s, dir.filePath(left[1])});
        QStringList probed = ffprobe.split(u'\n', Qt::SkipEmptyParts);
        probed.sort(); // in the tag's own order
        QCOMPARE(probed, QStringList({u"TAG:album_artist=The Band"_s, u"TAG:artist=Guest"_s,
                                      u"TAG:title=Déjà vu"_s, u"TAG:track=2/3"_s}));
    }

    // The whole tag as other players read it back: mutagen, FFmpeg and
    // GStreamer; the trailer still the cut, and the audio untouched.
    void playersReadTheWholeTag_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QByteArray>("trailerTitle");
        const QString longTitle = QString(195, u'x') + u" end."_s;
        QTest::newRow("Cyrillic") << u"01 - Калинка.wav"_s << u"Калинка"_s << u"Народная"_s
                                  << u"2.4"_s << "???????"_ba;
        QTest::newRow("Japanese, 2.3") << u"02 - 夜明け.wav"_s << u"夜明け"_s << u"朝"_s
                                       << u"2.3"_s << "???"_ba;
        QTest::newRow("emoji") << u"03 - Sun.wav"_s << u"Sunrise 😀 🌅"_s << u"☀"_s << u"2.4"_s
                               << "Sunrise ? ?"_ba;
        QTest::newRow("200 characters") << u"04 - Long.wav"_s << longTitle << u"c"_s << u"2.4"_s
                                        << QByteArray(30, 'x');
        QTest::newRow("decomposed, composed in both tags")
            << u"05 - Cafe.wav"_s << QString(25, u'y') + u" cafe\u0301"_s << u"c"_s << u"2.3"_s
            << QByteArray(25, 'y') + " caf\xe9";
        QTest::newRow("empty comment") << u"06 - Quiet.wav"_s << u"Quiet"_s << QString()
                                       << u"2.3"_s << "Quiet"_ba;
        // Whole wherever the trailer holds the cut, the cut by characters a person sees.
        QTest::newRow("emoji first") << u"07 - Note.wav"_s
                                     << u"🎵 a long title that goes on well past thirty characters"_s
                                     << u"c"_s << u"2.4"_s << "? a long title that goes on we"_ba;
        QTest::newRow("CJK beyond 16 bits") << u"08 - Name.wav"_s
                                            << u"𠀋𠀋 Japanese name that runs on past thirty"_s
                                            << u"c"_s << u"2.3"_s << "?? Japanese name that runs on "_ba;
        QTest::newRow("vowel sign at the cut") << u"09 - Raga.wav"_s
                                               << u"Pandit Jasraj, Darbari Kanad राग दरबारी"_s
                                               << u"c"_s << u"2.4"_s
                                               << "Pandit Jasraj, Darbari Kanad ?"_ba;
        QTest::newRow("ZWNJ kept") << u"10 - Want.wav"_s << u"می‌خواهم"_s << u"c"_s << u"2.4"_s
                                   << "???????"_ba;
        QTest::newRow("ZWJ family kept") << u"11 - Family.wav"_s << u"👨‍👩‍👧 at home"_s
                                         << u"👨‍👩‍👧"_s << u"2.3"_s << "? at home"_ba;
    }
    void playersReadTheWholeTag()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, comment);
        QFETCH(QString, version);
        QFETCH(QByteArray, trailerTitle);
        QTemporaryDir dir;
        const QString wav = dir.filePath(name);
        QVERIFY(WriteWav(wav, {2, 44100, SF_FORMAT_PCM_16, 1.3}));
        QFile cover(dir.filePath(u"cover.png"_s));
        QVERIFY(cover.open(QIODevice::WriteOnly));
        cover.write(QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8"
                                           "z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
        cover.close();

        EncodeRequest request;
        request.directory = dir.path();
        request.bitrate = u"128000"_s;
        request.encoderPath = QFileInfo(QStringLiteral(L3ENC_PROGRAM)).path();
        request.destination = dir.path() + u'/';
        request.appPath = QStringLiteral(APP_PATH);
        request.id3v2 = *Id3v2VersionFromWord(version);
        request.files.append({name, true});
        const TagFields whole{title, u"Артист"_s, u"Album"_s, u"2024"_s, u"Jazz+Funk"_s, comment};
        request.entries.append(MakeTagEntry(whole));
        // No track, disc or comment: none taken from what the shell exported either.
        const QString disc = comment.isEmpty() ? QString() : u"1"_s;
        request.extras.append({whole, u"3/12"_s, disc, cover.fileName(), {}, {}, {}});
        qputenv("SONDRAKE_DISC", "7/7");
        qputenv("SONDRAKE_COMMENT", "exported");
        const bool ran = runEncode(request);
        qunsetenv("SONDRAKE_DISC");
        qunsetenv("SONDRAKE_COMMENT");
        QVERIFY(ran);

        const QString mp3 = dir.filePath(name.chopped(4) + u".mp3"_s);
        QFile file(mp3);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.right(128).mid(3, 30), trailerTitle.leftJustified(30, ' '));
        QVERIFY(ReadMp3Frames(mp3).size() > 10); // one ID3v2 tag, then the audio
        const QString composed = title.normalized(QString::NormalizationForm_C);

        const QString mutagen = readBack(u"python3"_s, {u"-c"_s, uR"(import sys, mutagen.mp3
t = mutagen.mp3.MP3(sys.argv[1]).tags
print(t.version[1], t['TIT2'], t['TRCK'], t.get('TPOS', ''), len(t.getall('APIC')), sep='|')
print(t['COMM::eng'] if 'COMM::eng' in t else '')
)"_s, mp3});
        if (mutagen.isEmpty())
            QSKIP("mutagen (python3-mutagen) is not installed");
        QCOMPARE(mutagen, version.mid(2) + u'|' + composed + u"|3/12|"_s + disc + u"|1\n"_s + comment
                              + u'\n');

        const QString ffprobe = readBack(u"ffprobe"_s, {u"-v"_s, u"error"_s, u"-show_entries"_s,
                                                        u"format_tags=title,track"_s, u"-of"_s,
                                                        u"default=nw=1:nk=1"_s, mp3});
        QCOMPARE(ffprobe.split(u'\n', Qt::SkipEmptyParts),
                 QStringList({composed, u"3/12"_s}));
        // Gapless players decode exactly the WAV's samples: the encoder's
        // info frame is still the first frame after the tag.
        QProcess ffmpeg;
        ffmpeg.start(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-i"_s, mp3, u"-f"_s, u"s16le"_s, u"-"_s});
        QVERIFY(ffmpeg.waitForFinished(60000));
        QCOMPARE(ffmpeg.readAllStandardOutput().size(), qsizetype(44100 * 1.3) * 2 * 2);

        const QString gstreamer = readBack(u"gst-discoverer-1.0"_s, {u"-v"_s, mp3});
        if (gstreamer.isEmpty())
            QSKIP("gst-discoverer-1.0 (gstreamer1.0-plugins-base-apps) is not installed");
        QVERIFY2(gstreamer.contains(u"title: "_s + composed + u'\n')
                     && gstreamer.contains(u"track number: 3\n"_s)
                     && gstreamer.contains(u"image: buffer of 70 bytes, type: image/png"_s),
                 qPrintable(gstreamer));
    }

    // ReplayGain as measured while encoding, read back by FFmpeg: each
    // track's gain within 0.05 dB of loudgain's on the same WAV, the album's
    // of its "Album" line, the sample peak within 0.1 % of sox's.
    void replayGainAsLoudgainMeasures_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("2.4") << u"2.4"_s;
        QTest::newRow("2.3") << u"2.3"_s;
    }
    void replayGainAsLoudgainMeasures()
    {
        QFETCH(QString, version);
        for (const char *tool : {"loudgain", "sox", "ffprobe"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("loudgain, sox and ffprobe are needed");
        }
        struct Row {
            QString name;
            QString album; // "A": the album of three
            QStringList sox; // its making, after "sox -n"
        };
        const Row rows[] = {
            {u"loud.wav"_s, u"A"_s, {u"-r44100"_s, u"-c2"_s, u"-b16"_s, u"%1"_s, u"synth"_s, u"6"_s, u"pinknoise"_s, u"vol"_s, u"0.8"_s}},
            {u"quiet.wav"_s, u"A"_s, {u"-r44100"_s, u"-c2"_s, u"-b16"_s, u"%1"_s, u"synth"_s, u"4"_s, u"sine"_s, u"300"_s, u"vol"_s, u"0.02"_s}},
            {u"mono.wav"_s, u"A"_s, {u"-r44100"_s, u"-c1"_s, u"-b16"_s, u"%1"_s, u"synth"_s, u"3"_s, u"brownnoise"_s, u"vol"_s, u"0.5"_s}},
            {u"square.wav"_s, u"B"_s, {u"-r44100"_s, u"-c2"_s, u"-b16"_s, u"%1"_s, u"synth"_s, u"2"_s, u"square"_s, u"100"_s, u"norm"_s, u"0"_s}},
            {u"48k.wav"_s, u"C"_s, {u"-r48000"_s, u"-c2"_s, u"-b16"_s, u"%1"_s, u"synth"_s, u"2.5"_s, u"sine"_s, u"1000"_s, u"vol"_s, u"0.3"_s}},
            {u"24bit.wav"_s, u"D"_s, {u"-r96000"_s, u"-c2"_s, u"-b24"_s, u"%1"_s, u"synth"_s, u"2"_s, u"whitenoise"_s, u"vol"_s, u"0.1"_s}},
            {u"float.wav"_s, u"E"_s, {u"-r44100"_s, u"-c2"_s, u"-efloating-point"_s, u"-b32"_s, u"%1"_s, u"synth"_s, u"2"_s, u"sine"_s, u"5000"_s, u"vol"_s, u"0.9"_s}},
            {u"silence.wav"_s, u"F"_s, {u"-r44100"_s, u"-c2"_s, u"-b16"_s, u"%1"_s, u"trim"_s, u"0"_s, u"2"_s}},
        };
        QTemporaryDir dir;
        EncodeRequest request;
        request.directory = dir.path();
        request.bitrate = u"128000"_s;
        request.replayGain = true;
        request.id3v2 = *Id3v2VersionFromWord(version);
        request.encoderPath = QFileInfo(QStringLiteral(L3ENC_PROGRAM)).path();
        request.destination = dir.path() + u'/';
        request.appPath = QStringLiteral(APP_PATH);
        for (const Row &row : rows) {
            QStringList making = row.sox;
            making.replaceInStrings(u"%1"_s, dir.filePath(row.name));
            QCOMPARE(QProcess::execute(u"sox"_s, QStringList{u"-n"_s} + making), 0);
            request.files.append({row.name, true});
            request.entries.append(MakeTagEntry({row.name, u"Artist"_s, row.album, {}, {}, {}}));
        }
        QVERIFY(runEncode(request));

        const auto tag = [&](const QString &name, const QString &key) {
            const QString mp3 = dir.filePath(name.chopped(4) + u".mp3"_s);
            return readBack(u"ffprobe"_s, {u"-v"_s, u"error"_s, u"-show_entries"_s,
                                           u"format_tags="_s + key, u"-of"_s,
                                           u"default=nw=1:nk=1"_s, mp3}).trimmed();
        };
        const auto loudgain = [&](const QStringList &names) {
            QStringList paths;
            for (const QString &name : names)
                paths << dir.filePath(name);
            return readBack(u"loudgain"_s, QStringList{u"-q"_s, u"-a"_s, u"-O"_s} + paths);
        };
        const auto gainOf = [](const QString &line) { return numberAfter(line, QString()); };
        for (const Row &row : rows) {
            const QString measured = loudgain({row.name});
            const QString gain = tag(row.name, u"REPLAYGAIN_TRACK_GAIN"_s);
            if (row.name == u"silence.wav"_s) {
                QVERIFY2(gain.isEmpty(), qPrintable(gain)); // nothing to measure: no gain
                continue;
            }
            // loudgain's columns: file, loudness, range, true peak, ..., gain.
            const QStringList columns = measured.section(u'\n', 1, 1).split(u'\t');
            QVERIFY2(columns.size() > 8, qPrintable(measured));
            QVERIFY2(qAbs(gainOf(gain) - gainOf(columns[8])) <= 0.05,
                     qPrintable(row.name + u": "_s + gain + u" against "_s + columns[8]));
            QProcess sox;
            sox.start(u"sox"_s, {dir.filePath(row.name), u"-n"_s, u"stats"_s});
            QVERIFY(sox.waitForFinished(60000));
            const QString stats = QString::fromUtf8(sox.readAllStandardError());
            const double peak = qMax(qAbs(numberAfter(stats, u"Min level"_s)),
                                     qAbs(numberAfter(stats, u"Max level"_s)));
            const double ours = tag(row.name, u"REPLAYGAIN_TRACK_PEAK"_s).toDouble();
            QVERIFY2(qAbs(ours - peak) <= 0.001 * peak, qPrintable(row.name));
            // Alone in its album, its gain is the album's.
            if (row.album != u"A"_s)
                QCOMPARE(tag(row.name, u"REPLAYGAIN_ALBUM_GAIN"_s), gain);
        }
        const QString album = loudgain({u"loud.wav"_s, u"quiet.wav"_s, u"mono.wav"_s});
        const QStringList albumColumns = album.section(u'\n', 4, 4).split(u'\t');
        QVERIFY2(albumColumns.size() > 8 && albumColumns[0] == u"Album"_s, qPrintable(album));
        for (const QString &name : {u"loud.wav"_s, u"quiet.wav"_s, u"mono.wav"_s}) {
            QVERIFY2(qAbs(gainOf(tag(name, u"REPLAYGAIN_ALBUM_GAIN"_s)) - gainOf(albumColumns[8])) <= 0.05,
                     qPrintable(name + u": "_s + tag(name, u"REPLAYGAIN_ALBUM_GAIN"_s)));
            QCOMPARE(tag(name, u"REPLAYGAIN_ALBUM_PEAK"_s), tag(u"loud.wav"_s, u"REPLAYGAIN_TRACK_PEAK"_s));
        }
    }
};

QTEST_GUILESS_MAIN(TestEncodeEndToEnd)
#include "tst_encode_end_to_end.moc"
