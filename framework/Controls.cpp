#include "framework/Controls.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>

#include "framework/Errors.h"
#include "framework/Internals.h"
#include "framework/Window.h"

struct RectControl::Impl {
    QPointer<QWidget> widget;
    std::unique_ptr<ControlAdapter> adapter;
    std::string name;
    std::map<Event, std::function<void()>> handlers;
    Canvas::PaintHandler paint;
    float textSize = 0;  // 0: the framework's default size
    std::uint8_t textUnit = 0;
    double lineSpacing = 1.0;
    std::optional<std::string> pendingText;  // text set before the widget existed
    // What the widget's font was last made from. A record names face, bold, italic and
    // underline one entry at a time and the text size comes apart; most of them leave the font
    // as it is, and setting an equal font again would only make Qt lay the text out once more.
    struct FontChoice {
        std::string face;
        int pixelSize = 0;
        bool bold = false, italic = false, underline = false;
        friend bool operator==(const FontChoice&, const FontChoice&) = default;
    };
    std::optional<FontChoice> appliedFont;
    Rect bounds;  // Left, Top, Width and Height as the record set them, for the widget
};

namespace {

using Values = std::map<std::string, PropertyValue, std::less<>>;

// The member of `bounds` that the geometry property `name` sets, or nullptr for another one.
int* BoundsField(Rect& bounds, std::string_view name) {
    if (name == "Left") return &bounds.left;
    if (name == "Top") return &bounds.top;
    if (name == "Width") return &bounds.width;
    if (name == "Height") return &bounds.height;
    return nullptr;
}

}  // namespace

// ---- Glue ----

void InstallWidget(RectControl& control, QWidget* widget, std::unique_ptr<ControlAdapter> adapter) {
    control.impl().widget = widget;
    control.impl().adapter = std::move(adapter);
}

QWidget* WidgetOf(const RectControl& control) {
    return control.impl().widget.data();
}

// A widget made inside its window's client area from the start is spared being moved there
// from a window of its own.
QWidget* NewWidgetParent(const RectControl& control) {
    Window* window = control.ParentWindow();
    return window ? ClientAreaOf(*window) : nullptr;
}

ControlAdapter* AdapterOf(const RectControl& control) {
    return control.impl().widget ? control.impl().adapter.get() : nullptr;
}

const Canvas::PaintHandler& PaintHandlerOf(const Canvas& canvas) {
    return canvas.impl().paint;
}

void Canvas::SetPaintHandler(PaintHandler handler) {
    impl_->paint = std::move(handler);
}

Image ImageOf(QWidget* widget) {
    Image image;
    if (!widget) return image;
    const QImage picture = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.width = picture.width();
    image.height = picture.height();
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(line[x] & 0xFFFFFFu);
    }
    return image;
}

// Text sizes are the points of the 72-dpi screen that the layouts were drawn for, one point a
// pixel there (TextUnit 0, the default, and 2, points, alike; 1 means pixels). DejaVu Sans runs
// about a tenth wider than the face those layouts were measured with, so a point is drawn as
// 0.9 pixel: every caption then fits its control with the margins it was given.
double FontPixelSize(float size, std::uint8_t unit) {
    constexpr float kDefaultSize = 12;
    constexpr double kPointInPixels = 0.9;
    const float points = size > 0 ? size : kDefaultSize;
    if (unit == 1) return points;
    return points * kPointInPixels;
}

int RoundedPixelSize(double pixelSize) {
    return std::max(1, static_cast<int>(pixelSize + 0.5));
}

