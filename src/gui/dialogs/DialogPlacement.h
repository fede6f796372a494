#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace qhe {

// Top-left corner for a window of size centred over the active window: a negative x (y) moves
// to the active window's left (top) edge; when there is no active window or the result would
// leave the screen, the window is centred on the screen instead.
QPoint CenteredPosition(const std::optional<QRect>& active, const QSize& size, const QRect& screen);

// Moves window (not yet shown) to the centred position over QApplication's active window.
void CenterOverActiveWindow(QWidget* window);

// The active window, or else the first visible top-level window; nullptr when there is none.
QWidget* ActiveOrFirstVisibleWindow(const QWidget* except = nullptr);

} // namespace qhe
