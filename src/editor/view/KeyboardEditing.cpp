#include "editor/view/KeyboardEditing.h"

#include <algorithm>

#include "editor/edit/SizeChange.h"
#include "core/text/Ansi.h"
#include "core/text/HexDigit.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/blocks/BlockMarking.h"

namespace qhe {
namespace {

bool IsNavigationKey(Key key) {
    switch (key) {
    case Key::PageUp:
    case Key::PageDown:
    case Key::End:
    case Key::Home:
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down:
        return true;
    default:
        return false;
    }
}

bool IsForwardKey(Key key) {
    return key == Key::PageDown || key == Key::End || key == Key::Right || key == Key::Down;
}

} // namespace

void KeyboardEditing::KeyDown(Key key, unsigned modifiers) {
    ViewState& v = s_.view;
    if (!s_.doc.IsOpen || s_.doc.Size() == 0) {
        if (key == Key::Escape && !v.TextMode && v.HexDigitPending()) {
            v.HexCell(v.CursorCol, v.CursorRow).assign(1, ' ');
            s_.Changed(kChangedView);
        } else if (key == Key::Tab) {
            view_.ModusText1Click();
        } else if (key == Key::Insert) {
            ModusOverwrite1Click();
        }
        return;
    }
    // The Shift key's own press may arrive without the Shift flag.
    const bool shiftHeld = (modifiers & kModShift) != 0 || key == Key::Shift;
    if (shiftHeld && !s_.keyboard.syntheticKey) {
        if (IsNavigationKey(key))
            BlockMarking(s_).MarkStep(true, IsForwardKey(key));
        else if (key == Key::Shift && s_.block.Complete())
            BlockMarking(s_).Unmark(true);
    }
    if (!HandleTableRow(key, modifiers)) MovePaneCursor(key, modifiers);
    s_.keyboard.syntheticKey = false;
}

bool KeyboardEditing::HandleTableRow(Key key, unsigned modifiers) {
    ViewState& v = s_.view;
    const int64_t size = s_.doc.Size();
    const bool ctrl = (modifiers & kModCtrl) != 0;
    const bool lastRow = v.CursorRow == v.Rows - 1;
    switch (key) {
    case Key::Insert:
        ModusOverwrite1Click();
        return true;
    case Key::Tab:
        view_.ModusText1Click();
        return true;
    case Key::Down:
        if (lastRow && v.LastVisible < size) {
            view_.ScrollRowDown();
            return true; // no row below: the pane stays
        }
        if (v.LastVisible == size) {
            const CellPos last = view_.CellOfPosition(v.LastVisible);
            if (v.CursorRow == last.row - 1 && v.CursorCol > last.col) view_.SetCursorCell(last);
        }
        return false;
    case Key::Up:
        if (v.CursorRow == 0 && v.TopAddress - v.Cols > 0) view_.ScrollRowUp();
        return false;
    case Key::Right:
        if (lastRow && v.CursorCol == v.Cols - 1 && v.LastVisible < size) {
            view_.ScrollRowDown();
            view_.SetCursorColumn(0);
            return true;
        }
        return v.LastVisible == size && v.CursorPosition() == size;
    case Key::Left:
        if (v.CursorCol == 0 && v.CursorRow == 0 && v.TopAddress - v.Cols > 0) {
            view_.ScrollRowUp();
            view_.SetCursorColumn(v.Cols - 1);
            return true;
        }
        return false;
    case Key::PageDown:
        if (ctrl) { // LastVisible <= Size always holds
            view_.GotoEnd();
            return true;
        }
        if (v.LastVisible < size) {
            view_.ShowAddress(v.LastVisible - v.Cols + 1, false, false);
            if (v.CursorPosition() > size) view_.SetCursorCell(view_.CellOfPosition(v.LastVisible));
            view_.UpdateStatus();
            return true;
        }
        return false;
    case Key::PageUp:
        if (ctrl) { // TopAddress >= 1 always holds
            view_.GotoStart();
            return true;
        }
        if (v.TopAddress > 1) {
            view_.ShowAddress(v.TopAddress - v.VisibleCells + v.Cols, false, false);
            view_.UpdateStatus();
            return true;
        }
        return false;
    case Key::End:
        if (v.LastVisible == size) {
            const CellPos last = view_.CellOfPosition(v.LastVisible);
            if (ctrl)
                view_.SetCursorCell(last);
            else if (v.CursorRow == last.row)
                view_.SetCursorColumn(last.col);
        }
        return false;
    case Key::Escape:
        if (!v.TextMode && v.HexDigitPending()) view_.RestorePendingDigit();
        return false;
    case Key::Delete:
        DeleteByteAtCursor();
        return false;
    case Key::Backspace:
        if (v.CursorPosition() > 1) {
            SendKey(Key::Left, modifiers);
            DeleteByteAtCursor();
        }
        return false;
    default:
        return false;
    }
}

void KeyboardEditing::MovePaneCursor(Key key, unsigned modifiers) {
    const ViewState& v = s_.view;
    const int col = v.CursorCol;
    const int row = v.CursorRow;
    int toCol = col;
    int toRow = row;
    if (modifiers & kModCtrl) {
        switch (key) {
        case Key::Left:
            toCol = 0;
            break;
        case Key::Right:
            toCol = v.Cols - 1;
            break;
        case Key::PageUp:
            toRow = 0;
            break;
        case Key::PageDown:
            toRow = v.Rows - 1;
            break;
        case Key::Home:
            toCol = toRow = 0;
            break;
        case Key::End:
            toCol = v.Cols - 1;
            toRow = v.Rows - 1;
            break;
        default:
            break; // Ctrl+Up and Ctrl+Down would only scroll the grid, which shows all rows
        }
    } else {
        switch (key) {
        case Key::Left:
            --toCol;
            break;
        case Key::Right:
            ++toCol;
            break;
        case Key::Up:
            --toRow;
            break;
        case Key::Down:
            ++toRow;
            break;
        case Key::PageUp:
            toRow -= v.Rows;
            break;
        case Key::PageDown:
            toRow += v.Rows;
            break;
        case Key::Home:
            toCol = 0;
            break;
        case Key::End:
            toCol = v.Cols - 1;
            break;
        default:
            break;
        }
    }
    toCol = std::clamp(toCol, 0, v.Cols - 1);
    toRow = std::clamp(toRow, 0, v.Rows - 1);
    if (toCol != col || toRow != row) view_.SelectCell(toCol, toRow);
    // Row wrapping inside the visible rows.
    if (key == Key::Left && col == 0 && row > 0)
        view_.SelectCell(v.Cols - 1, row - 1);
    else if (key == Key::Right && col == v.Cols - 1 && row < v.Rows - 1)
        view_.SelectCell(0, row + 1);
}

void KeyboardEditing::KeyUp(Key key, unsigned modifiers) {
    if (!s_.doc.IsOpen || s_.doc.Size() == 0) return;
    if ((modifiers & kModShift) && IsNavigationKey(key)) BlockMarking(s_).MarkStep(true, IsForwardKey(key));
}

void KeyboardEditing::KeyPress(char32_t ch) {
    if (!s_.doc.IsOpen) return;
    ViewState& v = s_.view;
    if (v.TextMode) {
        if (ch >= 32 && !s_.editor.EditRefused()) TypeByte(UnicodeToAnsi(ch));
        return;
    }
    const int digit = HexDigitValue(ch);
    // Not even the first digit shows in a read-only Document.
    if (digit < 0 || s_.editor.EditRefused()) return;
    if (v.HexDigitPending()) {
        const int high = HexDigitValue(static_cast<unsigned char>(v.HexCell(v.CursorCol, v.CursorRow)[0]));
        TypeByte(static_cast<uint8_t>(high * 16 + digit));
    } else {
        v.HexCell(v.CursorCol, v.CursorRow) = std::string(1, "0123456789ABCDEF"[digit]);
        s_.Changed(kChangedView);
    }
}

void KeyboardEditing::TypeByte(uint8_t b) {
    ViewState& v = s_.view;
    const int64_t pos = v.CursorPosition();
    v.TextCell(v.CursorCol, v.CursorRow) = view_.TextOf(b);
    v.HexCell(v.CursorCol, v.CursorRow) = ViewCommands::HexText(b);
    s_.Changed(kChangedView);
    if (s_.doc.Size() == 0) {
        if (!s_.doc.EnsureRoom(1) || !s_.editor.Insert(1, &b, 1, ReplaceUndoRule::Keep)) {
            s_.ui.ShowError(Msg(kMsgNoMemory));
            view_.RefreshFromCursor();
            return;
        }
        // The first byte also gives the row its address and the view its end.
        view_.RefreshFromCursor();
    } else if (v.Overwrite) {
        s_.editor.Overwrite(pos, &b, 1, ReplaceUndoRule::Keep);
        view_.UpdateStatus();
    } else {
        // A failed insert leaves the Document as it was: the cells show it again and the
        // cursor stays.
        const bool inserted = InsertByteAtCursor(b);
        view_.RefreshFromCursor();
        if (!inserted) return;
    }
    PostKey(Key::Right);
    if (!v.Overwrite) s_.editor.DropBlockFrom(pos);
}

bool KeyboardEditing::InsertByteAtCursor(uint8_t b) {
    if (SizeChangeRefused(s_)) return false;
    if (!s_.doc.EnsureRoom(1)) {
        s_.ui.ShowError(Msg(kMsgNoMemory));
        return false;
    }
    view_.BeginBusy(Msg(kMsgInserting));
    const int64_t pos = s_.view.CursorPosition();
    const bool inserted = s_.editor.Insert(pos, &b, 1, ReplaceUndoRule::Keep);
    ViewState& v = s_.view;
    v.LastVisible = std::min<int64_t>(s_.doc.Size(), v.TopAddress + v.VisibleCells - 1);
    view_.EndBusy();
    if (!inserted) s_.ui.ShowError(Msg(kMsgNoMemory));
    return inserted;
}

void KeyboardEditing::DeleteByteAtCursor() {
    const int64_t size = s_.doc.Size();
    if (!s_.doc.IsOpen || size == 0 || SizeChangeRefused(s_)) return;
    if (size == 1) {
        s_.editor.DeleteAll(ReplaceUndoRule::Keep);
        return;
    }
    ViewState& v = s_.view;
    view_.BeginBusy(Msg(kMsgDeleting));
    const int64_t a = v.CursorPosition();
    s_.editor.Delete(a, 1, false, ReplaceUndoRule::Reached); // one move of the tail
    v.LastVisible = std::min<int64_t>(s_.doc.Size(), v.TopAddress + v.VisibleCells - 1);
    view_.RefreshFromCursor();
    if (a > s_.doc.Size()) {
        // The last byte went: the cursor goes onto the new last byte, scrolling when it is
        // no longer in the window.
        if (s_.doc.Size() >= v.TopAddress)
            view_.SetCursorCell(view_.CellOfPosition(s_.doc.Size()));
        else
            view_.ShowAddress(s_.doc.Size(), true, false);
    }
    s_.editor.DropBlockFrom(a);
    view_.EndBusy();
}

void KeyboardEditing::SendKey(Key key, unsigned modifiers) {
    s_.keyboard.syntheticKey = true;
    KeyDown(key, modifiers);
}

void KeyboardEditing::DrainPostedKeys(unsigned modifiers) {
    while (!s_.keyboard.postedKeys.empty()) {
        const Key key = s_.keyboard.postedKeys.front();
        s_.keyboard.postedKeys.pop_front();
        s_.keyboard.syntheticKey = true;
        KeyDown(key, modifiers);
        // An empty Document keeps the flag in KeyDown; a posted key must not leave it set.
        s_.keyboard.syntheticKey = false;
    }
}

void KeyboardEditing::ModusOverwrite1Click() {
    ViewState& v = s_.view;
    v.Overwrite = !v.Overwrite;
    s_.actions.SetChecked("ModusOverwrite1", v.Overwrite);
    view_.UpdateStatus();
}

} // namespace qhe
