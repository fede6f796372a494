#pragma once
#include <cstdint>
#include <string>

#include "editor/EditorState.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

// The three commands of Blockcopy1Click: copy the block before the cursor, copy it over the
// bytes at the cursor, move it before the cursor.
enum class BlockCopyKind { Copy, CopyOverwrite, Move };

// The commands on the marked block and near the cursor: mark, mark n bytes, unmark, delete,
// copy, copy over, move, write the block to a file, insert a file, delete from or to the
// cursor. A command that fails (no memory, file error, Cancel) leaves the Document as it was.
class BlockCommands {
  public:
    explicit BlockCommands(EditorState& state) : s_(state), view_(state) {}

    // Ctrl+B: marks the block's begin, then its end, then starts a new block.
    void Blockmark1Click();
    // Marks the n bytes from the cursor that the mark-n-bytes dialog asks for.
    void Blocknchars1Click();
    void Blockunmark1Click();
    // Ctrl+A: the whole Document as the block.
    void Blockall1Click();
    void Blockdelete1Click() { DeleteBlock(); }
    // Deletes the block. True when bytes were deleted by the ordinary path; false without a
    // block (message 2023) or when the block was the whole Document (which is then emptied).
    bool DeleteBlock();
    void Blockcopy1Click(BlockCopyKind kind);
    // Deletes from the cursor (inclusive) to the end.
    void Deletefromcursor1Click();
    // Deletes from the start to the cursor (inclusive).
    void Deletetocursor1Click();
    // Writes the block to a file chosen in the save dialog.
    void Writeblock1Click();
    // Inserts a file chosen in the open dialog before the cursor.
    void Insertfile1Click();
    // Inserts the file name before the cursor; answers success. On any failure the Document,
    // the block and the cursor stay as they were.
    bool InsertFile(const std::string& name);

  private:
    // The copy worker: n block bytes to position a, into a new gap when insert. False (message
    // 2004, nothing changed) when the gap cannot be had.
    bool CopyBlockTo(int64_t a, bool insert);
    // Removes the block's original bytes after its copy was inserted at a, and marks the copy.
    void FinishMove(int64_t a, int64_t oldBegin, int64_t oldEnd);
    // Empties the Document as a deletion that removed every byte.
    void DeleteEverything();
    bool HasBytes() const { return s_.doc.IsOpen && s_.doc.Size() > 0; }

    EditorState& s_;
    ViewCommands view_;
};

} // namespace qhe
