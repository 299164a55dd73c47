#pragma once
// Windows: the registry of open windows, the construction steps (Layout, CreateControls, Open),
// the control registry and the event wiring.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Controls.h"
#include "framework/Errors.h"
#include "framework/Properties.h"

class MenuBar;
enum class Deletion;  // how the framework deletes a closed window; internal

class Window : public PropertyObject {
  public:
    // Registers the new window as open under its class name at once, before any construction
    // step runs; no widget exists until Constructor().
    explicit Window(std::string className);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& ClassName() const { return className_; }
    PropertyType TypeOf(std::string_view name) const override;

    // Builds the window: creates its widget, raises Layout, CreateControls, the Open event of
    // each control (in creation order) and the window's own Open, then shows it when its
    // Visible property is true (the default). An error in a step passes on to the caller.
    // From here on the framework owns the window (it must have been made with new): Close()
    // and RuntimeExit delete it.
    void Constructor();

    void SetMenuBar(MenuBar* menuBar);
    MenuBar* GetMenuBar() const { return menuBar_; }

    // The control registry. Names are unique; the window owns its controls.
    RectControl& _AddControl(std::string name, std::unique_ptr<RectControl> control);
    // The control registered under `name`; NilObjectException when there is none.
    RectControl& _ControlByName(std::string_view name) const;
    const std::vector<RectControl*>& Controls() const { return order_; }

    // What tests and users see of the window.
    std::string Title() const;
    int Width() const;  // of the client area, in pixels
    int Height() const;
    bool IsVisible() const;
    RectControl* FocusedControl() const;
    Image Grab() const;
    bool SaveScreenshot(const std::string& pngPath) const;
    // Presses the default button, as Return or Enter anywhere in the window does.
    void PressReturn();
    // Closes the window (as its close box would): the registry forgets it at once and its
    // wirings stop; a window that Constructor() built is deleted, inside a handler as soon as
    // that handler is over.
    void Close();

    // Framework internals.
    struct Impl;
    Impl& impl() const { return *impl_; }
    std::weak_ptr<void> LifeToken() const { return lifeToken_; }
    void EnsureWidget();
    void UpdateTabOrder();
    // The close box closed the window: as Close(), but the widget is still in use until the
    // event is over.
    void ClosedByCloseBox();

  protected:
    // The window class's hooks for its own events.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}
    void ApplyProperty(std::string_view name, const PropertyValue& value) override;

  private:
    void Closing(Deletion when);
    void ApplyFlags();
    void ApplyGeometry();
    void ApplyBackColor();

    std::string className_;
    MenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<RectControl>> controls_;
    std::vector<RectControl*> order_;
    std::shared_ptr<void> lifeToken_;
    std::unique_ptr<Impl> impl_;
};

// The open window whose class is registered under `className`, or nullptr.
Window* _GetImplicitWindow(std::string_view className);

// Runs `call` through the exception routine that start-up installed: a RuntimeException that
// escapes goes to the handler for unhandled errors, which shows it; the program goes on.
void CallWithExceptionHandling(const std::function<void()>& call);

// Event wiring: the handler is a member function of the window; the wiring holds the window
// weakly and raises NilObjectException if the window has gone when the event comes.
template <class W, class C>
void Wire(C& control, Event event, W& window, void (W::*handler)(C&)) {
    std::weak_ptr<void> alive = window.LifeToken();
    W* target = &window;
    C* source = &control;
    control.SetHandler(event, [alive, target, source, handler] {
        if (alive.expired())
            throw NilObjectException("Das Fenster zu diesem Ereignis gibt es nicht mehr");
        (target->*handler)(*source);
    });
}

template <class W>
void WirePaint(Canvas& canvas, W& window,
               void (W::*handler)(Canvas&, Graphics&, const std::vector<Rect>&)) {
    std::weak_ptr<void> alive = window.LifeToken();
    W* target = &window;
    Canvas* source = &canvas;
    canvas.SetPaintHandler(
        [alive, target, source, handler](Graphics& g, const std::vector<Rect>& areas) {
            if (alive.expired())
                throw NilObjectException("Das Fenster zu diesem Ereignis gibt es nicht mehr");
            (target->*handler)(*source, g, areas);
        });
}
