// Start-up to the shown main window, beside a bare Qt program that shows one empty widget of the
// same size (994 x 754), both on the offscreen platform.
//
// Whole program starts: this program launches itself as a child process in one of two modes, a
// bare Qt program (QApplication, one empty widget shown) and Vemtarix (RuntimeInit, then the
// program's start-up steps up to the shown main window; the event loop is left out). The parent
// passes its CLOCK_MONOTONIC reading taken just before the launch; the child reports, against
// that reading, when its main() began, when its application object stood and when its window was
// shown and exposed, and then exits. The time to the shown window is the benchmark's time; the
// two other points are counters, so the loading of the program and its libraries, the making of
// the application object and the window itself can be told apart. Both modes run the same
// executable, so both load the same libraries. The two benchmarks' repetitions interleave in
// random order, so a change in the machine's load hits both alike; a summary with both medians
// and their ratio follows the table.
//
// In-process breakdown: the Qt application object can be made only once per process, so it is
// made once before these benchmarks (its time is printed apart) and each iteration times what
// follows it. A Vemtarix iteration runs the start-up steps (class registration, application
// object and menu bar, the framework's late start-up that builds the window with its 113
// controls and raises its Open event) until the window shows; closing the window and releasing
// the menu bar happen with the clock stopped. With the argument 1 both also deliver the pending
// events after showing.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Runtime.h"
#include "shell/HauptF.h"
#include "shell/start.h"

extern char** environ;

namespace {

constexpr std::string_view kKindOption = "--programmstart=";

// Nanoseconds of CLOCK_MONOTONIC, which every process on the machine reads alike.
std::int64_t Jetzt() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::string Ganzzahl(std::int64_t value) {
    std::array<char, 24> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    static_cast<void>(error);
    return std::string(buffer.data(), end);
}

std::string Millisekunden(double ms) {
    std::array<char, 32> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), ms,
                                      std::chars_format::fixed, 2);
    static_cast<void>(error);
    return std::string(buffer.data(), end) + " ms";
}

