#include "app/opened_paths.h"
#include "app/tag_command_line.h"
#include "tag/field_block.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A 126-character block whose fields can be told apart.
QString sampleBlock()
{
    return BuildFieldBlock({u"My title"_s, u"My artist"_s, u"My album"_s, u"1999"_s, 7,
                            u"My comment"_s});
}

} // namespace

class TestTagCommandLine : public QObject {
    Q_OBJECT

    // album/ with a.wav, B.WAV, notes.txt and .hidden.wav; other/ with c.wav;
    // empty/; and folders named with double quotes.
    QTemporaryDir m_files;

    QString file(const QString &name) const { return m_files.filePath(name); }
    // In long/, a WAV whose full path is as long as a field block.
    QString longWav() const
    {
        return u"long/"_s + QString(FieldBlockLength - file(u"long/.wav"_s).size(), u'w') + u".wav"_s;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QDir root(m_files.path());
        for (const QString &folder : {u"album"_s, u"other"_s, u"empty"_s, u"My \"live\" takes"_s,
                                      u"ends in\""_s, u"long"_s})
            QVERIFY(root.mkdir(folder));
        for (const QString &name : {u"album/a.wav"_s, u"album/B.WAV"_s, u"album/notes.txt"_s,
                                    u"album/.hidden.wav"_s, u"other/c.wav"_s, longWav()}) {
            QFile wav(file(name));
            QVERIFY(wav.open(QIODevice::WriteOnly));
        }
    }

