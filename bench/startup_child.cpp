#include "startup_child.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "framework/QtLook.h"
#include "framework/Runtime.h"
#include "shell/start.h"
#include "startup_common.h"
#include "startup_same_window.h"

extern char** environ;

namespace {

constexpr std::string_view kKindOption = "--programmstart=";

void Melden(const Zeitpunkte& z) {
    const std::string zeile =
        Ganzzahl(z.main) + " " + Ganzzahl(z.anwendung) + " " + Ganzzahl(z.fenster) + "\n";
    std::fputs(zeile.c_str(), stdout);
    std::fflush(stdout);
}

// ---- The child: one program start ----

// The command line of a comparison program: Qt's offscreen platform, as the program's own
// start-up gives it. QApplication keeps it, so it lives as long as the process.
QtCommandLine& Befehlszeile() {
    static QtCommandLine zeile = FrameworkQtLook().offscreenCommandLine;
    return zeile;
}

int NackterQtStart(std::int64_t start, std::int64_t mainBeginn) {
    QApplication app(Befehlszeile().argc, Befehlszeile().argv.data());
    const std::int64_t anwendung = Jetzt();
    QWidget fenster;
    fenster.resize(994, 754);
    fenster.show();
    // As the program's window does: the window system exposes it before the start counts as done.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Melden({mainBeginn - start, anwendung - start, Jetzt() - start});
    return 0;
}

int GleicherQtStart(std::int64_t start, std::int64_t mainBeginn) {
    QApplication app(Befehlszeile().argc, Befehlszeile().argv.data());
    GleicheAnwendung();
    const std::int64_t anwendung = Jetzt();
    const std::unique_ptr<QWidget> fenster = GleichesFenster();
    fenster->show();
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

std::string_view Modus(Art art) {
    switch (art) {
        case Art::Qt:
            return "qt";
        case Art::GleichesQt:
            return "gleiches-qt";
        case Art::Vemtarix:
            return "vemtarix";
    }
    return "";
}

}  // namespace

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

    const std::string modus = std::string(kKindOption) + std::string(Modus(art));
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

std::optional<int> AlsKindStarten(int argc, char** argv, std::int64_t mainBeginn) {
    if (argc != 3) return std::nullopt;
    const std::string_view option = argv[1];
    if (option.substr(0, kKindOption.size()) != kKindOption) return std::nullopt;
    const auto start = LiesGanzzahl(argv[2]);
    if (!start) return std::nullopt;
    const std::string_view modus = option.substr(kKindOption.size());
    if (modus == Modus(Art::Qt)) return NackterQtStart(*start, mainBeginn);
    if (modus == Modus(Art::GleichesQt)) return GleicherQtStart(*start, mainBeginn);
    if (modus == Modus(Art::Vemtarix)) return VemtarixStart(*start, mainBeginn);
    return 2;
}
