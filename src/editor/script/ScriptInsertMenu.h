#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qhe {

// One item of the script window's insert-command menu; submenu is empty for top-level items.
struct ScriptMenuItem {
    const char* name;
    const char* caption;
    const char* submenu;
};

// The submenus (name, caption) and the items in menu order.
const std::vector<std::pair<const char*, const char*>>& ScriptInsertSubmenus();
const std::vector<ScriptMenuItem>& ScriptInsertItems();

// The command template of a caption: without its first "&" and cut before " (".
std::string CommandTemplate(std::string_view caption);

// Where an inserted command goes: before the caret's line when that line holds text, in place
// of it when it is blank, after the last line when the caret is below it. selectFrom and
// selectLength (characters within the line) cover the template's arguments.
struct CommandInsertion {
    enum class Kind { InsertBefore, ReplaceLine, Append };
    Kind kind = Kind::Append;
    int line = 0; // the line holding the text after the edit
    std::string text;
    int selectFrom = 0;
    int selectLength = 0; // 0 when the template has no arguments
};

// Plans the insertion of caption's template at caretLine of lines (the selection is already
// deleted).
CommandInsertion PlanCommandInsertion(const std::vector<std::string>& lines, int caretLine,
                                      std::string_view caption);
// Applies a plan to lines.
void ApplyCommandInsertion(std::vector<std::string>& lines, const CommandInsertion& insertion);

// SelectScriptLine's arithmetic: the caret position and selection length (in characters) that
// select line index of lines, each line ended by lineBreak characters; nothing when index is not
// a line.
std::optional<std::pair<int, int>> ScriptLineSelection(const std::vector<std::string>& lines, int index,
                                                       int lineBreak);

// The characters (code points) of UTF-8 text.
int CharacterCount(std::string_view utf8);

} // namespace qhe
