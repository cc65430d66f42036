#include "tag/field_block.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

// Runs `program` with exactly these argument bytes (QProcess would encode
// text) and these extra environment entries ("NAME=value", "-NAME" removes).
// `prefix` goes before the program, e.g. a shell that sets a limit first.
Run runBytes(const QByteArray &program, const QByteArrayList &arguments,
             const QByteArrayList &environment = {}, const QByteArrayList &prefix = {})
{
    std::vector<QByteArray> words(prefix.begin(), prefix.end());
    words.push_back(program);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    argv.reserve(words.size() + 1);
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const QByteArray &entry : environment) {
            if (entry.startsWith('-'))
                ::unsetenv(entry.mid(1).constData());
            else
                ::putenv(strdup(entry.constData()));
        }
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    Run run;
    run.errors = readAll(err[0]); // the program writes little: no deadlock
    run.output = readAll(out[0]);
    ::close(out[0]);
    ::close(err[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

const QByteArray Audio(1000, '\xFF'); // clazy:exclude=non-pod-global-static (a fixture)
// A WAV whose relative name is as long as a field block.
const QByteArray LongWav = QByteArray(122, 'w') + ".wav"; // clazy:exclude=non-pod-global-static

QByteArray block(const QString &title = u"Title \u00E9"_s)
{
    return BuildFieldBlock({title, u"Artist"_s, u"Album"_s, u"2001"_s, 29, u"Note"_s}).toUtf8();
}

QByteArray trailer(const QByteArray &title)
{
    return "TAG" + title.leftJustified(30) + "Artist"_ba.leftJustified(30)
        + "Album"_ba.leftJustified(30) + "2001" + "Note"_ba.leftJustified(30) + char(29);
}

// A small ID3v2.4 tag with a title and an artist, as another tagger wrote it,
// with `padding` bytes of room to grow.
QByteArray id3v2Tag(const QByteArray &title, int padding = 0)
{
    QByteArray frames;
    for (const auto &[id, text] : {std::pair{"TIT2"_ba, title}, std::pair{"TPE1"_ba, "Artist"_ba}}) {
        const QByteArray body = '\3' + text;
        frames += id + QByteArray(3, '\0') + char(body.size()) + QByteArray(2, '\0') + body;
    }
    frames += QByteArray(padding, '\0');
    return "ID3\4\0\0\0\0"_ba + char(frames.size() >> 7) + char(frames.size() & 0x7F) + frames;
}

// The ID3v2 title and front-cover type TagLib reads from `path`; "none" without
// an ID3v2 tag.
QByteArray id3v2Reading(const QByteArray &path)
{
    TagLib::MPEG::File file(path.constData(), false);
    if (!file.hasID3v2Tag())
        return "none";
    TagLib::ID3v2::Tag &tag = *file.ID3v2Tag();
    QByteArray reading = tag.title().to8Bit(true).c_str();
    for (TagLib::ID3v2::Frame *frame : tag.frameList("APIC"))
        reading += " + "_ba
            + static_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame)->mimeType().toCString();
    // Beyond the title: what is there of track, disc, and a year text.
    for (const char *id : {"TRCK", "TPOS", "TXXX"}) {
        for (TagLib::ID3v2::Frame *frame : tag.frameList(id))
            reading += ' ' + QByteArray(id) + ' ' + frame->toString().to8Bit(true).c_str();
    }
    return reading;
}

} // namespace

