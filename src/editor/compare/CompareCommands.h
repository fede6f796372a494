#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/EditorState.h"
#include "editor/compare/CompareSession.h"

namespace qhe {

// The compare command of the main window and what a compare window asks of the editor.
class CompareCommands {
  public:
    explicit CompareCommands(EditorState& s) : s_(s) {}

    // "比较文件(&F)...": with an open Document the user picks file B to compare it with (its
    // unsaved bytes when modified); without one, picks A and then B. The session goes to show.
    void Comparefiles1Click();
    // The options of new sessions (the window's resync switch), kept in the settings.
    CompareOptions Options() const;
    void SetResync(bool on);
    // The equal bytes that end a difference in resync mode (kMinResyncRun .. kMaxResyncRun).
    void SetResyncRun(int run);
    // The same two sides compared again with the current options (null after an error shown).
    std::shared_ptr<CompareSession> Again(const CompareSession& session);
    // "Goto in editor": the main window's cursor to the 0-based offset of A, when A is the
    // open Document; answers false otherwise.
    bool GotoInEditor(const CompareSession& session, int64_t offsetA);
    // Saves the session's list of ranges to a text file the user picks.
    void SaveList(const CompareSession& session);
    // Go To: the offset of A typed as text, or nothing after telling the user what is wrong.
    std::optional<int64_t> ReadOffset(const CompareSession& session, const std::string& text);
    // Why what the session shows is out of date, or "" while it is not: A is the open Document
    // and its bytes changed since (edits), or a file compared changed on disk.
    std::string StaleNote(const CompareSession& session) const;

    // Shows a compare window over a session; set by the window.
    std::function<void(std::shared_ptr<CompareSession>)> show;

  private:
    std::shared_ptr<CompareSession> Open(const std::string& a, const std::string& b, bool fromDocument);

    EditorState& s_;
};

} // namespace qhe
