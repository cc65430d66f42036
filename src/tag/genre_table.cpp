#include "genre_table.h"

#include <array>
#include <string_view>

namespace Module1 {
namespace {

struct GenreRow {
    std::u16string_view name;
    qint16 listPosition;
};

// Indexed by genre number. The list positions are the names' order with case
// folded, where blank, "&", "+" and "-" sort before letters and a prefix
// before the longer name; a test derives that order anew.
constexpr std::array<GenreRow, GenreCount> Genres{{
    {u"Blues", 5},        {u"Classic Rock", 6}, {u"Country", 8},     {u"Dance", 9},
    {u"Disco", 11},       {u"Funk", 13},        {u"Grunge", 17},     {u"Hip-Hop", 18},
    {u"Jazz", 22},        {u"Metal", 24},       {u"New Age", 25},    {u"Oldies", 27},
    {u"Other", 28},       {u"Pop", 29},         {u"R&B", 32},        {u"Rap", 33},
    {u"Reggae", 34},      {u"Rock", 35},        {u"Techno", 40},     {u"Industrial", 20},
    {u"Alternative", 1},  {u"Ska", 36},         {u"Death Metal", 10}, {u"Pranks", 30},
    {u"Soundtrack", 39},  {u"Euro-Techno", 12}, {u"Ambient", 3},     {u"Trip-Hop", 42},
    {u"Vocal", 43},       {u"Jazz+Funk", 23},   {u"Fusion", 14},     {u"Trance", 41},
    {u"Classical", 7},    {u"Instrumental", 21}, {u"Acid", 0},       {u"House", 19},
    {u"Game", 15},        {u"Sound Clip", 38},  {u"Gospel", 16},     {u"Noise", 26},
    {u"AlternRock", 2},   {u"Bass", 4},         {u"Soul", 37},       {u"Punk", 31},
}};

QStringView viewOf(std::u16string_view name)
{
    return QStringView(name.data(), qsizetype(name.size()));
}

int rowOf(QStringView name)
{
    for (int number = 0; number < GenreCount; ++number) {
        if (viewOf(Genres[number].name) == name)
            return number;
    }
    return -1;
}

} // namespace

qint16 GenreNumber(QStringView name)
{
    const int row = rowOf(name);
    return row < 0 ? DefaultGenreNumber : qint16(row);
}

qint16 GenreListPosition(QStringView name)
{
    const int row = rowOf(name);
    return row < 0 ? DefaultGenreListPosition : Genres[row].listPosition;
}

QStringList GenreNamesInListOrder()
{
    QStringList names(GenreCount);
    for (const GenreRow &row : Genres)
        names[row.listPosition] = viewOf(row.name).toString();
    return names;
}

QStringView GenreName(int number)
{
    if (number < 0 || number >= GenreCount)
        return {};
    return viewOf(Genres[number].name);
}

} // namespace Module1
