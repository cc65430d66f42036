#include "app/tag_command_line.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs the built program the way the batch script does, as its own process.
class TestTaggingProcess : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program; // a copy of the program, with an encoder.ini beside it
    QString m_mp3;
    const QByteArray m_settings = "[Directories]\r\nEncoderPath = /x\r\n"_ba;

    struct Run {
        int exitCode;
        QByteArray errors;
    };

    Run run(const QStringList &arguments, const QProcessEnvironment &environment =
                                               QProcessEnvironment::systemEnvironment())
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(m_program, arguments);
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, process.readAllStandardError()};
        return {process.exitCode(), process.readAllStandardError()};
    }

    QByteArray mp3Bytes() const
    {
        QFile file(m_mp3);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString block()
    {
        return BuildFieldBlock(u"Title é"_s, u"Artist"_s, u"Album"_s, u"2001"_s, 29, u"Note"_s);
    }

private Q_SLOTS:
    void init()
    {
        m_program = m_dir.filePath(u"encoder"_s);
        QFile::remove(m_program);
        QVERIFY(QFile::copy(QStringLiteral(ENCODER_PROGRAM), m_program));
        QFile settings(m_dir.filePath(u"encoder.ini"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write(m_settings);
        settings.close();

        m_mp3 = m_dir.filePath(u"My \"odd\" song.mp3"_s);
        QFile mp3(m_mp3);
        QVERIFY(mp3.open(QIODevice::WriteOnly | QIODevice::Truncate));
        mp3.write(QByteArray(1000, '\xFF'));
    }

    void bothFormsTagTheFile_data()
    {
        QTest::addColumn<bool>("splitForm");
        QTest::newRow("split form") << true;
        QTest::newRow("raw form") << false;
    }
    void bothFormsTagTheFile()
    {
        QFETCH(bool, splitForm);
        // The raw form cannot carry a path with a double quote: use another.
        if (!splitForm) {
            QVERIFY(QFile::rename(m_mp3, m_dir.filePath(u"plain song.mp3"_s)));
            m_mp3 = m_dir.filePath(u"plain song.mp3"_s);
        }
        const QStringList arguments = splitForm
            ? QStringList{m_mp3, block()}
            : QStringList{u'"' + m_mp3 + u"\" "_s + block()};
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.errors.isEmpty());
        const QByteArray bytes = mp3Bytes();
        QCOMPARE(bytes.size(), 1128);
        QCOMPARE(bytes.mid(1000, 11), "TAGTitle \xE9 "_ba);
        QCOMPARE(bytes.mid(1093, 4), "2001"_ba);
        QCOMPARE(quint8(bytes.back()), quint8(29));
    }

    void failureSaysWhyWithStatusOne()
    {
        const Run result = run({m_dir.filePath(u"missing.mp3"_s), block()});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.errors.contains("missing.mp3"));
        QVERIFY(result.errors.contains("no such file"));
        QVERIFY(!QFile::exists(m_dir.filePath(u"missing.mp3"_s)));
    }

    void usageErrorsGiveStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no closing quote") << QStringList{u"\"/tmp/a.mp3 x"_s};
        QTest::newRow("three arguments") << QStringList{u"/a.mp3"_s, u"Title"_s, u"Artist"_s};
    }
    void usageErrorsGiveStatusTwo()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.errors.contains("Usage:"));
        QCOMPARE(mp3Bytes(), QByteArray(1000, '\xFF'));
    }

    void settingsBesideTheProgramUntouched()
    {
        const QString settings = m_dir.filePath(u"encoder.ini"_s);
        const QDateTime before = QFileInfo(settings).lastModified();
        QCOMPARE(run({m_mp3, block()}).exitCode, 0);
        QCOMPARE(run({m_dir.filePath(u"missing.mp3"_s), block()}).exitCode, 1);
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_settings);
        QCOMPARE(QFileInfo(settings).lastModified(), before);
    }

    void needsNoDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"no-such-platform"_s);
        const Run result = run({m_mp3, block()}, environment);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(mp3Bytes().size(), 1128);
    }

    void interactiveStartWithoutDisplaySaysSo()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        const Run result = run({}, environment);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.errors.contains("display"));
    }
};

QTEST_GUILESS_MAIN(TestTaggingProcess)
#include "tst_tagging_process.moc"
