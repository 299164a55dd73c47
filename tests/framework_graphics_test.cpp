#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Errors.h"
#include "framework/Graphics.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"
#include "tests/support/ScriptedDialogHost.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlack = 0x000000;

class PaintWindow : public Window {
  public:
    PaintWindow() : Window("PaintWindow") {}
    std::function<void(Graphics&)> draw;
    int paints = 0;
    std::vector<Rect> lastAreas;

    void Bild_Paint(Canvas&, Graphics& g, const std::vector<Rect>& areas) {
        ++paints;
        lastAreas = areas;
        if (draw) draw(g);
    }
    Canvas& Bild() { return static_cast<Canvas&>(_ControlByName("Bild")); }

  protected:
    void Layout() override { _SetProperties(*this, WindowRecord(200, 100)); }
    void CreateControls() override {
        auto& canvas = AddControl<Canvas>(*this, "Bild", Placed(10, 10, 40, 30));
        WirePaint(canvas, *this, &PaintWindow::Bild_Paint);
    }
};

PaintWindow& Build(std::function<void(Graphics&)> draw) {
    auto* w = new PaintWindow();
    w->draw = std::move(draw);
    w->Constructor();
    return *w;
}

void White(Graphics& g) {
    g.ForeColor(RGB(255, 255, 255));
    g.FillRect(0, 0, 40, 30);
}

class FrameworkGraphics : public FreshApplicationTest {};

TEST_F(FrameworkGraphics, FillRectCoversExactlyItsPixels) {
    PaintWindow& w = Build([](Graphics& g) {
        White(g);
        g.ForeColor(RGB(255, 0, 0));
        g.FillRect(5, 6, 3, 2);
    });
    const Image picture = w.Bild().Grab();
    ASSERT_EQ(picture.width, 40);
    ASSERT_EQ(picture.height, 30);
    for (int y = 4; y < 10; ++y)
        for (int x = 3; x < 10; ++x)
            EXPECT_EQ(picture.At(x, y), (x >= 5 && x < 8 && y >= 6 && y < 8) ? kRed : kWhite)
                << x << "," << y;
    EXPECT_EQ(w.lastAreas.size(), 1u);
    EXPECT_EQ(w.lastAreas[0].width, 40);
}

TEST_F(FrameworkGraphics, LinesUseThePenSizeThatHolds) {
    PaintWindow& w = Build([](Graphics& g) {
        White(g);
        g.ForeColor(RGB(0, 0, 0));
        g.DrawLine(0, 2, 39, 2);  // one pixel high
        g.ForeColor(RGB(255, 0, 0));
        g.PenWidth(2);
        g.PenHeight(2);
        g.DrawLine(10, 10, 13, 13);  // a diagonal traced by a 2 x 2 pen
    });
    const Image picture = w.Bild().Grab();
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(picture.At(x, 2), kBlack);
        EXPECT_EQ(picture.At(x, 1), kWhite);
        EXPECT_EQ(picture.At(x, 3), kWhite);
    }
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(picture.At(10 + i, 10 + i), kRed);
        EXPECT_EQ(picture.At(11 + i, 11 + i), kRed);
        EXPECT_EQ(picture.At(11 + i, 10 + i), kRed);
    }
    EXPECT_EQ(picture.At(15, 15), kWhite);
    EXPECT_EQ(picture.At(10, 12), kWhite);
}

TEST_F(FrameworkGraphics, DrawingIsCutOffAtTheBorder) {
    PaintWindow& w = Build([](Graphics& g) {
        White(g);
        g.ForeColor(RGB(255, 0, 0));
        g.FillRect(30, 20, 400, 235);  // reaches far past the canvas
        g.ForeColor(RGB(0, 0, 0));
        g.DrawLine(0, -2000000000, 20, 2000000000);  // a very steep curve segment
    });
    const Image picture = w.Bild().Grab();
    EXPECT_EQ(picture.At(39, 29), kRed);
    EXPECT_EQ(picture.At(29, 29), kWhite);
    EXPECT_EQ(picture.At(10, 15), kBlack);  // the steep line passes the middle row there
    // The window around the canvas is untouched.
    const Image window = w.Grab();
    EXPECT_NE(window.At(60, 50), kRed);
}

TEST_F(FrameworkGraphics, InvalidatePaintsAtOnce) {
    PaintWindow& w = Build(nullptr);
    const int before = w.paints;
    w.Bild().Invalidate(true);
    EXPECT_EQ(w.paints, before + 1);
}

TEST_F(FrameworkGraphics, ErrorInPaintIsShownOnceThePaintIsOver) {
    ScriptedDialogHost host;
    PaintWindow& w = Build(nullptr);
    w.draw = [](Graphics&) { throw RuntimeException("Malfehler"); };
    w.Bild().Invalidate(true);
    w.Bild().Invalidate(true);
    ProcessEvents();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0], "Ein unerwarteter Fehler ist aufgetreten: Malfehler");
}

}  // namespace
