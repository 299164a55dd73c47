#include <gtest/gtest.h>

#include <string>

#include "framework/Controls.h"
#include "framework/Window.h"
#include "tests/support/Ellipsis.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"

namespace {

// Wider than the 100-pixel fields below, at the default text size.
const std::string kLang = "-107077.6824048 + 2320.987744x";
const std::string kKurz = "12.5";

class FrameworkCutText : public FreshApplicationTest {
  protected:
    TextControl& Feld(TestWindow& w, const std::string& name) {
        return static_cast<TextControl&>(w._ControlByName(name));
    }
};

// The pixels of the two pictures agree between the columns `from` and `to`, away from the
// frame (which shows the focus) above and below.
bool SameColumns(const Image& a, const Image& b, int from, int to) {
    if (a.width != b.width || a.height != b.height || to <= from) return false;
    for (int y = 4; y < a.height - 4; ++y)
        for (int x = from; x < to; ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

TEST_F(FrameworkCutText, CutTextEndsInEllipsisFromItsStartWhateverTheAlignment) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        for (int code = 1; code <= 3; ++code) {
            AddControl<TextField>(
                w, "F" + std::to_string(code),
                Placed(10, 30 * code, 100, 24).String("Text", kLang).Int32("Alignment", code));
            AddControl<TextArea>(
                w, "A" + std::to_string(code),
                Placed(120, 30 * code, 100, 28).String("Text", kLang).Int32("Alignment", code));
        }
        AddControl<PushButton>(w, "Knopf", Placed(300, 10, 60, 24));
    });
    for (const char* name : {"F1", "F2", "F3", "A1", "A2", "A3"}) {
        SCOPED_TRACE(name);
        TextControl& feld = Feld(w, name);
        w._ControlByName("Knopf").SetFocus();
        const Image ohneFokus = feld.Grab();
        EXPECT_TRUE(EndsInEllipsisAtRightEdge(ohneFokus));
        const int punkte = EllipsisOf(ohneFokus).left;
        EXPECT_LE(FirstInkColumn(ohneFokus), 6);
        EXPECT_EQ(feld.ToolTip(), kLang);
        EXPECT_EQ(feld.Text(), kLang);

        // With the focus the field is drawn as before: the whole line, cut by the frame, and
        // the same start. The cursor stands at the very start.
        feld.SetFocus();
        const Image mitFokus = feld.Grab();
        EXPECT_FALSE(EndsInEllipsis(mitFokus));
        EXPECT_TRUE(SameColumns(ohneFokus, mitFokus, 8, punkte - 3));
        EXPECT_EQ(feld.ToolTip(), kLang);
    }
}

TEST_F(FrameworkCutText, FittingTextKeepsItsLookAndHasNoTooltip) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<TextField>(w, "Feld", Placed(10, 10, 100, 24).Int32("Alignment", 2));
        AddControl<TextArea>(w, "Bereich", Placed(10, 40, 100, 28).Int32("Alignment", 2));
        AddControl<TextField>(w, "Geheim", Placed(10, 80, 100, 24).Boolean("Password", true));
        AddControl<PushButton>(w, "Knopf", Placed(300, 10, 60, 24));
    });
    w._ControlByName("Knopf").SetFocus();
    for (const char* name : {"Feld", "Bereich"}) {
        SCOPED_TRACE(name);
        TextControl& feld = Feld(w, name);
        feld.SetText(kKurz);
        const Image vorher = feld.Grab();
        EXPECT_FALSE(EndsInEllipsis(vorher));
        EXPECT_EQ(feld.ToolTip(), "");
        // The tooltip follows each change of the text, and nothing of the cut drawing stays.
        feld.SetText(kLang);
        EXPECT_EQ(feld.ToolTip(), kLang);
        feld.SetText(kKurz);
        EXPECT_EQ(feld.ToolTip(), "");
        EXPECT_EQ(feld.Grab().pixels, vorher.pixels);
        feld.SetText(kLang + "0");
        EXPECT_EQ(feld.ToolTip(), kLang + "0");
    }
    // A password is drawn cut, but never told in a tooltip.
    Feld(w, "Geheim").SetText(kLang);
    EXPECT_TRUE(EndsInEllipsis(Feld(w, "Geheim").Grab()));
    EXPECT_EQ(Feld(w, "Geheim").ToolTip(), "");
}

