#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/EditorState.h"

namespace qhe {

// The encode dialog without its widgets: the number type and output choice (remembered in the
// settings), the conversion on OK and the bytes it gives.
class EncodeDialogModel {
  public:
    EncodeDialogModel(EditorState& state, std::string initialText);

    int as = 0;           // NumberType index, setting "EncodeAs"
    int where = 0;        // 0 insert, 1 overwrite, 2 show here; setting "EncodeWhere"
    std::string text;     // the number field's first text ("" keeps the history's last entry)
    std::string hereText; // EditHere: the bytes shown by "这里(&H)"
    std::vector<uint8_t> bytes;

    // "字节顺序:..." for the current byte order.
    std::string ByteOrderLabel() const;
    // OK: converts typed by the chosen type. False keeps the dialog open: after a failure
    // (its message shown) or with "show here" (the bytes shown in hereText).
    bool Confirm(const std::string& typed);

  private:
    EditorState& s_;
};

// The bit editor without its widgets: the eight bits of the byte at the cursor.
class BitDialogModel {
  public:
    explicit BitDialogModel(EditorState& state);

    uint8_t opening = 0; // the byte when the dialog opened
    uint8_t value = 0;   // the check boxes

    static bool BitTest(uint8_t byte, int bit) { return (byte >> bit) & 1; }
    static uint8_t BitAssign(uint8_t value, int bit, bool on) {
        return on ? static_cast<uint8_t>(value | (1u << bit)) : static_cast<uint8_t>(value & ~(1u << bit));
    }
    // LabelValue: "十进制: %d  十六进制: %2.2x  二进制: %s".
    std::string Label() const;
    // ButtonReread: the boxes from the byte at the cursor.
    void Reread();
    // ButtonSet: writes the boxes' value when it differs from the opening byte.
    void Set();

  private:
    EditorState& s_;
};

// Decode, Encode and the bit editor of the Tools menu.
class NumberToolCommands {
  public:
    explicit NumberToolCommands(EditorState& state) : s_(state) {}

    void Decode1Click();
    // Opens the encode dialog, with prefill in the number field when given.
    void Encode1Click(const std::string& prefill = {});
    void Bitmanipulation1Click();

    // The decode text and its title for the bytes at the cursor.
    static std::string DecodeText(const EditorState& state, char decimalSeparator);

  private:
    void WriteEncoded(const std::vector<uint8_t>& bytes, bool overwrite);
    EditorState& s_;
};

} // namespace qhe
