#pragma once
// The main window's layout as data: one row per control in creation order (the rows live in
// Steuerelemente.def), the values each control class starts from, and the property record that
// carries a control's layout values to the framework.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Properties.h"

enum class Klasse { TextField, TextArea, Label, PushButton, ComboBox, Canvas, UpDownArrows };

inline constexpr Color kGruen = RGB(0xE5, 0xFF, 0xD8);  // fields the user types into
inline constexpr Color kGelb = RGB(0xFF, 0xFF, 0xCF);   // fields that show results
inline constexpr Color kSchwarz = RGB(0, 0, 0);

// A control's values beside its geometry, tab index and text. In a row of the table only the
// values that differ from the class values are set; Klassenwerte() sets every value its class
// uses. The member order is the order of the designated initialisers in Steuerelemente.def.
struct Werte {
    std::optional<bool> locked{};  // LockLeft and LockTop together
    std::optional<bool> tabStop{};
    std::optional<bool> focusRing{};  // UseFocusRing
    std::optional<Color> backColor{};
    std::optional<bool> visible{};
    std::optional<bool> enabled{};
    std::optional<bool> readOnly{};
    std::optional<bool> bold{};
    std::optional<bool> acceptTabs{};
    std::optional<bool> isDefault{};  // the default button, pressed by Return
    std::optional<std::int32_t> alignment{};
    std::optional<std::int32_t> textAlign{};
    std::optional<std::int32_t> buttonStyle{};
    // The explicit text settings that no record holds, made in this order before the record.
    std::optional<double> lineSpacing{};
    std::optional<float> textSize{};
    std::optional<std::uint8_t> textUnit{};
    std::optional<std::string_view> entries{};  // a combo box's entries, separated by CR
    // Two labels carry TabPanelIndex at the end of their record rather than after LockBottom.
    std::optional<bool> tabPanelIndexLast{};
};

struct Steuerelement {
    std::string_view name;
    Klasse klasse;
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    std::int32_t tabIndex;
    std::string_view
        text;  // Text, or Caption for a push button; unused by combo box, canvas, arrows
    Werte abweichungen{};
};

inline constexpr std::size_t kAnzahlSteuerelemente = 113;

// The 113 controls in creation order.
const std::array<Steuerelement, kAnzahlSteuerelemente>& Steuerelemente();
// The row of the control with this name, or nullptr.
const Steuerelement* SteuerelementNamens(std::string_view name);

std::string_view KlassenName(Klasse klasse);
Werte Klassenwerte(Klasse klasse);
// The class values with the row's differing values laid over them.
Werte WerteVon(const Steuerelement& zeile);

// The control's property record: exactly the properties of its class, in record order.
std::string Eigenschaftssatz(const Steuerelement& zeile);
// The window's own property record.
std::string Fenstersatz();
