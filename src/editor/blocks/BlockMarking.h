#pragma once
#include <cstdint>

#include "editor/EditorState.h"

namespace qhe {

// The block rules the keyboard and the file commands share: the marking step with its menu
// states, unmarking and dropping a block that an edit invalidated.
class BlockMarking {
  public:
    explicit BlockMarking(EditorState& state) : s_(state) {}

    // The marking step at the cursor; enables Blockunmark1 and the block command group
    // while the block is complete.
    void MarkStep(bool extend, bool forward);
    // Marks begin..end as the complete block (the marking direction is kept) and enables
    // Blockunmark1 and the block command group.
    void SetBlock(int64_t begin, int64_t end);
    // Unmarks the block and disables the block commands (the clipboard items keep their state).
    void Unmark(bool refreshInspector);
    // An edit at position p drops a complete block that ends at or after p, with message 2021.
    void InvalidateBlockFrom(int64_t p);

  private:
    // Enables the block command group while the block is complete, disables it otherwise.
    void UpdateBlockGroup();

    EditorState& s_;
};

} // namespace qhe
