// Building the main window: its menu bar and own properties, then its 113 controls from the
// layout table, each complete (record applied, events wired) before the next one is begun.

#include <memory>
#include <string>

#include "shell/HauptF.h"
#include "shell/MainMenuBar.h"
#include "shell/Umwandlung.h"
#include "shell/layout.h"
#include "shell/wiring.h"

namespace {

std::unique_ptr<RectControl> NeuesSteuerelement(Klasse klasse) {
    switch (klasse) {
        case Klasse::TextField:
            return std::make_unique<TextField>();
        case Klasse::TextArea:
            return std::make_unique<TextArea>();
        case Klasse::Label:
            return std::make_unique<Label>();
        case Klasse::PushButton:
            return std::make_unique<PushButton>();
        case Klasse::ComboBox:
            return std::make_unique<ComboBox>();
        case Klasse::Canvas:
            return std::make_unique<Canvas>();
        case Klasse::UpDownArrows:
            return std::make_unique<UpDownArrows>();
    }
    throw RuntimeException("unbekannte Steuerelementklasse");
}

// The settings that no record holds, in this order, each on the control as the window returns
// it for its name.
void TextEinstellungen(class HauptF& fenster, const Steuerelement& zeile) {
    const Werte werte = WerteVon(zeile);
    if (werte.lineSpacing)
        Als<TextArea>(fenster._ControlByName(zeile.name)).SetLineSpacing(*werte.lineSpacing);
    if (werte.textSize)
        Als<TextControl>(fenster._ControlByName(zeile.name)).SetTextSize(*werte.textSize);
    if (werte.textUnit)
        Als<TextControl>(fenster._ControlByName(zeile.name)).SetTextUnit(*werte.textUnit);
}

void Erzeugen(class HauptF& fenster, const Steuerelement& zeile) {
    fenster._AddControl(std::string(zeile.name), NeuesSteuerelement(zeile.klasse));
    TextEinstellungen(fenster, zeile);
    _SetProperties(fenster._ControlByName(zeile.name), Eigenschaftssatz(zeile));
    EreignisseVerbinden(fenster, zeile.name);
}

// Creates the controls with the creation numbers `erste` to `letzte` (counted from 1).
void ErzeugenVonBis(class HauptF& fenster, std::size_t erste, std::size_t letzte) {
    for (std::size_t nummer = erste; nummer <= letzte; ++nummer)
        Erzeugen(fenster, Steuerelemente()[nummer - 1]);
}

}  // namespace

void HauptF::Layout() {
    SetMenuBar(&::MainMenuBar());
    _SetProperties(*this, Fenstersatz());
}

void HauptF::CreateControls() {
    _CreateControls0();
    _CreateControls1();
    _CreateControls2();
    _CreateControls3();
}

void HauptF::_CreateControls0() {
    ErzeugenVonBis(*this, 1, 30);
}
void HauptF::_CreateControls1() {
    ErzeugenVonBis(*this, 31, 60);
}
void HauptF::_CreateControls2() {
    ErzeugenVonBis(*this, 61, 90);
}
void HauptF::_CreateControls3() {
    ErzeugenVonBis(*this, 91, kAnzahlSteuerelemente);
}
