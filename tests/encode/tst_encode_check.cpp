#include "encode/encode_check.h"
#include "encode/encode_run.h"
#include "encode/track_sheets.h"
#include "support/riff_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What Encode finds out before it writes anything: every refusal at once,
// and the MP3s it would replace.
class TestEncodeCheck : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    void touch(const QString &relative, bool executable = false)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path(relative)).path()));
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        if (executable)
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    }

    EncodeRequest request(const QStringList &names) const
    {
        EncodeRequest request;
        for (const QString &name : names) {
            request.files.append({name, true});
            request.entries.append(QString(125, u' '));
        }
        request.directory = path(u"wav"_s);
        request.bitrate = u"128000"_s;
        request.encoderPath = path(u"enc"_s);
        request.destination = path(u"mp3/"_s);
        request.appPath = u"/app/"_s;
        return request;
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        touch(u"enc/L3ENC"_s, true);
        QVERIFY(QDir().mkpath(path(u"mp3"_s)));
    }
    void cleanup() { m_dir.reset(); }

    void everyRefusalAtOnce()
    {
        const QStringList names{u"Song.wav"_s, u"song.wav"_s, u"a.wav"_s, u"a.WAV"_s, u"b\n%1.wav"_s,
                                u"B\n%1.wav"_s};
        for (const QString &name : names)
            touch(u"wav/"_s + name);
        EncodeRequest broken = request(names);
        broken.files.append({u"'t'$'\\377''.wav'"_s, true, true}); // as the list shows it
        broken.entries.append(QString(125, u' '));
        broken.destination = path(u"gone/"_s);
        QVERIFY(QFile::remove(path(u"enc/L3ENC"_s)));
        const EncodeCheck check = CheckEncodeRequest(broken);
        QCOMPARE(check.verdict, EncodeCheck::Verdict::Refused);
        for (const QString &reason : QStringList{u"gone/\" does not exist"_s, u"L3ENC was not found"_s,
                                      u"would all become \""_s + path(u"gone/Song.mp3"_s)
                                          + u"\": Song.wav, song.wav."_s,
                                      u"would all become \""_s + path(u"gone/a.mp3"_s)
                                          + u"\": a.wav, a.WAV."_s,
                                      // Names shown as ls quotes them: one line each.
                                      u"/gone/b'$'\\n''%1.mp3'\": 'b'$'\\n''%1.wav', 'B'$'\\n''%1.wav'."_s,
                                      u"not valid UTF-8, which the script cannot carry: "
                                      "'t'$'\\377''.wav'."_s})
            QVERIFY2(check.refusal.contains(reason), qPrintable(check.refusal));
    }

    void existingMp3sAreFoundAndCanBeSkipped()
    {
        for (const QString &name : {u"one.wav"_s, u"two.wav"_s, u"three.wav"_s})
            touch(u"wav/"_s + name);
        touch(u"mp3/two.mp3"_s);
        QVERIFY(QFile::link(path(u"nowhere"_s), path(u"mp3/three.mp3"_s))); // a dangling link too
        const EncodeCheck check = CheckEncodeRequest(request({u"one.wav"_s, u"two.wav"_s, u"three.wav"_s}));
        QCOMPARE(check.verdict, EncodeCheck::Verdict::Ready);
        QCOMPARE(check.existingMp3s, QStringList({path(u"mp3/two.mp3"_s), path(u"mp3/three.mp3"_s)}));
        const ScriptPlan skipped = WithoutExistingMp3s(check.plan, check.existingMp3s);
        QCOMPARE(skipped.groups.size(), 1);
        QCOMPARE(skipped.groups[0].listedName, u"one.wav"_s);
    }

    void skippingEverythingStartsNothing()
    {
        touch(u"wav/one.wav"_s);
        touch(u"mp3/one.mp3"_s);
        bool started = false;
        const EncodeOutcome outcome = StartEncode(CheckEncodeRequest(request({u"one.wav"_s})),
                                                  ExistingMp3s::Skip, [&](auto &&...) {
                                                      started = true;
                                                      return Result::success();
                                                  });
        QCOMPARE(outcome.kind, EncodeOutcome::Kind::Refused);
        QVERIFY(!started);
        QVERIFY(!QFile::exists(path(u"enc/TEMP.BAT"_s)));
    }

    // Which sheet describes which listed WAV, and what it makes of it: a
    // WAV of 4 s at 44.1 kHz, 16-bit stereo, whose first second is digital
    // silence, or not.
    void sheetsBesideTheWavs_data()
    {
        QTest::addColumn<QStringList>("files"); // "name=content"
        QTest::addColumn<QStringList>("found"); // per WAV: "sheet: tracks" or "sheet: problem", or ""
        const QString image = u"FILE \"%1\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:01:00\n"
                              "  TRACK 02 AUDIO\n    INDEX 01 00:02:00\n"_s;
        QTest::newRow("a sheet naming the WAV, silence before track 1")
            << QStringList{u"a.wav=silent"_s, u"rip.cue="_s + image.arg(u"A.WAV"_s)}
            << QStringList{u"rip.cue: 01 02"_s};
        QTest::newRow("audio before track 1 is track 0")
            << QStringList{u"a.wav=sound"_s, u"rip.cue="_s + image.arg(u"a.wav"_s)}
            << QStringList{u"rip.cue: 00 01 02"_s};
        QTest::newRow("by base name where no FILE line names a listed WAV")
            << QStringList{u"a.wav=silent"_s, u"b.wav=silent"_s, u"b.cue="_s + image.arg(u"b.flac"_s)}
            << QStringList{QString(), u"b.cue: 01 02"_s};
        QTest::newRow("per-track rip: each WAV one track")
            << QStringList{u"01.wav=sound"_s, u"02.wav=sound"_s,
                           u"disc.cue=FILE \"01.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                           "FILE \"02.wav\" WAVE\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n"_s}
            << QStringList{u"disc.cue: 01"_s, u"disc.cue: 02"_s};
        QTest::newRow("a binary file named .cue")
            << QStringList{u"a.wav=silent"_s, u"a.cue=\u0001\u0002ELF"_s}
            << QStringList{u"a.cue: it is not a text file"_s};
        QTest::newRow("Audacity labels; a notes file is no track list")
            << QStringList{u"a.wav=sound"_s, u"a.txt=0.5\t0.5\tIntro\n2\t3\tSong\n"_s,
                           u"b.wav=sound"_s, u"b.txt=Recorded in May.\n"_s}
            << QStringList{u"a.txt: 00 01 02"_s, QString()};
    }
    void sheetsBesideTheWavs()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, found);
        QStringList wavs;
        for (const QString &file : files) {
            const QString name = file.section(u'=', 0, 0);
            const QString content = file.section(u'=', 1);
            QFile out(path(u"wav/"_s + name));
            QVERIFY(QDir().mkpath(path(u"wav"_s)) && out.open(QIODevice::WriteOnly));
            if (name.endsWith(u".wav"_s)) {
                wavs << name;
                QByteArray audio(44100 * 4 * 4, '\0');
                for (qsizetype i = content == u"silent"_s ? 44100 * 4 : 0; i < audio.size(); i += 2)
                    audio[i] = char(i % 97);
                out.write("RIFF" + LittleEndian32(quint32(36 + audio.size())) + "WAVEfmt "
                          + LittleEndian32(16) + "\1\0\2\0"_ba + LittleEndian32(44100)
                          + LittleEndian32(44100 * 4) + "\4\0\x10\0"_ba + "data"
                          + LittleEndian32(quint32(audio.size())) + audio);
            } else {
                out.write(content.toUtf8());
            }
        }
        const QList<std::optional<FoundSheet>> sheets =
            FindTrackSheets(path(u"wav"_s), wavs, "windows-1252");
        QStringList seen;
        for (const std::optional<FoundSheet> &sheet : sheets) {
            QString said;
            if (sheet && sheet->reading.sheet) {
                said = sheet->sheetName + u':';
                for (const SheetTrack &track : sheet->reading.sheet->tracks)
                    said += u' ' + QString::number(track.number).rightJustified(2, u'0');
            } else if (sheet) {
                said = sheet->sheetName + u": "_s + sheet->reading.problem;
            }
            seen << said;
        }
        QCOMPARE(seen, found);
    }

    void question_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1
                             << u"An MP3 file exists already in the destination and would be "
                                "replaced:\n\n1.mp3\n\nReplace them, skip those files, or cancel?"_s;
        QTest::newRow("five, all named")
            << 5
            << u"5 MP3 files exist already in the destination and would be replaced:\n\n"
               "1.mp3\n2.mp3\n3.mp3\n4.mp3\n5.mp3\n\nReplace them, skip those files, or cancel?"_s;
        QTest::newRow("sixteen, the first five named")
            << 16
            << u"16 MP3 files exist already in the destination and would be replaced:\n\n"
               "1.mp3\n2.mp3\n3.mp3\n4.mp3\n5.mp3\n... and 11 more\n\n"
               "Replace them, skip those files, or cancel?"_s;
    }
    void question()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QStringList paths;
        for (int i = 1; i <= count; ++i)
            paths << u"/music/mp3/%1.mp3"_s.arg(i);
        QCOMPARE(ExistingMp3sQuestion(paths), expected);
    }
};

QTEST_GUILESS_MAIN(TestEncodeCheck)
#include "tst_encode_check.moc"
