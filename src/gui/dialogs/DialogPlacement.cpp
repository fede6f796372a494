#include "gui/dialogs/DialogPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qhe {

QPoint CenteredPosition(const std::optional<QRect>& active, const QSize& size, const QRect& screen) {
    if (active) {
        int x = active->left() + active->width() / 2 - size.width() / 2;
        int y = active->top() + active->height() / 2 - size.height() / 2;
        if (x < 0) x = active->left();
        if (y < 0) y = active->top();
        if (screen.contains(QRect(QPoint(x, y), size))) return {x, y};
    }
    return {screen.left() + (screen.width() - size.width()) / 2,
            screen.top() + (screen.height() - size.height()) / 2};
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
    std::optional<QRect> activeFrame;
    if (active) activeFrame = active->frameGeometry();
    window->move(CenteredPosition(activeFrame, window->size(), screen->availableGeometry()));
}

} // namespace qhe
