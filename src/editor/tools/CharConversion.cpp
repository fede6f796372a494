#include "editor/tools/CharConversion.h"

#include <algorithm>

#include "core/text/Format.h"
#include "core/text/HexDigit.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/SideFileTexts.h"
#include "editor/view/ViewCommands.h"
#include "platform/Paths.h"

namespace qhe {
namespace {

FileDialogRequest TableDialog(int titleId) {
    FileDialogRequest request;
    request.title = Msg(titleId);
    request.filters = {"*.qct"};
    request.defaultExt = "qct";
    request.initialDir = SideFileFolder();
    return request;
}

} // namespace

CharTableDialogModel::CharTableDialogModel(EditorState& state) : s_(state) {
    FillFromTable();
}

std::string CharTableDialogModel::Caption() const {
    const std::string& file = s_.options.convTable;
    return file.empty() ? Msg(kMsgTableCaption) : file + " - " + Msg(kMsgTableCaption);
}

void CharTableDialogModel::FillFromTable() {
    for (int b = 0; b < 256; ++b) {
        const uint8_t entry = s_.charTable[static_cast<size_t>(b)];
        targets[static_cast<size_t>(b)] = entry == b ? std::string() : Format("%2.2x", {entry});
    }
}

void CharTableDialogModel::GridToTable() {
    for (int b = 0; b < 256; ++b) {
        const std::string cell = NormalizeCell(targets[static_cast<size_t>(b)]);
        s_.charTable[static_cast<size_t>(b)] =
            cell.empty() ? static_cast<uint8_t>(b)
                         : static_cast<uint8_t>(HexDigitValue(cell[0]) * 16 + HexDigitValue(cell[1]));
    }
}

bool CharTableDialogModel::AskDiscard() {
    if (!tableModified) return true;
    const int answer = s_.ui.AskYesNoCancel(Msg(kMsgAskSaveTable));
    if (answer == mrYes) return Save();
    return answer == mrNo;
}

void CharTableDialogModel::Clear() {
    if (!AskDiscard()) return;
    ResetCharTable(s_.charTable);
    FillFromTable();
    tableModified = false;
}

bool CharTableDialogModel::Save() {
    GridToTable();
    const auto chosen = s_.ui.ChooseSaveFile(TableDialog(kMsgSaveTableTitle));
    if (!chosen) return false;
    if (const int code = WriteCharTableFile(s_.charTable, *chosen); code != 0) {
        s_.options.convTable.clear();
        s_.ui.ShowError(SideFileMessage(code, *chosen, FormatMsg(kMsgWriteFailed, {FileNameOnly(*chosen)})));
        return false;
    }
    s_.options.convTable = *chosen;
    tableModified = false;
    return true;
}

void CharTableDialogModel::Load() {
    if (!AskDiscard()) return;
    const auto chosen = s_.ui.ChooseOpenFile(TableDialog(kMsgLoadTableTitle));
    if (!chosen) return;
    const std::string& file = chosen->fileName;
    if (const int code = ReadCharTableFile(s_.charTable, file); code != 0) {
        // The grid keeps what it showed; the program's table is identity again.
        s_.options.convTable.clear();
        ResetCharTable(s_.charTable);
        s_.ui.ShowError(SideFileMessage(code, file, FormatMsg(kMsgReadFailed, {FileNameOnly(file)})));
        return;
    }
    s_.options.convTable = chosen->fileName;
    FillFromTable();
    tableModified = false;
}

std::string CharTableDialogModel::NormalizeCell(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (HexDigitValue(c) >= 0) digits += static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
    if (digits.empty()) return {};
    if (digits.size() == 1) digits.insert(digits.begin(), '0');
    return digits.substr(0, 2);
}

bool CharTableDialogModel::AcceptsKey(const std::string& text, bool allSelected, char32_t ch) {
    const bool hexDigit = ch < 128 && HexDigitValue(static_cast<char>(ch)) >= 0;
    if (!hexDigit) return false;
    return text.size() < 2 || allSelected;
}

int64_t ConversionCommands::Convert(int64_t start, bool& completed) {
    Document& doc = s_.doc;
    const std::unique_ptr<Progress> progress =
        s_.ui.CreateProgress(true, true, Msg(kMsgPosition), Msg(kMsgReplacingCaption));
    CharConversionResult result;
    s_.editor.Rewrite(
        start, std::max<int64_t>(doc.Size() - start + 1, 0),
        [&](uint8_t* buffer) {
            // Only the chunks that changed count for a save in place.
            result = ConvertWithCharTable(s_.charTable, buffer, doc.Size(), start, progress.get(),
                                          [&doc](int64_t pos, int64_t n) { doc.WritableAt(pos, n); });
            return result.changed;
        },
        ReplaceUndoRule::Keep, true);
    completed = result.completed;
    ViewCommands(s_).RefreshFromCursor();
    s_.Changed(kChangedView | kChangedStatus);
    return result.changed;
}

void ConversionCommands::Charconversion1Click() {
    if (!s_.doc.IsOpen) return;
    CharTableDialogModel model(s_);
    if (!s_.ui.RunCharTableDialog(model)) return;
    const int64_t start = model.fromCursor ? s_.view.CursorPosition() : 1;
    bool completed = true;
    const int64_t changed = s_.doc.Size() > 0 ? Convert(start, completed) : 0;
    s_.ui.ShowInfo(FormatMsg(kMsgReplacedCount, {changed}));
}

void ConversionCommands::LoadTableAtStart() {
    ResetCharTable(s_.charTable);
    const std::string file = s_.options.convTable;
    if (file.empty()) return;
    const int code = ReadCharTableFile(s_.charTable, file);
    if (code == 0) return;
    s_.ui.ShowError(SideFileMessage(code, file, FormatMsg(kMsgReadFailed, {FileNameOnly(file)})));
    s_.options.convTable.clear();
    ResetCharTable(s_.charTable);
}

} // namespace qhe
