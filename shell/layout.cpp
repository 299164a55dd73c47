#include "shell/layout.h"

namespace {

constexpr std::array<Steuerelement, kAnzahlSteuerelemente> kTabelle = {{
#define CONTROL(name, cls, left, top, width, height, tabIndex, text, ...) \
    {#name, Klasse::cls, left, top, width, height, tabIndex, text, Werte{__VA_ARGS__}},
#include "shell/Steuerelemente.def"
#undef CONTROL
}};

// The row sets a value only where the control differs from its class.
template <class T>
void Ueberlagere(std::optional<T>& basis, const std::optional<T>& abweichung) {
    if (abweichung) basis = abweichung;
}

// What every text-showing control of a class starts with; each class adds its own below.
Werte Grundwerte() {
    Werte w;
    w.locked = true;
    w.tabStop = true;
    w.visible = true;
    w.enabled = true;
    w.bold = false;
    w.textUnit = 0;
    w.tabPanelIndexLast = false;
    return w;
}

Werte Eingabefeldwerte(bool locked, bool focusRing) {
    Werte w = Grundwerte();
    w.locked = locked;
    w.focusRing = focusRing;
    w.backColor = kGelb;
    w.readOnly = false;
    w.acceptTabs = false;
    w.alignment = 2;
    return w;
}

}  // namespace

const std::array<Steuerelement, kAnzahlSteuerelemente>& Steuerelemente() {
    return kTabelle;
}

const Steuerelement* SteuerelementNamens(std::string_view name) {
    for (const Steuerelement& zeile : kTabelle)
        if (zeile.name == name) return &zeile;
    return nullptr;
}

std::string_view KlassenName(Klasse klasse) {
    switch (klasse) {
        case Klasse::TextField:
            return "TextField";
        case Klasse::TextArea:
            return "TextArea";
        case Klasse::Label:
            return "Label";
        case Klasse::PushButton:
            return "PushButton";
        case Klasse::ComboBox:
            return "ComboBox";
        case Klasse::Canvas:
            return "Canvas";
        case Klasse::UpDownArrows:
            return "UpDownArrows";
    }
    return "";
}

Werte Klassenwerte(Klasse klasse) {
    Werte w;
    switch (klasse) {
        case Klasse::TextField:
            return Eingabefeldwerte(false, true);
        case Klasse::TextArea:
            w = Eingabefeldwerte(true, false);
            w.lineSpacing = 1.0;
            return w;
        case Klasse::Label:
            w = Grundwerte();
            w.tabStop.reset();
            w.textAlign = 1;
            return w;
        case Klasse::PushButton:
            w = Grundwerte();
            w.isDefault = false;
            w.buttonStyle = 4;
            return w;
        case Klasse::ComboBox:
            w = Grundwerte();
            w.focusRing = false;
            w.entries = "";
            return w;
        case Klasse::Canvas:
        case Klasse::UpDownArrows:
            // Neither shows text, so neither gets a text unit.
            w = Grundwerte();
            w.bold.reset();
            w.textUnit.reset();
            if (klasse == Klasse::Canvas) {
                w.focusRing = true;
                w.acceptTabs = false;
            }
            return w;
    }
    return w;
}

Werte WerteVon(const Steuerelement& zeile) {
    Werte w = Klassenwerte(zeile.klasse);
    const Werte& a = zeile.abweichungen;
    Ueberlagere(w.locked, a.locked);
    Ueberlagere(w.tabStop, a.tabStop);
    Ueberlagere(w.focusRing, a.focusRing);
    Ueberlagere(w.backColor, a.backColor);
    Ueberlagere(w.visible, a.visible);
    Ueberlagere(w.enabled, a.enabled);
    Ueberlagere(w.readOnly, a.readOnly);
    Ueberlagere(w.bold, a.bold);
    Ueberlagere(w.acceptTabs, a.acceptTabs);
    Ueberlagere(w.isDefault, a.isDefault);
    Ueberlagere(w.alignment, a.alignment);
    Ueberlagere(w.textAlign, a.textAlign);
    Ueberlagere(w.buttonStyle, a.buttonStyle);
    Ueberlagere(w.lineSpacing, a.lineSpacing);
    Ueberlagere(w.textSize, a.textSize);
    Ueberlagere(w.textUnit, a.textUnit);
    Ueberlagere(w.entries, a.entries);
    Ueberlagere(w.tabPanelIndexLast, a.tabPanelIndexLast);
    return w;
}
