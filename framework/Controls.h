#pragma once
// The control classes. Each control owns its Qt widget privately; nothing here shows Qt.
// A control is created without a widget, added to a window (Window::_AddControl), which gives it
// its widget, and then configured through its property record (_SetProperties).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Properties.h"

class Graphics;
class Window;

// The events that the program handles. Each control keeps at most one handler per event.
enum class Event { TextChange, Open, Action, Up, Down, Paint, TextChanged };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A picture of a control as it is drawn now, for checks: pixel (x, y) is pixels[y * width + x]
// as 0xRRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

class RectControl : public PropertyObject {
  public:
    RectControl();
    ~RectControl() override;
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    virtual const char* ClassName() const = 0;
    std::string Name() const;
    Window* ParentWindow() const { return window_; }

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    Rect Bounds() const;
    void SetFocus();
    bool HasFocus() const;

    // Raises an event as the user's action would (the handler runs through the exception
    // routine). Tests and the widget glue use it.
    void Raise(Event event);
    bool HasHandler(Event event) const;
    Image Grab() const;
    // For the tests: presses and releases a key combination on the control as the keyboard does
    // while the control has the focus, written as shortcuts are written ("Tab", "Ctrl+Shift+Tab",
    // "Ctrl+A").
    void PressKey(std::string_view combination);

    // Framework internals: the window attaches the widget; the wiring stores a handler.
    struct Impl;
    Impl& impl() const { return *impl_; }
    void AttachTo(Window& window, std::string name);
    void SetHandler(Event event, std::function<void()> handler);

  protected:
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;
    virtual void CreateWidget() = 0;
    std::unique_ptr<Impl> impl_;
    Window* window_ = nullptr;
};

// Text-bearing controls share Text and the explicit text settings that records do not hold.
class TextControl : public RectControl {
  public:
    std::string Text() const;
    void SetText(std::string_view text);  // raises TextChange (or TextChanged) like a user edit
    void SetTextSize(float size);
    void SetTextUnit(std::uint8_t unit);
    float TextSize() const;
    std::uint8_t TextUnit() const;
    // For the tests, which check what a user reads; the program never asks it. The position
    // (from 1, as Mid counts) of the first character drawn at the leading edge of a text field
    // or text area as it is drawn now; 1 when the text is shown from its start (and for the
    // other classes, which do not scroll).
    std::int32_t FirstVisibleCharacter() const;
    // For the tests: the text of the tooltip that shows while the pointer rests on the middle of
    // the control, "" when none shows.
    std::string ToolTip() const;
};

class TextField : public TextControl {
  public:
    const char* ClassName() const override { return "TextField"; }
    PropertyType TypeOf(std::string_view name) const override;
    bool ReadOnly() const;

  protected:
    void CreateWidget() override;
};

class TextArea : public TextControl {
  public:
    const char* ClassName() const override { return "TextArea"; }
    PropertyType TypeOf(std::string_view name) const override;
    void SetLineSpacing(double spacing);
    double LineSpacing() const;

  protected:
    void CreateWidget() override;
};

class Label : public TextControl {
  public:
    const char* ClassName() const override { return "Label"; }
    PropertyType TypeOf(std::string_view name) const override;

  protected:
    void CreateWidget() override;
};

// Its Text is the caption (the record's Caption).
class PushButton : public TextControl {
  public:
    const char* ClassName() const override { return "PushButton"; }
    PropertyType TypeOf(std::string_view name) const override;
    // Presses the button as a click would (only when it is enabled and visible).
    void Push();

  protected:
    void CreateWidget() override;
};

// Editable: its text can be any text, not only one of its entries. TextChanged is raised for
// every change of the text, a chosen entry or typing.
class ComboBox : public TextControl {
  public:
    const char* ClassName() const override { return "ComboBox"; }
    PropertyType TypeOf(std::string_view name) const override;
    std::vector<std::string> Entries() const;
    std::int32_t ListIndex() const;
    // Chooses entry `index` as the user would.
    void Choose(std::int32_t index);

  protected:
    void CreateWidget() override;
};

class Canvas : public RectControl {
  public:
    const char* ClassName() const override { return "Canvas"; }
    PropertyType TypeOf(std::string_view name) const override;
    // Requests a repaint; the Paint event follows (at once when `immediately` is true).
    void Invalidate(bool immediately = true);
    // The Paint handler's signature takes the areas to redraw; the canvas passes its whole area.
    using PaintHandler = std::function<void(Graphics&, const std::vector<Rect>&)>;
    void SetPaintHandler(PaintHandler handler);

  protected:
    void CreateWidget() override;
};

// A pair of arrow buttons raising Up and Down.
class UpDownArrows : public RectControl {
  public:
    const char* ClassName() const override { return "UpDownArrows"; }
    PropertyType TypeOf(std::string_view name) const override;
    void PressUp();
    void PressDown();

  protected:
    void CreateWidget() override;
};
