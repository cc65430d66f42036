#pragma once

#include <QStringView>

#include <optional>

// Reads a decimal number the way the tagging command line and the settings
// file need it: blanks, tabs and line feeds are skipped wherever they stand,
// one leading sign is honoured, digits with at most one decimal point are
// taken, reading stops at the first character that does not fit, and text
// without digits reads as 0. The value is rounded to the nearest whole
// number, a half to the even neighbour. Empty when the result lies outside
// -32768..32767.
std::optional<qint16> ReadWholeNumber(QStringView text);
