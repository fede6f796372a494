#include "editor/search/ReplaceCommands.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/document/ByteRuns.h"
#include "editor/edit/SizeChange.h"
#include "core/search/HitScan.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
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

// Window starts per chunk of replace all: the gauge moves and a cancel is seen at least 128
// times per run, and at least every 64 KiB, so that a chunk's bytes are still in the cache
// when its hits are replaced.
int64_t ChunkFor(int64_t size) {
    return std::clamp<int64_t>(size / 128, 1, 64 * 1024);
}

// The progress after a chunk that ends before window start p; true on a cancel.
bool ChunkDone(Progress& progress, int64_t p, int64_t n, int64_t size) {
    progress.SetProgress(std::min(p + n - 1, size), size, kProgressStep);
    return progress.Cancelled();
}

} // namespace

uint64_t ReplaceCommands::FreeMemory() const {
    return freeMemory ? freeMemory() : platform::AvailableMemoryBytes();
}

bool ReplaceCommands::ReplaceAt(int64_t position, int64_t oldLength, const std::string& bytes) {
    if (s_.editor.Replace(position, oldLength, bytes, ReplaceUndoRule::Keep)) return true;
    ShowInsertRefused(s_);
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
    std::string undoBytes(static_cast<size_t>(n), '\0');
    s_.doc.CopyOut(position, n, reinterpret_cast<uint8_t*>(undoBytes.data()));
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
    if (!s_.doc.IsOpen || s_.editor.EditRefused()) return;
    const int64_t start = (byUser || s_.options.scope) ? s_.view.CursorPosition() : 1;
    ReplaceOnce(byUser ? Invoker::User : Invoker::Dialog, start, true);
}

void ReplaceCommands::Replace1Click() {
    if (!s_.doc.IsOpen || s_.editor.EditRefused()) return;
    ReplaceDialogRequest request;
    request.options = ReplaceOptionsOf(s_.options);
    request.byteOrder = s_.options.byteOrder;
    const int64_t cursor = s_.view.CursorPosition();
    request.documentByteAt = [this, cursor](int64_t offset) -> std::optional<uint8_t> {
        const int64_t p = cursor + offset;
        if (!s_.doc.IsOpen || p < 1 || p > s_.doc.Size()) return std::nullopt;
        return s_.doc.GetByte(p);
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
    if (!s_.doc.IsOpen || s_.search.findString.empty() || !s_.editor.BeginBulkRewrite()) return;
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
        ReplaceAll(start, first, count, cancelled, *progress);
    }
    // A length change drops the block like a single replacement does.
    s_.editor.EndBulkRewrite(first, count, ReplaceUndoRule::Keep, true);
    if (count > 0) {
        s_.journal.RenameOpenStep(Format(kTextReplaceAllStep, {static_cast<double>(count)}));
        if (s_.doc.Size() > 0)
            ViewCommands(s_).ShowAddress(r > 0 ? s_.lastFoundAddress + r - 1 : s_.lastFoundAddress, true,
                                         true);
        s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
    }
    s_.ui.ShowMemo(Msg(kMsgInformation), FormatMsg(kMsgReplacedCount, {count}), 0);
}

HitScan ReplaceCommands::ScanOfFindString() {
    const OptionsSettings& o = s_.options;
    const std::string& find = s_.search.findString;
    return HitScan(s_.search.engine, {reinterpret_cast<const uint8_t*>(find.data()), find.size()},
                   o.caseSensitive, o.jokerFind, o.jokerByte);
}

void ReplaceCommands::NoteReplacements(int64_t firstAt, int64_t lastAt, const uint8_t* lastHitBytes,
                                       int64_t hits, int64_t& first, int64_t& count) {
    s_.search.replaceUndoBytes.assign(reinterpret_cast<const char*>(lastHitBytes),
                                      s_.search.findString.size());
    s_.lastFoundAddress = s_.lastReplaceAddress = lastAt;
    s_.lastReplaceLength = static_cast<int64_t>(s_.search.replaceString.size());
    if (count == 0) first = firstAt;
    count += hits;
}

