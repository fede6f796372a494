#pragma once
#include <QIcon>

#include <string>

namespace qhe {

// The program's own icon set: one drawing per tool button (src/gui/icons), all in one stroke
// style and palette, so each glyph says what its button does whatever desktop theme is in use.
// Answers a null icon for a name that has no drawing.
QIcon ToolButtonIcon(const std::string& buttonName);

} // namespace qhe
