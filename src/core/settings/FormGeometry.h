#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhe {

// The screen a window is shown on: size in pixels and pixels per inch.
struct ScreenInfo {
    int width = 0;
    int height = 0;
    int ppi = 0;
};

// The screen recorded in section "display" when geometry was saved.
struct DisplaySettings {
    int resx = 0;
    int resy = 0;
    int ppi = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

// Saved geometry applies only when it was saved on a screen of the same size and density.
bool DisplayMatches(const DisplaySettings& saved, const ScreenInfo& screen);

// Shifts windows that are centred on the screen during one program run so they do not cover
// each other exactly. Starts at (0, 0).
class CascadeOffset {
  public:
    // The offset to use now; afterwards it grows by width div 50 and height div 50, each taken
    // modulo the screen's width and height.
    Point Take(const ScreenInfo& screen);

  private:
    Point offset_;
};

// A window of the given size centred on the screen, shifted by offset.
Rect CenterOnScreen(int width, int height, const Rect& screen, Point offset = {});

// Column widths joined by "," as stored under a grid's name.
std::string FormatColumnWidths(const std::vector<int>& widths);

// Applies a stored list to the current widths, in column order: columns beyond the list take
// its last entry; an entry that is not a number (an empty value too) stops there, leaving that
// column and the rest unchanged.
std::vector<int> ApplyColumnWidths(std::string_view stored, std::vector<int> widths);

// Where a dialog of the given size goes: centred over the active window (a negative x or y is
// replaced by the active window's left or top) when that fits on the screen, else centred on
// the screen; centred on the screen too when there is no active window.
Rect CenterOnActiveForm(const std::optional<Rect>& active, int width, int height, const Rect& screen);

} // namespace qhe
