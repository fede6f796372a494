#include "editor/clipboard/StringCommands.h"

#include <algorithm>

#include "editor/edit/SizeChange.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"

namespace qhe {
bool StringCommands::InsertRepeated(int64_t pos, int64_t count, const std::string& bytes) {
    const auto length = static_cast<int64_t>(bytes.size());
    if (length == 0 || count <= 0) return true;
    if (!s_.editor.InsertRepeated(pos, bytes, count, ReplaceUndoRule::Reached)) {
        ShowInsertRefused(s_);
        return false;
    }
    const int64_t total = length * count;
    view_.ShowAddress(std::min<int64_t>(pos + total, s_.doc.Size()), true, true);
    return true;
}

bool StringCommands::OverwriteBytes(int64_t pos, const std::string& bytes, bool moveView) {
    const auto length = static_cast<int64_t>(bytes.size());
    if (pos < 1 || pos + length - 1 > s_.doc.Size()) {
        s_.ui.ShowError(Msg(kMsgPastEnd));
        return false;
    }
    // The replaced bytes may have been written over, so the undo no longer knows them.
    s_.editor.Overwrite(pos, reinterpret_cast<const uint8_t*>(bytes.data()), length,
                        ReplaceUndoRule::Reached);
    if (moveView) view_.ShowAddress(std::min<int64_t>(pos + length, s_.doc.Size()), true, true);
    return true;
}

InsertDialogRequest StringCommands::DialogRequest(bool overwrite) const {
    InsertDialogRequest request;
    request.overwrite = overwrite;
    request.hex = s_.options.insHex;
    request.utf16 = s_.options.unicodeIns;
    request.byteOrder = s_.options.byteOrder;
    const Document* doc = &s_.doc;
    const int64_t cur = s_.view.CursorPosition();
    request.documentByteAt = [doc, cur](int64_t offset) -> std::optional<uint8_t> {
        const int64_t pos = cur + offset;
        if (pos < 1 || pos > doc->Size()) return std::nullopt;
        return doc->GetByte(pos);
    };
    return request;
}

void StringCommands::Remember(const InsertDialogResult& result) {
    s_.options.insHex = result.hex;
    s_.options.unicodeIns = result.utf16;
}

void StringCommands::Insert1Click() {
    if (!s_.doc.IsOpen) return;
    const auto result = s_.ui.RunInsertDialog(DialogRequest(false));
    if (!result) return;
    Remember(*result);
    const int64_t cur = std::max<int64_t>(s_.view.CursorPosition(), 1);
    view_.BeginBusy(Msg(kMsgInserting));
    // The bytes from cur moved up, so a block reaching cur no longer marks what it was made for.
    if (InsertRepeated(cur, result->count, result->bytes)) s_.editor.DropBlockFrom(cur);
    view_.EndBusy();
}

void StringCommands::Overwritestring1Click() {
    if (!s_.doc.IsOpen) return;
    const auto result = s_.ui.RunInsertDialog(DialogRequest(true));
    if (!result) return;
    Remember(*result);
    const int64_t cur = s_.view.CursorPosition();
    view_.BeginBusy(Msg(kMsgInserting));
    if (OverwriteBytes(cur, result->bytes)) view_.RefreshFromCursor();
    view_.EndBusy();
}

} // namespace qhe
