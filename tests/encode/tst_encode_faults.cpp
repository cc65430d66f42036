#include "encode/encode_run.h"
#include "encode/image_tracks.h"
#include "support/audio_files.h"
#include "support/riff_bytes.h"
#include "support/script_runs.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

// The encode run under faults: the program's own script, run by sh with the
// real L3ENC and tagging run on real files. Each row states what must become
// of every file it names; every other file must stay byte for byte as it was.
namespace {

enum class Fate {
    Unchanged, // as before the run, byte for byte (or the same link, FIFO, directory)
    Deleted,   // was there, is gone
    NewMp3,    // made by this run: MPEG audio of the given length
    Absent,    // never there
    Kept,      // still there: a WAV some other program went on writing
};

constexpr double AnyLength = -1;

// A program or helper the rows run: the built one, or its copy in the folder
// SONDRAKE_TEST_PROGRAMS names (scripts/test.sh hands user nobody copies it
// can reach when the build is below a folder closed to others).
QString Program(const char *fileName, const char *built)
{
    const QString copies = qEnvironmentVariable("SONDRAKE_TEST_PROGRAMS");
    return copies.isEmpty() ? QString::fromUtf8(built)
                            : copies + u'/' + QString::fromUtf8(fileName);
}

struct Expected {
    QString path; // below the fixture's root
    Fate fate;
    double seconds = 0; // for NewMp3 and Kept: audio decoded from it, or AnyLength
};

struct Fixture {
    QString root;
    EncodeRequest request;
    QList<Expected> expected; // what a row can only name once it is prepared
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QByteArray output;                 // what the script printed
    std::shared_ptr<QProcess> writer;  // another program writing a WAV meanwhile
    QStringList *mounts = nullptr;     // unmounted after the row
    QStringList *loops = nullptr;      // loop devices detached after the row
    QString skipReason;                // why the machine cannot run the row

    QString path(const QString &relative) const { return root + u'/' + relative; }

    void wav(const QString &relative, double seconds, bool selected = true)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path(relative)).path()));
        QVERIFY(WriteWav(path(relative), {2, 44100, SF_FORMAT_PCM_16, seconds}));
        if (selected)
            select(QFileInfo(relative).fileName());
    }
    void file(const QString &relative, const QByteArray &bytes)
    {
        QFile out(path(relative));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    void select(const QString &name)
    {
        request.files.append({name, true});
        request.entries.append(MakeTagEntry({u"Title"_s, u"Artist"_s, u"Album"_s, u"2024"_s,
                                             u"Rock"_s, {}}));
    }
    // A CD image of whole seconds at 44.1 kHz, selected, with a track from
    // each start (in seconds) on, each named and tagged as a cue sheet would.
    void image(const QString &relative, double seconds, const QList<int> &starts)
    {
        wav(relative, seconds);
        request.tracks = QList<QList<ImageTrack>>(request.files.size() - 1);
        QList<ImageTrack> tracks;
        for (qsizetype i = 0; i < starts.size(); ++i) {
            const int number = int(i + 1);
            const qint64 end = i + 1 < starts.size() ? starts[i + 1] : qint64(seconds);
            tracks.append({number, starts[i] * qint64(44100), end * 44100,
                           TrackMp3Name(number, {}, false), request.entries.last(), {}});
        }
        request.tracks.append(tracks);
    }
    // The batch runs as many files at once as the CPUs this thread may use
    // (its children inherit the mask): on one CPU, one after another, in the
    // script's order. The row's cleanup gives the CPUs back.
    void oneFileAtATime()
    {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(sched_getcpu(), &one);
        QCOMPARE(sched_setaffinity(0, sizeof one, &one), 0);
    }
    // Replaces L3ENC by a sh wrapper around the real one.
    void wrapEncoder(const QByteArray &body)
    {
        const QByteArray real = QFile::encodeName(Program("L3ENC", L3ENC_PROGRAM));
        file(u"enc/L3ENC"_s, "#!/bin/sh\nREAL='" + real + "'\n" + body);
        QVERIFY(QFile::setPermissions(path(u"enc/L3ENC"_s), QFile::ReadOwner | QFile::ExeOwner));
    }
    // Starts slow_writer.py (record or move) and returns once a second of
    // audio is on disk.
    void startWriter(const QStringList &arguments)
    {
        writer = std::make_shared<QProcess>();
        writer->start(u"python3"_s,
                      QStringList{Program("slow_writer.py", SLOW_WRITER)} + arguments);
        QVERIFY2(writer->waitForReadyRead(20000), "the writer did not start");
        QVERIFY(writer->readLine().startsWith("started"));
    }
    // A small file system of `type` ("exfat") in an image beside the root
    // on a loop device, mounted at `relative`: false, with the reason in
    // skipReason, where the machine cannot.
    bool mountImage(const QString &relative, const QString &type)
    {
        QString &why = skipReason;
        const QString image = root + u".image"_s;
        QFile imageFile(image);
        if (!imageFile.open(QIODevice::WriteOnly) || !imageFile.resize(qint64(16) * 1024 * 1024)) {
            why = u"cannot make an image file"_s;
            return false;
        }
        imageFile.close();
        QProcess losetup;
        losetup.start(u"losetup"_s, {u"-f"_s, u"--show"_s, image});
        if (!losetup.waitForFinished() || losetup.exitCode() != 0) {
            why = u"no loop device: "_s + QString::fromLocal8Bit(losetup.readAllStandardError());
            return false;
        }
        const QString device = QString::fromLocal8Bit(losetup.readAllStandardOutput()).trimmed();
        *loops << device;
        if (QProcess::execute(u"mkfs."_s + type, {u"-q"_s, device}) != 0
            && QProcess::execute(u"mkfs."_s + type, {device}) != 0) {
            why = u"mkfs."_s + type + u" failed"_s;
            return false;
        }
        // The kernel's driver where it has one, else FUSE's.
        if (QProcess::execute(u"mount"_s, {u"-t"_s, type, device, path(relative)}) != 0
            && QProcess::execute(u"mount."_s + type + u"-fuse"_s, {device, path(relative)}) != 0) {
            why = u"cannot mount "_s + type;
            return false;
        }
        *mounts << path(relative);
        return true;
    }
    // Writes `value` little-endian at `offset` of the file, or at the size
    // field of its data chunk for offset -1.
    void patchSize(const QString &relative, qint64 offset, quint32 value)
    {
        QFile wav(path(relative));
        QVERIFY(wav.open(QIODevice::ReadWrite));
        if (offset < 0)
            offset = wav.read(4096).indexOf("data") + 4;
        QVERIFY(offset > 0 && wav.seek(offset));
        const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
        QCOMPARE(wav.write(bytes, 4), 4);
    }
    // A directory below wav/ deep enough that "<it>/<name>" is `length` bytes.
    QString directoryForPathLength(int length, const QString &name)
    {
        QString directory = path(u"wav"_s);
        while (directory.size() + 1 + name.size() < length) {
            // Long steps first, then one that lands on the length exactly.
            const qsizetype left = length - (directory.size() + 1 + name.size());
            directory += u'/' + QString(left > 250 ? 150 : left - 1, u'd');
        }
        QDir().mkpath(directory);
        return directory;
    }
};

