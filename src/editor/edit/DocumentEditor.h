#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/document/DynArray.h"
#include "editor/edit/HitRewrite.h"
#include "platform/FileMapping.h"
#include "core/undo/EditJournal.h"

namespace qhe {

struct EditorState;

// How an edit treats the undo of the last replacement (Replaceundo1).
enum class ReplaceUndoRule {
    Keep,    // left alone: the undo looks whether the replacement still stands at its place
    Reached, // given up when the edit reaches the replacement's bytes: an insert or delete from
             // its start on, an overwrite over the bytes it writes
    Always,  // given up whatever the edit touched
};

// The one place where the Document's bytes change. Every edit sets Modified, tells the window,
// applies its ReplaceUndoRule and, when the Document became empty, the empty-Document rule
// (MakeEmpty). An edit never shows a message and never moves the view: the calling command
// keeps its own messages (2004, 2028, 2044 ...), its cursor and its busy texts. A refused edit
// changes nothing. A read-only Document refuses every edit: the edit answers false (or 0) and
// the read-only message (2098) is shown once per command's step, so a command that checks
// EditRefused first shows it once and a command that does not still tells the user why.
// Opening, creating and closing a Document also pass through here, so what
// follows every edit (Modified, and later a journal of the edits) is kept in one place.
class DocumentEditor {
  public:
    explicit DocumentEditor(EditorState& state) : s_(state) {}
    DocumentEditor(const DocumentEditor&) = delete;
    DocumentEditor& operator=(const DocumentEditor&) = delete;

    // True, after the read-only message, when the Document refuses edits: commands ask before
    // they start. Within one open step the message is shown once.
    bool EditRefused();

    // Opens an n-byte gap at pos (1 <= pos <= Size + 1) and lets fill write it. False when
    // memory or the 2 GiB limit refuses the gap, or when fill answers false: the gap is then
    // closed again and the Document is as before.
    bool InsertFilled(int64_t pos, int64_t n, const std::function<bool(uint8_t* gap)>& fill,
                      ReplaceUndoRule rule);
    // Inserts n bytes before pos; false when memory or the size limit refuses them.
    bool Insert(int64_t pos, const uint8_t* bytes, int64_t n, ReplaceUndoRule rule);
    // Inserts bytes count times before pos; false also when the total would pass 2 GiB
    // (checked without overflow).
    bool InsertRepeated(int64_t pos, const std::string& bytes, int64_t count, ReplaceUndoRule rule);
    // Writes n bytes over pos..pos+n-1; false (nothing written) when they pass the end.
    bool Overwrite(int64_t pos, const uint8_t* bytes, int64_t n, ReplaceUndoRule rule);
    // Copies the n bytes at source (a position before the gap) to target, into a new gap when
    // insert, otherwise over the bytes there; overlaps copy the old bytes. False when the gap
    // cannot be had.
    bool CopyWithin(int64_t target, int64_t source, int64_t n, bool insert, ReplaceUndoRule rule);
    // Removes n bytes from pos. shrink hands memory back (block deletes); otherwise the
    // capacity stays (the keyboard's deletes). Cut to 0 bytes, the Document is made empty.
    void Delete(int64_t pos, int64_t n, bool shrink, ReplaceUndoRule rule);
    // Cuts the Document to its first newSize bytes; the capacity stays.
    void Truncate(int64_t newSize, ReplaceUndoRule rule);
    // Deletes every byte: the Document is made empty (MakeEmpty) and Modified.
    void DeleteAll(ReplaceUndoRule rule);
    // Replaces the oldLength bytes at pos by bytes, growing or shrinking the Document there;
    // false when it cannot grow. Shrinking keeps the capacity, so it cannot fail half-way.
    bool Replace(int64_t pos, int64_t oldLength, const std::string& bytes, ReplaceUndoRule rule);
    // Changes bytes pos..pos+n-1 in place: rewrite gets the Document's buffer (position 1 at
    // index 0), may touch only that range, and answers how many bytes it changed. Modified
    // when that is above 0. Answers rewrite's count. The whole range counts as changed for a
    // mapped Document's save, unless marksItself: then rewrite notes what it changed through
    // Document::WritableAt (a conversion that changes few pages of a huge file).
    int64_t Rewrite(int64_t pos, int64_t n, const std::function<int64_t(uint8_t* buffer)>& rewrite,
                    ReplaceUndoRule rule, bool marksItself = false);

