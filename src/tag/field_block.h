#pragma once

#include "id3v1_tag.h"

#include <QString>
#include <QStringView>

// The field block of the tagging command line, 126 characters:
//
//   block positions  field    width
//          1 to  30  title      30
//         31 to  60  artist     30
//         61 to  90  album      30
//         91 to  94  year        4
//         95 to  96  genre       2  decimal, a one-digit number followed by a blank
//         97 to 126  comment    30  read as the block's last 30 characters
//
// No field is trimmed: the blanks that fill a field arrive in the trailer.
// Characters are counted as code points, so no field edge splits one.
inline constexpr qsizetype FieldBlockLength = 126;

// The number of characters (code points) in `text`.
qsizetype CodePointCount(QStringView text);

// The block for this tag, as the batch script writes it.
QString BuildFieldBlock(const Id3v1Tag &tag);

// The tag a block of any length carries: a field cut by the end is shorter,
// one that starts beyond it is empty; the comment is always the last 30.
Id3v1Tag ReadFieldBlock(QStringView block);
