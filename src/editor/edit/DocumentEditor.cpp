#include "editor/edit/DocumentEditor.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/EditorState.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/view/ViewCommands.h"

namespace qhe {
namespace {

constexpr int64_t kToTheEnd = std::numeric_limits<int64_t>::max();

} // namespace

// An edit outside any command's step (a dialog acting on its own) still makes a step.
class DocumentEditor::StepScope {
  public:
    explicit StepScope(EditorState& s) : s_(s), opened_(!s.journal.IsOpen()) {
        if (opened_) s_.journal.Begin(kTextEditStep, s_.editor.Place());
    }
    ~StepScope() {
        if (opened_) s_.editor.EndStep();
    }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

  private:
    EditorState& s_;
    bool opened_;
};

EditPlace DocumentEditor::Place() const {
    return {s_.view.CursorPosition(), s_.view.TopAddress};
}

bool DocumentEditor::EditRefused() {
    if (!s_.doc.ReadOnly) return false;
    if (!refusalShown_) s_.ui.ShowError(Msg(kMsgFileIsReadOnly));
    // Inside a command's step once; each command outside a step says it again.
    refusalShown_ = s_.journal.IsOpen();
    return true;
}

bool DocumentEditor::ReadOnly() {
    return s_.doc.ReadOnly && EditRefused();
}

void DocumentEditor::BeginStep(const std::string& name, int typingKey) {
    if (!s_.journal.IsOpen()) refusalShown_ = false;
    s_.journal.Begin(name, Place(), typingKey);
}

void DocumentEditor::EndStep() {
    // The refusal stays in view until the next step, which takes it away.
    if (!s_.journal.End(Place()))
        s_.SetHint(kTextStepTooBig);
    else if (s_.status[3] == kTextStepTooBig.str())
        s_.SetHint("");
    if (!s_.journal.IsOpen()) refusalShown_ = false;
    UpdateUndoItems();
}

const std::string& DocumentEditor::StepHint::For(std::string_view format, const std::string& stepName) {
    if (text.empty() || name != stepName) {
        name = stepName;
        text = Format(format, {stepName});
    }
    return text;
}

void DocumentEditor::UpdateUndoItems() {
    const bool open = s_.doc.IsOpen;
    const bool canUndo = open && s_.journal.CanUndo(), canRedo = open && s_.journal.CanRedo();
    static const std::string kNoHint;
    const std::string& undoHint = canUndo ? undoHint_.For(kTextUndoHint, s_.journal.UndoName()) : kNoHint;
    const std::string& redoHint = canRedo ? redoHint_.For(kTextRedoHint, s_.journal.RedoName()) : kNoHint;
    for (const char* name : {"Undo1", "QZBtnUndo"}) {
        s_.actions.SetEnabled(name, canUndo);
        s_.actions.SetHint(name, undoHint);
    }
    for (const char* name : {"Redo1", "QZBtnRedo"}) {
        s_.actions.SetEnabled(name, canRedo);
        s_.actions.SetHint(name, redoHint);
    }
}

void DocumentEditor::ForgetHistory() {
    s_.journal.Clear();
    s_.journal.MarkSaved();
    UpdateUndoItems();
}

void DocumentEditor::Edited(int64_t from, int64_t to, ReplaceUndoRule rule) {
    s_.doc.Modified = true;
    s_.Changed(kChangedStatus | kChangedCaption);
    if (rule == ReplaceUndoRule::Keep || !s_.actions.Enabled("Replaceundo1")) return;
    const int64_t begin = s_.lastReplaceAddress;
    const int64_t end = begin + s_.lastReplaceLength - 1;
    if (rule == ReplaceUndoRule::Always || (end >= from && begin <= to))
        s_.actions.SetEnabled("Replaceundo1", false);
}

bool DocumentEditor::InsertFilled(int64_t pos, int64_t n, const std::function<bool(uint8_t* gap)>& fill,
                                  ReplaceUndoRule rule) {
    if (ReadOnly()) return false;
    StepScope step(s_);
    if (!s_.doc.InsertGap(pos, n)) return false;
    if (!fill(s_.doc.WritableAt(pos, n))) {
        s_.doc.DeleteRange(pos, n);
        return false;
    }
    s_.journal.RecordInsert(pos, n);
    Edited(pos, kToTheEnd, rule);
    return true;
}

bool DocumentEditor::Insert(int64_t pos, const uint8_t* bytes, int64_t n, ReplaceUndoRule rule) {
    if (ReadOnly()) return false;
    StepScope step(s_);
    if (!s_.doc.InsertGap(pos, n)) return false;
    if (n > 0) std::memcpy(s_.doc.WritableAt(pos, n), bytes, static_cast<size_t>(n));
    s_.journal.RecordInsert(pos, n);
    Edited(pos, kToTheEnd, rule);
    return true;
}

bool DocumentEditor::InsertRepeated(int64_t pos, const std::string& bytes, int64_t count,
                                    ReplaceUndoRule rule) {
    const auto length = static_cast<int64_t>(bytes.size());
    if (ReadOnly()) return false;
    if (length == 0 || count <= 0) return true;
    // Checked by division so that no product can overflow.
    if (count > s_.doc.MaxGrowth() / length || !s_.doc.InsertGap(pos, length * count)) return false;
    StepScope step(s_);
    uint8_t* target = s_.doc.WritableAt(pos, length * count);
    for (int64_t i = 0; i < count; ++i)
        std::memcpy(target + i * length, bytes.data(), static_cast<size_t>(length));
    s_.journal.RecordInsert(pos, length * count);
    Edited(pos, kToTheEnd, rule);
    return true;
}

bool DocumentEditor::Overwrite(int64_t pos, const uint8_t* bytes, int64_t n, ReplaceUndoRule rule) {
    if (ReadOnly() || pos < 1 || n < 0 || pos + n - 1 > s_.doc.Size()) return false;
    StepScope step(s_);
    s_.journal.RecordOverwrite(s_.doc, pos, n);
    s_.doc.WriteBytes(pos, bytes, n);
    Edited(pos, pos + n - 1, rule);
    return true;
}

bool DocumentEditor::CopyWithin(int64_t target, int64_t source, int64_t n, bool insert,
                                ReplaceUndoRule rule) {
    if (ReadOnly()) return false;
    StepScope step(s_);
    if (insert && !s_.doc.InsertGap(target, n)) return false;
    if (insert)
        s_.journal.RecordInsert(target, n);
    else
        s_.journal.RecordOverwrite(s_.doc, target, n);
    // A gap at or before the source moved the source's bytes up by n.
    const int64_t from = insert && source >= target ? source + n : source;
    // memmove gives the source's old bytes at the target for every overlap, also when the
    // target of an overwriting copy lies just below the source.
    if (s_.doc.Contiguous()) {
        std::memmove(s_.doc.WritableAt(target, n), s_.doc.Buffer() + from - 1, static_cast<size_t>(n));
    } else {
        // In pieces the source is read out first: the target's run may be a fresh copy.
        std::vector<uint8_t> bytes(static_cast<size_t>(n));
        s_.doc.CopyOut(from, n, bytes.data());
        s_.doc.WriteBytes(target, bytes.data(), n);
    }
    Edited(target, insert ? kToTheEnd : target + n - 1, rule);
    return true;
}

void DocumentEditor::Delete(int64_t pos, int64_t n, bool shrink, ReplaceUndoRule rule) {
    if (ReadOnly() || s_.doc.SizeFixed()) return; // the commands have said why
    StepScope step(s_);
    s_.journal.RecordDelete(s_.doc, pos, n);
    // DeleteRange is false only when the buffer could not shrink; the bytes are gone anyway.
    if (shrink)
        s_.doc.DeleteRange(pos, n);
    else
        s_.doc.RemoveBytes(pos, n);
    Edited(pos, kToTheEnd, rule);
    if (s_.doc.Size() == 0) MakeEmpty();
}

void DocumentEditor::Truncate(int64_t newSize, ReplaceUndoRule rule) {
    if (ReadOnly() || s_.doc.SizeFixed()) return;
    StepScope step(s_);
    s_.journal.RecordDelete(s_.doc, newSize + 1, s_.doc.Size() - newSize);
    s_.doc.SetSize(newSize); // the buffer keeps its capacity
    Edited(newSize + 1, kToTheEnd, rule);
    if (newSize == 0) MakeEmpty();
}

void DocumentEditor::DeleteAll(ReplaceUndoRule rule) {
    if (ReadOnly() || s_.doc.SizeFixed()) return;
    StepScope step(s_);
    s_.journal.RecordDelete(s_.doc, 1, s_.doc.Size());
    MakeEmpty();
    Edited(1, kToTheEnd, rule);
}

bool DocumentEditor::Replace(int64_t pos, int64_t oldLength, const std::string& bytes, ReplaceUndoRule rule) {
    const auto newLength = static_cast<int64_t>(bytes.size());
    if (ReadOnly() || (newLength != oldLength && s_.doc.SizeFixed())) return false;
    StepScope step(s_);
    if (newLength > oldLength) {
        if (!s_.doc.EnsureRoom(newLength - oldLength)) return false;
    }
    // Kept as the old bytes going and the new ones coming, whatever moves in between.
    if (newLength == oldLength) {
        s_.journal.RecordOverwrite(s_.doc, pos, oldLength);
    } else {
        s_.journal.RecordDelete(s_.doc, pos, oldLength);
        s_.journal.RecordInsert(pos, newLength);
    }
    if (newLength > oldLength) {
        s_.doc.InsertGap(pos, newLength - oldLength); // room was made above
    } else if (newLength < oldLength) {
        s_.doc.RemoveBytes(pos, oldLength - newLength);
    }
    s_.doc.WriteBytes(pos, reinterpret_cast<const uint8_t*>(bytes.data()), newLength);
    Edited(pos, newLength == oldLength ? pos + newLength - 1 : kToTheEnd, rule);
    return true;
}

int64_t DocumentEditor::Rewrite(int64_t pos, int64_t n,
                                const std::function<int64_t(uint8_t* buffer)>& rewrite, ReplaceUndoRule rule,
                                bool marksItself) {
    if (ReadOnly()) return 0;
    StepScope step(s_);
    const size_t changesBefore = s_.journal.OpenChangeCount();
    s_.journal.RecordOverwrite(s_.doc, pos, n);
    int64_t changed = 0;
    if (s_.doc.Contiguous()) {
        if (!marksItself) s_.doc.WritableAt(pos, n);
        changed = rewrite(s_.doc.Buffer());
    } else if (uint8_t* run = s_.doc.WritableAt(pos, n)) {
        // In pieces the range becomes one run of its own, handed over as if it were the buffer.
        changed = rewrite(run - (pos - 1));
    }
    if (changed > 0)
        Edited(pos, kToTheEnd, rule);
    else
        s_.journal.DropOpenChangesFrom(changesBefore); // nothing to take back
    return changed;
}

bool DocumentEditor::BeginBulkRewrite() {
    bulkSizeBefore_ = s_.doc.Size();
    return !ReadOnly();
}

void DocumentEditor::BeginReplaceHits(const std::string& replacement) {
    replacement_.assign(replacement.begin(), replacement.end());
    hitsRecorded_ = false;
}

void DocumentEditor::RecordReplaceHits(const std::vector<int64_t>& hits, int64_t shift, int64_t findLength,
                                       const uint8_t* bytes, int64_t bytesAt) {
    if (hits.empty()) return;
    // Every caller runs inside a step; hits outside one could not be taken back, and the
    // steps before them would no longer fit the bytes.
    if (!s_.journal.IsOpen()) return s_.journal.Clear();
    if (!s_.journal.Recording()) return;
    std::vector<int64_t> at;
    at.reserve(hits.size());
    std::vector<uint8_t> old(hits.size() * static_cast<size_t>(findLength));
    uint8_t* to = old.data();
    for (const int64_t hit : hits) {
        at.push_back(hit - shift);
        if (bytes)
            std::memcpy(to, bytes + (hit - bytesAt), static_cast<size_t>(findLength));
        else
            s_.doc.CopyOut(hit + 1, findLength, to);
        to += findLength;
    }
    s_.journal.RecordSegments(std::move(at), findLength, std::move(old), replacement_, hitsRecorded_);
    hitsRecorded_ = true;
}

void DocumentEditor::EndBulkRewrite(int64_t first, int64_t count, ReplaceUndoRule rule, bool dropBlock) {
    if (count <= 0) return;
    Edited(first, kToTheEnd, rule);
    // The block is kept on positions, so one behind a length change points at other bytes
    // (or past the end).
    if (s_.doc.Size() == bulkSizeBefore_) return;
    if (dropBlock) DropBlockFrom(first);
    if (s_.doc.Size() == 0) MakeEmpty();
}

void DocumentEditor::BeginRewritingHits(int64_t start, const std::string& replacement, int64_t findLength) {
    BeginReplaceHits(replacement);
    rewrite_.emplace(s_.doc, start, findLength, replacement);
    findLength_ = findLength;
    growth_ = 0;
}

bool DocumentEditor::GrowForHits(int64_t k) {
    if (!rewrite_ || !rewrite_->Grow(k)) return false;
    growth_ = k * (static_cast<int64_t>(replacement_.size()) - findLength_);
    return true;
}

void DocumentEditor::RewriteHits(const std::vector<int64_t>& hits) {
    if (!rewrite_) return;
    // Behind the gap of a longer replacement each hit lies the whole growth above its place.
    RecordReplaceHits(hits, growth_, findLength_);
    rewrite_->Take(hits);
}

int64_t DocumentEditor::RewriteOffset() const {
    return rewrite_ ? rewrite_->Offset() : 0;
}

void DocumentEditor::EndRewritingHits() {
    if (!rewrite_) return;
    rewrite_->Finish();
    rewrite_.reset();
}

bool DocumentEditor::BeginRebuildingHits(int64_t pos, const std::string& replacement, int64_t findLength) {
    if (ReadOnly() || !s_.doc.IsMapped() || s_.doc.IsDevice()) return false;
    BeginReplaceHits(replacement);
    rebuildNext_ = pos - 1;
    findLength_ = findLength;
    rebuildChanges_ = s_.journal.OpenChangeCount();
    rebuildPending_ = true;
    return true;
}

bool DocumentEditor::RebuildHits(const std::vector<int64_t>& hits, const uint8_t* bytes, int64_t bytesAt) {
    // The Document turns into pieces with the first hit: a replace all that finds none leaves
    // a mapped file as it was.
    if (rebuildPending_ && !s_.doc.StartRebuild(rebuildNext_ + 1, rebuild_)) return false;
    rebuildPending_ = false;
    if (!rebuild_) return false;
    // Recorded with their places before the replace all: the new run replaces nothing yet.
    RecordReplaceHits(hits, 0, findLength_, bytes, bytesAt);
    const auto r = static_cast<int64_t>(replacement_.size());
    for (const int64_t hit : hits) {
        if (!rebuild_->Keep(hit - rebuildNext_)) return false;
        rebuild_->Skip(findLength_);
        if (!rebuild_->Append(replacement_.data(), r)) return false;
        rebuildNext_ = hit + findLength_;
    }
    return true;
}

void DocumentEditor::EndRebuildingHits() {
    rebuildPending_ = false;
    if (!rebuild_) return;
    s_.doc.CommitRebuild(*rebuild_);
    rebuild_.reset();
}

void DocumentEditor::DropRebuildingHits() {
    rebuildPending_ = false;
    if (!rebuild_) return;
    rebuild_.reset();
    s_.journal.DropOpenChangesFrom(rebuildChanges_);
}

void DocumentEditor::DropBlockFrom(int64_t p) {
    BlockMarking(s_).InvalidateBlockFrom(p);
}

void DocumentEditor::MakeEmpty() {
    s_.doc.SetSize(0);
    BlockMarking(s_).Unmark(true);
    s_.actions.SetEnabled("Add1", false);
    ViewCommands(s_).ShowAddress(1, true, false);
    s_.Changed(kChangedView | kChangedStatus);
}

void DocumentEditor::Load(TQZDynArray&& buffer, int64_t size) {
    s_.doc.Adopt(std::move(buffer), size);
    ForgetHistory();
}

void DocumentEditor::LoadMapping(platform::FileMapping&& mapping) {
    s_.doc.AdoptMapping(std::move(mapping));
    ForgetHistory();
}

void DocumentEditor::StartFresh(const std::string& bytes) {
    ForgetHistory();
    s_.doc.DropMapping();
    const auto n = static_cast<int64_t>(bytes.size());
    if (n == 0) {
        MakeEmpty();
    } else {
        s_.doc.SetSize(n);
        s_.doc.WriteBytes(1, reinterpret_cast<const uint8_t*>(bytes.data()), n);
    }
    s_.doc.Reallocate(Document::CapacityFor(std::max<int64_t>(n, 1)));
}

void DocumentEditor::Discard() {
    s_.doc.DropMapping();
    s_.doc.SetSize(0);
    ForgetHistory();
}

} // namespace qhe
