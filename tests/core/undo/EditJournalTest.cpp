#include "core/undo/EditJournal.h"
#include "core/undo/SegmentRewrite.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace qhe {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Contents(const Document& doc) {
    return Bytes(doc.Buffer(), doc.Buffer() + doc.Size());
}

void Load(Document& doc, const Bytes& bytes) {
    doc.SetSize(0);
    ASSERT_TRUE(doc.InsertGap(1, static_cast<int64_t>(bytes.size())));
    std::copy(bytes.begin(), bytes.end(), doc.Buffer());
}

// Applies one random edit to doc the way the editing layer does: record, then change.
void RandomEdit(std::mt19937& rng, Document& doc, EditJournal& journal) {
    auto pick = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(rng); };
    const int64_t size = doc.Size();
    switch (pick(0, size > 0 ? 3 : 0)) {
    case 0: { // insert
        const int64_t pos = pick(1, size + 1), n = pick(1, 5);
        ASSERT_TRUE(doc.InsertGap(pos, n));
        for (int64_t i = 0; i < n; ++i)
            doc.SetByte(pos + i, static_cast<uint8_t>(pick(0, 3)));
        journal.RecordInsert(pos, n);
        break;
    }
    case 1: { // delete
        const int64_t pos = pick(1, size), n = pick(1, size - pos + 1);
        journal.RecordDelete(doc, pos, n);
        doc.DeleteRange(pos, n);
        break;
    }
    case 2: { // overwrite
        const int64_t pos = pick(1, size), n = pick(1, std::min<int64_t>(4, size - pos + 1));
        journal.RecordOverwrite(doc, pos, n);
        for (int64_t i = 0; i < n; ++i)
            doc.SetByte(pos + i, static_cast<uint8_t>(pick(0, 3)));
        break;
    }
    default: { // replace all: every non-overlapping hit of a short pattern
        const Bytes find(static_cast<size_t>(pick(1, 2)), static_cast<uint8_t>(pick(0, 3)));
        const Bytes with(static_cast<size_t>(pick(0, 3)), 9);
        std::vector<int64_t> at;
        Bytes old;
        const Bytes data = Contents(doc);
        for (size_t p = 0; p + find.size() <= data.size();)
            if (std::equal(find.begin(), find.end(), data.begin() + static_cast<std::ptrdiff_t>(p))) {
                at.push_back(static_cast<int64_t>(p));
                old.insert(old.end(), find.begin(), find.end());
                p += find.size();
            } else {
                ++p;
            }
        ASSERT_TRUE(RewriteSegments(doc, at, 0, static_cast<int64_t>(find.size()),
                                    static_cast<int64_t>(with.size()), with.data(), 0));
        journal.RecordSegments(std::move(at), static_cast<int64_t>(find.size()), std::move(old), with);
    }
    }
}

