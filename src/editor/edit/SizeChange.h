#pragma once

namespace qhe {

struct EditorState;

// A mapped Document (a large file or a block device) keeps its size, a read-only one all its
// bytes. Commands that would insert or delete bytes ask here first: true, after telling the
// user why, when they may not.
bool SizeChangeRefused(EditorState& s);
// The message after an insert that the editing service refused: the fixed size, or else
// too little memory (message 2004); none for a read-only Document, the service said so.
void ShowInsertRefused(EditorState& s);

} // namespace qhe
