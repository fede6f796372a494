#pragma once
#include <string>

namespace qhe {

// Full path of the running program (from /proc/self/exe); empty if it cannot be read.
std::string ExecutablePath();

// Folder of the running program, without a trailing "/"; empty if unknown.
std::string ProgramFolder();

// The program's desktop entry id; also the name of its installed icon and metainfo files.
inline constexpr const char* kDesktopId = "org.qhe32.QHE32";

// True when folder is PREFIX/bin of an installed tree, told by the desktop entry that the
// install rules put into PREFIX/share/applications.
bool IsInstalledProgramFolder(const std::string& folder);

// Where the open dialogs of the side files (bookmarks, conversion tables, scripts) start: the
// program's folder, which holds them in portable use, or the home folder of an installed
// program (its folder is a system folder such as /usr/bin).
std::string SideFileFolder();

// True when path is an existing folder in which this process may create files.
bool IsFolderWritable(const std::string& path);

// $XDG_CONFIG_HOME when it holds an absolute path, else ~/.config.
std::string XdgConfigHome();

// $XDG_DATA_HOME when it holds an absolute path, else ~/.local/share.
std::string XdgDataHome();
// $XDG_STATE_HOME when it holds an absolute path, else ~/.local/state.
std::string XdgStateHome();

} // namespace qhe
