// The property records of the main window and its controls. Each class's records hold the same
// properties in the same order; the framework reads a record by the types of the names it meets,
// so the order and the types here are the format.

#include <limits>

#include "shell/layout.h"

namespace {

// The control belongs to no indexed group.
constexpr std::int32_t kKeinIndex = std::numeric_limits<std::int32_t>::min();

class Satzschreiber {
  public:
    explicit Satzschreiber(const Steuerelement& zeile) : z_(zeile), v_(WerteVon(zeile)) {}

    const Steuerelement& Zeile() const { return z_; }
    const Werte& V() const { return v_; }
    PropertyRecordWriter& W() { return w_; }

    // Name to TabIndex, the part every class's record begins with.
    Satzschreiber& Kopf() {
        const bool locked = v_.locked.value();
        w_.String("Name", z_.name)
            .Int32("Index", kKeinIndex)
            .Int32("Left", z_.left)
            .Int32("Top", z_.top)
            .Int32("Width", z_.width)
            .Int32("Height", z_.height)
            .Boolean("LockLeft", locked)
            .Boolean("LockTop", locked)
            .Boolean("LockRight", false)
            .Boolean("LockBottom", false);
        if (!v_.tabPanelIndexLast.value()) w_.Int32("TabPanelIndex", 0);
        w_.Int32("TabIndex", z_.tabIndex);
        return *this;
    }
    Satzschreiber& TabStop() {
        w_.Boolean("TabStop", v_.tabStop.value());
        return *this;
    }
    Satzschreiber& Sichtbar() {
        w_.Boolean("Visible", v_.visible.value());
        return *this;
    }
    Satzschreiber& Aktiv() {
        w_.Boolean("Enabled", v_.enabled.value());
        return *this;
    }
    Satzschreiber& Fokusring() {
        w_.Boolean("UseFocusRing", v_.focusRing.value());
        return *this;
    }
    Satzschreiber& Hilfe() {
        w_.String("HelpTag", "").Boolean("AutoDeactivate", true);
        return *this;
    }
    Satzschreiber& Schrift() {
        w_.String("TextFont", "System")
            .Boolean("Bold", v_.bold.value())
            .Boolean("Italic", false)
            .Boolean("Underline", false);
        return *this;
    }
    Satzschreiber& Datenquelle() {
        w_.String("DataSource", "").String("DataField", "");
        return *this;
    }
    // The tail that text fields and text areas share, from Text on.
    Satzschreiber& Eingabeende() {
        w_.String("Text", z_.text)
            .String("Mask", "")
            .Boolean("ReadOnly", v_.readOnly.value())
            .Int32("LimitText", 0)
            .Boolean("AcceptTabs", v_.acceptTabs.value())
            .Int32("Alignment", v_.alignment.value())
            .Boolean("AutomaticallyCheckSpelling", false);
        return Datenquelle();
    }
    Satzschreiber& Farben() {
        w_.Colour("TextColor", kSchwarz).Colour("BackColor", v_.backColor.value());
        return *this;
    }
    std::string Fertig() {
        if (v_.tabPanelIndexLast.value()) w_.Int32("TabPanelIndex", 0);
        return w_.Bytes();
    }

  private:
    const Steuerelement& z_;
    Werte v_;
    PropertyRecordWriter w_;
};

std::string TextFieldSatz(Satzschreiber& s) {
    s.Kopf().TabStop();
    s.W().Boolean("Border", true).Boolean("Password", false);
    s.Fokusring().Farben().Aktiv();
    s.W().String("Format", "");
    s.Sichtbar().Hilfe().Schrift();
    s.W().String("CueText", "");
    return s.Eingabeende().Fertig();
}

std::string TextAreaSatz(Satzschreiber& s) {
    s.Kopf().TabStop();
    s.W()
        .Boolean("Border", true)
        .Boolean("Multiline", false)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollbarVertical", false)
        .Boolean("Styled", false);
    s.Fokusring().Farben().Aktiv();
    s.W().String("Format", "");
    s.Sichtbar().Hilfe();
    s.W().Boolean("HideSelection", true);
    return s.Schrift().Eingabeende().Fertig();
}

std::string LabelSatz(Satzschreiber& s) {
    s.Kopf();
    s.W()
        .String("Text", s.Zeile().text)
        .Int32("TextAlign", s.V().textAlign.value())
        .Colour("TextColor", kSchwarz)
        .Boolean("Multiline", false);
    s.Aktiv().Sichtbar();
    s.W().Boolean("Selectable", false).Boolean("Transparent", false);
    s.Hilfe().Schrift().Datenquelle();
    s.W().String("InitialParent", "");
    return s.Fertig();
}

std::string PushButtonSatz(Satzschreiber& s) {
    s.Kopf().TabStop();
    s.W()
        .String("Caption", s.Zeile().text)
        .Boolean("Default", s.V().isDefault.value())
        .Boolean("Cancel", false);
    s.Aktiv().Sichtbar().Hilfe();
    s.W().Int32("ButtonStyle", s.V().buttonStyle.value());
    s.Schrift();
    s.W().String("InitialParent", "");
    return s.Fertig();
}

std::string ComboBoxSatz(Satzschreiber& s) {
    s.Kopf().TabStop().Aktiv();
    s.W().String("InitialValue", s.V().entries.value()).Int32("ListIndex", 0);
    s.Sichtbar().Hilfe().Fokusring().Schrift().Datenquelle();
    s.W().Boolean("AutoComplete", false);
    return s.Fertig();
}

std::string CanvasSatz(Satzschreiber& s) {
    s.Kopf().TabStop().Sichtbar().Hilfe().Aktiv().Fokusring();
    s.W()
        .Boolean("AcceptFocus", false)
        .Boolean("AcceptTabs", s.V().acceptTabs.value())
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", true)
        .Boolean("Transparent", true)
        .String("InitialParent", "");
    return s.Fertig();
}

std::string UpDownArrowsSatz(Satzschreiber& s) {
    s.Kopf().TabStop();
    s.W().String("InitialParent", "");
    s.Sichtbar().Hilfe().Aktiv();
    s.W().Boolean("AcceptFocus", true);
    return s.Fertig();
}

}  // namespace

std::string Eigenschaftssatz(const Steuerelement& zeile) {
    Satzschreiber s(zeile);
    switch (zeile.klasse) {
        case Klasse::TextField:
            return TextFieldSatz(s);
        case Klasse::TextArea:
            return TextAreaSatz(s);
        case Klasse::Label:
            return LabelSatz(s);
        case Klasse::PushButton:
            return PushButtonSatz(s);
        case Klasse::ComboBox:
            return ComboBoxSatz(s);
        case Klasse::Canvas:
            return CanvasSatz(s);
        case Klasse::UpDownArrows:
            return UpDownArrowsSatz(s);
    }
    return {};
}

std::string Fenstersatz() {
    PropertyRecordWriter w;
    w.Int32("Placement", 0)
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
        .Int32("MacProcID", 0);
    return w.Bytes();
}
