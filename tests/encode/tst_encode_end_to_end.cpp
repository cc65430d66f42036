#include "encode/encode_run.h"
#include "support/audio_files.h"
#include "support/script_runs.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace Qt::StringLiterals;

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
};

QTEST_GUILESS_MAIN(TestEncodeEndToEnd)
#include "tst_encode_end_to_end.moc"
