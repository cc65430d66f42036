#include "base/own_directory.h"
#include "encode/encode_run.h"
#include "encode/script_starter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestEncodeRun : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_encoderDir;
    QString m_script;
    QStringList m_started; // directory and script name of each start

    EncodeRequest request() const
    {
        EncodeRequest request;
        request.files = {{u"a.wav"_s, true}};
        request.directory = m_dir.filePath(u"wavs"_s);
        request.entries = {QString(125, u' ')};
        request.bitrate = u"128000"_s;
        request.encoderPath = m_encoderDir;
        request.destination = m_dir.path() + u'/';
        request.appPath = u"/app/"_s;
        return request;
    }

    ScriptStarter recordingStarter(bool succeed = true)
    {
        return [this, succeed](const QString &directory, const QString &name) {
            m_started << directory << name;
            return succeed ? Result::success() : Result::failure(u"no terminal"_s);
        };
    }

    QByteArray scriptBytes() const
    {
        QFile file(m_script);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

private Q_SLOTS:
    void init()
    {
        m_encoderDir = m_dir.filePath(u"encoder dir"_s);
        QVERIFY(QDir().mkpath(m_encoderDir));
        QVERIFY(QDir().mkpath(m_dir.filePath(u"wavs"_s)));
        QFile l3enc(m_encoderDir + u"/L3ENC"_s);
        l3enc.remove();
        QVERIFY(l3enc.open(QIODevice::WriteOnly));
        l3enc.close();
        QVERIFY(l3enc.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QFile wav(m_dir.filePath(u"wavs/a.wav"_s));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        m_script = m_encoderDir + u"/TEMP.BAT"_s;
        QFile::remove(m_script);
        QFile earlier(m_script);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        m_started.clear();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void writesAndStartsTheScript()
    {
        const EncodeOutcome outcome = RunEncode(request(), recordingStarter());
        QCOMPARE(outcome.kind, EncodeOutcome::Kind::Started);
        QCOMPARE(m_started, QStringList({m_encoderDir, u"TEMP.BAT"_s}));
        QCOMPARE(QDir::currentPath(), m_encoderDir);
        QVERIFY(scriptBytes().contains(" ./L3ENC '"));
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing selected") << 0 << int(EncodeOutcome::Kind::NothingSelected)
                                          << QString();
        QTest::newRow("empty file list") << 1 << int(EncodeOutcome::Kind::NothingSelected)
                                         << QString();
        QTest::newRow("destination missing") << 2 << int(EncodeOutcome::Kind::Refused)
                                             << u"gone/\" does not exist"_s;
        QTest::newRow("encoder missing") << 3 << int(EncodeOutcome::Kind::Refused)
                                         << u"L3ENC was not found"_s;
    }
    void refusalsWriteNothing()
    {
        QFETCH(int, problem);
        QFETCH(int, kind);
        QFETCH(QString, message);
        EncodeRequest broken = request();
        if (problem == 0)
            broken.files[0].selected = false;
        else if (problem == 1)
            broken.files.clear();
        else if (problem == 2)
            broken.destination = m_dir.filePath(u"gone/"_s);
        else
            QVERIFY(QFile::remove(m_encoderDir + u"/L3ENC"_s));
        const EncodeOutcome outcome = RunEncode(broken, recordingStarter());
        QCOMPARE(int(outcome.kind), kind);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(scriptBytes(), "earlier"_ba);
        QVERIFY(m_started.isEmpty());
        QCOMPARE(QDir::currentPath(), m_dir.path());
    }

    void starterFailureIsReported()
    {
        const EncodeOutcome outcome = RunEncode(request(), recordingStarter(false));
        QCOMPARE(outcome.kind, EncodeOutcome::Kind::Refused);
        QCOMPARE(outcome.message, u"Cannot start the script: no terminal"_s);
    }

    void runningScriptKeepsItsOwnFile()
    {
        QFile running(m_script);
        QVERIFY(running.open(QIODevice::ReadOnly)); // as a shell still reading it
        QCOMPARE(RunEncode(request(), recordingStarter()).kind, EncodeOutcome::Kind::Started);
        QCOMPARE(running.readAll(), "earlier"_ba);
        QVERIFY(scriptBytes().contains(" ./L3ENC "));
    }

    // An encoder directory that is not the user's own to write: the script
    // goes to the user's cache and still runs there.
    void encoderDirectoryNotOursPutsTheScriptInTheCache_data()
    {
        QTest::addColumn<bool>("chown"); // else closed to its owner
        QTest::newRow("closed to its owner") << false;
        QTest::newRow("another user's") << true;
    }
    void encoderDirectoryNotOursPutsTheScriptInTheCache()
    {
        QFETCH(bool, chown);
        QStandardPaths::setTestModeEnabled(true);
        const QByteArray directory = QFile::encodeName(m_encoderDir);
        if (chown && (::geteuid() != 0 || ::chown(directory.constData(), 65534, 65534) != 0))
            QSKIP("only root gives a directory away");
        if (!chown)
            QVERIFY(QFile::setPermissions(m_encoderDir, QFile::ReadOwner | QFile::ExeOwner));
        const bool closed = !IsOwnWritableDirectory(m_encoderDir);
        const EncodeOutcome outcome = RunEncode(request(), recordingStarter());
        QFile::setPermissions(m_encoderDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (chown)
            QCOMPARE(::chown(directory.constData(), ::geteuid(), ::getegid()), 0);
        if (!closed)
            QSKIP("root writes everywhere; runs again as an ordinary user");
        QCOMPARE(outcome.kind, EncodeOutcome::Kind::Started);
        const QString cached = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
            + u"/TEMP.BAT"_s;
        QCOMPARE(m_started, QStringList({m_encoderDir, cached})); // still run in the encoder's directory
        QVERIFY(QFile::exists(cached));
        QCOMPARE(scriptBytes(), "earlier"_ba);
    }

    void scriptCommand_data()
    {
        QTest::addColumn<int>("loadMode");
        QTest::addColumn<bool>("display"); // an X11 one: a terminal needs it
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("command");
        const QStringList both{u"xterm"_s, u"x-terminal-emulator"_s};
        const QStringList titled{u"-T"_s, u"TEMP.BAT"_s, u"-n"_s, u"TEMP.BAT"_s, u"-e"_s};
        const QStringList waits{u"sh"_s, u"-c"_s,
                                u"sh \"$0\"; printf '\\n%s' 'The script has finished. Press Enter "
                                "to close this window. '; read answer"_s,
                                u"TEMP.BAT"_s};
        const QStringList xterm{u"xterm"_s};
        QTest::newRow("minimised") << 1 << true << xterm
                                   << QStringList{u"/bin/xterm"_s, u"-iconic"_s} + titled + waits;
        QTest::newRow("normal") << 0 << true << xterm << QStringList{u"/bin/xterm"_s} + titled + waits;
        QTest::newRow("any other value is normal") << 7 << true << xterm
                                                   << QStringList{u"/bin/xterm"_s} + titled + waits;
        QTest::newRow("the desktop's own terminal first")
            << 0 << true << both
            << QStringList{u"/bin/x-terminal-emulator"_s, u"-T"_s, u"TEMP.BAT"_s, u"-e"_s} + waits;
        QTest::newRow("no xterm") << 1 << true << QStringList{u"x-terminal-emulator"_s}
                                  << QStringList{u"/bin/x-terminal-emulator"_s, u"-T"_s,
                                                 u"TEMP.BAT"_s, u"-e"_s} + waits;
        const QStringList logged{u"sh"_s, u"-c"_s, u"exec sh \"$0\" >>\"$1\" 2>&1"_s,
                                 u"TEMP.BAT"_s, u"TEMP.LOG"_s};
        QTest::newRow("no terminal") << 0 << true << QStringList() << logged;
        QTest::newRow("no X11 display (pure Wayland, or none)") << 0 << false << both << logged;
    }
    void scriptCommand()
    {
        QFETCH(int, loadMode);
        QFETCH(bool, display);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, command);
        const ScriptCommand chosen =
            ChooseScriptCommand(u"TEMP.BAT"_s, qint16(loadMode), display, [&](const QString &name) {
                return installed.contains(name) ? u"/bin/"_s + name : QString();
            });
        QCOMPARE(QStringList{chosen.program} + chosen.arguments, command);
        // In the background the user is told where the log is.
        QCOMPARE(chosen.logFile, command.first() == u"sh"_s ? u"TEMP.LOG"_s : QString());
    }
};

QTEST_GUILESS_MAIN(TestEncodeRun)
#include "tst_encode_run.moc"
