#include "editor/edit/SizeChange.h"

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/EditorState.h"
#include "editor/OwnTexts.h"

namespace qhe {

bool SizeChangeRefused(EditorState& s) {
    if (s.editor.EditRefused()) return true;
    if (!s.doc.SizeFixed()) return false;
    s.ui.ShowError(Format(kTextSizeFixed, {FileNameOnly(s.doc.FileName)}));
    return true;
}

void ShowInsertRefused(EditorState& s) {
    if (s.doc.ReadOnly) return; // the editing service has said so
    if (!SizeChangeRefused(s)) s.ui.ShowError(Msg(kMsgNoMemory));
}

} // namespace qhe