void ReplaceCommands::ReplaceAll(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                 Progress& progress) {
    first = count = 0;
    cancelled = false;
    const size_t n = s_.search.findString.size();
    const size_t r = s_.search.replaceString.size();
    if (n == 0 || start < 1 || s_.doc.ReadOnly) return; // a read-only Document: the caller has said so
    if (r != n && SizeChangeRefused(s_)) return;
    // A mapped file takes every change of length as pieces (the in-place loops below move the
    // bytes of one buffer), and once in pieces every replacement.
    if (s_.doc.IsMapped() && (r != n || !s_.doc.Contiguous())) {
        ReplaceInPieces(start, first, count, cancelled, progress);
        if (count > 0) s_.doc.Modified = true;
        return;
    }
    if (r == n)
        ReplaceEqual(start, first, count, cancelled, progress);
    else if (r < n)
        ReplaceShorter(start, first, count, cancelled, progress);
    else
        ReplaceLonger(start, first, count, cancelled, progress);
    if (count > 0) s_.doc.Modified = true;
}

// The loops below take the hits chunk by chunk (0-based positions in `hits`) and report
// progress and look for a cancel once per chunk.

void ReplaceCommands::ReplaceEqual(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                   Progress& progress) {
    progress.SetText(Msg(kMsgSearchReplace), 1);
    const std::string& replacement = s_.search.replaceString;
    const int64_t n = static_cast<int64_t>(replacement.size());
    const int64_t size = s_.doc.Size();
    const uint8_t* buffer = s_.doc.Buffer();
    HitScan scan = ScanOfFindString();
    s_.editor.BeginRewritingHits(start, replacement, n);
    const int64_t chunk = ChunkFor(size);
    std::vector<int64_t> hits;
    for (int64_t p = start - 1, lastStart = size - n; p <= lastStart;) {
        hits.clear();
        p = scan.Collect(buffer, p, std::min(p + chunk - 1, lastStart), hits);
        if (!hits.empty()) {
            NoteReplacements(hits.front() + 1, hits.back() + 1, buffer + hits.back(),
                             static_cast<int64_t>(hits.size()), first, count);
            s_.editor.RewriteHits(hits);
        }
        if (ChunkDone(progress, p, n, size)) {
            cancelled = true;
            break;
        }
    }
    s_.editor.EndRewritingHits();
}

// One pass from front to back: the bytes between hits move down once, each replacement is
// written behind them. Everything before the write position w is final and everything from
// the read position u on is untouched, so stopping after any chunk leaves a consistent
// Document once the rest has been moved down.
void ReplaceCommands::ReplaceShorter(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                     Progress& progress) {
    progress.SetText(Msg(kMsgSearchReplace), 1);
    const std::string& replacement = s_.search.replaceString;
    const int64_t n = static_cast<int64_t>(s_.search.findString.size());
    const int64_t r = static_cast<int64_t>(replacement.size());
    const int64_t size = s_.doc.Size();
    const uint8_t* buffer = s_.doc.Buffer();
    HitScan scan = ScanOfFindString();
    const int64_t chunk = ChunkFor(size);
    s_.editor.BeginRewritingHits(start, replacement, n);
    std::vector<int64_t> hits;
    for (int64_t p = start - 1, lastStart = size - n; p <= lastStart;) {
        hits.clear();
        p = scan.Collect(buffer, p, std::min(p + chunk - 1, lastStart), hits);
        if (!hits.empty()) {
            const auto m = static_cast<int64_t>(hits.size());
            const int64_t offset = s_.editor.RewriteOffset();
            NoteReplacements(hits.front() - offset + 1, hits.back() - offset - (m - 1) * (n - r) + 1,
                             buffer + hits.back(), m, first, count);
            s_.editor.RewriteHits(hits);
        }
        if (ChunkDone(progress, p, n, size)) {
            cancelled = true;
            break;
        }
    }
    s_.editor.EndRewritingHits();
}

