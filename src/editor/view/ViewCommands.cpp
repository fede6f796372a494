#include "editor/view/ViewCommands.h"

#include <vector>

#include <algorithm>
#include <array>

#include "core/text/Ansi.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/tools/UnreadPages.h"

namespace qhe {
namespace {

const std::array<std::string, 256>& HexTable() {
    static const std::array<std::string, 256> table = [] {
        static const char digits[] = "0123456789ABCDEF";
        std::array<std::string, 256> t;
        for (int b = 0; b < 256; ++b)
            t[b] = {digits[b >> 4], digits[b & 15]};
        return t;
    }();
    return table;
}

// The text pane's character of every byte as UTF-8, built once.
const std::array<std::string, 256>& PaneCharacters() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int b = 0; b < 256; ++b)
            AppendUtf8(t[b], AnsiToUnicode(static_cast<uint8_t>(b)));
        return t;
    }();
    return table;
}

// The hex digits of the highest address, at least 8: the address column's width.
int AddressDigitsFor(int64_t highest) {
    int digits = 8;
    while (digits < 16 && (static_cast<uint64_t>(highest) >> (4 * digits)) != 0)
        ++digits;
    return digits;
}

// "%8x": upper-case hex digits, right-aligned with blanks to 8 characters.
void FormatRowAddress(int64_t address, std::string& out) {
    static const char digits[] = "0123456789ABCDEF";
    char text[16];
    int n = 0;
    auto value = static_cast<uint64_t>(address);
    do {
        text[n++] = digits[value & 15];
        value >>= 4;
    } while (value != 0);
    out.assign(n < 8 ? static_cast<size_t>(8 - n) : 0, ' ');
    while (n > 0)
        out += text[--n];
}

} // namespace

const std::string& ViewCommands::HexText(uint8_t value) {
    return HexTable()[value];
}

const std::string& ViewCommands::TextOf(uint8_t value) const {
    static const std::string blank = " ";
    if (value < 32 && s_.view.BlankForCC) return blank;
    return PaneCharacters()[value];
}

void ViewCommands::ClampLastVisible() {
    ViewState& v = s_.view;
    v.LastVisible = std::min<int64_t>(SizeNow(), v.TopAddress + v.VisibleCells - 1);
}

void ViewCommands::ShowAddress(int64_t pos, bool moveCursor, bool keepIfVisible) {
    if (!s_.doc.IsOpen || !s_.doc.HasBuffer()) return;
    ViewState& v = s_.view;
    const int64_t size = SizeNow();
    pos = pos > 0 ? std::min(pos, size) : 1;
    if (v.LastVisible > size) v.LastVisible = size;
    if (!(keepIfVisible && v.TopAddress <= pos && pos <= v.LastVisible)) {
        // The end-aligned view starts on a row boundary, so it can begin after a position of
        // the last screenful; such a position gets its own row at the top instead.
        if (pos < EndAlignedTop()) {
            v.TopAddress = ((pos - 1) / v.Cols) * v.Cols + 1;
            ClampLastVisible();
        } else {
            ScrollToEnd();
        }
    }
    if (moveCursor) SetCursorCell(CellOfPosition(pos));
    // One refill of the whole window with the current end gives what a refill of all cells
    // followed by a refill from the cursor would.
    ClampLastVisible();
    FillCells(0, 0);
    UpdateStatus();
}

void ViewCommands::ShowPlace(int64_t top, int64_t cursor) {
    if (!s_.doc.IsOpen || !s_.doc.HasBuffer()) return;
    ViewState& v = s_.view;
    // The grid may have changed its width since: the top goes to its row's start.
    v.TopAddress =
        std::clamp<int64_t>(((top - 1) / v.Cols) * v.Cols + 1, 1, std::max<int64_t>(EndAlignedTop(), 1));
    ClampLastVisible();
    ShowAddress(cursor, true, true);
}

void ViewCommands::RefreshFromCursor() {
    ClampLastVisible();
    FillCells(s_.view.CursorCol, s_.view.CursorRow);
    UpdateStatus();
}

