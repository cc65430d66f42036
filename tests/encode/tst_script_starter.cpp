#include "encode/script_starter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeExecutable(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The script's window as the desktop gives it, with stand-in terminals on
// the PATH: a terminal that cannot open its window (a stale DISPLAY, no
// XAUTHORITY, a dead XWayland) ends at once, and the script must still run,
// in the background with its log, and the user be told where the log is.
class TestScriptStarter : public QObject {
    Q_OBJECT

    QTemporaryDir m_terminals; // first on the PATH
    QTemporaryDir m_work;      // the encoder's directory, with TEMP.BAT
    QByteArray m_path;
    QByteArray m_display;

private Q_SLOTS:
    void initTestCase()
    {
        m_path = qgetenv("PATH");
        m_display = qgetenv("DISPLAY");
        qputenv("PATH", QFile::encodeName(m_terminals.path()) + ':' + m_path);
        // Runs the command after -e as Debian's terminals do.
        writeExecutable(m_work.filePath(u"run-after-e"_s),
                        "while [ \"$1\" != -e ]; do shift; done; shift; \"$@\"\n");
    }
    void cleanupTestCase()
    {
        qputenv("PATH", m_path);
        qputenv("DISPLAY", m_display);
    }
    void init()
    {
        writeExecutable(m_work.filePath(u"TEMP.BAT"_s), "echo encoded; echo done > marker\n");
        QFile::remove(m_work.filePath(u"marker"_s));
        QFile::remove(m_work.filePath(u"TEMP.LOG"_s));
    }

    // Debian's alternatives may make x-terminal-emulator xterm or one of its
    // wrappers: xterm's own options then apply, minimising among them.
    void xtermBehindTheDesktopsName_data()
    {
        QTest::addColumn<QString>("resolved");
        QTest::addColumn<bool>("xtermOptions");
        QTest::newRow("xterm") << u"/usr/bin/xterm"_s << true;
        QTest::newRow("lxterm") << u"/usr/bin/lxterm"_s << true;
        QTest::newRow("uxterm") << u"/usr/bin/uxterm"_s << true;
        QTest::newRow("another terminal") << u"/usr/bin/gnome-terminal.wrapper"_s << false;
    }
    void xtermBehindTheDesktopsName()
    {
        QFETCH(QString, resolved);
        QFETCH(bool, xtermOptions);
        const ScriptCommand chosen =
            ChooseScriptCommand(u"TEMP.BAT"_s, 1, true, [&](const QString &name) {
                return name == u"x-terminal-emulator"_s ? resolved : QString();
            });
        QCOMPARE(chosen.program, resolved);
        QCOMPARE(chosen.arguments.contains(u"-iconic"_s), xtermOptions);
        QCOMPARE(chosen.arguments.mid(xtermOptions ? 1 : 0, 2), QStringList({u"-T"_s, u"TEMP.BAT"_s}));
    }

    void terminals_data()
    {
        QTest::addColumn<QByteArray>("terminal"); // the stand-in's script; empty: none
        QTest::addColumn<bool>("display");
        QTest::addColumn<QString>("told"); // the start of what the user is told
        const QByteArray runner = "exec sh '" + QFile::encodeName(m_work.filePath(u"run-after-e"_s))
            + "' \"$@\"\n";
        QTest::newRow("terminal opens its window")
            << runner << true << QString();
        QTest::newRow("terminal hands its window over and ends")
            << "sh '" + QFile::encodeName(m_work.filePath(u"run-after-e"_s)) + "' \"$@\" &\nexit 0\n"
            << true << QString();
        QTest::newRow("terminal cannot open the display")
            << QByteArray("echo \"x-terminal-emulator: Can't open display: :97\" >&2\nexit 1\n")
            << true
            << u"The terminal window could not be opened (x-terminal-emulator: "
               "x-terminal-emulator: Can't open display: :97), so the encoding runs in the "
               "background."_s;
        QTest::newRow("terminal killed at once")
            << QByteArray("kill -9 $$\n") << true
            << u"The terminal window could not be opened (x-terminal-emulator: it ended with "
               "status"_s;
        QTest::newRow("no X11 display")
            << runner << false << u"No terminal window can be opened here, so the encoding runs "
                                  "in the background."_s;
    }
    void terminals()
    {
        QFETCH(QByteArray, terminal);
        QFETCH(bool, display);
        QFETCH(QString, told);
        const QString standIn = QDir(m_terminals.path()).filePath(u"x-terminal-emulator"_s);
        writeExecutable(standIn, "#!/bin/sh\n" + terminal);
        if (display)
            qputenv("DISPLAY", ":97");
        else
            qunsetenv("DISPLAY");

        const Result started = StartScriptDetached(m_work.path(), u"TEMP.BAT"_s, 0);
        QVERIFY2(started.ok(), qPrintable(started.message()));
        QVERIFY2(started.message().startsWith(told), qPrintable(started.message()));
        // The script ran, in a window or in the background.
        QTRY_COMPARE(contentsOf(m_work.filePath(u"marker"_s)), "done\n");
        if (!told.isEmpty()) {
            const QString log = m_work.filePath(u"TEMP.LOG"_s);
            QVERIFY2(started.message().endsWith(u"Its output goes to \""_s + log + u"\"."_s),
                     qPrintable(started.message()));
            QTRY_VERIFY(contentsOf(log).endsWith("encoded\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestScriptStarter)
#include "tst_script_starter.moc"
