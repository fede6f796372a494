#include "editor/script/BatchRun.h"

#include <exception>
#include <ostream>
#include <string>
#include <vector>

#include "core/settings/SettingsFileName.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/HeadlessUi.h"
#include "editor/OwnTexts.h"
#include "editor/script/ScriptRun.h"
#include "editor/script/ScriptWindowModel.h"
#include "editor/settings/SettingsStore.h"
#include "platform/Paths.h"

namespace qhe {
namespace {
constexpr const char* kEraseLine = "\r\x1b[K";

// The one-line status of a run on a terminal: caption and percentage, rewritten in place.
class StatusLine {
  public:
    explicit StatusLine(BatchEnvironment& env) : env_(env) {}
    ~StatusLine() { Clear(); }

    void Show(const std::string& caption, int percent) {
        env_.err << kEraseLine << caption << " " << percent << "%";
        env_.err.flush();
        shown_ = true;
    }
    void Clear() {
        if (!shown_) return;
        env_.err << kEraseLine;
        env_.err.flush();
        shown_ = false;
    }

  private:
    BatchEnvironment& env_;
    bool shown_ = false;
};

HeadlessHooks HooksFor(BatchEnvironment& env, StatusLine& status) {
    HeadlessHooks hooks;
    hooks.stopRequested = env.stopRequested;
    hooks.plainMessages = true;
    if (env.progressLine) {
        hooks.showProgress = [&status](const std::string& caption, int percent) {
            status.Show(caption, percent);
        };
        hooks.clearProgress = [&status] { status.Clear(); };
    }
    return hooks;
}

// ReadScriptFile, also when the stream throws (a folder named as the script does).
bool ReadScript(const std::string& name, std::vector<std::string>& lines, std::string& error) {
    try {
        return ReadScriptFile(name, lines, &error);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

int BatchExitStatus(BatchOutcome outcome) {
    switch (outcome) {
    case BatchOutcome::Completed:
        return 0;
    case BatchOutcome::Failed:
        return 1;
    case BatchOutcome::Unreadable:
        return 2;
    case BatchOutcome::SaveFailed:
        return 3;
    case BatchOutcome::Stopped:
        break;
    }
    return 130; // as SIGINT; the caller knows the signal that stopped the run
}

BatchOutcome RunBatchScript(const CommandLine& line, BatchEnvironment& env) {
    const auto stopped = [&env] { return env.stopRequested && env.stopRequested(); };
    StatusLine status(env);
    HeadlessUi ui(env.err, HooksFor(env, status));

    // "-s SCRIPT" is a switch without a name followed by a parameter: say how to write it.
    if (line.script.scriptFile.empty()) {
        env.err << "qhe32: the script switch " << line.arguments[1] << " names no script (write "
                << line.arguments[1].substr(0, 2) << "=SCRIPT)\n";
        return BatchOutcome::Unreadable;
    }
    // An empty file name opens nothing; the run would end without a word.
    if (line.arguments.empty() || line.arguments[0].empty()) {
        env.err << "qhe32: the file name is empty; a script needs a file to work on\n";
        return BatchOutcome::Unreadable;
    }
    std::vector<std::string> lines;
    std::string error;
    if (!ReadScript(line.script.scriptFile, lines, error)) {
        env.err << error << '\n';
        return BatchOutcome::Unreadable;
    }

    if (stopped()) return BatchOutcome::Stopped;
    // The main window's start-up: settings read, then the file opened as a command-line file.
    MainCommands commands(ui);
    EditorState& state = commands.State();
    ReadSettingsInto(state, SettingsFileName(), ScreenInfo{}, ProgramFolder());
    if (!commands.StartUp(line.arguments) || !state.doc.IsOpen)
        return stopped() ? BatchOutcome::Stopped : BatchOutcome::Unreadable;

    ScriptRunOptions options;
    options.batchMode = true;
    options.parameters = line.parameters;
    const ScriptRunResult result = ExecuteScript(state, lines, options);
    status.Clear();
    if (stopped() || result.outcome == ScriptOutcome::Cancelled) return BatchOutcome::Stopped;
    if (result.outcome == ScriptOutcome::Failed) {
        // The message box's text as it is: line breaks and padding kept.
        env.err << result.error << '\n';
        return BatchOutcome::Failed;
    }
    if (!state.doc.Modified) return BatchOutcome::Completed;
    if (stopped()) return BatchOutcome::Stopped;
    // Saved as Save does (a large file's changed pages in place); another program's change to
    // the file, before or during the save, is never overwritten.
    if (commands.Files().SaveUnattended()) return BatchOutcome::Completed;
    return stopped() ? BatchOutcome::Stopped : BatchOutcome::SaveFailed;
}

} // namespace qhe
