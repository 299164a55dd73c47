#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Errors.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"

namespace {

class FrameworkControls : public FreshApplicationTest {};

TEST_F(FrameworkControls, RecordReachesEveryClassAndStaysReadable) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<TextField>(w, "Feld",
                              Placed(10, 20, 100, 24)
                                  .String("Text", "x^2")
                                  .Boolean("ReadOnly", true)
                                  .Colour("BackColor", RGB(229, 255, 216))
                                  .Int32("Alignment", 2));
        AddControl<TextArea>(w, "Bereich", Placed(10, 50, 200, 28).String("Text", "Faktorform"));
        AddControl<Label>(w, "Titel", Placed(10, 80, 140, 20).String("Text", "Nullstellen"));
        AddControl<PushButton>(w, "Knopf", Placed(200, 10, 70, 36).String("Caption", "f := g + f"));
        AddControl<ComboBox>(w, "Wahl",
                             Placed(200, 60, 140, 20)
                                 .String("InitialValue", "eins\rzwei\rdrei")
                                 .Int32("ListIndex", 1));
        AddControl<Canvas>(w, "Bild", Placed(10, 120, 100, 60).Boolean("Transparent", false));
        AddControl<UpDownArrows>(w, "Pfeile", Placed(300, 120, 27, 22).Boolean("Visible", false));
    });

    auto& field = static_cast<TextField&>(w._ControlByName("Feld"));
    EXPECT_EQ(field.Text(), "x^2");
    EXPECT_TRUE(field.ReadOnly());
    EXPECT_EQ(std::get<Color>(field.Property("BackColor")), RGB(229, 255, 216));
    EXPECT_EQ(std::get<std::int32_t>(field.Property("Alignment")), 2);
    const Rect bounds = field.Bounds();
    EXPECT_EQ(bounds.left, 10);
    EXPECT_EQ(bounds.top, 20);
    EXPECT_EQ(bounds.width, 100);
    EXPECT_EQ(bounds.height, 24);

    EXPECT_EQ(static_cast<TextArea&>(w._ControlByName("Bereich")).Text(), "Faktorform");
    EXPECT_EQ(static_cast<Label&>(w._ControlByName("Titel")).Text(), "Nullstellen");
    EXPECT_EQ(static_cast<PushButton&>(w._ControlByName("Knopf")).Text(), "f := g + f");
    auto& combo = static_cast<ComboBox&>(w._ControlByName("Wahl"));
    EXPECT_EQ(combo.Entries(), (std::vector<std::string>{"eins", "zwei", "drei"}));
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(combo.Text(), "zwei");
    EXPECT_FALSE(w._ControlByName("Pfeile").Visible());
    EXPECT_TRUE(w._ControlByName("Bild").Visible());
    EXPECT_EQ(w.Controls().size(), 7u);
    EXPECT_EQ(w.Controls()[0]->Name(), "Feld");
}

TEST_F(FrameworkControls, UnknownOrMistypedPropertyIsRejected) {
    TextField field;
    Label label;
    EXPECT_EQ(field.TypeOf("LimitText"), PropertyType::Int32);
    EXPECT_EQ(label.TypeOf("TextAlign"), PropertyType::Int32);
    EXPECT_THROW(label.TypeOf("ReadOnly"), RuntimeException);  // a TextField's, not a Label's
    EXPECT_THROW(field.TypeOf("Caption"), RuntimeException);
    EXPECT_THROW(_SetProperties(field, PropertyRecordWriter().Int32("Breite", 3).Bytes()),
                 RuntimeException);
    EXPECT_THROW(field.SetProperty("Left", std::string("10")), RuntimeException);
    // A record cut off inside an entry.
    const std::string whole = PropertyRecordWriter().String("Text", "abc").Bytes();
    EXPECT_THROW(_SetProperties(field, whole.substr(0, whole.size() - 1)), RuntimeException);
}

