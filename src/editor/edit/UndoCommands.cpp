#include "editor/edit/UndoCommands.h"

#include "editor/EditorState.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

void UndoCommands::Step(bool undo) {
    EditJournal& journal = s_.journal;
    if (!s_.doc.IsOpen || (undo ? !journal.CanUndo() : !journal.CanRedo())) return;
    if (s_.editor.EditRefused()) return;
    const int64_t sizeBefore = s_.doc.Size();
    EditPlace place;
    const bool applied = undo ? journal.Undo(s_.doc, place) : journal.Redo(s_.doc, place);
    if (!applied) {
        s_.ui.ShowError(kTextUndoNoMemory);
        return;
    }
    s_.doc.Modified = !journal.AtSavePoint();
    // The last replacement's undo relies on bytes this step may have changed.
    s_.actions.SetEnabled("Replaceundo1", false);
    // A block is kept on positions: after a change of the size it would mark other bytes.
    if (s_.doc.Size() != sizeBefore && s_.block.Complete()) BlockMarking(s_).Unmark(true);
    if (s_.doc.Size() == 0)
        s_.editor.MakeEmpty();
    else
        ViewCommands(s_).ShowPlace(place.top, place.cursor);
    s_.editor.UpdateUndoItems();
    s_.Changed(kChangedView | kChangedStatus | kChangedCaption);
}

} // namespace qhe
