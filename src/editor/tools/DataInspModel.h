#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/settings/Settings.h"
#include "editor/EditorState.h"

namespace qhe {

// What the data inspector shows: its label column and, for the byte under the cursor, the
// value column, one line per enabled line kind in the fixed display order.
struct InspectorLabels {
    std::string text;                   // the enabled labels joined by line breaks
    std::array<uint8_t, 8> lineTypes{}; // per line from the top: type code 0..7, 255 = not editable
    int lineCount = 0;
};

// The labels of the enabled line kinds.
InspectorLabels BuildInspectorLabels(const DataInspSettings& options);

// The values at the cursor, lines joined by CR LF; empty without an open, non-empty Document.
std::string InspectorValues(const EditorState& state, char decimalSeparator);

} // namespace qhe
