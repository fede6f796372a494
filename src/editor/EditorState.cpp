#include "editor/EditorState.h"

#include <set>

namespace qhe {

bool CommandAvailable(const std::string& name) {
    static const std::set<std::string> available = {
        "New1",       "Open1",           "Reload1",         "Reopen1",        "Save1",
        "SaveAs1",    "Close1",          "Exit1",           "Info1",          "QZBtnNew",
        "QZBtnOpen",  "QZBtnSave",       "QZBtnInfo",       "Contents1",      "QZBtnWhats",
        "ModusText1", "ModusOverwrite1", "CalculateCRC321", "DataInspector1", "Charconversion1",
        "Options1",   "QZBtnOptions"};
    static const std::set<std::string> search = {"Find1", "QZBtnFind", "Findagaindown1", "Findagainup1",
                                                 "Count1"};
    return available.count(name) != 0 || search.count(name) != 0;
}

EditorState::EditorState(Ui& ui) : ui(ui), actions(CommandAvailable) {
    doc.SetBusyFeedback(&ui);
    actions.SetChecked("ModusText1", view.TextMode);
    actions.SetChecked("ModusOverwrite1", view.Overwrite);
    ResetCharTable(charTable);
}

} // namespace qhe
