#include "encode/path_functions.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Module1::NameFromPath;
using Module1::ShortPath;

class TestPathFunctions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("name");
        const QChar back = u'\\';
        const QChar slash = u'/';
        QTest::newRow("windows path") << u"C:\\WAVS\\MYSONG~1.WAV"_s << back << u"MYSONG~1.WAV"_s;
        QTest::newRow("linux path") << u"/music/My song.wav"_s << slash << u"My song.wav"_s;
        QTest::newRow("bare name") << u"song.wav"_s << slash << u"song.wav"_s;
        QTest::newRow("empty") << QString() << slash << QString();
        QTest::newRow("one character") << u"/"_s << slash << u"/"_s;
        QTest::newRow("final separator kept") << u"C:\\DIR\\"_s << back << u"DIR\\"_s;
        QTest::newRow("only the first is a separator") << u"\\name"_s << back << u"name"_s;
        QTest::newRow("root file") << u"/a.wav"_s << slash << u"a.wav"_s;
        QTest::newRow("other separator ignored") << u"C:\\a/b"_s << back << u"a/b"_s;
    }
    void nameFromPath()
    {
        QFETCH(QString, path);
        QFETCH(QChar, separator);
        QFETCH(QString, name);
        QCOMPARE(NameFromPath(path, separator), name);
    }

    void joinAndExtension()
    {
        QCOMPARE(JoinPath(u"C:\\"_s, u"My song.wav"_s, u'\\'), u"C:\\My song.wav"_s);
        QCOMPARE(JoinPath(u"/music"_s, u"a.wav"_s, u'/'), u"/music/a.wav"_s);
        QCOMPARE(JoinPath(u"/"_s, u"a.wav"_s, u'/'), u"/a.wav"_s);
        QCOMPARE(WithMp3Extension(u"My song.wav"_s), u"My song.mp3"_s);
        QCOMPARE(WithMp3Extension(u"LOUD.WAV"_s), u"LOUD.mp3"_s);
    }

    void shortPathIsThePathWhenItExists()
    {
        QTemporaryDir dir;
        QCOMPARE(ShortPath(dir.path()), dir.path());
        const QString longName = dir.path() + u'/' + QString(200, u'x');
        QVERIFY(QDir().mkdir(longName)); // no 64-character limit here
        QCOMPARE(ShortPath(longName), longName);
        QCOMPARE(ShortPath(dir.filePath(u"missing.wav"_s)), QString());
        QCOMPARE(ShortPath(QString()), QString());
    }
};

QTEST_APPLESS_MAIN(TestPathFunctions)
#include "tst_path_functions.moc"
