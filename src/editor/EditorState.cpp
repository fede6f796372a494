#include "editor/EditorState.h"

#include <set>

namespace qhe {

bool CommandAvailable(const std::string& name) {
    static const std::set<std::string> available = {"New1",
                                                    "Open1",
                                                    "Reload1",
                                                    "Reopen1",
                                                    "Save1",
                                                    "SaveAs1",
                                                    "Close1",
                                                    "Exit1",
                                                    "Info1",
                                                    "QZBtnNew",
                                                    "QZBtnOpen",
                                                    "QZBtnSave",
                                                    "QZBtnInfo",
                                                    "Contents1",
                                                    "QZBtnWhats",
                                                    "ModusText1",
                                                    "ModusOverwrite1",
                                                    "CalculateCRC321",
                                                    "DataInspector1",
                                                    "Charconversion1",
                                                    "Options1",
                                                    "QZBtnOptions",
                                                    "Goto1",
                                                    "Jumpwidth1",
                                                    "Jumpdown1",
                                                    "Jumpup1",
                                                    "Rememberaddress1",
                                                    "Gotoremembered1",
                                                    "Displaydifference1",
                                                    "Add1",
                                                    "Remove1",
                                                    "Removeall1",
                                                    "Savetofile1",
                                                    "Loadfromfile1",
                                                    "Bookmark1",
                                                    "Bookmark2",
                                                    "Bookmark3",
                                                    "Bookmark4",
                                                    "Bookmark5",
                                                    "Bookmark6",
                                                    "Bookmark7",
                                                    "Bookmark8",
                                                    "Bookmark9",
                                                    "Blockmark1",
                                                    "Blockunmark1",
                                                    "Blockdelete1",
                                                    "QZBtnDel",
                                                    "Blockcopy1",
                                                    "Blockcopyovwr1",
                                                    "Blockmove1",
                                                    "Writeblock1",
                                                    "Insertfile1",
                                                    "Deletefromcursor1",
                                                    "Deletetocursor1",
                                                    "Blocknchars1",
                                                    "Find1",
                                                    "QZBtnFind",
                                                    "Findagaindown1",
                                                    "Findagainup1",
                                                    "Count1",
                                                    "Decode1",
                                                    "Encode1",
                                                    "Bitmanipulation1",
                                                    "Replace1",
                                                    "QZBtnReplace",
                                                    "Replaceagaindown1",
                                                    "Replaceundo1",
                                                    "Patch1",
                                                    "Clipboard1",
                                                    "Cut1",
                                                    "Copy1",
                                                    "Paste1",
                                                    "Copyhex1",
                                                    "Pastefromhexstring1",
                                                    "QZBtnCut",
                                                    "QZBtnCopy",
                                                    "QZBtnPaste",
                                                    "Insert1",
                                                    "Overwritestring1",
                                                    "Editor1",
                                                    "Executeactive1"};
    return available.count(name) != 0;
}

EditorState::EditorState(Ui& ui) : ui(ui), actions(CommandAvailable) {
    doc.SetBusyFeedback(&ui);
    actions.SetChecked("ModusText1", view.TextMode);
    actions.SetChecked("ModusOverwrite1", view.Overwrite);
    ResetCharTable(charTable);
}

} // namespace qhe
