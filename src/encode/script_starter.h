#pragma once

#include "base/result.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// How the script is handed to an interpreter on Linux: in a terminal window
// (minimised for LoadMode 1 where the terminal can do that) so the user sees
// it work, or, without a terminal or an X11 display (a terminal there needs
// one), by sh in the background with its output logged. The desktop's own
// terminal comes first (x-terminal-emulator, Debian's name for the one the
// user chose), then xterm.
struct ScriptCommand {
    QString program;
    QStringList arguments;
    QString logFile; // relative to the script's directory; only in the background
};

// Gives the file a command name runs, links followed; empty when none.
using ExecutableFinder = std::function<QString(const QString &name)>;

ScriptCommand ChooseScriptCommand(const QString &scriptName, qint16 loadMode, bool x11Display,
                                  const ExecutableFinder &findExecutable);

// The same script run by sh in the background, its output added to the log
// beside it.
ScriptCommand BackgroundScriptCommand(const QString &scriptName);

// How long a terminal that cannot open its window (a stale DISPLAY, no
// XAUTHORITY, a dead XWayland) may take to give up; xterm takes 50 ms.
inline constexpr std::chrono::milliseconds TerminalGivesUpWithin{400};

// Starts `scriptName` in `directory` without waiting for it. A terminal that
// ends at once with a failure did not open its window: the script then runs
// in the background. When it runs in the background, the success says so and
// where its log is.
Result StartScriptDetached(const QString &directory, const QString &scriptName, qint16 loadMode);
