#include "editor/EditorState.h"

#include <set>

namespace qhe {

// Blocknchars1 waits for its dialog with the numeric entry field.
bool CommandAvailable(const std::string& name) {
    static const std::set<std::string> available = {"New1",           "Open1",           "Reload1",
                                                    "Reopen1",        "Save1",           "SaveAs1",
                                                    "Close1",         "Exit1",           "Info1",
                                                    "QZBtnNew",       "QZBtnOpen",       "QZBtnSave",
                                                    "QZBtnInfo",      "Contents1",       "QZBtnWhats",
                                                    "ModusText1",     "ModusOverwrite1", "Blockmark1",
                                                    "Blockunmark1",   "Blockdelete1",    "QZBtnDel",
                                                    "Blockcopy1",     "Blockcopyovwr1",  "Blockmove1",
                                                    "Writeblock1",    "Insertfile1",     "Deletefromcursor1",
                                                    "Deletetocursor1"};
    return available.count(name) != 0;
}

EditorState::EditorState(Ui& ui) : ui(ui), actions(CommandAvailable) {
    doc.SetBusyFeedback(&ui);
    actions.SetChecked("ModusText1", view.TextMode);
    actions.SetChecked("ModusOverwrite1", view.Overwrite);
}

} // namespace qhe
