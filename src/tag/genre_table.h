#pragma once

#include <QStringList>
#include <QStringView>

// The fixed genre table: the first 44 genres of the ID3v1 list, with the
// position each name takes in the Properties dialog's alphabetical list.
// Any name not in the table counts as "Sound Clip".
namespace Module1 {

inline constexpr int GenreCount = 44;
inline constexpr qint16 DefaultGenreNumber = 37;       // "Sound Clip"
inline constexpr qint16 DefaultGenreListPosition = 38; // "Sound Clip"

// The ID3v1 genre number of the row whose name equals `name` exactly
// (case matters, no blank removed), or 37 when none does.
qint16 GenreNumber(QStringView name);

// The row's position in the dialog's genre list, or 38 when none matches.
qint16 GenreListPosition(QStringView name);

// The 44 names in list-position order, "Acid" first and "Vocal" last.
QStringList GenreNamesInListOrder();

// The name of genre number `number` (0..43), for tests and tools.
QStringView GenreName(int number);

} // namespace Module1
