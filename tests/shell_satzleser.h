#pragma once
// Reads a property record back in the tests: the property types as the record format defines
// them, typed here independently of the framework's classes.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/Errors.h"
#include "framework/Properties.h"

namespace satzleser {

inline std::vector<std::string> Woerter(std::string_view text) {
    std::vector<std::string> woerter;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        const std::size_t ende = std::min(text.find(' ', anfang), text.size());
        if (ende > anfang) woerter.emplace_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return woerter;
}

// Every property that a window or control record of this program holds, by type.
inline const std::map<std::string, PropertyType, std::less<>>& Typen() {
    static const std::map<std::string, PropertyType, std::less<>> typen = [] {
        std::map<std::string, PropertyType, std::less<>> m;
        const auto eintragen = [&m](std::string_view namen, PropertyType typ) {
            for (const std::string& n : Woerter(namen)) m[n] = typ;
        };
        eintragen(
            "Index Left Top Width Height TabPanelIndex TabIndex LimitText Alignment TextAlign "
            "ButtonStyle ListIndex Placement MinWidth MinHeight MaxWidth MaxHeight Frame MacProcID",
            PropertyType::Int32);
        eintragen(
            "LockLeft LockTop LockRight LockBottom TabStop Border Password UseFocusRing Enabled "
            "Visible AutoDeactivate Bold Italic Underline ReadOnly AcceptTabs "
            "AutomaticallyCheckSpelling Default Cancel Multiline Selectable Transparent "
            "ScrollbarHorizontal ScrollbarVertical Styled HideSelection AcceptFocus DoubleBuffer "
            "EraseBackground AutoComplete Composite HasBackColor FullScreen MenuBarVisible "
            "CloseButton Resizeable LiveResize MaximizeButton MinimizeButton FullScreenButton",
            PropertyType::Boolean);
        eintragen("TextColor BackColor", PropertyType::Color);
        eintragen(
            "Name Format HelpTag TextFont CueText Text Mask DataSource DataField Caption "
            "InitialParent InitialValue Title",
            PropertyType::String);
        return m;
    }();
    return typen;
}

// An object that knows every property type and keeps what a record sets, in order.
class Aufzeichner : public PropertyObject {
  public:
    PropertyType TypeOf(std::string_view name) const override {
        auto it = Typen().find(name);
        if (it == Typen().end()) throw RuntimeException("unbekannt: " + std::string(name));
        return it->second;
    }
    std::vector<std::string> reihenfolge;

  protected:
    void ApplyProperty(std::string_view name, const PropertyValue&) override {
        reihenfolge.emplace_back(name);
    }
};

struct Gelesen {
    Aufzeichner objekt;
    std::int32_t Int(const char* n) const { return std::get<std::int32_t>(objekt.Property(n)); }
    bool Bool(const char* n) const { return std::get<bool>(objekt.Property(n)); }
    Color Farbe(const char* n) const { return std::get<Color>(objekt.Property(n)); }
    std::string Text(const char* n) const { return std::get<std::string>(objekt.Property(n)); }
    bool Hat(const char* n) const { return objekt.HasProperty(n); }
};

inline Gelesen Lesen(const std::string& satz) {
    Gelesen g;
    _SetProperties(g.objekt, satz);
    return g;
}

}  // namespace satzleser
