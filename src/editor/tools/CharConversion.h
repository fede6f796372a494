#pragma once
#include <array>
#include <string>

#include "core/tools/CharTable.h"
#include "editor/EditorState.h"

namespace qhe {

// The character conversion dialog without its widgets: the target column of the grid, the
// "modified" flag, the scope choice and the table's file, with the buttons' actions.
class CharTableDialogModel {
  public:
    explicit CharTableDialogModel(EditorState& state);

    // Column 3 of the grid: the entry for byte b as two hex digits, "" when it is b itself.
    std::array<std::string, 256> targets;
    bool tableModified = false;
    bool fromCursor = false; // RadioGroupScope: "光标" (true) or "开始"

    // "<file> - 字符转换表", or the catalogue text alone without a table file.
    std::string Caption() const;
    // Fills the target column from the program's table.
    void FillFromTable();
    // Takes the target column over into the program's table.
    void GridToTable();
    // Before the grid's edits are dropped: asks whether to save them. False stops the caller.
    bool AskDiscard();
    // ButtonClear, ButtonSave, ButtonLoad.
    void Clear();
    bool Save();
    void Load();

    // A target cell as it is kept after editing: "" or two upper-case hex digits ("A" -> "0A").
    static std::string NormalizeCell(const std::string& text);
    // Whether a typed character may enter a target cell holding text (allSelected: the editor
    // has all of it selected, so the character replaces it).
    static bool AcceptsKey(const std::string& text, bool allSelected, char32_t ch);

  private:
    EditorState& s_;
};

// The conversion command and the table at start-up.
class ConversionCommands {
  public:
    explicit ConversionCommands(EditorState& state) : s_(state) {}

    // "字符转换(&H)...": the dialog, then the conversion from the cursor or the start.
    void Charconversion1Click();
    // Converts positions start..Size through the program's table with a progress box; answers
    // the bytes changed. After a cancel (completed false) the bytes converted so far stay.
    int64_t Convert(int64_t start, bool& completed);
    // Loads the table named in the settings; on failure message 2005, identity table, name dropped.
    void LoadTableAtStart();

  private:
    EditorState& s_;
};

} // namespace qhe
