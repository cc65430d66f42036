#include "base/shown_name.h"
#include "encode/batch_script.h"
#include "encode/shell_script.h"
#include "support/audio_files.h"
#include "support/script_runs.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <csignal>
#include <numeric>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

// The sh script's groups side by side: the same files as one after another,
// never more encoders at once than allowed, and a clean stop when the
// terminal closes.
class TestParallelScript : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    // A batch in `root`: good WAVs of different lengths, a corrupt one and
    // one without audio among them, every one tagged, Automatic delete on;
    // "track 01.wav" and on, unless `names` are given.
    ScriptPlan makeBatch(const QString &root, const QList<double> &seconds, int jobs,
                         const QString &encoder = QStringLiteral(L3ENC_PROGRAM),
                         const QStringList &names = {})
    {
        for (const QString &directory : {u"enc"_s, u"wav"_s, u"mp3"_s, u"tmp"_s})
            QDir().mkpath(root + u'/' + directory);
        QFile::copy(encoder, root + u"/enc/L3ENC"_s);
        EncodeRequest request;
        request.directory = root + u"/wav"_s;
        request.destination = root + u"/mp3/"_s;
        request.appPath = QStringLiteral(APP_PATH);
        request.bitrate = u"128000"_s;
        request.switches.autoDelete = true;
        for (qsizetype i = 0; i < seconds.size(); ++i) {
            const QString name =
                names.value(i, u"track %1.wav"_s.arg(i + 1, 2, 10, QChar(u'0')));
            if (seconds[i] > 0) {
                WriteWav(request.directory + u'/' + name, {2, 44100, SF_FORMAT_PCM_16, seconds[i]});
            } else {
                QFile bad(request.directory + u'/' + name);
                bad.open(QIODevice::WriteOnly);
                // A RIFF/WAVE header and a broken format chunk, or nothing.
                const QByteArray bytes = seconds[i] < 0 ? "RIFF\x10\0\0\0WAVEfmt junk"_ba : ""_ba;
                QTest::qVerify(bytes.size() == (seconds[i] < 0 ? 20 : 0), "fixture size", "", __FILE__,
                               __LINE__);
                bad.write(bytes);
            }
            request.files.append({name, true});
            request.entries.append(MakeTagEntry({u"Title %1"_s.arg(i), u"Artist"_s, u"Album"_s,
                                                 u"2026"_s, u"Rock"_s, {}}));
        }
        ScriptPlan plan = BuildScriptPlan(request, [](const QString &p) { return p; }, u'/');
        plan.jobs = jobs;
        QFile script(root + u"/enc/TEMP.BAT"_s);
        script.open(QIODevice::WriteOnly);
        script.write(RenderShellScript(plan));
        return plan;
    }

    static QProcessEnvironment environmentIn(const QString &root)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TMPDIR"_s, root + u"/tmp"_s);
        return environment;
    }

    static QByteArray runScript(const QString &root)
    {
        return RunScript(root + u"/enc"_s, u"TEMP.BAT"_s, environmentIn(root)).output;
    }

