#pragma once
// HauptF: the program's one window and the holder of all state of a run.
//
// How a polynomial text flows through the window: the user types into the input field EingF
// and presses "OK" (or Return). The analysis run Polynomauswertung reads EingF with String2Poly
// into f (PPP), writes f's normalised term back into EingF, and for degree 1 to 9 derives f' and
// f'' (PP), finds the critical points and zeros with FindeKP, and writes the factor form
// (AusgF1), the zeros (AusgF2), the integral, the enclosed area and the value table. For every
// accepted text it then sets f's plotting window, repaints GraphCanvas and appends f's term to
// the polynomial list PListe. Every operation that changes f (interpolation, shift, the f/g/h
// buttons, the list) writes f's term into EingF and runs the analysis again, so every output is
// always derived from what the input field shows.
//
// The class is declared here once and implemented by concern: shell/*.cpp hold its construction,
// control accessors and event wiring, and its numeric and text services (the parser, the search
// for zeros, rounding) as delegates to the engine's functions (engine/Dienste.h, implemented in
// shell/dienste.cpp); workbench/*.cpp hold the behaviour behind the handlers.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/PolynomT.h"
#include "framework/Controls.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "shell/PolynomListe.h"
#include "shell/wiring.h"

class Graphics;

class HauptF : public Window {
  public:
    // Creates the window's state at its initial values and registers it as the open window;
    // building it (Layout, CreateControls, Open) is Window::Constructor's work. Only HauptF()
    // and tests of the window's services create one.
    HauptF();
    ~HauptF() override;

    // ---- State (initial values as a new window holds them) ----
    std::optional<PolynomT> PPP;                              // f; nil until Init
    std::int32_t wzaehler = 0;                                // the parser's step counter
    std::array<std::array<double, 51>, 4> WertTab{};          // x, f, f', f'' at point k (1..50)
    std::array<std::array<std::string, 11>, 5> StringTab{};   // texts of the value grid, 1-based
    std::int32_t links = 0;                                   // first point shown in the grid
    std::int32_t rechts = 0;                                  // last point shown in the grid
    std::vector<double> KPMenge = {0.0};                      // critical points, counted array
    std::int32_t KPAnzahl = 0;                                // number of critical points
    std::array<std::optional<PolynomT>, 3> PP;                // f, f', f''; nil until Init
    std::optional<PolynomT> Pg;                               // g
    std::optional<PolynomT> Ph;                               // h
    std::int32_t PZeiger = 0;                                 // browse index into PListe
    std::int32_t Stellenzahl = 1;                             // decimals shown, 0: whole numbers
    PolynomListe PListe = {""};                               // polynomial list; Init makes it "0"
    std::array<std::optional<PolynomT>, 10> Poly;             // scratch polynomials of the shift
    std::array<std::array<std::int32_t, 10>, 10> BinKoeff{};  // binomial coefficients C(i, j)
    // Init prepares Poly and BinKoeff; nothing reads them: the engine's shift keeps its rows on
    // its own and takes C(i, j) from the constant polynom::kBinomKoeff.

    // ---- Construction (shell) ----
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void _CreateControls1();
    void _CreateControls2();
    void _CreateControls3();

    // ---- The 113 control accessors, in creation order ----
#define CONTROL(name, cls, ...) cls& name();
#include "shell/Steuerelemente.def"
#undef CONTROL

    // ---- The 33 event handlers (workbench), in wiring order ----
    // Each row of Ereignisse.def declares one and names the caption the user reads and the file
    // that implements it. A handler takes the control that raised the event (Paint also the
    // drawing context and the areas to redraw) and never uses it.
#define EVENT(control, cls, event, handler, caption, file) \
    Handlersignatur<cls, Event::event> handler;
#include "shell/Ereignisse.def"
#undef EVENT

    // ---- The 11 menu-item accessors ----
    MenuItem& EditMenu();
    MenuItem& EditSelectAll();
    MenuItem& EditSeparator2();
    MenuItem& EditClear();
    MenuItem& EditPaste();
    MenuItem& EditCopy();
    MenuItem& EditCut();
    MenuItem& EditSeparator1();
    MenuItem& EditUndo();
    MenuItem& FileMenu();
    QuitMenuItem& FileQuit();

    void Event_Open() override;

    // ---- The window's other methods ----
    // Services of the engine (shell/dienste.cpp): each hands its arguments to the function of
    // the same name in engine/Dienste.h, which says what it does. String2Poly and Whilekontrolle
    // count the steps in wzaehler; FindeKP sets KPAnzahl to 0 when P has degree below 1 (or a
    // coefficient that is not finite); the others change no state. Those marked "kept" are
    // part of the window's interface, but nothing in the program calls them (the engine calls
    // its own functions).
    void Botschaft();  // kept: a dialog nothing in the program opens
    std::int64_t ggT(std::int64_t a, std::int64_t b);  // kept
    void String2Poly(PolynomT& target, const std::string& text, bool& ok);
    std::string Ablehnungsgrund(const std::string& text);
    void Whilekontrolle(bool& ok);                           // kept
    std::string FehlzeichenKillen(const std::string& text);  // kept
    std::string ZeichenReduzieren(const std::string& text, const std::string& search,
                                  const std::string& replacement);  // kept
    // Workbench: value table and outputs.
    std::string Zahlfeldausgabe(const std::vector<double>& values);
    void Interpolieren();
    void TabFill();
    void TabLeer();
    void WerteEintragen();
    void AlleWerteBerechnen();
    double Runden(double x);
    void Init();
    void FindeKP(const PolynomT& P, std::vector<double>& KP, std::vector<double>& NS);
    double GibNullst(const PolynomT& P, double a, double b);  // kept
    bool IstNull(double v);                                   // kept
    void Polynomauswertung();
    std::string xhoch(std::int32_t n);  // kept
    void RundnfAusg(double& x);
    bool IstSchonImRing(const std::string& s);  // kept: fInPListeEinfuegen asks the list itself
    void Ringkontrolle();
    void Zeichnef(Graphics& g);
    double Gerundet(std::int32_t n, double x);
    std::int32_t ListBotschaft(std::int32_t n);
    void fInPListeEinfuegen(const std::string& s);
    void PLaden();
    void PSpeichern();
    void Verschieben();

    // Init's first steps (shell/zustand.cpp): the scratch polynomials, the binomial table (a
    // copy of polynom::kBinomKoeff), the window's polynomials and the list's entry "0". Init
    // then runs the first analysis.
    void InitZustand();
};

// The main window: the open one, or a new one built and opened when there is none.
// At namespace scope this function hides the class name, as the accessor is meant to be the way
// to the window; the type is then `class HauptF`. Inside HauptF's members the name means the
// class, so they call the accessor as `::HauptF()`.
HauptF& HauptF();
