#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Errors.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"
#include "tests/support/ScriptedDialogHost.h"

namespace {

// A window whose handlers count what reaches them.
class CountingWindow : public Window {
  public:
    CountingWindow() : Window("CountingWindow") {}
    std::map<std::string, int> calls;
    std::vector<std::string> texts;
    std::function<void()> onAction;

    void Field_TextChange(TextField& f) {
        ++calls["TextChange"];
        texts.push_back(f.Text());
    }
    void Field_Open(TextField&) { ++calls["Open"]; }
    void Button_Action(PushButton&) {
        ++calls["Action"];
        if (onAction) onAction();
    }
    void Other_Action(PushButton&) { ++calls["Other"]; }
    void Arrows_Up(UpDownArrows&) { ++calls["Up"]; }
    void Arrows_Down(UpDownArrows&) { ++calls["Down"]; }
    void Combo_TextChanged(ComboBox& c) {
        ++calls["TextChanged"];
        texts.push_back(c.Text());
    }
    void Area_TextChange(TextArea&) { ++calls["AreaChange"]; }

  protected:
    void Layout() override { _SetProperties(*this, WindowRecord(300, 200)); }
    void CreateControls() override {
        auto& field =
            AddControl<TextField>(*this, "Field", Placed(0, 0, 80, 22).String("Text", "1"));
        Wire(field, Event::TextChange, *this, &CountingWindow::Field_TextChange);
        Wire(field, Event::Open, *this, &CountingWindow::Field_Open);
        auto& area = AddControl<TextArea>(*this, "Area", Placed(0, 30, 80, 28));
        Wire(area, Event::TextChange, *this, &CountingWindow::Area_TextChange);
        auto& other = AddControl<PushButton>(*this, "Other", Placed(100, 0, 60, 22));
        Wire(other, Event::Action, *this, &CountingWindow::Other_Action);
        auto& button = AddControl<PushButton>(*this, "Button",
                                              Placed(100, 30, 60, 22).Boolean("Default", true));
        Wire(button, Event::Action, *this, &CountingWindow::Button_Action);
        auto& arrows = AddControl<UpDownArrows>(*this, "Arrows", Placed(170, 0, 27, 22));
        Wire(arrows, Event::Down, *this, &CountingWindow::Arrows_Down);
        Wire(arrows, Event::Up, *this, &CountingWindow::Arrows_Up);
        auto& combo = AddControl<ComboBox>(
            *this, "Combo",
            Placed(0, 70, 140, 20).String("InitialValue", "a\rb").Int32("ListIndex", 0));
        Wire(combo, Event::TextChanged, *this, &CountingWindow::Combo_TextChanged);
    }
};

CountingWindow& Build() {
    auto* w = new CountingWindow();
    w->Constructor();
    return *w;
}

template <class C>
C& Get(Window& w, const char* name) {
    return static_cast<C&>(w._ControlByName(name));
}

class FrameworkEvents : public FreshApplicationTest {};

TEST_F(FrameworkEvents, RecordTextRaisesNothingAndOpenComesOnce) {
    CountingWindow& w = Build();
    EXPECT_EQ(w.calls["TextChange"], 0);  // the record's "1" came before the wiring
    EXPECT_EQ(w.calls["Open"], 1);
    EXPECT_EQ(w.calls["TextChanged"], 0);
}

TEST_F(FrameworkEvents, EachEventReachesItsOneHandlerOnce) {
    CountingWindow& w = Build();
    Get<PushButton>(w, "Button").Push();
    Get<UpDownArrows>(w, "Arrows").PressUp();
    Get<UpDownArrows>(w, "Arrows").PressDown();
    Get<UpDownArrows>(w, "Arrows").PressDown();
    EXPECT_EQ(w.calls["Action"], 1);
    EXPECT_EQ(w.calls["Other"], 0);
    EXPECT_EQ(w.calls["Up"], 1);
    EXPECT_EQ(w.calls["Down"], 2);
    EXPECT_FALSE(Get<Label>(w, "Field").HasHandler(Event::Action));
}

TEST_F(FrameworkEvents, ProgramTextChangesRaiseTextChangeOncePerChange) {
    CountingWindow& w = Build();
    Get<TextField>(w, "Field").SetText("x^2");
    Get<TextField>(w, "Field").SetText("x^2");  // the same text: no change
    Get<TextField>(w, "Field").SetText("");
    EXPECT_EQ(w.texts, (std::vector<std::string>{"x^2", ""}));
    Get<TextArea>(w, "Area").SetText("(x - 1)");
    EXPECT_EQ(w.calls["AreaChange"], 1);
}

TEST_F(FrameworkEvents, ComboBoxRaisesTextChangedForEveryChangeOfItsText) {
    CountingWindow& w = Build();
    auto& combo = Get<ComboBox>(w, "Combo");
    combo.Choose(1);
    combo.SetText("Aktion wählen");
    combo.Choose(1);  // back to "b"
    combo.Choose(1);  // the entry already shown: chosen again, raised again
    EXPECT_EQ(w.texts, (std::vector<std::string>{"b", "Aktion wählen", "b", "b"}));
}

TEST_F(FrameworkEvents, ReturnPressesTheEnabledDefaultButton) {
    CountingWindow& w = Build();
    Get<TextField>(w, "Field").SetFocus();
    w.PressReturn();
    EXPECT_EQ(w.calls["Action"], 1);
    Get<PushButton>(w, "Button").SetEnabled(false);
    w.PressReturn();
    EXPECT_EQ(w.calls["Action"], 1);
    EXPECT_EQ(w.calls["Other"], 0);
}

TEST_F(FrameworkEvents, WiringHoldsTheWindowWeakly) {
    ScriptedDialogHost host;
    CountingWindow& w = Build();
    std::weak_ptr<void> token = w.LifeToken();
    EXPECT_EQ(token.use_count(), 1);  // the wirings add no owner
    w.Close();                        // the framework deletes it
    EXPECT_TRUE(token.expired());
    EXPECT_EQ(_GetImplicitWindow("CountingWindow"), nullptr);
}

TEST_F(FrameworkEvents, ErrorInHandlerIsShownAndTheProgramGoesOn) {
    ScriptedDialogHost host;
    CountingWindow& w = Build();
    w.onAction = [] { throw RuntimeException("Division durch null"); };
    Get<PushButton>(w, "Button").Push();
    w.onAction = [] { throw std::logic_error("kaputt"); };
    Get<PushButton>(w, "Button").Push();
    w.onAction = nullptr;
    Get<PushButton>(w, "Button").Push();
    EXPECT_EQ(w.calls["Action"], 3);
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{
                                   "Ein unerwarteter Fehler ist aufgetreten: Division durch null",
                                   "Ein unerwarteter Fehler ist aufgetreten: kaputt"}));
}

