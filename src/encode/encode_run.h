#pragma once

#include "base/result.h"
#include "batch_script.h"
#include "encode_check.h"

#include <QString>

#include <functional>

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

// The encode action below the windows, after its check and the user's
// answer about MP3s that exist: writes TEMP.BAT into the encoder's directory
// (replacing it whole, so a script still running keeps its own file; in the
// user's cache when the directory is not writable), makes that directory
// the working directory and starts the script.
EncodeOutcome StartEncode(const EncodeCheck &check, ExistingMp3s existing,
                          const ScriptStarter &start);

// The check and the start in one, for a caller that has settled what
// becomes of MP3s that exist.
EncodeOutcome RunEncode(const EncodeRequest &request, const ScriptStarter &start,
                        ExistingMp3s existing = ExistingMp3s::Replace);

// The starter the program uses: a terminal window, minimised for LoadMode 1.
ScriptStarter TerminalStarter(qint16 loadMode);
