#include "script_starter.h"

#include "base/display.h"
#include "encode_run.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr char RunThenWait[] =
    "sh \"$0\"; printf '\\n%s' 'The script has finished. Press Enter to close this window. '; "
    "read answer";

} // namespace

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool x11Display,
                                  const ExecutableFinder &findExecutable)
{
    // The window stays open at the end until the user has read it.
    const QStringList runThenWait{u"sh"_s, u"-c"_s, QString::fromLatin1(RunThenWait), scriptName};
    const QString title = QString::fromUtf16(ScriptFileName);
    if (x11Display) {
        if (const QString xterm = findExecutable(u"xterm"_s); !xterm.isEmpty()) {
            QStringList arguments;
            if (loadMode == 1)
                arguments << u"-iconic"_s;
            arguments << u"-T"_s << title << u"-n"_s << title << u"-e"_s << runThenWait;
            return {xterm, arguments, {}};
        }
        // Debian's terminal alternatives all take -T and -e.
        if (const QString terminal = findExecutable(u"x-terminal-emulator"_s); !terminal.isEmpty())
            return {terminal, QStringList{u"-T"_s, title, u"-e"_s} + runThenWait, {}};
    }
    const QString log = scriptName.chopped(3) + u"LOG"_s; // beside the script
    return {u"sh"_s, {u"-c"_s, u"exec sh \"$0\" >>\"$1\" 2>&1"_s, scriptName, log}, log};
}

Result StartScriptDetached(const QString &directory, const QString &scriptName, qint16 loadMode)
{
    const ScriptCommand command = ChooseScriptCommand(
        scriptName, loadMode, X11DisplayNamed(),
        [](const QString &name) { return QStandardPaths::findExecutable(name); });
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(directory);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return Result::failure(u"%1: %2"_s.arg(command.program, process.errorString()));
    if (command.logFile.isEmpty())
        return Result::success();
    return Result::success(u"No terminal window can be opened here, so the encoding runs in the "
                           "background. Its output goes to \"%1\"."_s
                               .arg(QDir(directory).filePath(command.logFile)));
}
