#pragma once
#include <cstdint>

#include "editor/EditorState.h"
#include "editor/view/Keys.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

// Keyboard editing in the data panes: the key-down table with the panes' own cursor moves,
// key-up, typed characters and hex digits, single-byte insert and delete, and the
// insert/overwrite switch. Keys always go to the active pane.
class KeyboardEditing {
  public:
    explicit KeyboardEditing(EditorState& state) : s_(state), view_(state) {}

    // A key pressed in the active pane (QZStrGridTextKeyDown followed by the pane's own move).
    void KeyDown(Key key, unsigned modifiers);
    // A key released in the active pane: Shift-marking after the cursor moved.
    void KeyUp(Key key, unsigned modifiers);
    // A typed character (Unicode): a byte in the text pane, a hex digit in the hex pane.
    void KeyPress(char32_t ch);

    // Stores one typed byte at the cursor and posts the cursor advance.
    void TypeByte(uint8_t b);
    // Inserts b before the byte under the cursor; false (message 2004) when memory runs out.
    bool InsertByteAtCursor(uint8_t b);
    // Removes the byte under the cursor; the capacity is kept.
    void DeleteByteAtCursor();
    // Delivers a key to the active pane at once, as a key the program sent.
    void SendKey(Key key, unsigned modifiers);
    // Queues a key for the active pane; it runs when the window drains the posted keys.
    void PostKey(Key key) { s_.keyboard.postedKeys.push_back(key); }
    // Runs the posted keys with the modifiers held now; the window calls it after every key
    // event, so the cursor advance of a typed byte comes after the key-press has been handled.
    void DrainPostedKeys(unsigned modifiers);
    bool HasPostedKeys() const { return !s_.keyboard.postedKeys.empty(); }

    // Insert switches between insert and overwrite mode.
    void ModusOverwrite1Click();

  private:
    // The key-down table; false when the pane's own move must follow.
    bool HandleTableRow(Key key, unsigned modifiers);
    // The pane's own cursor move, limited to cells holding bytes, wrapping Left and Right.
    void MovePaneCursor(Key key, unsigned modifiers);

    EditorState& s_;
    ViewCommands view_;
};

} // namespace qhe
