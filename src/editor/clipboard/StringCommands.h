#pragma once
#include <cstdint>
#include <string>

#include "editor/EditorState.h"
#include "editor/clipboard/InsertDialogModel.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

// Insert string and overwrite string (the dialog TFormIns), and the two Document operations
// they share with paste from hex string: inserting a byte string n times and writing one over
// the bytes at a position. A refused operation leaves the Document as it was.
class StringCommands {
  public:
    explicit StringCommands(EditorState& state) : s_(state), view_(state) {}

    // "插入字符串(&I)...": the dialog's bytes, repeated, before the byte under the cursor.
    void Insert1Click();
    // "覆盖字符串(&W)...": the dialog's bytes over the bytes from the cursor on.
    void Overwritestring1Click();

    // Inserts bytes count times before pos; the cursor goes onto min(pos + total, Size) and
    // Modified is set. False with message 2004 when the total cannot be held (also when it
    // would pass 2 GiB or overflow).
    bool InsertRepeated(int64_t pos, int64_t count, const std::string& bytes);
    // Writes bytes over pos..; the cursor goes onto min(pos + length, Size). False with message
    // 2028 when they would pass the last byte. Without moveView the view and cursor stay (a
    // script moves them once at its end).
    bool OverwriteBytes(int64_t pos, const std::string& bytes, bool moveView = true);

  private:
    InsertDialogRequest DialogRequest(bool overwrite) const;
    void Remember(const InsertDialogResult& result);

    EditorState& s_;
    ViewCommands view_;
};

} // namespace qhe
