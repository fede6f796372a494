#include "editor/MainCommands.h"

#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/file/SendToShortcut.h"
#include "editor/menu/MenuModel.h"
#include "editor/tools/DataInspModel.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace qhe {
namespace {

// The caption of a command's menu item or tool button without its accelerator and dots:
// "替换(&R)..." names the step "替换".
std::string StepName(const std::string& command) {
    std::function<const MenuEntry*(const std::vector<MenuEntry>&)> find =
        [&](const std::vector<MenuEntry>& entries) -> const MenuEntry* {
        for (const MenuEntry& entry : entries) {
            if (entry.name == command) return &entry;
            if (const MenuEntry* inner = find(entry.children)) return inner;
        }
        return nullptr;
    };
    const MenuEntry* entry = find(MainMenu());
    if (!entry) entry = find(ToolButtons());
    if (!entry) return kTextEditStep;
    std::string name = CaptionOf(*entry);
    if (const size_t open = name.find("(&"); open != std::string::npos)
        name.erase(open, name.find(')', open) - open + 1);
    std::string plain;
    for (char c : name)
        if (c != '&') plain += c;
    while (!plain.empty() && (plain.back() == ' ' || plain.back() == '.'))
        plain.pop_back();
    return plain.empty() ? std::string(kTextEditStep) : plain;
}

} // namespace
namespace {

// The first two lines of a text.
std::string FirstTwoLines(const std::string& text) {
    const auto first = text.find('\n');
    if (first == std::string::npos) return text;
    const auto second = text.find('\n', first + 1);
    return second == std::string::npos ? text : text.substr(0, second);
}

} // namespace

ScriptSwitch ParseScriptSwitch(const std::string& argument) {
    ScriptSwitch result;
    if (argument.size() < 2) return result;
    const std::string head = argument.substr(0, 2);
    if (head != "/s" && head != "/S" && head != "-s" && head != "-S") return result;
    result.present = true;
    result.scriptFile = argument.substr(2);
    if (!result.scriptFile.empty() && result.scriptFile.front() == '=') result.scriptFile.erase(0, 1);
    return result;
}

