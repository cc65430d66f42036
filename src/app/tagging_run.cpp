#include "tagging_run.h"

#include "tag/tag_trailer.h"

using namespace Qt::StringLiterals;

namespace {

void printLine(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

int RunTagging(const TagRequest &request, std::FILE *errors)
{
    const Module1::TagWriteResult result =
        Module1::WriteTagTrailer(request.path, request.title, request.artist, request.album,
                                 request.year, request.genre, request.comment);
    if (result)
        return TagWritten;
    printLine(errors, u"encoder: %1: tag not written: %2"_s.arg(request.path,
                                                                Module1::DescribeFailure(result)));
    return TagNotWritten;
}

int ReportTaggingUsage(const QString &problem, const QString &programName, std::FILE *errors)
{
    printLine(errors, u"encoder: "_s + problem);
    std::fputs(TaggingUsage(programName).toLocal8Bit().constData(), errors);
    return TagUsageError;
}
