#pragma once
#include <string>
#include <vector>

namespace qhe {

// One entry of the main window's menus or tool bar: the component name the commands use,
// its caption (or hint for a tool button), shortcut and Tag (1 = needs an open Document,
// 2 = never enabled by EnableItems).
struct MenuEntry {
    std::string name;
    std::string caption;
    // In Qt's portable text form, e.g. "Ctrl+N"; several keys separated by ';' (the first is the
    // one the menu shows); empty for none.
    std::string shortcut;
    int tag = 0;
    int helpContext = 0;
    std::vector<MenuEntry> children;
    bool separatorBefore = false;
    bool hidden = false;
    bool submenu = false; // a menu (possibly filled at run time) rather than a command
};

// The entry's caption in the chosen language (the entries keep their Chinese source).
const std::string& CaptionOf(const MenuEntry& entry);

// The main menu, top menus in order, as the window shows them.
const std::vector<MenuEntry>& MainMenu();

// The tool buttons in order (caption = hint).
const std::vector<MenuEntry>& ToolButtons();

} // namespace qhe
