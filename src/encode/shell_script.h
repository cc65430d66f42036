#pragma once

#include "batch_script.h"

#include <QByteArray>
#include <QString>

// The text `text` as one single-quoted sh word: nothing inside can end it
// or be expanded.
QString ShellQuote(const QString &text);

// The script as sh (dash) runs it on Linux: UTF-8, LF lines, every path and
// the field block single-quoted. One group per file, as the command
// interpreter's script has them, run at most `plan.jobs` at a time at a low
// CPU priority; each group's later lines run only when its encoder made the
// MP3 in this run. Every file gets a line when it starts and one when it
// ends, and the run ends with a summary.
QByteArray RenderShellScript(const ScriptPlan &plan);