bool isRoot()
{
    return ::geteuid() == 0;
}

struct Row {
    const char *name;
    std::function<void(Fixture &)> prepare;
    QList<Expected> expected = {};
    EncodeOutcome::Kind outcome = EncodeOutcome::Kind::Started;
    // How the run goes; by default RunEncode, its script run by sh at once.
    std::function<void(Fixture &)> run = {};
    const char *skipUnless = nullptr; // "root" or "user"
    const char *summary = nullptr;    // the script's last line, where it matters
};

ScriptStarter runningStarter(Fixture &f, bool *finished)
{
    return [&f, finished](const QString &directory, const QString &script) {
        const ScriptRun run = RunScript(directory, script, f.environment);
        *finished = run.finished;
        f.output += run.output;
        return Result::success();
    };
}

// The script as written now, kept under another name to run later.
ScriptStarter keepingStarter(const QString &copy)
{
    return [copy](const QString &directory, const QString &script) {
        return QFile::copy(QDir(directory).filePath(script), copy) ? Result::success()
                                                                   : Result::failure(copy);
    };
}

const QByteArray OldMp3 = "an MP3 made earlier, not by this run"; // clazy:exclude=non-pod-global-static (a fixture)

const QList<Row> &rows()
{
    static const QList<Row> table{
        {"arguments swapped by hand",
         [](Fixture &f) { f.wav(u"wav/in.wav"_s, 0.5, false); f.file(u"mp3/out.mp3"_s, OldMp3); },
         {{u"wav/in.wav"_s, Fate::Unchanged}, {u"mp3/out.mp3"_s, Fate::Unchanged}},
         EncodeOutcome::Kind::Started,
         [](Fixture &f) {
             QCOMPARE(QProcess::execute(Program("L3ENC", L3ENC_PROGRAM),
                                        {f.path(u"mp3/out.mp3"_s), f.path(u"wav/in.wav"_s),
                                         u"-br"_s, u"128000"_s}),
                      1);
         }},
        {"a second run over files the first deleted",
         [](Fixture &f) { f.wav(u"wav/a.wav"_s, 0.5); f.wav(u"wav/b.wav"_s, 0.5); },
         {{u"wav/a.wav"_s, Fate::Deleted}, {u"wav/b.wav"_s, Fate::Deleted},
          {u"mp3/a.mp3"_s, Fate::NewMp3, 0.5}, {u"mp3/b.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started,
         [](Fixture &f) {
             const QString first = f.path(u"first.sh"_s), second = f.path(u"second.sh"_s);
             QCOMPARE(RunEncode(f.request, keepingStarter(first)).kind,
                      EncodeOutcome::Kind::Started);
             EncodeRequest again = f.request;
             again.files.first().selected = false;
             QCOMPARE(RunEncode(again, keepingStarter(second)).kind, EncodeOutcome::Kind::Started);
             QVERIFY(RunScript(f.path(u"enc"_s), first).finished);
             QVERIFY(RunScript(f.path(u"enc"_s), second).finished);
             QFile::remove(first);
             QFile::remove(second);
         }},
        {"corrupt WAV beside an old MP3",
         [](Fixture &f) {
             const QByteArray corrupt = "RIFF\x10\0\0\0WAVEfmt garbage"_ba;
             QCOMPARE(corrupt.size(), 23); // a RIFF/WAVE header and a broken format chunk
             f.file(u"wav/c.wav"_s, corrupt);
             f.select(u"c.wav"_s);
             f.file(u"mp3/c.mp3"_s, OldMp3);
         },
         {{u"wav/c.wav"_s, Fate::Unchanged}, {u"mp3/c.mp3"_s, Fate::Unchanged}}},
        {"data chunk of size 0 with audio after it",
         [](Fixture &f) {
             f.wav(u"wav/z.wav"_s, 2.0);
             QFile wav(f.path(u"wav/z.wav"_s));
             QVERIFY(wav.open(QIODevice::ReadWrite));
             const qsizetype data = wav.readAll().indexOf("data");
             QVERIFY(data > 0 && wav.seek(data + 4));
             wav.write(QByteArray(4, '\0'));
         },
         {{u"wav/z.wav"_s, Fate::Unchanged}, {u"mp3/z.mp3"_s, Fate::Absent}}},
        {"WAV path of 1,024 bytes",
         [](Fixture &f) {
             f.request.directory = f.directoryForPathLength(1024, u"x.wav"_s);
             const QString wav = f.request.directory.mid(f.root.size() + 1) + u"/x.wav"_s;
             QCOMPARE(f.path(wav).toUtf8().size(), 1024);
             f.wav(wav, 0.5);
             f.wav(wav.chopped(1), 1.5, false); // what a cut-off name would open
             f.expected << Expected{wav, Fate::Deleted};
         },
         {{u"mp3/x.mp3"_s, Fate::NewMp3, 0.5}}},
        {"WAV path of 2,000 bytes",
         [](Fixture &f) {
             f.request.directory = f.directoryForPathLength(2000, u"y.wav"_s);
             const QString wav = f.request.directory.mid(f.root.size() + 1) + u"/y.wav"_s;
             QCOMPARE(f.path(wav).toUtf8().size(), 2000);
             f.wav(wav, 0.5);
             f.expected << Expected{wav, Fate::Deleted};
         },
         {{u"mp3/y.mp3"_s, Fate::NewMp3, 0.5}}},
        {"a link to a FIFO, then a good WAV",
         [](Fixture &f) {
             QCOMPARE(::mkfifo(QFile::encodeName(f.path(u"wav/fifo"_s)).constData(), 0600), 0);
             QVERIFY(QFile::link(f.path(u"wav/fifo"_s), f.path(u"wav/a.wav"_s)));
             f.select(u"a.wav"_s);
             f.wav(u"wav/b.wav"_s, 0.5);
         },
         {{u"wav/a.wav"_s, Fate::Unchanged}, {u"mp3/a.mp3"_s, Fate::Absent},
          {u"wav/b.wav"_s, Fate::Deleted}, {u"mp3/b.mp3"_s, Fate::NewMp3, 0.5}}},
        {"MP3 path is a directory",
         [](Fixture &f) {
             f.wav(u"wav/d.wav"_s, 0.5);
             QVERIFY(QDir().mkpath(f.path(u"mp3/d.mp3/inside"_s)));
         },
         {{u"wav/d.wav"_s, Fate::Unchanged}}},
        {"MP3 path is a link to the WAV",
         [](Fixture &f) {
             f.wav(u"wav/l.wav"_s, 0.5);
             QVERIFY(QFile::link(f.path(u"wav/l.wav"_s), f.path(u"mp3/l.mp3"_s)));
         },
         {{u"wav/l.wav"_s, Fate::Unchanged}, {u"mp3/l.mp3"_s, Fate::Unchanged}}},
        {"old MP3 in a read-only destination",
         [](Fixture &f) {
             f.wav(u"wav/r.wav"_s, 0.5);
             f.file(u"mp3/r.mp3"_s, OldMp3);
             QVERIFY(QFile::setPermissions(f.path(u"mp3"_s), QFile::ReadOwner | QFile::ExeOwner));
         },
         {{u"wav/r.wav"_s, Fate::Unchanged}, {u"mp3/r.mp3"_s, Fate::Unchanged}},
         EncodeOutcome::Kind::Started, {}, "user"},
        {"L3ENC killed at its start",
         [](Fixture &f) {
             f.wav(u"wav/k.wav"_s, 0.5);
             f.file(u"mp3/k.mp3"_s, OldMp3);
             f.wrapEncoder("kill -KILL $$\n");
         },
         {{u"wav/k.wav"_s, Fate::Unchanged}, {u"mp3/k.mp3"_s, Fate::Unchanged}}},
        {"L3ENC killed midway",
         [](Fixture &f) {
             f.wav(u"wav/m.wav"_s, 60);
             f.file(u"mp3/m.mp3"_s, OldMp3);
             f.wrapEncoder("\"$REAL\" \"$@\" -hq & sleep 0.3; kill -KILL $!; wait $!\n");
         },
         {{u"wav/m.wav"_s, Fate::Unchanged}, {u"mp3/m.mp3"_s, Fate::Unchanged}}},
        {"L3ENC quit midway",
         [](Fixture &f) {
             f.wav(u"wav/q.wav"_s, 60);
             // sh starts a background job with SIGQUIT ignored: until L3ENC
             // has its handlers (later when it runs slower, as under the
             // sanitizers) a quit is lost, so a second one follows.
             f.wrapEncoder("ulimit -c 0; \"$REAL\" \"$@\" -hq & sleep 0.3; kill -QUIT $!;"
                           " sleep 0.5; kill -QUIT $! 2>/dev/null; wait $!\n");
         },
         {{u"wav/q.wav"_s, Fate::Unchanged}, {u"mp3/q.mp3"_s, Fate::Absent}}},
        {"file-size limit",
         [](Fixture &f) {
             f.wav(u"wav/s.wav"_s, 5);
             f.wrapEncoder("ulimit -f 20; exec \"$REAL\" \"$@\"\n");
         },
         {{u"wav/s.wav"_s, Fate::Unchanged}, {u"mp3/s.mp3"_s, Fate::Absent}}},
        {"selected WAVs that differ only in case",
         [](Fixture &f) {
             for (const QString &name : {u"a.wav"_s, u"a.WAV"_s, u"a.Wav"_s})
                 f.wav(u"wav/"_s + name, 0.5);
         },
         {{u"wav/a.wav"_s, Fate::Unchanged}, {u"wav/a.WAV"_s, Fate::Unchanged},
          {u"wav/a.Wav"_s, Fate::Unchanged}, {u"mp3/a.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Refused},
        {"every selected file vanished",
         [](Fixture &f) { f.select(u"gone.wav"_s); f.select(u"lost.wav"_s); },
         {},
         EncodeOutcome::Kind::Refused},
        {"relative destination",
         [](Fixture &f) {
             f.wav(u"wav/rel.wav"_s, 0.5);
             f.request.destination = u"mp3/"_s;
             QVERIFY(QDir::setCurrent(f.root));
         },
         {{u"wav/rel.wav"_s, Fate::Deleted}, {u"mp3/rel.mp3"_s, Fate::NewMp3, 0.5}}},
        // One file at a time: run side by side, the file that fits could
        // find the disk filled by the other one's encode (and rightly keep
        // its WAV).
        {"full file system at the destination",
         [](Fixture &f) {
             f.oneFileAtATime();
             QCOMPARE(QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=48k"_s,
                                                     u"tmpfs"_s, f.path(u"mp3"_s)}),
                      0);
             f.wav(u"wav/full.wav"_s, 5);
             f.wav(u"wav/fits.wav"_s, 0.5);
             f.file(u"mp3/full.mp3"_s, OldMp3);
         },
         {{u"wav/full.wav"_s, Fate::Unchanged}, {u"mp3/full.mp3"_s, Fate::Unchanged},
          {u"wav/fits.wav"_s, Fate::Deleted}, {u"mp3/fits.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, "root"},
        {"full file system for the script",
         [](Fixture &f) {
             f.wav(u"wav/t.wav"_s, 0.5);
             QVERIFY(QFile::rename(f.path(u"enc"_s), f.path(u"enc-real"_s)));
             QVERIFY(QDir().mkpath(f.path(u"enc"_s)));
             QCOMPARE(QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=16k"_s,
                                                     u"tmpfs"_s, f.path(u"enc"_s)}),
                      0);
             QVERIFY(QFile::link(f.path(u"enc-real/L3ENC"_s), f.path(u"enc/L3ENC"_s)));
             f.file(u"enc/TEMP.BAT"_s, "an earlier script");
             f.file(u"enc/filler"_s, QByteArray(qsizetype(64) * 1024, 'x')); // as much as fits
         },
         {{u"wav/t.wav"_s, Fate::Unchanged}, {u"enc/TEMP.BAT"_s, Fate::Unchanged},
          {u"mp3/t.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Refused, {}, "root"},
        // Real-world ways to lose a recording: each ends with the WAV kept.
        {"destination on exFAT, names that differ only in case",
         [](Fixture &f) {
             if (!f.mountImage(u"mp3"_s, u"exfat"_s))
                 return;
             f.wav(u"wav/Song.wav"_s, 3);
             f.wav(u"wav/song.wav"_s, 7);
         },
         {{u"wav/Song.wav"_s, Fate::Unchanged}, {u"wav/song.wav"_s, Fate::Unchanged},
          {u"mp3/song.mp3"_s, Fate::Absent}, {u"mp3/Song.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Refused, {}, "root"},
        {"destination on exFAT, a name it cannot hold",
         [](Fixture &f) {
             if (!f.mountImage(u"mp3"_s, u"exfat"_s))
                 return;
             f.wav(u"wav/what?.wav"_s, 0.5);
             f.wav(u"wav/fine.wav"_s, 0.5);
         },
         {{u"wav/what?.wav"_s, Fate::Unchanged}, {u"wav/fine.wav"_s, Fate::Unchanged},
          {u"mp3/fine.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Refused, {}, "root"},
        {"a recording still being written",
         [](Fixture &f) {
             f.startWriter({u"record"_s, f.path(u"wav/live.wav"_s), u"4"_s});
             f.select(u"live.wav"_s);
         },
         {{u"wav/live.wav"_s, Fate::Kept, 4.0}, {u"mp3/live.mp3"_s, Fate::NewMp3, AnyLength}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "Finished: 1 of 1 MP3(s) made, 0 failed; 0 WAV(s) deleted, 1 kept (live.wav: still being written"},
        {"a WAV being moved in from another disk",
         [](Fixture &f) {
             f.wav(u"other disk/in.wav"_s, 8, false);
             f.startWriter({u"move"_s, f.path(u"other disk/in.wav"_s), f.path(u"wav/in.wav"_s)});
             f.select(u"in.wav"_s);
         },
         {{u"other disk/in.wav"_s, Fate::Deleted}, {u"wav/in.wav"_s, Fate::Kept, 8.0},
          {u"mp3/in.mp3"_s, Fate::NewMp3, AnyLength}},
         EncodeOutcome::Kind::Started, {}, nullptr, "0 WAV(s) deleted, 1 kept (in.wav: "},
        {"a truncated WAV",
         [](Fixture &f) {
             f.wav(u"wav/cut.wav"_s, 10);
             QVERIFY(QFile::resize(f.path(u"wav/cut.wav"_s), 44 + qint64(4) * 44100 * 4));
         },
         {{u"wav/cut.wav"_s, Fate::Unchanged}, {u"mp3/cut.mp3"_s, Fate::NewMp3, 4.0}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "(cut.wav: not a complete WAV: 10.0 s declared, 4.0 s found)."},
        {"a WAV saved anew while it is encoded",
         [](Fixture &f) {
             f.wav(u"wav/take.wav"_s, 60);
             f.wav(u"new take.wav"_s, 2, false);
             f.wrapEncoder("\"$REAL\" \"$@\" -hq & sleep 0.3\n"
                           "cp \"$NEW\" \"$1.tmp\" && mv \"$1.tmp\" \"$1\"; wait $!\n");
             f.environment.insert(u"NEW"_s, f.path(u"new take.wav"_s));
         },
         {{u"wav/take.wav"_s, Fate::Kept, 2.0}, {u"new take.wav"_s, Fate::Unchanged},
          {u"mp3/take.mp3"_s, Fate::NewMp3, AnyLength}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "(take.wav: the file was replaced or removed while it was read)."},
        {"a WAV that shrinks while it is read",
         [](Fixture &f) {
             f.wav(u"wav/shrink.wav"_s, 60);
             f.wrapEncoder("\"$REAL\" \"$@\" -hq & sleep 0.3; truncate -s 1000000 \"$1\"; wait $!\n");
         },
         {{u"wav/shrink.wav"_s, Fate::Kept, AnyLength}, {u"mp3/shrink.mp3"_s, Fate::NewMp3, AnyLength}},
         EncodeOutcome::Kind::Started, {}, nullptr, "0 WAV(s) deleted, 1 kept (shrink.wav: "},
        {"over 4 GiB without RF64",
         [](Fixture &f) {
             // Sparse, and 384 kHz doubles so the encoder is through soon.
             QVERIFY(WriteWav(f.path(u"wav/long.wav"_s), {2, 384000, SF_FORMAT_DOUBLE, 0.1}));
             f.select(u"long.wav"_s);
             f.patchSize(u"wav/long.wav"_s, 4, 0xFFFFFFFF);
             f.patchSize(u"wav/long.wav"_s, -1, 0xFFFFFFFF);
             QVERIFY(QFile::resize(f.path(u"wav/long.wav"_s), (qint64(1) << 32) + 1024 * 1024));
             f.request.switches.downmix = true;
             f.request.bitrate = u"32000"_s;
         },
         {{u"wav/long.wav"_s, Fate::Unchanged}, {u"mp3/long.mp3"_s, Fate::NewMp3, AnyLength}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "(long.wav: over 4 GiB but not RF64: its sizes cannot describe it)."},
        {"audio after the data chunk",
         [](Fixture &f) {
             f.wav(u"wav/more.wav"_s, 4);
             f.patchSize(u"wav/more.wav"_s, -1, quint32(44100) * 4);
         },
         {{u"wav/more.wav"_s, Fate::Unchanged}, {u"mp3/more.mp3"_s, Fate::NewMp3, 1.0}},
         EncodeOutcome::Kind::Started, {}, nullptr, "0 WAV(s) deleted, 1 kept (more.wav: "},
        {"a tag that cannot be written keeps the WAV",
         [](Fixture &f) {
             f.wav(u"wav/t.wav"_s, 0.5);
             QVERIFY(QDir().mkpath(f.path(u"app"_s)));
             f.file(u"app/encoder"_s, "#!/bin/sh\necho 'encoder: tag not written' >&2\nexit 1\n");
             QVERIFY(QFile::setPermissions(f.path(u"app/encoder"_s),
                                           QFile::ReadOwner | QFile::ExeOwner));
             f.request.appPath = f.path(u"app/"_s);
         },
         {{u"wav/t.wav"_s, Fate::Unchanged}, {u"mp3/t.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, nullptr, "(t.wav: its tag was not written)."},
        {"the ID3v2 tag and a cover replace the MP3: its receipt follows, the WAV goes",
         [](Fixture &f) {
             f.wav(u"wav/c.wav"_s, 0.5);
             f.file(u"wav/cover.jpg"_s, "\xFF\xD8\xFF\xE0 a JPEG's first bytes");
             f.request.extras.append({{}, u"1/1"_s, {}, f.path(u"wav/cover.jpg"_s), {}, {}, {}});
         },
         {{u"wav/c.wav"_s, Fate::Deleted}, {u"mp3/c.mp3"_s, Fate::NewMp3, 0.5},
          {u"wav/cover.jpg"_s, Fate::Unchanged}},
         EncodeOutcome::Kind::Started, {}, nullptr, "1 WAV(s) deleted, 0 kept."},
        {"a cover gone before its tagging keeps the WAV",
         [](Fixture &f) {
             f.wav(u"wav/g.wav"_s, 0.5);
             f.request.extras.append({{}, u"1/1"_s, {}, f.path(u"wav/gone.jpg"_s), {}, {}, {}});
         },
         {{u"wav/g.wav"_s, Fate::Unchanged}, {u"mp3/g.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, nullptr, "(g.wav: its tag was not written)."},
        // ReplayGain: a gain that cannot be written keeps its WAV; an album
        // gain that cannot be computed holds nothing else back.
        {"a loudness measurement gone before its tagging keeps the WAV",
         [](Fixture &f) {
             f.request.replayGain = true;
             f.wav(u"wav/g.wav"_s, 0.5);
             f.wrapEncoder("for a; do [ \"$p\" = -replaygain ] && m=$a; p=$a; done\n"
                           "\"$REAL\" \"$@\"; s=$?; rm -f \"$m\"; exit $s\n");
         },
         {{u"wav/g.wav"_s, Fate::Unchanged}, {u"mp3/g.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, nullptr, "(g.wav: its tag was not written)."},
        {"an album whose second file fails: the first gets its track gain and goes, no album gain",
         [](Fixture &f) {
             f.request.replayGain = true;
             f.wav(u"wav/a.wav"_s, 1.0);
             f.wav(u"wav/b.wav"_s, 1.0);
             f.wrapEncoder("case \"$1\" in *b.wav) exit 1 ;; esac\nexec \"$REAL\" \"$@\"\n");
         },
         {{u"wav/a.wav"_s, Fate::Deleted}, {u"mp3/a.mp3"_s, Fate::NewMp3, 1.0},
          {u"wav/b.wav"_s, Fate::Unchanged}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "1 WAV(s) deleted, 1 kept.\nAlbum gain written for 0 of 1 album(s) (Album: b.wav: its MP3 "
         "was not made and measured).\n"},
        {"an image tagged again with its album gain still goes: the receipts follow its tracks",
         [](Fixture &f) {
             f.request.replayGain = true;
             f.image(u"wav/cd.wav"_s, 3, {0, 1});
         },
         {{u"wav/cd.wav"_s, Fate::Deleted}, {u"mp3/01 - Track 01.mp3"_s, Fate::NewMp3, 1.0},
          {u"mp3/02 - Track 02.mp3"_s, Fate::NewMp3, 2.0}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "1 WAV(s) deleted, 0 kept.\nAlbum gain written for 1 of 1 album(s).\n"},
        {"destination on exFAT, a long CJK name: tagged beside a hidden name FAT can hold",
         [](Fixture &f) {
             if (!f.mountImage(u"mp3"_s, u"exfat"_s))
                 return;
             f.wav(u"wav/"_s + QString(69, u'\u66F2') + u".wav"_s, 0.5);
         },
         {{u"wav/"_s + QString(69, u'\u66F2') + u".wav"_s, Fate::Deleted},
          {u"mp3/"_s + QString(69, u'\u66F2') + u".mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, "root", "1 WAV(s) deleted, 0 kept."},
        // An image goes only when every track is done and the receipts cover it.
        {"an image whose tracks are all made: the WAV goes, each track its own MP3",
         [](Fixture &f) { f.image(u"wav/cd.wav"_s, 4, {0, 1, 3}); },
         {{u"wav/cd.wav"_s, Fate::Deleted}, {u"mp3/01 - Track 01.mp3"_s, Fate::NewMp3, 1.0},
          {u"mp3/02 - Track 02.mp3"_s, Fate::NewMp3, 2.0}, {u"mp3/03 - Track 03.mp3"_s, Fate::NewMp3, 1.0}},
         EncodeOutcome::Kind::Started, {}, nullptr, "Finished: 3 of 3 MP3(s) made, 0 failed; 1 WAV(s) deleted, 0 kept.\n"},
        {"an image whose second track fails keeps the WAV, naming the track",
         [](Fixture &f) {
             f.image(u"wav/cd.wav"_s, 4, {0, 2});
             f.wrapEncoder("case \" $* \" in *' -from 88200 '*) exit 1 ;; esac\nexec \"$REAL\" \"$@\"\n");
         },
         {{u"wav/cd.wav"_s, Fate::Unchanged}, {u"mp3/01 - Track 01.mp3"_s, Fate::NewMp3, 2.0},
          {u"mp3/02 - Track 02.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Started, {}, nullptr, "1 failed (cd.wav, track 02); 0 WAV(s) deleted, 1 kept (cd.wav: track 02: its MP3 was not made)."},
        {"an image saved anew while its tracks encode keeps the WAV",
         [](Fixture &f) {
             f.oneFileAtATime();
             f.image(u"wav/cd.wav"_s, 4, {0, 2});
             f.wrapEncoder("\"$REAL\" \"$@\"; status=$?\n"
                           "case \" $* \" in *' -from 0 '*) touch -d '2001-01-01' \"$1\" ;; esac\nexit $status\n");
         },
         {{u"wav/cd.wav"_s, Fate::Unchanged}, {u"mp3/01 - Track 01.mp3"_s, Fate::NewMp3, 2.0},
          {u"mp3/02 - Track 02.mp3"_s, Fate::NewMp3, 2.0}},
         EncodeOutcome::Kind::Started, {}, nullptr, "(cd.wav: track 01: the WAV or its MP3 changed after the encode)"},
        {"a float WAV with a NaN sample",
         [](Fixture &f) {
             QVERIFY(WriteWav(f.path(u"wav/nan.wav"_s), {2, 44100, SF_FORMAT_FLOAT, 1}));
             f.select(u"nan.wav"_s);
             QFile wav(f.path(u"wav/nan.wav"_s));
             QVERIFY(wav.open(QIODevice::ReadWrite) && wav.seek(wav.size() - 4000));
             const float nan = std::numeric_limits<float>::quiet_NaN();
             wav.write(reinterpret_cast<const char *>(&nan), sizeof nan);
         },
         {{u"wav/nan.wav"_s, Fate::Unchanged}, {u"mp3/nan.mp3"_s, Fate::NewMp3, 1.0}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "(nan.wav: it holds damaged samples (not numbers, or far beyond full scale))."},
        {"a chunk whose name is not text, after the audio: the reader stops there",
         [](Fixture &f) {
             f.wav(u"wav/odd.wav"_s, 0.5);
             QFile wav(f.path(u"wav/odd.wav"_s));
             QVERIFY(wav.open(QIODevice::Append));
             wav.write(RiffChunk("\x01\x02\x03\x04", "abcd"));
             wav.close();
             f.patchSize(u"wav/odd.wav"_s, 4, quint32(wav.size() - 8));
         },
         {{u"wav/odd.wav"_s, Fate::Unchanged}, {u"mp3/odd.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "(odd.wav: not a complete WAV: its chunks do not parse to the end)."},
        {"a float WAV with a sample of 1e30",
         [](Fixture &f) {
             QVERIFY(WriteWav(f.path(u"wav/loud.wav"_s), {1, 44100, SF_FORMAT_FLOAT, 1}));
             f.select(u"loud.wav"_s);
             QFile wav(f.path(u"wav/loud.wav"_s));
             QVERIFY(wav.open(QIODevice::ReadWrite) && wav.seek(wav.size() - 4000));
             const float loud = 1e30f;
             wav.write(reinterpret_cast<const char *>(&loud), sizeof loud);
         },
         {{u"wav/loud.wav"_s, Fate::Unchanged}, {u"mp3/loud.mp3"_s, Fate::NewMp3, 1.0}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "(loud.wav: it holds damaged samples (not numbers, or far beyond full scale))."},
        {"a WAV last changed in 1969, at a fraction of a second",
         [](Fixture &f) {
             f.wav(u"wav/old.wav"_s, 0.5);
             const timespec times[2] = {{-2, 500000000}, {-2, 500000000}}; // 23:59:58.5
             QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(f.path(u"wav/old.wav"_s)).constData(),
                                  times, 0),
                      0);
         },
         {{u"wav/old.wav"_s, Fate::Deleted}, {u"mp3/old.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "Finished: 1 of 1 MP3(s) made, 0 failed; 1 WAV(s) deleted, 0 kept.\n"},
        {"a WAV reached through a link: the link goes, the file it names stays",
         [](Fixture &f) {
             f.wav(u"takes/take.wav"_s, 0.5, false);
             QVERIFY(QFile::link(f.path(u"takes/take.wav"_s), f.path(u"wav/take.wav"_s)));
             f.select(u"take.wav"_s);
         },
         {{u"wav/take.wav"_s, Fate::Deleted}, {u"takes/take.wav"_s, Fate::Unchanged},
          {u"mp3/take.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "Finished: 1 of 1 MP3(s) made, 0 failed; 1 WAV(s) deleted, 0 kept.\n"},
        {"L3ENC aborted midway, destination on exFAT",
         [](Fixture &f) {
             if (!f.mountImage(u"mp3"_s, u"exfat"_s))
                 return;
             f.wav(u"wav/ab.wav"_s, 60);
             f.file(u"mp3/ab.mp3"_s, OldMp3);
             f.wrapEncoder("ulimit -c 0; \"$REAL\" \"$@\" -hq & sleep 0.3; kill -ABRT $!; wait $!\n");
         },
         {{u"wav/ab.wav"_s, Fate::Unchanged}, {u"mp3/ab.mp3"_s, Fate::Unchanged}},
         EncodeOutcome::Kind::Started, {}, "root"},
        {"L3ENC crashed midway, destination on exFAT",
         [](Fixture &f) {
             if (!f.mountImage(u"mp3"_s, u"exfat"_s))
                 return;
             f.wav(u"wav/sv.wav"_s, 60);
             f.wrapEncoder("ulimit -c 0; \"$REAL\" \"$@\" -hq & sleep 0.3; kill -SEGV $!; wait $!\n");
         },
         {{u"wav/sv.wav"_s, Fate::Unchanged}, {u"mp3/sv.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Started, {}, "root"},
        {"encoding again over MP3s tagged earlier: skip them",
         [](Fixture &f) {
             f.wav(u"wav/done.wav"_s, 0.5);
             f.file(u"mp3/done.mp3"_s, OldMp3);
             f.wav(u"wav/new.wav"_s, 0.5);
         },
         {{u"wav/done.wav"_s, Fate::Unchanged}, {u"mp3/done.mp3"_s, Fate::Unchanged},
          {u"wav/new.wav"_s, Fate::Deleted}, {u"mp3/new.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started,
         [](Fixture &f) {
             const EncodeCheck check = CheckEncodeRequest(f.request);
             QCOMPARE(check.existingMp3s, QStringList{f.path(u"mp3/done.mp3"_s)});
             bool finished = false;
             QCOMPARE(StartEncode(check, ExistingMp3s::Skip, runningStarter(f, &finished)).kind,
                      EncodeOutcome::Kind::Started);
             QVERIFY(finished);
         },
         nullptr, "Finished: 1 of 1 MP3(s) made, 0 failed; 1 WAV(s) deleted, 0 kept."},
        {"a file name holding a newline",
         [](Fixture &f) {
             f.wav(u"wav/line\nmade deleted.wav"_s, 0.5);
             f.file(u"wav/x.wav"_s, "not a WAV");
             f.select(u"x.wav"_s);
         },
         {{u"wav/line\nmade deleted.wav"_s, Fate::Deleted}, {u"mp3/line\nmade deleted.mp3"_s, Fate::NewMp3, 0.5},
          {u"wav/x.wav"_s, Fate::Unchanged}, {u"mp3/x.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Started, {}, nullptr,
         "Finished: 1 of 2 MP3(s) made, 1 failed (x.wav); 1 WAV(s) deleted, 1 kept.\n"},
        {"a full temporary directory",
         [](Fixture &f) {
             QVERIFY(QDir().mkpath(f.path(u"tmp"_s)));
             QCOMPARE(QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=16k"_s,
                                                     u"tmpfs"_s, f.path(u"tmp"_s)}),
                      0);
             *f.mounts << f.path(u"tmp"_s);
             f.file(u"tmp/filler"_s, QByteArray(qsizetype(64) * 1024, 'x')); // as much as fits
             f.environment.insert(u"TMPDIR"_s, f.path(u"tmp"_s));
             for (const QString &name : {u"a"_s, u"b"_s, u"c"_s})
                 f.wav(u"wav/"_s + name + u".wav"_s, 0.5);
         },
         {{u"wav/a.wav"_s, Fate::Deleted}, {u"mp3/a.mp3"_s, Fate::NewMp3, 0.5},
          {u"wav/b.wav"_s, Fate::Deleted}, {u"mp3/b.mp3"_s, Fate::NewMp3, 0.5},
          {u"wav/c.wav"_s, Fate::Deleted}, {u"mp3/c.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started, {}, "root",
         "Finished: 3 of 3 MP3(s) made, 0 failed; 3 WAV(s) deleted, 0 kept.\n"},
        {"a relative destination, encoded twice in one session",
         [](Fixture &f) {
             f.wav(u"wav/one.wav"_s, 0.5);
             f.wav(u"wav/two.wav"_s, 0.5);
             f.request.destination = u"mp3/"_s;
             f.request.startDirectory = f.root;
             QVERIFY(QDir::setCurrent(f.root));
         },
         {{u"wav/one.wav"_s, Fate::Deleted}, {u"mp3/one.mp3"_s, Fate::NewMp3, 0.5},
          {u"wav/two.wav"_s, Fate::Deleted}, {u"mp3/two.mp3"_s, Fate::NewMp3, 0.5}},
         EncodeOutcome::Kind::Started,
         [](Fixture &f) {
             bool finished = false;
             for (qsizetype i = 0; i < 2; ++i) {
                 EncodeRequest once = f.request;
                 once.files[1 - i].selected = false;
                 QCOMPARE(RunEncode(once, runningStarter(f, &finished)).kind,
                          EncodeOutcome::Kind::Started);
                 QVERIFY(finished);
             }
         }},
    };
    return table;
}

} // namespace

class TestEncodeFaults : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QStringList m_mounts;
    QStringList m_loops;
    QString m_startDirectory = QDir::currentPath();
    cpu_set_t m_cpus = [] {
        cpu_set_t cpus;
        sched_getaffinity(0, sizeof cpus, &cpus);
        return cpus;
    }();

private Q_SLOTS:
    void faults_data()
    {
        QTest::addColumn<int>("row");
        for (qsizetype i = 0; i < rows().size(); ++i)
            QTest::newRow(rows()[i].name) << int(i);
    }
    void faults()
    {
        QFETCH(int, row);
        const Row &fault = rows()[row];
        if (fault.skipUnless == QByteArrayView("root") && !isRoot())
            QSKIP("needs root to mount a small file system");
        if (fault.skipUnless == QByteArrayView("user") && isRoot())
            QSKIP("root writes everywhere; runs again as an ordinary user");

        m_dir.emplace();
        Fixture f;
        f.root = m_dir->path();
        for (const QString &directory : {u"enc"_s, u"wav"_s, u"mp3"_s})
            QVERIFY(QDir().mkpath(f.path(directory)));
        m_mounts = {f.path(u"mp3"_s), f.path(u"enc"_s)};
        m_loops.clear();
        f.mounts = &m_mounts;
        f.loops = &m_loops;
        QVERIFY(QFile::copy(Program("L3ENC", L3ENC_PROGRAM), f.path(u"enc/L3ENC"_s)));
        f.request.directory = f.path(u"wav"_s);
        f.request.bitrate = u"128000"_s;
        f.request.switches.autoDelete = true;
        f.request.encoderPath = f.path(u"enc"_s);
        f.request.destination = f.path(u"mp3/"_s);
        f.request.appPath = Program("", APP_PATH);
        fault.prepare(f);
        if (!f.skipReason.isEmpty())
            QSKIP(qPrintable(f.skipReason));
        if (QTest::currentTestFailed())
            return;

        QMap<QString, QByteArray> before = SnapshotTree(f.root);
        const QString workingDirectory = QDir::currentPath();
        if (fault.run) {
            fault.run(f);
        } else {
            bool finished = true;
            const EncodeOutcome outcome = RunEncode(f.request, runningStarter(f, &finished));
            QVERIFY2(outcome.kind == fault.outcome, qPrintable(outcome.message));
            QVERIFY2(finished, "the script hung");
            if (outcome.kind == EncodeOutcome::Kind::Refused)
                QCOMPARE(QDir::currentPath(), workingDirectory);
        }
        if (QTest::currentTestFailed())
            return;
        if (f.writer) {
            QVERIFY2(f.writer->waitForFinished(60000), "the writer hung");
            QCOMPARE(f.writer->exitCode(), 0);
        }
        QMap<QString, QByteArray> after = SnapshotTree(f.root);
        if (fault.summary)
            QVERIFY2(f.output.contains(fault.summary), f.output.constData());

        for (const Expected &expected : fault.expected + f.expected) {
            const QByteArray was = before.take(expected.path);
            const QByteArray is = after.take(expected.path);
            const QByteArray name = expected.path.toUtf8();
            const char *path = name.constData();
            const bool anyLength = expected.seconds == AnyLength;
            switch (expected.fate) {
            case Fate::Unchanged:
                QVERIFY2(!was.isEmpty() && is == was, path);
                break;
            case Fate::Deleted:
                QVERIFY2(!was.isEmpty() && is.isEmpty(), path);
                break;
            case Fate::NewMp3:
                QVERIFY2(was.isEmpty() && is.startsWith("file "), path);
                QVERIFY2(ReadMp3Frames(f.path(expected.path)).size() > 10, path);
                QVERIFY2(anyLength
                             || qAbs(DecodedSeconds(f.path(expected.path)) - expected.seconds) < 0.05,
                         path);
                break;
            case Fate::Kept:
                QVERIFY2(!was.isEmpty() && !is.isEmpty(), path);
                QVERIFY2(anyLength
                             || qAbs(DecodedSeconds(f.path(expected.path)) - expected.seconds) < 0.05,
                         path);
                break;
            case Fate::Absent:
                QVERIFY2(was.isEmpty() && is.isEmpty(), path);
                break;
            }
        }
        // Every started run writes its script; nothing else may appear,
        // vanish or change (no temporary file is left either).
        before.remove(u"enc/TEMP.BAT"_s);
        after.remove(u"enc/TEMP.BAT"_s);
        QMap<QString, QByteArray> all = before;
        all.insert(after);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            QVERIFY2(before.value(it.key()) == after.value(it.key()),
                     qPrintable(it.key() + u" changed"_s));
    }

    void cleanup()
    {
        QDir::setCurrent(m_startDirectory);
        sched_setaffinity(0, sizeof m_cpus, &m_cpus);
        if (!m_dir)
            return;
        QFile::setPermissions(m_dir->filePath(u"mp3"_s), QFile::ReadOwner | QFile::WriteOwner
                                                            | QFile::ExeOwner);
        if (isRoot()) {
            for (const QString &mount : m_mounts)
                QProcess::execute(u"umount"_s, {u"-q"_s, mount});
            for (const QString &loop : m_loops)
                QProcess::execute(u"losetup"_s, {u"-d"_s, loop});
        }
        QFile::remove(m_dir->path() + u".image"_s);
        m_dir.reset();
    }
};

QTEST_GUILESS_MAIN(TestEncodeFaults)
#include "tst_encode_faults.moc"
