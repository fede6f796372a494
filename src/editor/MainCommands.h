#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editor/EditorState.h"
#include "editor/blocks/BlockCommands.h"
#include "editor/blocks/MouseMarking.h"
#include "editor/compare/CompareCommands.h"
#include "editor/clipboard/ClipboardCommands.h"
#include "editor/clipboard/StringCommands.h"
#include "editor/edit/UndoCommands.h"
#include "editor/file/FileCommands.h"
#include "editor/navigation/NavigationCommands.h"
#include "editor/print/DumpFileCommand.h"
#include "editor/search/FindCommands.h"
#include "editor/search/ReplaceCommands.h"
#include "editor/settings/OptionsModel.h"
#include "editor/tools/CharConversion.h"
#include "editor/tools/ChecksumCommands.h"
#include "editor/tools/HashCommands.h"
#include "editor/tools/NumberTools.h"
#include "editor/view/GridGeometry.h"
#include "editor/view/KeyboardEditing.h"
#include "editor/view/ViewCommands.h"

namespace qhe {

// The script switch of the command line: "/s", "/S", "-s" or "-S", then an optional "=" and
// the script's file name.
struct ScriptSwitch {
    bool present = false;
    std::string scriptFile;
};
ScriptSwitch ParseScriptSwitch(const std::string& argument);

// The version shown by the about box: "1.2", with release and build appended when set ("2.51").
std::string VersionText(const std::string& version);

// The main window's behaviour without widgets: start-up, close, the command table by
// component name, file drops and the about text. One facade over the command groups.
class MainCommands {
  public:
    explicit MainCommands(Ui& ui);

    EditorState& State() { return state_; }
    FileCommands& Files() { return files_; }
    ViewCommands& View() { return view_; }
    KeyboardEditing& Keyboard() { return keyboard_; }
    BlockCommands& Blocks() { return blocks_; }
    FindCommands& Find() { return find_; }
    ReplaceCommands& Replace() { return replace_; }
    ClipboardCommands& Clipboard() { return clipboard_; }

    // Keys and characters of the active data pane. After each key event the window calls
    // DrainPostedKeys with the modifiers held then, which runs the cursor advance of a typed byte.
    // Typed bytes of one pane and mode form one undo step until the cursor is moved otherwise.
    void KeyDown(Key key, unsigned modifiers);
    void KeyUp(Key key, unsigned modifiers) { keyboard_.KeyUp(key, modifiers); }
    void KeyPress(char32_t ch);
    void DrainPostedKeys(unsigned modifiers);
    // A press on a cell of a data pane.
    void MouseDown(Pane pane, int col, int row, bool shift = false) {
        state_.journal.BreakTyping();
        mouse_.Press(pane, col, row, shift);
    }
    // The mouse moved with the button down, was released, or double-clicked a cell.
    void MouseDrag(int col, int row) { mouse_.Drag(col, row); }
    void MouseUp() { mouse_.Release(); }
    void MouseDoubleClick(int col, int row) { mouse_.DoubleClick(col, row); }
    // An action of the vertical scroll bar; trackPosition is the thumb's position.
    void ScrollBarAction(ScrollCode code, int64_t trackPosition) {
        view_.ScrollBar1Scroll(code, trackPosition);
    }
    // The window was resized to width x height pixels: the grid snaps to whole cells (at
    // least 8 x 8). Answers the window size the window must take.
    GridLayout FormResize(const WindowMetrics& window, const CellMetrics& cells, int width, int height);
    // Lays out a grid of cols x rows and shows the cursor's position in it.
    GridLayout SetGridSize(const WindowMetrics& window, const CellMetrics& cells, int cols, int rows);
    // The layout of such a grid, without making it.
    GridLayout LayoutOf(const WindowMetrics& window, const CellMetrics& cells, int cols, int rows) const;

    // First activation: allocates the Document and opens the file named by the first
    // argument (made absolute). Answers false when the program must end (no memory).
    bool StartUp(const std::vector<std::string>& arguments);
    const ScriptSwitch& Script() const { return script_; }

