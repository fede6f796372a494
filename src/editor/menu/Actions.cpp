#include "editor/menu/Actions.h"

#include "editor/menu/MenuModel.h"

namespace qhe {
namespace {

void Collect(const std::vector<MenuEntry>& entries, std::map<std::string, ActionRegistry::State>& states,
             std::map<std::string, int>& commandTags) {
    for (const auto& entry : entries) {
        ActionRegistry::State state;
        state.tag = entry.tag;
        state.visible = !entry.hidden;
        states[entry.name] = state;
        if (!entry.submenu) commandTags[entry.name] = entry.tag;
        Collect(entry.children, states, commandTags);
    }
}

} // namespace

ActionRegistry::ActionRegistry() {
    Collect(MainMenu(), states_, menuTags_);
    Collect(ToolButtons(), states_, menuTags_);
}

void ActionRegistry::SetAvailable(const std::function<bool(const std::string&)>& available) {
    for (const auto& [name, tag] : menuTags_) {
        const bool on = available(name);
        states_[name].tag = on ? tag : 2;
        if (!on) Set(name, &State::enabled, false);
    }
}

void ActionRegistry::Set(const std::string& name, bool State::*field, bool on) {
    auto it = states_.find(name);
    if (it == states_.end() || it->second.*field == on) return;
    it->second.*field = on;
    if (onChange) onChange(name);
}

void ActionRegistry::EnableItems(std::initializer_list<const char*> names, bool on) {
    for (const char* name : names) {
        auto it = states_.find(name);
        if (it != states_.end() && it->second.tag != 2) Set(name, &State::enabled, on);
    }
}

void ActionRegistry::EnableItems(const std::vector<std::string>& names, bool on) {
    for (const auto& name : names) {
        auto it = states_.find(name);
        if (it != states_.end() && it->second.tag != 2) Set(name, &State::enabled, on);
    }
}

void ActionRegistry::DisableFileItems() {
    for (auto& [name, state] : states_)
        if (state.tag == 1) Set(name, &State::enabled, false);
}

void ActionRegistry::SetEnabled(const std::string& name, bool on) {
    Set(name, &State::enabled, on);
}
void ActionRegistry::SetChecked(const std::string& name, bool on) {
    Set(name, &State::checked, on);
}
void ActionRegistry::SetVisible(const std::string& name, bool on) {
    Set(name, &State::visible, on);
}

void ActionRegistry::SetCaption(const std::string& name, const std::string& caption) {
    auto it = states_.find(name);
    if (it == states_.end() || it->second.caption == caption) return;
    it->second.caption = caption;
    if (onChange) onChange(name);
}

void ActionRegistry::SetHint(const std::string& name, const std::string& hint) {
    auto it = states_.find(name);
    if (it == states_.end() || it->second.hint == hint) return;
    it->second.hint = hint;
    if (onChange) onChange(name);
}

void ActionRegistry::SetTag(const std::string& name, int tag) {
    auto it = states_.find(name);
    if (it != states_.end()) it->second.tag = tag;
}

bool ActionRegistry::Enabled(const std::string& name) const {
    const State* state = Find(name);
    return state && state->enabled;
}

bool ActionRegistry::Checked(const std::string& name) const {
    const State* state = Find(name);
    return state && state->checked;
}

const ActionRegistry::State* ActionRegistry::Find(const std::string& name) const {
    auto it = states_.find(name);
    return it == states_.end() ? nullptr : &it->second;
}

} // namespace qhe
