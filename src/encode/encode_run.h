#pragma once

#include "base/result.h"
#include "batch_script.h"

#include <QString>

#include <functional>

// The script's name, in the encoder's directory.
inline constexpr char16_t ScriptFileName[] = u"TEMP.BAT";

// Starts the written script, in the encoder's directory: `scriptName` is its
// bare name there, or a full path when that directory could not take it. A
// success may say what the user must know about the run (where its log is).
using ScriptStarter = std::function<Result(const QString &directory, const QString &scriptName)>;

struct EncodeOutcome {
    enum class Kind {
        Started,         // `message`, when not empty, tells the user where to look
        NothingSelected, // no script written, working directory unchanged
        Refused,         // a message says why; nothing was started
    };
    Kind kind = Kind::Started;
    QString message;
};

// The encode action below the windows: checks the selection and the
// destination, makes the encoder's directory the working directory, writes
// TEMP.BAT there (replacing it whole, so a script still running keeps its
// own file; in the user's cache when the directory is not writable) and
// starts it.
EncodeOutcome RunEncode(const EncodeRequest &request, const ScriptStarter &start);

// The starter the program uses: a terminal window, minimised for LoadMode 1.
ScriptStarter TerminalStarter(qint16 loadMode);
