#pragma once
#include <gtest/gtest.h>

#include <string>

#include "FakeUi.h"
#include "OpenBytes.h"
#include "core/text/Messages.h"
#include "editor/MainCommands.h"

namespace qhe::test {

// A Document given as a markup string: every character is a byte except '_', which puts the
// cursor on the following byte, '{', which marks the first byte of the expected hit, and '}',
// which only closes it for the reader. Shown in a grid of 8 x 4.
class FindTest : public ::testing::Test {
  protected:
    struct Markup {
        std::string bytes;
        int64_t cursor = 1;
        int64_t expected = 0; // 0: no hit expected
    };

    static Markup Parse(const std::string& markup) {
        Markup m;
        for (char c : markup) {
            if (c == '_')
                m.cursor = static_cast<int64_t>(m.bytes.size()) + 1;
            else if (c == '{')
                m.expected = static_cast<int64_t>(m.bytes.size()) + 1;
            else if (c != '}')
                m.bytes += c;
        }
        return m;
    }

    void OpenBytes(const std::string& bytes, int64_t cursor = 1) {
        OpenBytesAs(commands, bytes, "find.bin");
        MoveCursor(cursor);
    }

    Markup Open(const std::string& markup) {
        const Markup m = Parse(markup);
        OpenBytes(m.bytes, m.cursor);
        return m;
    }

    void MoveCursor(int64_t position) { commands.View().ShowAddress(position, true, true); }
    int64_t Cursor() { return state().view.CursorPosition(); }
    EditorState& state() { return commands.State(); }

    // The search state after a confirmed find dialog with pattern and the current options.
    void SetPattern(const std::string& pattern) {
        state().search.findString = pattern;
        state().actions.EnableItems({"Findagaindown1", "Findagainup1"}, true);
    }

    // Answers the next find or count dialog with options and pattern.
    void AnswerDialog(const FindOptions& options, const std::string& pattern) {
        ui.findDialog = [this, options, pattern](const FindDialogRequest& request) {
            requests.push_back(request);
            return std::optional<FindDialogResult>(FindDialogResult{options, pattern});
        };
    }

    int NotFoundMessages() const { return ui.Count(Msg(2046)); }

    FakeUi ui;
    MainCommands commands{ui};
    std::vector<FindDialogRequest> requests;
};

} // namespace qhe::test