QFont FontFor(const std::string& face, double pixelSize, bool bold, bool italic, bool underline) {
    QFont font = QApplication::font();
    if (!face.empty() && face != "System" && face != "SmallSystem")
        font.setFamily(QString::fromStdString(face));
    font.setPixelSize(RoundedPixelSize(pixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

// ---- RectControl ----

RectControl::RectControl() : impl_(std::make_unique<Impl>()) {}

RectControl::~RectControl() {
    // The widget belongs to the window's client area; a control that goes before its window
    // takes its widget along.
    delete impl_->widget.data();
}

std::string RectControl::Name() const {
    return impl_->name;
}

void RectControl::AttachTo(Window& window, std::string name) {
    window_ = &window;
    impl_->name = std::move(name);
    CreateWidget();
    QWidget* widget = impl_->widget;
    if (QWidget* client = ClientAreaOf(window); widget->parentWidget() != client)
        widget->setParent(client);
    widget->setAttribute(Qt::WA_MacShowFocusRect, true);
    // Values set before the widget existed reach it now, in name order; geometry and flags do
    // not depend on the order.
    for (const auto& [key, value] : PropertyValues()) ApplyProperty(key, value);
    if (impl_->pendingText) {
        impl_->adapter->SetText(*impl_->pendingText);
        impl_->pendingText.reset();
    }
    if (impl_->lineSpacing != 1.0) impl_->adapter->SetLineSpacing(impl_->lineSpacing);
    if (auto* text = dynamic_cast<TextControl*>(this)) text->SetTextSize(impl_->textSize);
    widget->setVisible(Get(PropertyValues(), "Visible", true));
}

void RectControl::SetHandler(Event event, std::function<void()> handler) {
    impl_->handlers[event] = std::move(handler);
}

bool RectControl::HasHandler(Event event) const {
    if (event == Event::Paint && impl_->paint) return true;
    return impl_->handlers.count(event) != 0;
}

void RectControl::Raise(Event event) {
    if (event == Event::Paint) {
        if (auto* canvas = dynamic_cast<Canvas*>(this)) canvas->Invalidate(true);
        return;
    }
    auto it = impl_->handlers.find(event);
    if (it == impl_->handlers.end()) return;
    // A copy: the handler may close the window and so destroy this control's table.
    const std::function<void()> handler = it->second;
    CallWithExceptionHandling(handler);
}

bool RectControl::Enabled() const {
    if (!impl_->widget) return Get(*this, "Enabled", true);
    return impl_->widget->isEnabled();
}

void RectControl::SetEnabled(bool enabled) {
    if (impl_->widget) impl_->widget->setEnabled(enabled);
}

bool RectControl::Visible() const {
    if (!impl_->widget) return Get(*this, "Visible", true);
    return !impl_->widget->isHidden();
}

void RectControl::SetVisible(bool visible) {
    if (impl_->widget) impl_->widget->setVisible(visible);
}

Rect RectControl::Bounds() const {
    if (!impl_->widget)
        return Rect{Get(*this, "Left", 0), Get(*this, "Top", 0), Get(*this, "Width", 0),
                    Get(*this, "Height", 0)};
    const QRect r = impl_->widget->geometry();
    return Rect{r.x(), r.y(), r.width(), r.height()};
}

void RectControl::SetFocus() {
    if (impl_->widget) impl_->widget->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
    QWidget* widget = impl_->widget;
    if (!widget) return false;
    QWidget* focus = widget->window()->focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

Image RectControl::Grab() const {
    return ImageOf(impl_->widget);
}

void RectControl::PressKey(std::string_view combination) {
    QWidget* widget = impl_->widget;
    if (!widget) return;
    const QKeySequence sequence = QKeySequence::fromString(ToQ(combination));
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        throw RuntimeException("Keine Tastenkombination: " + std::string(combination));
    Qt::Key key = sequence[0].key();
    const Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
    // The window systems report Shift+Tab as Backtab.
    if (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier)) key = Qt::Key_Backtab;
    QString text;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        text = QStringLiteral("\t");
    } else if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde &&
               !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        const QChar character(static_cast<char16_t>(key));
        text = modifiers & Qt::ShiftModifier ? character.toUpper() : character.toLower();
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    // The release goes where the focus went.
    QWidget* focus = widget->window()->focusWidget();
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(focus ? focus : widget, &release);
}

void RectControl::ApplyProperty(std::string_view name, const PropertyValue& value) {
    QWidget* widget = impl_->widget;
    if (!widget) return;  // AttachTo replays the value
    if (int* edge = BoundsField(impl_->bounds, name)) {
        *edge = std::get<std::int32_t>(value);
        const Rect& r = impl_->bounds;
        widget->setGeometry(r.left, r.top, r.width, r.height);
    } else if (name == "Enabled") {
        widget->setEnabled(std::get<bool>(value));
    } else if (name == "Visible") {
        widget->setVisible(std::get<bool>(value));
    } else if (name == "TabStop" || name == "TabIndex") {
        if (widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Get(PropertyValues(), "TabStop", true) ? Qt::StrongFocus
                                                                          : Qt::ClickFocus);
        TabOrderChanged(*window_);
    } else if (name == "UseFocusRing") {
        widget->setAttribute(Qt::WA_MacShowFocusRect, std::get<bool>(value));
    } else if (name == "TextColor" || name == "BackColor") {
        QPalette palette = widget->palette();
        const QPalette shown = palette;
        const QColor colour = ToQColor(std::get<Color>(value));
        if (name == "TextColor") {
            // The disabled group keeps its grey, so a disabled control still looks disabled.
            for (auto group : {QPalette::Active, QPalette::Inactive})
                for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
                    palette.setColor(group, role, colour);
        } else {
            palette.setColor(QPalette::Base, colour);
        }
        // Nearly every record asks for the black text that a control shows anyway; a palette
        // change that changes no colour would only make Qt propagate and repaint for nothing.
        if (palette != shown) widget->setPalette(palette);
    } else if (name == "TextFont" || name == "Bold" || name == "Italic" || name == "Underline") {
        if (auto* text = dynamic_cast<TextControl*>(this)) text->SetTextSize(impl_->textSize);
    } else {
        impl_->adapter->Apply(name, value);
    }
}

// ---- TextControl ----

std::string TextControl::Text() const {
    if (ControlAdapter* adapter = AdapterOf(*this)) return adapter->Text();
    return impl_->pendingText.value_or(std::string());
}

void TextControl::SetText(std::string_view text) {
    if (ControlAdapter* adapter = AdapterOf(*this))
        adapter->SetText(text);
    else
        impl_->pendingText = std::string(text);
}

void TextControl::SetTextSize(float size) {
    impl_->textSize = size;
    QWidget* widget = impl_->widget;
    if (!widget) return;
    const Values& values = PropertyValues();
    const double pixelSize = FontPixelSize(impl_->textSize, impl_->textUnit);
    Impl::FontChoice choice{Get<std::string>(values, "TextFont", "System"),
                            RoundedPixelSize(pixelSize), Get(values, "Bold", false),
                            Get(values, "Italic", false), Get(values, "Underline", false)};
    if (impl_->appliedFont == choice) return;
    QFont font = FontFor(choice.face, pixelSize, choice.bold, choice.italic, choice.underline);
    // A new widget shows the application's font, which is what most controls keep; giving it
    // the same font once more would change nothing that shows.
    const bool unchanged = !impl_->appliedFont && font == widget->font();
    impl_->appliedFont = std::move(choice);
    if (unchanged) return;
    widget->setFont(font);
    impl_->adapter->FontChanged();
}

void TextControl::SetTextUnit(std::uint8_t unit) {
    impl_->textUnit = unit;
    SetTextSize(impl_->textSize);
}

float TextControl::TextSize() const {
    return impl_->textSize;
}
std::uint8_t TextControl::TextUnit() const {
    return impl_->textUnit;
}

void TextArea::SetLineSpacing(double spacing) {
    impl_->lineSpacing = spacing;
    if (ControlAdapter* adapter = AdapterOf(*this)) adapter->SetLineSpacing(spacing);
}

double TextArea::LineSpacing() const {
    return impl_->lineSpacing;
}
