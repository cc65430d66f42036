#include "tag_command_line.h"

#include "opened_paths.h"

#include "tag/field_block.h"

#include <QFile>
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

// The arguments as paths when every one names a folder or a WAV file.
std::optional<QStringList> foldersOrWavs(const QList<QByteArray> &arguments)
{
    QStringList paths;
    for (const QByteArray &argument : arguments) {
        const QString path = QFile::decodeName(argument);
        const PathKind kind = KindOfPath(path);
        if (kind != PathKind::Folder && kind != PathKind::Wav)
            return std::nullopt;
        paths << path;
    }
    return paths;
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
    QString problem; // none: no request at all, the plain start
    switch (arguments.size()) {
    case 0:
        return {Mode::Interactive, {}, {}, {}};
    case 1:
        if (arguments[0] == "--help")
            return {Mode::Help, {}, {}, {}};
        if (arguments[0] == "--version")
            return {Mode::Version, {}, {}, {}};
        if (DecodeArgument(arguments[0]).size() > 1) {
            request = ParseTagCommandLine(arguments[0]);
            problem = u"the tagging request is not in the expected form"_s;
        }
        break;
    case 2:
        request = ParseTagArguments(arguments[0], arguments[1]);
        problem = u"the field block must be one argument of exactly 126 characters"_s;
        break;
    default:
        problem = u"the field block must be one argument (quote it)"_s;
    }
    // Folders and WAV files open the window there, whatever their names'
    // lengths and quotes would also make of them ("Open With" gives them so);
    // "." (one character, no request) opens the working directory.
    if (const std::optional<QStringList> paths = foldersOrWavs(arguments))
        return {Mode::Open, {}, {}, *paths};
    if (request)
        return {Mode::Tagging, *request, {}, {}};
    if (problem.isEmpty())
        return {Mode::Interactive, {}, {}, {}};
    return {Mode::UsageError, {}, problem, {}};
}

QString TaggingUsage(const QString &programName)
{
    return u"Usage: %1\n"
           "   or: %1 MP3-PATH FIELD-BLOCK\n"
           "   or: %1 '\"MP3-PATH\" FIELD-BLOCK'\n"
           "   or: %1 FOLDER | WAV-FILE...\n"
           "Without arguments, opens the window; with folders or WAV files, opens it\n"
           "there. With a tagging request, writes the ID3v1 tag of MP3-PATH and opens\n"
           "no window. FIELD-BLOCK is one argument of 126 characters:\n"
           "title 30, artist 30, album 30, year 4, genre number 2, comment 30,\n"
           "each filled with blanks on the right.\n"
           "Exit status: 0 tag written, 1 tag not written, 2 usage.\n"
           "  --help     show this text\n"
           "  --version  show the version\n"_s.arg(programName);
}
