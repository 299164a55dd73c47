// Snapping, rounding and the zero test shared by the engine and the workbench.
#include <cmath>
#include <limits>
#include <utility>

#include "engine/Dienste.h"
#include "engine/Numerik.h"
#include "framework/Text.h"

namespace polynom {

bool IstNull(double v) {
    return Abs(v) < numerik::kNullTest;
}

double Runden(double x) {
    return numerik::WertGefangen(x);
}

void RundnfAusg(double& x) {
    x = numerik::AusgabeGefangen(x);
}

// Where x · 10^n is no finite number (or the scale vanishes) rounding would make an infinity
// or NaN out of a finite x; x is then returned as it is.
double Gerundet(std::int32_t n, double x) {
    const double skala = Pow(10, n);
    const double t = x * skala;
    if (!std::isfinite(x) || !std::isfinite(t) || skala == 0.0) return x;
    return Round(t) / skala;
}

// Exact on the magnitudes as whole numbers; the one result beyond Int64, 2^63, saturates.
std::int64_t ggT(std::int64_t a, std::int64_t b) {
    auto betrag = [](std::int64_t v) {
        return v < 0 ? ~static_cast<std::uint64_t>(v) + 1 : static_cast<std::uint64_t>(v);
    };
    std::uint64_t x = betrag(a);
    std::uint64_t y = betrag(b);
    if (y < x) std::swap(x, y);
    while (x > 0) {
        const std::uint64_t r = y % x;
        y = x;
        x = r;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(y > kMax ? kMax : y);
}

}  // namespace polynom
