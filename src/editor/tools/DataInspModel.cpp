#include "editor/tools/DataInspModel.h"

#include <vector>

#include "core/tools/DecodeNumbers.h"

namespace qhe {
namespace {

constexpr uint8_t kNotEditable = 255;

// One line kind of the inspector, in display order.
struct LineKind {
    bool DataInspSettings::*enabled;
    const char* label;
    uint8_t type; // kNotEditable for the block size
};

const std::vector<LineKind>& LineKinds() {
    static const std::vector<LineKind> kinds = {
        {&DataInspSettings::shortInt, "short (±):", 0},
        {&DataInspSettings::byteInt, "byte (+):", 1},
        {&DataInspSettings::word, "word (+):", 2},
        {&DataInspSettings::intValue, "integer (±):", 3},
        {&DataInspSettings::longInt, "longint (±):", 4},
        {&DataInspSettings::single, "IEEE single:", 5},
        {&DataInspSettings::doubleFloat, "IEEE double:", 6},
        {&DataInspSettings::bin, "binary:", 7},
        {&DataInspSettings::blockSize, "Block Size:", kNotEditable},
    };
    return kinds;
}

std::string Binary(uint8_t b) {
    std::string bits(8, '0');
    for (int i = 0; i < 8; ++i)
        if (b & (0x80 >> i)) bits[static_cast<size_t>(i)] = '1';
    return bits;
}

} // namespace

InspectorLabels BuildInspectorLabels(const DataInspSettings& options) {
    InspectorLabels labels;
    labels.lineTypes.fill(kNotEditable);
    for (const LineKind& kind : LineKinds()) {
        if (!(options.*kind.enabled)) continue;
        if (!labels.text.empty()) labels.text += "\n";
        labels.text += kind.label;
        if (labels.lineCount < 8) labels.lineTypes[static_cast<size_t>(labels.lineCount)] = kind.type;
        ++labels.lineCount;
    }
    return labels;
}

std::string InspectorValues(const EditorState& state, char decimalSeparator) {
    const Document& doc = state.doc;
    if (!doc.IsOpen || doc.Size() == 0) return {};
    const int64_t address = state.view.CursorPosition();
    const DecodedNumbers numbers = DecodeNumbersAt(doc, address, state.options.byteOrder, decimalSeparator);
    const bool onByte = address >= 1 && address <= doc.Size();
    const uint8_t b0 = onByte ? doc.GetByte(address) : 0;
    const std::string texts[] = {numbers.shortInt,
                                 onByte ? std::to_string(b0) : std::string(),
                                 numbers.word,
                                 numbers.integer,
                                 numbers.longInt,
                                 numbers.single,
                                 numbers.dbl,
                                 onByte ? Binary(b0) : std::string(),
                                 std::to_string(state.block.Length())};
    std::string values;
    bool first = true;
    const auto& kinds = LineKinds();
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (!(state.dataInsp.*kinds[i].enabled)) continue;
        if (!first) values += "\r\n";
        values += texts[i];
        first = false;
    }
    return values;
}

} // namespace qhe
