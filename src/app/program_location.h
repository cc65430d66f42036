#pragma once

#include <QString>

// The directory of the running program file, ending in "/": where the
// settings, the window library and the bundled L3ENC live. Works without a
// QCoreApplication, so the windowless tagging run can use it too.
QString ProgramDirectory();
