#pragma once
#include <string>

namespace qhe {

// The settings file's full path: $QHE32_INI when set; else QHE32.INI beside the program when
// that folder is writable (portable use); else $XDG_CONFIG_HOME/qhe32/QHE32.INI (the folder
// is created when the file is first written).
std::string SettingsFileName();

} // namespace qhe
