// The window's accessors: each control and each menu entry is looked up anew by its own name on
// every call; the window keeps no reference to any of them.

#include <string_view>

#include "shell/HauptF.h"
#include "shell/Umwandlung.h"

#define CONTROL(name, cls, ...)                 \
    cls& HauptF::name() {                       \
        return Als<cls>(_ControlByName(#name)); \
    }
#include "shell/Steuerelemente.def"
#undef CONTROL

namespace {

MenuItem& Menueeintrag(const Window& fenster, std::string_view name) {
    MenuBar* leiste = fenster.GetMenuBar();
    if (!leiste) throw NilObjectException("Das Fenster hat keine Menüleiste");
    MenuItem* eintrag = leiste->Find(name);
    if (!eintrag) throw NilObjectException("Kein Menüeintrag " + std::string(name));
    return *eintrag;
}

}  // namespace

MenuItem& HauptF::EditMenu() {
    return Menueeintrag(*this, "EditMenu");
}
MenuItem& HauptF::EditSelectAll() {
    return Menueeintrag(*this, "EditSelectAll");
}
MenuItem& HauptF::EditSeparator2() {
    return Menueeintrag(*this, "EditSeparator2");
}
MenuItem& HauptF::EditClear() {
    return Menueeintrag(*this, "EditClear");
}
MenuItem& HauptF::EditPaste() {
    return Menueeintrag(*this, "EditPaste");
}
MenuItem& HauptF::EditCopy() {
    return Menueeintrag(*this, "EditCopy");
}
MenuItem& HauptF::EditCut() {
    return Menueeintrag(*this, "EditCut");
}
MenuItem& HauptF::EditSeparator1() {
    return Menueeintrag(*this, "EditSeparator1");
}
MenuItem& HauptF::EditUndo() {
    return Menueeintrag(*this, "EditUndo");
}
MenuItem& HauptF::FileMenu() {
    return Menueeintrag(*this, "FileMenu");
}

QuitMenuItem& HauptF::FileQuit() {
    MenuItem& eintrag = Menueeintrag(*this, "FileQuit");
    if (auto* beenden = dynamic_cast<QuitMenuItem*>(&eintrag)) return *beenden;
    throw RuntimeException("Menüeintrag FileQuit ist kein QuitMenuItem");
}
