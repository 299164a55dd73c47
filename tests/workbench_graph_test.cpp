#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "framework/Runtime.h"
#include "workbench_fixture.h"

namespace {

constexpr std::uint32_t kHintergrund = 0xF0FFFF;
constexpr std::uint32_t kRot = 0xFF0000;
constexpr std::uint32_t kSchwarz = 0x000000;

// True when the curve's colour lies in column x within one pixel of the row: the pen is two
// pixels wide, and which two rows it covers is the painter's.
bool KurveBei(const Image& bild, int x, int zeile) {
    for (int y = zeile - 1; y <= zeile + 1; ++y) {
        if (y >= 0 && y < bild.height && bild.At(x, y) == kRot) return true;
    }
    return false;
}

}  // namespace

class Graph : public WerkbankTest {
  protected:
    Image Skizze(const std::string& f) {
        Analysiere(f);
        ProcessEvents();
        return w->GraphCanvas().Grab();
    }
};

TEST_F(Graph, ZeroPolynomialLiesOnTheXAxis) {
    const Image bild = Skizze("0");
    ASSERT_EQ(bild.width, 400);
    ASSERT_EQ(bild.height, 232);
    EXPECT_EQ(bild.At(50, 50), kHintergrund);
    EXPECT_EQ(bild.At(350, 200), kHintergrund);
    EXPECT_EQ(bild.At(50, 115), kSchwarz);  // the x-axis over the curve
    EXPECT_TRUE(KurveBei(bild, 50, 115));   // the curve shows beside the thinner axis
    EXPECT_EQ(bild.At(200, 50), kSchwarz);  // the y-axis, column 200
    EXPECT_EQ(bild.At(200, 229), kSchwarz);
    EXPECT_EQ(bild.At(390, 110), kSchwarz);  // arrow heads
    EXPECT_EQ(bild.At(390, 120), kSchwarz);
    EXPECT_EQ(bild.At(195, 10), kSchwarz);
    EXPECT_EQ(bild.At(205, 10), kSchwarz);
}

TEST_F(Graph, IdentityRunsCornerToCorner) {
    const Image bild = Skizze("x");
    for (int x : {20, 100, 150, 250, 300, 380}) {
        const int zeile = 230 - (x * 230 + 200) / 400;  // the row of x, rounded
        EXPECT_TRUE(KurveBei(bild, x, zeile)) << x;
        EXPECT_EQ(bild.At(x, zeile < 115 ? zeile + 20 : zeile - 20), kHintergrund) << x;
    }
    EXPECT_EQ(bild.At(200, 115), kSchwarz);
    EXPECT_EQ(bild.At(100, 115), kSchwarz);
    EXPECT_EQ(bild.At(200, 200), kSchwarz);
}

TEST_F(Graph, ConstantFiveNearTheTopWithTheXAxisNearTheBottom) {
    const Image bild = Skizze("5");
    for (int x : {10, 100, 300, 390}) {
        EXPECT_TRUE(KurveBei(bild, x, 19)) << x;    // 230 - 5.5 * 230 / 6
        EXPECT_EQ(bild.At(x, 211), kSchwarz) << x;  // 230 - 0.5 * 230 / 6
        EXPECT_EQ(bild.At(x, 110), x == 200 ? kSchwarz : kHintergrund);
    }
    EXPECT_EQ(bild.At(200, 100), kSchwarz);
}

TEST_F(Graph, RejectedInputLeavesTheSketch) {
    const Image vorher = Skizze("x^2 - 1");
    const Image nachher = Skizze("x^");
    EXPECT_EQ(vorher.pixels, nachher.pixels);
}

TEST_F(Graph, ScreenshotOfAFourthDegreeAnalysis) {
    Analysiere("x^4 - 5x^2 + 4");
    ProcessEvents();
    const std::filesystem::path ordner = VEMTARIX_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(ordner);
    const std::filesystem::path datei = ordner / "analyse_x4.png";
    std::filesystem::remove(datei);
    ASSERT_TRUE(w->SaveScreenshot(datei.string()));
    EXPECT_GT(std::filesystem::file_size(datei), 10000u);
}