// Counts the hits from start as replace all will find them, chunk by chunk like the loops
// below; false on a cancel. Leaves the last hit counted as the last one found, as a count does.
bool ReplaceCommands::CountHits(int64_t start, int64_t& k, Progress& progress) {
    const int64_t n = static_cast<int64_t>(s_.search.findString.size());
    const int64_t size = s_.doc.Size();
    const uint8_t* buffer = s_.doc.Buffer();
    HitScan scan = ScanOfFindString();
    const int64_t chunk = ChunkFor(size);
    std::vector<int64_t> hits;
    bool completed = true;
    k = 0;
    for (int64_t p = start - 1, lastStart = size - n; p <= lastStart;) {
        hits.clear();
        p = scan.Collect(buffer, p, std::min(p + chunk - 1, lastStart), hits);
        k += static_cast<int64_t>(hits.size());
        if (!hits.empty()) s_.lastFoundAddress = hits.back() + 1;
        if (ChunkDone(progress, p, n, size)) {
            completed = false;
            break;
        }
    }
    return completed;
}

// Counts first, so that the Document grows once and only when memory suffices, then opens one
// gap of the whole growth at start and fills it from front to back (ReplaceLongerInPlace): the
// data moves once for the gap and once while compacting, and only the growth needs new pages.
// A copy into a second buffer of the new size was tried and is slower: faulting in the fresh
// pages costs more than the extra move, and it needs memory for a whole second Document.
void ReplaceCommands::ReplaceLonger(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                    Progress& progress) {
    progress.SetText(Msg(kMsgStepCount), 1);
    int64_t k = 0;
    if (!CountHits(start, k, progress)) {
        cancelled = true;
        return;
    }
    if (k == 0) return;
    const Document& doc = s_.doc;
    const int64_t d = static_cast<int64_t>(s_.search.replaceString.size() - s_.search.findString.size());
    const uint64_t spare = static_cast<uint64_t>(doc.Capacity()) - static_cast<uint64_t>(doc.Size());
    // The Document's size limit bounds the growth like memory does.
    const uint64_t room = static_cast<uint64_t>(kMaxDocumentSize - doc.Size());
    const uint64_t growth = static_cast<uint64_t>(k) * static_cast<uint64_t>(d);
    const uint64_t available = std::min(room, FreeMemory() + spare);
    if (growth > available) {
        const int64_t m = static_cast<int64_t>(available / static_cast<uint64_t>(d));
        if (m == 0) {
            s_.ui.ShowError(Msg(kMsgNoMemory));
            return;
        }
        if (!s_.ui.AskYesNo(FormatMsg(kMsgTooManyReplacements, {k, m}))) return;
        k = m;
    }
    s_.editor.BeginRewritingHits(start, s_.search.replaceString,
                                 static_cast<int64_t>(s_.search.findString.size()));
    if (!s_.editor.GrowForHits(k)) {
        s_.editor.EndRewritingHits();
        s_.ui.ShowError(Msg(kMsgNoMemory));
        return;
    }
    progress.SetText(Msg(kMsgStepReplace), 1);
    ReplaceLongerInPlace(start, k, first, count, cancelled, progress);
}

