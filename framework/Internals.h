#pragma once
// The framework's internal glue: what the .cpp files of framework/ ask of each other. Only they
// include this header, so it may show Qt types; nothing outside framework/ sees it. Each function
// is declared here once and defined once, in the file named above its group.

#include <QColor>
#include <QFont>
#include <QString>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/Controls.h"
#include "framework/Properties.h"
#include "framework/QtLook.h"

class MenuBar;
class QMenuBar;
class QWidget;
class Window;

// ---- Text and property values ----

// Our strings are UTF-8.
inline QString ToQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(const Color& c) {
    return QColor(c.red, c.green, c.blue);
}

// The value last set for a property, or `fallback` while it was never set.
template <class T>
T Get(const PropertyObject& object, std::string_view name, T fallback) {
    if (!object.HasProperty(name)) return fallback;
    return std::get<T>(object.Property(name));
}

// The same with one search, for an object's own member functions, which see its values.
template <class T>
T Get(const std::map<std::string, PropertyValue, std::less<>>& values, std::string_view name,
      T fallback) {
    auto it = values.find(name);
    return it == values.end() ? fallback : std::get<T>(it->second);
}

// ---- Controls and their widgets (Controls.cpp) ----

// The common control code asks the widget behind a control class for what differs between the
// classes through this interface; each class's file implements it next to its Qt widget.
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

// A control class's CreateWidget hands its new widget and adapter to the control with this.
void InstallWidget(RectControl& control, QWidget* widget, std::unique_ptr<ControlAdapter> adapter);
// The control's widget; nullptr while it has none.
QWidget* WidgetOf(const RectControl& control);
// The parent a control's new widget is made in: its window's client area, when it has a window.
QWidget* NewWidgetParent(const RectControl& control);
// The adapter behind a control's widget; nullptr while the control has no widget yet.
ControlAdapter* AdapterOf(const RectControl& control);
// The paint handler that Canvas::SetPaintHandler stored.
const Canvas::PaintHandler& PaintHandlerOf(const Canvas& canvas);
// The widget as it is drawn now.
Image ImageOf(QWidget* widget);
// The pixel size of a control's text size in its text unit.
double FontPixelSize(float size, std::uint8_t unit);
// The application's font with the given face (the system faces keep the application's face),
// size and style.
QFont FontFor(const std::string& face, double pixelSize, bool bold, bool italic, bool underline);

// ---- Windows (Window.cpp) and their menu bars (Menu.cpp) ----

// The widget that holds the window's controls; the window's widget is made first if need be.
QWidget* ClientAreaOf(Window& window);
// A control's TabIndex or TabStop changed: the window orders its tab chain anew.
void TabOrderChanged(Window& window);
// The window's widget goes, its controls' widgets with it; the window object stays.
void DeleteWidgetOf(Window& window);
// The Qt menu bar that shows `model`, made as a child of `parent`.
QMenuBar* BuildMenuBar(MenuBar& model, QWidget* parent);

// ---- Window lifetime (WindowLifetime.cpp) ----
// Which windows are open, which ones the framework owns, which closed ones wait for deletion,
// and how deeply handlers are nested: a window closed inside a handler may still be in use by
// that handler (or by a modal dialog that it shows), so it is deleted once no handler runs.

// A new window is open from its construction on.
void WindowOpened(Window& window);
// Constructor() hands the window to the framework, which deletes it when it closes.
void WindowHandedOver(Window& window);
// How a closed window that the framework owns is deleted.
enum class Deletion {
    AsSoonAsNoHandlerRuns,  // at once, unless a handler runs: then after it
    AfterThisEvent,         // Qt code that delivered the event still uses the widget
};
// The window is closed: it is forgotten at once; an owned one is deleted as `when` says.
void WindowClosed(Window& window, Deletion when);
// The window's destructor runs: it is forgotten everywhere.
void WindowDestroyed(Window& window);
// Closes every open window and deletes every window the framework owns, closed ones included.
// Windows that the program owns itself stay, closed.
void CloseAllWindows();
// RuntimeExit: as CloseAllWindows, and no widget outlives Qt: the windows that the program owns
// itself lose theirs.
void DestroyAllWindows();
// The class names of the open windows, in the order they were created.
std::vector<std::string> OpenWindowClasses();
// Whether some window waits for its deletion (owned, but no longer open).
bool WindowsAwaitDeletion();

// Counts a running handler for as long as it lives.
class HandlerScope {
  public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// ---- Handlers (Runtime.cpp) ----

// Runs `call` as a handler (through the exception routine, counted by a HandlerScope) and
// returns the error that escaped it, or nullptr; CallWithExceptionHandling reports that error.
std::exception_ptr RunThroughExceptionRoutine(const std::function<void()>& call);

// ---- How Qt is set up and its widgets dressed (QtLook.cpp) ----
// The start-up benchmark's plain Qt programs take the same through FrameworkQtLook().

// What Qt is started with on the platform.
QtCommandLine CommandLineFor(Platform platform);
// The style and the application font, once the Qt application stands.
void DressApplication();
// Alignment codes of text fields and text areas: 0 the default (left), 1 left, 2 centred,
// 3 right.
Qt::Alignment FieldAlignment(std::int32_t code);
// TextAlign codes of labels: 0 left, 1 centred, 2 right.
Qt::Alignment LabelAlignment(std::int32_t code);
