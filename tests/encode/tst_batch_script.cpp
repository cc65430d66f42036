#include "encode/batch_script.h"
#include "encode/script_rendering.h"
#include "encode/shell_script.h"
#include "tag/field_block.h"
#include "tag/tag_entries.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString TaggedEntry =
    MakeTagEntry({u"Title"_s, u"Artist"_s, u"Album"_s, u"1999"_s, u"Rock"_s, u"Comment"_s});

// Short forms as Windows would give them; anything unknown has none.
ShortPathFunction shortForms(const QHash<QString, QString> &forms)
{
    return [forms](const QString &path) { return forms.value(path); };
}

EncodeRequest windowsExample()
{
    EncodeRequest request;
    request.files = {{u"My song.wav"_s, true}};
    request.directory = u"C:\\WAVS"_s;
    request.entries = {TaggedEntry};
    request.bitrate = u"128000"_s;
    request.switches.crc = true;
    request.switches.autoDelete = true;
    request.encoderPath = u"C:\\L3ENC"_s;
    request.destination = u"C:\\MP3\\"_s;
    request.appPath = u"C:\\ENC\\"_s;
    return request;
}

const QHash<QString, QString> WindowsForms{ // clazy:exclude=non-pod-global-static (a fixture)
    {u"C:\\WAVS\\My song.wav"_s, u"C:\\WAVS\\MYSONG~1.WAV"_s},
    {u"C:\\My song.wav"_s, u"C:\\MYSONG~1.WAV"_s},
    {u"C:\\WAVS\\A much longer name.wav"_s, u"C:\\WAVS\\AMUCHL~1.WAV"_s},
    {u"C:\\WAVS\\b.wav"_s, u"C:\\WAVS\\B.WAV"_s},
    {u"C:\\MP3\\"_s, u"C:\\MP3\\"_s},
};

QStringList commandLines(const EncodeRequest &request)
{
    const ScriptPlan plan = BuildScriptPlan(request, shortForms(WindowsForms), u'\\');
    QStringList lines = QString::fromLatin1(RenderCommandScript(plan)).split(u"\r\n"_s);
    lines.removeLast(); // after the final CRLF
    return lines;
}

QStringList encoderLineWords(const QStringList &lines)
{
    return lines.value(0).split(u' ');
}

} // namespace

