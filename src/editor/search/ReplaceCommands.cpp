#include "editor/search/ReplaceCommands.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/search/ReplaceDialogModel.h"
#include "editor/view/ViewCommands.h"
#include "platform/FreeMemory.h"

namespace qhe {
namespace {
constexpr int kProgressStep = 5;

// The Borland Pascal 7.0 run-time's delay calibration and its patched form.
constexpr const char* kPatchSearchHex = "F7D0F7D2B937";
constexpr const char* kPatchReplaceHex = "F7D0F7D2B97E";

std::string BytesOfCompactHex(const char* hex) {
    std::string bytes;
    for (const char* c = hex; c[0] && c[1]; c += 2)
        bytes += static_cast<char>(std::stoi(std::string(c, 2), nullptr, 16));
    return bytes;
}

} // namespace

uint64_t ReplaceCommands::FreeMemory() const {
    return freeMemory ? freeMemory() : platform::AvailableMemoryBytes();
}

bool ReplaceCommands::ReplaceAt(int64_t position, int64_t oldLength, const std::string& bytes) {
    if (s_.editor.Replace(position, oldLength, bytes, ReplaceUndoRule::Keep)) return true;
    s_.ui.ShowError(Msg(kMsgNoMemory));
    return false;
}

void ReplaceCommands::ReplaceNext(int64_t& position, bool& found, bool& replaced, bool afterHit,
                                  bool& cancelled, Progress& progress) {
    found = replaced = cancelled = false;
    const std::string& findString = s_.search.findString;
    const int64_t n = static_cast<int64_t>(findString.size());
    if (n == 0 || position + n - 1 > s_.doc.Size()) return;
    find_.FindNext(position, found, cancelled, true, afterHit, progress);
    if (!found || cancelled) return;
    progress.SetText(Msg(kMsgReplacing), 1);
    progress.EnableCancel(false);
    const uint8_t* hit = s_.doc.Buffer() + position - 1;
    const std::string undoBytes(reinterpret_cast<const char*>(hit), static_cast<size_t>(n));
    const std::string& replacement = s_.search.replaceString;
    if (!ReplaceAt(position, n, replacement)) return;
    s_.search.replaceUndoBytes = undoBytes;
    s_.lastFoundAddress = s_.lastReplaceAddress = position;
    s_.lastReplaceLength = static_cast<int64_t>(replacement.size());
    replaced = true;
    if (!replacement.empty()) position += static_cast<int64_t>(replacement.size()) - 1;
}

void ReplaceCommands::ReplaceOnce(Invoker invoker, int64_t start, bool moveCursor) {
    int64_t position = start;
    bool found = false, replaced = false, cancelled = false;
    {
        const std::unique_ptr<Progress> progress =
            s_.ui.CreateProgress(true, true, Msg(kMsgSearching), Msg(kMsgReplacingCaption));
        BusyScope busy(&s_.ui, Msg(kMsgSearching));
        ReplaceNext(position, found, replaced, true, cancelled, *progress);
    }
    if (cancelled) return;
    if (!found) {
        s_.ui.ShowInfo(Msg(invoker == Invoker::Patch ? kMsgNotPascalExe : kMsgNotFound));
        return;
    }
    if (!replaced) return;
    if (s_.search.findString.size() != s_.search.replaceString.size())
        s_.editor.DropBlockFrom(s_.lastReplaceAddress);
    s_.actions.SetEnabled("Replaceundo1", true);
    if (moveCursor)
        ViewCommands(s_).ShowAddress(position, true, true);
    else
        ViewCommands(s_).ShowAddress(s_.view.CursorPosition(), true, true);
    s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
    if (invoker == Invoker::Patch) s_.ui.ShowInfo(Msg(kMsgPatched));
}

void ReplaceCommands::Replaceagaindown1Click(bool byUser) {
    if (!s_.doc.IsOpen) return;
    const int64_t start = (byUser || s_.options.scope) ? s_.view.CursorPosition() : 1;
    ReplaceOnce(byUser ? Invoker::User : Invoker::Dialog, start, true);
}

void ReplaceCommands::Replace1Click() {
    if (!s_.doc.IsOpen) return;
    ReplaceDialogRequest request;
    request.options = ReplaceOptionsOf(s_.options);
    request.byteOrder = s_.options.byteOrder;
    const int64_t cursor = s_.view.CursorPosition();
    request.documentByteAt = [this, cursor](int64_t offset) -> std::optional<uint8_t> {
        const int64_t p = cursor + offset;
        if (!s_.doc.IsOpen || p < 1 || p > s_.doc.Size()) return std::nullopt;
        return s_.doc.Buffer()[p - 1];
    };
    const auto result = s_.ui.RunReplaceDialog(request);
    if (!result) {
        s_.actions.EnableItems({"Replaceagaindown1", "Replaceundo1"}, false);
        return;
    }
    StoreReplaceOptions(result->options, s_.options);
    s_.search.findString = result->findString;
    s_.search.replaceString = result->replaceString;
    s_.actions.SetEnabled("Replaceagaindown1", true);
    if (result->replaceAll)
        ReplaceAllCommand();
    else
        Replaceagaindown1Click(false);
}

void ReplaceCommands::ReplaceAllCommand() {
    if (!s_.doc.IsOpen || s_.search.findString.empty()) return;
    const int64_t r = static_cast<int64_t>(s_.search.replaceString.size());
    int64_t start = 1;
    if (s_.options.scope) {
        const int64_t cursor = s_.view.CursorPosition();
        const bool onLastReplacement =
            r > 0 && s_.lastReplaceAddress > 0 && cursor == s_.lastReplaceAddress + r - 1;
        start = onLastReplacement ? cursor + 1 : cursor;
    }
    int64_t first = 0, count = 0;
    bool cancelled = false;
    {
        const std::unique_ptr<Progress> progress =
            s_.ui.CreateProgress(true, true, Msg(kMsgSearching), Msg(kMsgReplacingCaption));
        BusyScope busy(&s_.ui, Msg(kMsgSearching));
        s_.editor.BeginBulkRewrite();
        ReplaceAll(start, first, count, cancelled, *progress);
    }
    // A length change drops the block like a single replacement does.
    s_.editor.EndBulkRewrite(first, count, ReplaceUndoRule::Keep, true);
    if (count > 0) {
        if (s_.doc.Size() > 0)
            ViewCommands(s_).ShowAddress(r > 0 ? s_.lastFoundAddress + r - 1 : s_.lastFoundAddress, true,
                                         true);
        s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
    }
    s_.ui.ShowMemo(Msg(kMsgInformation), FormatMsg(kMsgReplacedCount, {count}), 0);
}

int64_t ReplaceCommands::NextHit(int64_t p, bool& cancelled, Progress& progress) {
    bool found = false;
    int64_t hit = p;
    find_.FindNext(hit, found, cancelled, false, false, progress);
    if (!found || cancelled) return 0;
    return hit;
}

void ReplaceCommands::NoteReplacement(int64_t position, const uint8_t* hitBytes, int64_t& first,
                                      int64_t& count) {
    s_.search.replaceUndoBytes.assign(reinterpret_cast<const char*>(hitBytes), s_.search.findString.size());
    s_.lastFoundAddress = s_.lastReplaceAddress = position;
    s_.lastReplaceLength = static_cast<int64_t>(s_.search.replaceString.size());
    if (count == 0) first = position;
    ++count;
}

void ReplaceCommands::ReplaceAll(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                 Progress& progress) {
    first = count = 0;
    cancelled = false;
    const size_t n = s_.search.findString.size();
    const size_t r = s_.search.replaceString.size();
    if (n == 0 || start < 1) return;
    if (r == n)
        ReplaceEqual(start, first, count, cancelled, progress);
    else if (r < n)
        ReplaceShorter(start, first, count, cancelled, progress);
    else
        ReplaceLonger(start, first, count, cancelled, progress);
    if (count > 0) s_.doc.Modified = true;
}

void ReplaceCommands::ReplaceEqual(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                   Progress& progress) {
    progress.SetText(Msg(kMsgSearchReplace), 1);
    const std::string& replacement = s_.search.replaceString;
    const int64_t n = static_cast<int64_t>(replacement.size());
    uint8_t* buffer = s_.doc.Buffer();
    for (int64_t p = start;;) {
        const int64_t hit = NextHit(p, cancelled, progress);
        if (hit == 0) break;
        NoteReplacement(hit, buffer + hit - 1, first, count);
        std::memcpy(buffer + hit - 1, replacement.data(), static_cast<size_t>(n));
        p = hit + n;
        progress.SetProgress(p, s_.doc.Size(), kProgressStep);
        if (progress.Cancelled()) {
            cancelled = true;
            break;
        }
    }
}

// One pass from front to back: the bytes between hits move down once, each replacement is
// written behind them. Everything before the write position is final and everything from the
// read position on is untouched, so stopping at any hit leaves a consistent Document once the
// rest has been moved down.
void ReplaceCommands::ReplaceShorter(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                     Progress& progress) {
    progress.SetText(Msg(kMsgSearchReplace), 1);
    const std::string& replacement = s_.search.replaceString;
    const int64_t n = static_cast<int64_t>(s_.search.findString.size());
    const int64_t r = static_cast<int64_t>(replacement.size());
    const int64_t size = s_.doc.Size();
    uint8_t* buffer = s_.doc.Buffer();
    int64_t w = start, u = start;
    for (int64_t p = start;;) {
        const int64_t hit = NextHit(p, cancelled, progress);
        if (hit == 0) break;
        NoteReplacement(w + (hit - u), buffer + hit - 1, first, count);
        std::memmove(buffer + w - 1, buffer + u - 1, static_cast<size_t>(hit - u));
        w += hit - u;
        std::memcpy(buffer + w - 1, replacement.data(), static_cast<size_t>(r));
        w += r;
        u = p = hit + n;
        progress.SetProgress(p, size, kProgressStep);
        if (progress.Cancelled()) {
            cancelled = true;
            break;
        }
    }
    if (count == 0) return;
    std::memmove(buffer + w - 1, buffer + u - 1, static_cast<size_t>(size - u + 1));
    const int64_t removed = (n - r) * count;
    s_.doc.EnsureRoom(-removed); // handing memory back may fail; the bytes are in place already
    s_.doc.SetSize(static_cast<int32_t>(size - removed));
}

// Counts first, so that the buffer grows once and only when memory suffices, then opens one
// gap of the whole growth at the start and fills it from front to back: the data moves once
// for the gap and once while compacting. The write position never overtakes the read
// position, the open part of the gap being (k - count) * d bytes; a cancel closes that part.
void ReplaceCommands::ReplaceLonger(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                    Progress& progress) {
    progress.SetText(Msg(kMsgStepCount), 1);
    int64_t k = 0;
    if (!find_.CountMatches(true, start, k, progress)) {
        cancelled = true;
        return;
    }
    if (k == 0) return;
    Document& doc = s_.doc;
    const std::string& replacement = s_.search.replaceString;
    const int64_t n = static_cast<int64_t>(s_.search.findString.size());
    const int64_t r = static_cast<int64_t>(replacement.size());
    const int64_t d = r - n;
    const uint64_t spare = static_cast<uint64_t>(doc.Capacity()) - static_cast<uint64_t>(doc.Size());
    // The Document's size limit bounds the growth like memory does.
    const uint64_t room = static_cast<uint64_t>(kMaxDocumentSize - doc.Size());
    const uint64_t available = std::min(room, FreeMemory() + spare);
    if (static_cast<uint64_t>(k) * static_cast<uint64_t>(d) > available) {
        const int64_t m = static_cast<int64_t>(available / static_cast<uint64_t>(d));
        if (m == 0) {
            s_.ui.ShowError(Msg(kMsgNoMemory));
            return;
        }
        if (!s_.ui.AskYesNo(FormatMsg(kMsgTooManyReplacements, {k, m}))) return;
        k = m;
    }
    if (!doc.InsertGap(start, k * d)) {
        s_.ui.ShowError(Msg(kMsgNoMemory));
        return;
    }
    progress.SetText(Msg(kMsgStepReplace), 1);
    uint8_t* buffer = doc.Buffer();
    int64_t w = start, u = start + k * d;
    for (int64_t p = u; count < k;) {
        const int64_t hit = NextHit(p, cancelled, progress);
        if (hit == 0) break;
        NoteReplacement(w + (hit - u), buffer + hit - 1, first, count);
        std::memmove(buffer + w - 1, buffer + u - 1, static_cast<size_t>(hit - u));
        w += hit - u;
        std::memcpy(buffer + w - 1, replacement.data(), static_cast<size_t>(r));
        w += r;
        u = p = hit + n;
        progress.SetProgress(p, doc.Size(), kProgressStep);
        if (count < k && progress.Cancelled()) {
            cancelled = true;
            break;
        }
    }
    const int64_t size = doc.Size();
    if (w != u) std::memmove(buffer + w - 1, buffer + u - 1, static_cast<size_t>(size - u + 1));
    const int64_t unfilled = u - w;
    if (unfilled > 0) {
        doc.EnsureRoom(-unfilled);
        doc.SetSize(static_cast<int32_t>(size - unfilled));
    }
}

bool ReplaceCommands::ReplacementStandsAtItsPlace() const {
    const int64_t at = s_.lastReplaceAddress;
    const std::string& replacement = s_.search.replaceString;
    const int64_t r = static_cast<int64_t>(replacement.size());
    if (at < 1 || r != s_.lastReplaceLength || at + r - 1 > s_.doc.Size()) return false;
    return std::memcmp(s_.doc.Buffer() + at - 1, replacement.data(), static_cast<size_t>(r)) == 0;
}

bool ReplaceCommands::UndoReplace() {
    // Only what is still the replacement is put back, at its own place: bytes typed over it
    // since must not send the undo to some later occurrence.
    if (!ReplacementStandsAtItsPlace()) return false;
    const int64_t at = s_.lastReplaceAddress;
    const std::string replacement = s_.search.replaceString;
    if (!ReplaceAt(at, static_cast<int64_t>(replacement.size()), s_.search.replaceUndoBytes)) return false;
    s_.search.replaceUndoBytes = replacement;
    s_.lastFoundAddress = at;
    s_.lastReplaceAddress = 0;
    return true;
}

void ReplaceCommands::Replaceundo1Click() {
    if (!s_.doc.IsOpen || s_.lastReplaceAddress < 1) return;
    const int64_t at = s_.lastReplaceAddress;
    const int64_t sizeBefore = s_.doc.Size();
    s_.actions.SetEnabled("Replaceundo1", false);
    if (!ReplacementStandsAtItsPlace()) {
        s_.ui.ShowInfo(Msg(kMsgNotFound));
        return;
    }
    ViewCommands(s_).ShowAddress(at, false, true);
    bool undone = false;
    {
        BusyScope busy(&s_.ui, Msg(kMsgReplacing));
        undone = UndoReplace();
    }
    if (!undone) return;
    if (s_.doc.Size() != sizeBefore) s_.editor.DropBlockFrom(at);
    ViewCommands(s_).ShowAddress(at, true, true);
    s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
}

void ReplaceCommands::Patch1Click() {
    if (!s_.doc.IsOpen) return;
    s_.search.findString = BytesOfCompactHex(kPatchSearchHex);
    s_.search.replaceString = BytesOfCompactHex(kPatchReplaceHex);
    // The code is matched byte for byte: with the user's case-insensitive or joker options a
    // look-alike sequence would be rewritten. The user's options are restored afterwards.
    OptionsSettings& options = s_.options;
    const bool caseSensitive = options.caseSensitive;
    const bool jokerFind = options.jokerFind;
    options.caseSensitive = true;
    options.jokerFind = false;
    ReplaceOnce(Invoker::Patch, 1, false);
    options.caseSensitive = caseSensitive;
    options.jokerFind = jokerFind;
    s_.actions.EnableItems({"Replaceagaindown1", "Replaceundo1"}, false);
}

} // namespace qhe