TEST_F(FrameworkControls, EachClassKnowsItsRecordTypes) {
    struct Case {
        std::unique_ptr<PropertyObject> control;
        const char* name;
        PropertyType type;
    };
    Case cases[] = {
        {std::make_unique<TextField>(), "AutomaticallyCheckSpelling", PropertyType::Boolean},
        {std::make_unique<TextField>(), "TextColor", PropertyType::Color},
        {std::make_unique<TextArea>(), "ScrollbarVertical", PropertyType::Boolean},
        {std::make_unique<TextArea>(), "Mask", PropertyType::String},
        {std::make_unique<Label>(), "InitialParent", PropertyType::String},
        {std::make_unique<PushButton>(), "ButtonStyle", PropertyType::Int32},
        {std::make_unique<ComboBox>(), "InitialValue", PropertyType::String},
        {std::make_unique<ComboBox>(), "AutoComplete", PropertyType::Boolean},
        {std::make_unique<Canvas>(), "EraseBackground", PropertyType::Boolean},
        {std::make_unique<UpDownArrows>(), "AcceptFocus", PropertyType::Boolean},
        {std::make_unique<UpDownArrows>(), "Index", PropertyType::Int32},
    };
    for (const Case& c : cases) EXPECT_EQ(c.control->TypeOf(c.name), c.type) << c.name;
    EXPECT_THROW(Canvas().TypeOf("Text"), RuntimeException);
    EXPECT_THROW(UpDownArrows().TypeOf("Caption"), RuntimeException);
}

TEST_F(FrameworkControls, SingleLineLabelDropsTrailingLineEnds) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<Label>(w, "Zeile",
                          Placed(0, 0, 300, 21).String("Text", "berandete Fläche\r\r\r"));
    });
    auto& label = static_cast<Label&>(w._ControlByName("Zeile"));
    EXPECT_EQ(label.Text(), "berandete Fläche\r\r\r");  // the text itself is kept
    // Shown on one line: nothing is drawn in the lower half of a label two lines high.
    label.SetProperty("Height", 60);
    label.SetProperty("TextAlign", 0);
    const Image picture = label.Grab();
    const std::uint32_t background = picture.At(picture.width - 1, picture.height - 1);
    int inked = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.At(x, y) != background) inked += y < 18 || y > 42 ? 1000 : 1;
    EXPECT_GT(inked, 0);
    EXPECT_LT(inked, 1000);
}

// The leftmost and rightmost columns that differ from the background (the middle pixel of the
// first row looked at).
std::pair<int, int> InkColumns(const Image& picture, int fromRow, int toRow) {
    const std::uint32_t background = picture.At(picture.width / 2, fromRow);
    int first = picture.width, last = -1;
    for (int y = fromRow; y < toRow; ++y)
        for (int x = 3; x < picture.width - 3; ++x)
            if (picture.At(x, y) != background) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST_F(FrameworkControls, AlignmentCodesPlaceTheText) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        for (int code = 0; code <= 2; ++code)
            AddControl<Label>(
                w, "L" + std::to_string(code),
                Placed(0, 30 * code, 200, 20).String("Text", "bis").Int32("TextAlign", code));
        for (int code = 1; code <= 3; ++code)
            AddControl<TextField>(
                w, "F" + std::to_string(code),
                Placed(210, 30 * code, 150, 24).String("Text", "12").Int32("Alignment", code));
    });
    const auto left = InkColumns(w._ControlByName("L0").Grab(), 2, 18);
    const auto centre = InkColumns(w._ControlByName("L1").Grab(), 2, 18);
    const auto right = InkColumns(w._ControlByName("L2").Grab(), 2, 18);
    EXPECT_LT(left.first, 10);
    EXPECT_NEAR((centre.first + centre.second) / 2, 100, 3);
    EXPECT_GT(right.second, 190);
    const auto fieldLeft = InkColumns(w._ControlByName("F1").Grab(), 8, 16);
    const auto fieldCentre = InkColumns(w._ControlByName("F2").Grab(), 8, 16);
    const auto fieldRight = InkColumns(w._ControlByName("F3").Grab(), 8, 16);
    EXPECT_LT(fieldLeft.first, 15);
    EXPECT_NEAR((fieldCentre.first + fieldCentre.second) / 2, 75, 4);
    EXPECT_GT(fieldRight.second, 135);
}

TEST_F(FrameworkControls, ComboBoxTakesAnyText) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<ComboBox>(w, "Wahl",
                             Placed(0, 0, 140, 20)
                                 .String("InitialValue", "    Anzeigen\r    Laden")
                                 .Int32("ListIndex", 0));
    });
    auto& combo = static_cast<ComboBox&>(w._ControlByName("Wahl"));
    EXPECT_EQ(combo.Text(), "    Anzeigen");  // leading blanks kept
    combo.SetText("Aktion wählen");
    EXPECT_EQ(combo.Text(), "Aktion wählen");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Entries().size(), 2u);  // free text adds no entry
    combo.Choose(1);
    EXPECT_EQ(combo.Text(), "    Laden");
    EXPECT_EQ(combo.ListIndex(), 1);
}