class TestBatchScript : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExampleByteForByte()
    {
        const QString block = BuildFieldBlock({u"Title"_s, u"Artist"_s, u"Album"_s, u"1999"_s, 17,
                                               u"Comment"_s});
        // The del line: an MP3 an earlier run left under the long name would
        // make REN fail and pass the delete guard.
        const QByteArray expected = "L3ENC C:\\WAVS\\MYSONG~1.WAV C:\\MP3\\MYSONG~1.mp3 -br 128000 -crc \r\n"
                                    "del \"C:\\MP3\\My song.mp3\"\r\n"
                                    "REN C:\\MP3\\MYSONG~1.mp3 \"My song.mp3\"\r\n"
                                    "\"C:\\ENC\\encoder.exe\" \"C:\\MP3\\My song.mp3\" "
            + block.toLatin1() + "\r\n"
                                 "if exist \"C:\\MP3\\My song.mp3\" del C:\\WAVS\\MYSONG~1.WAV\r\n";
        const ScriptPlan plan = BuildScriptPlan(windowsExample(), shortForms(WindowsForms), u'\\');
        QCOMPARE(RenderCommandScript(plan), expected);
    }

    void driveRootGetsNoDoubledSeparator()
    {
        EncodeRequest request = windowsExample();
        request.directory = u"C:\\"_s;
        QCOMPARE(encoderLineWords(commandLines(request)).value(1), u"C:\\MYSONG~1.WAV"_s);
    }

    void destinationWithoutFinalSeparator()
    {
        EncodeRequest request = windowsExample();
        request.destination = u"C:\\MP3"_s;
        QHash<QString, QString> forms = WindowsForms;
        forms.insert(u"C:\\MP3"_s, u"C:\\MP3"_s);
        const ScriptPlan plan = BuildScriptPlan(request, shortForms(forms), u'\\');
        QCOMPARE(plan.groups.value(0).longMp3Path, u"C:\\MP3\\My song.mp3"_s);
        QCOMPARE(plan.groups.value(0).shortOutputPath, u"C:\\MP3\\MYSONG~1.mp3"_s);
    }

    void groupsFollowListOrderAndSelection()
    {
        EncodeRequest request = windowsExample();
        request.files = {{u"b.wav"_s, true}, {u"unselected.wav"_s, false},
                         {u"A much longer name.wav"_s, true}, {QString(), true}};
        request.entries = {TaggedEntry, TaggedEntry, NewTagEntry(), TaggedEntry};
        request.switches.autoDelete = false;
        const QStringList lines = commandLines(request);
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[0].startsWith(u"L3ENC C:\\WAVS\\B.WAV "_s));
        QVERIFY(lines[1].startsWith(u"REN C:\\MP3\\B.mp3 \"b.mp3\""_s));
        QVERIFY(lines[2].startsWith(u"\"C:\\ENC\\encoder.exe\" \"C:\\MP3\\b.mp3\" "_s));
        QVERIFY(lines[3].startsWith(u"L3ENC C:\\WAVS\\AMUCHL~1.WAV "_s));
        // A long name may already stand in the destination; REN would fail.
        QCOMPARE(lines[4], u"del \"C:\\MP3\\A much longer name.mp3\""_s);
        QCOMPARE(lines[5], u"REN C:\\MP3\\AMUCHL~1.mp3 \"A much longer name.mp3\""_s);
        // The new entry has no title: no tagging line.
    }

    // An album gain pools the files of one album text, and an image's
    // tracks; a file alone in its album is its own; untagged files, no
    // ID3v2 tag or no ReplayGain: no albums.
    void albumsForReplayGain_data()
    {
        QTest::addColumn<bool>("replayGain");
        QTest::addColumn<QString>("id3v2");
        QTest::addColumn<QString>("albums"); // groups by album; "1*": alone in its album
        QTest::newRow("on") << true << u"2.4"_s << u"1 3 4 | 6 7 | 2*"_s;
        QTest::newRow("off") << false << u"2.4"_s << QString();
        QTest::newRow("no ID3v2 tag") << true << u"none"_s << QString();
    }
    void albumsForReplayGain()
    {
        QFETCH(bool, replayGain);
        QFETCH(QString, id3v2);
        QFETCH(QString, albums);
        EncodeRequest request = windowsExample();
        request.replayGain = replayGain;
        request.id3v2 = *Id3v2VersionFromWord(id3v2);
        const auto entry = [](const QString &album) {
            return MakeTagEntry({u"T"_s, u"A"_s, album, {}, {}, {}});
        };
        request.files = {{u"a.wav"_s, true}, {u"b.wav"_s, true}, {u"c.wav"_s, true},
                         {u"x.wav"_s, true}, {u"untagged.wav"_s, true}, {u"cd.wav"_s, true}};
        request.entries = {entry(u"X"_s), entry(u"Y"_s), entry(u"X"_s), entry(u"X"_s),
                           NewTagEntry(), NewTagEntry()};
        // The image of two tracks, titled by its sheet: album "X" too, and its own.
        request.tracks = {{}, {}, {}, {}, {}, {{1, 0, 10, u"01.mp3"_s, entry(u"X"_s), {}},
                                               {2, 10, 20, u"02.mp3"_s, entry(u"X"_s), {}}}};
        const ScriptPlan plan =
            BuildScriptPlan(request, [](const QString &path) { return path; }, u'/');
        QStringList found;
        for (qsizetype a = 0; a < plan.albums.size(); ++a) {
            QStringList groups;
            for (const qsizetype g : plan.albums[a].groups) {
                QCOMPARE(plan.groups[g].album, a);
                groups << QString::number(g + 1);
            }
            found << groups.join(u' ');
        }
        for (qsizetype g = 0; g < plan.groups.size(); ++g) {
            if (plan.groups[g].aloneInAlbum)
                found << QString::number(g + 1) + u'*';
        }
        QCOMPARE(found.join(u" | "_s), albums);
        const QString script = QString::fromUtf8(RenderShellScript(plan));
        QCOMPARE(script.count(u"-replaygain \"$work/$n.loudness\""_s), albums.isEmpty() ? 0 : 6);
        QCOMPARE(script.count(u"    album_done "_s), albums.isEmpty() ? 0 : 5);
    }

    void taggingNeedsTitleArtistAndAlbum_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("tagged");
        QTest::newRow("all three") << TaggedEntry << true;
        QTest::newRow("blank title") << MakeTagEntry({u"  "_s, u"A"_s, u"B"_s, {}, {}, {}}) << false;
        QTest::newRow("blank artist") << MakeTagEntry({u"T"_s, {}, u"B"_s, {}, {}, {}}) << false;
        QTest::newRow("blank album") << MakeTagEntry({u"T"_s, u"A"_s, {}, {}, {}, {}}) << false;
        QTest::newRow("new entry") << NewTagEntry() << false;
        QTest::newRow("leading blanks count as text") << MakeTagEntry({u" T"_s, u" A"_s, u" B"_s,
                                                                      {}, {}, {}}) << true;
        QTest::newRow("a no-break space is text") << MakeTagEntry({u"\u00a0"_s, u"\t"_s, u"B"_s,
                                                                  {}, {}, {}}) << true;
    }
    void taggingNeedsTitleArtistAndAlbum()
    {
        QFETCH(QString, entry);
        QFETCH(bool, tagged);
        EncodeRequest request = windowsExample();
        request.entries = {entry};
        request.switches.autoDelete = false;
        QCOMPARE(commandLines(request).filter(u"encoder.exe"_s).size(), tagged ? 1 : 0);
    }

    void switchesInFixedOrder_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("ending");
        QTest::newRow("none") << false << u"-br 128000 "_s;
        QTest::newRow("all") << true << u"-br 128000 -dm -hq -crc "_s;
    }
    void switchesInFixedOrder()
    {
        QFETCH(bool, all);
        QFETCH(QString, ending);
        EncodeRequest request = windowsExample();
        request.switches = {all, all, all, false};
        QVERIFY(commandLines(request).value(0).endsWith(ending));
    }

    void genreBelowTenIsDigitAndBlank()
    {
        EncodeRequest request = windowsExample();
        request.entries = {MakeTagEntry({u"T"_s, u"A"_s, u"B"_s, {}, u"Disco"_s, {}})};
        const ScriptPlan plan = BuildScriptPlan(request, shortForms(WindowsForms), u'\\');
        QCOMPARE(plan.groups.value(0).fieldBlock.value_or(QString()).mid(94, 2), u"4 "_s);
    }

    void vanishedFileGetsNoLines()
    {
        EncodeRequest request = windowsExample();
        request.files = {{u"gone.wav"_s, true}, {u"b.wav"_s, true}};
        request.entries = {TaggedEntry, TaggedEntry};
        const ScriptPlan plan = BuildScriptPlan(request, shortForms(WindowsForms), u'\\');
        QCOMPARE(plan.groups.size(), 1);
        QCOMPARE(plan.groups[0].listedName, u"b.wav"_s);
    }

    void commandInterpreterEscaping_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("specials outside quotes") << u"a&b|c<d>e^f"_s << u"a^&b^|c^<d^>e^^f"_s;
        QTest::newRow("inside quotes only percent") << u"\"a&b%c\" d%e&"_s
                                                    << u"\"a&b%%c\" d%%e^&"_s;
    }
    void commandInterpreterEscaping()
    {
        QFETCH(QString, line);
        QFETCH(QString, escaped);
        QCOMPARE(EscapeCommandLine(line), escaped);
    }

    // What a user can paste into the Properties dialog never shifts a field.
    void tagTextIsCleanedForTheScript_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("cleanTitle");
        QTest::addColumn<QString>("cleanArtist");
        QTest::newRow("control characters become blanks")
            << u"Line\nbreak"_s << u"Tab\there"_s << u"Line break"_s << u"Tab here"_s;
        QTest::newRow("byte-order mark removed") << u"\uFEFFTitle"_s << u"Artist"_s << u"Title"_s
                                                 << u"Artist"_s;
        QTest::newRow("zero-width space removed") << u"A\u200BB"_s << u"C"_s << u"AB"_s << u"C"_s;
        QTest::newRow("soft hyphen kept: Latin-1 has it") << u"A\u00ADB"_s << u"C"_s
                                                           << u"A\u00ADB"_s << u"C"_s;
        QTest::newRow("decomposed letters composed") << u"Cafe\u0301"_s << u"Ro\u0301s"_s
                                                     << u"Caf\u00E9"_s << u"R\u00F3s"_s;
        QTest::newRow("emoji as one question mark") << QString(28, u'a') + u"\U0001F600"_s
                                                    << u"\U0001F600x"_s
                                                    << QString(28, u'a') + u'?' << u"?x"_s;
    }
    void tagTextIsCleanedForTheScript()
    {
        QFETCH(QString, title);
        QFETCH(QString, artist);
        QFETCH(QString, cleanTitle);
        QFETCH(QString, cleanArtist);
        EncodeRequest request = windowsExample();
        request.entries = {u"%1%2%3"_s.arg(title.leftJustified(30), artist.leftJustified(30),
                                           u"Album"_s.leftJustified(94))};
        const ScriptPlan plan = BuildScriptPlan(request, shortForms(WindowsForms), u'\\');
        const QString block = plan.groups.value(0).fieldBlock.value_or(QString());
        QCOMPARE(block.size(), FieldBlockLength);
        QCOMPARE(block.left(30), cleanTitle.leftJustified(30));
        QCOMPARE(block.mid(30, 30), cleanArtist.leftJustified(30));
        QCOMPARE(block.mid(60, 5), u"Album"_s);
    }

    void shellRenameOnlyWhenNamesDiffer()
    {
        EncodeRequest request = windowsExample();
        request.directory = u"/wavs"_s;
        request.destination = u"/mp3/"_s;
        request.appPath = u"/app/"_s;
        const QHash<QString, QString> forms{{u"/wavs/My song.wav"_s, u"/wavs/MYSONG~1.WAV"_s},
                                            {u"/mp3/"_s, u"/mp3/"_s}};
        ScriptPlan plan = BuildScriptPlan(request, shortForms(forms), u'/');
        QVERIFY(RenderShellScript(plan).contains(
            "\n    made && mv -f -- '/mp3/MYSONG~1.mp3' '/mp3/My song.mp3'\n"));
        plan = BuildScriptPlan(request, [](const QString &path) { return path; }, u'/');
        QVERIFY(!RenderShellScript(plan).contains("mv "));
    }

    // The delete line on its own: whatever an encoder that claims success
    // leaves at the MP3 path, the WAV goes only when the encoder's receipt
    // names this very WAV, unchanged, and the very MP3 now at its path;
    // after a failed encoder, or one that says the WAV must stay, it never goes.
    void deleteGuard_data()
    {
        QTest::addColumn<QByteArray>("encoder"); // what the stand-in does with $1 and $2
        QTest::addColumn<bool>("deleted");
        const QByteArray receipt = "; echo \"safe $(stat -c '%d %i %s %.9Y' \"$1\") "
                                   "$(stat -c '%d %i' \"$2\")\" >\"$L3ENC_RECEIPT\"";
        QTest::newRow("made an MP3, with its receipt") << "printf mp3 >\"$2\"" + receipt << true;
        QTest::newRow("made an MP3, no receipt") << "printf mp3 >\"$2\""_ba << false;
        QTest::newRow("receipt says keep")
            << "printf mp3 >\"$2\"; echo 'keep still being written' >\"$L3ENC_RECEIPT\"; exit 3"_ba
            << false;
        QTest::newRow("receipt, then the WAV changed")
            << "printf mp3 >\"$2\"" + receipt + "; touch -d @1 \"$1\"" << false;
        QTest::newRow("receipt, then the WAV saved anew")
            << "printf mp3 >\"$2\"" + receipt + "; cp \"$1\" \"$1.new\"; mv \"$1.new\" \"$1\"" << false;
        QTest::newRow("receipt, then another MP3 put in its place")
            << "printf mp3 >\"$2\"" + receipt + "; printf other >\"$2.x\"; mv \"$2.x\" \"$2\"" << false;
        QTest::newRow("receipt, then the MP3 emptied")
            << "printf mp3 >\"$2\"" + receipt + "; : >\"$2\"" << false;
        QTest::newRow("made nothing") << ":"_ba << false;
        QTest::newRow("empty file") << ": >\"$2\"" + receipt << false;
        QTest::newRow("directory") << "mkdir \"$2\"; : >\"$2/x\"" + receipt << false;
        QTest::newRow("link to the WAV") << "ln -s \"$1\" \"$2\"" + receipt << false;
        QTest::newRow("link to another file")
            << "printf x >\"$2.x\"; ln -s \"$2.x\" \"$2\"" + receipt << false;
        QTest::newRow("failed beside an old MP3") << "printf old >\"$2\"" + receipt + "; exit 1"
                                                  << false;
    }
    void deleteGuard()
    {
        QFETCH(QByteArray, encoder);
        QFETCH(bool, deleted);
        QTemporaryDir dir;
        QFile l3enc(dir.filePath(u"L3ENC"_s));
        QVERIFY(l3enc.open(QIODevice::WriteOnly));
        l3enc.write("#!/bin/sh\n" + encoder + "\n");
        l3enc.close();
        QVERIFY(l3enc.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QFile wav(dir.filePath(u"a.wav"_s));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.write("RIFF....WAVE");
        wav.close();

        EncodeRequest request;
        request.files = {{u"a.wav"_s, true}};
        request.entries = {NewTagEntry()};
        request.directory = dir.path();
        request.destination = dir.filePath(u"mp3/"_s);
        request.bitrate = u"128000"_s;
        request.switches.autoDelete = true;
        QVERIFY(QDir().mkpath(request.destination));
        QFile script(dir.filePath(u"TEMP.BAT"_s));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(RenderShellScript(BuildScriptPlan(request, [](const QString &p) { return p; },
                                                       u'/')));
        script.close();
        QProcess run;
        run.setWorkingDirectory(dir.path());
        run.start(u"sh"_s, {u"TEMP.BAT"_s});
        QVERIFY(run.waitForFinished());
        QCOMPARE(!QFile::exists(wav.fileName()), deleted);
    }

    // The script run by sh with recording stand-ins for L3ENC, the tagging
    // program and rm: every word must arrive exactly as meant.
    void shellScriptWordByWord()
    {
        QTemporaryDir dir;
        const QString bin = dir.filePath(u"bin"_s);
        QVERIFY(QDir().mkpath(bin));
        const QString recorder = u"#!/bin/sh\n"
                                 "{ printf '%s' \"${0##*/}\"; for a; do printf '\\037%s' \"$a\"; done; "
                                 "printf '\\036'; } >>\"$LOG\"\n"_s;
        for (const QString &name : {u"L3ENC"_s, u"encoder"_s, u"rm"_s}) {
            QFile program(bin + u'/' + name);
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write(recorder.toUtf8());
            if (name == u"L3ENC"_s) // so the delete guard passes
                program.write("printf mp3 >\"$2\"\necho \"safe $(stat -c '%d %i %s %.9Y' \"$1\") "
                              "$(stat -c '%d %i' \"$2\")\" >\"$L3ENC_RECEIPT\"\n");
            program.close();
            program.setPermissions(program.permissions() | QFile::ExeOwner);
        }

        const QStringList names{u"it's a \"song\".wav"_s, u"$HOME `id` ünï.wav"_s,
                                u"new\nline.wav"_s, u"Artist%2C Title%1.wav"_s,
                                u"\033]0;title\007.wav"_s};
        EncodeRequest request;
        request.directory = dir.filePath(u"wavs dir"_s);
        request.destination = dir.filePath(u"mp3 $dir"_s) + u'/';
        request.appPath = bin + u'/';
        request.bitrate = u"64000"_s;
        request.switches = {true, false, true, true};
        const QString tagged = MakeTagEntry({u"'quoted' $(id)"_s, u"`x` \\ \""_s, u"Älbum"_s,
                                             u"2001"_s, u"Jazz+Funk"_s, u"; rm -rf /"_s});
        for (const QString &name : names) {
            request.files.append({name, true});
            request.entries.append(tagged);
        }
        const ScriptPlan plan = BuildScriptPlan(request, [](const QString &p) { return p; }, u'/');
        QFile script(bin + u"/TEMP.BAT"_s);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(RenderShellScript(plan));
        script.close();

        QProcess syntax;
        syntax.start(u"sh"_s, {u"-n"_s, script.fileName()});
        QVERIFY(syntax.waitForFinished());
        QCOMPARE(syntax.exitCode(), 0);

        QVERIFY(QDir().mkpath(request.destination));
        QVERIFY(QDir().mkpath(request.directory));
        for (const QString &name : names) {
            QFile wav(request.directory + u'/' + name);
            QVERIFY(wav.open(QIODevice::WriteOnly));
        }
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LOG"_s, dir.filePath(u"log"_s));
        environment.insert(u"TMPDIR"_s, dir.path()); // the stand-in rm removes nothing
        environment.insert(u"PATH"_s, bin + u':' + environment.value(u"PATH"_s));
        run.setProcessEnvironment(environment);
        run.setWorkingDirectory(bin);
        run.start(u"sh"_s, {u"TEMP.BAT"_s});
        QVERIFY(run.waitForFinished());
        QCOMPARE(run.exitCode(), 0);
        // Shown escaped, one line each, whatever the commands were handed.
        const QByteArray shown = run.readAllStandardOutput();
        QVERIFY2(shown.contains("[5/5] ''$'\\033'']0;title'$'\\a''.wav': MP3 made, tagged, WAV deleted\n"),
                 shown.constData());
        QCOMPARE(shown.count('\n'), 2 * names.size() + 1);

        QFile log(dir.filePath(u"log"_s));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QStringList calls = QString::fromUtf8(log.readAll()).split(u'\036');
        calls.removeLast();
        // The script's own clean-up at its end is no call of a group.
        if (calls.last().startsWith(u"rm\037-rf\037"_s))
            calls.removeLast();
        QCOMPARE(calls.size(), 3 * names.size());
        const QString block = plan.groups[0].fieldBlock.value();
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString wav = request.directory + u'/' + names[i];
            const QString mp3 = request.destination + names[i].chopped(3) + u"mp3"_s;
            const QChar unit = u'\037';
            QCOMPARE(calls[3 * i], QStringList({u"L3ENC"_s, wav, mp3, u"-br"_s, u"64000"_s,
                                                u"-dm"_s, u"-crc"_s}).join(unit));
            QCOMPARE(calls[3 * i + 1], QStringList({u"encoder"_s, mp3, block}).join(unit));
            QCOMPARE(calls[3 * i + 2], QStringList({u"rm"_s, u"-f"_s, u"--"_s, wav}).join(unit));
        }
        QCOMPARE(block.mid(94, 2), u"29"_s);
    }
};

QTEST_GUILESS_MAIN(TestBatchScript)
#include "tst_batch_script.moc"
