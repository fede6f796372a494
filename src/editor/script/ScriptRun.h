#pragma once
#include <string>
#include <vector>

#include "editor/EditorState.h"

namespace qhe {

// How a script run ended.
enum class ScriptOutcome {
    NotRun,    // no lines, or no open Document to execute on
    Completed, // every line done, or EXIT
    Cancelled, // Cancel pressed between lines
    Failed     // a line's error ended the run; error holds the message
};

struct ScriptRunResult {
    ScriptOutcome outcome = ScriptOutcome::NotRun;
    int lineIndex = 0; // the line the run stopped at (0-based); select it after an error
    std::string error; // the text to show in an error box
};

// What every front end passes to a run.
struct ScriptRunOptions {
    bool batchMode = false;              // a command-line run: MSG lines are skipped
    std::vector<std::string> parameters; // %0 (the script switch) .. %9
};

// The check button: one checking pass under a progress box. The Document is not touched and
// need not be open.
ScriptRunResult CheckScript(EditorState& state, const std::vector<std::string>& lines);

// The execute button, Ctrl+F9 and the command line: a checking pass and, when it completed,
// the executing pass, under one progress box. The cursor ends on the script address.
ScriptRunResult ExecuteScript(EditorState& state, const std::vector<std::string>& lines,
                              const ScriptRunOptions& options = {});

} // namespace qhe
