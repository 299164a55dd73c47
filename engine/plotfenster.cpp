// The plotting window: the x and y ranges over which the graph sketch draws a polynomial.
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "engine/PolynomT.h"
#include "framework/Text.h"

namespace {

// The sketch divides by the window's width and height, so both ends and their difference must
// be finite; half the largest Double keeps the difference of any two ends finite.
constexpr double kRand = std::numeric_limits<double>::max() / 2;

// Makes [lo, hi] a finite range with lo < hi. A range that the arithmetic lost (NaN) becomes
// -1 to 1; infinite ends are pulled in to kRand; an empty range (values too large for the +-1
// widening to show) is widened by a tenth of its value, at least by 1.
void Spanne(double& lo, double& hi) {
    if (std::isnan(lo) || std::isnan(hi)) {
        lo = -1;
        hi = 1;
        return;
    }
    if (hi < lo) std::swap(lo, hi);
    lo = std::clamp(lo, -kRand, kRand);
    hi = std::clamp(hi, -kRand, kRand);
    if (lo < hi) return;
    const double c = lo;
    const double h = std::max(std::fabs(c) / 10, 1.0);
    lo = std::max(c - h, -kRand);
    hi = std::min(c + h, kRand);
}

}  // namespace

void PolynomT::EckenErmitteln(const std::vector<double>& kp) {
    const std::vector<double> punkte = kp;
    const int g = grad();
    if (g < 1) {
        xmin = -1;
        xmax = 1;
        const double c = FWert(0);
        if (c == 0) {
            ymin = -1;
            ymax = 1;
        } else if (c < 0) {
            ymin = c * 1.1;
            ymax = (-c) * 0.1;
        } else if (c > 0) {
            ymin = (-c) * 0.1;
            ymax = c * 1.1;
        } else {
            ymin = -1;  // a constant that is no number
            ymax = 1;
        }
        Spanne(ymin, ymax);
        return;
    }
    if (g == 1) {
        const double z = (-Koeff[0]) / Koeff[1];
        if (z == 0) {
            xmin = z - 2;
            xmax = z + 2;
        } else if (z < 0) {
            xmin = 2 * z;
            xmax = -z;
        } else {
            xmin = -z;
            xmax = 2 * z;
        }
        Spanne(xmin, xmax);
        ymin = Min(FWert(xmin), FWert(xmax));
        ymax = Max(FWert(xmin), FWert(xmax));
        Spanne(ymin, ymax);
        return;
    }
    // Without a critical point the window is the one of a single critical point at 0.
    const std::vector<double> ersatz = {1.0, 0.0};
    const std::vector<double>& p = punkte.size() >= 2 ? punkte : ersatz;
    const std::size_t n = p.size() - 1;
    xmin = p[1];
    xmax = p[n];
    double d = (xmax - xmin) / 10;
    if (d == 0) d = 1;
    xmin = xmin - d;
    xmax = xmax + d;
    Spanne(xmin, xmax);
    ymin = ymax = FWert(xmin);
    for (std::size_t k = 1; k <= n; ++k) {
        const double v = FWert(p[k]);
        ymin = Min(ymin, v);
        ymax = Max(ymax, v);
    }
    if (ymax - ymin == 0) {
        ymin = ymin - 1;
        ymax = ymax + 1;
    }
    if (ymin == 0) ymin = -ymax / 20;
    if (ymax == 0) ymax = -ymin / 20;
    Spanne(ymin, ymax);
}
