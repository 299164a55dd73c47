#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "shell/HauptF.h"

namespace {

// Answers every confirmation with its action button and every file dialog with one file.
class StilleDialoge : public DialogHost {
  public:
    std::string datei;
    void ShowMessage(const std::string&) override {}
    Answer ShowMessageDialog(const MessageDialog&) override { return Answer::Action; }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        return datei;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&) override { return datei; }
};

StilleDialoge& Dialoge() {
    static StilleDialoge host;
    return host;
}

// (x+4)(x+3)(x+2)(x+1)x(x-1)(x-2)(x-3)(x-5): degree 9 with nine real zeros.
const char* const kNeunNullstellen =
    "x^9 - x^8 - 34x^7 + 14x^6 + 329x^5 - 49x^4 - 1016x^3 + 36x^2 + 720x";

// The whole analysis run as "OK" starts it: parsing, factor form, zeros, integral, area, value
// table, every control update and the repaint of the canvas.
void BM_Polynomauswertung(benchmark::State& state) {
    class HauptF& w = HauptF();
    w.vonF().SetText("-1");
    w.bisF().SetText("1");
    for (auto _ : state) {
        w.EingF().SetText(kNeunNullstellen);
        w.PushButton1().Push();
        benchmark::DoNotOptimize(w.AusgF2().Text());
    }
    state.SetLabel(w.AusgF2().Text());
}
BENCHMARK(BM_Polynomauswertung)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Loading a list file of 100,000 new entries into a list that holds only "0".
void BM_PLaden100000(benchmark::State& state) {
    class HauptF& w = HauptF();
    const std::filesystem::path datei =
        std::filesystem::temp_directory_path() / ("vemtarix_bench_" + std::to_string(getpid()));
    {
        std::ofstream aus(datei, std::ios::binary);
        for (int i = 1; i <= 100000; ++i) aus << '$' << i << "x^2  + " << i << "x  ";
        aus << '\n';
    }
    Dialoge().datei = datei.string();
    for (auto _ : state) {
        state.PauseTiming();
        w.PListe.KuerzenAuf(1);
        state.ResumeTiming();
        w.PLaden();
        benchmark::DoNotOptimize(w.PListe.size());
    }
    state.counters["Eintraege"] = static_cast<double>(w.PListe.size() - 1);
    std::filesystem::remove(datei);
}
BENCHMARK(BM_PLaden100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    RuntimeInit(Platform::Offscreen);
    SetDialogHost(&Dialoge());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetDialogHost(nullptr);
    RuntimeExit();
    return 0;
}
