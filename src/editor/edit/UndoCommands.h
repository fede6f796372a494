#pragma once

namespace qhe {

struct EditorState;

// Undo1 and Redo1: take back or do again one step of the journal, with the cursor and the
// view where the step began (undo) or ended (redo), and Modified following the save point.
class UndoCommands {
  public:
    explicit UndoCommands(EditorState& state) : s_(state) {}
    void Undo1Click() { Step(true); }
    void Redo1Click() { Step(false); }

  private:
    void Step(bool undo);
    EditorState& s_;
};

} // namespace qhe