TEST_F(FrameworkCutText, TypingResizingAndTheFontDecideAnew) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<TextField>(w, "Feld", Placed(10, 10, 200, 30).String("Text", "2320.987744"));
        AddControl<PushButton>(w, "Knopf", Placed(300, 10, 60, 24));
    });
    TextControl& feld = Feld(w, "Feld");
    w._ControlByName("Knopf").SetFocus();
    const Image vorher = feld.Grab();

    // What the user types counts as much as what the program writes.
    feld.SetFocus();
    feld.PressKey("End");
    for (int i = 0; i < 30 && feld.ToolTip().empty(); ++i) feld.PressKey("7");
    EXPECT_EQ(feld.ToolTip(), feld.Text());
    EXPECT_GT(feld.FirstVisibleCharacter(), 1);  // the focused field scrolled with the cursor
    w._ControlByName("Knopf").SetFocus();
    EXPECT_TRUE(EndsInEllipsis(feld.Grab()));
    EXPECT_EQ(feld.FirstVisibleCharacter(), 1);
    feld.SetText("2320.987744");

    feld.SetProperty("Width", 60);
    EXPECT_TRUE(EndsInEllipsisAtRightEdge(feld.Grab()));
    EXPECT_EQ(feld.ToolTip(), "2320.987744");
    feld.SetProperty("Width", 200);
    EXPECT_EQ(feld.Grab().pixels, vorher.pixels);
    EXPECT_EQ(feld.ToolTip(), "");

    feld.SetTextSize(40);
    EXPECT_TRUE(EndsInEllipsisAtRightEdge(feld.Grab()));
    EXPECT_EQ(feld.ToolTip(), "2320.987744");
}

TEST_F(FrameworkCutText, TextAreaMarksTextBelowItsLastLine) {
    const std::string zeilen =
        "Alle reellen Zahlen sind Nullstellen des Nullpolynoms, und alle Polynome sind "
        "Teiler des Nullpolynoms";
    TestWindow& w = BuildWindow([&](TestWindow& w) {
        AddControl<TextArea>(
            w, "Absatz", Placed(10, 10, 150, 40).Boolean("Multiline", true).String("Text", zeilen));
        AddControl<TextArea>(w, "Zeilen",
                             Placed(10, 60, 150, 28).String("Text", "x^2 - 1\nx^2 + 1"));
        AddControl<PushButton>(w, "Knopf", Placed(300, 10, 60, 24));
    });
    w._ControlByName("Knopf").SetFocus();
    for (const char* name : {"Absatz", "Zeilen"}) {
        SCOPED_TRACE(name);
        TextControl& feld = Feld(w, name);
        EXPECT_TRUE(EndsInEllipsis(feld.Grab()));
        EXPECT_EQ(feld.ToolTip(), feld.Text());
    }
    // Room for the whole text: nothing is cut.
    Feld(w, "Absatz").SetProperty("Height", 120);
    EXPECT_FALSE(EndsInEllipsis(Feld(w, "Absatz").Grab()));
    EXPECT_EQ(Feld(w, "Absatz").ToolTip(), "");
    Feld(w, "Zeilen").SetText("x^2 - 1\n");  // an empty line below hides nothing
    EXPECT_EQ(Feld(w, "Zeilen").ToolTip(), "");
}

TEST_F(FrameworkCutText, TextAreaHidesItsSelectionWithoutFocusWhenAskedTo) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<TextArea>(w, "Verbirgt", Placed(10, 10, 150, 28).String("Text", kKurz));
        AddControl<TextArea>(w, "VerbirgtLang", Placed(10, 40, 150, 28).String("Text", kLang));
        AddControl<TextArea>(
            w, "Zeigt",
            Placed(10, 70, 150, 28).String("Text", kKurz).Boolean("HideSelection", false));
        AddControl<PushButton>(w, "Knopf", Placed(300, 10, 60, 24));
    });
    for (const char* name : {"Verbirgt", "VerbirgtLang", "Zeigt"}) {
        SCOPED_TRACE(name);
        TextControl& feld = Feld(w, name);
        w._ControlByName("Knopf").SetFocus();
        const Image vorher = feld.Grab();
        feld.SetFocus();
        feld.PressKey("Ctrl+A");
        EXPECT_NE(feld.Grab().pixels, vorher.pixels);  // the selection shows while focused
        w._ControlByName("Knopf").SetFocus();
        const bool verborgen = feld.Grab().pixels == vorher.pixels;
        EXPECT_EQ(verborgen, std::string(name) != "Zeigt");
    }
}

}  // namespace
