#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/document/Document.h"

namespace qhe {

// Where the view stood; undo returns to the place a step began at, redo to where it ended.
struct EditPlace {
    int64_t cursor = 1;
    int64_t top = 1;
    bool operator==(const EditPlace&) const = default;
};

// One change of the Document's bytes, kept compactly enough to take it back and do it again.
struct EditChange {
    enum class Kind : uint8_t { Insert, Delete, Overwrite, Segments };
    Kind kind = Kind::Insert;
    int64_t pos = 0;    // 1-based start (not used by Segments)
    int64_t length = 0; // the extent at pos
    // Delete: the removed bytes. Overwrite: the bytes the Document does not hold now (swapped
    // on each undo and redo). Insert: empty while done (the extent says enough), the inserted
    // bytes while undone.
    std::vector<uint8_t> bytes;
    // Segments (replace all): 0-based offsets of the k hits in the Document before the change,
    // each oldLength bytes then, newLength bytes after; bytes holds the k old contents one after
    // another, replacement the one new content.
    std::vector<int64_t> at;
    int64_t oldLength = 0;
    int64_t newLength = 0;
    std::vector<uint8_t> replacement;

    int64_t Footprint() const;
};

// A command's worth of changes, undone and redone as one.
struct EditStep {
    std::string name; // shown in the menu hint: "替换全部 (1,024)"
    EditPlace before, after;
    std::vector<EditChange> changes;
    int typingKey = 0; // nonzero while typed bytes may still join this step
    int64_t footprint = 0;
};

// The undo/redo history of the Document. The editing layer records every change here while
// a step is open; the oldest steps go when the memory limit is reached. Undo and redo apply
// the changes to the Document themselves and answer the place to show.
class EditJournal {
  public:
    // The memory the journal may hold; 0 turns undo off (and forgets everything).
    void SetLimit(int64_t bytes);
    int64_t Limit() const { return limit_; }
    bool Recording() const { return limit_ > 0 && open_ > 0 && !overflow_; }

    // Opens a step; steps opened inside an open step join it (a script run is one step).
    // A typing key other than 0 lets the bytes typed next join the last step instead, as long
    // as it was typed with the same key and nothing broke the typing since (BreakTyping).
    void Begin(const std::string& name, const EditPlace& before, int typingKey = 0);
    // Closes the step; a step without changes leaves no trace. Answers false when the step had
    // to be forgotten because it alone was bigger than the limit (the history went with it).
    bool End(const EditPlace& after);
    // Ends typing joins: the cursor moved by other means.
    void BreakTyping();
    bool IsOpen() const { return open_ > 0; }
    // Names the open step (a command knows its result only at the end: "替换全部 (1,024)").
    void RenameOpenStep(const std::string& name) { current_.name = name; }
    // Where a still joinable typing step ends now (the cursor advance of a typed byte comes
    // after the step closed).
    void MoveTypingEnd(const EditPlace& after);

    // Recording, before the Document changes (Insert after it: the extent is enough).
    void RecordInsert(int64_t pos, int64_t length);
    void RecordDelete(const Document& doc, int64_t pos, int64_t length);
    void RecordOverwrite(const Document& doc, int64_t pos, int64_t length);
    // Replace all: the hits' offsets in the Document before the change, their old contents.
    // continuesLast appends them to the last change (the next chunk of the same replace all).
    void RecordSegments(std::vector<int64_t> at, int64_t oldLength, std::vector<uint8_t> oldBytes,
                        const std::vector<uint8_t>& replacement, bool continuesLast = false);
    // The changes of the open step, and forgetting those from index on (an edit that changed
    // nothing after all).
    size_t OpenChangeCount() const { return current_.changes.size(); }
    void DropOpenChangesFrom(size_t index);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // False (Document unchanged) when memory for a growing change cannot be had.
    bool Undo(Document& doc, EditPlace& place);
    bool Redo(Document& doc, EditPlace& place);

    void Clear();
    // The Document was saved: undoing or redoing back to here makes it unmodified again.
    void MarkSaved() { savePoint_ = static_cast<int64_t>(done_); }
    bool AtSavePoint() const { return savePoint_ == static_cast<int64_t>(done_); }
    int64_t Footprint() const { return footprint_; }
    size_t StepCount() const { return steps_.size(); }

  private:
    EditChange& NewChange(EditChange::Kind kind);
    // Puts the bytes [from, from + length) into the last change at where; it grows by length.
    void GrowLast(std::vector<uint8_t>::iterator where, const uint8_t* from, int64_t length);
    // A new change of kind at pos that keeps the bytes [from, from + length).
    void AddBytesChange(EditChange::Kind kind, int64_t pos, const uint8_t* from, int64_t length);
    bool JoinTyping(EditChange::Kind kind, int64_t pos, int64_t length);
    void Account(int64_t bytes);
    void Trim();
    void DropRedo();

    int64_t limit_ = 256LL << 20;
    std::deque<EditStep> steps_;
    size_t done_ = 0; // steps_[0, done_) can be undone, the rest redone
    int64_t savePoint_ = 0;
    int64_t footprint_ = 0;
    int open_ = 0;          // nesting depth of Begin
    bool overflow_ = false; // the open step outgrew the limit
    bool typingBroken_ = false;
    EditStep current_;
};

} // namespace qhe
