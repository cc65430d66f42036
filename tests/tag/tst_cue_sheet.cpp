#include "tag/cue_sheet.h"
#include "tag/sheet_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A CD image of 4 minutes 40 seconds at 44.1 kHz.
constexpr qint64 CdFrames = 44100 * 280;

const QByteArray Eac = // clazy:exclude=non-pod-global-static (a fixture)
    "REM GENRE Rock\r\nREM DATE 1999\r\nREM COMMENT \"ExactAudioCopy v1.6\"\r\n"
    "REM DISCNUMBER 1\r\nREM TOTALDISCS 2\r\nPERFORMER \"The Band\"\r\nTITLE \"The Album\"\r\n"
    "FILE \"Album.wav\" WAVE\r\n"
    "  TRACK 01 AUDIO\r\n    TITLE \"One\"\r\n    INDEX 01 00:00:00\r\n"
    "  TRACK 02 AUDIO\r\n    TITLE \"Two\"\r\n    PERFORMER \"Guest\"\r\n"
    "    SONGWRITER \"Writer\"\r\n    ISRC GBAYE0601498\r\n"
    "    INDEX 00 03:10:00\r\n    INDEX 01 03:12:30\r\n"
    "  TRACK 03 AUDIO\r\n    TITLE \"Three\"\r\n    PREGAP 00:02:00\r\n    INDEX 01 04:00:74\r\n";

QByteArray sheet(const QByteArray &file, const QByteArray &tracks)
{
    return "TITLE \"A\"\nFILE \"" + file + "\" WAVE\n" + tracks;
}

QByteArray track(int number, const QByteArray &start, const QByteArray &title = {})
{
    return "  TRACK " + QByteArray::number(number).rightJustified(2, '0') + " AUDIO\n"
        + (title.isEmpty() ? QByteArray() : "    TITLE \"" + title + "\"\n") + "    INDEX 01 "
        + start + '\n';
}

// The track starts cuebreakpoints (Debian's cuetools) prints for a sheet, in
// sample frames at `rate`; empty when it is not installed.
QList<qint64> breakpoints(const QByteArray &bytes, int rate)
{
    if (QStandardPaths::findExecutable(u"cuebreakpoints"_s).isEmpty())
        return {};
    QTemporaryDir dir;
    QFile file(dir.filePath(u"sheet.cue"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    file.close();
    QProcess process;
    process.start(u"cuebreakpoints"_s, {file.fileName()});
    process.waitForFinished();
    QList<qint64> starts;
    static const QRegularExpression time(u"^(\\d+):(\\d+)\\.(\\d+)$"_s);
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        const QRegularExpressionMatch match = time.match(line.trimmed());
        if (match.hasMatch()) {
            const qint64 cueFrames = (match.captured(1).toLongLong() * 60
                                      + match.captured(2).toLongLong()) * 75
                + match.captured(3).toLongLong();
            starts << (cueFrames * rate * 2 + 75) / 150;
        }
    }
    return starts;
}

} // namespace

class TestCueSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Sheets as rippers write them -> each track's first frame (the end is
    // the next one's, the last the WAV's), its title, and what is refused.
    void sheets_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("codePage"); // for a sheet that names no encoding
        QTest::addColumn<QString>("wav");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<qint64>>("starts");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("problem");
        const QByteArray latin = "windows-1252";
        const QString wav = u"Album.wav"_s;
        const QStringList none;
        QTest::newRow("EAC, gaps to the track before, PREGAP")
            << Eac << latin << wav << 44100
            << QList<qint64>{0, (192 * 75 + 30) * 588, (240 * 75 + 74) * 588}
            << QStringList{u"One"_s, u"Two"_s, u"Three"_s} << QString();
        QTest::newRow("named in another case, in a folder")
            << sheet("C:\\Rips\\ALBUM.WAV", track(1, "00:00:00") + track(2, "01:00:00")) << latin
            << wav << 44100 << QList<qint64>{0, 60 * 44100} << QStringList{{}, {}} << QString();
        QTest::newRow("hidden first track")
            << sheet("Album.wav", "  TRACK 01 AUDIO\n    INDEX 00 00:00:00\n    INDEX 01 00:32:00\n"
                     + track(2, "02:00:00"))
            << latin << wav << 44100 << QList<qint64>{0, 32 * 44100, 120 * 44100}
            << QStringList{u"Track 00"_s, {}, {}} << QString();
        QTest::newRow("UTF-8 with a byte-order mark")
            << "\xEF\xBB\xBF" + sheet("Album.wav", track(1, "00:00:00", "Déjà vu")) << latin << wav
            << 44100 << QList<qint64>{0} << QStringList{u"Déjà vu"_s} << QString();
        QTest::newRow("UTF-8 without one")
            << sheet("Album.wav", track(1, "00:00:00", "Калинка")) << latin << wav << 44100
            << QList<qint64>{0} << QStringList{u"Калинка"_s} << QString();
        QTest::newRow("backslashes, one before the closing quote")
            << sheet("Album.wav", track(1, "00:00:00", "AC\\DC\\") + "    PERFORMER \"x\" y\n")
            << latin << wav << 44100 << QList<qint64>{0} << QStringList{u"AC\\DC\\"_s} << QString();
        QTest::newRow("Windows-1252") << sheet("Album.wav", track(1, "00:00:00", "Caf\xE9")) << latin
                                      << wav << 44100 << QList<qint64>{0} << QStringList{u"Café"_s}
                                      << QString();
        QTest::newRow("Shift-JIS") << sheet("Album.wav", track(1, "00:00:00", "\x96\xe9\x96\xbe\x82\xaf"))
                                   << "Shift_JIS"_ba << wav << 44100 << QList<qint64>{0}
                                   << QStringList{u"夜明け"_s} << QString();
        QTest::newRow("per-track rip: one FILE a track, this WAV whole")
            << "FILE \"01.wav\" WAVE\n" + track(1, "00:00:00", "First") + "FILE \"Album.wav\" WAVE\n"
                   + "  TRACK 02 AUDIO\n    TITLE \"Second\"\n    INDEX 01 00:00:00\n"
            << latin << wav << 44100 << QList<qint64>{0} << QStringList{u"Second"_s} << QString();
        QTest::newRow("48 kHz: 640 frames a sector")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "00:10:01")) << latin << wav
            << 48000 << QList<qint64>{0, (10 * 75 + 1) * 640} << QStringList{{}, {}} << QString();
        QTest::newRow("88.2 kHz: 1176 frames a sector")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "00:10:01")) << latin << wav
            << 88200 << QList<qint64>{0, (10 * 75 + 1) * 1176} << QStringList{{}, {}} << QString();
        QTest::newRow("96 kHz: 1280 frames a sector")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "00:10:01")) << latin << wav
            << 96000 << QList<qint64>{0, (10 * 75 + 1) * 1280} << QStringList{{}, {}} << QString();
        QTest::newRow("32 kHz: rounded to the nearest frame")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "00:00:01")) << latin << wav
            << 32000 << QList<qint64>{0, 427} << QStringList{{}, {}} << QString();
        // Bad sheets: refused with the line, the WAV offered whole.
        QTest::newRow("a line that does not parse")
            << sheet("Album.wav", track(1, "00:00:00") + "GARBAGE here\n") << latin << wav << 44100
            << QList<qint64>() << none << u"line 5: \"GARBAGE\" is no cue sheet command"_s;
        QTest::newRow("FILE type MP3") << "FILE \"Album.mp3\" MP3\n" + track(1, "00:00:00") << latin
                                       << wav << 44100 << QList<qint64>() << none
                                       << u"line 1: the file's type is MP3, not WAVE"_s;
        QTest::newRow("a FILE without a TRACK")
            << "FILE \"Other.wav\" WAVE\n" + sheet("Album.wav", track(1, "00:00:00")) << latin << wav
            << 44100 << QList<qint64>() << none << u"line 3: the FILE line above it has no TRACK"_s;
        QTest::newRow("no FILE names it")
            << sheet("Other.wav", track(1, "00:00:00")) << latin << wav << 44100 << QList<qint64>()
            << none << u"no FILE line names Album.wav"_s;
        QTest::newRow("indexes out of order")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "02:00:00") + track(3, "01:00:00"))
            << latin << wav << 44100 << QList<qint64>() << none
            << u"line 8: the track starts before the one above it"_s;
        QTest::newRow("past the WAV's end")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "04:40:00")) << latin << wav << 44100
            << QList<qint64>() << none << u"line 6: the track starts at or past the end of Album.wav"_s;
        QTest::newRow("a track of no length")
            << sheet("Album.wav", track(1, "00:00:00") + track(2, "00:00:00")) << latin << wav << 44100
            << QList<qint64>() << none << u"line 6: the track above it has no length"_s;
        QTest::newRow("no INDEX 01") << sheet("Album.wav", "  TRACK 01 AUDIO\n    INDEX 00 00:00:00\n")
                                     << latin << wav << 44100 << QList<qint64>() << none
                                     << u"line 3: track 1 has no INDEX 01"_s;
        QTest::newRow("a time that is none")
            << sheet("Album.wav", track(1, "00:61:00")) << latin << wav << 44100 << QList<qint64>()
            << none << u"line 4: no valid time (mm:ss:ff, 75 frames a second)"_s;
        QByteArray hundred;
        for (int i = 1; i <= 99; ++i)
            hundred += track(i, QByteArray::number(i).rightJustified(2, '0') + ":00:00");
        QTest::newRow("over 99 tracks")
            << sheet("Album.wav", hundred + "  TRACK 99 AUDIO\n") << latin << wav << 44100
            << QList<qint64>() << none << u"line 201: more than 99 tracks"_s;
    }
    void sheets()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, codePage);
        QFETCH(QString, wav);
        QFETCH(int, rate);
        QFETCH(QList<qint64>, starts);
        QFETCH(QStringList, titles);
        QFETCH(QString, problem);
        const std::optional<SheetText> text = DecodeSheetText(bytes, codePage);
        QVERIFY(text);
        const qint64 frames = qint64(rate) * 280;
        const SheetReading reading = ReadCueSheet(text->text, {wav, frames, rate}, false);
        QVERIFY2(reading.problem.startsWith(problem), qPrintable(reading.problem));
        QCOMPARE(bool(reading.sheet), problem.isEmpty());
        if (!reading.sheet)
            return;
        QList<qint64> firsts;
        QList<qint64> numbered; // the sheet's own tracks, as cuebreakpoints sees them
        QStringList names;
        qint64 end = 0;
        for (const SheetTrack &track : reading.sheet->tracks) {
            QCOMPARE(track.firstFrame, end); // gapless: each ends where the next starts
            end = track.endFrame;
            firsts << track.firstFrame;
            if (track.number > 0)
                numbered << track.firstFrame;
            names << track.title;
        }
        QCOMPARE(end, frames);
        QCOMPARE(firsts, starts);
        QCOMPARE(names, titles);
        QCOMPARE(reading.sheet->note.isEmpty(), rate % 75 == 0);
        // cuebreakpoints splits where we do (where it can read the sheet).
        if (const QList<qint64> points = breakpoints(bytes, rate); !points.isEmpty())
            QCOMPARE(points, numbered.mid(1));
    }

    void tagsOfTheDiscAndItsTracks()
    {
        const SheetReading reading =
            ReadCueSheet(DecodeSheetText(Eac, "windows-1252")->text, {u"album.WAV"_s, CdFrames, 44100},
                         false);
        QVERIFY(reading.sheet);
        const TrackSheet &sheet = *reading.sheet;
        QCOMPARE(QStringList({sheet.album, sheet.albumPerformer, sheet.date, sheet.genre,
                              sheet.comment, sheet.discNumber, sheet.discTotal}),
                 QStringList({u"The Album"_s, u"The Band"_s, u"1999"_s, u"Rock"_s,
                              u"ExactAudioCopy v1.6"_s, u"1"_s, u"2"_s}));
        QCOMPARE(sheet.trackTotal, 3);
        QCOMPARE(sheet.tracks[0].performer, u"The Band"_s); // the disc's
        QCOMPARE(QStringList({sheet.tracks[1].performer, sheet.tracks[1].songwriter,
                              sheet.tracks[1].isrc}),
                 QStringList({u"Guest"_s, u"Writer"_s, u"GBAYE0601498"_s}));
    }

    void labelFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<qint64>>("starts");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("problem");
        QTest::newRow("regions, audio before the first")
            << "1.500000\t60.000000\tSide A opener\n60.000000\t120.25\tSecond\n"_ba
            << QList<qint64>{0, 66150, 2646000} << QStringList{u"Track 00"_s, u"Side A opener"_s, u"Second"_s}
            << QString();
        QTest::newRow("points, with a spectral line, CRLF")
            << "0.000000\t0.000000\tOne\r\n\\\t100.0\t2000.0\r\n30.5\t30.5\tTwo\r\n"_ba
            << QList<qint64>{0, 1345050} << QStringList{u"One"_s, u"Two"_s} << QString();
        QTest::newRow("no label") << "\n"_ba << QList<qint64>() << QStringList() << u"no label in it"_s;
        QTest::newRow("not a label") << "1.0 2.0 x\n"_ba << QList<qint64>() << QStringList()
                                     << u"line 1: no label"_s;
        QTest::newRow("out of order") << "10\t10\ta\n5\t5\tb\n"_ba << QList<qint64>() << QStringList()
                                      << u"line 2: the track starts before the one above it"_s;
    }
    void labelFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<qint64>, starts);
        QFETCH(QStringList, titles);
        QFETCH(QString, problem);
        const SheetReading reading =
            ReadLabelFile(DecodeSheetText(bytes, "windows-1252")->text, {u"Side A.wav"_s, CdFrames, 44100});
        QVERIFY2(reading.problem.startsWith(problem), qPrintable(reading.problem));
        if (!reading.sheet)
            return;
        QList<qint64> firsts;
        QStringList names;
        for (const SheetTrack &track : reading.sheet->tracks) {
            firsts << track.firstFrame;
            names << track.title;
        }
        QCOMPARE(firsts, starts);
        QCOMPARE(names, titles);
    }

    void textThatIsNone()
    {
        QVERIFY(!DecodeSheetText("FILE \"a.wav\" WAVE\n\0\x01\x02binary"_ba, "windows-1252"));
        QVERIFY(!DecodeSheetText(QByteArray(LargestSheet + 1, 'x'), "windows-1252"));
        const std::optional<SheetText> utf16 =
            DecodeSheetText("\xFF\xFE" "F\0I\0L\0E\0"_ba, "windows-1252");
        QVERIFY(utf16 && utf16->text == u"FILE"_s && !utf16->codePage);
        QCOMPARE(CodePageForLanguage(u"ru_RU"_s), "windows-1251"_ba);
        QCOMPARE(CodePageForLanguage(u"ja"_s), "Shift_JIS"_ba);
        QCOMPARE(CodePageForLanguage(u"de_DE"_s), "windows-1252"_ba);
    }
};

QTEST_APPLESS_MAIN(TestCueSheet)
#include "tst_cue_sheet.moc"
