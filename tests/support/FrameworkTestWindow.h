#pragma once
// A window for the framework's own tests: its construction steps run what the test gives them
// and note their order; AddControl creates a control the way the program's windows do (add,
// explicit settings, record).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Properties.h"
#include "framework/Window.h"

class TestWindow : public Window {
  public:
    explicit TestWindow(std::string className = "TestWindow") : Window(std::move(className)) {}
    std::function<void(TestWindow&)> onLayout, onCreate, onOpen;
    std::vector<std::string> steps;

    void Notice(TextField&) { steps.push_back("handler"); }

  protected:
    void Layout() override {
        steps.push_back("Layout");
        if (onLayout) onLayout(*this);
    }
    void CreateControls() override {
        steps.push_back("CreateControls");
        if (onCreate) onCreate(*this);
    }
    void Event_Open() override {
        steps.push_back("Open");
        if (onOpen) onOpen(*this);
    }
};

// A window record of the given client size (the framework's defaults for the rest).
inline std::string WindowRecord(int width, int height, const std::string& title = "Test") {
    return PropertyRecordWriter()
        .Int32("Width", width)
        .Int32("Height", height)
        .String("Title", title)
        .Boolean("Visible", true)
        .Bytes();
}

// Builds a window the way the program does: new, then Constructor(); the framework owns it.
inline TestWindow& BuildWindow(std::function<void(TestWindow&)> create, int width = 400,
                               int height = 300) {
    auto* window = new TestWindow();
    window->onLayout = [width, height](TestWindow& w) {
        _SetProperties(w, WindowRecord(width, height));
    };
    window->onCreate = std::move(create);
    window->Constructor();
    return *window;
}

template <class C>
C& AddControl(Window& window, const std::string& name, const PropertyRecordWriter& record) {
    auto& control = static_cast<C&>(window._AddControl(name, std::make_unique<C>()));
    _SetProperties(control, record.Bytes());
    return control;
}

inline PropertyRecordWriter Placed(int left, int top, int width, int height) {
    PropertyRecordWriter record;
    record.Int32("Left", left).Int32("Top", top).Int32("Width", width).Int32("Height", height);
    return record;
}
