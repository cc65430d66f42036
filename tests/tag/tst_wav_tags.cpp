#include "support/riff_bytes.h"
#include "tag/wav_tag_text.h"
#include "tag/wav_tags.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TagFields)

char *toString(const TagFields &fields)
{
    return QTest::toString(QStringList{fields.title, fields.artist, fields.album, fields.year,
                                       fields.genre, fields.comment}
                               .join(u'|'));
}

namespace {

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[3 - i] = char(value >> (8 * i));
    return bytes;
}

QByteArray syncSafe(quint32 value)
{
    return bigEndian32((value & 0x7F) | (value & 0x3F80) << 1 | (value & 0x1FC000) << 2
                       | (value & 0xFE00000) << 3);
}

const QByteArray Fmt = // clazy:exclude=non-pod-global-static (a fixture)
    RiffChunk("fmt ", QByteArray::fromHex("01000100401f0000803e000002001000"));

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + LittleEndian32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray info(const QList<std::pair<QByteArray, QByteArray>> &values)
{
    QByteArray list = "INFO";
    for (const auto &[id, value] : values)
        list += RiffChunk(id, value + '\0');
    return RiffChunk("LIST", list);
}

// An ID3v2 frame: text frames get their encoding byte from the caller.
QByteArray frame(int version, const QByteArray &id, const QByteArray &data, char format = 0)
{
    const auto size = quint32(data.size());
    return id + (version == 4 ? syncSafe(size) : bigEndian32(size)) + '\0' + format + data;
}

QByteArray id3Tag(int version, const QByteArray &frames, char flags = 0)
{
    return "ID3" + QByteArray(1, char(version)) + '\0' + flags + syncSafe(quint32(frames.size()))
        + frames;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + low : QByteArray{&low, 1} + high;
    }
    return bytes;
}

TagFields fields(const QString &title, const QString &artist = {}, const QString &album = {},
                 const QString &year = {}, const QString &genre = {}, const QString &comment = {})
{
    return {title, artist, album, year, genre, comment};
}

} // namespace

// The reader of the tags WAV files carry: files from real tools, hand-built
// chunks, and files that lie about their sizes.
class TestWavTags : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_written = 0;

    QString write(const QByteArray &bytes)
    {
        QString path = m_dir.filePath(u"f%1.wav"_s.arg(m_written++));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Runs `tool`; false when it is not installed (the test is skipped) or fails.
    static bool runTool(const QString &tool, const QStringList &arguments)
    {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            QTest::qSkip(qPrintable(tool + u" is not installed"_s), __FILE__, __LINE__);
            return false;
        }
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            QTest::qFail(process.readAllStandardError().constData(), __FILE__, __LINE__);
            return false;
        }
        return true;
    }

