#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/script/ScriptCommand.h"
#include "core/script/ScriptError.h"
#include "editor/EditorState.h"
#include "editor/script/ScriptProgress.h"

namespace qhe {

class ChangeBatch;

// Runs script lines against the open Document: a checking pass reads every line without
// touching anything, an executing pass drives the Document through the editor's commands.
class ScriptInterpreter {
  public:
    ScriptInterpreter(EditorState& state, ScriptProgress& progress) : s_(state), progress_(progress) {}

    bool checkOnly = false; // a checking pass
    bool preCheck = false;  // the checking pass that precedes an execution
    bool batchMode = false; // started from the command line: MSG lines are skipped
    // The run-time parameters %0..%9 (index 0 the script switch); missing ones are empty.
    std::vector<std::string> parameters;
    // The "Line n of m" text changes at most this often, so a long script is not slowed down
    // by the window system; the gauge follows each 1 %.
    std::chrono::milliseconds textInterval{30};
    // Bytes the system can still hand out, for replace all's memory check; tests inject a figure.
    std::function<uint64_t()> freeMemory;

    // One pass over lines. True when it completed (also by EXIT), false when cancelled
    // between lines. An error ends the pass with ScriptFailure, whose text is the message for
    // the user. lineIndex is the line the pass stopped at (lines.size() after the last one).
    // An executing pass ends with the cursor on the script address.
    bool RunScript(const std::vector<std::string>& lines, int& lineIndex);

    // The position the commands work at (1-based).
    int64_t ScriptAddress() const { return address_; }

  private:
    // False when the line ends the pass (EXIT).
    bool InterpretLine(const std::string& text);
    bool Execute(const ScriptCommand& c);
    void ReportLine(int q, int n);
    void RestoreBox();
    void MoveTo(int64_t address);
    void Delete(int64_t n);
    void Overwrite(const std::string& bytes);
    void Insert(const std::string& bytes);
    void Find(const std::string& bytes);
    void Replace(const ScriptCommand& c);
    void ReplaceAll(const ScriptCommand& c);
    void Verify(const ScriptCommand& c);
    void Bitwise(const ScriptCommand& c);
    void ConvertChars(const std::string& tableFile);
    void ShowMessage(const std::string& text);
    int64_t Size() const { return s_.doc.Size(); }

    EditorState& s_;
    ScriptProgress& progress_;
    int64_t address_ = 1;
    bool jokerOn_ = false;
    uint8_t jokerByte_ = 0;
    std::string caption_;
    std::chrono::steady_clock::time_point nextText_{};
    bool textDue_ = true;
    ChangeBatch* changes_ = nullptr; // set while an executing pass runs
};

} // namespace qhe
