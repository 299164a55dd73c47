#include <vector>

#include "framework/Graphics.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

constexpr int kBreite = 400;      // pixel columns of the x range
constexpr double kUnten = 230.0;  // row of ymin, and the scale of the y mapping
constexpr int kHintergrundHoehe = 235;

// Whole pixel of a Double coordinate.
int P(double v) {
    return ToInt32(v);
}

}  // namespace

void HauptF::GraphCanvas_Paint(Canvas&, Graphics& g, const std::vector<Rect>&) {
    if (PPP) Zeichnef(g);
}

void HauptF::Zeichnef(Graphics& g) {
    const PolynomT& f = *PPP;
    const double xmin = f.xmin;
    const double xmax = f.xmax;
    const double ymin = f.ymin;
    const double ymax = f.ymax;
    const double dx = (xmax - xmin) / kBreite;
    const double r = 1.0 / dx;
    const double dy = ymax - ymin;
    const auto zeile = [&](double v) { return kUnten - ((v - ymin) * kUnten) / dy; };

    g.ForeColor(RGB(240, 255, 255));
    g.FillRect(0, 0, kBreite, kHintergrundHoehe);

    g.PenWidth(2);
    g.PenHeight(2);
    g.ForeColor(RGB(255, 0, 0));
    double yprev = zeile(f.FWert(xmin + dx));
    for (int i = 0; i <= kBreite; ++i) {
        const double x = xmin + static_cast<double>(i) * dx;
        const double y = zeile(f.FWert(x));
        g.DrawLine(i - 1, P(yprev), i, P(y));
        yprev = y;
    }

    g.ForeColor(RGB(0, 0, 0));
    g.PenWidth(1);
    g.PenHeight(1);
    if (!(ymin * ymax > 0)) {
        const double t = kUnten + (kUnten * ymin) / dy;
        g.DrawLine(0, P(t), kBreite, P(t));
        g.DrawLine(kBreite, P(t), 390, P(t - 5));
        g.DrawLine(kBreite, P(t), 390, P(t + 5));
    }
    if (!(xmin * xmax > 0)) {
        const double px = (-r) * xmin;
        g.DrawLine(P(px), 0, P(px), 230);
        g.DrawLine(P(px), 0, P(px - 5), 10);
        g.DrawLine(P(px), 0, P(px + 5), 10);
    }
}
