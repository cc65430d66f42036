#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// One byte per character (code point): Latin-1 where the character has a
// code there, "?" where it has none. Stands in for the ANSI code page on Linux.
QByteArray ToLatin1OrQuestionMark(QStringView text);

// Text as a tag keeps it, before it goes into the script: composed (NFC), so
// a decomposed "é" stays one Latin-1 letter; invisible format characters
// Latin-1 cannot hold (a byte-order mark) removed, so they shift no field;
// control characters as blanks, so they cut no line; a character beyond the
// Basic Multilingual Plane as one "?", so no field edge splits it.
QString CleanTagText(QStringView text);

// Text as an ID3v2 tag keeps it whole: the same, but every character stays,
// those beyond the Basic Multilingual Plane (emoji, rare CJK) and format
// characters (the joiners of Persian and of emoji) too.
QString CleanWholeTagText(QStringView text);
