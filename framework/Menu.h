#pragma once
// Menus. A MenuBar is a MenuItem whose children are the menus. Entries without a handler do what
// the framework does for them: File > Quit quits, the Edit entries act on the focused text
// control and are enabled only when they can act.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MenuItem {
  public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string Name;
    std::string Text;                             // "&" marks the access key; "-" makes a separator
    std::optional<std::string> KeyboardShortcut;  // "Cmd+Q" style; unset: none assigned
    bool AutoEnable = false;
    bool Visible = false;

    // Adds a child at the end; the item owns it.
    void Append(std::unique_ptr<MenuItem> child);
    // The child with that Name, searched among the children only; nullptr if none.
    MenuItem* Child(std::string_view name) const;
    // Searches the whole tree below this item.
    MenuItem* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }

    // Whether the framework would enable the entry now (Edit entries depend on the focus).
    bool IsEnabledNow() const;
    // Chooses the entry as the user would.
    void Choose();

  private:
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// The application's quit entry: choosing it quits with exit code 0.
class QuitMenuItem : public MenuItem {};

class MenuBar : public MenuItem {};
