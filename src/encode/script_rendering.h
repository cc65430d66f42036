#pragma once

#include "batch_script.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The encoder's switches in their fixed order, whatever order they were set in.
QStringList EncoderSwitchWords(const EncodeSwitches &switches);

// A command-interpreter line made safe: "%" doubled everywhere, and "^"
// before & | < > ^ where they stand outside double quotes.
QString EscapeCommandLine(const QString &line);

// The script as the Windows command interpreter runs it: CRLF lines in the
// ANSI code page (Latin-1 here).
QByteArray RenderCommandScript(const ScriptPlan &plan);
