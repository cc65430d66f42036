#include "field_block.h"

#include "base/read_number.h"
#include "fixed_width_text.h"

#include <QList>

namespace {

// A slice by 1-based code-point position; `starts` holds the UTF-16 offset
// of every code point and, last, the text's length.
QString slice(QStringView text, const QList<qsizetype> &starts, qsizetype position,
              qsizetype width)
{
    const qsizetype count = starts.size() - 1;
    const qsizetype first = qMin(position - 1, count);
    const qsizetype last = qMin(first + width, count);
    return text.mid(starts[first], starts[last] - starts[first]).toString();
}

QList<qsizetype> codePointStarts(QStringView text)
{
    QList<qsizetype> starts;
    starts.reserve(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()))
            starts.append(i);
    }
    starts.append(text.size());
    return starts;
}

} // namespace

qsizetype CodePointCount(QStringView text)
{
    return codePointStarts(text).size() - 1;
}

QString BuildFieldBlock(const Id3v1Tag &tag)
{
    using Module1::FixWidth;
    return FixWidth(tag.title, 30) + FixWidth(tag.artist, 30) + FixWidth(tag.album, 30)
        + FixWidth(tag.year, 4) + FixWidth(QString::number(tag.genre), 2)
        + FixWidth(tag.comment, 30);
}

Id3v1Tag ReadFieldBlock(QStringView block)
{
    const QList<qsizetype> starts = codePointStarts(block);
    const qsizetype count = starts.size() - 1;
    Id3v1Tag tag;
    tag.title = slice(block, starts, 1, 30);
    tag.artist = slice(block, starts, 31, 30);
    tag.album = slice(block, starts, 61, 30);
    tag.year = slice(block, starts, 91, 4);
    // Two characters can never be out of the 16-bit range.
    tag.genre = ReadWholeNumber(slice(block, starts, 95, 2)).value_or(0);
    // Taken from the end, so a block of another length shifts it.
    tag.comment = slice(block, starts, qMax<qsizetype>(1, count - 29), 30);
    return tag;
}