private Q_SLOTS:
    void init() { m_dir.emplace(); }
    void cleanup() { m_dir.reset(); }

    void sideBySideMakesTheSameFiles()
    {
        const QList<double> seconds{1.5, -1, 0.5, 2.0, 0, 1.0};
        const ScriptPlan one = makeBatch(path(u"one"_s), seconds, 1);
        makeBatch(path(u"three"_s), seconds, 3);
        QProcess syntax;
        syntax.start(u"sh"_s, {u"-n"_s, path(u"three/enc/TEMP.BAT"_s)});
        QVERIFY(syntax.waitForFinished());
        QCOMPARE(syntax.exitCode(), 0);

        const QByteArray alone = runScript(path(u"one"_s));
        const QByteArray together = runScript(path(u"three"_s));
        QMap<QString, QByteArray> first = SnapshotTree(path(u"one"_s));
        QMap<QString, QByteArray> second = SnapshotTree(path(u"three"_s));
        first.remove(u"enc/TEMP.BAT"_s); // says how many run at once
        second.remove(u"enc/TEMP.BAT"_s);
        QCOMPARE(second.keys(), first.keys());
        QCOMPARE(second, first); // MP3 audio, trailers, and which WAVs are left
        QVERIFY(first.contains(u"wav/track 02.wav"_s) && first.contains(u"wav/track 05.wav"_s));
        qsizetype mp3s = 0;
        for (auto it = first.cbegin(); it != first.cend(); ++it) {
            if (it.key().startsWith(u"mp3/"_s)) {
                ++mp3s;
                QVERIFY2(it.value().right(128).startsWith("TAGTitle "), qPrintable(it.key()));
            }
        }
        QCOMPARE(mp3s, 4);

        // A line when each file starts and one when it ends, then the summary.
        for (const QByteArray &output : {alone, together}) {
            QCOMPARE(output.count(": encoding\n"), one.groups.size());
            QVERIFY2(output.contains("[2/6] track 02.wav: MP3 NOT made, WAV kept"), output.constData());
            QVERIFY2(output.contains("[3/6] track 03.wav: MP3 made, tagged, WAV deleted\n"), output.constData());
            QVERIFY2(output.endsWith("Finished: 4 of 6 MP3(s) made, 2 failed (track 02.wav, "
                                     "track 05.wav); 4 WAV(s) deleted, 2 kept.\n"),
                     output.constData());
        }
        QVERIFY(QDir(path(u"three/tmp"_s)).isEmpty()); // no temporary file left
    }

    // A stand-in encoder notes when it starts and ends: no more than the
    // allowed number run at once, and that many do, at a lower priority.
    void neverMoreEncodersThanAllowed()
    {
        const QString log = path(u"times"_s);
        QFile standIn(path(u"stand-in"_s));
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("#!/bin/sh\necho \"start $(date +%s%N) $(nice)\" >>'" + log.toUtf8()
                      + "'\nsleep 0.3\nprintf mp3 >\"$2\"\necho \"end $(date +%s%N)\" >>'"
                      + log.toUtf8() + "'\n");
        standIn.close();
        QVERIFY(standIn.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        makeBatch(path(u"b"_s), QList<double>(7, 0.1), 3, standIn.fileName());
        runScript(path(u"b"_s));

        QFile times(log);
        QVERIFY(times.open(QIODevice::ReadOnly));
        QList<std::pair<qint64, int>> events;
        const int niceness = std::min(19, ::getpriority(PRIO_PROCESS, 0) + 10);
        for (const QByteArray &line : times.readAll().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() < 2)
                continue;
            events.append({words[1].toLongLong(), words[0] == "start" ? 1 : -1});
            if (words[0] == "start")
                QCOMPARE(words.value(2).toInt(), niceness);
        }
        QCOMPARE(events.size(), 14);
        std::sort(events.begin(), events.end()); // an end before a start at the same time
        int running = 0, most = 0;
        for (const auto &[time, change] : events)
            most = std::max(most, running += change);
        QCOMPARE(most, 3);
    }

    // Closing the terminal sends SIGHUP to the script's process group while
    // several groups run: nothing half made, no temporary file, and no WAV
    // gone whose MP3 was not finished.
    void closingTheTerminalStopsEveryGroup()
    {
        const QString root = path(u"c"_s);
        const ScriptPlan plan = makeBatch(root, QList<double>(4, 90.0), 2);
        QProcess shell;
        shell.setProcessEnvironment(environmentIn(root));
        shell.setWorkingDirectory(root + u"/enc"_s);
        shell.setProcessChannelMode(QProcess::MergedChannels);
        // Its own process group, as in a terminal.
        shell.start(u"setsid"_s, {u"sh"_s, u"TEMP.BAT"_s});
        QVERIFY(shell.waitForStarted());
        QByteArray output;
        while (output.count(": encoding") < 2 && shell.waitForReadyRead(10000))
            output += shell.readAll();
        QCOMPARE(output.count(": encoding"), 2);
        QTest::qWait(150);
        const QString processGroup = QString::number(shell.processId());
        QCOMPARE(::kill(-pid_t(shell.processId()), SIGHUP), 0);
        QVERIFY(shell.waitForFinished(10000));
        QTest::qWait(300); // the encoders end with the script

        // Nothing of the group is left running (an ended one may wait to be reaped).
        QProcess ps;
        ps.start(u"ps"_s, {u"-e"_s, u"-o"_s, u"pgid=,stat=,args="_s});
        QVERIFY(ps.waitForFinished());
        for (const QByteArray &line : ps.readAll().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() >= 2 && words[0] == processGroup.toUtf8() && !words[1].startsWith('Z'))
                QFAIL(qPrintable(u"still running: "_s + QString::fromUtf8(line)));
        }
        QVERIFY(QDir(root + u"/tmp"_s).isEmpty());
        QCOMPARE(QDir(root + u"/mp3"_s).entryList(QDir::Files | QDir::Hidden).filter(u".L3ENC"_s),
                 QStringList());
        int made = 0;
        for (const ScriptGroup &group : plan.groups) {
            const bool wavLeft = QFile::exists(group.shortWavPath);
            const bool mp3Made = QFile::exists(group.longMp3Path);
            QVERIFY2(wavLeft || mp3Made, qPrintable(group.listedName + u" lost"_s));
            if (mp3Made) // a whole MP3, never a part
                QVERIFY(qAbs(DecodedSeconds(group.longMp3Path) - 90.0) < 0.05);
            made += mp3Made;
        }
        QVERIFY2(made < plan.groups.size(), "the batch ended before it could be stopped");
    }

    // Side by side the longest files start first, so the batch ends as early
    // as the pool allows: a stand-in encoder sleeps in proportion to its
    // input's size. Twelve files on four slots, listed shortest first, the
    // worst order for a pool that keeps the list's order (15 steps where 12
    // are the best possible).
    void longestFirstEndsAsEarlyAsThePoolAllows()
    {
        constexpr int Unit = 25000; // bytes per step of a quarter second
        const QList<int> steps{1, 2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8};
        const QString root = path(u"l"_s);
        const QString log = path(u"starts"_s);
        QFile standIn(path(u"stand-in"_s));
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("#!/bin/sh\necho \"start $(date +%s%N) $(stat -c %s \"$1\")\" >>'" + log.toUtf8()
                      + "'\nsleep $(awk -v s=$(stat -c %s \"$1\") 'BEGIN { print s / "
                      + QByteArray::number(Unit * 4) + " }')\nprintf mp3 >\"$2\"\n");
        standIn.close();
        QVERIFY(standIn.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        for (const QString &directory : {u"enc"_s, u"wav"_s, u"mp3"_s})
            QVERIFY(QDir().mkpath(root + u'/' + directory));
        QVERIFY(QFile::copy(standIn.fileName(), root + u"/enc/L3ENC"_s));
        EncodeRequest request;
        request.directory = root + u"/wav"_s;
        request.destination = root + u"/mp3/"_s;
        request.bitrate = u"128000"_s;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QString name = u"%1.wav"_s.arg(i + 1, 2, 10, QChar(u'0'));
            QFile wav(request.directory + u'/' + name);
            QVERIFY(wav.open(QIODevice::WriteOnly) && wav.resize(qint64(steps[i]) * Unit));
            request.files.append({name, true});
            request.entries.append(NewTagEntry());
        }
        ScriptPlan plan = BuildScriptPlan(request, [](const QString &p) { return p; }, u'/');
        plan.jobs = 4;
        QFile script(root + u"/enc/TEMP.BAT"_s);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(RenderShellScript(plan));
        script.close();
        QVERIFY(RunScript(root + u"/enc"_s, u"TEMP.BAT"_s).finished);

        // The four that started first, as the stand-in saw them, are the four
        // longest. The order the pool takes them in (the script's) gives on
        // four slots, each group starting on the first slot to come free, a
        // makespan within a tenth of the best possible; wall-clock times
        // would measure the machine's load rather than the order.
        QFile times(log);
        QVERIFY(times.open(QIODevice::ReadOnly));
        QList<int> firstFour;
        for (const QByteArray &line : times.readAll().split('\n')) {
            if (line.startsWith("start ") && firstFour.size() < plan.jobs)
                firstFour << int(line.split(' ').value(2).toLongLong() / Unit);
        }
        std::sort(firstFour.begin(), firstFour.end());
        QCOMPARE(firstFour, QList<int>({5, 6, 7, 8}));
        QCOMPARE(QDir(root + u"/mp3"_s).count(), qsizetype(2 + steps.size()));
        QList<int> started;
        for (const QByteArray &line : RenderShellScript(plan).split('\n')) {
            if (line.startsWith("n="))
                started << steps[line.mid(2, line.indexOf(' ') - 2).toInt() - 1];
        }
        QList<int> slots(plan.jobs, 0);
        for (const int length : std::as_const(started))
            *std::min_element(slots.begin(), slots.end()) += length;
        const int makespan = *std::max_element(slots.begin(), slots.end());
        const int best = std::max(*std::max_element(steps.begin(), steps.end()),
                                  (std::accumulate(steps.begin(), steps.end(), 0) + 3) / 4);
        QVERIFY2(makespan <= 1.1 * best,
                 qPrintable(u"%1 steps where %2 is the best possible"_s.arg(makespan).arg(best)));
    }

    // Alone, the groups keep the file list's order.
    void aloneInListOrder()
    {
        ScriptPlan plan;
        plan.bitrate = u"128000"_s;
        for (const int bytes : {10, 30, 20}) {
            ScriptGroup group;
            group.listedName = group.shortWavPath = u"%1.wav"_s.arg(bytes);
            group.shortOutputPath = group.longMp3Path = u"%1.mp3"_s.arg(bytes);
            group.wavBytes = bytes;
            plan.groups << group;
        }
        for (const auto &[jobs, order] : {std::pair{1, "123"}, std::pair{2, "231"}}) {
            plan.jobs = jobs;
            QByteArray numbers;
            for (const QByteArray &line : RenderShellScript(plan).split('\n')) {
                if (line.startsWith("n="))
                    numbers += line.mid(2, 1);
            }
            QCOMPARE(numbers, QByteArray(order));
        }
    }

    // On a terminal one line of progress stays below the files' lines while
    // several run, rewritten in place and never inside a file's line; in a
    // log only the files' lines.
    void progressLineOnlyOnATerminal()
    {
        const QString root = path(u"p"_s);
        makeBatch(root, {1.0, 0.5, 1.5, 0.5, 1.0}, 3);
        const QByteArray log = runScript(root);
        QVERIFY2(!log.contains("of the audio") && !log.contains('\r'), log.constData());
        QCOMPARE(log.count(": encoding\n"), 5);

        makeBatch(root, {1.0, 0.5, 1.5, 0.5, 1.0}, 3);
        QProcess terminal;
        terminal.setWorkingDirectory(root + u"/enc"_s);
        terminal.setProcessEnvironment(environmentIn(root));
        terminal.start(u"script"_s, {u"-qec"_s, u"sh TEMP.BAT"_s, u"/dev/null"_s});
        QVERIFY(terminal.waitForFinished(60000));
        QByteArray shown = terminal.readAllStandardOutput();
        while (shown.endsWith('\n') || shown.endsWith('\r'))
            shown.chop(1);
        // Each rewrite of the progress line: a whole file's line, then the progress.
        const QRegularExpression piece(uR"(^\[\d/5\] track \d\d\.wav: [^\r\n]*\r\n)"
                                       uR"(\d of 5 done, \d encoding, \d+% of the audio$)"_s);
        QList<QByteArray> pieces = QByteArray(shown).replace("\r\033[K", "\x1e").split('\x1e');
        QVERIFY2(pieces.size() == 12 && pieces.takeFirst().isEmpty()
                     && pieces.takeLast().startsWith("Finished: "),
                 shown.constData());
        int lines = 0;
        for (const QByteArray &text : std::as_const(pieces)) {
            QVERIFY2(piece.match(QString::fromUtf8(text)).hasMatch(), text.constData());
            ++lines;
        }
        QCOMPARE(lines, 10);
        QVERIFY(shown.contains("5 of 5 done, 0 encoding, 100% of the audio"));
    }

    // Names that could forge a line, rewrite one, retitle the terminal,
    // clear it, or swallow a placeholder of the script: every printed line
    // is one file's line (names shown as ls quotes them), no control byte
    // reaches the terminal or the log, the summary counts what is on disk,
    // and the files named are the files touched.
    void hostileNames_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::newRow("one at a time") << 1;
        QTest::newRow("three at once") << 3;
    }
    void hostileNames()
    {
        QFETCH(int, jobs);
        const QString root = path(u"names"_s);
        const QString forged = u"Finished: 9 of 9 MP3(s) made, 0 failed; 9 WAV(s) deleted, 0 kept."_s;
        const QStringList names{u"line\n"_s + forged + u"\n.wav"_s, u"carriage\rreturn.wav"_s,
                                u"\033]0;owned\007title.wav"_s, u"\033[2Jclear.wav"_s,
                                u"\u009b2J C1.wav"_s, u"%1.wav"_s, u"Artist%2C Title%3.wav"_s,
                                forged + u".wav"_s, QString(251, u'n') + u".wav"_s};
        const QString broken = u"no <b>WAV & \033[31m\n.wav"_s; // failed: named in the summary
        const ScriptPlan plan = makeBatch(root, QList<double>(9, 0.3) << -1, jobs,
                                          QStringLiteral(L3ENC_PROGRAM), names + QStringList{broken});
        const QString wavs = root + u"/wav/"_s, mp3s = root + u"/mp3/"_s;
        // A notification service that keeps what it was sent.
        QProcessEnvironment environment = environmentIn(root);
        QVERIFY(QDir().mkpath(root + u"/bin"_s));
        QFile notifier(root + u"/bin/notify-send"_s);
        QVERIFY(notifier.open(QIODevice::WriteOnly));
        notifier.write("#!/bin/sh\nfor last; do :; done\nprintf '%s' \"$last\" >\"$(dirname \"$0\")/body\"\n");
        notifier.close();
        QVERIFY(notifier.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        environment.insert(u"PATH"_s, root + u"/bin:"_s + environment.value(u"PATH"_s));
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent"_s);
        const ScriptRun run = RunScript(root + u"/enc"_s, u"TEMP.BAT"_s, environment);
        QVERIFY2(run.finished, run.output.constData());

        const QString text = QString::fromUtf8(run.output);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            QVERIFY2(c == u'\n' || (c >= 0x20 && (c < 0x7F || c > 0x9F)),
                     qPrintable(u"a raw control character %1 in: %2"_s.arg(QString::number(c, 16), text.mid(i - 40, 80))));
        }
        QStringList lines = text.split(u'\n');
        QVERIFY(lines.takeLast().isEmpty());
        const QString summary = lines.takeLast();
        for (const QString &line : std::as_const(lines))
            QVERIFY2(line.startsWith(u'[') || line.startsWith(u"L3ENC: "_s), qPrintable(line));
        for (const QString &name : names) {
            QVERIFY2(text.contains(u"/10] "_s + ShownName(name) + u": MP3 made, tagged, WAV deleted\n"_s),
                     qPrintable(ShownName(name)));
            QVERIFY(!QFile::exists(wavs + name));
            QVERIFY(qAbs(DecodedSeconds(mp3s + name.chopped(3) + u"mp3"_s) - 0.3) < 0.1);
        }
        QVERIFY(QFile::exists(wavs + broken));
        const qsizetype made = QDir(mp3s).entryList(QDir::Files).size();
        const qsizetype kept = QDir(wavs).entryList(QDir::Files).size();
        QCOMPARE(made + kept, plan.groups.size());
        QCOMPARE(summary, u"Finished: %1 of 10 MP3(s) made, 1 failed (%2); %3 WAV(s) deleted, %4 kept."_s
                              .arg(QString::number(made), ShownName(broken),
                                   QString::number(10 - kept), QString::number(kept)));
        // The notification says the same, as markup (its writer runs in the background).
        QString body = summary + u" Its log is TEMP.LOG in "_s + root + u"/enc."_s;
        body.replace(u'&', u"&amp;"_s).replace(u'<', u"&lt;"_s).replace(u'>', u"&gt;"_s);
        const auto sent = [&root] {
            QFile file(root + u"/bin/body"_s);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_COMPARE(sent(), body.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestParallelScript)
#include "tst_parallel_script.moc"