// A gap of the whole growth was opened at start; it is filled from front to back: the data
// moves once for the gap and once while compacting. The write position never overtakes the
// read position, the open part of the gap being (k - count) * d bytes; a cancel closes it.
void ReplaceCommands::ReplaceLongerInPlace(int64_t start, int64_t k, int64_t& first, int64_t& count,
                                           bool& cancelled, Progress& progress) {
    const Document& doc = s_.doc;
    const std::string& replacement = s_.search.replaceString;
    const int64_t n = static_cast<int64_t>(s_.search.findString.size());
    const int64_t r = static_cast<int64_t>(replacement.size());
    const int64_t size = doc.Size();
    const uint8_t* buffer = doc.Buffer();
    HitScan scan = ScanOfFindString();
    const int64_t chunk = ChunkFor(size);
    std::vector<int64_t> hits;
    for (int64_t p = start - 1 + k * (r - n), lastStart = size - n; p <= lastStart && count < k;) {
        hits.clear();
        p = scan.Collect(buffer, p, std::min(p + chunk - 1, lastStart), hits);
        if (static_cast<int64_t>(hits.size()) > k - count) hits.resize(static_cast<size_t>(k - count));
        if (!hits.empty()) {
            const auto m = static_cast<int64_t>(hits.size());
            const int64_t offset = s_.editor.RewriteOffset();
            NoteReplacements(hits.front() - offset + 1, hits.back() - offset + (m - 1) * (r - n) + 1,
                             buffer + hits.back(), m, first, count);
            s_.editor.RewriteHits(hits);
        }
        if (ChunkDone(progress, p, n, size) && count < k) {
            cancelled = true;
            break;
        }
    }
    // A cancel closes the part of the gap not filled.
    s_.editor.EndRewritingHits();
}

// A mapped Document: the hits are collected chunk by chunk as in the loops above, over the
// chunk's bytes straight from its piece (or a copy where it crosses pieces), and the editing
// service writes the new bytes into one run as they come; the range from start to the last
// hit replaces the old pieces in one step at the end, also after a cancel.
void ReplaceCommands::ReplaceInPieces(int64_t start, int64_t& first, int64_t& count, bool& cancelled,
                                      Progress& progress) {
    progress.SetText(Msg(kMsgSearchReplace), 1);
    const std::string& replacement = s_.search.replaceString;
    const auto n = static_cast<int64_t>(s_.search.findString.size());
    const auto r = static_cast<int64_t>(replacement.size());
    const int64_t size = s_.doc.Size();
    if (!s_.editor.BeginRebuildingHits(start, replacement, n)) return;
    HitScan scan = ScanOfFindString();
    // The bytes do not change before the end, also when the first hit turns a mapped file into
    // pieces: the view stays valid.
    const ByteView view(s_.doc);
    const int64_t chunk = ChunkFor(size);
    std::vector<int64_t> hits;
    for (int64_t p = start - 1, lastStart = size - n; p <= lastStart;) {
        const int64_t last = std::min(p + chunk - 1, lastStart);
        const uint8_t* bytes = view.At(p + 1, last - p + n); // bytes[0] is the byte at p
        hits.clear();
        const int64_t next = p + scan.Collect(bytes, 0, last - p, hits);
        if (!hits.empty()) {
            for (int64_t& hit : hits)
                hit += p;
            const auto m = static_cast<int64_t>(hits.size());
            const int64_t shifted = count * (r - n);
            NoteReplacements(hits.front() + shifted + 1, hits.back() + shifted + (m - 1) * (r - n) + 1,
                             bytes + (hits.back() - p), m, first, count);
            if (!s_.editor.RebuildHits(hits, bytes, p)) {
                s_.editor.DropRebuildingHits();
                first = count = 0;
                s_.ui.ShowError(Msg(kMsgNoMemory));
                return;
            }
        }
        p = next;
        if (ChunkDone(progress, p, n, size)) {
            cancelled = true;
            break;
        }
    }
    s_.editor.EndRebuildingHits();
}

bool ReplaceCommands::ReplacementStandsAtItsPlace() const {
    const int64_t at = s_.lastReplaceAddress;
    const std::string& replacement = s_.search.replaceString;
    const int64_t r = static_cast<int64_t>(replacement.size());
    if (at < 1 || r != s_.lastReplaceLength || at + r - 1 > s_.doc.Size()) return false;
    std::string now(static_cast<size_t>(r), '\0');
    s_.doc.CopyOut(at, r, reinterpret_cast<uint8_t*>(now.data()));
    return now == replacement;
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
    if (!s_.doc.IsOpen || s_.lastReplaceAddress < 1 || s_.editor.EditRefused()) return;
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
    if (!s_.doc.IsOpen || s_.editor.EditRefused()) return;
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
