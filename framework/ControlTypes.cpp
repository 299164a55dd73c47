// The property names that each control class's records use, and the type of each name. A record
// entry carries no type mark, so these tables are what makes a record readable at all.

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>

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

// The names one class knows with their types: a record sets some forty properties of every
// control, and each entry asks for its type twice, so a lookup is one hash rather than a walk
// through the lists.
class Typentabelle {
  public:
    explicit Typentabelle(Names own) {
        auto add = [this](std::string_view name) {
            for (const NamedType& entry : kTypes)
                if (entry.name == name) {
                    types_.emplace(entry.name, entry.type);
                    return;
                }
        };
        for (std::string_view name : kCommon) add(name);
        for (std::string_view name : own) add(name);
    }

    PropertyType TypeIn(const char* className, std::string_view name) const {
        auto it = types_.find(name);
        if (it != types_.end()) return it->second;
        throw RuntimeException(std::string(className) + " hat keine Eigenschaft " +
                               std::string(name));
    }

  private:
    std::unordered_map<std::string_view, PropertyType> types_;
};

}  // namespace

PropertyType TextField::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"TabStop",
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
                                       "DataField"});
    return tabelle.TypeIn(ClassName(), name);
}

PropertyType TextArea::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"TabStop",
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
                                       "DataField"});
    return tabelle.TypeIn(ClassName(), name);
}

PropertyType Label::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"Text", "TextAlign", "TextColor", "Multiline", "Selectable",
                                       "Transparent", "TextFont", "Bold", "Italic", "Underline",
                                       "DataSource", "DataField", "InitialParent"});
    return tabelle.TypeIn(ClassName(), name);
}

PropertyType PushButton::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"TabStop", "Caption", "Default", "Cancel", "ButtonStyle",
                                       "TextFont", "Bold", "Italic", "Underline", "InitialParent"});
    return tabelle.TypeIn(ClassName(), name);
}

PropertyType ComboBox::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"TabStop", "InitialValue", "ListIndex", "UseFocusRing",
                                       "TextFont", "Bold", "Italic", "Underline", "DataSource",
                                       "DataField", "AutoComplete"});
    return tabelle.TypeIn(ClassName(), name);
}

PropertyType Canvas::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"TabStop", "UseFocusRing", "AcceptFocus", "AcceptTabs",
                                       "DoubleBuffer", "EraseBackground", "Transparent",
                                       "InitialParent"});
    return tabelle.TypeIn(ClassName(), name);
}

PropertyType UpDownArrows::TypeOf(std::string_view name) const {
    static const Typentabelle tabelle({"TabStop", "InitialParent", "AcceptFocus"});
    return tabelle.TypeIn(ClassName(), name);
}
