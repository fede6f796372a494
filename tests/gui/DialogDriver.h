#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>

// Runs the event loop until cond holds (at most 5 s) and fails the gtest test otherwise; Qt's
// QTRY_* macros would only return from the test on a timeout, which gtest counts as a pass.
#define WAIT_UNTIL(cond) ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(cond); }, 30000)) << #cond

namespace qhe::test {

// Acts on the next modal window as soon as it is shown: polls from the event loop that the
// modal window's exec() runs, so a test can answer a dialog the code under test opens.
inline void WhenModalShows(std::function<void(QWidget*)> action, int attempts = 500) {
    QTimer::singleShot(5, [action = std::move(action), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            action(modal);
        } else if (attempts > 0) {
            WhenModalShows(std::move(action), attempts - 1);
        }
    });
}

// Sends a key to the widget that has the focus in window (the window itself when none has).
inline void PressKey(QWidget* window, Qt::Key key) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

// Answers the next modal window with one key press.
inline void PressKeyOnNextModal(Qt::Key key) {
    WhenModalShows([key](QWidget* window) { PressKey(window, key); });
}

} // namespace qhe::test
