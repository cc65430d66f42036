#pragma once

#include <QString>

#include <cstdio>

// The name the program was started as: "encoder", or "trelvin-sondrake"
// through the installed link. Every message it prints begins with it.
QString CommandName(const char *argv0);

// One line on `stream`: "<command>: <text>".
void PrintMessage(std::FILE *stream, const QString &command, const QString &text);
