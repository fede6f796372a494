#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

// The GUI tests need one QApplication for the whole run. Without a display (CI, and the test
// listing that runs during the build) they use the offscreen platform.
int main(int argc, char** argv) {
    const bool hasDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!hasDisplay && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
