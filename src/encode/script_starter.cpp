#include "script_starter.h"

#include "base/display.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool x11Display,
                                  const ExecutableFinder &findExecutable)
{
    if (x11Display) {
        if (const QString xterm = findExecutable(u"xterm"_s); !xterm.isEmpty()) {
            QStringList arguments;
            if (loadMode == 1)
                arguments << u"-iconic"_s;
            arguments << u"-hold"_s << u"-e"_s << u"sh"_s << scriptName;
            return {xterm, arguments, {}};
        }
        if (const QString terminal = findExecutable(u"x-terminal-emulator"_s); !terminal.isEmpty())
            return {terminal, {u"-e"_s, u"sh"_s, scriptName}, {}};
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
