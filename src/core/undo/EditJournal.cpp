#include "core/undo/EditJournal.h"

#include <algorithm>
#include <cstring>

#include "core/undo/SegmentRewrite.h"

namespace qhe {
namespace {

// What a change or step costs beyond its bytes (vectors, bookkeeping).
constexpr int64_t kChangeOverhead = 96;
constexpr int64_t kStepOverhead = 128;

const std::string kNoName;

int64_t Capacity(const std::vector<uint8_t>& v) {
    return static_cast<int64_t>(v.capacity());
}

// The length bytes at pos, in the Document itself or (in pieces) copied to scratch.
const uint8_t* BytesAt(const Document& doc, int64_t pos, int64_t length, std::vector<uint8_t>& scratch) {
    if (doc.Contiguous()) return doc.Buffer() + pos - 1;
    scratch.resize(static_cast<size_t>(length));
    doc.CopyOut(pos, length, scratch.data());
    return scratch.data();
}

// Applies a change (forward = do it, else take it back). Only growing changes can fail, and
// then nothing has changed.
bool Apply(EditChange& c, Document& doc, bool forward) {
    using Kind = EditChange::Kind;
    switch (c.kind) {
    case Kind::Insert:
        if (forward) {
            if (!doc.InsertGap(c.pos, c.length)) return false;
            std::memcpy(doc.WritableAt(c.pos, c.length), c.bytes.data(), static_cast<size_t>(c.length));
            std::vector<uint8_t>().swap(c.bytes);
            return true;
        }
        c.bytes.resize(static_cast<size_t>(c.length));
        doc.CopyOut(c.pos, c.length, c.bytes.data());
        doc.DeleteRange(c.pos, c.length);
        return true;
    case Kind::Delete:
        if (forward) {
            doc.DeleteRange(c.pos, c.length);
            return true;
        }
        if (!doc.InsertGap(c.pos, c.length)) return false;
        std::memcpy(doc.WritableAt(c.pos, c.length), c.bytes.data(), static_cast<size_t>(c.length));
        return true;
    case Kind::Overwrite:
        if (uint8_t* at = doc.WritableAt(c.pos, c.length)) {
            std::swap_ranges(c.bytes.begin(), c.bytes.end(), at);
            return true;
        }
        return false; // in pieces the run could not be had
    case Kind::Segments:
        if (forward) return RewriteSegments(doc, c.at, 0, c.oldLength, c.newLength, c.replacement.data(), 0);
        return RewriteSegments(doc, c.at, c.newLength - c.oldLength, c.newLength, c.oldLength, c.bytes.data(),
                               c.oldLength);
    }
    return false;
}

} // namespace

int64_t EditChange::Footprint() const {
    return kChangeOverhead + Capacity(bytes) + Capacity(replacement) +
           static_cast<int64_t>(at.capacity() * sizeof(at[0]));
}

void EditJournal::SetLimit(int64_t bytes) {
    limit_ = std::max<int64_t>(bytes, 0);
    if (limit_ == 0)
        Clear();
    else
        Trim();
}

void EditJournal::Clear() {
    steps_.clear();
    done_ = 0;
    savePoint_ = -1;
    footprint_ = 0;
    current_ = EditStep{};
    overflow_ = false;
}

const std::string& EditJournal::UndoName() const {
    return CanUndo() ? steps_[done_ - 1].name : kNoName;
}

const std::string& EditJournal::RedoName() const {
    return CanRedo() ? steps_[done_].name : kNoName;
}

void EditJournal::Begin(const std::string& name, const EditPlace& before, int typingKey) {
    if (open_++ > 0) return;
    overflow_ = false;
    if (limit_ == 0) return;
    const bool joins = typingKey != 0 && !typingBroken_ && done_ == steps_.size() && done_ > 0 &&
                       savePoint_ != static_cast<int64_t>(done_) && steps_.back().typingKey == typingKey;
    if (typingKey != 0) typingBroken_ = false; // typing from here on may join this step
    if (joins) {
        current_ = std::move(steps_.back());
        steps_.pop_back();
        --done_;
        footprint_ -= current_.footprint;
        return;
    }
    current_ = EditStep{};
    current_.name = name;
    current_.before = before;
    current_.typingKey = typingKey;
    current_.footprint = kStepOverhead;
}

bool EditJournal::End(const EditPlace& after) {
    if (open_ == 0 || --open_ > 0) return true;
    if (limit_ == 0) return true;
    if (overflow_) {
        Clear();
        return false;
    }
    if (current_.changes.empty()) return true;
    current_.after = after;
    DropRedo();
    footprint_ += current_.footprint;
    steps_.push_back(std::move(current_));
    current_ = EditStep{};
    ++done_;
    Trim();
    return true;
}

void EditJournal::BreakTyping() {
    typingBroken_ = true;
}

void EditJournal::MoveTypingEnd(const EditPlace& after) {
    if (!typingBroken_ && open_ == 0 && done_ == steps_.size() && done_ > 0 && steps_.back().typingKey != 0)
        steps_.back().after = after;
}

void EditJournal::DropRedo() {
    while (steps_.size() > done_) {
        footprint_ -= steps_.back().footprint;
        steps_.pop_back();
    }
    if (savePoint_ > static_cast<int64_t>(done_)) savePoint_ = -1;
}

void EditJournal::Trim() {
    // The oldest steps go first; if the steps that can be redone alone are too big, the
    // latest of them go.
    while (footprint_ > limit_ && done_ > 0) {
        footprint_ -= steps_.front().footprint;
        steps_.pop_front();
        --done_;
        savePoint_ = savePoint_ > 0 ? savePoint_ - 1 : -1;
    }
    while (footprint_ > limit_ && steps_.size() > done_) {
        footprint_ -= steps_.back().footprint;
        steps_.pop_back();
    }
}

void EditJournal::Account(int64_t bytes) {
    current_.footprint += bytes;
    if (current_.footprint > limit_) {
        // Too big to take back: the step and, with it, all before it cannot be undone.
        overflow_ = true;
        current_.changes.clear();
        current_.changes.shrink_to_fit();
    }
}

void EditJournal::DropOpenChangesFrom(size_t index) {
    while (current_.changes.size() > index) {
        current_.footprint -= current_.changes.back().Footprint();
        current_.changes.pop_back();
    }
}

EditChange& EditJournal::NewChange(EditChange::Kind kind) {
    EditChange& c = current_.changes.emplace_back();
    c.kind = kind;
    return c;
}

// Typed bytes and repeated deletes extend the last change instead of adding one.
bool EditJournal::JoinTyping(EditChange::Kind kind, int64_t pos, int64_t length) {
    if (current_.changes.empty()) return false;
    EditChange& last = current_.changes.back();
    using Kind = EditChange::Kind;
    const int64_t end = last.pos + last.length;
    if (kind == Kind::Insert && last.kind == Kind::Insert && pos == end) {
        last.length += length;
        return true;
    }
    // Bytes written over bytes this step inserted or overwrote already: the change holds what
    // undo needs (an insert takes its bytes when undone).
    if (kind == Kind::Overwrite && (last.kind == Kind::Insert || last.kind == Kind::Overwrite) &&
        pos >= last.pos && pos + length <= end)
        return true;
    return false;
}

void EditJournal::RecordInsert(int64_t pos, int64_t length) {
    if (!Recording() || length <= 0) return;
    if (JoinTyping(EditChange::Kind::Insert, pos, length)) return;
    EditChange& c = NewChange(EditChange::Kind::Insert);
    c.pos = pos;
    c.length = length;
    Account(kChangeOverhead);
}

void EditJournal::RecordDelete(const Document& doc, int64_t pos, int64_t length) {
    if (!Recording() || length <= 0) return;
    if (current_.footprint + length > limit_) return Account(length);
    std::vector<uint8_t> scratch;
    const uint8_t* from = BytesAt(doc, pos, length, scratch);
    if (!current_.changes.empty()) {
        EditChange& last = current_.changes.back();
        // Delete pressed again at the same place, or Backspace just before it.
        if (last.kind == EditChange::Kind::Delete && (pos == last.pos || pos + length == last.pos)) {
            const auto where = pos == last.pos ? last.bytes.end() : last.bytes.begin();
            last.pos = std::min(pos, last.pos);
            return GrowLast(where, from, length); // may drop the step when over the limit
        }
    }
    AddBytesChange(EditChange::Kind::Delete, pos, from, length);
}

void EditJournal::RecordOverwrite(const Document& doc, int64_t pos, int64_t length) {
    if (!Recording() || length <= 0) return;
    if (JoinTyping(EditChange::Kind::Overwrite, pos, length)) return;
    if (current_.footprint + length > limit_) return Account(length);
    std::vector<uint8_t> scratch;
    const uint8_t* from = BytesAt(doc, pos, length, scratch);
    if (!current_.changes.empty()) {
        EditChange& last = current_.changes.back();
        if (last.kind == EditChange::Kind::Overwrite && pos == last.pos + last.length)
            return GrowLast(last.bytes.end(), from, length);
    }
    AddBytesChange(EditChange::Kind::Overwrite, pos, from, length);
}

void EditJournal::GrowLast(std::vector<uint8_t>::iterator where, const uint8_t* from, int64_t length) {
    EditChange& last = current_.changes.back();
    const int64_t before = Capacity(last.bytes);
    last.bytes.insert(where, from, from + length);
    last.length += length;
    Account(Capacity(last.bytes) - before);
}

void EditJournal::AddBytesChange(EditChange::Kind kind, int64_t pos, const uint8_t* from, int64_t length) {
    EditChange& c = NewChange(kind);
    c.pos = pos;
    c.length = length;
    c.bytes.assign(from, from + length);
    Account(c.Footprint());
}

void EditJournal::RecordSegments(std::vector<int64_t> at, int64_t oldLength, std::vector<uint8_t> oldBytes,
                                 const std::vector<uint8_t>& replacement, bool continuesLast) {
    if (!Recording() || at.empty()) return;
    if (continuesLast && !current_.changes.empty()) {
        // A replace all hands its hits over chunk by chunk: they extend one change.
        EditChange& last = current_.changes.back();
        if (last.kind == EditChange::Kind::Segments && last.oldLength == oldLength &&
            last.replacement == replacement) {
            const int64_t before = last.Footprint();
            last.at.insert(last.at.end(), at.begin(), at.end());
            last.bytes.insert(last.bytes.end(), oldBytes.begin(), oldBytes.end());
            return Account(last.Footprint() - before);
        }
    }
    EditChange& c = NewChange(EditChange::Kind::Segments);
    c.at = std::move(at);
    c.oldLength = oldLength;
    c.newLength = static_cast<int64_t>(replacement.size());
    c.bytes = std::move(oldBytes);
    c.replacement = replacement;
    Account(c.Footprint());
}

bool EditJournal::Undo(Document& doc, EditPlace& place) {
    if (!CanUndo() || open_ > 0) return false;
    EditStep& step = steps_[done_ - 1];
    const int64_t before = footprint_ - step.footprint;
    auto& changes = step.changes;
    for (size_t i = changes.size(); i-- > 0;) {
        if (Apply(changes[i], doc, false)) continue;
        // Out of memory half-way: put back what was taken back, so the Document stays whole.
        for (size_t j = i + 1; j < changes.size(); ++j)
            Apply(changes[j], doc, true);
        return false;
    }
    step.footprint = kStepOverhead;
    for (const EditChange& c : changes)
        step.footprint += c.Footprint();
    footprint_ = before + step.footprint;
    --done_;
    place = step.before;
    typingBroken_ = true;
    Trim();
    return true;
}

bool EditJournal::Redo(Document& doc, EditPlace& place) {
    if (!CanRedo() || open_ > 0) return false;
    EditStep& step = steps_[done_];
    const int64_t before = footprint_ - step.footprint;
    auto& changes = step.changes;
    for (size_t i = 0; i < changes.size(); ++i) {
        if (Apply(changes[i], doc, true)) continue;
        for (size_t j = i; j-- > 0;)
            Apply(changes[j], doc, false);
        return false;
    }
    step.footprint = kStepOverhead;
    for (const EditChange& c : changes)
        step.footprint += c.Footprint();
    footprint_ = before + step.footprint;
    ++done_;
    place = step.after;
    typingBroken_ = true;
    return true;
}

} // namespace qhe
