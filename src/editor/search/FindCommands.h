#pragma once
#include <cstdint>

#include "core/util/Progress.h"
#include "editor/EditorState.h"

namespace qhe {

// Find, find again up and down, and count: the document-level searches on the one engine with
// the stored pattern and options, and the Search menu's handlers around them.
class FindCommands {
  public:
    explicit FindCommands(EditorState& state) : s_(state) {}

    // Forward search from position to the Document's end. With afterHit the start first steps
    // past the last replacement or the last hit the cursor stands on. On return position holds
    // the hit (or -1 / -2 from the engine), found tells whether it is one; a hit becomes
    // lastFoundAddress. The progress box shows the window's position and may cancel.
    void FindNext(int64_t& position, bool& found, bool& cancelled, bool replaceMode, bool afterHit,
                  Progress& progress);
    // Backward search for a hit ending at or before position (before the last hit when the
    // cursor stands on it).
    void FindPrevious(int64_t& position, bool& found, bool& cancelled, Progress& progress);
    // Counts the hits from start in a direction; hits never overlap. False when cancelled.
    bool CountMatches(bool down, int64_t start, int64_t& count, Progress& progress);

    // The find dialog, then the search in the chosen direction.
    void Find1Click();
    // F3 and Shift+F3. byUser: invoked from the menu or a key, so the search starts at the
    // cursor; from the find dialog the scope option decides.
    void Findagaindown1Click(bool byUser);
    void Findagainup1Click(bool byUser);
    // The count dialog, then the count with its result in a text box.
    void Count1Click();

  private:
    // Runs the dialog and stores its options and pattern; false on Cancel.
    bool RunDialog(bool count);
    void FindAgain(bool down, bool byUser);
    int64_t PatternLength() const { return static_cast<int64_t>(s_.search.findString.size()); }

    EditorState& s_;
};

} // namespace qhe