void ViewCommands::FillCells(int col, int row) {
    if (!s_.doc.IsOpen) return;
    ViewState& v = s_.view;
    v.AddressDigits = AddressDigitsFor(v.BaseAddress + std::max<int64_t>(s_.doc.Size(), 1) - 1);
    const auto& hexTable = HexTable();
    int64_t pos = v.TopAddress + static_cast<int64_t>(row) * v.Cols + col;
    // The bytes shown, from pos on: the Document's own, or (in pieces) a copy of them.
    const uint8_t* bytes = nullptr;
    std::vector<uint8_t> shown;
    if (s_.doc.Contiguous()) {
        bytes = s_.doc.Buffer() + pos - 1;
    } else if (pos <= v.LastVisible) {
        shown.resize(static_cast<size_t>(v.LastVisible - pos + 1));
        s_.doc.CopyOut(pos, v.LastVisible - pos + 1, shown.data());
        bytes = shown.data();
    }
    const int64_t firstPos = pos;
    for (; row < v.Rows; ++row, col = 0) {
        const int first = v.CellIndex(0, row);
        for (; col < v.Cols; ++col, ++pos) {
            std::string& hex = v.hexCells[first + col];
            std::string& text = v.textCells[first + col];
            if (pos > v.LastVisible) {
                hex.clear();
                text.clear();
            } else {
                const uint8_t b = bytes[pos - firstPos];
                hex = hexTable[b];
                text = TextOf(b);
            }
        }
        if (!v.HideAddressRange) WriteAddressCell(row);
    }
    s_.Changed(kChangedView);
    // Pages of a mapped file that could not be read show as zeros: said once per Document.
    if (!v.unreadPagesNoticed && s_.doc.ReadFaults() > 0) {
        v.unreadPagesNoticed = true;
        const UnreadPages unread(s_.doc);
        s_.ui.MessageBox(unread.Text(kTextUnreadView, unread.All()), MsgKind::Warning, mbOK, mrOk, 0, true);
    }
}

void ViewCommands::WriteAddressCell(int row) {
    ViewState& v = s_.view;
    std::string& cell = v.addressCells[row];
    if (v.HexCell(0, row).empty()) {
        cell.clear();
        return;
    }
    FormatRowAddress(v.BaseAddress + v.TopAddress + static_cast<int64_t>(row) * v.Cols - 1, cell);
}

int64_t ViewCommands::EndAlignedTop() const {
    const ViewState& v = s_.view;
    const int64_t size = SizeNow();
    if (v.VisibleCells >= size) return 1;
    if (size % v.Cols == 0) return size - v.VisibleCells + 1;
    return size + v.Cols - v.VisibleCells - (size % v.Cols) + 1;
}

void ViewCommands::ScrollToEnd() {
    s_.view.LastVisible = SizeNow();
    s_.view.TopAddress = EndAlignedTop();
}

void ViewCommands::GotoStart() {
    ClampLastVisible();
    ShowAddress(1, true, false);
    SetCursorCell(0, 0);
}

void ViewCommands::GotoEnd() {
    ScrollToEnd();
    ShowAddress(s_.view.LastVisible, true, false);
    SetCursorCell(CellOfPosition(s_.view.LastVisible));
}

void ViewCommands::ScrollRowDown() {
    ViewState& v = s_.view;
    v.TopAddress += v.Cols;
    ShowAddress(v.TopAddress, false, false);
    if (v.CursorPosition() > SizeNow())
        SetCursorColumn(
            static_cast<int>(SizeNow() - v.TopAddress - static_cast<int64_t>(v.CursorRow) * v.Cols));
    UpdateStatus();
}

void ViewCommands::ScrollRowUp() {
    ViewState& v = s_.view;
    v.TopAddress -= v.Cols;
    ShowAddress(v.TopAddress, false, false);
    UpdateStatus();
}

void ViewCommands::SetCursorCell(int col, int row) {
    ViewState& v = s_.view;
    if (col != v.CursorCol || row != v.CursorRow) RestorePendingDigit();
    v.CursorCol = col;
    v.CursorRow = row;
    UpdateStatus();
}

CellPos ViewCommands::CellOfPosition(int64_t pos) const {
    const ViewState& v = s_.view;
    if (pos <= v.TopAddress || pos > v.LastVisible) return {0, 0};
    const int64_t offset = pos - v.TopAddress;
    return {static_cast<int>(offset % v.Cols), static_cast<int>(offset / v.Cols)};
}