    // The command-line arguments from the script switch on: the script's parameters %0..%9.
    const std::vector<std::string>& ScriptParameters() const { return scriptParameters_; }

    // Runs the command of the menu item or tool button name; false for an unknown or
    // disabled one.
    bool Execute(const std::string& name);

    // The window may close exactly when the save question allows it.
    bool CloseQuery() { return files_.AskSaveChanges(); }
    // The window closes: the Document's memory is released.
    void Close() { files_.ReleaseDocument(); }
    // After Close: offers to empty a large clipboard this program owns.
    void ClipboardCheckAtExit() { clipboard_.ClipboardCheckAtExit(); }
    // The system clipboard changed (the window's clipboard watch).
    void ClipboardChanged() { clipboard_.ClipboardChanged(); }

    // A top menu is about to open: its items are enabled as the Document allows.
    void MenuOpened(const std::string& menuName);

    // Files dropped on the window: exactly one is opened.
    void DropFiles(const std::vector<std::string>& names);
    // Opens recent-files entry "__MRU_<i>".
    void OpenRecent(const std::string& entryName);

    // The about box: its caption and the two lines of Document size and capacity.
    std::string AboutCaption() const;
    std::string AboutText() const;

    // Asks the window to close (Exit); set by the window.
    std::function<void()> requestClose;
    // Shows the about box; set by the window.
    std::function<void()> showAbout;
    // Shows the help page of a context number (0 = contents); set by the window.
    std::function<void(int)> showHelp;
    // Puts the window into "What's this" mode; set by the window.
    std::function<void()> enterWhatsThis;
    // The script window, set by the window: whether its editor holds at least one line, and
    // showing it (autoRun: it runs the script at once and closes afterwards).
    std::function<bool()> scriptHasLines;
    std::function<void(bool autoRun)> showScript;
    // Executeactive1 (Ctrl+F9) is enabled only with an open Document and a script to run.
    void UpdateScriptItems();
    // Print1 (Ctrl+P): the print dialog, shown by the window; offered only for a non-empty Document.
    std::function<void()> showPrint;
    bool PrintAvailable() const { return state_.doc.IsOpen && state_.doc.Size() > 0; }
    // Print1 follows the Document's size, also for its shortcut between menu openings.
    void UpdatePrintItem() { state_.actions.EnableItems({"Print1"}, PrintAvailable()); }
    // Where the view and the block stand, for the current page and selection ranges.
    DumpViewFacts PrintViewFacts() const;
    // The print dialog's output to a text file; true when the dialog may close.
    bool OutputDump(const PrintRequest& request) {
        return OutputDumpToFile(state_.ui, state_.doc, PrintViewFacts(), request);
    }
    // Shows (true) or destroys (false) the data inspector; set by the window.
    std::function<void(bool)> showInspector;
    // The options dialog's OK changed what only the window can redo; set by the window.
    std::function<void(const OptionsChange&)> optionsApplied;

    // The compare command and what its windows ask of the editor.
    CompareCommands& Compare() { return compare_; }

    // "选项(&O)...": the options dialog on page, its values taken on OK.
    void Options1Click(int page);
    // The data inspector's "编辑(&E)..." on line (0-based) showing text: the bit editor for the
    // binary line, the encode dialog pre-filled for a number line, nothing for the others.
    void InspectorEdit(int line, const std::string& text);
    // Whether that line can be edited.
    bool InspectorLineEditable(int line, const std::string& text) const;

  private:
    EditorState state_;
    FileCommands files_;
    ViewCommands view_;
    KeyboardEditing keyboard_;
    ChecksumCommands checksums_;
    HashCommands hashes_{state_};
    ConversionCommands conversion_;
    NavigationCommands navigation_;
    BlockCommands blocks_;
    FindCommands find_;
    ReplaceCommands replace_;
    NumberToolCommands numberTools_;
    ClipboardCommands clipboard_;
    StringCommands strings_;
    UndoCommands undo_{state_};
    CompareCommands compare_{state_};
    MouseMarking mouse_{state_, view_};
    ScriptSwitch script_;
    std::vector<std::string> scriptParameters_;
    std::map<std::string, std::function<void()>> commands_;
};

} // namespace qhe
