#include "gui/Icons.h"

#include <QAction>
#include <QImage>

#include <gtest/gtest.h>

#include "editor/menu/MenuModel.h"
#include "gui/FormMain.h"

namespace qhe {
namespace {

QImage Glyph(const QIcon& icon) {
    return icon.pixmap(18, 18).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool HasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) return true;
    return false;
}

// Each tool button shows its own drawing: drawn (so the resources and the SVG renderer
// were found), and no two buttons alike (Paste once looked exactly like Find).
TEST(ToolButtonIcons, EveryButtonHasItsOwnVisibleGlyph) {
    std::vector<QImage> seen;
    for (const MenuEntry& button : ToolButtons()) {
        SCOPED_TRACE(button.name);
        const QIcon icon = ToolButtonIcon(button.name);
        ASSERT_FALSE(icon.isNull());
        const QImage glyph = Glyph(icon);
        EXPECT_TRUE(HasInk(glyph));
        for (const QImage& other : seen)
            EXPECT_NE(glyph, other);
        seen.push_back(glyph);
    }
    EXPECT_TRUE(ToolButtonIcon("NoSuchButton").isNull());
}

TEST(ToolButtonIcons, TheMainWindowsToolBarUsesTheSet) {
    TFormMain window({});
    for (const MenuEntry& button : ToolButtons()) {
        SCOPED_TRACE(button.name);
        QAction* action = window.Action(button.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(Glyph(action->icon()), Glyph(ToolButtonIcon(button.name)));
    }
}

} // namespace
} // namespace qhe
