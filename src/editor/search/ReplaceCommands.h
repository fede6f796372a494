#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/search/HitScan.h"
#include "core/util/Progress.h"
#include "editor/EditorState.h"
#include "editor/search/FindCommands.h"

namespace qhe {

// Replace, replace again (F4), replace all, replace undo and the executable patch: the hits of
// the stored find string become the stored replacement. Replace all finds the hits chunk by
// chunk and hands them to the editing service, which rewrites a buffer in place and a mapped
// file in one new run: each byte moves a bounded number of times, never once per hit.
class ReplaceCommands {
  public:
    explicit ReplaceCommands(EditorState& state) : s_(state), find_(state) {}

    // One replacement at the first hit at or after position. On a hit the progress box can no
    // longer cancel; position ends on the replacement's last byte (on its start when the
    // replacement is empty). replaced stays false when nothing was found or memory failed.
    void ReplaceNext(int64_t& position, bool& found, bool& replaced, bool afterHit, bool& cancelled,
                     Progress& progress);
    // Every hit from start to the end (no start rule, so a hit at start is replaced). first is
    // the first replacement's position, count the replacements made. A cancel keeps those
    // made and leaves a consistent Document.
    void ReplaceAll(int64_t start, int64_t& first, int64_t& count, bool& cancelled, Progress& progress);
    // Puts back the bytes the last replacement overwrote and forgets the replacement. False
    // (nothing changed) when the replacement no longer stands at its place or memory fails.
    bool UndoReplace();

    // The replace dialog, then F4 or replace all.
    void Replace1Click();
    // F4. byUser: from the menu or key, so the replacement starts at the cursor.
    void Replaceagaindown1Click(bool byUser);
    void Replaceundo1Click();
    // Replace all from the scope's start, with its progress box and the count message.
    void ReplaceAllCommand();
    // Changes the sixth byte of the Borland Pascal 7.0 start-up delay code (37 to 7E).
    void Patch1Click();

    // Bytes the operating system can still hand out; tests inject a figure.
    std::function<uint64_t()> freeMemory;

  private:
    enum class Invoker { User, Dialog, Patch };
    // Replaces the oldLength bytes at position by bytes; false with message 2004 when the
    // Document cannot grow.
    bool ReplaceAt(int64_t position, int64_t oldLength, const std::string& bytes);
    void ReplaceOnce(Invoker invoker, int64_t start, bool moveCursor);
    // The three loops of ReplaceAll.
    void ReplaceEqual(int64_t start, int64_t& first, int64_t& count, bool& cancelled, Progress& progress);
    void ReplaceShorter(int64_t start, int64_t& first, int64_t& count, bool& cancelled, Progress& progress);
    void ReplaceLonger(int64_t start, int64_t& first, int64_t& count, bool& cancelled, Progress& progress);
    // The hits from start (a count of replace all's first step); false on a cancel.
    bool CountHits(int64_t start, int64_t& k, Progress& progress);
    // Replaces the first k hits from start into the gap of k * growth bytes opened there.
    void ReplaceLongerInPlace(int64_t start, int64_t k, int64_t& first, int64_t& count, bool& cancelled,
                              Progress& progress);
    // The hits of the stored find string with the current find options.
    HitScan ScanOfFindString();
    // Records a chunk of replacements made by replace all: the first and the last at their new
    // positions, the last one's bytes before it was replaced.
    void NoteReplacements(int64_t firstAt, int64_t lastAt, const uint8_t* lastHitBytes, int64_t hits,
                          int64_t& first, int64_t& count);
    uint64_t FreeMemory() const;
    // Replace all in a mapped Document, which it turns into pieces.
    void ReplaceInPieces(int64_t start, int64_t& first, int64_t& count, bool& cancelled, Progress& progress);
    // True when the bytes at lastReplaceAddress are still the last replacement.
    bool ReplacementStandsAtItsPlace() const;

    EditorState& s_;
    FindCommands find_;
};

} // namespace qhe
