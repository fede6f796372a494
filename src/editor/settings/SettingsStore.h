#pragma once
#include <string>

#include "core/settings/Settings.h"
#include "editor/EditorState.h"

namespace qhe {

// Reads the main settings and the recent-files list into the editor state (first activation).
// Answers what was read, for the window's placement and sizes.
MainSettings ReadSettingsInto(EditorState& state, const std::string& fileName, const ScreenInfo& screen,
                              const std::string& programFolder);

// Writes the main settings and the recent-files list (window close). A failure shows message
// 2073 and answers false; the file then keeps its previous contents.
bool WriteSettingsFrom(EditorState& state, const std::string& fileName, const ScreenInfo& screen, int top,
                       int left, int windowState);

} // namespace qhe
