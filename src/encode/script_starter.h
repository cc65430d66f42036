#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// How the script is handed to an interpreter on Linux: in a terminal window
// (minimised for LoadMode 1) so the user sees it work, or, without a
// terminal or a display, by sh in the background with its output logged.
struct ScriptCommand {
    QString program;
    QStringList arguments;
};

using ExecutableFinder = std::function<QString(const QString &name)>;

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool displayAvailable,
                                  const ExecutableFinder &findExecutable);

// Starts `scriptName` in `directory` without waiting and keeps no handle.
// Gives false with the reason in `error` when it cannot be started.
bool StartScriptDetached(const QString &directory, const QString &scriptName, qint16 loadMode,
                         QString *error);
