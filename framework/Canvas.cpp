// Canvas and its drawing context. Drawing is exact to the pixel: no antialiasing, and a line is
// traced by a pen of PenWidth x PenHeight pixels whose top left corner runs along the line's
// pixels, so a test can check single pixels.

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "framework/Internals.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

struct Graphics::Impl {
    QPainter& painter;
    int width;
    int height;
    QColor colour = Qt::black;
    int penWidth = 1;
    int penHeight = 1;
};

namespace {

struct Point {
    long long x;
    long long y;
};

// Cuts the segment to the box [lo, hi] in both axes (Liang-Barsky); false when nothing is left.
bool ClipToBox(double& x1, double& y1, double& x2, double& y2, double lo, double hiX, double hiY) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - lo, hiX - x1, y1 - lo, hiY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

}  // namespace

Graphics::Graphics(Impl& impl) : impl_(impl) {}
Graphics::~Graphics() = default;

void Graphics::ForeColor(Color color) {
    impl_.colour = ToQColor(color);
}
void Graphics::PenWidth(int width) {
    impl_.penWidth = std::max(1, width);
}
void Graphics::PenHeight(int height) {
    impl_.penHeight = std::max(1, height);
}

void Graphics::FillRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    impl_.painter.fillRect(QRect(x, y, width, height), impl_.colour);
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
    const int w = impl_.penWidth, h = impl_.penHeight;
    Point a{x1, y1}, b{x2, y2};
    // A line that reaches far outside (a steep curve does) is first cut to the canvas with a
    // margin, so that tracing it stays short; a line inside is traced exactly as given.
    const long long margin = std::max(w, h) + 2;
    auto outside = [&](Point p) {
        return p.x < -margin || p.y < -margin || p.x > impl_.width + margin ||
               p.y > impl_.height + margin;
    };
    if (outside(a) || outside(b)) {
        double ax = a.x, ay = a.y, bx = b.x, by = b.y;
        if (!ClipToBox(ax, ay, bx, by, -static_cast<double>(margin),
                       static_cast<double>(impl_.width + margin),
                       static_cast<double>(impl_.height + margin)))
            return;
        a = {std::llround(ax), std::llround(ay)};
        b = {std::llround(bx), std::llround(by)};
    }
    if (a.x == b.x || a.y == b.y) {  // one rectangle covers a straight stroke
        const long long left = std::min(a.x, b.x), top = std::min(a.y, b.y);
        impl_.painter.fillRect(QRect(static_cast<int>(left), static_cast<int>(top),
                                     static_cast<int>(std::llabs(b.x - a.x) + w),
                                     static_cast<int>(std::llabs(b.y - a.y) + h)),
                               impl_.colour);
        return;
    }
    // Bresenham: every pixel of the line gets the pen's rectangle.
    const long long dx = std::llabs(b.x - a.x), dy = -std::llabs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    long long err = dx + dy;
    for (Point p = a;;) {
        impl_.painter.fillRect(QRect(static_cast<int>(p.x), static_cast<int>(p.y), w, h),
                               impl_.colour);
        if (p.x == b.x && p.y == b.y) break;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

namespace {

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(Canvas& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}
    bool transparent = true;
    bool eraseBackground = true;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setClipRect(rect());
        if (!transparent && eraseBackground) painter.fillRect(rect(), palette().window());
        const Canvas::PaintHandler& handler = PaintHandlerOf(owner_);
        if (!handler) return;
        Graphics::Impl state{painter, width(), height()};
        Graphics g(state);
        const std::vector<Rect> areas{Rect{0, 0, width(), height()}};
        const Canvas::PaintHandler call = handler;  // the handler may close the window
        if (std::exception_ptr error = RunThroughExceptionRoutine([&] { call(g, areas); }))
            ReportLater(error);
    }

    // A dialog must not open inside a paint (it would paint this widget again, inside its own
    // paint); the error is shown once the paint is over. While one such report is waiting, a
    // paint that fails again reports nothing more, so a failing handler cannot flood the screen.
    static void ReportLater(std::exception_ptr error) {
        static bool waiting = false;
        if (waiting) return;
        waiting = true;
        QMetaObject::invokeMethod(
            qApp,
            [error] {
                RuntimeUnhandledException(error);
                waiting = false;
            },
            Qt::QueuedConnection);
    }

  private:
    Canvas& owner_;
};

class CanvasAdapter : public ControlAdapter {
  public:
    explicit CanvasAdapter(CanvasWidget* widget) : widget_(widget) {}
    void Apply(std::string_view name, const PropertyValue& value) override {
        if (name == "Transparent") {
            widget_->transparent = std::get<bool>(value);
        } else if (name == "EraseBackground") {
            widget_->eraseBackground = std::get<bool>(value);
        } else if (name == "AcceptFocus") {
            widget_->setFocusPolicy(std::get<bool>(value) ? Qt::StrongFocus : Qt::NoFocus);
        } else {
            return;
        }
        widget_->update();
    }

  private:
    CanvasWidget* widget_;
};

}  // namespace

void Canvas::CreateWidget() {
    auto* widget = new CanvasWidget(*this, NewWidgetParent(*this));
    widget->setFocusPolicy(Qt::NoFocus);
    InstallWidget(*this, widget, std::make_unique<CanvasAdapter>(widget));
}

void Canvas::Invalidate(bool immediately) {
    QWidget* widget = WidgetOf(*this);
    if (!widget) return;
    if (immediately)
        widget->repaint();
    else
        widget->update();
}
