#pragma once

#include "batch_script.h"

#include <QByteArray>
#include <QString>

// The text `text` as one single-quoted sh word: nothing inside can end it
// or be expanded.
QString ShellQuote(const QString &text);

// A command-interpreter line made safe: "%" doubled everywhere, and "^"
// before & | < > ^ where they stand outside double quotes.
QString EscapeCommandLine(const QString &line);

// The script as the Windows command interpreter runs it: CRLF lines in the
// ANSI code page (Latin-1 here).
QByteArray RenderCommandScript(const ScriptPlan &plan);

// The script as sh runs it on Linux: UTF-8, LF lines, every path and the
// field block single-quoted.
QByteArray RenderShellScript(const ScriptPlan &plan);
