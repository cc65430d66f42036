#include "tagging_run.h"

#include "base/command_messages.h"
#include "tag/tag_trailer.h"

#include <csignal>

using namespace Qt::StringLiterals;

int RunTagging(const TagRequest &request, const QString &command, std::FILE *errors)
{
    // A file-size limit then fails the write, which is rolled back, instead
    // of killing the run halfway through the record.
    std::signal(SIGXFSZ, SIG_IGN);
    const Module1::TagWriteResult result = Module1::WriteTagTrailer(request.path, request.tag);
    if (result)
        return TagWritten;
    PrintMessage(errors, command, u"%1: tag not written: %2"_s.arg(QString::fromUtf8(request.path),
                                                                  Module1::DescribeFailure(result)));
    return TagNotWritten;
}

int ReportTaggingUsage(const QString &problem, const QString &command, std::FILE *errors)
{
    PrintMessage(errors, command, problem);
    std::fputs(TaggingUsage(command).toLocal8Bit().constData(), errors);
    return TagUsageError;
}
