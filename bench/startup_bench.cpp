// Start-up to the shown main window, beside two plain Qt programs on the offscreen platform: one
// that shows an empty widget of the window's size (994 x 754), and one that builds the same
// window by hand, with no framework layer: the menu bar, and the 113 controls of the layout table
// (shell/Steuerelemente.def) as the same classes of Qt widget with the same geometry, texts,
// fonts and colours as the program's window shows them. The empty
// widget tells what every Qt program pays; the same window tells what a Qt program with this window
// pays; the rest is what the program's own layers (framework, shell, the first analysis run) add.
//
// Whole program starts: this program launches itself as a child process in one of three modes:
// the empty widget, the same window, and Vemtarix (RuntimeInit, then the program's start-up steps
// up to the shown main window; the event loop is left out). The parent passes its
// CLOCK_MONOTONIC reading taken just before the launch; the child reports, against that reading,
// when its main() began, when its application object stood and when its window was shown and
// exposed, and then exits. The time to the shown window is the benchmark's time; the two other
// points are counters, so the loading of the program and its libraries, the making of the
// application object and the window itself can be told apart. All modes run the same executable,
// so all load the same libraries. The benchmarks' repetitions interleave in random order, so a
// change in the machine's load hits all alike; a summary with the medians and their ratios
// follows the table.
//
// In-process breakdown: the Qt application object can be made only once per process, so it is
// made once before these benchmarks (its time is printed apart) and each iteration times what
// follows it. A Vemtarix iteration runs the start-up steps (class registration, application
// object and menu bar, the framework's late start-up that builds the window with its 113
// controls and raises its Open event) until the window shows; closing the window and releasing
// the menu bar happen with the clock stopped. The same window built by hand and the empty widget
// are timed alike. With the argument 1 all also deliver the pending events after showing.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Runtime.h"
#include "shell/HauptF.h"
#include "shell/layout.h"
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

// A number with two decimals.
std::string Fest(double value) {
    std::array<char, 32> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    static_cast<void>(error);
    return std::string(buffer.data(), end);
}

std::string Millisekunden(double ms) {
    return Fest(ms) + " ms";
}

std::optional<std::int64_t> LiesGanzzahl(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

// ---- The same window, built by hand in plain Qt ----
// No framework layer: the layout table's data turned straight into the Qt widgets that the
// framework makes of it.

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Farbe(Color c) {
    return QColor(c.red, c.green, c.blue);
}

// The text size of the layout (points of a 72-dpi screen) in pixels, as the program draws it.
int Pixelgroesse(const Werte& werte) {
    const float punkte = werte.textSize.value_or(12.0f);
    return std::max(1, static_cast<int>(punkte * 0.9 + 0.5));
}

void Schrift(QWidget& widget, const Werte& werte) {
    const int pixel = Pixelgroesse(werte);
    const bool fett = werte.bold.value_or(false);
    if (pixel == 11 && !fett) return;  // the application font
    QFont font = QApplication::font();
    font.setPixelSize(pixel);
    font.setBold(fett);
    widget.setFont(font);
}

void Grundfarbe(QWidget& widget, const Werte& werte) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, Farbe(werte.backColor.value()));
    widget.setPalette(palette);
}

Qt::Alignment Feldausrichtung(std::int32_t code) {
    return code == 2 ? Qt::AlignHCenter : code == 3 ? Qt::AlignRight : Qt::AlignLeft;
}

