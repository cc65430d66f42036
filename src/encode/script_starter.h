#pragma once

#include "base/result.h"

#include <QString>
#include <QStringList>

#include <functional>

// How the script is handed to an interpreter on Linux: in a terminal window
// (minimised for LoadMode 1) so the user sees it work, or, without a
// terminal or an X11 display (a terminal there needs one), by sh in the
// background with its output logged.
struct ScriptCommand {
    QString program;
    QStringList arguments;
    QString logFile; // relative to the script's directory; only in the background
};

using ExecutableFinder = std::function<QString(const QString &name)>;

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool x11Display,
                                  const ExecutableFinder &findExecutable);

// Starts `scriptName` in `directory` without waiting and keeps no handle.
// When it runs in the background, the success says where its log is.
Result StartScriptDetached(const QString &directory, const QString &scriptName, qint16 loadMode);
