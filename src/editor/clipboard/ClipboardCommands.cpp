#include "editor/clipboard/ClipboardCommands.h"

#include <algorithm>
#include <new>

#include "editor/edit/SizeChange.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/clipboard/ClipboardFormat.h"
#include "editor/tools/UnreadPages.h"

namespace qhe {
namespace {

// Plain text ends at its first zero byte.
std::string UpToZero(std::string text) {
    const auto zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
}

} // namespace

void ClipboardCommands::Cut1Click(bool cut) {
    if (!HasBlock()) {
        s_.ui.ShowError(Msg(kMsgNoBlock));
        return;
    }
    if (cut && SizeChangeRefused(s_)) return;
    // A block of a mapped file may be far larger than memory: the clipboard takes a bounded
    // amount, and the user learns how to save the block instead.
    if (s_.doc.IsMapped() && s_.block.Length() > (kMaxClipboardBlockMB << 20)) {
        s_.ui.ShowError(Format(kTextBlockTooLargeForClipboard, {s_.block.Length(), kMaxClipboardBlockMB}));
        return;
    }
    view_.BeginBusy(Msg(kMsgCopyingToClipboard));
    const int64_t a = s_.view.CursorPosition();
    bool placed = false;
    try {
        std::string bytes(static_cast<size_t>(s_.block.Length()), '\0');
        s_.doc.CopyOut(s_.block.begin, s_.block.Length(), reinterpret_cast<uint8_t*>(bytes.data()));
        placed = s_.ui.SetClipboardBytes(bytes);
    } catch (const std::bad_alloc&) {
        placed = false;
    }
    if (!placed) {
        view_.EndBusy();
        s_.ui.ShowError(Msg(kMsgCopyFailed)); // a cut then deletes nothing
        return;
    }
    if (cut) {
        blocks_.DeleteBlock();
        if (s_.doc.Size() > 0) view_.ShowAddress(std::min<int64_t>(a, s_.doc.Size()), true, true);
    }
    view_.EndBusy();
}

void ClipboardCommands::Paste1Click() {
    if (!s_.doc.IsOpen || s_.editor.EditRefused()) return;
    const int64_t a = std::max<int64_t>(s_.view.CursorPosition(), 1);
    view_.BeginBusy(std::string());
    std::optional<std::string> bytes;
    try {
        bytes = s_.ui.ClipboardBytes();
        if (!bytes) {
            if (auto text = s_.ui.ClipboardText()) bytes = UpToZero(std::move(*text));
        }
    } catch (const std::bad_alloc&) {
        bytes.reset();
    }
    if (!bytes || bytes->empty()) {
        view_.EndBusy();
        return;
    }
    const auto n = static_cast<int64_t>(bytes->size());
    // The insert also refuses a Document that would pass 2 GiB.
    view_.BeginBusy(Msg(kMsgPasting));
    const bool inserted =
        n <= s_.doc.MaxGrowth() &&
        s_.editor.Insert(a, reinterpret_cast<const uint8_t*>(bytes->data()), n, ReplaceUndoRule::Reached);
    view_.EndBusy();
    view_.EndBusy();
    if (!inserted) {
        if (!SizeChangeRefused(s_)) s_.ui.ShowError(Msg(kMsgNoRoom));
        return;
    }
    s_.editor.DropBlockFrom(a);
    view_.RefreshFromCursor();
    view_.UpdateStatus();
}

void ClipboardCommands::Copyhex1Click() {
    if (!HasBlock()) {
        s_.ui.ShowError(Msg(kMsgNoBlock));
        return;
    }
    const int64_t begin = s_.block.begin;
    const int64_t end = s_.block.end;
    const int64_t n = end - begin + 1;
    if (3 * n - 1 > kHexCopyAskAbove && !s_.ui.AskYesNo(FormatMsg(kMsgAskHexCopy, {kHexCopyAskAbove})))
        return;
    // The text must fit a string the clipboard and the paste path can take back.
    if (3 * n - 1 > kMaxDocumentSize) {
        s_.ui.ShowError(Msg(kMsgCopyFailed));
        return;
    }
    std::string text;
    try {
        text.reserve(static_cast<size_t>(3 * n - 1));
    } catch (const std::bad_alloc&) {
        s_.ui.ShowError(Msg(kMsgNoMemory));
        return;
    }
    static const char kDigits[] = "0123456789ABCDEF";
    auto progress = s_.ui.CreateProgress(true, true, Msg(kMsgPosition), Msg(kMsgCopyingToClipboard));
    for (int64_t p = begin; p <= end; ++p) {
        const uint8_t b = s_.doc.GetByte(p);
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
        if (p < end) text += ' ';
        if (p % 100 == 0) {
            progress->SetProgress(p, end, 5);
            if (progress->Cancelled()) return; // the clipboard keeps what it held
        }
    }
    progress.reset();
    if (!s_.ui.SetClipboardText(text)) s_.ui.ShowError(Msg(kMsgCopyFailed));
}

void ClipboardCommands::Pastefromhexstring1Click() {
    PasteDecoded(ParseClipboardHex, Msg(kMsgNotHex));
}

void ClipboardCommands::Pastefrombase641Click() {
    PasteDecoded(DecodeBase64, kTextNotBase64);
}

void ClipboardCommands::PasteDecoded(std::optional<std::string> (*decode)(std::string_view),
                                     const std::string& notText) {
    if (!s_.doc.IsOpen || s_.editor.EditRefused()) return;
    const int64_t a = std::max<int64_t>(s_.view.CursorPosition(), 1);
    view_.BeginBusy(std::string());
    const std::string text = UpToZero(s_.ui.ClipboardText().value_or(std::string()));
    const auto bytes = decode(text);
    if (!bytes) {
        view_.EndBusy();
        s_.ui.ShowError(notText);
        return;
    }
    view_.BeginBusy(Msg(kMsgPasting));
    const bool inserted = !bytes->empty() && strings_.InsertRepeated(a, 1, *bytes);
    view_.EndBusy();
    view_.EndBusy();
    if (!inserted) return;
    // The bytes from a moved up, so a block reaching a no longer marks what it was made for.
    s_.editor.DropBlockFrom(a);
    view_.RefreshFromCursor();
    view_.UpdateStatus();
}

void ClipboardCommands::CopyAsClick(CopyAsFormat format) {
    if (!HasBlock()) {
        s_.ui.ShowError(Msg(kMsgNoBlock));
        return;
    }
    const int64_t n = s_.block.Length();
    constexpr size_t kMaxChars = size_t{kMaxCopyAsMB} << 20;
    const UnreadPages unread(s_.doc);
    std::optional<std::string> text;
    if (n <= static_cast<int64_t>(kMaxChars)) {
        std::vector<uint8_t> bytes(static_cast<size_t>(n));
        s_.doc.CopyOut(s_.block.begin, n, bytes.data());
        text = FormatCopyAs(format, bytes.data(), bytes.size(), kMaxChars);
    }
    if (!text) {
        s_.ui.ShowError(Format(kTextCopyAsTooLarge, {n, kMaxCopyAsMB}));
        return;
    }
    if (!s_.ui.SetClipboardText(*text))
        s_.ui.ShowError(Msg(kMsgCopyFailed));
    else if (unread.All() > 0)
        s_.ui.ShowError(unread.Text(kTextUnreadResult, unread.All()));
}

void ClipboardCommands::ClipboardCheckAtExit() {
    if (!s_.ui.OwnsClipboard()) return;
    const auto bytes = s_.ui.ClipboardBytes();
    const auto text = bytes ? std::nullopt : s_.ui.ClipboardText();
    const int64_t size = ClipboardBlockSize(bytes ? std::optional<std::string_view>(*bytes) : std::nullopt,
                                            text ? std::optional<std::string_view>(*text) : std::nullopt);
    if (size > kLargeClipboard && s_.ui.AskYesNo(FormatMsg(kMsgLargeClipboard, {kLargeClipboard})))
        s_.ui.ClearClipboard();
}

void ClipboardCommands::ClipboardChanged() {
    if (!s_.doc.IsOpen) return;
    const bool hasText = s_.ui.ClipboardText().has_value();
    const bool hasData = hasText || s_.ui.ClipboardBytes().has_value();
    s_.actions.EnableItems({"Paste1", "QZBtnPaste"}, hasData);
    s_.actions.EnableItems({"Pastefromhexstring1", "Pastefrombase641"}, hasText);
}

} // namespace qhe
