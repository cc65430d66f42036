#pragma once

#include "batch_script.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The encoder's rate: "-br 128000", or "-V 2" for a variable bitrate.
QStringList EncoderRateWords(const ScriptPlan &plan);

// The encoder's switches in their fixed order, whatever order they were set in.
QStringList EncoderSwitchWords(const EncodeSwitches &switches);

// A track's range of frames for the encoder ("-from 0 -to 13230000"; the
// last track runs to the end); none for a WAV encoded whole.
QStringList EncoderRangeWords(const ScriptGroup &group);

// A command-interpreter line made safe: "%" doubled everywhere, and "^"
// before & | < > ^ where they stand outside double quotes.
QString EscapeCommandLine(const QString &line);

// The script as the Windows command interpreter runs it: CRLF lines in the
// ANSI code page (Latin-1 here).
QByteArray RenderCommandScript(const ScriptPlan &plan);
