#include "editor/script/ScriptWindowModel.h"

#include "core/settings/IniText.h"
#include "core/text/Ansi.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/SideFileTexts.h"
#include "editor/file/FileCommands.h"
#include "platform/ErrorCodes.h"
#include "platform/Paths.h"
#include "platform/SafeFileWrite.h"
#include "platform/SmallFile.h"

namespace qhe {
namespace {

FileDialogRequest ScriptDialog(int titleId, const std::string& folder) {
    FileDialogRequest request;
    request.title = Msg(titleId);
    request.filters = {"*.qsc"};
    request.initialDir = folder;
    request.defaultExt = "qsc";
    return request;
}

} // namespace

bool ReadScriptFile(const std::string& name, std::vector<std::string>& lines, std::string* error) {
    const std::string failed = FormatMsg(kMsgScriptReadError, {FileNameOnly(name)});
    if (error) *error = failed; // also when reading throws
    // Through the side-file reader: a folder, pipe or huge file is refused, never read.
    std::string data;
    if (const int code = platform::ReadSmallFile(name, platform::kSideFileMaxBytes, data); code != 0) {
        // Too large a file says what the limit is; the rest stay "cannot read".
        if (error && code == kSideFileTooLarge) *error = Format(kTextSideFileTooLarge, {FileNameOnly(name)});
        return false;
    }
    // CR LF, LF and a lone CR (old Mac files) each end a line, as in the settings files.
    lines.clear();
    for (std::string_view line : SplitLines(data))
        lines.push_back(AnsiToUtf8(line));
    return true;
}

std::string ScriptWindowModel::Caption() const {
    if (scriptFileName.empty()) return Msg(kMsgWindowCaption);
    return Msg(kMsgWindowCaption) + " - " + FileNameOnly(scriptFileName);
}

void ScriptWindowModel::ShowFailure(const ScriptRunResult& result) {
    editor_.SelectLine(result.lineIndex);
    s_.ui.ShowError(result.error);
}

ScriptWindowNext ScriptWindowModel::Execute() {
    const std::vector<std::string> lines = editor_.Lines();
    if (lines.empty()) return ScriptWindowNext::Stay;
    ScriptRunOptions options;
    options.batchMode = batchMode;
    options.parameters = parameters;
    const ScriptRunResult result = ExecuteScript(s_, lines, options);
    if (result.outcome == ScriptOutcome::NotRun) return ScriptWindowNext::Stay;
    if (result.outcome == ScriptOutcome::Failed) {
        if (batchMode) batchStatus = 1;
        ShowFailure(result);
        return ScriptWindowNext::Stay;
    }
    if (batchMode) {
        batchStatus = 0;
        if (s_.doc.Modified && !FileCommands(s_).SaveUnattended()) batchStatus = 3;
        return ScriptWindowNext::EndProgram;
    }
    if (autoRun) return ScriptWindowNext::Close;
    if (result.outcome == ScriptOutcome::Completed) s_.ui.ShowInfo(Msg(kMsgSucceeded));
    return ScriptWindowNext::Stay;
}

void ScriptWindowModel::Check() {
    const std::vector<std::string> lines = editor_.Lines();
    if (lines.empty()) return;
    const ScriptRunResult result = CheckScript(s_, lines);
    if (result.outcome == ScriptOutcome::Failed)
        ShowFailure(result);
    else if (result.outcome == ScriptOutcome::Completed)
        s_.ui.MessageBox(Msg(kMsgSyntaxPassed), MsgKind::Custom, mbOK, mrOk, 0, false);
}

bool ScriptWindowModel::LoadScript(const std::string& name) {
    std::vector<std::string> lines;
    std::string error;
    if (!ReadScriptFile(name, lines, &error)) {
        scriptFileName.clear();
        s_.ui.ShowError(error);
        return false;
    }
    editor_.SetLines(lines);
    editor_.SetModified(false);
    scriptFileName = name;
    return true;
}

bool ScriptWindowModel::SaveScript() {
    std::string data;
    for (const std::string& line : editor_.Lines())
        data += Utf8ToAnsi(line) + "\r\n";
    if (WriteFileSafely(scriptFileName, data) != 0) {
        s_.ui.ShowError(FormatMsg(kMsgWriteFailed, {FileNameOnly(scriptFileName)}));
        return false;
    }
    editor_.SetModified(false);
    return true;
}

bool ScriptWindowModel::SaveScriptAs() {
    const auto chosen = s_.ui.ChooseSaveFile(ScriptDialog(kMsgSaveScriptTitle, s_.doc.CurrentDir));
    if (!chosen) return false;
    scriptFileName = *chosen;
    SaveScript();
    return true;
}

bool ScriptWindowModel::AskSaveScript() {
    if (!editor_.Modified()) return true;
    const std::string question = scriptFileName.empty()
                                     ? Msg(kMsgAskSaveScript)
                                     : FormatMsg(kMsgAskSaveNamed, {FileNameOnly(scriptFileName)});
    const int answer = s_.ui.AskYesNoCancel(question);
    if (answer == mrNo) return true;
    if (answer != mrYes) return false;
    if (scriptFileName.empty())
        SaveScriptAs();
    else
        SaveScript();
    return !editor_.Modified();
}

void ScriptWindowModel::Open() {
    if (!AskSaveScript()) return;
    const auto chosen = s_.ui.ChooseOpenFile(ScriptDialog(kMsgLoadScriptTitle, SideFileFolder()));
    if (chosen) LoadScript(chosen->fileName);
}

} // namespace qhe
