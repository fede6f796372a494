#include "core/settings/FormGeometry.h"

#include <algorithm>

#include "core/settings/IniText.h"

namespace qhe {

bool DisplayMatches(const DisplaySettings& saved, const ScreenInfo& screen) {
    return saved.resx == screen.width && saved.resy == screen.height && saved.ppi == screen.ppi;
}

Point CascadeOffset::Take(const ScreenInfo& screen) {
    Point now = offset_;
    if (screen.width > 0) offset_.x = (offset_.x + screen.width / 50) % screen.width;
    if (screen.height > 0) offset_.y = (offset_.y + screen.height / 50) % screen.height;
    return now;
}

Rect CenterOnScreen(int width, int height, const Rect& screen, Point offset) {
    return {screen.left + (screen.width - width) / 2 + offset.x,
            screen.top + (screen.height - height) / 2 + offset.y, width, height};
}

std::string FormatColumnWidths(const std::vector<int>& widths) {
    std::string text;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(widths[i]);
    }
    return text;
}

std::vector<int> ApplyColumnWidths(std::string_view stored, std::vector<int> widths) {
    std::vector<std::string_view> entries;
    size_t start = 0;
    while (true) {
        size_t comma = stored.find(',', start);
        entries.push_back(
            stored.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    for (size_t column = 0; column < widths.size(); ++column) {
        std::string_view entry = entries[std::min(column, entries.size() - 1)];
        auto width = ParseIniInteger(entry);
        if (!width) break;
        widths[column] = *width;
    }
    return widths;
}

Rect CenterOnActiveForm(const std::optional<Rect>& active, int width, int height, const Rect& screen) {
    if (active) {
        int x = active->left + active->width / 2 - width / 2;
        int y = active->top + active->height / 2 - height / 2;
        if (x < 0) x = active->left;
        if (y < 0) y = active->top;
        Rect placed{x, y, width, height};
        bool fits = placed.left >= screen.left && placed.top >= screen.top &&
                    placed.Right() <= screen.Right() && placed.Bottom() <= screen.Bottom();
        if (fits) return placed;
    }
    return CenterOnScreen(width, height, screen);
}

} // namespace qhe
