#include "editor/script/ScriptRun.h"

#include "editor/OwnTexts.h"
#include "editor/script/ScriptInterpreter.h"

namespace qhe {
namespace {

ScriptRunResult Pass(ScriptInterpreter& interpreter, const std::vector<std::string>& lines) {
    ScriptRunResult result;
    try {
        result.outcome = interpreter.RunScript(lines, result.lineIndex) ? ScriptOutcome::Completed
                                                                        : ScriptOutcome::Cancelled;
    } catch (const ScriptFailure& failure) {
        result.outcome = ScriptOutcome::Failed;
        result.error = failure.what();
    }
    return result;
}

} // namespace

ScriptRunResult CheckScript(EditorState& state, const std::vector<std::string>& lines) {
    if (lines.empty()) return {};
    ScriptProgress progress(state.ui);
    ScriptInterpreter interpreter(state, progress);
    interpreter.checkOnly = true;
    return Pass(interpreter, lines);
}

ScriptRunResult ExecuteScript(EditorState& state, const std::vector<std::string>& lines,
                              const ScriptRunOptions& options) {
    if (lines.empty() || !state.doc.IsOpen) return {};
    ScriptProgress progress(state.ui);
    ScriptInterpreter interpreter(state, progress);
    interpreter.batchMode = options.batchMode;
    interpreter.parameters = options.parameters;
    interpreter.checkOnly = interpreter.preCheck = true;
    const ScriptRunResult check = Pass(interpreter, lines);
    if (check.outcome != ScriptOutcome::Completed) return check;
    interpreter.checkOnly = interpreter.preCheck = false;
    // Nobody can undo a command-line run: its edits are not kept.
    if (options.batchMode) state.journal.SetLimit(0);
    // The whole run is one step, however many lines changed bytes.
    state.editor.BeginStep(kTextScriptStep);
    state.journal.RenameOpenStep(kTextScriptStep);
    const ScriptRunResult run = Pass(interpreter, lines);
    state.editor.EndStep();
    return run;
}

} // namespace qhe
