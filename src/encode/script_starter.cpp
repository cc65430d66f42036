#include "script_starter.h"

#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool displayAvailable,
                                  const ExecutableFinder &findExecutable)
{
    if (displayAvailable) {
        if (const QString xterm = findExecutable(u"xterm"_s); !xterm.isEmpty()) {
            QStringList arguments;
            if (loadMode == 1)
                arguments << u"-iconic"_s;
            arguments << u"-hold"_s << u"-e"_s << u"sh"_s << scriptName;
            return {xterm, arguments};
        }
        if (const QString terminal = findExecutable(u"x-terminal-emulator"_s); !terminal.isEmpty())
            return {terminal, {u"-e"_s, u"sh"_s, scriptName}};
    }
    const QString log = scriptName.chopped(3) + u"LOG"_s; // beside the script
    return {u"sh"_s, {u"-c"_s, u"exec sh \"$0\" >>\"$1\" 2>&1"_s, scriptName, log}};
}

bool StartScriptDetached(const QString &directory, const QString &scriptName, qint16 loadMode,
                         QString *error)
{
    const bool displayAvailable =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const ScriptCommand command = ChooseScriptCommand(
        scriptName, loadMode, displayAvailable,
        [](const QString &name) { return QStandardPaths::findExecutable(name); });
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(directory);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    if (error)
        *error = u"%1: %2"_s.arg(command.program, process.errorString());
    return false;
}