TEST_F(FrameworkControls, EnabledVisibleFocusAndTabOrder) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<TextField>(w, "C", Placed(0, 0, 50, 20).Int32("TabIndex", 3));
        AddControl<TextField>(w, "A", Placed(0, 30, 50, 20).Int32("TabIndex", 1));
        AddControl<TextField>(w, "B", Placed(0, 60, 50, 20).Int32("TabIndex", 2));
        AddControl<PushButton>(w, "Aus", Placed(60, 0, 50, 20).Boolean("Enabled", false));
    });
    auto& off = w._ControlByName("Aus");
    EXPECT_FALSE(off.Enabled());
    off.SetEnabled(true);
    EXPECT_TRUE(off.Enabled());
    off.SetVisible(false);
    EXPECT_FALSE(off.Visible());

    w._ControlByName("B").SetFocus();
    EXPECT_TRUE(w._ControlByName("B").HasFocus());
    EXPECT_EQ(w.FocusedControl(), &w._ControlByName("B"));
    EXPECT_FALSE(w._ControlByName("A").HasFocus());
}

TextControl& Text(Window& w, const std::string& name) {
    return static_cast<TextControl&>(w._ControlByName(name));
}

TEST_F(FrameworkControls, CtrlTabLeavesAControlThatKeepsTab) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<TextField>(w, "Vor", Placed(10, 10, 100, 24).Int32("TabIndex", 1));
        AddControl<TextField>(
            w, "Feld", Placed(10, 40, 100, 24).Int32("TabIndex", 2).Boolean("AcceptTabs", true));
        AddControl<TextArea>(
            w, "Bereich", Placed(10, 70, 100, 28).Int32("TabIndex", 3).Boolean("AcceptTabs", true));
        AddControl<TextField>(w, "Nach", Placed(10, 100, 100, 24).Int32("TabIndex", 4));
    });
    const auto fokus = [&] { return w.FocusedControl()->Name(); };
    Text(w, "Vor").SetFocus();
    Text(w, "Vor").PressKey("Tab");  // a field that does not keep Tab
    EXPECT_EQ(fokus(), "Feld");
    for (const char* taste : {"Tab", "Shift+Tab"}) {
        Text(w, "Feld").PressKey(taste);
        EXPECT_EQ(fokus(), "Feld") << taste;
    }
    EXPECT_EQ(Text(w, "Feld").Text(), "");
    Text(w, "Feld").PressKey("Ctrl+Tab");
    EXPECT_EQ(fokus(), "Bereich");
    Text(w, "Bereich").PressKey("Tab");
    EXPECT_EQ(fokus(), "Bereich");
    EXPECT_EQ(Text(w, "Bereich").Text(), "\t");
    Text(w, "Bereich").PressKey("Ctrl+Tab");
    EXPECT_EQ(fokus(), "Nach");

    Text(w, "Bereich").SetFocus();
    Text(w, "Bereich").PressKey("Ctrl+Shift+Tab");
    EXPECT_EQ(fokus(), "Feld");
    Text(w, "Feld").PressKey("Ctrl+Shift+Tab");
    EXPECT_EQ(fokus(), "Vor");
}

TEST_F(FrameworkControls, ExplicitTextSettingsBeforeTheRecordAreKept) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        auto& field = static_cast<TextField&>(w._AddControl("Eing", std::make_unique<TextField>()));
        field.SetTextSize(16);
        field.SetTextUnit(2);
        _SetProperties(field,
                       Placed(0, 0, 300, 32).Boolean("Bold", true).String("Text", "x").Bytes());
        auto& area = static_cast<TextArea&>(w._AddControl("Aus", std::make_unique<TextArea>()));
        area.SetLineSpacing(1.0);
        area.SetTextSize(16);
        _SetProperties(area, Placed(0, 40, 300, 28).Bytes());
    });
    auto& field = static_cast<TextField&>(w._ControlByName("Eing"));
    EXPECT_EQ(field.TextSize(), 16);
    EXPECT_EQ(field.TextUnit(), 2);
    EXPECT_TRUE(std::get<bool>(field.Property("Bold")));
    EXPECT_EQ(static_cast<TextArea&>(w._ControlByName("Aus")).LineSpacing(), 1.0);
}

TEST_F(FrameworkControls, DuplicateOrMissingNameIsAnError) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<Label>(w, "Eins", Placed(0, 0, 10, 10));
        EXPECT_THROW(w._AddControl("Eins", std::make_unique<Label>()), RuntimeException);
    });
    EXPECT_THROW(w._ControlByName("Zwei"), NilObjectException);
}

}  // namespace