std::optional<std::int64_t> LiesGanzzahl(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

// ---- The child: one program start ----

// What the child reports, in nanoseconds after the parent's reading.
struct Zeitpunkte {
    std::int64_t main = 0;
    std::int64_t anwendung = 0;
    std::int64_t fenster = 0;
};

void Melden(const Zeitpunkte& z) {
    const std::string zeile =
        Ganzzahl(z.main) + " " + Ganzzahl(z.anwendung) + " " + Ganzzahl(z.fenster) + "\n";
    std::fputs(zeile.c_str(), stdout);
    std::fflush(stdout);
}

int NackterQtStart(std::int64_t start, std::int64_t mainBeginn) {
    static char name[] = "startup_bench";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    char* argv[] = {name, platformOption, offscreen, nullptr};
    int argc = 3;
    QApplication app(argc, argv);
    const std::int64_t anwendung = Jetzt();
    QWidget fenster;
    fenster.resize(994, 754);
    fenster.show();
    // As the program's window does: the window system exposes it before the start counts as done.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Melden({mainBeginn - start, anwendung - start, Jetzt() - start});
    return 0;
}

void KeineEreignisschleife() {}

int VemtarixStart(std::int64_t start, std::int64_t mainBeginn) {
    RuntimeInit(Platform::Offscreen);
    const std::int64_t anwendung = Jetzt();
    KlassenRegistrieren();
    Startablauf ablauf = Standardablauf();
    ablauf.eventLoop = KeineEreignisschleife;
    _Main(ablauf);
    Melden({mainBeginn - start, anwendung - start, Jetzt() - start});
    Finalisierung();
    return RuntimeExit();
}

// ---- The parent: launching the child ----

enum class Art { Qt, Vemtarix };

std::optional<Zeitpunkte> Programmstart(Art art) {
    int rohr[2];
    if (pipe(rohr) != 0) return std::nullopt;
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
    // Qt's warnings about the environment would only clutter the table.
    posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const std::string modus = std::string(kKindOption) + (art == Art::Qt ? "qt" : "vemtarix");
    const std::int64_t start = Jetzt();
    std::string zeit = Ganzzahl(start);
    char programm[] = "/proc/self/exe";
    char* argv[] = {programm, const_cast<char*>(modus.c_str()), zeit.data(), nullptr};
    pid_t kind = 0;
    const int fehler = posix_spawn(&kind, programm, &aktionen, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    std::string ausgabe;
    if (fehler == 0) {
        std::array<char, 256> puffer{};
        for (ssize_t n; (n = read(rohr[0], puffer.data(), puffer.size())) > 0;)
            ausgabe.append(puffer.data(), static_cast<std::size_t>(n));
    }
    close(rohr[0]);
    if (fehler != 0) return std::nullopt;
    int status = 0;
    waitpid(kind, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;

    std::array<std::int64_t, 3> werte{};
    std::string_view rest = ausgabe;
    for (std::int64_t& wert : werte) {
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
        const auto gelesen = LiesGanzzahl(rest.substr(0, rest.find_first_of(" \n")));
        if (!gelesen) return std::nullopt;
        wert = *gelesen;
        rest.remove_prefix(std::min(rest.find_first_of(" \n"), rest.size()));
    }
    return Zeitpunkte{werte[0], werte[1], werte[2]};
}

// Every measured start, for the summary after the table.
std::vector<double>& Messungen(Art art) {
    static std::vector<double> qt, vemtarix;
    return art == Art::Qt ? qt : vemtarix;
}

double Median(std::vector<double> werte) {
    if (werte.empty()) return 0;
    std::sort(werte.begin(), werte.end());
    const std::size_t mitte = werte.size() / 2;
    return werte.size() % 2 ? werte[mitte] : (werte[mitte - 1] + werte[mitte]) / 2;
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
BENCHMARK_CAPTURE(BM_Programmstart, Vemtarix, Art::Vemtarix)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void Zusammenfassung() {
    const auto& qt = Messungen(Art::Qt);
    const auto& vemtarix = Messungen(Art::Vemtarix);
    if (qt.empty() || vemtarix.empty()) return;
    const double nackt = Median(qt), programm = Median(vemtarix);
    std::array<char, 16> verhaeltnis{};
    auto [end, error] = std::to_chars(verhaeltnis.data(), verhaeltnis.data() + verhaeltnis.size(),
                                      programm / nackt, std::chars_format::fixed, 2);
    static_cast<void>(error);
    const std::string text = "Programmstart bis zum gezeigten Fenster, Median aller Starts:\n  Qt, "
                             "leeres Fenster: " +
                             Millisekunden(nackt) + " (" + Ganzzahl(std::ssize(qt)) +
                             " Starts)\n  Vemtarix:            " + Millisekunden(programm) + " (" +
                             Ganzzahl(std::ssize(vemtarix)) + " Starts)\n  Verhältnis:          " +
                             std::string(verhaeltnis.data(), end) + "\n";
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

// The child's mode and the parent's clock reading, when this process is a measured start.
std::optional<std::pair<std::string_view, std::int64_t>> Kindauftrag(int argc, char** argv) {
    if (argc != 3) return std::nullopt;
    const std::string_view option = argv[1];
    if (option.substr(0, kKindOption.size()) != kKindOption) return std::nullopt;
    const auto start = LiesGanzzahl(argv[2]);
    if (!start) return std::nullopt;
    return std::pair{option.substr(kKindOption.size()), *start};
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t mainBeginn = Jetzt();
    if (const auto auftrag = Kindauftrag(argc, argv)) {
        if (auftrag->first == "qt") return NackterQtStart(auftrag->second, mainBeginn);
        if (auftrag->first == "vemtarix") return VemtarixStart(auftrag->second, mainBeginn);
        return 2;
    }

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