// Random steps of one to three edits each; undoing all restores every intermediate state in
// turn, redoing all reaches the end again; the save point follows.
TEST(EditJournal, UndoAndRedoRandomStepsRestoreEveryState) {
    std::mt19937 rng(7);
    for (int round = 0; round < 400; ++round) {
        Document doc;
        ASSERT_TRUE(doc.Allocate());
        Bytes start(static_cast<size_t>(rng() % 24));
        for (uint8_t& b : start)
            b = static_cast<uint8_t>(rng() % 4);
        Load(doc, start);
        EditJournal journal;
        journal.MarkSaved();
        std::vector<Bytes> states{start};
        const int saveAt = static_cast<int>(rng() % 8);
        for (int s = 0; s < 12; ++s) {
            const int steps = static_cast<int>(states.size()) - 1;
            if (steps == saveAt) journal.MarkSaved();
            journal.Begin("step", {steps + 1, 1});
            for (int e = 1 + static_cast<int>(rng() % 3); e > 0; --e)
                RandomEdit(rng, doc, journal);
            journal.End({steps + 2, 1});
            // A step that changed nothing (a replace all without hits) leaves no trace.
            if (journal.StepCount() > static_cast<size_t>(steps)) states.push_back(Contents(doc));
        }
        const int steps = static_cast<int>(states.size()) - 1;
        if (saveAt >= steps) journal.MarkSaved();
        ASSERT_EQ(journal.StepCount(), static_cast<size_t>(steps));
        EditPlace place;
        for (int s = steps; s > 0; --s) {
            ASSERT_TRUE(journal.Undo(doc, place));
            ASSERT_EQ(Contents(doc), states[static_cast<size_t>(s - 1)])
                << "round " << round << " step " << s;
            EXPECT_EQ(place.cursor, s);
            EXPECT_EQ(journal.AtSavePoint(), s - 1 == std::min(saveAt, steps));
        }
        EXPECT_FALSE(journal.CanUndo());
        for (int s = 1; s <= steps; ++s) {
            ASSERT_TRUE(journal.Redo(doc, place));
            ASSERT_EQ(Contents(doc), states[static_cast<size_t>(s)]) << "round " << round << " step " << s;
            EXPECT_EQ(place.cursor, s + 1);
        }
        EXPECT_FALSE(journal.CanRedo());
    }
}

TEST(EditJournal, TypingJoinsOneStepUntilTheCursorMovesOrTheKeyChanges) {
    Document doc;
    ASSERT_TRUE(doc.Allocate());
    EditJournal journal;
    auto type = [&](int64_t pos, int key) {
        journal.Begin("typing", {pos, 1}, key);
        ASSERT_TRUE(doc.InsertGap(pos, 1));
        doc.SetByte(pos, 'a');
        journal.RecordInsert(pos, 1);
        journal.End({pos + 1, 1});
    };
    type(1, 1);
    type(2, 1);
    type(3, 1);
    EXPECT_EQ(journal.StepCount(), 1u);
    type(4, 2); // the other pane
    EXPECT_EQ(journal.StepCount(), 2u);
    journal.BreakTyping();
    type(5, 2);
    journal.BreakTyping(); // the cursor was moved by other means
    type(1, 2);
    EXPECT_EQ(journal.StepCount(), 4u);
    EditPlace place;
    ASSERT_TRUE(journal.Undo(doc, place));
    ASSERT_TRUE(journal.Undo(doc, place));
    ASSERT_TRUE(journal.Undo(doc, place));
    ASSERT_TRUE(journal.Undo(doc, place));
    EXPECT_EQ(doc.Size(), 0);
    EXPECT_EQ(place.cursor, 1);
}

TEST(EditJournal, LimitDropsOldestStepsAndForgetsAStepTooBigToKeep) {
    Document doc;
    ASSERT_TRUE(doc.Allocate());
    Load(doc, Bytes(4096, 1));
    EditJournal journal;
    journal.SetLimit(3000);
    journal.MarkSaved();
    for (int s = 0; s < 4; ++s) {
        journal.Begin("overwrite", {1, 1});
        journal.RecordOverwrite(doc, 1 + s * 1000, 1000);
        ASSERT_TRUE(journal.End({1, 1}));
    }
    EXPECT_LT(journal.StepCount(), 4u);
    EXPECT_LE(journal.Footprint(), 3000);
    EditPlace place;
    while (journal.CanUndo())
        ASSERT_TRUE(journal.Undo(doc, place));
    EXPECT_FALSE(journal.AtSavePoint()); // the saved state went with the oldest step

    journal.Begin("delete", {1, 1});
    journal.RecordDelete(doc, 1, 3500);
    EXPECT_FALSE(journal.End({1, 1}));
    EXPECT_EQ(journal.StepCount(), 0u);

    journal.SetLimit(0);
    journal.Begin("insert", {1, 1});
    journal.RecordInsert(1, 1);
    journal.End({1, 1});
    EXPECT_FALSE(journal.CanUndo());
}

} // namespace
} // namespace qhe
