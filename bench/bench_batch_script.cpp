// Building and writing the script for 10,000 selected files, ShortPath's
// look at the file system included. Target: under 0.2 s.

#include "encode/batch_script.h"
#include "encode/path_functions.h"
#include "encode/shell_script.h"
#include "tag/tag_entries.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

static void BuildAndWriteScriptFor10000Files(benchmark::State &state)
{
    QTemporaryDir dir;
    EncodeRequest request;
    request.directory = dir.path();
    request.destination = dir.path() + u'/';
    request.appPath = u"/opt/sondrake/"_s;
    request.bitrate = u"128000"_s;
    request.switches = {false, true, true, true};
    const QString entry =
        MakeTagEntry({u"Title"_s, u"Artist"_s, u"Album"_s, u"1999"_s, u"Rock"_s, u"Comment"_s});
    for (int i = 0; i < 10000; ++i) {
        const QString name = u"Track number %1 of the collection.wav"_s.arg(i);
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        request.files.append({name, true});
        request.entries.append(entry);
    }
    for (auto _ : state) {
        const ScriptPlan plan = BuildScriptPlan(request, Module1::ShortPath, u'/');
        QSaveFile script(dir.filePath(u"TEMP.BAT"_s));
        script.open(QIODevice::WriteOnly);
        script.write(RenderShellScript(plan));
        benchmark::DoNotOptimize(script.commit());
    }
}
// How Google Benchmark registers a benchmark: a static object.
BENCHMARK(BuildAndWriteScriptFor10000Files)->Unit(benchmark::kMillisecond); // clazy:exclude=non-pod-global-static

BENCHMARK_MAIN();
