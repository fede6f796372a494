#pragma once
#include <deque>

namespace qhe {

// The keys the data panes handle; the window maps its toolkit's key codes onto these.
enum class Key {
    None,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Insert,
    Delete,
    Backspace,
    Tab,
    Escape,
    Shift,
    Other
};

// Modifier flags held with a key.
enum KeyModifier : unsigned { kModNone = 0, kModShift = 1u << 0, kModCtrl = 1u << 1, kModAlt = 1u << 2 };

// Keys the program sends to the active pane itself.
struct KeyboardState {
    // Set while a program-sent key is handled: such a key never extends the block.
    bool syntheticKey = false;
    // Keys posted to the pane: handled after the current key event, when the window drains them.
    std::deque<Key> postedKeys;
};

} // namespace qhe