MainCommands::MainCommands(Ui& ui)
    : state_(ui), files_(state_), view_(state_), keyboard_(state_), checksums_(state_), conversion_(state_),
      navigation_(state_), blocks_(state_), find_(state_), replace_(state_), numberTools_(state_),
      clipboard_(state_, blocks_), strings_(state_) {
    commands_ = {
        {"New1", [this] { files_.New1Click(); }},
        {"Open1", [this] { files_.Open1Click(); }},
        {"Reload1", [this] { files_.Reload1Click(); }},
        {"Save1", [this] { files_.Save1Click(); }},
        {"SaveAs1", [this] { files_.SaveAs1Click(); }},
        {"Close1", [this] { files_.Close1Click(); }},
        {"Exit1",
         [this] {
             if (requestClose) requestClose();
         }},
        {"Info1",
         [this] {
             if (showAbout) showAbout();
         }},
        {"ModusText1", [this] { view_.ModusText1Click(); }},
        {"ModusOverwrite1", [this] { keyboard_.ModusOverwrite1Click(); }},
        {"Contents1",
         [this] {
             if (showHelp) showHelp(0);
         }},
        {"QZBtnWhats",
         [this] {
             if (enterWhatsThis) enterWhatsThis();
         }},
        {"CalculateCRC321", [this] { checksums_.CalculateCRC321Click(); }},
        {"Hashes1", [this] { hashes_.Hashes1Click(); }},
        {"Charconversion1", [this] { conversion_.Charconversion1Click(); }},
        {"Options1", [this] { Options1Click(0); }},
        {"Goto1", [this] { navigation_.Goto1Click(); }},
        {"Jumpwidth1", [this] { navigation_.Jumpwidth1Click(); }},
        {"Jumpdown1", [this] { navigation_.Jumpdown1Click(); }},
        {"Jumpup1", [this] { navigation_.Jumpup1Click(); }},
        {"Rememberaddress1", [this] { navigation_.Rememberaddress1Click(); }},
        {"Gotoremembered1", [this] { navigation_.Gotoremembered1Click(); }},
        {"Displaydifference1", [this] { navigation_.Displaydifference1Click(); }},
        {"Add1", [this] { navigation_.Add1Click(); }},
        {"Remove1", [this] { navigation_.Remove1Click(); }},
        {"Removeall1", [this] { navigation_.Removeall1Click(); }},
        {"Savetofile1", [this] { navigation_.Savetofile1Click(); }},
        {"Loadfromfile1", [this] { navigation_.Loadfromfile1Click(); }},
        {"DataInspector1",
         [this] {
             const bool show = !state_.actions.Checked("DataInspector1");
             state_.actions.SetChecked("DataInspector1", show);
             if (showInspector) showInspector(show);
         }},
        {"Blockmark1", [this] { blocks_.Blockmark1Click(); }},
        {"Blocknchars1", [this] { blocks_.Blocknchars1Click(); }},
        {"Blockunmark1", [this] { blocks_.Blockunmark1Click(); }},
        {"Blockall1", [this] { blocks_.Blockall1Click(); }},
        {"Blockdelete1", [this] { blocks_.Blockdelete1Click(); }},
        {"Blockcopy1", [this] { blocks_.Blockcopy1Click(BlockCopyKind::Copy); }},
        {"Blockcopyovwr1", [this] { blocks_.Blockcopy1Click(BlockCopyKind::CopyOverwrite); }},
        {"Blockmove1", [this] { blocks_.Blockcopy1Click(BlockCopyKind::Move); }},
        {"Deletefromcursor1", [this] { blocks_.Deletefromcursor1Click(); }},
        {"Deletetocursor1", [this] { blocks_.Deletetocursor1Click(); }},
        {"Insertfile1", [this] { blocks_.Insertfile1Click(); }},
        {"Writeblock1", [this] { blocks_.Writeblock1Click(); }},
    };
    commands_["QZBtnNew"] = commands_["New1"];
    commands_["QZBtnOpen"] = commands_["Open1"];
    commands_["QZBtnSave"] = commands_["Save1"];
    commands_["QZBtnInfo"] = commands_["Info1"];
    commands_["QZBtnOptions"] = commands_["Options1"];
    commands_["Comparefiles1"] = [this] { compare_.Comparefiles1Click(); };
    commands_["QZBtnCompare"] = commands_["Comparefiles1"];
    commands_["Decode1"] = [this] { numberTools_.Decode1Click(); };
    commands_["Encode1"] = [this] { numberTools_.Encode1Click(); };
    commands_["Bitmanipulation1"] = [this] { numberTools_.Bitmanipulation1Click(); };
    for (int i = 1; i <= 9; ++i)
        commands_["Bookmark" + std::to_string(i)] = [this, i] { navigation_.BookmarkClick(i); };
    commands_["QZBtnDel"] = commands_["Blockdelete1"];
    commands_["Find1"] = [this] { find_.Find1Click(); };
    commands_["QZBtnFind"] = commands_["Find1"];
    commands_["Findagaindown1"] = [this] { find_.Findagaindown1Click(true); };
    commands_["Findagainup1"] = [this] { find_.Findagainup1Click(true); };
    commands_["Count1"] = [this] { find_.Count1Click(); };
    commands_["Replace1"] = [this] { replace_.Replace1Click(); };
    commands_["QZBtnReplace"] = commands_["Replace1"];
    commands_["Replaceagaindown1"] = [this] { replace_.Replaceagaindown1Click(true); };
    commands_["Replaceundo1"] = [this] { replace_.Replaceundo1Click(); };
    commands_["Patch1"] = [this] { replace_.Patch1Click(); };
    commands_["Cut1"] = [this] { clipboard_.Cut1Click(true); };
    commands_["QZBtnCut"] = commands_["Cut1"];
    commands_["Copy1"] = [this] { clipboard_.Cut1Click(false); };
    commands_["QZBtnCopy"] = commands_["Copy1"];
    commands_["Paste1"] = [this] { clipboard_.Paste1Click(); };
    commands_["QZBtnPaste"] = commands_["Paste1"];
    commands_["Copyhex1"] = [this] { clipboard_.Copyhex1Click(); };
    commands_["Pastefrombase641"] = [this] { clipboard_.Pastefrombase641Click(); };
    for (int i = 0; i < kCopyAsFormats; ++i)
        commands_["CopyAsFormat" + std::to_string(i)] = [this, i] {
            clipboard_.CopyAsClick(static_cast<CopyAsFormat>(i));
        };
    commands_["Pastefromhexstring1"] = [this] { clipboard_.Pastefromhexstring1Click(); };
    commands_["Insert1"] = [this] { strings_.Insert1Click(); };
    commands_["Overwritestring1"] = [this] { strings_.Overwritestring1Click(); };
    commands_["Editor1"] = [this] {
        if (showScript) showScript(false);
    };
    commands_["Executeactive1"] = [this] {
        // The shortcut reaches here also when the menu was last opened in another state.
        if (state_.doc.IsOpen && scriptHasLines && scriptHasLines() && showScript) showScript(true);
    };
    commands_["Undo1"] = [this] { undo_.Undo1Click(); };
    commands_["QZBtnUndo"] = commands_["Undo1"];
    commands_["Redo1"] = [this] { undo_.Redo1Click(); };
    commands_["QZBtnRedo"] = commands_["Redo1"];
    commands_["Print1"] = [this] {
        // Ctrl+P reaches here also after the Document became empty since the menu was opened.
        if (PrintAvailable() && showPrint) showPrint();
    };
    // A menu item or tool button is available exactly when the map holds its command.
    state_.actions.SetAvailable([this](const std::string& name) { return commands_.count(name) != 0; });
    state_.doc.CurrentDir = platform::FolderOf(platform::AbsolutePath("qhe32"));
    files_.Close1Click(); // the window starts without a Document
    navigation_.RebuildBookmarkMenu();
}

