#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The text rules shared by the readers of a WAV file's own tags.

// Bytes that name no encoding: UTF-8 when they are valid UTF-8, else
// Latin-1. Ends at the first NUL, as the C strings of an INFO list do.
QString DecodeUndeclaredText(QByteArrayView bytes);

// One line for a tag field: control characters and runs of white space as one
// blank, none at either end; no longer than a typed whole text.
QString TagFieldText(QStringView text);

// The first four digits in a row ("2026-03-01" and "March 2026" give "2026"),
// or empty.
QString YearFromDate(QStringView date);

// The genre table's own spelling of `genre`: its name in any letter case,
// or its number alone or in parentheses ("17", "(17)", "(17)Rock"). Empty
// when the table has no such genre.
QString TableGenre(QStringView genre);
