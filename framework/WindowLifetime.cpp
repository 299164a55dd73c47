// Window lifetime in one place: the open windows (what _GetImplicitWindow finds), the windows the
// framework owns, the closed ones whose deletion waits until no handler runs, and the depth of
// the handlers that run now.

#include <QApplication>
#include <algorithm>
#include <set>
#include <vector>

#include "framework/Internals.h"
#include "framework/Window.h"

namespace {

struct Lifetime {
    std::vector<Window*> open;  // in the order they were created
    // Handed over by Constructor(), closing ones included; deleted when they close, at the
    // latest when the framework shuts down.
    std::set<Window*> owned;
    std::set<Window*> pending;  // closed, deleted once no handler runs
    int handlerDepth = 0;
};

Lifetime& State() {
    static Lifetime state;
    return state;
}

void Forget(Window& window) {
    auto& open = State().open;
    open.erase(std::remove(open.begin(), open.end(), &window), open.end());
}

void FlushPendingDeletes() {
    Lifetime& state = State();
    if (state.handlerDepth > 0) return;  // the outermost handler asks again when it ends
    const std::set<Window*> pending = std::move(state.pending);
    state.pending.clear();
    for (Window* window : pending)
        if (state.owned.count(window)) delete window;
}

void FlushAfterThisEvent() {
    if (qApp) QMetaObject::invokeMethod(qApp, &FlushPendingDeletes, Qt::QueuedConnection);
}

}  // namespace

void WindowOpened(Window& window) {
    State().open.push_back(&window);
}

void WindowHandedOver(Window& window) {
    State().owned.insert(&window);
}

void WindowClosed(Window& window, Deletion when) {
    Forget(window);
    if (State().owned.count(&window) == 0) return;
    if (when == Deletion::AsSoonAsNoHandlerRuns && State().handlerDepth == 0) {
        delete &window;
        return;
    }
    State().pending.insert(&window);
    FlushAfterThisEvent();
}

void WindowDestroyed(Window& window) {
    Forget(window);
    State().owned.erase(&window);
    State().pending.erase(&window);
}

void CloseAllWindows() {
    for (Window* window : std::vector<Window*>(State().open)) window->Close();
    // Closed inside a handler or by their close box: their deletion need not wait any longer.
    const std::set<Window*> owned = State().owned;
    for (Window* window : owned) delete window;
}

void DestroyAllWindows() {
    const std::set<Window*> owned = State().owned;
    for (Window* window : owned) delete window;
    for (Window* window : std::vector<Window*>(State().open)) DeleteWidgetOf(*window);
}

std::vector<std::string> OpenWindowClasses() {
    std::vector<std::string> names;
    for (const Window* window : State().open) names.push_back(window->ClassName());
    return names;
}

bool WindowsAwaitDeletion() {
    for (Window* window : State().owned)
        if (std::find(State().open.begin(), State().open.end(), window) == State().open.end())
            return true;
    return false;
}

Window* _GetImplicitWindow(std::string_view className) {
    for (Window* window : State().open)
        if (window->ClassName() == className) return window;
    return nullptr;
}

HandlerScope::HandlerScope() {
    ++State().handlerDepth;
}

HandlerScope::~HandlerScope() {
    if (--State().handlerDepth == 0 && !State().pending.empty()) FlushAfterThisEvent();
}
