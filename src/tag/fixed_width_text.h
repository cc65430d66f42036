#pragma once

#include <QString>
#include <QStringView>

// The two text procedures every reader and writer of fixed-width records
// shares: tag entries, the tagging command line and the tag trailer.
namespace Module1 {

// The text made exactly `width` characters long: cut to its first `width`
// characters, or filled with blanks on the right. A character is what a
// person sees as one (a letter with its marks, an emoji with its joiners);
// one that takes more than one code unit stands as "?", so the result is
// `width` code units long too. Format characters alone take no place.
QString FixWidth(QStringView text, qsizetype width);

// The text without its trailing blanks. Only the blank (code 32) goes;
// leading blanks and other white space stay.
QString TrimEnd(QStringView text);

} // namespace Module1
