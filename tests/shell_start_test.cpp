// Start-up and shutdown: the order of the steps up to the shown main window, the exception
// routine, an error during the early start-up, and the window's single instance.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Errors.h"
#include "framework/Runtime.h"
#include "shell/HauptF.h"
#include "shell/MainMenuBar.h"
#include "shell/Vemtarix.h"
#include "shell/start.h"
#include "tests/support/FreshApplication.h"
#include "tests/support/ScriptedDialogHost.h"

namespace {

bool Enthaelt(const std::vector<std::string>& texte, const std::string& teil) {
    for (const std::string& t : texte)
        if (t.find(teil) != std::string::npos) return true;
    return false;
}

int gSpaeterStart = 0;
int gEreignisschleife = 0;

}  // namespace

class ShellStart : public FreshApplicationTest {};
class ShellSingleInstance : public FreshApplicationTest {};

TEST_F(ShellStart, TheStepsOpenTheWindowWithTheSharedMenuBar) {
    KlassenRegistrieren();
    std::vector<std::string> namen;
    for (const RegisteredClass& k : RuntimeRegisteredClasses())
        if (k.name == "Vemtarix" || k.name == "HauptF.HauptF" ||
            k.name == "MainMenuBar.MainMenuBar" || k.name == "PolynomT")
            namen.push_back(k.name + ":" + k.baseClass);
    EXPECT_EQ(namen,
              (std::vector<std::string>{"Vemtarix:Application", "HauptF.HauptF:Window",
                                        "MainMenuBar.MainMenuBar:MenuBar", "PolynomT:Object"}));
    EXPECT_EQ(MainMenuBarReferenz(), nullptr);

    RuntimeSetExceptionHelper(_CallFunctionWithExceptionHandling);
    _EarlyStartup();
    auto* anwendung = dynamic_cast<Vemtarix*>(RuntimeApplication());
    ASSERT_NE(anwendung, nullptr);
    ASSERT_NE(MainMenuBarReferenz(), nullptr);
    EXPECT_EQ(anwendung->MenuBar, MainMenuBarReferenz());
    EXPECT_EQ(_GetImplicitWindow("HauptF.HauptF"), nullptr);  // no window before late start-up

    RunFrameworkInitialization(_LateStartup);
    Window* offen = _GetImplicitWindow("HauptF.HauptF");
    ASSERT_NE(offen, nullptr);
    EXPECT_TRUE(offen->IsVisible());
    EXPECT_EQ(offen->Controls().size(), 113u);
    EXPECT_EQ(offen->GetMenuBar(), anwendung->MenuBar);
    EXPECT_EQ(&HauptF(), offen);
}

TEST_F(ShellStart, ExceptionRoutineReturnsFrameworkErrorsAndPassesOthersOn) {
    int wert = 0;
    EXPECT_EQ(_CallFunctionWithExceptionHandling([](void* p) { *static_cast<int*>(p) = 7; }, &wert),
              nullptr);
    EXPECT_EQ(wert, 7);

    std::exception_ptr fehler =
        _CallFunctionWithExceptionHandling([](void*) { throw NilObjectException("weg"); }, nullptr);
    ASSERT_NE(fehler, nullptr);
    EXPECT_THROW(std::rethrow_exception(fehler), NilObjectException);

    EXPECT_THROW(_CallFunctionWithExceptionHandling(
                     [](void*) { throw std::logic_error("kein Rahmenfehler"); }, nullptr),
                 std::logic_error);
}

TEST_F(ShellStart, AnErrorWhileTheApplicationIsBuiltReachesTheHandlerAndStopsTheStartUp) {
    ScriptedDialogHost wirt;
    KlassenRegistrieren();
    Startablauf ablauf = Standardablauf();
    // The menu bar is built, then the application object fails.
    ablauf.earlyStartup = [] {
        static_cast<void>(MainMenuBar());
        throw std::runtime_error("Anwendungsobjekt misslungen");
    };
    ablauf.lateStartup = [] { ++gSpaeterStart; };
    ablauf.eventLoop = [] { ++gEreignisschleife; };
    _Main(ablauf);

    EXPECT_TRUE(Enthaelt(wirt.Messages(), "Anwendungsobjekt misslungen"));
    EXPECT_EQ(gSpaeterStart, 0);
    EXPECT_EQ(gEreignisschleife, 0);
    EXPECT_EQ(_GetImplicitWindow("HauptF.HauptF"), nullptr);

    ASSERT_NE(MainMenuBarReferenz(), nullptr);
    Finalisierung();
    EXPECT_EQ(MainMenuBarReferenz(), nullptr);
}

TEST_F(ShellStart, AnErrorOutOfTheEventLoopReachesTheHandlerToo) {
    ScriptedDialogHost wirt;
    KlassenRegistrieren();
    Startablauf ablauf = Standardablauf();
    ablauf.eventLoop = [] { throw IOException("Schleifenfehler"); };
    _Main(ablauf);
    EXPECT_TRUE(Enthaelt(wirt.Messages(), "Schleifenfehler"));
    Window* fenster = _GetImplicitWindow("HauptF.HauptF");
    ASSERT_NE(fenster, nullptr);
    ASSERT_NE(RuntimeApplication(), nullptr);
    EXPECT_EQ(RuntimeApplication()->MenuBar, fenster->GetMenuBar());

    Finalisierung();
    EXPECT_EQ(MainMenuBarReferenz(), nullptr);
    // Nothing keeps pointing at the released menu bar.
    EXPECT_EQ(RuntimeApplication()->MenuBar, nullptr);
    EXPECT_EQ(fenster->GetMenuBar(), nullptr);
}

namespace {

// Sees what HauptF() returns while the window is being built.
class Beobachter : public HauptF {
  public:
    Window* imLayout = nullptr;
    Window* inDenSteuerelementen = nullptr;
    Window* imOpen = nullptr;

    void Layout() override {
        imLayout = &::HauptF();
        HauptF::Layout();
    }
    void CreateControls() override {
        inDenSteuerelementen = &::HauptF();
        HauptF::CreateControls();
    }
    void Event_Open() override {
        imOpen = &::HauptF();
        HauptF::Event_Open();
    }
};

}  // namespace

TEST_F(ShellSingleInstance, HauptFReturnsTheWindowFromItsCreationOnAndNeverASecondOne) {
    auto* fenster = new Beobachter();
    EXPECT_EQ(&HauptF(), fenster);  // before any construction step
    fenster->Constructor();
    EXPECT_EQ(fenster->imLayout, fenster);
    EXPECT_EQ(fenster->inDenSteuerelementen, fenster);
    EXPECT_EQ(fenster->imOpen, fenster);
    EXPECT_EQ(&HauptF(), fenster);
    EXPECT_EQ(_GetImplicitWindow("HauptF.HauptF"), fenster);
    EXPECT_EQ(fenster->Controls().size(), 113u);
}
