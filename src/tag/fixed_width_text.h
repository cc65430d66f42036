#pragma once

#include <QString>
#include <QStringView>

// The two text procedures every reader and writer of fixed-width records
// shares: tag entries, the tagging command line and the tag trailer.
namespace Module1 {

// The text made exactly `width` characters long: cut to its first `width`
// characters, or filled with blanks on the right.
QString FixWidth(QStringView text, qsizetype width);

// The text without its trailing blanks. Only the blank (code 32) goes;
// leading blanks and other white space stay.
QString TrimEnd(QStringView text);

} // namespace Module1