    // Dropped or given paths -> the folder shown, the WAVs selected in it,
    // how many were left out, and what the user is told.
    void openedPaths_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QString>("said"); // the start of the message; empty: none
        const QString album = file(u"album"_s), other = file(u"other"_s);
        QTest::newRow("nothing") << QStringList() << QString() << QStringList() << 0 << QString();
        QTest::newRow("folder") << QStringList{album} << album << QStringList() << 0 << QString();
        QTest::newRow("quoted folder") << QStringList{u'"' + album + u'"'} << album
                                       << QStringList() << 0 << QString();
        QTest::newRow("WAVs of one folder, one twice")
            << QStringList{file(u"album/B.WAV"_s), file(u"album/a.wav"_s), file(u"album/B.WAV"_s)}
            << album << QStringList{u"B.WAV"_s, u"a.wav"_s} << 0 << QString();
        QTest::newRow("WAVs of two folders")
            << QStringList{file(u"other/c.wav"_s), file(u"album/a.wav"_s)} << other
            << QStringList{u"c.wav"_s} << 1 << u"The window shows \"%1\". Not taken:"_s.arg(other);
        QTest::newRow("two folders") << QStringList{album, other} << album << QStringList() << 1
                                     << u"The window shows"_s;
        QTest::newRow("non-WAV, then a WAV")
            << QStringList{file(u"album/notes.txt"_s), file(u"other/c.wav"_s)} << other
            << QStringList{u"c.wav"_s} << 1 << u"The window shows"_s;
        QTest::newRow("non-WAV alone") << QStringList{file(u"album/notes.txt"_s)} << QString()
                                       << QStringList() << 1 << u"Nothing was opened:"_s;
        QTest::newRow("hidden WAV") << QStringList{file(u"album/.hidden.wav"_s)} << QString()
                                    << QStringList() << 1 << u"Nothing was opened:"_s;
        QTest::newRow("vanished path") << QStringList{file(u"album/gone.wav"_s)} << QString()
                                       << QStringList() << 1 << u"Nothing was opened:"_s;
        // A name that could forge a line is shown escaped, on one line.
        QTest::newRow("vanished path with a line break")
            << QStringList{file(u"album/x\nFinished.wav"_s)} << QString() << QStringList() << 1
            << u"Nothing was opened:\n\n'"_s + file(u"album/x'$'\\n''Finished.wav"_s);
        QTest::newRow("folder with no WAVs") << QStringList{file(u"empty"_s)} << file(u"empty"_s)
                                             << QStringList() << 0
                                             << u"\"%1\" holds no WAV files."_s.arg(file(u"empty"_s));
        QTest::newRow("a folder's WAV with the folder") << QStringList{album, file(u"album/a.wav"_s)}
                                                        << album << QStringList{u"a.wav"_s} << 0
                                                        << QString();
    }
    void openedPaths()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, folder);
        QFETCH(QStringList, selected);
        QFETCH(int, leftOut);
        QFETCH(QString, said);
        const PathsToOpen opening = InterpretPaths(paths);
        QCOMPARE(opening.folder, folder);
        QCOMPARE(opening.wavNames, selected);
        QCOMPARE(opening.leftOut.size(), leftOut);
        const QString message = OpeningMessage(opening, folder == file(u"empty"_s) ? 0 : 2);
        QVERIFY2(said.isEmpty() ? message.isEmpty() : message.startsWith(said), qPrintable(message));
        for (const QString &line : opening.leftOut)
            QVERIFY2(message.contains(line), qPrintable(line)); // each named with its reason
    }

    // Only local files are paths; a web address is named and left out.
    void droppedUrls()
    {
        const PathsToOpen opening = InterpretUrls(
            {QUrl::fromLocalFile(file(u"album/a.wav"_s)), QUrl(u"https://example.org/b.wav"_s)});
        QCOMPARE(opening.folder, file(u"album"_s));
        QCOMPARE(opening.wavNames, QStringList{u"a.wav"_s});
        QCOMPARE(opening.leftOut,
                 QStringList{u"https://example.org/b.wav: not a file on this computer"_s});
    }

    void workedExample()
    {
        const QString path = u"/MP3/My song.mp3"_s;
        const QString text = u'"' + path + u"\" "_s + sampleBlock();
        QCOMPARE(sampleBlock().size(), FieldBlockLength);
        // In argument-text positions (1-based) the block starts right after
        // the separator and each field stands at its fixed offset.
        const qsizetype blockStart = 1 + path.size() + 2 + 1;
        QCOMPARE(text.mid(blockStart - 1 + 94, 2), u"7 "_s);

        const std::optional<TagRequest> request = ParseTagCommandLine(text.toUtf8());
        QVERIFY(request);
        QCOMPARE(request->path, path.toUtf8());
        QCOMPARE(request->tag.title, u"My title"_s + QString(22, u' '));
        QCOMPARE(request->tag.artist, u"My artist"_s + QString(21, u' '));
        QCOMPARE(request->tag.album, u"My album"_s + QString(22, u' '));
        QCOMPARE(request->tag.year, u"1999"_s);
        QCOMPARE(request->tag.genre, qint16(7));
        QCOMPARE(request->tag.comment, u"My comment"_s + QString(20, u' '));
    }

    void blockLengths()
    {
        QString forty;
        for (int i = 0; i < 40; ++i)
            forty += QChar(u'A' + i % 26);
        std::optional<TagRequest> request = ParseTagCommandLine((u"\"/a.mp3\" "_s + forty).toUtf8());
        QVERIFY(request);
        QCOMPARE(request->tag.title, forty.left(30));
        QCOMPARE(request->tag.artist, forty.mid(30));
        QCOMPARE(request->tag.album, QString());
        QCOMPARE(request->tag.year, QString());
        QCOMPARE(request->tag.genre, qint16(0));
        QCOMPARE(request->tag.comment, forty.mid(10)); // the last 30 characters

        const QString long130 = sampleBlock() + u"WXYZ"_s;
        request = ParseTagCommandLine((u"\"/a.mp3\" "_s + long130).toUtf8());
        QVERIFY(request);
        QCOMPARE(request->tag.comment, long130.mid(100)); // 101 to 130, not 97 to 126

        request = ParseTagCommandLine("\"/a.mp3\" ");
        QVERIFY(request);
        QCOMPARE(request->path, "/a.mp3"_ba);
        QVERIFY(request->tag.title.isEmpty() && request->tag.comment.isEmpty());
        QCOMPARE(request->tag.genre, qint16(0));
    }

    // How the two characters read as a number is the number reader's own
    // table; here only that the genre field, at 95 and 96, goes through it.
    void genreField()
    {
        const QString block = QString(94, u' ') + u"7 "_s + QString(30, u'c');
        const std::optional<TagRequest> request = ParseTagArguments("/x.mp3", block.toUtf8());
        QVERIFY(request);
        QCOMPARE(int(request->tag.genre), 7);
        QCOMPARE(request->tag.year, u"    "_s); // fields come untrimmed
    }

    void pathForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<QString>("path");
        QTest::newRow("blanks in the path") << u"\"/my dir/my song.mp3\" x"_s << true
                                            << u"/my dir/my song.mp3"_s;
        QTest::newRow("first character skipped whatever it is") << u"X/a b.mp3\" x"_s << true
                                                                << u"/a b.mp3"_s;
        QTest::newRow("two quotes give an empty path") << u"\"\" x"_s << true << QString();
        QTest::newRow("no closing quote") << u"\"/a.mp3 x"_s << false << QString();
        QTest::newRow("ends with the closing quote") << u"\"/a.mp3\""_s << false << QString();
        QTest::newRow("path too long") << u'"' + QString(LongestPath + 1, u'a') + u"\" x"_s
                                       << false << QString();
    }
    void pathForms()
    {
        QFETCH(QString, text);
        QFETCH(bool, parsed);
        QFETCH(QString, path);
        const std::optional<TagRequest> request = ParseTagCommandLine(text.toUtf8());
        QCOMPARE(request.has_value(), parsed);
        if (parsed)
            QCOMPARE(request->path, path.toUtf8());
    }

    // The path names exactly the bytes given, UTF-8 or not; the block is
    // decoded keeping every character, a leading byte-order mark too.
    void argumentBytes_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("artist");
        const QByteArray block = sampleBlock().toUtf8();
        // As a person might type it: the mark counts as the title's first character.
        const QByteArray bomBlock =
            QString(u"\uFEFF"_s + BuildFieldBlock({u"Title"_s, u"Artist"_s, {}, {}, 17, {}}).mid(1))
                .toUtf8();
        QTest::newRow("raw, path not UTF-8") << QByteArrayList{"\"t\xFF.mp3\" " + block}
                                              << "t\xFF.mp3"_ba << u"My title"_s << u"My artist"_s;
        QTest::newRow("split, path not UTF-8") << QByteArrayList{"t\xFF.mp3", block} << "t\xFF.mp3"_ba
                                                << u"My title"_s << u"My artist"_s;
        QTest::newRow("raw, multibyte first character") << QByteArrayList{"\xC3\xA9/a.mp3\" " + block}
                                                         << "/a.mp3"_ba << u"My title"_s
                                                         << u"My artist"_s;
        QTest::newRow("split, title starts with a byte-order mark")
            << QByteArrayList{"/a.mp3", bomBlock} << "/a.mp3"_ba
            << u"\uFEFFitle"_s + QString(24, u' ') << u"Artist"_s + QString(24, u' ');
        QTest::newRow("split, emoji counts as one character")
            << QByteArrayList{"/a.mp3", "\xF0\x9F\x98\x80" + block.mid(1)} << "/a.mp3"_ba
            << u"\U0001F600y title"_s + QString(22, u' ') << u"My artist"_s + QString(21, u' ');
    }
    void argumentBytes()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, path);
        QFETCH(QString, title);
        QFETCH(QString, artist);
        const ModeDecision decision = DecideMode(arguments);
        QCOMPARE(int(decision.mode), int(ModeDecision::Mode::Tagging));
        QCOMPARE(decision.request.path, path);
        QCOMPARE(decision.request.tag.title.left(title.size()), title);
        QCOMPARE(decision.request.tag.artist.left(artist.size()), artist);
    }

    void splitFormTakesThePathWhole()
    {
        const std::optional<TagRequest> request =
            ParseTagArguments("/odd \"quoted\" name.mp3", sampleBlock().toUtf8());
        QVERIFY(request);
        QCOMPARE(request->path, "/odd \"quoted\" name.mp3"_ba);
        QCOMPARE(request->tag.genre, qint16(7));
    }

    void fieldBlockGenreWidth()
    {
        QCOMPARE(BuildFieldBlock({{}, {}, {}, {}, 37, {}}).mid(94, 2), u"37"_s);
        QCOMPARE(BuildFieldBlock({{}, {}, {}, {}, 0, {}}).mid(94, 2), u"0 "_s);
        QCOMPARE(BuildFieldBlock({QString(40, u'x'), {}, {}, u"20011"_s, 5, {}}).size(),
                 FieldBlockLength);
    }

    void modeDecision_data()
    {
        using Mode = ModeDecision::Mode;
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<int>("mode");
        const QByteArray block = sampleBlock().toUtf8();
        QTest::newRow("none") << QByteArrayList() << int(Mode::Interactive);
        QTest::newRow("one character") << QByteArrayList{"x"} << int(Mode::Interactive);
        QTest::newRow("raw form") << QByteArrayList{"\"/a.mp3\" " + block} << int(Mode::Tagging);
        QTest::newRow("raw form outside the format") << QByteArrayList{"\"/a.mp3"}
                                                     << int(Mode::UsageError);
        QTest::newRow("split form") << QByteArrayList{"/a.mp3", block} << int(Mode::Tagging);
        QTest::newRow("split block") << QByteArrayList{"/a.mp3", "Title", "Artist"}
                                     << int(Mode::UsageError);
        QTest::newRow("two files") << QByteArrayList{"in.wav", "b.wav"} << int(Mode::UsageError);
        QTest::newRow("file and --help") << QByteArrayList{"song.mp3", "--help"}
                                         << int(Mode::UsageError);
        QTest::newRow("block one short") << QByteArrayList{"/a.mp3", block.chopped(1)}
                                         << int(Mode::UsageError);
        QTest::newRow("block one long") << QByteArrayList{"/a.mp3", block + "x"}
                                        << int(Mode::UsageError);
        QTest::newRow("--help") << QByteArrayList{"--help"} << int(Mode::Help);
        QTest::newRow("--version") << QByteArrayList{"--version"} << int(Mode::Version);
        // Not a request, but folders or WAV files: the window opens there.
        const auto named = [this](const QString &name) { return QFile::encodeName(file(name)); };
        QTest::newRow("folder") << QByteArrayList{named(u"album"_s)} << int(Mode::Open);
        QTest::newRow("working directory") << QByteArrayList{"."} << int(Mode::Open);
        QTest::newRow("quoted folder") << QByteArrayList{'"' + named(u"album"_s) + '"'}
                                       << int(Mode::Open);
        QTest::newRow("WAVs of two folders")
            << QByteArrayList{named(u"album/a.wav"_s), named(u"other/c.wav"_s)} << int(Mode::Open);
        QTest::newRow("three WAVs") << QByteArrayList{named(u"album/a.wav"_s), named(u"album/B.WAV"_s),
                                                      named(u"other/c.wav"_s)}
                                    << int(Mode::Open);
        QTest::newRow("folder name ending in a double quote")
            << QByteArrayList{named(u"ends in\""_s)} << int(Mode::Open);
        QTest::newRow("folder and a text file")
            << QByteArrayList{named(u"album"_s), named(u"album/notes.txt"_s)}
            << int(Mode::UsageError);
        QTest::newRow("missing folder") << QByteArrayList{named(u"gone"_s)} << int(Mode::UsageError);
        QTest::newRow("WAV and a 126-character block")
            << QByteArrayList{named(u"album/a.wav"_s), block} << int(Mode::Tagging);
        // Folders and WAVs open the window even where they read as a request.
        QTest::newRow("folder named with a double quote")
            << QByteArrayList{named(u"My \"live\" takes"_s)} << int(Mode::Open);
        QTest::newRow("two WAVs, the second's path 126 characters")
            << QByteArrayList{named(u"album/a.wav"_s), named(longWav())} << int(Mode::Open);
    }
    void modeDecision()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(int, mode);
        const ModeDecision decision = DecideMode(arguments);
        QCOMPARE(int(decision.mode), mode);
        QCOMPARE(decision.problem.isEmpty(), decision.mode != ModeDecision::Mode::UsageError);
        QCOMPARE(decision.paths.size(),
                 decision.mode == ModeDecision::Mode::Open ? arguments.size() : 0);
    }
};

QTEST_APPLESS_MAIN(TestTagCommandLine)
#include "tst_tag_command_line.moc"
