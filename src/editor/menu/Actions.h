#pragma once
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace qhe {

// The enabled state of every menu item and tool button of the main window, kept under the
// component's own name, with the Tag rules: Tag 1 items need an open Document, and items
// with Tag 2 are never enabled by EnableItems.
class ActionRegistry {
  public:
    struct State {
        int tag = 0;
        bool enabled = true;
        bool checked = false;
        bool visible = true;
        std::string caption; // set only for items whose caption changes at run time
        std::string hint;    // likewise for the status bar hint (and a tool button's tip)
    };

    // All menu items and tool buttons of the main window with their Tags, enabled.
    ActionRegistry();

    // Items whose command is not available (available(name) false) get Tag 2 and are
    // disabled; the available ones get back the Tag of their menu entry. Menus are left alone.
    void SetAvailable(const std::function<bool(const std::string&)>& available);

    // For each item whose Tag is not 2: enabled := on.
    void EnableItems(std::initializer_list<const char*> names, bool on);
    void EnableItems(const std::vector<std::string>& names, bool on);
    // Disables every item and tool button with Tag 1.
    void DisableFileItems();
    // Sets one item regardless of the Tag rule (enabling rules of the menus refine this way).
    void SetEnabled(const std::string& name, bool on);
    void SetChecked(const std::string& name, bool on);
    void SetVisible(const std::string& name, bool on);
    void SetCaption(const std::string& name, const std::string& caption);
    void SetHint(const std::string& name, const std::string& hint);
    void SetTag(const std::string& name, int tag);

    bool Enabled(const std::string& name) const;
    bool Checked(const std::string& name) const;
    const State* Find(const std::string& name) const;
    const std::map<std::string, State>& All() const { return states_; }

    // Called after every change, with the item's name.
    std::function<void(const std::string&)> onChange;

  private:
    void Set(const std::string& name, bool State::*field, bool on);

    std::map<std::string, State> states_;
    std::map<std::string, int> menuTags_; // each command's Tag as its menu entry gives it
};

} // namespace qhe