bool MainCommands::StartUp(const std::vector<std::string>& arguments) {
    if (!files_.AllocateDocument()) return false;
    if (!arguments.empty() && !arguments[0].empty())
        files_.OpenDocument(platform::FullPathName(arguments[0]), OpenSender::CommandLine, false);
    if (arguments.size() > 1) script_ = ParseScriptSwitch(arguments[1]);
    // "%0" is the argument after the file name, "%1".."%9" the ones after it.
    scriptParameters_.clear();
    for (size_t i = 1; i < arguments.size() && i <= 10; ++i)
        scriptParameters_.push_back(arguments[i]);
    return true;
}

bool MainCommands::Execute(const std::string& name) {
    auto it = commands_.find(name);
    if (it == commands_.end() || !state_.actions.Enabled(name)) return false;
    state_.journal.BreakTyping();
    // Undo and redo work on the journal itself; every other command's edits form one step.
    const bool isStep = name != "Undo1" && name != "Redo1" && name != "QZBtnUndo" && name != "QZBtnRedo";
    if (isStep) state_.editor.BeginStep(StepName(name));
    it->second();
    if (isStep) state_.editor.EndStep();
    return true;
}

void MainCommands::KeyDown(Key key, unsigned modifiers) {
    // Character keys arrive here too, before their KeyPress; only the pane's own keys move
    // the cursor or edit.
    if (key != Key::None && key != Key::Other && key != Key::Shift) state_.journal.BreakTyping();
    state_.editor.BeginStep(kTextDeleteStep);
    keyboard_.KeyDown(key, modifiers);
    state_.editor.EndStep();
}

void MainCommands::KeyPress(char32_t ch) {
    const ViewState& v = state_.view;
    state_.editor.BeginStep(kTextTypingStep, 1 + (v.TextMode ? 1 : 0) + (v.Overwrite ? 2 : 0));
    keyboard_.KeyPress(ch);
    state_.editor.EndStep();
}

void MainCommands::DrainPostedKeys(unsigned modifiers) {
    keyboard_.DrainPostedKeys(modifiers);
    state_.journal.MoveTypingEnd(state_.editor.Place());
}

GridLayout MainCommands::FormResize(const WindowMetrics& window, const CellMetrics& cells, int width,
                                    int height) {
    const GridSize grid = FitGridToWindow(window, cells, state_.view.HideAddressRange, width, height);
    return SetGridSize(window, cells, grid.cols, grid.rows);
}

GridLayout MainCommands::SetGridSize(const WindowMetrics& window, const CellMetrics& cells, int cols,
                                     int rows) {
    view_.SetGridSize(cols, rows);
    return LayoutOf(window, cells, state_.view.Cols, state_.view.Rows);
}

GridLayout MainCommands::LayoutOf(const WindowMetrics& window, const CellMetrics& cells, int cols,
                                  int rows) const {
    return LayoutFor(window, cells, {state_.view.HideAddressRange, state_.view.TextGridLeft}, cols, rows);
}

