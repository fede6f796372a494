#include "editor/blocks/BlockCommands.h"

#include <algorithm>

#include "editor/edit/SizeChange.h"
#include "core/document/FileTransfer.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockLength.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/file/FileCommands.h"
#include "editor/view/KeyboardEditing.h"
#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"

namespace qhe {
void BlockCommands::DeleteEverything() {
    // A replacement that could be undone lay in the bytes that are gone now.
    s_.editor.DeleteAll(ReplaceUndoRule::Always);
}

void BlockCommands::Blockmark1Click() {
    if (!HasBytes()) return;
    BlockMarking(s_).MarkStep(false, true);
}

void BlockCommands::Blocknchars1Click() {
    if (!HasBytes()) return;
    BlockLengthRequest request;
    request.cursor = s_.view.CursorPosition();
    request.size = s_.doc.Size();
    const auto n = s_.ui.AskBlockLength(request);
    if (!n) return;
    // The dialog checked the number already; a length that does not fit is never marked.
    if (!BlockLengthFits(*n, request.cursor, request.size)) {
        s_.ui.ShowError(Msg(kMsgBadBlockLength));
        return;
    }
    BlockMarking(s_).SetBlock(request.cursor, request.cursor + *n - 1);
    view_.UpdateStatus();
}

void BlockCommands::Blockall1Click() {
    if (!HasBytes()) return;
    BlockMarking(s_).SetBlock(1, s_.doc.Size());
    view_.UpdateStatus();
}

void BlockCommands::Blockunmark1Click() {
    BlockMarking(s_).Unmark(true);
}

bool BlockCommands::DeleteBlock() {
    if (SizeChangeRefused(s_)) return false;
    const BlockState& block = s_.block;
    if (block.Complete() && block.begin == 1 && block.end == s_.doc.Size()) {
        DeleteEverything();
        return false;
    }
    if (!block.Complete() || block.end > s_.doc.Size()) {
        s_.ui.ShowError(Msg(kMsgNoBlock));
        return false;
    }
    view_.BeginBusy(Msg(kMsgDeleting));
    const int64_t begin = block.begin;
    s_.editor.Delete(begin, block.Length(), true, ReplaceUndoRule::Always);
    BlockMarking(s_).Unmark(true);
    view_.ShowAddress(begin, true, true);
    view_.EndBusy();
    return true;
}

void BlockCommands::Blockcopy1Click(BlockCopyKind kind) {
    const BlockState& block = s_.block;
    const int64_t a = s_.view.CursorPosition();
    if (!block.Complete() || block.end > s_.doc.Size()) {
        s_.ui.ShowError(Msg(kMsgNoBlock));
        return;
    }
    const int64_t begin = block.begin;
    const int64_t end = block.end;
    const int64_t n = block.Length();
    if (begin < a && a <= end) {
        s_.ui.ShowError(Msg(kMsgInsideBlock));
        return;
    }
    if ((kind != BlockCopyKind::Copy && a == begin) || (kind == BlockCopyKind::Move && a == end + 1)) {
        s_.ui.ShowInfo(Msg(kMsgSamePlace));
        return;
    }
    if (kind == BlockCopyKind::CopyOverwrite && a + n - 1 > s_.doc.Size()) {
        s_.ui.ShowError(Msg(kMsgPastEnd));
        return;
    }
    if (!CopyBlockTo(a, kind != BlockCopyKind::CopyOverwrite)) return;
    if (kind == BlockCopyKind::Move) {
        FinishMove(a, begin, end);
        return;
    }
    BlockMarking(s_).SetBlock(a, a + n - 1);
    view_.RefreshFromCursor();
    view_.UpdateStatus();
}

bool BlockCommands::CopyBlockTo(int64_t a, bool insert) {
    const int64_t n = s_.block.Length();
    view_.BeginBusy(Msg(kMsgCopying));
    const bool copied = s_.editor.CopyWithin(a, s_.block.begin, n, insert, ReplaceUndoRule::Always);
    view_.EndBusy();
    if (!copied) ShowInsertRefused(s_);
    return copied;
}

void BlockCommands::FinishMove(int64_t a, int64_t oldBegin, int64_t oldEnd) {
    const int64_t n = oldEnd - oldBegin + 1;
    // Moving toward the start put the copy before the block, which now lies n bytes further up.
    const int64_t begin = a < oldBegin ? oldEnd + 1 : oldBegin;
    view_.BeginBusy(Msg(kMsgDeleting));
    s_.editor.Delete(begin, n, true, ReplaceUndoRule::Keep);
    view_.EndBusy();
    if (a < begin)
        BlockMarking(s_).SetBlock(a, a + n - 1);
    else
        BlockMarking(s_).SetBlock(a - n, a - 1);
    view_.ShowAddress(a, true, true);
}

void BlockCommands::Deletefromcursor1Click() {
    if (!HasBytes() || SizeChangeRefused(s_)) return;
    const int64_t cur = s_.view.CursorPosition();
    if (cur == 1) {
        DeleteEverything();
        return;
    }
    if (cur == s_.doc.Size()) {
        KeyboardEditing(s_).DeleteByteAtCursor();
        return;
    }
    s_.editor.Truncate(cur - 1, ReplaceUndoRule::Reached);
    view_.GotoEnd();
    s_.editor.DropBlockFrom(cur);
}

void BlockCommands::Deletetocursor1Click() {
    if (!HasBytes() || SizeChangeRefused(s_)) return;
    const int64_t cur = s_.view.CursorPosition();
    if (cur == s_.doc.Size()) {
        DeleteEverything();
        return;
    }
    view_.BeginBusy(Msg(kMsgDeleting));
    s_.editor.Delete(1, cur, false, ReplaceUndoRule::Always); // one move of the rest
    view_.GotoStart();
    // Every remaining byte moved, so no block still marks the bytes it was made for.
    s_.editor.DropBlockFrom(1);
    view_.EndBusy();
}

void BlockCommands::Writeblock1Click() {
    if (!s_.block.Complete() || s_.block.end > s_.doc.Size()) return;
    FileDialogRequest request;
    request.title = Msg(kMsgSaveAsTitle);
    request.filters = FileCommands::FileFilters();
    request.initialDir = s_.doc.CurrentDir;
    const auto chosen = s_.ui.ChooseSaveFile(request);
    if (!chosen) return;
    // A range leaves Modified and the file time alone; WriteFile reports its own failures.
    FileCommands(s_).WriteFile(*chosen, true, s_.block.begin, s_.block.Length());
}

void BlockCommands::Insertfile1Click() {
    if (!s_.doc.IsOpen) return;
    FileDialogRequest request;
    request.title = Msg(kMsgOpenTitle);
    request.filters = FileCommands::FileFilters();
    request.initialDir = s_.doc.CurrentDir;
    const auto chosen = s_.ui.ChooseOpenFile(request);
    if (chosen) InsertFile(chosen->fileName);
}

bool BlockCommands::InsertFile(const std::string& name) {
    if (SizeChangeRefused(s_)) return false;
    const platform::FileInfo info = platform::StatFile(name);
    const int64_t n = info.exists ? info.size : -1;
    if (info.exists && !info.isRegular) {
        FileCommands(s_).ShowFileError(kErrRead, kNotRegularFile, name);
        return false;
    }
    if (n <= 0) {
        s_.ui.ShowError(FormatMsg(kMsgFileEmpty, {name}));
        return false;
    }
    if (n > (s_.doc.IsMapped() ? s_.doc.MaxGrowth() : kMaxDocumentSize)) {
        s_.ui.ShowError(Format(kTextFileTooLarge, {FileNameOnly(name)}));
        return false;
    }
    // Also fails when the Document would pass 2 GiB.
    if (!s_.doc.EnsureRoom(n)) {
        s_.ui.ShowError(Msg(kMsgNoMemory));
        return false;
    }
    FileCommands files(s_);
    const int64_t cur = std::max<int64_t>(s_.view.CursorPosition(), 1);
    view_.BeginBusy(std::string());
    bool gapOpened = false;
    int code = 0;
    const bool inserted = s_.editor.InsertFilled(
        cur, n,
        [&](uint8_t* gap) {
            gapOpened = true;
            code = files.LoadFileIntoGap(name, gap, n);
            return code == 0;
        },
        ReplaceUndoRule::Keep);
    // The gap is closed before the message, so the Document is as before while it shows.
    if (!gapOpened)
        s_.ui.ShowError(Msg(kMsgNoMemory));
    else if (!inserted)
        files.ShowFileError(kErrRead, code, name);
    // A failed insert leaves the view and the cursor where they were.
    if (inserted) view_.ShowAddress(std::min<int64_t>(cur + n, s_.doc.Size()), true, false);
    view_.UpdateStatus();
    view_.EndBusy();
    return inserted;
}

} // namespace qhe
