// The property names that each control class's records use, and the type of each name. A record
// entry carries no type mark, so these tables are what makes a record readable at all.

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "framework/Controls.h"
#include "framework/Errors.h"

namespace {

struct NamedType {
    std::string_view name;
    PropertyType type;
};

constexpr PropertyType I = PropertyType::Int32;
constexpr PropertyType B = PropertyType::Boolean;
constexpr PropertyType C = PropertyType::Color;
constexpr PropertyType S = PropertyType::String;

// A name has the same type in every class that has it.
constexpr std::array kTypes = {
    NamedType{"Index", I},
    NamedType{"Left", I},
    NamedType{"Top", I},
    NamedType{"Width", I},
    NamedType{"Height", I},
    NamedType{"TabPanelIndex", I},
    NamedType{"TabIndex", I},
    NamedType{"LimitText", I},
    NamedType{"Alignment", I},
    NamedType{"TextAlign", I},
    NamedType{"ButtonStyle", I},
    NamedType{"ListIndex", I},
    NamedType{"LockLeft", B},
    NamedType{"LockTop", B},
    NamedType{"LockRight", B},
    NamedType{"LockBottom", B},
    NamedType{"TabStop", B},
    NamedType{"Border", B},
    NamedType{"Password", B},
    NamedType{"UseFocusRing", B},
    NamedType{"Enabled", B},
    NamedType{"Visible", B},
    NamedType{"AutoDeactivate", B},
    NamedType{"Bold", B},
    NamedType{"Italic", B},
    NamedType{"Underline", B},
    NamedType{"ReadOnly", B},
    NamedType{"AcceptTabs", B},
    NamedType{"AutomaticallyCheckSpelling", B},
    NamedType{"Default", B},
    NamedType{"Cancel", B},
    NamedType{"Multiline", B},
    NamedType{"Selectable", B},
    NamedType{"Transparent", B},
    NamedType{"ScrollbarHorizontal", B},
    NamedType{"ScrollbarVertical", B},
    NamedType{"Styled", B},
    NamedType{"HideSelection", B},
    NamedType{"AcceptFocus", B},
    NamedType{"DoubleBuffer", B},
    NamedType{"EraseBackground", B},
    NamedType{"AutoComplete", B},
    NamedType{"TextColor", C},
    NamedType{"BackColor", C},
    NamedType{"Name", S},
    NamedType{"Format", S},
    NamedType{"HelpTag", S},
    NamedType{"TextFont", S},
    NamedType{"CueText", S},
    NamedType{"Text", S},
    NamedType{"Mask", S},
    NamedType{"DataSource", S},
    NamedType{"DataField", S},
    NamedType{"Caption", S},
    NamedType{"InitialParent", S},
    NamedType{"InitialValue", S},
};

using Names = std::initializer_list<std::string_view>;

// What every control class has.
constexpr std::string_view kCommon[] = {
    "Name",     "Index",   "Left",      "Top",           "Width",         "Height",
    "LockLeft", "LockTop", "LockRight", "LockBottom",    "TabPanelIndex", "TabIndex",
    "Enabled",  "Visible", "HelpTag",   "AutoDeactivate"};

PropertyType TypeIn(const char* className, Names own, std::string_view name) {
    const bool known =
        std::find(std::begin(kCommon), std::end(kCommon), name) != std::end(kCommon) ||
        std::find(own.begin(), own.end(), name) != own.end();
    if (known)
        for (const NamedType& entry : kTypes)
            if (entry.name == name) return entry.type;
    throw RuntimeException(std::string(className) + " hat keine Eigenschaft " + std::string(name));
}

}  // namespace

PropertyType TextField::TypeOf(std::string_view name) const {
    return TypeIn(ClassName(),
                  {"TabStop",
                   "Border",
                   "Password",
                   "UseFocusRing",
                   "TextColor",
                   "BackColor",
                   "Format",
                   "TextFont",
                   "Bold",
                   "Italic",
                   "Underline",
                   "CueText",
                   "Text",
                   "Mask",
                   "ReadOnly",
                   "LimitText",
                   "AcceptTabs",
                   "Alignment",
                   "AutomaticallyCheckSpelling",
                   "DataSource",
                   "DataField"},
                  name);
}

PropertyType TextArea::TypeOf(std::string_view name) const {
    return TypeIn(ClassName(),
                  {"TabStop",
                   "Border",
                   "Multiline",
                   "ScrollbarHorizontal",
                   "ScrollbarVertical",
                   "Styled",
                   "UseFocusRing",
                   "TextColor",
                   "BackColor",
                   "Format",
                   "HideSelection",
                   "TextFont",
                   "Bold",
                   "Italic",
                   "Underline",
                   "Text",
                   "Mask",
                   "ReadOnly",
                   "LimitText",
                   "AcceptTabs",
                   "Alignment",
                   "AutomaticallyCheckSpelling",
                   "DataSource",
                   "DataField"},
                  name);
}

PropertyType Label::TypeOf(std::string_view name) const {
    return TypeIn(
        ClassName(),
        {"Text", "TextAlign", "TextColor", "Multiline", "Selectable", "Transparent", "TextFont",
         "Bold", "Italic", "Underline", "DataSource", "DataField", "InitialParent"},
        name);
}

PropertyType PushButton::TypeOf(std::string_view name) const {
    return TypeIn(ClassName(),
                  {"TabStop", "Caption", "Default", "Cancel", "ButtonStyle", "TextFont", "Bold",
                   "Italic", "Underline", "InitialParent"},
                  name);
}

PropertyType ComboBox::TypeOf(std::string_view name) const {
    return TypeIn(ClassName(),
                  {"TabStop", "InitialValue", "ListIndex", "UseFocusRing", "TextFont", "Bold",
                   "Italic", "Underline", "DataSource", "DataField", "AutoComplete"},
                  name);
}

PropertyType Canvas::TypeOf(std::string_view name) const {
    return TypeIn(ClassName(),
                  {"TabStop", "UseFocusRing", "AcceptFocus", "AcceptTabs", "DoubleBuffer",
                   "EraseBackground", "Transparent", "InitialParent"},
                  name);
}

PropertyType UpDownArrows::TypeOf(std::string_view name) const {
    return TypeIn(ClassName(), {"TabStop", "InitialParent", "AcceptFocus"}, name);
}
