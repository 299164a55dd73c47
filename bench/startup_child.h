#pragma once
// Whole program starts: the benchmark launches itself as a child process in one of three modes,
// the empty widget, the same window built by hand, and Vemtarix (RuntimeInit, then the program's
// start-up steps up to the shown main window; the event loop is left out). The parent passes its
// CLOCK_MONOTONIC reading taken just before the launch; the child reports, against that reading,
// when its main() began, when its application object stood and when its window was shown and
// exposed, and then exits. All modes run the same executable, so all load the same libraries.

#include <cstdint>
#include <optional>

enum class Art { Qt, GleichesQt, Vemtarix };

// What the child reports, in nanoseconds after the parent's reading.
struct Zeitpunkte {
    std::int64_t main = 0;
    std::int64_t anwendung = 0;
    std::int64_t fenster = 0;
};

// Launches one start of `art` and waits for its report; nullopt when the child failed.
std::optional<Zeitpunkte> Programmstart(Art art);

// When this process is a child that Programmstart launched, runs its start and returns its exit
// code; otherwise nullopt. `mainBeginn` is the clock's reading at the top of main().
std::optional<int> AlsKindStarten(int argc, char** argv, std::int64_t mainBeginn);
