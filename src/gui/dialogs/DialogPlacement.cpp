#include "gui/dialogs/DialogPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/settings/FormGeometry.h"

namespace qhe {

QPoint CenteredPosition(const std::optional<QRect>& active, const QSize& size, const QRect& screen) {
    auto toRect = [](const QRect& r) { return Rect{r.left(), r.top(), r.width(), r.height()}; };
    std::optional<Rect> activeRect;
    if (active) activeRect = toRect(*active);
    const Rect placed = CenterOnActiveForm(activeRect, size.width(), size.height(), toRect(screen));
    return {placed.left, placed.top};
}

QWidget* ActiveOrFirstVisibleWindow(const QWidget* except) {
    QWidget* active = QApplication::activeWindow();
    if (active && active != except) return active;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != except && widget->isVisible() && widget->windowType() != Qt::ToolTip &&
            widget->windowType() != Qt::Popup)
            return widget;
    }
    return nullptr;
}

void CenterOverActiveWindow(QWidget* window) {
    QWidget* active = QApplication::activeWindow();
    if (active == window) active = nullptr;
    QScreen* screen = active && active->screen() ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window sized by its layout gets its size only when shown; take that size now, as
    // showing would, so it is centred with the size it will have.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    std::optional<QRect> activeFrame;
    if (active) activeFrame = active->frameGeometry();
    window->move(CenteredPosition(activeFrame, window->size(), screen->availableGeometry()));
}

} // namespace qhe
