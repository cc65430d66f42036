#include "script_starter.h"

#include "base/display.h"
#include "base/shown_name.h"
#include "script_file_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr char RunThenWait[] =
    "sh \"$0\"; printf '\\n%s' 'The script has finished. Press Enter to close this window. '; "
    "read answer";

QString logFileFor(const QString &scriptName)
{
    return scriptName.chopped(3) + u"LOG"_s; // beside the script
}

// Whether `terminal` is xterm or one of its wrappers (lxterm, uxterm): then
// xterm's own options apply.
bool isXterm(const QString &terminal)
{
    return QFileInfo(terminal).fileName().endsWith(u"xterm"_s);
}

// Where `name` is found on the PATH, with links followed: Debian's
// alternatives may point x-terminal-emulator at xterm.
QString findTerminal(const QString &name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? found : QFileInfo(found).canonicalFilePath();
}

// The first line the terminal wrote before it gave up, if any.
QString firstLineOf(const QString &file)
{
    QFile log(file);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(log.readLine(1024)).trimmed();
}

Result startDetached(const QString &directory, const ScriptCommand &command)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(directory);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return Result::failure(u"%1: %2"_s.arg(command.program, process.errorString()));
    return Result::success();
}

Result startInBackground(const QString &directory, const QString &scriptName, const QString &why)
{
    const ScriptCommand command = BackgroundScriptCommand(scriptName);
    if (Result started = startDetached(directory, command); !started)
        return started;
    return Result::success(
        QCoreApplication::translate("ScriptStarter", "%1, so the encoding runs in the background. "
                                                     "Its output goes to \"%2\".")
            .arg(why, ShownName(QDir(directory).filePath(command.logFile))));
}

// Starts the terminal and watches it for a moment. Its stderr goes to the
// log, where it explains a window that never opened. A terminal that hands
// its window to a server and ends at once (gnome-terminal) ends with success.
Result startTerminal(const QString &directory, const ScriptCommand &command, const QString &log)
{
    auto *terminal = new QProcess; // lives as long as the window, see below
    terminal->setProgram(command.program);
    terminal->setArguments(command.arguments);
    terminal->setWorkingDirectory(directory);
    terminal->setStandardInputFile(QProcess::nullDevice());
    // No pipe back to this program, which a window left behind could choke on.
    terminal->setStandardOutputFile(QProcess::nullDevice());
    terminal->setStandardErrorFile(log, QIODevice::Truncate);
    terminal->start();
    if (!terminal->waitForStarted()) {
        const QString reason = terminal->errorString();
        delete terminal;
        return Result::failure(reason);
    }
    if (!terminal->waitForFinished(int(TerminalGivesUpWithin.count()))) {
        // Open: it goes its own way; the program neither waits nor stops it.
        QObject::connect(terminal, &QProcess::finished, terminal, &QObject::deleteLater);
        return Result::success();
    }
    const bool handedOver =
        terminal->exitStatus() == QProcess::NormalExit && terminal->exitCode() == 0;
    const int code = terminal->exitCode();
    delete terminal;
    if (handedOver)
        return Result::success();
    const QString said = firstLineOf(log);
    return Result::failure(said.isEmpty() ? u"it ended with status %1"_s.arg(code) : said);
}

} // namespace

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool x11Display,
                                  const ExecutableFinder &findExecutable)
{
    if (!x11Display)
        return BackgroundScriptCommand(scriptName);
    // The window stays open at the end until the user has read it.
    const QStringList runThenWait{u"sh"_s, u"-c"_s, QString::fromLatin1(RunThenWait), scriptName};
    const QString title = QString::fromUtf16(ScriptFileName);
    for (const QString &name : {u"x-terminal-emulator"_s, u"xterm"_s}) {
        const QString terminal = findExecutable(name);
        if (terminal.isEmpty())
            continue;
        if (!isXterm(terminal)) // Debian's terminals all take -T and -e
            return {terminal, QStringList{u"-T"_s, title, u"-e"_s} + runThenWait, {}};
        QStringList arguments;
        if (loadMode == 1)
            arguments << u"-iconic"_s;
        arguments << u"-T"_s << title << u"-n"_s << title << u"-e"_s << runThenWait;
        return {terminal, arguments, {}};
    }
    return BackgroundScriptCommand(scriptName);
}

ScriptCommand BackgroundScriptCommand(const QString &scriptName)
{
    return {u"sh"_s,
            {u"-c"_s, u"exec sh \"$0\" >>\"$1\" 2>&1"_s, scriptName, logFileFor(scriptName)},
            logFileFor(scriptName)};
}

Result StartScriptDetached(const QString &directory, const QString &scriptName, qint16 loadMode)
{
    const ScriptCommand command = ChooseScriptCommand(
        scriptName, loadMode, X11DisplayNamed(), findTerminal);
    if (!command.logFile.isEmpty())
        return startInBackground(
            directory, scriptName,
            QCoreApplication::translate("ScriptStarter", "No terminal window can be opened here"));
    const QString log = QDir(directory).filePath(logFileFor(scriptName));
    Result opened = startTerminal(directory, command, log);
    if (opened)
        return opened;
    return startInBackground(directory, scriptName,
                             QCoreApplication::translate("ScriptStarter",
                                                         "The terminal window could not be opened (%1: %2)")
                                 .arg(QFileInfo(command.program).fileName(), opened.message()));
}
