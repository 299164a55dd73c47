// Start-up to the shown main window, beside two plain Qt programs on the offscreen platform: one
// that shows an empty widget of the window's size (994 x 754), and one that builds the same
// window by hand with no framework layer (startup_same_window.cpp). The empty widget tells what
// every Qt program pays; the same window tells what a Qt program with this window pays; the rest
// is what the program's own layers (framework, shell, the first analysis run) add.
//
// Whole program starts (startup_child.cpp): the time to the shown window is the benchmark's
// time; the two other points the child reports are counters, so the loading of the program and
// its libraries, the making of the application object and the window itself can be told apart.
// The benchmarks' repetitions interleave in random order, so a change in the machine's load hits
// all alike; a summary with the medians and their ratios follows the table.
//
// In-process breakdown: the Qt application object can be made only once per process, so it is
// made once before these benchmarks (its time is printed apart) and each iteration times what
// follows it. A Vemtarix iteration runs the start-up steps (class registration, application
// object and menu bar, the framework's late start-up that builds the window with its 113
// controls and raises its Open event) until the window shows; closing the window and releasing
// the menu bar happen with the clock stopped. The same window built by hand and the empty widget
// are timed alike. With the argument 1 all also deliver the pending events after showing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Runtime.h"
#include "shell/HauptF.h"
#include "shell/start.h"
#include "startup_child.h"
#include "startup_common.h"
#include "startup_same_window.h"

namespace {

// ---- Whole program starts ----

// Every measured start, for the summary after the table.
std::vector<double>& Messungen(Art art) {
    static std::array<std::vector<double>, 3> starts;
    return starts[static_cast<std::size_t>(art)];
}

void BM_Programmstart(benchmark::State& state, Art art) {
    double main = 0, anwendung = 0;
    for (auto _ : state) {
        const std::optional<Zeitpunkte> z = Programmstart(art);
        if (!z) {
            state.SkipWithError("Der Kindprozess hat keine Zeiten gemeldet");
            return;
        }
        state.SetIterationTime(static_cast<double>(z->fenster) * 1e-9);
        Messungen(art).push_back(static_cast<double>(z->fenster) * 1e-6);
        main += static_cast<double>(z->main) * 1e-6;
        anwendung += static_cast<double>(z->anwendung) * 1e-6;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["bis_main_ms"] = main / n;
    state.counters["bis_QApplication_ms"] = anwendung / n;
}

BENCHMARK_CAPTURE(BM_Programmstart, NacktesQt, Art::Qt)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Programmstart, GleichesFensterQt, Art::GleichesQt)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Programmstart, Vemtarix, Art::Vemtarix)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void Zusammenfassung() {
    const auto& qt = Messungen(Art::Qt);
    const auto& gleich = Messungen(Art::GleichesQt);
    const auto& vemtarix = Messungen(Art::Vemtarix);
    if (qt.empty() || gleich.empty() || vemtarix.empty()) return;
    std::string text = "Programmstart bis zum gezeigten Fenster, Median aller Starts:\n";
    auto zeile = [&text](const char* was, const std::vector<double>& starts) {
        text += std::string(was) + Millisekunden(Median(starts)) + " (" +
                Ganzzahl(std::ssize(starts)) + " Starts)\n";
    };
    auto verhaeltnis = [&text](const char* was, const std::vector<double>& a,
                               const std::vector<double>& b) {
        text += std::string(was) + Fest(Median(a) / Median(b)) + "\n";
    };
    zeile("  Qt, leeres Fenster:             ", qt);
    zeile("  Qt, gleiches Fenster von Hand:  ", gleich);
    zeile("  Vemtarix:                       ", vemtarix);
    verhaeltnis("  Vemtarix / gleiches Fenster:    ", vemtarix, gleich);
    verhaeltnis("  Vemtarix / leeres Fenster:      ", vemtarix, qt);
    verhaeltnis("  gleiches / leeres Fenster:      ", gleich, qt);
    std::fputs(text.c_str(), stdout);
}

// ---- In process ----

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
        // As the framework's Show and the window built by hand do: the window is exposed.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (state.range(0) == 1) QApplication::processEvents();
        benchmark::DoNotOptimize(fenster);
        state.PauseTiming();
        delete fenster;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_QtGleichesFenster(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<QWidget> fenster = GleichesFenster();
        fenster->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (state.range(0) == 1) QApplication::processEvents();
        state.PauseTiming();
        fenster.reset();
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
BENCHMARK(BM_QtGleichesFenster)
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
    const std::int64_t mainBeginn = Jetzt();
    if (const std::optional<int> code = AlsKindStarten(argc, argv, mainBeginn)) return *code;

    // The whole-program starts alternate with each other unless the caller says otherwise.
    std::vector<char*> argumente(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    const bool gewaehlt = std::any_of(argumente.begin(), argumente.end(), [](const char* a) {
        return std::string_view(a).starts_with("--benchmark_enable_random_interleaving");
    });
    if (!gewaehlt) argumente.insert(argumente.begin() + 1, interleave);
    int anzahl = static_cast<int>(argumente.size());

    RuntimeInit(Platform::Offscreen);
    const double init = static_cast<double>(Jetzt() - mainBeginn) * 1e-6;
    const std::string zeile =
        "RuntimeInit (Qt application object, once per process): " + Millisekunden(init) + "\n";
    std::fputs(zeile.c_str(), stdout);
    benchmark::Initialize(&anzahl, argumente.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Zusammenfassung();
    return RuntimeExit();
}
