#pragma once

#include <QStringList>

// The library that holds the windows, loaded from beside the program only for
// an interactive start, and the function it exports.
inline constexpr char WindowLibraryName[] = "libsondrake_ui.so";
inline constexpr char WindowEntryName[] = "sondrake_run_interactive";

using InteractiveEntry = int (*)(int argc, char *argv[], const QStringList &paths);

// Starts the program with its windows, showing `paths` (folders or WAV files)
// as a drop would when there are any. Says on stderr and gives 1 when no
// display is at hand or the window library cannot be loaded.
int StartInteractive(int argc, char *argv[], const QStringList &paths);
