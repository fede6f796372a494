#include "editor/settings/OptionsModel.h"

#include <algorithm>

#include "core/text/Language.h"
#include "editor/view/ViewCommands.h"

namespace qhe {
namespace {

bool SameInspector(const DataInspSettings& a, const DataInspSettings& b) {
    return a.shortInt == b.shortInt && a.byteInt == b.byteInt && a.word == b.word &&
           a.intValue == b.intValue && a.longInt == b.longInt && a.single == b.single &&
           a.doubleFloat == b.doubleFloat && a.bin == b.bin && a.blockSize == b.blockSize;
}

} // namespace

const std::vector<NamedColor>& BlockColors() {
    // The system's info colours first (black on pale yellow), then the sixteen standard colours.
    static const std::vector<NamedColor> colors = {
        {"clInfoText", 0x000000}, {"clInfoBk", 0xE1FFFF}, {"clBlack", 0x000000},  {"clMaroon", 0x000080},
        {"clGreen", 0x008000},    {"clOlive", 0x008080},  {"clNavy", 0x800000},   {"clPurple", 0x800080},
        {"clTeal", 0x808000},     {"clGray", 0x808080},   {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},     {"clYellow", 0x00FFFF}, {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},     {"clWhite", 0xFFFFFF}};
    return colors;
}

int BlockColorIndex(int value) {
    const auto& colors = BlockColors();
    // clBlack rather than clInfoText for black: the named standard colour.
    for (size_t i = 2; i < colors.size(); ++i)
        if (colors[i].value == value) return static_cast<int>(i);
    if (value == colors[1].value) return 1;
    return -1;
}

OptionsValues CurrentOptions(const EditorState& state) {
    const OptionsSettings& o = state.options;
    OptionsValues v;
    v.baseAddress = state.view.BaseAddress;
    v.oldFileTime = o.oldFileTime;
    v.mru = state.recent.FileCount();
    v.newEOF = o.newEOF;
    v.undoLimitMB = o.undoLimitMB;
    v.mapFromMB = o.mapFromMB;
    v.language = o.language;
    v.font = o.font;
    v.fontSize = o.fontSize;
    v.rows = state.view.Rows;
    v.cols = state.view.Cols;
    v.colorBlock = o.colorBlock;
    v.hideToolBar = state.view.HideToolBar;
    v.hideAddressRange = state.view.HideAddressRange;
    v.textGridLeft = state.view.TextGridLeft;
    v.showGrids = state.view.ShowGrids;
    v.blankForCC = state.view.BlankForCC;
    v.byteOrder = o.byteOrder;
    v.dataInsp = state.dataInsp;
    return v;
}

void RestoreDefaults(OptionsValues& v) {
    v.fontSize = 8;
    v.cols = 17;
    v.rows = 19;
    v.mru = 5;
    v.font = "Courier New";
    v.hideToolBar = false;
    v.hideAddressRange = false;
    v.textGridLeft = false;
    v.showGrids = true;
    v.blankForCC = false;
    v.colorBlock = 0x0000FF;
}

OptionsChange ApplyOptions(EditorState& state, const OptionsValues& chosen) {
    OptionsChange change;
    OptionsSettings& o = state.options;
    ViewState& view = state.view;
    change.grid = chosen.font != o.font || chosen.fontSize != o.fontSize || chosen.cols != view.Cols ||
                  chosen.rows != view.Rows || chosen.hideAddressRange != view.HideAddressRange ||
                  chosen.textGridLeft != view.TextGridLeft || chosen.showGrids != view.ShowGrids;
    change.toolBar = chosen.hideToolBar != view.HideToolBar;
    change.inspectorLabels = !SameInspector(chosen.dataInsp, state.dataInsp);
    o.font = chosen.font;
    o.fontSize = chosen.fontSize;
    o.cols = chosen.cols;
    o.rows = chosen.rows;
    view.BlankForCC = o.blankForCC = chosen.blankForCC;
    view.HideAddressRange = o.hideAddressRange = chosen.hideAddressRange;
    view.HideToolBar = o.hideToolBar = chosen.hideToolBar;
    o.newEOF = chosen.newEOF;
    o.undoLimitMB = std::clamp(chosen.undoLimitMB, 0, 4096);
    state.journal.SetLimit(int64_t{o.undoLimitMB} << 20);
    o.mapFromMB = std::clamp(chosen.mapFromMB, 1, kDefaultMapFromMB);
    o.language = NormalLanguageSetting(chosen.language);
    state.editor.UpdateUndoItems();
    view.TextGridLeft = o.textGridLeft = chosen.textGridLeft;
    view.ShowGrids = o.showGrids = chosen.showGrids;
    o.colorBlock = chosen.colorBlock;
    o.mru = std::clamp(chosen.mru, 1, 9);
    state.recent.SetFileCount(o.mru);
    o.oldFileTime = chosen.oldFileTime;
    o.byteOrder = chosen.byteOrder;
    view.BaseAddress = o.baseAddress = chosen.baseAddress == 1 ? 1 : 0;
    state.dataInsp = chosen.dataInsp;
    // Every cell and the status take the new display settings.
    ViewCommands refresh(state);
    refresh.FillCells(0, 0);
    refresh.UpdateStatus();
    state.Changed(kChangedView | kChangedStatus | kChangedRecent);
    return change;
}

} // namespace qhe
