#include "editor/tools/NumberTools.h"

#include <algorithm>

#include "editor/edit/SizeChange.h"
#include "core/text/Format.h"
#include "core/text/HexBytes.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "core/tools/DecodeNumbers.h"
#include "core/tools/EncodeNumber.h"
#include "editor/view/ViewCommands.h"

namespace qhe {
namespace {
constexpr const char* kTextWritingNumber = "Writing encoded number...";

std::string HexText(const std::vector<uint8_t>& bytes) {
    return BytesToHex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string HexOf(const Document& doc, int64_t pos, int64_t count) {
    std::vector<uint8_t> bytes;
    doc.ReadBytes(pos, count, bytes);
    return HexText(bytes);
}

} // namespace

EncodeDialogModel::EncodeDialogModel(EditorState& state, std::string initialText)
    : as(std::clamp(state.options.encodeAs, 0, 6)), where(std::clamp(state.options.encodeWhere, 0, 2)),
      text(std::move(initialText)), s_(state) {}

std::string EncodeDialogModel::ByteOrderLabel() const {
    return Msg(s_.options.byteOrder == 1 ? kMsgBigEndian : kMsgLittleEndian);
}

bool EncodeDialogModel::Confirm(const std::string& typed) {
    text = typed;
    const EncodeResult result =
        EncodeNumber(typed, static_cast<NumberType>(as), s_.options.byteOrder, s_.decimalSeparator);
    if (!result.ok) {
        s_.ui.ShowError(result.error);
        return false;
    }
    bytes = result.bytes;
    if (where == 2) {
        hereText = HexText(bytes);
        return false;
    }
    return true;
}

BitDialogModel::BitDialogModel(EditorState& state) : s_(state) {
    Reread();
    opening = value;
}

std::string BitDialogModel::Label() const {
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
        bits += BitTest(value, bit) ? '1' : '0';
    return FormatMsg(kMsgBitValue, {value, value, bits});
}

void BitDialogModel::Reread() {
    const int64_t pos = s_.view.CursorPosition();
    value = pos >= 1 && pos <= s_.doc.Size() ? s_.doc.GetByte(pos) : 0;
}

void BitDialogModel::Set() {
    if (value == opening) return;
    const int64_t pos = s_.view.CursorPosition();
    if (pos < 1 || pos > s_.doc.Size()) return;
    s_.editor.Overwrite(pos, &value, 1, ReplaceUndoRule::Keep);
    ViewCommands(s_).RefreshFromCursor();
    s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
}

std::string NumberToolCommands::DecodeText(const EditorState& state, char decimalSeparator) {
    const Document& doc = state.doc;
    const int64_t pos = state.view.CursorPosition();
    const DecodedNumbers n = DecodeNumbersAt(doc, pos, state.options.byteOrder, decimalSeparator);
    const int64_t left = doc.Size() - pos + 1;
    std::string text = FormatMsg(2039, {HexOf(doc, pos, 1), n.shortInt});
    if (left >= 2) {
        const std::string hex = HexOf(doc, pos, 2);
        text += "\r\n" + FormatMsg(2040, {hex, n.word}) + "\r\n" + FormatMsg(2041, {hex, n.integer});
    }
    if (left >= 4) {
        const std::string hex = HexOf(doc, pos, 4);
        text += "\r\n" + FormatMsg(2042, {hex, n.longInt}) + "\r\n" + FormatMsg(2095, {hex, n.single});
    }
    if (left >= 8) text += "\r\n" + FormatMsg(2096, {HexOf(doc, pos, 8), n.dbl});
    return text;
}

void NumberToolCommands::Decode1Click() {
    if (!s_.doc.IsOpen || s_.doc.Size() == 0) return;
    s_.ui.ShowMemo(Msg(s_.options.byteOrder == 1 ? kMsgBigEndian : kMsgLittleEndian),
                   DecodeText(s_, s_.decimalSeparator), 0);
}

void NumberToolCommands::Encode1Click(const std::string& prefill) {
    if (!s_.doc.IsOpen) return;
    EncodeDialogModel model(s_, prefill);
    const bool accepted = s_.ui.RunEncodeDialog(model);
    s_.options.encodeAs = model.as;
    s_.options.encodeWhere = model.where;
    if (accepted && !model.bytes.empty()) WriteEncoded(model.bytes, model.where == 1);
}

void NumberToolCommands::WriteEncoded(const std::vector<uint8_t>& bytes, bool overwrite) {
    BusyScope busy(&s_.ui, kTextWritingNumber);
    const Document& doc = s_.doc;
    const auto length = static_cast<int64_t>(bytes.size());
    ViewCommands view(s_);
    if (doc.Size() == 0) {
        // An empty Document becomes exactly the encoded bytes, whatever the output choice.
        if (!s_.editor.Insert(1, bytes.data(), length, ReplaceUndoRule::Keep)) {
            ShowInsertRefused(s_);
            return;
        }
        view.ShowAddress(1, true, false);
    } else {
        const int64_t pos = s_.view.CursorPosition();
        if (overwrite) {
            if (!s_.editor.Overwrite(pos, bytes.data(), length, ReplaceUndoRule::Keep)) {
                s_.ui.ShowError(Msg(kMsgPastEnd));
                return;
            }
        } else {
            if (!s_.editor.Insert(pos, bytes.data(), length, ReplaceUndoRule::Keep)) {
                ShowInsertRefused(s_);
                return;
            }
            s_.editor.DropBlockFrom(pos);
        }
        view.ShowAddress(std::min(pos + length, static_cast<int64_t>(doc.Size())), true, true);
    }
    view.RefreshFromCursor();
    s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
}

void NumberToolCommands::Bitmanipulation1Click() {
    if (!s_.doc.IsOpen || s_.doc.Size() == 0) return;
    BitDialogModel model(s_);
    if (s_.ui.RunBitDialog(model)) model.Set();
}

} // namespace qhe
