#pragma once
#include <string>

namespace qhe::platform {

// What a shortcut (a freedesktop ".desktop" file) holds.
struct ShortcutProperties {
    std::string target;
    std::string arguments;
    std::string workingDir;
    std::string iconFile;
    int iconIndex = 0;
    int windowKind = 0; // 0 normal, 1 minimized, 2 maximized
    std::string name;
};

// The folder of a shell key: "SENDTO" and "PROGRAMS" are $XDG_DATA_HOME/applications (where
// file managers take their "Open with" programs from), "DESKTOP" the XDG desktop folder,
// "STARTUP" $XDG_CONFIG_HOME/autostart (keys without regard to case); any other key is itself
// the folder.
std::string SpecialFolder(const std::string& key);

// Reads the shortcut file linkName in the folder of key; false when it cannot be read.
bool ReadShortcut(const std::string& linkName, const std::string& key, ShortcutProperties& properties);

// Writes the shortcut file linkName into the folder of key (created when missing).
bool CreateShortcut(const std::string& linkName, const std::string& key,
                    const ShortcutProperties& properties);

// The name of the first shortcut file (".desktop", in name order) in the folder of key whose
// target is target; empty when there is none.
std::string FindShortcutTo(const std::string& target, const std::string& key);

// The extension of shortcut files.
inline constexpr const char* kShortcutExtension = ".desktop";

} // namespace qhe::platform
