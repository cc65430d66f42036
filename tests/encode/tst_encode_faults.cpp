#include "encode/encode_run.h"
#include "support/audio_files.h"
#include "support/script_runs.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

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
};

struct Expected {
    QString path; // below the fixture's root
    Fate fate;
    double seconds = 0; // for NewMp3
};

struct Fixture {
    QString root;
    EncodeRequest request;
    QList<Expected> expected; // what a row can only name once it is prepared

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
    // Replaces L3ENC by a sh wrapper around the real one.
    void wrapEncoder(const QByteArray &body)
    {
        file(u"enc/L3ENC"_s, "#!/bin/sh\nREAL='" + QByteArray(L3ENC_PROGRAM) + "'\n" + body);
        QVERIFY(QFile::setPermissions(path(u"enc/L3ENC"_s), QFile::ReadOwner | QFile::ExeOwner));
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
};

ScriptStarter runningStarter(bool *finished)
{
    return [finished](const QString &directory, const QString &script) {
        *finished = RunScript(directory, script).finished;
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

const QByteArray OldMp3 = "an MP3 made earlier, not by this run";

const QList<Row> &rows()
{
    static const QList<Row> table{
        {"arguments swapped by hand",
         [](Fixture &f) { f.wav(u"wav/in.wav"_s, 0.5, false); f.file(u"mp3/out.mp3"_s, OldMp3); },
         {{u"wav/in.wav"_s, Fate::Unchanged}, {u"mp3/out.mp3"_s, Fate::Unchanged}},
         EncodeOutcome::Kind::Started,
         [](Fixture &f) {
             QCOMPARE(QProcess::execute(QStringLiteral(L3ENC_PROGRAM),
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
             f.file(u"wav/c.wav"_s, "RIFF\x10\0\0\0WAVEfmt garbage");
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
             f.wrapEncoder("ulimit -c 0; \"$REAL\" \"$@\" -hq & sleep 0.3; kill -QUIT $!; wait $!\n");
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
        {"full file system at the destination",
         [](Fixture &f) {
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
             f.file(u"enc/filler"_s, QByteArray(64 * 1024, 'x')); // as much as fits
         },
         {{u"wav/t.wav"_s, Fate::Unchanged}, {u"enc/TEMP.BAT"_s, Fate::Unchanged},
          {u"mp3/t.mp3"_s, Fate::Absent}},
         EncodeOutcome::Kind::Refused, {}, "root"},
    };
    return table;
}

} // namespace

class TestEncodeFaults : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QStringList m_mounts;
    QString m_startDirectory = QDir::currentPath();

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
        QVERIFY(QFile::copy(QStringLiteral(L3ENC_PROGRAM), f.path(u"enc/L3ENC"_s)));
        f.request.directory = f.path(u"wav"_s);
        f.request.bitrate = u"128000"_s;
        f.request.switches.autoDelete = true;
        f.request.encoderPath = f.path(u"enc"_s);
        f.request.destination = f.path(u"mp3/"_s);
        f.request.appPath = QStringLiteral(APP_PATH);
        fault.prepare(f);
        if (QTest::currentTestFailed())
            return;

        QMap<QString, QByteArray> before = SnapshotTree(f.root);
        const QString workingDirectory = QDir::currentPath();
        if (fault.run) {
            fault.run(f);
        } else {
            bool finished = true;
            const EncodeOutcome outcome = RunEncode(f.request, runningStarter(&finished));
            QVERIFY2(outcome.kind == fault.outcome, qPrintable(outcome.message));
            QVERIFY2(finished, "the script hung");
            if (outcome.kind == EncodeOutcome::Kind::Refused)
                QCOMPARE(QDir::currentPath(), workingDirectory);
        }
        if (QTest::currentTestFailed())
            return;
        QMap<QString, QByteArray> after = SnapshotTree(f.root);

        for (const Expected &expected : fault.expected + f.expected) {
            const QByteArray was = before.take(expected.path);
            const QByteArray is = after.take(expected.path);
            const char *path = qPrintable(expected.path);
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
                QVERIFY2(qAbs(DecodedSeconds(f.path(expected.path)) - expected.seconds) < 0.05,
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
        for (const QString &path : QStringList(before.keys()) + after.keys())
            QVERIFY2(before.value(path) == after.value(path), qPrintable(path + u" changed"_s));
    }

    void cleanup()
    {
        QDir::setCurrent(m_startDirectory);
        if (!m_dir)
            return;
        QFile::setPermissions(m_dir->filePath(u"mp3"_s), QFile::ReadOwner | QFile::WriteOwner
                                                            | QFile::ExeOwner);
        if (isRoot()) {
            for (const QString &mount : m_mounts)
                QProcess::execute(u"umount"_s, {u"-q"_s, mount});
        }
        m_dir.reset();
    }
};

QTEST_GUILESS_MAIN(TestEncodeFaults)
#include "tst_encode_faults.moc"