    // A rewrite of many places that may change the size (replace all): between the two calls
    // the caller hands the hits over to one of the rewrites below, which record them for undo.
    // count is the number of hits rewritten; with any,
    // the Document is Modified, the rule applied and, when the size changed, a block reaching
    // first is dropped (dropBlock) and an emptied Document made empty.
    // False (after the read-only message) when the Document refuses edits.
    bool BeginBulkRewrite();
    // Replace all in a Document held in one buffer (a mapped one only for equal lengths), inside
    // a bulk rewrite: the hits from start on, 0-based positions in the buffer as it stands,
    // handed over chunk by chunk in ascending order, are recorded and rewritten in place in one
    // pass (HitRewrite). A longer replacement first opens the room for the k hits counted
    // (GrowForHits; false without memory). RewriteOffset: how far the next hits lie above
    // where their replacements go. EndRewritingHits closes the Document up behind the last.
    void BeginRewritingHits(int64_t start, const std::string& replacement, int64_t findLength);
    bool GrowForHits(int64_t k);
    void RewriteHits(const std::vector<int64_t>& hits);
    int64_t RewriteOffset() const;
    void EndRewritingHits();

    // Replace all hands its hits to the journal chunk by chunk, each before it is rewritten:
    // 0-based positions in the buffer now, shift bytes above where they were before the
    // replace all began, each findLength bytes long.
    void BeginReplaceHits(const std::string& replacement);
    // bytes, when given, holds the hits' bytes, bytes[0] being the byte at the 0-based bytesAt.
    void RecordReplaceHits(const std::vector<int64_t>& hits, int64_t shift, int64_t findLength,
                           const uint8_t* bytes = nullptr, int64_t bytesAt = 0);
    void EndBulkRewrite(int64_t first, int64_t count, ReplaceUndoRule rule, bool dropBlock);

    // Replace all in a Document in pieces (a mapped file), inside a bulk rewrite: the hits from
    // pos on, handed over chunk by chunk in ascending order (0-based, each findLength bytes,
    // with the bytes they were found in as for RecordReplaceHits), are written into one new run
    // as they come, and when the replace all ends the range up to the last hit replaces the old
    // pieces in one step. False when the Document cannot be rebuilt or memory is short: then
    // the replace all changes nothing (its recorded hits go too).
    bool BeginRebuildingHits(int64_t pos, const std::string& replacement, int64_t findLength);
    bool RebuildHits(const std::vector<int64_t>& hits, const uint8_t* bytes, int64_t bytesAt);
    void EndRebuildingHits();
    void DropRebuildingHits();

    // A complete block ending at or after p no longer marks the bytes it was made for: it is
    // dropped with message 2021. Commands call it where the message belongs in their flow.
    void DropBlockFrom(int64_t p);

    // The empty-Document rule: Size 0 (capacity kept), block unmarked, bookmark adding off,
    // view at position 1. Not an edit by itself (New1 uses it for a fresh Document).
    void MakeEmpty();

    // Undo steps: every edit between BeginStep and EndStep is undone as one; an edit outside
    // any step makes its own. typingKey lets typed bytes join the step before (EditJournal).
    void BeginStep(const std::string& name, int typingKey = 0);
    void EndStep();
    // Where the cursor and the view stand now.
    EditPlace Place() const;
    // Enables Undo1/Redo1 and their buttons and names the steps in their hints.
    void UpdateUndoItems();

    // The Document's lifecycle, which is not an edit: a loaded file's buffer taken over, a
    // fresh Document holding a few bytes (at most its capacity), the Document emptied on close.
    void Load(TQZDynArray&& buffer, int64_t size);
    void LoadMapping(platform::FileMapping&& mapping);
    void StartFresh(const std::string& bytes);
    void Discard();

  private:
    class StepScope;
    void ForgetHistory();
    // Modified, the window's notice and the replace-undo rule for an edit of from..to.
    void Edited(int64_t from, int64_t to, ReplaceUndoRule rule);
    // EditRefused for the edits themselves.
    bool ReadOnly();

    // The status-bar hint of an undo or redo item, formatted again only when the step's name
    // changes: typing updates the items on every key.
    struct StepHint {
        std::string name, text;
        const std::string& For(std::string_view format, const std::string& stepName);
    };

    EditorState& s_;
    StepHint undoHint_, redoHint_;
    int64_t bulkSizeBefore_ = 0;
    std::vector<uint8_t> replacement_; // of the replace all whose hits are recorded
    bool hitsRecorded_ = false;
    bool refusalShown_ = false; // in the open step
    // Replace all in pieces: the rebuild, the next byte of the Document it has not walked, the
    // journal's changes before it began.
    std::optional<PieceRebuild> rebuild_;
    std::optional<HitRewrite> rewrite_;
    int64_t growth_ = 0; // of the rewrite in place
    int64_t rebuildNext_ = 0, findLength_ = 0;
    size_t rebuildChanges_ = 0;
    bool rebuildPending_ = false; // begun, but no hit yet
};

} // namespace qhe
