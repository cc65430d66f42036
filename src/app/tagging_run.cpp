#include "tagging_run.h"

#include "tagging_environment.h"

#include "base/command_messages.h"
#include "base/shown_name.h"
#include "tag/mp3_signature.h"
#include "tag/mp3_tags.h"
#include "tag/tag_trailer.h"

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

void report(std::FILE *errors, const QString &command, const QByteArray &path, const QString &text)
{
    // The path's own bytes escaped, so a byte that is not UTF-8 shows as itself.
    const std::string shown = ShownName(std::string_view(path.constData(), size_t(path.size())));
    PrintMessage(errors, command, QString::fromStdString(shown) + u": "_s + text);
}

} // namespace

int RunTagging(const TagRequest &request, const QString &command, std::FILE *errors)
{
    // A file-size limit then fails the write, which is rolled back, instead
    // of killing the run halfway through the record.
    std::signal(SIGXFSZ, SIG_IGN);
    // However the arguments came about, only an MP3 is ever written.
    if (const QString notMp3 = WhyNotAnMp3(request.path); !notMp3.isEmpty()) {
        report(errors, command, request.path, u"tag not written: "_s + notMp3);
        return TagNotWritten;
    }
    const TaggingEnvironment environment =
        ReadTaggingEnvironment(QProcessEnvironment::systemEnvironment());
    // A cover or a gain asked for and not there is a tag not written as
    // asked: the script then keeps the WAV.
    if (!environment.problem.isEmpty()) {
        report(errors, command, request.path, u"tag not written: "_s + environment.problem);
        return TagNotWritten;
    }

    // The trailer alone, in place, unless an ID3v2 tag is asked for or there
    // is one to keep in line with it.
    if (!environment.order && !HasId3v2Tag(request.path)) {
        const Module1::TagWriteResult result = Module1::WriteTagTrailer(request.path, request.tag);
        if (result)
            return TagWritten;
        report(errors, command, request.path,
               u"tag not written: "_s + Module1::DescribeFailure(result));
        return TagNotWritten;
    }

    ReplacedFile replaced;
    if (const Result written = WriteMp3Tags(request.path, request.tag, environment.order, &replaced);
        !written) {
        report(errors, command, request.path, u"tag not written: "_s + written.message());
        return TagNotWritten;
    }
    if (!environment.receipt.isEmpty()) {
        if (const Result handed = HandOnReceipt(environment.receipt, replaced); !handed)
            report(errors, command, request.path,
                   u"tagged, but the encoder's receipt could not follow: "_s + handed.message());
    }
    return TagWritten;
}

int ReportTaggingUsage(const QString &problem, const QString &command, std::FILE *errors)
{
    PrintMessage(errors, command, problem);
    std::fputs(TaggingUsage(command).toLocal8Bit().constData(), errors);
    return TagUsageError;
}
