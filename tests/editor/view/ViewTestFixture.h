#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "FakeUi.h"
#include "core/text/Messages.h"
#include "editor/EditorState.h"
#include "editor/file/FileCommands.h"
#include "editor/view/KeyboardEditing.h"
#include "editor/view/ViewCommands.h"

namespace qhe::test {

// An open Document of a given size whose byte at position p is (p - 1) mod 251, shown in a
// grid of cols x rows, with the view and keyboard operations on it.
class ViewTest : public ::testing::Test {
  protected:
    static uint8_t ByteAt(int64_t pos) { return static_cast<uint8_t>((pos - 1) % 251); }

    void Open(int64_t size, int cols = 8, int rows = 8) {
        ASSERT_TRUE(files.AllocateDocument());
        view.SetGridSize(cols, rows);
        ASSERT_TRUE(state.doc.EnsureRoom(size));
        state.doc.SetSize(static_cast<int32_t>(size));
        for (int64_t p = 1; p <= size; ++p)
            state.doc.SetByte(p, ByteAt(p));
        state.doc.FileName = "test.bin";
        files.AfterOpen();
    }

    // Shows the window starting at top (end-aligned near the end) with the cursor on cursor.
    void Place(int64_t top, int64_t cursor) {
        view.ShowAddress(top, false, false);
        ASSERT_EQ(v().TopAddress, top) << "setup: top " << top;
        view.SetCursorCell(view.CellOfPosition(cursor));
        ASSERT_EQ(v().CursorPosition(), cursor) << "setup: cursor " << cursor;
    }

    // Presses and releases the keys of a markup such as "S-Right C-PgDn Tab": "S-" holds
    // Shift, "C-" Ctrl. Posted keys run after each press, as the window drains them.
    void Press(const std::string& markup) {
        std::istringstream words(markup);
        std::string word;
        while (words >> word) {
            unsigned mods = kModNone;
            while (word.size() > 2 && word[1] == '-') {
                mods |= word[0] == 'S' ? kModShift : kModCtrl;
                word.erase(0, 2);
            }
            const Key key = KeyNamed(word);
            ASSERT_NE(key, Key::None) << "unknown key " << word;
            keys.KeyDown(key, mods);
            keys.DrainPostedKeys(mods);
            keys.KeyUp(key, mods);
        }
    }

    // Types the characters of text into the active pane.
    void Type(const std::string& text) {
        for (char ch : text) {
            keys.KeyPress(static_cast<unsigned char>(ch));
            keys.DrainPostedKeys(kModNone);
        }
    }

    static Key KeyNamed(const std::string& name) {
        static const std::vector<std::pair<std::string, Key>> names = {
            {"Left", Key::Left},   {"Right", Key::Right},   {"Up", Key::Up},          {"Down", Key::Down},
            {"PgUp", Key::PageUp}, {"PgDn", Key::PageDown}, {"Home", Key::Home},      {"End", Key::End},
            {"Ins", Key::Insert},  {"Del", Key::Delete},    {"BkSp", Key::Backspace}, {"Tab", Key::Tab},
            {"Esc", Key::Escape},  {"Shift", Key::Shift}};
        for (const auto& [text, key] : names)
            if (text == name) return key;
        return Key::None;
    }

    // The Document's bytes.
    std::vector<uint8_t> Bytes() const { return {state.doc.Buffer(), state.doc.Buffer() + state.doc.Size()}; }
    // "begin..end" of the block, "-" when there is none.
    std::string BlockText() const {
        if (!state.block.Complete()) return "-";
        return std::to_string(state.block.begin) + ".." + std::to_string(state.block.end);
    }

    ViewState& v() { return state.view; }

    FakeUi ui;
    EditorState state{ui};
    FileCommands files{state};
    ViewCommands view{state};
    KeyboardEditing keys{state};
};

} // namespace qhe::test
