#pragma once
#include <string>
#include <vector>

#include "editor/EditorState.h"
#include "editor/script/ScriptRun.h"

namespace qhe {

// The script window's text editor as the model sees it. Lines are UTF-8.
class ScriptEditorView {
  public:
    virtual ~ScriptEditorView() = default;
    virtual std::vector<std::string> Lines() const = 0;
    virtual void SetLines(const std::vector<std::string>& lines) = 0;
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // SelectScriptLine: selects the whole line index and focuses the editor.
    virtual void SelectLine(int index) = 0;
};

// What the window does after a run.
enum class ScriptWindowNext { Stay, Close, EndProgram };

// The script window without its widgets: the script file, the run flags, the two buttons,
// open and save of .qsc files (ANSI text, lines ended by CR LF) and the save question.
class ScriptWindowModel {
  public:
    ScriptWindowModel(EditorState& state, ScriptEditorView& editor) : s_(state), editor_(editor) {}

    std::string scriptFileName;          // empty: none
    bool autoRun = false;                // run when shown, close afterwards, no save question
    bool batchMode = false;              // named on the command line; never cleared
    std::vector<std::string> parameters; // %0..%9 of a command-line run
    // The program's exit status after a batch run in the window, as without a display: 1 the
    // script failed (nothing saved by it), 3 the final save failed, 2 the script could not be read.
    int batchStatus = 0;

    // Message 2121, then " - " and the file name without its folder.
    std::string Caption() const;
    // Save1 and QZBtnSave.
    bool SaveEnabled() const { return !scriptFileName.empty(); }
    // ButtonExecute: only with an open Document.
    bool ExecuteEnabled() const { return s_.doc.IsOpen; }

    // ButtonExecuteClick (and FormShow with autoRun). In batch mode a completed or cancelled
    // run saves a modified Document and ends the program.
    ScriptWindowNext Execute();
    // ButtonSyntaxClick.
    void Check();

    bool LoadScript(const std::string& name);
    bool SaveScript();
    bool SaveScriptAs();
    // True to go on (saved, or the user answered No).
    bool AskSaveScript();
    // Open1Click.
    void Open();
    // FormCloseQuery.
    bool CanClose() { return autoRun || AskSaveScript(); }

  private:
    // Shows a failed run: its line selected, then the message.
    void ShowFailure(const ScriptRunResult& result);

    EditorState& s_;
    ScriptEditorView& editor_;
};

// Reads a .qsc file as UTF-8 lines; false when it cannot be read. error (when given) gets the
// message for the user: message 2129, or for a file too large the text naming the limit.
bool ReadScriptFile(const std::string& name, std::vector<std::string>& lines, std::string* error = nullptr);

} // namespace qhe
