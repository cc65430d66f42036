#include "tag_command_line.h"

#include "read_number.h"
#include "tag/fixed_width_text.h"

using namespace Qt::StringLiterals;

namespace {

// A slice of the block by 1-based position; a slice cut by the end is
// shorter, one that starts beyond it is empty.
QString slice(const QString &block, qsizetype position, qsizetype width)
{
    return block.mid(position - 1, width);
}

TagRequest requestFromBlock(const QString &path, const QString &block)
{
    TagRequest request;
    request.path = path;
    request.title = slice(block, 1, 30);
    request.artist = slice(block, 31, 30);
    request.album = slice(block, 61, 30);
    request.year = slice(block, 91, 4);
    request.genre = ReadWholeNumber(slice(block, 95, 2)).value_or(0);
    // The comment is taken from the end, so a block of another length
    // shifts it; two characters can never be out of the 16-bit range.
    request.comment = block.right(30);
    return request;
}

} // namespace

std::optional<TagRequest> ParseTagCommandLine(const QString &argumentText)
{
    // The first character is skipped whatever it is; the path runs from
    // position 2 up to the first double quote.
    const qsizetype quote = argumentText.indexOf(u'"', 1);
    if (quote < 0 || quote + 1 >= argumentText.size())
        return std::nullopt;
    const QString path = argumentText.mid(1, quote - 1);
    if (path.size() > LongestPath)
        return std::nullopt;
    return requestFromBlock(path, argumentText.mid(quote + 2));
}

std::optional<TagRequest> ParseTagArguments(const QString &path, const QString &fieldBlock)
{
    if (path.size() > LongestPath)
        return std::nullopt;
    return requestFromBlock(path, fieldBlock);
}

QString BuildFieldBlock(const QString &title, const QString &artist, const QString &album,
                        const QString &year, qint16 genre, const QString &comment)
{
    using Module1::FixWidth;
    return FixWidth(title, 30) + FixWidth(artist, 30) + FixWidth(album, 30) + FixWidth(year, 4)
        + FixWidth(QString::number(genre), 2) + FixWidth(comment, 30);
}

ModeDecision DecideMode(const QStringList &arguments)
{
    using Mode = ModeDecision::Mode;
    std::optional<TagRequest> request;
    switch (arguments.size()) {
    case 0:
        return {Mode::Interactive, {}, {}};
    case 1:
        if (arguments[0].size() <= 1)
            return {Mode::Interactive, {}, {}};
        request = ParseTagCommandLine(arguments[0]);
        break;
    case 2:
        request = ParseTagArguments(arguments[0], arguments[1]);
        break;
    default:
        return {Mode::UsageError, {}, u"the field block must be one argument (quote it)"_s};
    }
    if (!request)
        return {Mode::UsageError, {}, u"the tagging request is not in the expected form"_s};
    return {Mode::Tagging, *request, {}};
}

QString TaggingUsage(const QString &programName)
{
    return u"Usage: %1 MP3-PATH FIELD-BLOCK\n"
           "   or: %1 '\"MP3-PATH\" FIELD-BLOCK'\n"
           "Writes the ID3v1 tag of MP3-PATH. FIELD-BLOCK is one argument of 126 characters:\n"
           "title 30, artist 30, album 30, year 4, genre number 2, comment 30,\n"
           "each filled with blanks on the right.\n"
           "Without arguments the program opens its window.\n"_s.arg(programName);
}
