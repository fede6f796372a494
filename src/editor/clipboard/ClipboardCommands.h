#pragma once
#include <cstdint>

#include "core/text/CopyAs.h"
#include "editor/EditorState.h"
#include "editor/blocks/BlockCommands.h"
#include "editor/clipboard/StringCommands.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

// The threshold of the question before a large hex copy, and of the size check at close.
inline constexpr int64_t kHexCopyAskAbove = 32768;
inline constexpr int64_t kLargeClipboard = 512;

// The clipboard commands: cut and copy the block in the private format, paste it (always
// inserting before the cursor), copy the block as a hex string and paste one, and the offer
// to empty a large clipboard at close. A command that fails leaves the Document as it was.
class ClipboardCommands {
  public:
    ClipboardCommands(EditorState& state, BlockCommands& blocks)
        : s_(state), blocks_(blocks), strings_(state), view_(state) {}

    // Cut1Click: cut (Cut1, QZBtnCut) or copy (Copy1, QZBtnCopy) the block.
    void Cut1Click(bool cut);
    void Paste1Click();
    void Copyhex1Click();
    void Pastefromhexstring1Click();
    // "复制为(&A)": the block on the clipboard as source code, base64, hex or Intel HEX; a text
    // above kMaxCopyAsMB is refused with a message.
    void CopyAsClick(CopyAsFormat format);
    // "粘贴从 base64": base64 text on the clipboard inserted as bytes before the cursor.
    void Pastefrombase641Click();
    // At close, after the Document's memory is released: when this program owns a clipboard
    // block larger than 512 bytes, offers to empty it (message 2019).
    void ClipboardCheckAtExit();
    // The clipboard changed: while a Document is open the paste items follow what it holds.
    void ClipboardChanged();

  private:
    // Inserts the bytes decode makes of the clipboard's text before the cursor; notText is
    // the error when it makes none.
    void PasteDecoded(std::optional<std::string> (*decode)(std::string_view), const std::string& notText);
    bool HasBlock() const { return s_.block.Complete() && s_.block.end <= s_.doc.Size(); }

    EditorState& s_;
    BlockCommands& blocks_;
    StringCommands strings_;
    ViewCommands view_;
};

} // namespace qhe
