#pragma once

#include <QByteArray>
#include <QStringView>

// One byte per character: Latin-1 where the character has a code there, "?"
// where it has none. Stands in for the ANSI code page on Linux.
QByteArray ToLatin1OrQuestionMark(QStringView text);