// Runs the built program the way the batch script does, as its own process.
class TestTaggingProcess : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QByteArray m_program; // a copy of the program, with an encoder.ini beside it
    const QByteArray m_settings = "[Directories]\r\nEncoderPath = /x\r\n"_ba;

    QByteArray path(const QByteArray &name) const
    {
        return QFile::encodeName(m_dir->path()) + '/' + name;
    }

    // Every file in the directory, by its name's bytes (QDir would decode
    // a name that is not UTF-8 into its look-alike).
    QMap<QByteArray, QByteArray> files() const
    {
        QMap<QByteArray, QByteArray> contents;
        DIR *directory = ::opendir(QFile::encodeName(m_dir->path()).constData());
        while (const dirent *entry = directory ? ::readdir(directory) : nullptr) {
            if (entry->d_type != DT_REG)
                continue;
            const int fd = ::open(path(entry->d_name).constData(), O_RDONLY);
            contents.insert(entry->d_name, readAll(fd));
            ::close(fd);
        }
        if (directory)
            ::closedir(directory);
        return contents;
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        m_program = path("encoder");
        QVERIFY(QFile::copy(QStringLiteral(ENCODER_PROGRAM), QFile::decodeName(m_program)));
        QFile settings(QFile::decodeName(path("encoder.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(m_settings);
        settings.close();
        for (const char *folder : {"album", "My \"live\" takes"})
            QVERIFY(QDir(m_dir->path()).mkdir(QString::fromUtf8(folder)));
        // A name that is not UTF-8, and the look-alike a lossy decoding gives.
        for (const QByteArray &name : {"t\xFF.mp3"_ba, "t\xEF\xBF\xBD.mp3"_ba, "song.mp3"_ba,
                                       "My \"odd\" song.mp3"_ba, "in.wav"_ba, "b.wav"_ba,
                                       LongWav, "victim"_ba}) {
            QFile file(QFile::decodeName(path(name)));
            QVERIFY(::access(path(name).constData(), F_OK) != 0);
            const int fd = ::open(path(name).constData(), O_WRONLY | O_CREAT, 0644);
            QVERIFY(fd >= 0);
            const QByteArray bytes = name.endsWith(".wav") ? "RIFF\0\0\0\0WAVE"_ba + Audio
                : name == "victim"                       ? QByteArray(200, 'v')
                                                         : Audio;
            QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
            ::close(fd);
        }
    }
    void cleanup()
    {
        // QTemporaryDir cannot remove a name that is not UTF-8.
        ::unlink(path("t\xFF.mp3").constData());
        m_dir.reset();
    }

    // Request bytes -> exit status, and which single file (if any) got which
    // trailer; every other file in the directory stays byte for byte.
    void requests_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArrayList>("prefix"); // run through this first
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("tagged");
        QTest::addColumn<QByteArray>("expectedTrailer");
        const QByteArrayList none;
        const QByteArray title = trailer("Title \xE9");
        QTest::newRow("split form") << QByteArrayList{"song.mp3", block()} << none << 0
                                    << "song.mp3"_ba << title;
        QTest::newRow("split form, quote in the path")
            << QByteArrayList{"My \"odd\" song.mp3", block()} << none << 0
            << "My \"odd\" song.mp3"_ba << title;
        QTest::newRow("raw form") << QByteArrayList{"\"song.mp3\" " + block()} << none << 0
                                  << "song.mp3"_ba << title;
        QTest::newRow("split form, path not UTF-8") << QByteArrayList{"t\xFF.mp3", block()} << none
                                                    << 0 << "t\xFF.mp3"_ba << title;
        QTest::newRow("raw form, path not UTF-8") << QByteArrayList{"\"t\xFF.mp3\" " + block()}
                                                  << none << 0 << "t\xFF.mp3"_ba << title;
        QTest::newRow("byte-order mark shifts nothing")
            << QByteArrayList{"song.mp3", "\xEF\xBB\xBF" + block(u"Title"_s).mid(1)} << none << 0
            << "song.mp3"_ba << trailer("itle");
        QTest::newRow("decomposed letter") << QByteArrayList{"song.mp3", block(u"Cafe\u0301"_s)}
                                           << none << 0 << "song.mp3"_ba << trailer("Caf\xE9");
        // WAV files open the window there; with no display it says so.
        QTest::newRow("two WAV files")
            << QByteArrayList{"in.wav", "b.wav"}
            << QByteArrayList{"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                              "QT_QPA_PLATFORM"}
            << 1 << QByteArray() << QByteArray();
        // Only an MP3 is ever tagged, whatever the arguments' lengths and quotes.
        QTest::newRow("two WAVs, the second 126 characters")
            << QByteArrayList{"in.wav", LongWav}
            << QByteArrayList{"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                              "QT_QPA_PLATFORM"}
            << 1 << QByteArray() << QByteArray();
        QTest::newRow("a WAV and a block") << QByteArrayList{"in.wav", block()} << none << 1
                                           << QByteArray() << QByteArray();
        QTest::newRow("a quote in a name makes a request for a file that is no MP3")
            << QByteArrayList{"/victim\"x.wav"} << none << 1 << QByteArray() << QByteArray();
        QTest::newRow("file and --help") << QByteArrayList{"song.mp3", "--help"} << none << 2
                                         << QByteArray() << QByteArray();
        QTest::newRow("no closing quote") << QByteArrayList{"\"song.mp3 x"} << none << 2
                                          << QByteArray() << QByteArray();
        QTest::newRow("three arguments") << QByteArrayList{"song.mp3", "Title", "Artist"} << none
                                         << 2 << QByteArray() << QByteArray();
        QTest::newRow("missing file") << QByteArrayList{"missing.mp3", block()} << none << 1
                                      << QByteArray() << QByteArray();
        QTest::newRow("file-size limit rolls back")
            << QByteArrayList{"song.mp3", block()}
            << QByteArrayList{"/bin/sh", "-c", "ulimit -f 2; exec \"$0\" \"$@\""} << 1
            << QByteArray() << QByteArray();
    }
    void requests()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArrayList, prefix);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, tagged);
        QFETCH(QByteArray, expectedTrailer);
        QMap<QByteArray, QByteArray> expected = files();
        if (!tagged.isEmpty())
            expected[tagged] += expectedTrailer;

        QVERIFY(QDir::setCurrent(m_dir->path()));
        const Run run = runBytes(m_program, arguments, {}, prefix);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.errors.isEmpty(), exitCode == 0);
        if (exitCode == 2)
            QVERIFY(run.errors.contains("Usage: encoder"));
        QCOMPARE(files(), expected);
    }

    void failureNamesTheFileAndTheReason()
    {
        const Run run = runBytes(m_program, {path("missing.mp3"), block()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.errors.startsWith("encoder: "));
        QVERIFY(run.errors.contains("missing.mp3: tag not written: no such file"));
        // A name's bytes are shown escaped, one line, whatever they are.
        const Run odd = runBytes(m_program, {path("gone\n\xFF.mp3"), block()});
        QVERIFY2(odd.errors.contains("/gone'$'\\n\\377''.mp3': tag not written"),
                 odd.errors.constData());
    }

    // Environment and arguments of a start -> exit status and what it says.
    void starts_data()
    {
        QTest::addColumn<QByteArray>("name"); // started as
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArrayList>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QByteArray>("errors");
        const QByteArrayList noDisplay{"-DISPLAY", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM"};
        QTest::newRow("--help") << "encoder"_ba << QByteArrayList{"--help"} << noDisplay << 0
                                << "Usage: encoder"_ba << QByteArray();
        QTest::newRow("--version") << "encoder"_ba << QByteArrayList{"--version"} << noDisplay << 0
                                   << "encoder " SONDRAKE_VERSION "\n"_ba << QByteArray();
        QTest::newRow("--help as trelvin-sondrake")
            << "trelvin-sondrake"_ba << QByteArrayList{"--help"} << noDisplay << 0
            << "Usage: trelvin-sondrake"_ba << QByteArray();
        QTest::newRow("usage error as trelvin-sondrake")
            << "trelvin-sondrake"_ba << QByteArrayList{"a", "b"} << noDisplay << 2 << QByteArray()
            << "trelvin-sondrake: "_ba;
        QTest::newRow("no display") << "encoder"_ba << QByteArrayList() << noDisplay << 1
                                    << QByteArray() << "encoder: a display is needed"_ba;
        QTest::newRow("display that is not there")
            << "encoder"_ba << QByteArrayList()
            << QByteArrayList{"DISPLAY=:77", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM"} << 1
            << QByteArray() << "encoder: cannot open the window: "_ba;
        QTest::newRow("no such Qt platform")
            << "encoder"_ba << QByteArrayList() << QByteArrayList{"QT_QPA_PLATFORM=bogus"} << 1
            << QByteArray() << "encoder: cannot open the window: "_ba;
        // Folders and WAV files open the window there: each names the folder
        // it would show; nothing else goes to the window.
        const QByteArray show = "encoder: a display is needed to show \"";
        QTest::newRow("WAV files") << "encoder"_ba << QByteArrayList{"in.wav", "b.wav"} << noDisplay
                                   << 1 << QByteArray() << show;
        QTest::newRow("working directory") << "encoder"_ba << QByteArrayList{"."} << noDisplay << 1
                                           << QByteArray() << show;
        QTest::newRow("folder") << "encoder"_ba << QByteArrayList{"album"} << noDisplay << 1
                                << QByteArray() << show;
        QTest::newRow("quoted folder") << "encoder"_ba << QByteArrayList{"\"album\""} << noDisplay
                                       << 1 << QByteArray() << show;
        QTest::newRow("folder named with a double quote")
            << "encoder"_ba << QByteArrayList{"My \"live\" takes"} << noDisplay << 1
            << QByteArray() << show;
        QTest::newRow("request for a file that is no MP3")
            << "encoder"_ba << QByteArrayList{"/victim\"x.wav"} << noDisplay << 1 << QByteArray()
            << "victim: tag not written: not an MP3"_ba;
        QTest::newRow("folder and an MP3") << "encoder"_ba << QByteArrayList{"album", "song.mp3"}
                                           << noDisplay << 2 << QByteArray() << "Usage: encoder"_ba;
        QTest::newRow("tagging needs no display")
            << "encoder"_ba << QByteArrayList{"song.mp3", block()}
            << QByteArrayList{"-DISPLAY", "QT_QPA_PLATFORM=bogus"} << 0 << QByteArray()
            << QByteArray();
    }
    void starts()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArrayList, environment);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, errors);
        // The build's own program: its window library lies beside it.
        const QByteArray program = path(name);
        QFile::remove(QFile::decodeName(program));
        QVERIFY(QFile::link(QStringLiteral(ENCODER_PROGRAM), QFile::decodeName(program)));
        QVERIFY(QDir::setCurrent(m_dir->path()));
        const QMap<QByteArray, QByteArray> before = files();
        const Run run = runBytes(program, arguments, environment);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0)
            QCOMPARE(files(), before);
        QVERIFY2(run.output.startsWith(output), run.output.constData());
        // Qt may say more before our line: ours must be there.
        QVERIFY2(errors.isEmpty() ? run.errors.isEmpty() : run.errors.contains(errors),
                 run.errors.constData());
    }

    // The ID3v2 tag beside the trailer, asked for by the script's assignments
    // or already in the MP3 (a retag by hand): the two never disagree, the
    // audio stays byte for byte, a picture that is no cover is refused.
    void id3v2Tags_data()
    {
        QTest::addColumn<QByteArray>("existing"); // the ID3v2 tag the MP3 starts with
        QTest::addColumn<QByteArrayList>("environment");
        QTest::addColumn<QByteArray>("reading"); // title and pictures after the run
        QTest::addColumn<QByteArray>("message"); // on stderr
        const QByteArray cover = "SONDRAKE_COVER=covers/";
        const QByteArrayList asked{"SONDRAKE_ID3V2=2.4", "SONDRAKE_TITLE=Title \xC3\xA9"};
        QTest::newRow("asked for") << QByteArray() << asked << "Title \xC3\xA9"_ba << QByteArray();
        const QByteArray longer = "Title \xC3\xA9" + QByteArray(23, ' ') + "and beyond";
        QTest::newRow("whole text longer than the trailer's")
            << QByteArray() << QByteArrayList{"SONDRAKE_ID3V2=2.3", "SONDRAKE_TITLE=" + longer}
            << longer << QByteArray();
        QTest::newRow("whole text that is not the trailer's gives way")
            << QByteArray() << QByteArrayList{"SONDRAKE_ID3V2=2.4", "SONDRAKE_TITLE=Other"}
            << "Title \xC3\xA9"_ba << QByteArray();
        QTest::newRow("retag by hand: the ID3v2 title follows the trailer")
            << id3v2Tag("Old title") << QByteArrayList() << "Title \xC3\xA9"_ba << QByteArray();
        QTest::newRow("retag by hand: a title whose cut is the trailer's stays")
            << id3v2Tag("Title \xC3\xA9" + QByteArray(24, ' ') + "and more")
            << QByteArrayList() << "Title \xC3\xA9" + QByteArray(24, ' ') + "and more"
            << QByteArray();
        QTest::newRow("retag of a tagged MP3 stacks no second tag")
            << id3v2Tag("Title \xC3\xA9") << asked << "Title \xC3\xA9"_ba << QByteArray();
        QTest::newRow("no ID3v2 tag asked for, none there") << QByteArray() << QByteArrayList()
                                                           << "none"_ba << QByteArray();
        QTest::newRow("PNG named .jpg") << QByteArray() << asked + QByteArrayList{cover + "png.jpg"}
                                        << "Title \xC3\xA9 + image/png"_ba << QByteArray();
        // A cover that cannot be embedded fails the tagging, which writes nothing.
        QTest::newRow("0-byte cover") << QByteArray() << asked + QByteArrayList{cover + "empty.jpg"}
                                      << "refused"_ba << "is not a JPEG or PNG picture"_ba;
        QTest::newRow("30 MiB cover") << QByteArray() << asked + QByteArrayList{cover + "huge.jpg"}
                                      << "refused"_ba << "larger than 2 MiB"_ba;
        QTest::newRow("missing cover") << QByteArray() << asked + QByteArrayList{cover + "gone.jpg"}
                                       << "refused"_ba << "tag not written: cover not embedded"_ba;
        QTest::newRow("values exported without the line's SONDRAKE_ID3V2 count for nothing")
            << id3v2Tag("Old title")
            << QByteArrayList{"SONDRAKE_DISC=7/7", "SONDRAKE_TITLE=Other", cover + "png.jpg"}
            << "Title \xC3\xA9"_ba << QByteArray();
        // A second run, as the first but without cover, track and disc.
        QTest::newRow("a retag keeps the cover, track and disc it is not asked to change")
            << "again"_ba
            << asked + QByteArrayList{cover + "png.jpg", "SONDRAKE_TRACK=3/12", "SONDRAKE_DISC=1/2"}
            << "Title \xC3\xA9 + image/png TRCK 3/12 TPOS 1/2"_ba << QByteArray();
        QTest::newRow("a year that is no timestamp stays whole beside it")
            << QByteArray() << asked + QByteArrayList{"SONDRAKE_YEAR=2001 (remaster)"}
            << "Title \xC3\xA9 TXXX [YEAR] 2001 (remaster)"_ba << QByteArray();
        // ReplayGain from the encoder's measurements: the track's, and its
        // album's pooled with another track's.
        const QByteArray gain = "SONDRAKE_REPLAYGAIN=covers/";
        QTest::newRow("track and album gain from their measurements")
            << QByteArray()
            << asked + QByteArrayList{gain + "track.loud", "SONDRAKE_ALBUM_REPLAYGAIN=covers/album.loud"}
            << "Title \xC3\xA9 TXXX [REPLAYGAIN_TRACK_GAIN] 2.69 dB TXXX [REPLAYGAIN_TRACK_PEAK] 0.500000"
               " TXXX [REPLAYGAIN_ALBUM_GAIN] 5.29 dB TXXX [REPLAYGAIN_ALBUM_PEAK] 0.900000"_ba
            << QByteArray();
        QTest::newRow("silence measured: no gain") << QByteArray()
                                                    << asked + QByteArrayList{gain + "silent.loud"}
                                                    << "Title \xC3\xA9"_ba << QByteArray();
        QTest::newRow("a measurement that is none refuses the tag")
            << QByteArray() << asked + QByteArrayList{gain + "png.jpg"} << "refused"_ba
            << "tag not written: ReplayGain not written"_ba;
        QByteArray footerFlag = id3v2Tag("Old");
        footerFlag[5] = '\x10';
        QTest::newRow("footer flag without a footer: no audio byte lost")
            << footerFlag << QByteArrayList() << "Title \xC3\xA9"_ba << QByteArray();
    }
    void id3v2Tags()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArrayList, environment);
        QFETCH(QByteArray, reading);
        QFETCH(QByteArray, message);
        QVERIFY(QDir(m_dir->path()).mkdir(u"covers"_s));
        const auto write = [this](const QByteArray &name, const QByteArray &bytes) {
            QFile file(QFile::decodeName(path(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        write("covers/png.jpg", QByteArray::fromBase64(
                                    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8"
                                    "z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
        write("covers/empty.jpg", {});
        write("covers/track.loud", "peak 0.5\nblock 0.01\nblock 0.01\nblock 0.01\n");
        write("covers/album.loud", "peak 0.5\nblock 0.01\nblock 0.01\nblock 0.01\n"
                                   "peak 0.9\nblock 0.001\nblock 0.001\nblock 0.001\n");
        write("covers/silent.loud", "peak 0.0001\nblock 0\n");
        write("covers/huge.jpg", "\xFF\xD8\xFF");
        QCOMPARE(::truncate(path("covers/huge.jpg").constData(), 30 << 20), 0);
        QVERIFY(QDir::setCurrent(m_dir->path()));
        write("song.mp3", existing == "again" ? Audio : existing + Audio);
        if (existing == "again") {
            QCOMPARE(runBytes(m_program, {"song.mp3", block()}, environment).exitCode, 0);
            environment = QByteArrayList{"SONDRAKE_ID3V2=2.4", "SONDRAKE_COVER=",
                                         "SONDRAKE_TRACK=", "SONDRAKE_DISC="};
        }
        QMap<QByteArray, QByteArray> expected = files();

        const Run run = runBytes(m_program, {"song.mp3", block()}, environment);
        QVERIFY2(message.isEmpty() ? run.errors.isEmpty() : run.errors.contains(message),
                 run.errors.constData());
        if (reading == "refused") {
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(files(), expected);
            return;
        }
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(id3v2Reading(path("song.mp3")), reading);
        // One ID3v2 tag at the front, then the audio, then the trailer: the
        // same bytes as the trailer alone would end in.
        const QByteArray tagged = files().value("song.mp3");
        QCOMPARE(tagged.count("ID3\4") + tagged.count("ID3\3"), reading == "none" ? 0 : 1);
        QCOMPARE(tagged.count(Audio), 1);
        QVERIFY(tagged.endsWith(QByteArray(Audio + trailer("Title \xE9"))));
        expected.remove("song.mp3");
        QMap<QByteArray, QByteArray> others = files();
        others.remove("song.mp3");
        QCOMPARE(others, expected);
    }

    // Killed at any moment, the tagging run leaves the old MP3 or the new one.
    void killedMidWriteLeavesOneWholeFile()
    {
        const QByteArray old = id3v2Tag("Old") + QByteArray(4 << 20, '\xFF');
        const QString mp3 = QFile::decodeName(path("song.mp3"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"SONDRAKE_ID3V2"_s, u"2.4"_s);
        // Kills spread over a whole run's time, as long as one takes here.
        QElapsedTimer whole;
        int wholeRun = 0;
        int killed = 0;
        for (int attempt = 0; attempt <= 20; ++attempt) {
            QFile file(mp3);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            file.close();
            QProcess run;
            run.setProcessEnvironment(environment);
            whole.start();
            run.start(QFile::decodeName(m_program), {mp3, QString::fromUtf8(block())});
            QVERIFY(run.waitForStarted());
            if (attempt > 0) {
                QTest::qSleep(QRandomGenerator::global()->bounded(wholeRun + 1));
                run.kill();
            }
            run.waitForFinished();
            if (attempt == 0)
                wholeRun = int(whole.elapsed());
            killed += run.exitStatus() == QProcess::CrashExit;
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray now = file.readAll();
            file.close();
            QVERIFY(now == old
                    || (id3v2Reading(path("song.mp3")) == "Title \xC3\xA9"
                        && now.endsWith(QByteArray(old.mid(id3v2Tag("Old").size()) + trailer("Title \xE9")))));
        }
        qInfo("%d of 20 runs killed before they ended (a run takes %d ms)", killed, wholeRun);
        // The copy being written has no name until it is complete.
        QCOMPARE(QDir(m_dir->path()).entryList({u".song.mp3.*"_s}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // A retag keeps the file the user had: its owner and group (root only
    // can give a file away), mode, ACL, extended attributes and other names,
    // in a setgid folder whose default ACL would give new files more.
    void retagKeepsTheFile_data()
    {
        QTest::addColumn<QByteArray>("existing"); // the ID3v2 tag the MP3 starts with
        QTest::addColumn<QByteArrayList>("environment");
        QTest::addColumn<bool>("secondName");
        QTest::addColumn<QByteArray>("message"); // empty: tagged, exit 0
        const QByteArrayList asked{"SONDRAKE_ID3V2=2.4", "SONDRAKE_TITLE=Title \xC3\xA9"};
        QTest::newRow("ID3v2 asked for: a new file") << QByteArray() << asked << false << QByteArray();
        QTest::newRow("retag by hand of a tagged MP3") << id3v2Tag("Old") << QByteArrayList() << false
                                                       << QByteArray();
        QTest::newRow("two names, the tag fits: in place")
            << id3v2Tag("Old", 400) << asked << true << QByteArray();
        QTest::newRow("two names, the tag outgrows its place: refused")
            << QByteArray() << asked << true << "tag not written: it has other names"_ba;
    }
    void retagKeepsTheFile()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArrayList, environment);
        QFETCH(bool, secondName);
        QFETCH(QByteArray, message);
        const QString folder = m_dir->filePath(u"shared"_s);
        QVERIFY(QDir().mkdir(folder));
        const QByteArray mp3 = QFile::encodeName(folder) + "/song.mp3";
        QFile file(QFile::decodeName(mp3));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(existing + Audio) > 0);
        file.close();
        const auto run = [](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            return process.waitForFinished() && process.exitCode() == 0 ? process.readAll()
                                                                        : "failed"_ba;
        };
        QCOMPARE(::chmod(folder.toLocal8Bit().constData(), 02775), 0);
        if (run(u"setfacl"_s, {u"-d"_s, u"-m"_s, u"g::rwx,m::rwx,o::r"_s, folder}) == "failed")
            QSKIP("the file system here takes no ACLs");
        QCOMPARE(::chmod(mp3.constData(), 0640), 0);
        QCOMPARE(run(u"setfacl"_s, {u"-m"_s, u"u:65534:r"_s, QFile::decodeName(mp3)}), ""_ba);
        QCOMPARE(::setxattr(mp3.constData(), "user.origin", "vinyl", 5, 0), 0);
        if (::getuid() == 0)
            QCOMPARE(::chown(mp3.constData(), 65534, 65534), 0);
        if (secondName)
            QCOMPARE(::link(mp3.constData(), QByteArray(mp3 + ".link").constData()), 0);
        struct stat before {};
        QCOMPARE(::stat(mp3.constData(), &before), 0);
        const QByteArray acl = run(u"getfacl"_s, {u"-cn"_s, QFile::decodeName(mp3)});

        const Run tagging = runBytes(m_program, {mp3, block()}, environment);
        QCOMPARE(tagging.exitCode, message.isEmpty() ? 0 : 1);
        QVERIFY2(message.isEmpty() ? tagging.errors.isEmpty() : tagging.errors.contains(message),
                 tagging.errors.constData());
        struct stat after {};
        QCOMPARE(::stat(mp3.constData(), &after), 0);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_nlink, before.st_nlink);
        QCOMPARE(run(u"getfacl"_s, {u"-cn"_s, QFile::decodeName(mp3)}), acl);
        char origin[16] = {};
        QCOMPARE(::getxattr(mp3.constData(), "user.origin", origin, sizeof origin), ssize_t(5));
        QCOMPARE(QByteArray(origin), "vinyl"_ba);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray tagged = file.readAll();
        QCOMPARE(tagged.endsWith(trailer("Title \xE9")), message.isEmpty());
        if (secondName) {
            QFile link(QFile::decodeName(QByteArray(mp3 + ".link")));
            QVERIFY(link.open(QIODevice::ReadOnly));
            QCOMPARE(link.readAll(), tagged);
        }
    }

    void settingsBesideTheProgramUntouched()
    {
        const QString settings = QFile::decodeName(path("encoder.ini"));
        const QDateTime before = QFileInfo(settings).lastModified();
        QCOMPARE(runBytes(m_program, {path("song.mp3"), block()}).exitCode, 0);
        QCOMPARE(runBytes(m_program, {path("missing.mp3"), block()}).exitCode, 1);
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_settings);
        QCOMPARE(QFileInfo(settings).lastModified(), before);
    }
};

QTEST_GUILESS_MAIN(TestTaggingProcess)
#include "tst_tagging_process.moc"