QWidget* GleichesSteuerelement(const Steuerelement& zeile, QWidget* flaeche) {
    const Werte werte = WerteVon(zeile);
    QWidget* widget = nullptr;
    switch (zeile.klasse) {
        case Klasse::TextField: {
            auto* edit = new QLineEdit(flaeche);
            edit->setAlignment(Feldausrichtung(werte.alignment.value()) | Qt::AlignVCenter);
            edit->setReadOnly(werte.readOnly.value());
            if (!zeile.text.empty()) edit->setText(Q(zeile.text));
            Grundfarbe(*edit, werte);
            widget = edit;
            break;
        }
        case Klasse::TextArea: {
            auto* edit = new QTextEdit(flaeche);
            edit->setAcceptRichText(false);
            edit->setTabChangesFocus(true);
            edit->setLineWrapMode(QTextEdit::NoWrap);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->document()->setDocumentMargin(2);
            QTextOption option = edit->document()->defaultTextOption();
            option.setAlignment(Feldausrichtung(werte.alignment.value()));
            edit->document()->setDefaultTextOption(option);
            edit->setPlainText(Q(zeile.text));
            Grundfarbe(*edit, werte);
            widget = edit;
            break;
        }
        case Klasse::Label: {
            QString text = Q(zeile.text);
            while (text.endsWith(QChar('\r'))) text.chop(1);
            auto* label = new QLabel(text, flaeche);
            const std::int32_t ausrichtung = werte.textAlign.value();
            label->setAlignment((ausrichtung == 1   ? Qt::AlignHCenter
                                 : ausrichtung == 2 ? Qt::AlignRight
                                                    : Qt::AlignLeft) |
                                Qt::AlignVCenter);
            widget = label;
            break;
        }
        case Klasse::PushButton: {
            auto* button = new QPushButton(Q(zeile.text), flaeche);
            button->setAutoDefault(false);
            button->setDefault(werte.isDefault.value());
            widget = button;
            break;
        }
        case Klasse::ComboBox: {
            auto* combo = new QComboBox(flaeche);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            combo->addItems(Q(werte.entries.value()).split(QChar('\r')));
            widget = combo;
            break;
        }
        case Klasse::Canvas:
            widget = new QWidget(flaeche);
            break;
        case Klasse::UpDownArrows: {
            widget = new QWidget(flaeche);
            auto* layout = new QVBoxLayout(widget);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(0);
            for (Qt::ArrowType pfeil : {Qt::UpArrow, Qt::DownArrow}) {
                auto* button = new QToolButton(widget);
                button->setArrowType(pfeil);
                button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
                button->setFocusPolicy(Qt::NoFocus);
                layout->addWidget(button);
            }
            break;
        }
    }
    widget->setGeometry(zeile.left, zeile.top, zeile.width, zeile.height);
    Schrift(*widget, werte);
    widget->setEnabled(werte.enabled.value());
    widget->setVisible(werte.visible.value());
    return widget;
}

void GleicheMenueleiste(QMenuBar& leiste) {
    leiste.setNativeMenuBar(false);
    leiste.addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("&Quit"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    QMenu* bearbeiten = leiste.addMenu(QStringLiteral("&Edit"));
    bearbeiten->addAction(QStringLiteral("&Undo"))->setShortcut(QKeySequence::Undo);
    bearbeiten->addSeparator();
    bearbeiten->addAction(QStringLiteral("Cu&t"))->setShortcut(QKeySequence::Cut);
    bearbeiten->addAction(QStringLiteral("&Copy"))->setShortcut(QKeySequence::Copy);
    bearbeiten->addAction(QStringLiteral("&Paste"))->setShortcut(QKeySequence::Paste);
    bearbeiten->addAction(QStringLiteral("&Delete"));
    bearbeiten->addSeparator();
    bearbeiten->addAction(QStringLiteral("Select &All"))->setShortcut(QKeySequence::SelectAll);
}

// What the framework sets up once for the application: the style and the application font.
void GleicheAnwendung() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

// The window: the menu bar above a client area of 994 x 754 that holds the controls.
std::unique_ptr<QWidget> GleichesFenster() {
    auto fenster = std::make_unique<QWidget>(
        nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                     Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    fenster->setWindowTitle(QStringLiteral("Vemtarix"));
    auto* leiste = new QMenuBar(fenster.get());
    GleicheMenueleiste(*leiste);
    auto* flaeche = new QWidget(fenster.get());
    for (const Steuerelement& zeile : Steuerelemente()) GleichesSteuerelement(zeile, flaeche);
    const int oben = leiste->sizeHint().height();
    leiste->setGeometry(0, 0, 994, oben);
    flaeche->setGeometry(0, oben, 994, 754);
    fenster->setMinimumSize(64, 64 + oben);
    fenster->setMaximumSize(32000, 32000 + oben);
    fenster->resize(994, 754 + oben);
    return fenster;
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

// The command line of a comparison program: Qt's offscreen platform, as the program's own
// start-up chooses it. QApplication keeps the array, so it lives as long as the process.
char** OffscreenArgumente() {
    static char name[] = "startup_bench";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platformOption, offscreen, nullptr};
    return argv;
}

int NackterQtStart(std::int64_t start, std::int64_t mainBeginn) {
    int argc = 3;
    QApplication app(argc, OffscreenArgumente());
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
    int argc = 3;
    QApplication app(argc, OffscreenArgumente());
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

enum class Art { Qt, GleichesQt, Vemtarix };

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

// Every measured start, for the summary after the table.
std::vector<double>& Messungen(Art art) {
    static std::array<std::vector<double>, 3> starts;
    return starts[static_cast<std::size_t>(art)];
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
        if (auftrag->first == "gleiches-qt") return GleicherQtStart(auftrag->second, mainBeginn);
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
