// The menu bar that application and window share, the menu-item accessors, and the event
// wiring of the window's controls.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/Errors.h"
#include "shell/HauptF.h"
#include "shell/MainMenuBar.h"
#include "shell/layout.h"
#include "tests/support/FreshApplication.h"

class ShellMenu : public FreshApplicationTest {};
class ShellWiring : public FreshApplicationTest {};

TEST_F(ShellMenu, TheSingleInstanceHoldsFileAndEditWithTheirEntriesInOrder) {
    class MainMenuBar& leiste = MainMenuBar();
    EXPECT_EQ(&MainMenuBar(), &leiste);
    ASSERT_EQ(leiste.Children().size(), 2u);  // the second call built nothing more

    struct Erwartet {
        const char* name;
        const char* text;
        std::optional<std::string> kurzbefehl;
    };
    const auto pruefe = [](const MenuItem& eintrag, const Erwartet& e) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(eintrag.Name, e.name);
        EXPECT_EQ(eintrag.Text, e.text);
        EXPECT_EQ(eintrag.KeyboardShortcut, e.kurzbefehl);
        EXPECT_TRUE(eintrag.AutoEnable);
        EXPECT_TRUE(eintrag.Visible);
    };
    const MenuItem& datei = *leiste.Children()[0];
    const MenuItem& bearbeiten = *leiste.Children()[1];
    pruefe(datei, {"FileMenu", "&File", ""});
    pruefe(bearbeiten, {"EditMenu", "&Edit", ""});

    ASSERT_EQ(datei.Children().size(), 1u);
    pruefe(*datei.Children()[0], {"FileQuit", "&Quit", "Cmd+Q"});
    EXPECT_NE(dynamic_cast<const QuitMenuItem*>(datei.Children()[0].get()), nullptr);

    const std::vector<Erwartet> edit = {
        {"EditUndo", "&Undo", "Cmd+Z"},        {"EditSeparator1", "-", std::nullopt},
        {"EditCut", "Cu&t", "Cmd+X"},          {"EditCopy", "&Copy", "Cmd+C"},
        {"EditPaste", "&Paste", "Cmd+V"},      {"EditClear", "&Delete", ""},
        {"EditSeparator2", "-", std::nullopt}, {"EditSelectAll", "Select &All", "Cmd+A"}};
    ASSERT_EQ(bearbeiten.Children().size(), edit.size());
    for (std::size_t i = 0; i < edit.size(); ++i) {
        pruefe(*bearbeiten.Children()[i], edit[i]);
        EXPECT_EQ(dynamic_cast<const QuitMenuItem*>(bearbeiten.Children()[i].get()), nullptr);
    }
}

TEST_F(ShellMenu, WindowSharesTheMenuBarAndItsAccessorsFindEveryEntry) {
    class HauptF& fenster = HauptF();
    EXPECT_EQ(fenster.GetMenuBar(), &MainMenuBar());
    EXPECT_EQ(&fenster.FileQuit(), MainMenuBar().Find("FileQuit"));
    EXPECT_EQ(&fenster.EditUndo(), MainMenuBar().Child("EditMenu")->Child("EditUndo"));
    EXPECT_EQ(&fenster.EditMenu(), MainMenuBar().Child("EditMenu"));
    EXPECT_EQ(&fenster.FileMenu(), MainMenuBar().Child("FileMenu"));
    const std::vector<std::pair<MenuItem& (HauptF::*)(), const char*>> accessoren = {
        {&HauptF::EditSelectAll, "EditSelectAll"},
        {&HauptF::EditSeparator2, "EditSeparator2"},
        {&HauptF::EditClear, "EditClear"},
        {&HauptF::EditPaste, "EditPaste"},
        {&HauptF::EditCopy, "EditCopy"},
        {&HauptF::EditCut, "EditCut"},
        {&HauptF::EditSeparator1, "EditSeparator1"}};
    for (const auto& [accessor, name] : accessoren) EXPECT_EQ((fenster.*accessor)().Name, name);
}

TEST_F(ShellMenu, MenuAccessorsOfAWindowWithoutMenuBarRaiseNilObject) {
    // A window object whose construction steps never ran has no menu bar yet.
    auto* roh = new class HauptF();
    EXPECT_THROW(roh->EditUndo(), NilObjectException);
    EXPECT_THROW(roh->FileQuit(), NilObjectException);
    delete roh;
}

TEST_F(ShellWiring, ExactlyTheWiredEventsHaveHandlers) {
    const std::set<std::pair<std::string, Event>> verdrahtet = {
        {"EingF", Event::TextChange},
        {"QuitB", Event::Action},
        {"sstellen", Event::TextChange},
        {"sstellen", Event::Open},
        {"InterploierB", Event::Action},
        {"vonF", Event::TextChange},
        {"bisF", Event::TextChange},
        {"xXF", Event::TextChange},
        {"WertB", Event::Action},
        {"RPfeilB", Event::Action},
        {"LPfeilB", Event::Action},
        {"PushButton1", Event::Action},
        {"IntegralB", Event::Action},
        {"gfB", Event::Action},
        {"gplusfB", Event::Action},
        {"gmalfB", Event::Action},
        {"g_AnzB", Event::Action},
        {"RZeigB", Event::Action},
        {"AufAbPfeil", Event::Down},
        {"AufAbPfeil", Event::Up},
        {"gminusfB", Event::Action},
        {"gmalhB", Event::Action},
        {"ghB1", Event::Action},
        {"RNextB1", Event::Action},
        {"GraphCanvas", Event::Paint},
        {"QuitB11", Event::Action},
        {"StellenWahlB", Event::TextChanged},
        {"QuitB111", Event::Action},
        {"RinglisteB", Event::TextChanged},
        {"gfB1", Event::Action},
        {"VerschiebeB", Event::Action},
        {"xVF", Event::TextChange},
        {"yVF", Event::TextChange}};
    ASSERT_EQ(verdrahtet.size(), 33u);
    const Event alle[] = {Event::TextChange, Event::Open,  Event::Action,     Event::Up,
                          Event::Down,       Event::Paint, Event::TextChanged};
    int mitHandler = 0;
    for (RectControl* c : HauptF().Controls()) {
        for (Event e : alle) {
            const bool erwartet = verdrahtet.count({c->Name(), e}) > 0;
            EXPECT_EQ(c->HasHandler(e), erwartet) << c->Name() << " event " << static_cast<int>(e);
            mitHandler += c->HasHandler(e);
        }
    }
    EXPECT_EQ(mitHandler, 33);
}

TEST_F(ShellWiring, TheEventTableNamesEachButtonByTheCaptionItShows) {
    // The caption column is for the reader of the table; a button renamed in the layout must not
    // leave it naming a caption that no longer shows.
    struct Zeile {
        std::string_view control;
        Klasse klasse;
        std::string_view caption;
    };
    const Zeile zeilen[] = {
#define EVENT(control, cls, event, handler, caption, file) {#control, Klasse::cls, caption},
#include "shell/Ereignisse.def"
#undef EVENT
    };
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(std::string(z.control));
        const Steuerelement* layout = SteuerelementNamens(z.control);
        EXPECT_NE(layout, nullptr);
        if (layout == nullptr) continue;
        EXPECT_EQ(layout->klasse, z.klasse);
        if (z.klasse == Klasse::PushButton) {
            EXPECT_EQ(layout->text, z.caption);
        }
    }
}
