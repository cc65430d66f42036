// Listing a directory of 50,000 WAV files into the main window and resetting
// their tag entries. Target: under 1 s. Runs offscreen.

#include "directory_list.h"
#include "main_window.h"
#include "wav_file_list.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

static void List50000WavFiles(benchmark::State &state)
{
    QTemporaryDir program;
    QTemporaryDir wavs;
    for (int i = 0; i < 50000; ++i)
        QFile(wavs.filePath(u"Recording %1.wav"_s.arg(i, 5, 10, QChar(u'0'))))
            .open(QIODevice::WriteOnly);
    Form1 window(program.path());
    for (auto _ : state) {
        window.Dir1->setPath(wavs.path()); // lists the files and resets the entries
        benchmark::DoNotOptimize(window.List1.size());
        state.PauseTiming();
        window.Dir1->setPath(program.path());
        state.ResumeTiming();
    }
    if (!window.List1.isEmpty() || window.File1->count() != 0)
        state.SkipWithError("the last directory should be empty");
}
// How Google Benchmark registers a benchmark: a static object.
BENCHMARK(List50000WavFiles)->Unit(benchmark::kMillisecond)->Iterations(5); // clazy:exclude=non-pod-global-static

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
