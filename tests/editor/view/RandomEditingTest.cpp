#include <random>

#include "ViewTestFixture.h"

namespace qhe::test {
namespace {

// Random keys, typed characters, hex digits, mode and pane switches and resizes, applied to
// a small Document. After every step the cells must show exactly the Document's bytes and the
// cursor must sit on a byte inside the window.
class RandomEditingTest : public ViewTest {
  protected:
    // Checks the invariants of the view against the Document.
    void CheckView(const std::string& step) {
        const ViewState& s = state.view;
        const int64_t size = state.doc.Size();
        ASSERT_EQ((s.TopAddress - 1) % s.Cols, 0) << step;
        ASSERT_GE(s.TopAddress, 1) << step;
        ASSERT_EQ(s.LastVisible, std::min<int64_t>(size, s.TopAddress + s.VisibleCells - 1)) << step;
        if (size > 0) {
            ASSERT_GE(s.CursorPosition(), s.TopAddress) << step;
            ASSERT_LE(s.CursorPosition(), size) << step;
        }
        for (int row = 0; row < s.Rows; ++row) {
            for (int col = 0; col < s.Cols; ++col) {
                const int64_t p = s.PositionOf(col, row);
                const bool cursorCell = col == s.CursorCol && row == s.CursorRow;
                if (p > size) {
                    ASSERT_EQ(s.TextCell(col, row), "") << step << " text cell past the end " << p;
                    if (!cursorCell) {
                        ASSERT_EQ(s.HexCell(col, row), "") << step << " hex cell past the end " << p;
                    }
                    continue;
                }
                const uint8_t b = state.doc.GetByte(p);
                ASSERT_EQ(s.TextCell(col, row), view.TextOf(b)) << step << " text of " << p;
                // The hex cursor cell may hold a pending first digit.
                if (!(cursorCell && s.HexDigitPending())) {
                    ASSERT_EQ(s.HexCell(col, row), ViewCommands::HexText(b)) << step << " hex of " << p;
                }
            }
        }
    }
};

TEST_F(RandomEditingTest, ViewAlwaysShowsTheDocument) {
    static const char* const kKeys[] = {"Left", "Right",  "Up",    "Down",    "PgUp",   "PgDn",   "Home",
                                        "End",  "C-Home", "C-End", "C-PgUp",  "C-PgDn", "Del",    "BkSp",
                                        "Esc",  "Ins",    "Tab",   "S-Right", "S-Down", "S-Left", "Shift"};
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        Open(static_cast<int64_t>(rng() % 120), 8, 8);
        for (int step = 0; step < 400; ++step) {
            const int op = static_cast<int>(rng() % 10);
            std::string what;
            if (op < 6) {
                what = kKeys[rng() % (sizeof kKeys / sizeof kKeys[0])];
                Press(what);
            } else if (op < 9) {
                // A character in the text pane, a hex digit in the hex pane.
                const char ch =
                    v().TextMode ? static_cast<char>('a' + rng() % 26) : "0123456789ABCDEF"[rng() % 16];
                what = std::string("type ") + ch;
                Type(std::string(1, ch));
            } else {
                const int cols = 8 + static_cast<int>(rng() % 5), rows = 8 + static_cast<int>(rng() % 3);
                what = "grid " + std::to_string(cols) + "x" + std::to_string(rows);
                view.SetGridSize(cols, rows);
            }
            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step) + " " + what;
            ASSERT_NO_FATAL_FAILURE(CheckView(where));
            ASSERT_LE(state.doc.Size(), static_cast<int64_t>(state.doc.Capacity())) << where;
        }
    }
}

} // namespace
} // namespace qhe::test
