// Writes TEMP.BAT the way the program does, for every WAV of a directory,
// each tagged, Automatic delete off, 128 kbit/s: for the batch benchmark.
//   write_batch_script ENCODER-DIR WAV-DIR MP3-DIR APP-DIR JOBS

#include "encode/batch_script.h"
#include "encode/path_functions.h"
#include "encode/shell_script.h"
#include "tag/tag_entries.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fputs("usage: write_batch_script ENCODER-DIR WAV-DIR MP3-DIR APP-DIR JOBS\n", stderr);
        return 2;
    }
    const QString encoderDir = QString::fromLocal8Bit(argv[1]);
    EncodeRequest request;
    request.directory = AbsolutePath(QString::fromLocal8Bit(argv[2]), QDir::currentPath());
    request.destination = WithTrailingSeparator(AbsolutePath(QString::fromLocal8Bit(argv[3]), QDir::currentPath()));
    request.appPath = WithTrailingSeparator(AbsolutePath(QString::fromLocal8Bit(argv[4]), QDir::currentPath()));
    request.bitrate = u"128000"_s;
    const QStringList names = QDir(request.directory).entryList({u"*.wav"_s}, QDir::Files,
                                                                QDir::Name);
    for (const QString &name : names) {
        request.files.append({name, true});
        request.entries.append(MakeTagEntry({name.chopped(4), u"The Band"_s, u"The Album"_s,
                                             u"2026"_s, u"Rock"_s, u"bench"_s}));
    }
    ScriptPlan plan = BuildScriptPlan(request, Module1::ShortPath, NativeSeparator);
    plan.jobs = QByteArray(argv[5]).toInt();
    QFile script(QDir(encoderDir).filePath(u"TEMP.BAT"_s));
    if (!script.open(QIODevice::WriteOnly) || script.write(RenderShellScript(plan)) < 0
        || !script.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(script.fileName()));
        return 1;
    }
    return 0;
}
