// Placeholder until the Qt-backed window lands: the registry of open windows only.
#include "framework/Window.h"

#include <algorithm>

struct Window::Impl {};

namespace {
std::vector<Window*>& OpenWindows() {
    static std::vector<Window*> windows;
    return windows;
}
}  // namespace

Window::Window(std::string className) : className_(std::move(className)), lifeToken_(std::make_shared<int>(0)) {
    OpenWindows().push_back(this);
}

Window::~Window() {
    auto& open = OpenWindows();
    open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

PropertyType Window::TypeOf(std::string_view name) const {
    throw RuntimeException("Unbekannte Fenstereigenschaft: " + std::string(name));
}

void Window::ApplyProperty(std::string_view, const PropertyValue&) {}

void Window::Constructor() {
    Layout();
    CreateControls();
    Event_Open();
}

Window* _GetImplicitWindow(std::string_view className) {
    for (Window* w : OpenWindows())
        if (w->ClassName() == className) return w;
    return nullptr;
}

void PropertyObject::SetProperty(std::string_view name, const PropertyValue& value) {
    values_.insert_or_assign(std::string(name), value);
    ApplyProperty(name, value);
}

const PropertyValue& PropertyObject::Property(std::string_view name) const {
    auto it = values_.find(name);
    if (it == values_.end()) throw RuntimeException("Eigenschaft nicht gesetzt: " + std::string(name));
    return it->second;
}

bool PropertyObject::HasProperty(std::string_view name) const { return values_.find(name) != values_.end(); }

void PropertyObject::ApplyProperty(std::string_view, const PropertyValue&) {}