private Q_SLOTS:
    void textRules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("genre exact") << u"genre"_s << u"Rock"_s << u"Rock"_s;
        QTest::newRow("genre any case") << u"genre"_s << u"jAZZ+fUNK"_s << u"Jazz+Funk"_s;
        QTest::newRow("genre blanks around") << u"genre"_s << u" R&B "_s << u"R&B"_s;
        QTest::newRow("genre number") << u"genre"_s << u"17"_s << u"Rock"_s;
        QTest::newRow("genre number in parentheses") << u"genre"_s << u"(0)"_s << u"Blues"_s;
        QTest::newRow("genre number and refinement") << u"genre"_s << u"(8)Bebop"_s << u"Jazz"_s;
        QTest::newRow("genre number past the table") << u"genre"_s << u"(80)"_s << u""_s;
        QTest::newRow("genre not in the table") << u"genre"_s << u"Chiptune"_s << u""_s;
        QTest::newRow("genre remix mark") << u"genre"_s << u"(RX)"_s << u""_s;
        QTest::newRow("genre digits then text") << u"genre"_s << u"17abc"_s << u""_s;
        QTest::newRow("year ISO date") << u"year"_s << u"2026-03-01"_s << u"2026"_s;
        QTest::newRow("year after words") << u"year"_s << u"March 2026"_s << u"2026"_s;
        QTest::newRow("year range") << u"year"_s << u"1998/99"_s << u"1998"_s;
        QTest::newRow("year two digits") << u"year"_s << u"98"_s << u""_s;
        QTest::newRow("line control characters") << u"line"_s << u"a\r\nb\tc\x01"_s << u"a b c"_s;
        QTest::newRow("line as long as a typed text at most, cut between characters")
            << u"line"_s << QString(LongestWholeText - 1, u'x') + u"e\u0301\u0301 and more"_s
            << QString(LongestWholeText - 1, u'x');
    }
    void textRules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        if (rule == u"genre")
            QCOMPARE(TableGenre(input), expected);
        else if (rule == u"year")
            QCOMPARE(YearFromDate(input), expected);
        else
            QCOMPARE(TagFieldText(input), expected);
    }

    void undeclaredText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << "Caf\xc3\xa9"_ba << u"Café"_s;
        QTest::newRow("Latin-1") << "Caf\xe9"_ba << u"Café"_s;
        QTest::newRow("ends at NUL") << "Title\0junk"_ba << u"Title"_s;
        QTest::newRow("byte-order mark") << "\xef\xbb\xbfTitle"_ba << u"Title"_s;
    }
    void undeclaredText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeUndeclaredText(bytes), text);
    }

    void ffmpegInfo()
    {
        const QString path = m_dir.filePath(u"ffmpeg.wav"_s);
        if (!runTool(u"ffmpeg"_s,
                     {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                      u"sine=d=0.1:r=8000"_s, u"-metadata"_s, u"title=Café Intro"_s,
                      u"-metadata"_s, u"artist=The Band"_s, u"-metadata"_s,
                      u"album=First Album"_s, u"-metadata"_s, u"date=2026-03-01"_s,
                      u"-metadata"_s, u"genre=jazz"_s, u"-metadata"_s, u"comment=Live take"_s,
                      path}))
            return;
        const WavTags tags = ReadWavTags(path);
        QCOMPARE(tags.failure, QString());
        QVERIFY(tags.hasInfo);
        QCOMPARE(tags.fields, fields(u"Café Intro"_s, u"The Band"_s, u"First Album"_s, u"2026"_s,
                                     u"Jazz"_s, u"Live take"_s));
    }

    void ffmpegGenreOutsideTheTable()
    {
        const QString path = m_dir.filePath(u"ffmpeg-genre.wav"_s);
        if (!runTool(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                   u"sine=d=0.1:r=8000"_s, u"-metadata"_s, u"title=Odd"_s,
                                   u"-metadata"_s, u"genre=Chiptune"_s, path}))
            return;
        const WavTags tags = ReadWavTags(path);
        QCOMPARE(tags.fields, fields(u"Odd"_s));
    }

    // sox writes no tags; its headers (extensible format for 24 bits, an odd
    // data chunk for 8-bit mono) must read as a WAV without them.
    void soxWritesNoTags_data()
    {
        QTest::addColumn<QStringList>("format");
        QTest::newRow("16-bit stereo") << QStringList{u"-b"_s, u"16"_s, u"-c"_s, u"2"_s};
        QTest::newRow("24-bit extensible") << QStringList{u"-b"_s, u"24"_s, u"-c"_s, u"3"_s};
        QTest::newRow("8-bit mono, odd length") << QStringList{u"-b"_s, u"8"_s, u"-c"_s, u"1"_s};
    }
    void soxWritesNoTags()
    {
        QFETCH(QStringList, format);
        const QString path = m_dir.filePath(u"sox.wav"_s);
        if (!runTool(u"sox"_s, QStringList{u"-n"_s, u"-r"_s, u"8000"_s} + format
                                   + QStringList{path, u"trim"_s, u"0"_s, u"3s"_s}))
            return;
        const WavTags tags = ReadWavTags(path);
        QCOMPARE(tags.failure, QString());
        QVERIFY(!tags.hasInfo && !tags.hasId3);
        QCOMPARE(tags.fields, TagFields());
    }

    // libsndfile puts its INFO list after the audio.
    void libsndfileInfoAfterTheData()
    {
        const QString path = m_dir.filePath(u"sndfile.wav"_s);
        SF_INFO format{};
        format.samplerate = 8000;
        format.channels = 1;
        format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &format);
        QVERIFY(file);
        const short samples[801] = {};
        sf_write_short(file, samples, 801);
        sf_set_string(file, SF_STR_TITLE, "Sndfile Title");
        sf_set_string(file, SF_STR_ARTIST, "Sndfile Artist");
        sf_set_string(file, SF_STR_DATE, "1999");
        sf_set_string(file, SF_STR_GENRE, "Other");
        sf_close(file);
        const WavTags tags = ReadWavTags(path);
        QVERIFY(tags.hasInfo);
        QCOMPARE(tags.fields, fields(u"Sndfile Title"_s, u"Sndfile Artist"_s, {}, u"1999"_s,
                                     u"Other"_s));
    }

    void id3Frames_data()
    {
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<TagFields>("expected");

        QTest::newRow("2.3, Latin-1")
            << id3Tag(3, frame(3, "TIT2", "\0Caf\xe9"_ba) + frame(3, "TPE1", "\0Band"_ba)
                             + frame(3, "TALB", "\0Album"_ba) + frame(3, "TYER", "\0" "1984"_ba)
                             + frame(3, "TCON", "\0(8)"_ba)
                             + frame(3, "COMM", "\0eng\0Nice"_ba))
            << fields(u"Café"_s, u"Band"_s, u"Album"_s, u"1984"_s, u"Jazz"_s, u"Nice"_s);
        QTest::newRow("2.3, UTF-16 with byte-order mark, described comment skipped")
            << id3Tag(3, frame(3, "TIT2", "\x01\xff\xfe"_ba + utf16(u"Čajka"_s, false) + "\0\0"_ba)
                             + frame(3, "COMM", "\x01" "eng\xff\xfe"_ba
                                                    + utf16(u"iTunNORM"_s, false)
                                                    + "\0\0\xff\xfe"_ba
                                                    + utf16(u"00000 0000"_s, false))
                             + frame(3, "COMM", "\x01" "eng\xff\xfe\0\0\xff\xfe"_ba
                                                    + utf16(u"Ünïcode"_s, false)))
            << fields(u"Čajka"_s, {}, {}, {}, {}, u"Ünïcode"_s);
        QTest::newRow("2.4, UTF-8, several genres, long frame")
            << id3Tag(4, frame(4, "TIT2", "\x03" "Ni\xc3\xb1o"_ba)
                             + frame(4, "TDRC", "\x03" "2024-05-06"_ba)
                             + frame(4, "TCON", "\x03" "Chiptune\0pop"_ba)
                             + frame(4, "TPE1", "\x03"_ba + QByteArray(200, 'a')))
            << fields(u"Niño"_s, QString(200, u'a'), {}, u"2024"_s, u"Pop"_s);
        QTest::newRow("2.4, UTF-16 big-endian")
            << id3Tag(4, frame(4, "TALB", "\x02"_ba + utf16(u"Ωmega"_s, true)))
            << fields({}, {}, u"Ωmega"_s);
        QTest::newRow("2.3, unsynchronised")
            // The frame size counts the bytes once resynchronised.
            << id3Tag(3, "TIT2\0\0\0\x04\0\0\0\xff\0" "es"_ba, char(0x80))
            << fields(u"ÿes"_s);
        // TagLib counts a 2.3 extended header's size differently (they are
        // rare): nothing is read, and nothing goes wrong.
        QTest::newRow("2.3, extended header")
            << id3Tag(3, bigEndian32(6) + QByteArray(6, '\0') + frame(3, "TIT2", "\0X"_ba),
                      char(0x40))
            << TagFields();
        QTest::newRow("2.4, grouped and with data length")
            << id3Tag(4, frame(4, "TIT2", "\x07" "\0\0\0\x02" "\0Y"_ba, char(0x41)))
            << fields(u"Y"_s);
        QTest::newRow("compressed frame left out")
            << id3Tag(3, frame(3, "TIT2", "\0zlib"_ba, char(0x80)) + frame(3, "TPE1", "\0A"_ba))
            << fields({}, u"A"_s);
        QTest::newRow("first frame of a kind counts")
            << id3Tag(3, frame(3, "TIT2", "\0One"_ba) + frame(3, "TIT2", "\0Two"_ba))
            << fields(u"One"_s);
        QTest::newRow("padding ends the frames")
            << id3Tag(3, frame(3, "TIT2", "\0P"_ba) + QByteArray(20, '\0')) << fields(u"P"_s);
        QTest::newRow("2.2 is read too")
            << "ID3\x02\0\0\0\0\0\x0b" "TT2\0\0\x05\0Old!"_ba << fields(u"Old!"_s);
        QTest::newRow("frame past the tag's end")
            << id3Tag(3, frame(3, "TIT2", "\0Kept"_ba)) + frame(3, "TPE1", "\0Cut"_ba).chopped(2)
            << fields(u"Kept"_s);
        QTest::newRow("frame size past everything")
            << id3Tag(3, frame(3, "TIT2", "\0Kept"_ba) + "TPE1\x7f\xff\xff\xff\0\0\0Cut"_ba)
            << fields(u"Kept"_s);
        QTest::newRow("declared tag size past the bytes")
            << (id3Tag(3, frame(3, "TIT2", "\0Kept"_ba)).left(6) + syncSafe(0xFFFFFFF)
                + frame(3, "TIT2", "\0Kept"_ba))
            << fields(u"Kept"_s);
        QTest::newRow("unknown text encoding")
            << id3Tag(3, frame(3, "TIT2", "\x09" "Bad"_ba)) << TagFields();
        QTest::newRow("empty frames") << id3Tag(3, frame(3, "TIT2", {}) + frame(3, "COMM", "\0"_ba))
                                      << TagFields();
        QTest::newRow("no tag") << "ID"_ba << TagFields();
    }
    void id3Frames()
    {
        QFETCH(QByteArray, tag);
        QFETCH(TagFields, expected);
        const WavTags tags = ReadWavTags(write(riff(Fmt + RiffChunk("id3 ", tag))));
        QCOMPARE(tags.failure, QString());
        QCOMPARE(tags.fields, expected);
    }

    void id3ChunkOverInfo_data()
    {
        QTest::addColumn<QByteArray>("chunkId");
        QTest::newRow("lower case") << "id3 "_ba;
        QTest::newRow("upper case") << "ID3 "_ba;
    }
    void id3ChunkOverInfo()
    {
        QFETCH(QByteArray, chunkId);
        const QByteArray tag = id3Tag(4, frame(4, "TIT2", "\x03" "From ID3"_ba)
                                             + frame(4, "TCON", "\x03" "(13)"_ba)
                                             + frame(4, "TPOS", "\x03" "1/2"_ba));
        const QString path =
            write(riff(Fmt + info({{"INAM", "From INFO"}, {"IART", "Artist"}, {"ITRK", "7"}})
                       + RiffChunk("data", QByteArray(10, '\0')) + RiffChunk(chunkId, tag)));
        const WavTags tags = ReadWavTags(path);
        QVERIFY(tags.hasInfo && tags.hasId3);
        QCOMPARE(tags.fields, fields(u"From ID3"_s, u"Artist"_s, {}, {}, u"Pop"_s));
        QCOMPARE(tags.track + u' ' + tags.disc, u"7 1/2"_s);
    }

    // Files whose sizes lie: the fields a reader can be sure of, or none, and
    // no failure as long as the file starts as a WAV.
    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");

        const QByteArray title = info({{"INAM", "Title"}});
        QTest::newRow("tag chunk larger than the file")
            << riff(Fmt + "LIST\xff\xff\xff\x7f"_ba + title.mid(8)) << u"Title"_s;
        QTest::newRow("chunk before it larger than the file")
            << riff(Fmt + "data\xf0\xff\xff\xff"_ba + title) << u""_s;
        QTest::newRow("sub-chunk past the list's end")
            << riff(Fmt + RiffChunk("LIST", "INFOINAM\x05\0\0\0Title"_ba + "IART\xe8\x03\0\0Cut"_ba))
            << u"Title"_s;
        QTest::newRow("odd chunk, padded")
            << riff(Fmt + RiffChunk("junk", "abc") + title) << u"Title"_s;
        QTest::newRow("odd chunk, pad byte left out")
            << riff(Fmt + "junk\x03\0\0\0abc"_ba + title) << u"Title"_s;
        // The list's size, 0x44, reads as a letter one byte on.
        QTest::newRow("odd chunk, pad byte left out, next size printable")
            << riff(Fmt + "junk\x03\0\0\0abc"_ba
                    + info({{"INAM", "Title"}, {"ICMT", QByteArray(41, 'c')}}))
            << u"Title"_s;
        QTest::newRow("odd sub-chunks")
            << riff(Fmt + info({{"ISFT", "odd"}, {"INAM", "Title"}})) << u"Title"_s;
        QTest::newRow("cut inside the tag list") << riff(Fmt + title).chopped(3) << u""_s;
        QTest::newRow("cut inside a chunk header")
            << riff(Fmt + title + "LI"_ba) << u"Title"_s;
        QTest::newRow("list too short for its type")
            << riff(Fmt + "LIST\x02\0\0\0IN"_ba + title) << u"Title"_s;
        QTest::newRow("list of another type")
            << riff(Fmt + RiffChunk("LIST", "adtlINAM\x02\0\0\0X\0"_ba)) << u""_s;
        QTest::newRow("bytes that are no chunk")
            << riff(Fmt + "\x01\x02\x03\x04\0\0\0\0"_ba + title) << u""_s;
        QTest::newRow("header only") << "RIFF\x04\0\0\0WAVE"_ba << u""_s;
        QTest::newRow("many empty chunks")
            << riff(Fmt + QByteArray("junk\0\0\0\0", 8).repeated(20000) + title) << u""_s;
    }
    void hostileFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        const WavTags tags = ReadWavTags(write(bytes));
        QCOMPARE(tags.failure, QString());
        QCOMPARE(tags.fields.title, title);
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << u"missing"_s << u"cannot be opened: No such file"_s;
        QTest::newRow("directory") << u"directory"_s << u"is not a regular file"_s;
        QTest::newRow("named pipe") << u"fifo"_s << u"is not a regular file"_s;
        QTest::newRow("empty") << u"empty"_s << u"is not a WAV file"_s;
        QTest::newRow("an MP3") << u"mp3"_s << u"is not a WAV file"_s;
    }
    void unreadableFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QString path = m_dir.filePath(kind);
        if (kind == u"directory")
            path = m_dir.path();
        else if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"empty")
            path = write({});
        else if (kind == u"mp3")
            path = write("ID3\x03\0\0\0\0\0\0\xff\xfb"_ba);
        QElapsedTimer timer;
        timer.start();
        const WavTags tags = ReadWavTags(path);
        QVERIFY(timer.elapsed() < 5000); // a pipe nobody writes to does not hold it up
        QVERIFY2(tags.failure.contains(reason), qPrintable(tags.failure));
        QVERIFY(tags.failure.contains(path));
        QCOMPARE(tags.fields, TagFields());
    }

    // An RF64 file past 4 GiB, holes for its audio: the data chunk's own
    // size field says "see ds64", and the tags come after the audio.
    void rf64PastFourGiB()
    {
        constexpr qint64 dataSize = 5LL * 1024 * 1024 * 1024;
        QByteArray ds64 = RiffChunk("ds64", QByteArray(28, '\0'));
        for (int i = 0; i < 8; ++i)
            ds64[8 + 8 + i] = char(dataSize >> (8 * i));
        const QByteArray head =
            "RF64\xff\xff\xff\xffWAVE"_ba + ds64 + Fmt + "data\xff\xff\xff\xff"_ba;
        const QString path = m_dir.filePath(u"big.wav"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(head) == head.size());
        if (!file.seek(head.size() + dataSize))
            QSKIP("the file system holds no 5 GiB file");
        QVERIFY(file.write(info({{"INAM", "After the audio"}})) > 0);
        file.close();
        struct stat status{};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QVERIFY(status.st_size > dataSize);
        const WavTags tags = ReadWavTags(path);
        QFile::remove(path);
        QCOMPARE(tags.failure, QString());
        QCOMPARE(tags.fields.title, u"After the audio"_s);
    }
};

QTEST_APPLESS_MAIN(TestWavTags)
#include "tst_wav_tags.moc"