void ViewCommands::UpdateStatus() {
    ViewState& v = s_.view;
    s_.status[2] = Msg(v.Overwrite ? kMsgOverwriteMode : kMsgInsertMode);
    if (s_.doc.IsOpen && SizeNow() > 0) {
        const int64_t cursor = v.CursorPosition();
        const int64_t address = v.DisplayedAddress(cursor);
        s_.status[0] =
            v.TextMode ? FormatMsg(kMsgAddressDec, {address}) : FormatMsg(kMsgAddressHex, {address});
        s_.status[1] =
            cursor <= SizeNow() ? FormatMsg(kMsgByteValue, {s_.doc.GetByte(cursor)}) : std::string();
        v.scrollBar.SetParams(cursor, 1, SizeNow(), v.VisibleCells);
        v.addressRow = v.HideAddressRange ? v.addressRow : static_cast<int>((cursor - v.TopAddress) / v.Cols);
    } else {
        s_.status[0].clear();
        s_.status[1].clear();
        v.scrollBar.SetParams(0, 0, 0, 0);
        v.addressRow = 0;
    }
    s_.Changed(kChangedStatus);
}

void ViewCommands::RestorePendingDigit() {
    ViewState& v = s_.view;
    if (!v.HexDigitPending()) return;
    const int64_t cursor = v.CursorPosition();
    if (cursor >= 1 && cursor <= SizeNow())
        v.HexCell(v.CursorCol, v.CursorRow) = HexText(s_.doc.GetByte(cursor));
    else
        v.HexCell(v.CursorCol, v.CursorRow).clear();
    s_.Changed(kChangedView);
}

bool ViewCommands::SelectCell(int col, int row) {
    ViewState& v = s_.view;
    if (col < 0 || row < 0 || col >= v.Cols || row >= v.Rows) return false;
    if (v.TopAddress + static_cast<int64_t>(row) * v.Cols + col > SizeNow()) return false;
    SetCursorCell(col, row);
    return true;
}

void ViewCommands::ModusText1Click() {
    RestorePendingDigit();
    s_.view.TextMode = !s_.view.TextMode;
    s_.actions.SetChecked("ModusText1", s_.view.TextMode);
    s_.Changed(kChangedView);
    UpdateStatus();
}

void ViewCommands::FormMouseDown(Pane pane, int col, int row) {
    if (pane != s_.view.ActivePane()) ModusText1Click();
    SelectCell(col, row);
}

void ViewCommands::ScrollBar1Scroll(ScrollCode code, int64_t trackPosition) {
    ViewState& v = s_.view;
    if (!s_.doc.IsOpen || !v.scrollBar.Enabled) return;
    v.scrollBar.Position = v.scrollBar.Target(code, trackPosition);
    if (code != ScrollCode::EndScroll) {
        ShowHint(kTextScrolling);
        return;
    }
    ShowHint(std::string());
    const int64_t p = v.scrollBar.Position;
    if (p >= SizeNow() - v.VisibleCells + 1) {
        GotoEnd();
    } else if (p < v.Cols) {
        GotoStart();
    } else {
        ShowAddress(((p - 1) / v.Cols) * v.Cols + 1, true, false);
        UpdateStatus();
    }
}

void ViewCommands::SetGridSize(int cols, int rows) {
    ViewState& v = s_.view;
    const int64_t cursor = v.CursorPosition();
    v.SetDimensions(cols, rows);
    v.scrollBar.SmallChange = v.Cols;
    v.scrollBar.LargeChange = v.VisibleCells - v.Cols;
    ShowAddress(cursor, true, false);
    s_.Changed(kChangedView);
}

void ViewCommands::ClearView() {
    ViewState& v = s_.view;
    v.ClearCells();
    v.unreadPagesNoticed = false;
    v.TopAddress = 1;
    v.LastVisible = 0;
    v.CursorCol = v.CursorRow = 0;
    v.scrollBar.Enabled = false;
    UpdateStatus();
    s_.Changed(kChangedView);
}

void ViewCommands::ShowStart() {
    ViewState& v = s_.view;
    v.unreadPagesNoticed = false;
    v.TopAddress = 1;
    v.LastVisible = 0;
    v.scrollBar.Enabled = true;
    ShowAddress(1, true, false);
    SetCursorCell(0, 0);
}

} // namespace qhe
