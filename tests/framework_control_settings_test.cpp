// A control's font, colours and geometry follow its settings whatever order they come in: a record
// names them one entry at a time, the explicit text size comes apart, and a later change of one
// setting must keep the others.

#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"

namespace {

constexpr Color kSchwarzText = RGB(0, 0, 0);
constexpr Color kRot = RGB(255, 0, 0);
constexpr Color kGruen = RGB(229, 255, 216);

// A text field as wide and high as the others, showing the same text, left-aligned; no tab
// stop, so that none of them takes the focus (and draws a cursor) when the window opens.
PropertyRecordWriter Feld(int top) {
    return Placed(0, top, 200, 32)
        .Boolean("TabStop", false)
        .String("Text", "Wg 12")
        .Int32("Alignment", 1);
}

TextField& FeldNamens(TestWindow& w, const std::string& name) {
    return static_cast<TextField&>(w._ControlByName(name));
}

class FrameworkControlSettings : public FreshApplicationTest {};

TEST_F(FrameworkControlSettings, FontFollowsItsSettingsInAnyOrder) {
    TestWindow& w = BuildWindow(
        [](TestWindow& w) {
            // Size before the record, bold inside it.
            auto& vorher =
                static_cast<TextField&>(w._AddControl("Vorher", std::make_unique<TextField>()));
            vorher.SetTextSize(16);
            _SetProperties(vorher, Feld(0).Boolean("Bold", true).Bytes());
            // Plain record, then size and bold afterwards.
            auto& nachher = AddControl<TextField>(w, "Nachher", Feld(40).Boolean("Bold", false));
            nachher.SetTextSize(16);
            nachher.SetProperty("Bold", true);
            AddControl<TextField>(w, "Mager", Feld(80)).SetTextSize(16);
            // A size set and taken back leaves the field as one that never had a size.
            auto& zurueck = AddControl<TextField>(w, "Zurueck", Feld(120));
            zurueck.SetTextSize(16);
            zurueck.SetTextSize(0);
            AddControl<TextField>(w, "Unberuehrt", Feld(160));
            // Bold set and taken back by the record itself.
            AddControl<TextField>(w, "Hin und her",
                                  Feld(200).Boolean("Bold", true).Boolean("Bold", false));
        },
        400, 260);

    const Image vorher = FeldNamens(w, "Vorher").Grab();
    EXPECT_EQ(vorher.pixels, FeldNamens(w, "Nachher").Grab().pixels);
    EXPECT_NE(vorher.pixels, FeldNamens(w, "Mager").Grab().pixels);

    const Image unberuehrt = FeldNamens(w, "Unberuehrt").Grab();
    EXPECT_EQ(unberuehrt.pixels, FeldNamens(w, "Zurueck").Grab().pixels);
    EXPECT_EQ(unberuehrt.pixels, FeldNamens(w, "Hin und her").Grab().pixels);
    EXPECT_NE(unberuehrt.pixels, FeldNamens(w, "Mager").Grab().pixels);
}

TEST_F(FrameworkControlSettings, EachGeometryEntryKeepsTheOtherEdges) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<Label>(w, "Schild", Placed(10, 20, 100, 24).String("Text", "x"));
    });
    RectControl& schild = w._ControlByName("Schild");
    schild.SetProperty("Width", 60);
    schild.SetProperty("Top", 5);
    const Rect r = schild.Bounds();
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.width, 60);
    EXPECT_EQ(r.height, 24);

    // A control whose values were set before it had a widget gets them all when it is added.
    auto spaeter = std::make_unique<Label>();
    _SetProperties(*spaeter, Placed(30, 40, 50, 16).Bytes());
    RectControl& angefuegt = w._AddControl("Spaeter", std::move(spaeter));
    angefuegt.SetProperty("Left", 35);
    const Rect s = angefuegt.Bounds();
    EXPECT_EQ(s.left, 35);
    EXPECT_EQ(s.top, 40);
    EXPECT_EQ(s.width, 50);
    EXPECT_EQ(s.height, 16);
}

TEST_F(FrameworkControlSettings, ColoursFollowTheirSettings) {
    TestWindow& w = BuildWindow(
        [](TestWindow& w) {
            AddControl<TextField>(w, "Unberuehrt", Feld(0));
            AddControl<TextField>(w, "Schwarz", Feld(40).Colour("TextColor", kSchwarzText));
            AddControl<TextField>(w, "Rot", Feld(80).Colour("TextColor", kRot));
            AddControl<TextField>(w, "Zurueck", Feld(120).Colour("TextColor", kRot))
                .SetProperty("TextColor", kSchwarzText);
            AddControl<TextField>(
                w, "Grund",
                Feld(160).Colour("TextColor", kSchwarzText).Colour("BackColor", kGruen));
        },
        400, 220);
    const Image unberuehrt = FeldNamens(w, "Unberuehrt").Grab();
    EXPECT_EQ(unberuehrt.pixels, FeldNamens(w, "Schwarz").Grab().pixels);
    EXPECT_EQ(unberuehrt.pixels, FeldNamens(w, "Zurueck").Grab().pixels);

    const Image rot = FeldNamens(w, "Rot").Grab();
    bool roteTinte = false;
    for (std::uint32_t p : rot.pixels) roteTinte |= (p >> 16) > 0xC0 && (p & 0xFFFF) < 0x4040;
    EXPECT_TRUE(roteTinte);

    const Image grund = FeldNamens(w, "Grund").Grab();
    EXPECT_EQ(grund.At(grund.width - 10, grund.height / 2), 0xE5FFD8u);
}

}  // namespace
