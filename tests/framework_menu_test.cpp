#include <gtest/gtest.h>

#include "framework/Menu.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"

namespace {

template <class Item = MenuItem>
void Add(MenuItem& parent, const char* name, const char* text,
         std::optional<std::string> shortcut = std::nullopt) {
    auto item = std::make_unique<Item>();
    item->Name = name;
    item->AutoEnable = true;
    item->Text = text;
    item->Visible = true;
    item->KeyboardShortcut = std::move(shortcut);
    parent.Append(std::move(item));
}

// The menus that the program builds: File with Quit, Edit with the standard entries.
std::unique_ptr<MenuBar> StandardMenus() {
    auto bar = std::make_unique<MenuBar>();
    Add(*bar, "FileMenu", "&File", "");
    Add<QuitMenuItem>(*bar->Child("FileMenu"), "FileQuit", "&Quit", "Cmd+Q");
    Add(*bar, "EditMenu", "&Edit", "");
    MenuItem& edit = *bar->Child("EditMenu");
    Add(edit, "EditUndo", "&Undo", "Cmd+Z");
    Add(edit, "EditSeparator1", "-");
    Add(edit, "EditCut", "Cu&t", "Cmd+X");
    Add(edit, "EditCopy", "&Copy", "Cmd+C");
    Add(edit, "EditPaste", "&Paste", "Cmd+V");
    Add(edit, "EditClear", "&Delete", "");
    Add(edit, "EditSeparator2", "-");
    Add(edit, "EditSelectAll", "Select &All", "Cmd+A");
    return bar;
}

class FrameworkMenu : public FreshApplicationTest {
  protected:
    void SetUp() override {
        menus_ = StandardMenus();
        window_ = new TestWindow();
        window_->onLayout = [this](TestWindow& w) {
            w.SetMenuBar(menus_.get());
            _SetProperties(w, WindowRecord(300, 200));
        };
        window_->onCreate = [](TestWindow& w) {
            AddControl<TextField>(w, "Feld", Placed(0, 0, 100, 22).String("Text", "x^2"));
            AddControl<TextArea>(w, "Bereich", Placed(0, 30, 100, 28));
            AddControl<PushButton>(w, "Knopf", Placed(0, 70, 60, 22));
        };
        window_->Constructor();
    }
    void TearDown() override {
        window_->Close();
        FreshApplicationTest::TearDown();
    }
    bool Enabled(const char* name) { return menus_->Find(name)->IsEnabledNow(); }
    void Choose(const char* name) { menus_->Find(name)->Choose(); }
    TextControl& Text(const char* name) {
        return static_cast<TextControl&>(window_->_ControlByName(name));
    }

    std::unique_ptr<MenuBar> menus_;
    TestWindow* window_ = nullptr;
};

TEST_F(FrameworkMenu, TreeFindsMenusAndEntries) {
    ASSERT_EQ(menus_->Children().size(), 2u);
    EXPECT_EQ(menus_->Children()[0]->Name, "FileMenu");
    EXPECT_EQ(menus_->Child("EditUndo"), nullptr);  // Child looks among the children only
    EXPECT_EQ(menus_->Find("EditUndo"), menus_->Child("EditMenu")->Children()[0].get());
    EXPECT_NE(dynamic_cast<QuitMenuItem*>(menus_->Find("FileQuit")), nullptr);
    EXPECT_EQ(window_->GetMenuBar(), menus_.get());
    EXPECT_FALSE(Enabled("EditSeparator1"));
    EXPECT_TRUE(Enabled("FileQuit"));
}

TEST_F(FrameworkMenu, EditEntriesActOnTheFocusedField) {
    TextControl& field = Text("Feld");
    field.SetFocus();
    EXPECT_TRUE(Enabled("EditSelectAll"));
    EXPECT_FALSE(Enabled("EditCopy"));  // nothing selected yet
    Choose("EditSelectAll");
    EXPECT_TRUE(Enabled("EditCopy"));
    EXPECT_TRUE(Enabled("EditCut"));
    Choose("EditCut");
    EXPECT_EQ(field.Text(), "");
    EXPECT_TRUE(Enabled("EditUndo"));
    Choose("EditUndo");
    EXPECT_EQ(field.Text(), "x^2");
    Text("Bereich").SetFocus();
    EXPECT_TRUE(Enabled("EditPaste"));
    Choose("EditPaste");
    EXPECT_EQ(Text("Bereich").Text(), "x^2");
    Choose("EditSelectAll");
    Choose("EditClear");
    EXPECT_EQ(Text("Bereich").Text(), "");
}

TEST_F(FrameworkMenu, EditEntriesAreDisabledWithoutAFocusedTextControl) {
    window_->_ControlByName("Knopf").SetFocus();
    for (const char* name :
         {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
        EXPECT_FALSE(Enabled(name)) << name;
    Choose("EditSelectAll");  // does nothing
    EXPECT_EQ(Text("Feld").Text(), "x^2");
}

TEST_F(FrameworkMenu, ReadOnlyFieldOffersCopyButNoChange) {
    TextControl& field = Text("Feld");
    field.SetProperty("ReadOnly", true);
    field.SetFocus();
    Choose("EditSelectAll");
    EXPECT_TRUE(Enabled("EditCopy"));
    EXPECT_FALSE(Enabled("EditCut"));
    EXPECT_FALSE(Enabled("EditClear"));
    EXPECT_FALSE(Enabled("EditPaste"));
}

TEST_F(FrameworkMenu, QuitEntryQuitsWithCodeZero) {
    Quit(5);
    Choose("FileQuit");
    RuntimeRun();  // the quit came first: no loop runs
    window_->Close();
    window_ = nullptr;
    EXPECT_EQ(RuntimeExit(), 0);
    RuntimeInit(Platform::Offscreen);
    window_ = new TestWindow();  // for TearDown
    window_->Constructor();
}

}  // namespace
