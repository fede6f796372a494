#pragma once
#include <string>
#include <vector>

#include "editor/blocks/BlockCommands.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/view/ViewTestFixture.h"

namespace qhe::test {

// A Document written as a markup: each character is one byte, "_" stands before the byte
// under the cursor, "[" before the block's first byte and "]" after its last. "ab[cd]e_f" is
// the Document "abcdef" with the block 3..4 and the cursor on position 6.
class BlockTest : public ViewTest {
  protected:
    void Load(const std::string& markup) {
        std::string bytes;
        int64_t cursor = 1, begin = 0, end = 0;
        for (char ch : markup) {
            const int64_t next = static_cast<int64_t>(bytes.size()) + 1;
            if (ch == '_')
                cursor = next;
            else if (ch == '[')
                begin = next;
            else if (ch == ']')
                end = next - 1;
            else
                bytes += ch;
        }
        Open(static_cast<int64_t>(bytes.size()), 8, 8);
        for (size_t i = 0; i < bytes.size(); ++i)
            state.doc.SetByte(static_cast<int64_t>(i) + 1, static_cast<uint8_t>(bytes[i]));
        view.ShowAddress(cursor, true, false);
        if (end != 0) {
            BlockMarking(state).SetBlock(begin, end);
        } else {
            state.block.begin = begin; // a half-set block, as a first Ctrl+B leaves it
            state.block.end = 0;
        }
        ui.messages.clear();
        ui.busyTexts.clear();
    }

    // The Document, the cursor and the block in the markup of Load.
    std::string Markup() const {
        std::string text;
        const int64_t size = state.doc.Size();
        const int64_t cursor = state.view.CursorPosition();
        for (int64_t p = 1; p <= size; ++p) {
            if (state.block.begin == p) text += '[';
            if (cursor == p) text += '_';
            text += static_cast<char>(state.doc.GetByte(p));
            if (state.block.end == p) text += ']';
        }
        return text;
    }

    // The catalogue ids of the messages shown, in order (ids of this command group only).
    std::vector<int> MessageIds() const {
        std::vector<int> ids;
        for (const auto& m : ui.messages) {
            int found = -1;
            for (int id : {2002, 2004, 2021, 2023, 2024, 2026, 2028, 2076})
                if (m.text == Msg(id)) found = id;
            ids.push_back(found);
        }
        return ids;
    }

    BlockCommands blocks{state};
};

} // namespace qhe::test
