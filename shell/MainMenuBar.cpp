#include "shell/MainMenuBar.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

std::unique_ptr<class MainMenuBar>& Instanz() {
    static std::unique_ptr<class MainMenuBar> instanz;
    return instanz;
}

template <class Eintrag = MenuItem>
std::unique_ptr<MenuItem> NeuerEintrag(std::string name, std::string text,
                                       std::optional<std::string> kurzbefehl) {
    auto eintrag = std::make_unique<Eintrag>();
    eintrag->Name = std::move(name);
    eintrag->AutoEnable = true;
    eintrag->Text = std::move(text);
    eintrag->Visible = true;
    if (kurzbefehl) eintrag->KeyboardShortcut = std::move(kurzbefehl);
    return eintrag;
}

// The separators get no shortcut at all, not even the empty one.
constexpr std::nullopt_t kKeiner = std::nullopt;

}  // namespace

void MainMenuBar::Constructor() {
    Untitled0();
    Untitled1();
}

void MainMenuBar::Untitled0() {
    Append(NeuerEintrag("FileMenu", "&File", ""));
    Child("FileMenu")->Append(NeuerEintrag<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MainMenuBar::Untitled1() {
    Append(NeuerEintrag("EditMenu", "&Edit", ""));
    Child("EditMenu")->Append(NeuerEintrag("EditUndo", "&Undo", "Cmd+Z"));
    Child("EditMenu")->Append(NeuerEintrag("EditSeparator1", "-", kKeiner));
    Child("EditMenu")->Append(NeuerEintrag("EditCut", "Cu&t", "Cmd+X"));
    Child("EditMenu")->Append(NeuerEintrag("EditCopy", "&Copy", "Cmd+C"));
    Child("EditMenu")->Append(NeuerEintrag("EditPaste", "&Paste", "Cmd+V"));
    Child("EditMenu")->Append(NeuerEintrag("EditClear", "&Delete", ""));
    Child("EditMenu")->Append(NeuerEintrag("EditSeparator2", "-", kKeiner));
    Child("EditMenu")->Append(NeuerEintrag("EditSelectAll", "Select &All", "Cmd+A"));
}

class MainMenuBar& MainMenuBar() {
    std::unique_ptr<class MainMenuBar>& instanz = Instanz();
    if (!instanz) {
        // Stored only once it is built, so a failure while building leaves no half-made bar.
        auto neu = std::make_unique<class MainMenuBar>();
        neu->Constructor();
        instanz = std::move(neu);
    }
    return *instanz;
}

class MainMenuBar* MainMenuBarReferenz() {
    return Instanz().get();
}

void MainMenuBarInstanzInitialisieren() {}

void MainMenuBarFreigeben() {
    // Moving out empties the reference before the object goes.
    std::unique_ptr<class MainMenuBar> gehalten = std::move(Instanz());
    gehalten.reset();
}
