#include "app/tag_command_line.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A 126-character block whose fields can be told apart.
QString sampleBlock()
{
    return BuildFieldBlock(u"My title"_s, u"My artist"_s, u"My album"_s, u"1999"_s, 7,
                           u"My comment"_s);
}

} // namespace

class TestTagCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample()
    {
        const QString path = u"/MP3/My song.mp3"_s;
        const QString text = u'"' + path + u"\" "_s + sampleBlock();
        QCOMPARE(sampleBlock().size(), FieldBlockLength);
        // In argument-text positions (1-based) the block starts right after
        // the separator and each field stands at its fixed offset.
        const qsizetype blockStart = 1 + path.size() + 2 + 1;
        QCOMPARE(text.mid(blockStart - 1 + 94, 2), u"7 "_s);

        const std::optional<TagRequest> request = ParseTagCommandLine(text);
        QVERIFY(request);
        QCOMPARE(request->path, path);
        QCOMPARE(request->title, u"My title"_s + QString(22, u' '));
        QCOMPARE(request->artist, u"My artist"_s + QString(21, u' '));
        QCOMPARE(request->album, u"My album"_s + QString(22, u' '));
        QCOMPARE(request->year, u"1999"_s);
        QCOMPARE(request->genre, qint16(7));
        QCOMPARE(request->comment, u"My comment"_s + QString(20, u' '));
    }

    void blockLengths()
    {
        QString forty;
        for (int i = 0; i < 40; ++i)
            forty += QChar(u'A' + i % 26);
        std::optional<TagRequest> request = ParseTagCommandLine(u"\"/a.mp3\" "_s + forty);
        QVERIFY(request);
        QCOMPARE(request->title, forty.left(30));
        QCOMPARE(request->artist, forty.mid(30));
        QCOMPARE(request->album, QString());
        QCOMPARE(request->year, QString());
        QCOMPARE(request->genre, qint16(0));
        QCOMPARE(request->comment, forty.mid(10)); // the last 30 characters

        const QString long130 = sampleBlock() + u"WXYZ"_s;
        request = ParseTagCommandLine(u"\"/a.mp3\" "_s + long130);
        QVERIFY(request);
        QCOMPARE(request->comment, long130.mid(100)); // 101 to 130, not 97 to 126

        request = ParseTagCommandLine(u"\"/a.mp3\" "_s);
        QVERIFY(request);
        QCOMPARE(request->path, u"/a.mp3"_s);
        QVERIFY(request->title.isEmpty() && request->comment.isEmpty());
        QCOMPARE(request->genre, qint16(0));
    }

    void genreTexts_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<int>("value");
        QTest::newRow("7 and blank") << u"7 "_s << 7;
        QTest::newRow("42") << u"42"_s << 42;
        QTest::newRow("two blanks") << u"  "_s << 0;
        QTest::newRow("two letters") << u"ab"_s << 0;
        QTest::newRow("minus one") << u"-1"_s << -1;
    }
    void genreTexts()
    {
        QFETCH(QString, genre);
        QFETCH(int, value);
        const QString block = QString(94, u' ') + genre + QString(30, u'c');
        const std::optional<TagRequest> request = ParseTagArguments(u"/x.mp3"_s, block);
        QVERIFY(request);
        QCOMPARE(int(request->genre), value);
        QCOMPARE(request->year, u"    "_s); // fields come untrimmed
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
        const std::optional<TagRequest> request = ParseTagCommandLine(text);
        QCOMPARE(request.has_value(), parsed);
        if (parsed)
            QCOMPARE(request->path, path);
    }

    void splitFormTakesThePathWhole()
    {
        const std::optional<TagRequest> request =
            ParseTagArguments(u"/odd \"quoted\" name.mp3"_s, sampleBlock());
        QVERIFY(request);
        QCOMPARE(request->path, u"/odd \"quoted\" name.mp3"_s);
        QCOMPARE(request->genre, qint16(7));
    }

    void fieldBlockGenreWidth()
    {
        QCOMPARE(BuildFieldBlock({}, {}, {}, {}, 37, {}).mid(94, 2), u"37"_s);
        QCOMPARE(BuildFieldBlock({}, {}, {}, {}, 0, {}).mid(94, 2), u"0 "_s);
        QCOMPARE(BuildFieldBlock(QString(40, u'x'), {}, {}, u"20011"_s, 5, {}).size(),
                 FieldBlockLength);
    }

    void modeDecision_data()
    {
        using Mode = ModeDecision::Mode;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::newRow("none") << QStringList() << int(Mode::Interactive);
        QTest::newRow("one character") << QStringList{u"x"_s} << int(Mode::Interactive);
        QTest::newRow("raw form") << QStringList{u"\"/a.mp3\" "_s + sampleBlock()}
                                  << int(Mode::Tagging);
        QTest::newRow("raw form outside the format") << QStringList{u"\"/a.mp3"_s}
                                                     << int(Mode::UsageError);
        QTest::newRow("split form") << QStringList{u"/a.mp3"_s, sampleBlock()}
                                    << int(Mode::Tagging);
        QTest::newRow("split block") << QStringList{u"/a.mp3"_s, u"Title"_s, u"Artist"_s}
                                     << int(Mode::UsageError);
    }
    void modeDecision()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        const ModeDecision decision = DecideMode(arguments);
        QCOMPARE(int(decision.mode), mode);
        QCOMPARE(decision.problem.isEmpty(), decision.mode != ModeDecision::Mode::UsageError);
    }
};

QTEST_APPLESS_MAIN(TestTagCommandLine)
#include "tst_tag_command_line.moc"
