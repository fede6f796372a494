#include "editor/blocks/BlockTestFixture.h"

namespace qhe::test {
namespace {

class DocumentEditorTest : public BlockTest {
  protected:
    // The last replacement stood at 3..4 and could be undone.
    void ReplacedAt3() {
        state.lastReplaceAddress = 3;
        state.lastReplaceLength = 2;
        state.actions.SetEnabled("Replaceundo1", true);
    }
    bool UndoEnabled() const { return state.actions.Enabled("Replaceundo1"); }
};

// An edit gives the replacement's undo up only when it reaches the replacement's bytes:
// overwrites over them, inserts and deletes at or before their end.
TEST_F(DocumentEditorTest, ReachedRuleLooksAtTheEditedRange) {
    Load("_abcdefgh");
    const uint8_t xy[] = {'x', 'y'};
    ReplacedAt3();
    state.editor.Overwrite(1, xy, 2, ReplaceUndoRule::Reached);
    EXPECT_TRUE(UndoEnabled()) << "an overwrite of 1..2 ends before the replacement";
    state.editor.Insert(5, xy, 2, ReplaceUndoRule::Reached);
    EXPECT_TRUE(UndoEnabled()) << "an insert behind the replacement";
    state.editor.Overwrite(4, xy, 1, ReplaceUndoRule::Reached);
    EXPECT_FALSE(UndoEnabled()) << "an overwrite of its last byte";
    ReplacedAt3();
    state.editor.Delete(4, 1, false, ReplaceUndoRule::Reached);
    EXPECT_FALSE(UndoEnabled()) << "a delete inside it";
    ReplacedAt3();
    state.editor.Overwrite(1, xy, 2, ReplaceUndoRule::Always);
    EXPECT_FALSE(UndoEnabled());
    EXPECT_EQ(Markup(), "_xycxyefgh");
    EXPECT_TRUE(state.doc.Modified);
}

// A gap whose filling fails is closed again: no trace in the bytes, the size or Modified.
TEST_F(DocumentEditorTest, FailedFillLeavesTheDocumentAsItWas) {
    Load("ab_cd");
    EXPECT_FALSE(state.editor.InsertFilled(
        3, 4,
        [](uint8_t* gap) {
            gap[0] = 'z';
            return false;
        },
        ReplaceUndoRule::Always));
    EXPECT_EQ(Markup(), "ab_cd");
    EXPECT_FALSE(state.doc.Modified);
    EXPECT_TRUE(state.editor.InsertFilled(
        3, 1,
        [](uint8_t* gap) {
            gap[0] = 'z';
            return true;
        },
        ReplaceUndoRule::Keep));
    EXPECT_EQ(Markup(), "ab_zcd");
    EXPECT_TRUE(state.doc.Modified);
}

} // namespace
} // namespace qhe::test