// The exception routine that start-up installs is the one every handler goes through.
int helperCalls = 0;
std::exception_ptr Helper(void (*target)(void*), void* argument) {
    ++helperCalls;
    try {
        target(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

TEST_F(FrameworkEvents, HandlersRunThroughTheInstalledExceptionRoutine) {
    ScriptedDialogHost host;
    RuntimeSetExceptionHelper(&Helper);
    CountingWindow& w = Build();
    const int before = helperCalls;
    w.onAction = [] { throw IOException("Die Datei \"x\" kann nicht gelesen werden"); };
    Get<PushButton>(w, "Button").Push();
    EXPECT_EQ(helperCalls, before + 1);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].find("kann nicht gelesen werden"), std::string::npos);
    RuntimeSetExceptionHelper(nullptr);
}

TEST_F(FrameworkEvents, ClosingInsideAHandlerWaitsForTheHandler) {
    ScriptedDialogHost host;
    CountingWindow& w = Build();
    std::weak_ptr<void> token = w.LifeToken();
    w.onAction = [&w] {
        w.Close();
        // The controls are still there; their wirings to the closed window raise the
        // nil-object error instead of calling it.
        Get<TextField>(w, "Field").SetText("noch da");
        EXPECT_EQ(Get<TextField>(w, "Field").Text(), "noch da");
    };
    Get<PushButton>(w, "Button").Push();
    EXPECT_EQ(_GetImplicitWindow("CountingWindow"), nullptr);
    EXPECT_EQ(w.calls["TextChange"], 0);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].find("gibt es nicht mehr"), std::string::npos);
    ProcessEvents();
    EXPECT_TRUE(token.expired());
}

}  // namespace
