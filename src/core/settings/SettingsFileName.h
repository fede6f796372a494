#pragma once
#include <string>

namespace qhe {

// The settings file's full path: $QHE32_INI when set; else QHE32.INI beside the program when
// that folder is writable (portable use); else $XDG_CONFIG_HOME/qhe32/QHE32.INI (the folder
// is created when the file is first written). An installed program (PREFIX/bin/qhe32) always
// uses the per-user file: its folder is shared, and writable for root or a prefix in the home
// folder, where a settings file would be left behind when the program is removed.
std::string SettingsFileName();

// The same for a program in programFolder.
std::string SettingsFileNameFor(const std::string& programFolder);

} // namespace qhe
