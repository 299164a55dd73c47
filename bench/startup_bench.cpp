// Start-up to the shown main window, beside a bare Qt program that shows one empty widget of the
// same size. Both run in one process on the offscreen platform: the Qt application object can be
// made only once, so it is made once before the benchmarks (its time is printed apart) and each
// iteration times what follows it. A Vemtarix iteration runs the start-up steps (class
// registration, application object and menu bar, the framework's late start-up that builds the
// window with its 113 controls and raises its Open event) until the window shows; closing the
// window and releasing the menu bar happen with the clock stopped. With the argument 1 both
// benchmarks also deliver the pending events after showing, which includes the first paint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "framework/Runtime.h"
#include "shell/HauptF.h"
#include "shell/start.h"

namespace {

void Aufraeumen() {
    HauptF().Close();
    Finalisierung();
    ProcessEvents();
}

void BM_VemtarixStartBisFenster(benchmark::State& state) {
    for (auto _ : state) {
        KlassenRegistrieren();
        RuntimeSetExceptionHelper(_CallFunctionWithExceptionHandling);
        _EarlyStartup();
        RunFrameworkInitialization(_LateStartup);
        if (state.range(0) == 1) ProcessEvents();
        state.PauseTiming();
        Aufraeumen();
        state.ResumeTiming();
    }
}

void BM_QtLeeresFenster(benchmark::State& state) {
    for (auto _ : state) {
        auto* fenster = new QWidget;
        fenster->resize(994, 754);
        fenster->show();
        if (state.range(0) == 1) QApplication::processEvents();
        benchmark::DoNotOptimize(fenster);
        state.PauseTiming();
        delete fenster;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_VemtarixStartBisFenster)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_QtLeeresFenster)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    const auto anfang = std::chrono::steady_clock::now();
    RuntimeInit(Platform::Offscreen);
    const std::chrono::duration<double, std::milli> init =
        std::chrono::steady_clock::now() - anfang;
    std::printf("RuntimeInit (Qt application object, once per process): %.2f ms\n", init.count());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return RuntimeExit();
}
