#include "tag_command_line.h"

#include "tag/field_block.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// The length in bytes of the UTF-8 character at `at`; a byte that starts no
// valid character counts as one.
qsizetype characterLength(const QByteArray &bytes, qsizetype at)
{
    const auto lead = quint8(bytes.at(at));
    const qsizetype length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    for (qsizetype i = 1; i < length; ++i) {
        if (at + i >= bytes.size() || (quint8(bytes.at(at + i)) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

} // namespace

QString DecodeArgument(const QByteArray &argument)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(argument);
}

std::optional<TagRequest> ParseTagCommandLine(const QByteArray &argument)
{
    if (argument.isEmpty())
        return std::nullopt;
    const qsizetype pathStart = characterLength(argument, 0);
    const qsizetype quote = argument.indexOf('"', pathStart);
    if (quote < 0 || quote + 1 >= argument.size() || quote - pathStart > LongestPath)
        return std::nullopt;
    const qsizetype blockStart = quote + 1 + characterLength(argument, quote + 1);
    return TagRequest{argument.mid(pathStart, quote - pathStart),
                      ReadFieldBlock(DecodeArgument(argument.mid(blockStart)))};
}

std::optional<TagRequest> ParseTagArguments(const QByteArray &path, const QByteArray &fieldBlock)
{
    const QString block = DecodeArgument(fieldBlock);
    if (path.size() > LongestPath || CodePointCount(block) != FieldBlockLength)
        return std::nullopt;
    return TagRequest{path, ReadFieldBlock(block)};
}

ModeDecision DecideMode(const QList<QByteArray> &arguments)
{
    using Mode = ModeDecision::Mode;
    std::optional<TagRequest> request;
    switch (arguments.size()) {
    case 0:
        return {Mode::Interactive, {}, {}};
    case 1:
        if (arguments[0] == "--help")
            return {Mode::Help, {}, {}};
        if (arguments[0] == "--version")
            return {Mode::Version, {}, {}};
        if (DecodeArgument(arguments[0]).size() <= 1)
            return {Mode::Interactive, {}, {}};
        request = ParseTagCommandLine(arguments[0]);
        break;
    case 2:
        request = ParseTagArguments(arguments[0], arguments[1]);
        if (!request)
            return {Mode::UsageError, {},
                    u"the field block must be one argument of exactly 126 characters"_s};
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
    return u"Usage: %1\n"
           "   or: %1 MP3-PATH FIELD-BLOCK\n"
           "   or: %1 '\"MP3-PATH\" FIELD-BLOCK'\n"
           "Without arguments, opens the window. With them, writes the ID3v1 tag of\n"
           "MP3-PATH and opens no window. FIELD-BLOCK is one argument of 126 characters:\n"
           "title 30, artist 30, album 30, year 4, genre number 2, comment 30,\n"
           "each filled with blanks on the right.\n"
           "Exit status: 0 tag written, 1 tag not written, 2 usage.\n"
           "  --help     show this text\n"
           "  --version  show the version\n"_s.arg(programName);
}
