#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Errors.h"
#include "framework/Menu.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"

namespace {

std::string MainWindowRecord() {
    return PropertyRecordWriter()
        .Int32("Placement", 0)
        .Int32("Width", 994)
        .Int32("Height", 754)
        .Int32("MinWidth", 64)
        .Int32("MinHeight", 64)
        .Int32("MaxWidth", 32000)
        .Int32("MaxHeight", 32000)
        .Int32("Frame", 0)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .Colour("BackColor", RGB(255, 255, 255))
        .String("Title", "Vemtarix")
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", true)
        .Boolean("LiveResize", true)
        .Boolean("MaximizeButton", true)
        .Boolean("MinimizeButton", true)
        .Boolean("FullScreenButton", false)
        .Int32("MacProcID", 0)
        .Bytes();
}

std::unique_ptr<MenuBar> SmallMenuBar() {
    auto bar = std::make_unique<MenuBar>();
    auto file = std::make_unique<MenuItem>();
    file->Name = "FileMenu";
    file->Text = "&File";
    file->Visible = true;
    auto quit = std::make_unique<QuitMenuItem>();
    quit->Name = "FileQuit";
    quit->Text = "&Quit";
    quit->KeyboardShortcut = "Cmd+Q";
    quit->Visible = true;
    file->Append(std::move(quit));
    bar->Append(std::move(file));
    return bar;
}

class FrameworkWindow : public FreshApplicationTest {};

TEST_F(FrameworkWindow, RecordGivesTitleClientSizeAndMenuBarAbove) {
    auto menu = SmallMenuBar();
    auto* w = new TestWindow();
    w->onLayout = [&menu](TestWindow& w) {
        w.SetMenuBar(menu.get());
        _SetProperties(w, MainWindowRecord());
    };
    w->onCreate = [](TestWindow& w) { AddControl<Label>(w, "Ecke", Placed(0, 0, 10, 10)); };
    w->Constructor();
    EXPECT_EQ(std::string(w->ClassName()), "TestWindow");
    EXPECT_EQ(w->Title(), "Vemtarix");
    EXPECT_EQ(w->Width(), 994);
    EXPECT_EQ(w->Height(), 754);
    EXPECT_TRUE(w->IsVisible());
    EXPECT_EQ(w->GetMenuBar(), menu.get());
    EXPECT_EQ(std::get<std::int32_t>(w->Property("MaxWidth")), 32000);
    EXPECT_EQ(std::get<Color>(w->Property("BackColor")), RGB(255, 255, 255));
    // Client coordinates start below the menu bar: the control at (0, 0) is at the client's
    // top left corner, and the client area keeps its full height.
    EXPECT_EQ(w->_ControlByName("Ecke").Bounds().top, 0);
    EXPECT_EQ(w->Grab().height, 754);
    w->Close();
}

TEST_F(FrameworkWindow, WindowPropertyTypes) {
    TestWindow w;
    EXPECT_EQ(w.TypeOf("MacProcID"), PropertyType::Int32);
    EXPECT_EQ(w.TypeOf("FullScreenButton"), PropertyType::Boolean);
    EXPECT_EQ(w.TypeOf("BackColor"), PropertyType::Color);
    EXPECT_EQ(w.TypeOf("Title"), PropertyType::String);
    EXPECT_THROW(w.TypeOf("Left"), RuntimeException);
    EXPECT_THROW(w.TypeOf("macprocid"), RuntimeException);  // letter case counts
}

TEST_F(FrameworkWindow, ConstructorRunsTheStepsInOrderAndControlsOpenFirst) {
    auto* w = new TestWindow();
    w->onCreate = [](TestWindow& w) {
        auto& field = AddControl<TextField>(w, "Feld", Placed(0, 0, 50, 20));
        Wire(field, Event::Open, w, &TestWindow::Notice);
    };
    EXPECT_EQ(_GetImplicitWindow("TestWindow"), w);  // open from the C++ constructor on
    w->Constructor();
    EXPECT_EQ(w->steps, (std::vector<std::string>{"Layout", "CreateControls", "handler", "Open"}));
    w->Close();
    EXPECT_EQ(_GetImplicitWindow("TestWindow"), nullptr);
}

TEST_F(FrameworkWindow, ErrorInABuildStepPassesOnToTheCaller) {
    auto* w = new TestWindow();
    w->onOpen = [](TestWindow&) { throw RuntimeException("Init fehlgeschlagen"); };
    EXPECT_THROW(w->Constructor(), RuntimeException);
    EXPECT_FALSE(w->IsVisible());  // never shown; the framework still owns and deletes it
}

TEST_F(FrameworkWindow, WindowWithoutConstructorNeedsNoWidget) {
    TestWindow w("NurZustand");
    EXPECT_EQ(_GetImplicitWindow("NurZustand"), &w);
    EXPECT_FALSE(w.IsVisible());
    EXPECT_TRUE(w.Controls().empty());
}

TEST_F(FrameworkWindow, ScreenshotIsAPng) {
    TestWindow& w = BuildWindow([](TestWindow& w) {
        AddControl<PushButton>(w, "Knopf",
                               Placed(10, 10, 142, 32).String("Caption", "Interpolieren"));
    });
    const std::filesystem::path dir = VEMTARIX_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    const std::string png = (dir / "framework_window.png").string();
    ASSERT_TRUE(w.SaveScreenshot(png));
    std::FILE* f = std::fopen(png.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char magic[4] = {};
    EXPECT_EQ(std::fread(magic, 1, 4, f), 4u);
    std::fclose(f);
    EXPECT_EQ(magic[1], 'P');
    EXPECT_EQ(magic[2], 'N');
    EXPECT_EQ(magic[3], 'G');
}

TEST_F(FrameworkWindow, StartUpFunctionsKeepTheApplicationAndTheClassList) {
    struct App : Application {};
    RuntimeRegisterClass("Vemtarix", "Application");
    RuntimeRegisterAppObject(std::make_unique<App>());
    ASSERT_NE(RuntimeApplication(), nullptr);
    const auto& classes = RuntimeRegisteredClasses();
    ASSERT_FALSE(classes.empty());
    EXPECT_EQ(classes.front().name, "Object");  // the framework's own classes come first
    EXPECT_EQ(classes.back().name, "Vemtarix");
    bool called = false;
    RunFrameworkInitialization([&called] { called = true; });
    EXPECT_TRUE(called);
    EXPECT_THROW(RunFrameworkInitialization([] { throw RuntimeException("spät"); }),
                 RuntimeException);
}

TEST_F(FrameworkWindow, QuitEndsTheLoopWithItsCode) {
    Quit(0);
    RuntimeRun();  // returns at once: the quit came before the loop
    Quit(3);
    EXPECT_EQ(RuntimeExit(), 3);
    RuntimeInit(Platform::Offscreen);  // for whatever runs after this test in the process
}

}  // namespace
