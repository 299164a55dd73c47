#pragma once
// Framework internals, shared by the .cpp files of framework/ only. The common control code
// (Controls.cpp) asks the widget behind a control class for what differs between the classes
// through this interface; each class's file implements it next to its Qt widget.

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "framework/Controls.h"
#include "framework/Properties.h"

class ControlAdapter {
  public:
    virtual ~ControlAdapter() = default;
    virtual std::string Text() const { return {}; }
    virtual void SetText(std::string_view) {}
    // A property that only this class shows; the common ones never reach it.
    virtual void Apply(std::string_view, const PropertyValue&) {}
    // The control's font changed (size, unit, face or style).
    virtual void FontChanged() {}
    virtual void SetLineSpacing(double) {}
};

// The adapter behind a control's widget; nullptr while the control has no widget yet.
ControlAdapter* AdapterOf(const RectControl& control);
// The paint handler that Canvas::SetPaintHandler stored.
const Canvas::PaintHandler& PaintHandlerOf(const Canvas& canvas);
// A control's TabIndex or TabStop changed: the window orders its tab chain anew.
void TabOrderChanged(Window& window);
// Nesting depth of handlers that run now; a window closed inside one is destroyed afterwards.
int RunningHandlers();
// The outermost running handler has ended: windows closed meanwhile can go now.
void HandlersFinished();
// Runs `call` as a handler (through the exception routine, counted in RunningHandlers) and
// returns the error that escaped it, or nullptr; CallWithExceptionHandling reports that error.
std::exception_ptr RunThroughExceptionRoutine(const std::function<void()>& call);