void MainCommands::Options1Click(int page) {
    SendToShortcut sendTo(state_.ui, ExecutablePath());
    const auto chosen = state_.ui.RunOptionsDialog(CurrentOptions(state_), page, sendTo);
    if (!chosen) return;
    const OptionsChange change = ApplyOptions(state_, *chosen);
    if (optionsApplied) optionsApplied(change);
}

bool MainCommands::InspectorLineEditable(int line, const std::string& text) const {
    if (!state_.doc.IsOpen || text.empty() || line < 0 || line >= 8) return false;
    return BuildInspectorLabels(state_.dataInsp).lineTypes[static_cast<size_t>(line)] <= 7;
}

void MainCommands::InspectorEdit(int line, const std::string& text) {
    if (!InspectorLineEditable(line, text)) return;
    const int code = BuildInspectorLabels(state_.dataInsp).lineTypes[static_cast<size_t>(line)];
    if (code == 7) {
        numberTools_.Bitmanipulation1Click();
        return;
    }
    state_.options.encodeAs = code;
    state_.options.encodeWhere = 1; // the value is written over the bytes it came from
    numberTools_.Encode1Click(text);
}

void MainCommands::MenuOpened(const std::string& menuName) {
    static const std::map<std::string, std::vector<std::string>> needBytes = {
        {"File1", {"Print1"}},
        {"Edit1", {"Deletefromcursor1", "Deletetocursor1"}},
        {"Address1", {"Rememberaddress1", "Gotoremembered1", "Displaydifference1"}},
        {"Tools1", {"Decode1", "Bitmanipulation1", "CalculateCRC321", "Hashes1", "Patch1"}},
        {"Bookmarks1", {"Add1"}},
    };
    // Bookmark captions show addresses in the active pane's base, which may have changed.
    if (menuName == "Bookmarks1") navigation_.RebuildBookmarkMenu();
    if (menuName == "Script1") UpdateScriptItems();
    auto it = needBytes.find(menuName);
    if (it != needBytes.end())
        state_.actions.EnableItems(it->second, state_.doc.IsOpen && state_.doc.Size() > 0);
}

DumpViewFacts MainCommands::PrintViewFacts() const {
    DumpViewFacts facts;
    facts.topAddress = state_.view.TopAddress;
    facts.lastVisible = state_.view.LastVisible;
    if (state_.block.Complete()) {
        facts.blockBegin = state_.block.begin;
        facts.blockEnd = state_.block.end;
    }
    return facts;
}

void MainCommands::UpdateScriptItems() {
    state_.actions.EnableItems({"Executeactive1"}, state_.doc.IsOpen && scriptHasLines && scriptHasLines());
}

void MainCommands::DropFiles(const std::vector<std::string>& names) {
    if (names.size() > 1) {
        state_.ui.ShowError(Msg(kMsgDropOneFile));
        return;
    }
    if (names.size() == 1) files_.OpenDocument(names[0], OpenSender::Drop, false);
}

void MainCommands::OpenRecent(const std::string& entryName) {
    const std::string file = state_.recent.Choose(entryName);
    if (file.empty()) return;
    state_.Changed(kChangedRecent);
    files_.OpenDocument(file, OpenSender::Recent, false);
}

std::string VersionText(const std::string& version) {
    // major.minor, then the release and the build numbers directly after it when they are not
    // 0 (2.5.1.0 gives 2.51); at most 8 characters.
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t dot; (dot = version.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(version.substr(start, dot - start));
    parts.push_back(version.substr(start));
    std::string text = parts[0] + (parts.size() > 1 ? "." + parts[1] : std::string());
    for (size_t i = 2; i < parts.size() && i < 4; ++i)
        if (!parts[i].empty() && parts[i] != "0") text += parts[i];
    return text.substr(0, 8);
}

std::string MainCommands::AboutCaption() const {
    return Msg(kMsgAboutCaption) + " qhe32 " + VersionText(QHE32_VERSION);
}

std::string MainCommands::AboutText() const {
    return Format(FirstTwoLines(Msg(kMsgAboutText)),
                  {state_.doc.Size(), static_cast<int64_t>(state_.doc.Capacity())});
}

} // namespace qhe
