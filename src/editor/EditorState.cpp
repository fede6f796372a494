#include "editor/EditorState.h"

namespace qhe {

EditorState::EditorState(Ui& ui) : ui(ui) {
    // Printing comes with the window's print dialog: the command map offers it (MainCommands),
    // the editor state alone does not.
    actions.SetAvailable([](const std::string& name) { return name != "Print1"; });
    doc.SetBusyFeedback(&ui);
    actions.SetChecked("ModusText1", view.TextMode);
    actions.SetChecked("ModusOverwrite1", view.Overwrite);
    ResetCharTable(charTable);
}

} // namespace qhe
