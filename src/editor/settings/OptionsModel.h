#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/settings/Settings.h"
#include "editor/EditorState.h"

namespace qhe {

// The preferences the options dialog edits.
struct OptionsValues {
    int baseAddress = 0;
    bool oldFileTime = false;
    int mru = 5;
    bool newEOF = false;
    int undoLimitMB = 256; // 0 turns undo off
    int mapFromMB = 2048;
    std::string language = "auto"; // taken at the next start
    std::string font = "Courier New";
    int fontSize = 8;
    int rows = 19;
    int cols = 17;
    int colorBlock = 255;
    bool hideToolBar = false;
    bool hideAddressRange = false;
    bool textGridLeft = false;
    bool showGrids = true;
    bool blankForCC = false;
    int byteOrder = 0;
    DataInspSettings dataInsp;
};

// One entry of the block colour list: its name and its Windows colour value (red in the low byte).
struct NamedColor {
    const char* name;
    int value;
};
const std::vector<NamedColor>& BlockColors();
// The list index of a colour value; -1 for a value without a name.
int BlockColorIndex(int value);

// The dialog's values from the running program.
OptionsValues CurrentOptions(const EditorState& state);
// ButtonDefault: font size 8, 17 columns, 19 rows, 5 recent files, "Courier New", tool bar and
// address column shown, text pane right, grid lines on, control characters shown, red blocks.
void RestoreDefaults(OptionsValues& values);

// What the window must redo after the dialog's OK.
struct OptionsChange {
    bool grid = false;            // font name, font size, columns or rows: lay the panes out again
    bool toolBar = false;         // show or hide the tool bar
    bool inspectorLabels = false; // rebuild the inspector's labels
};

// Takes the chosen values into the program in the dialog's order; the view is redrawn.
OptionsChange ApplyOptions(EditorState& state, const OptionsValues& chosen);

} // namespace qhe
