#include <QApplication>
#include <QDir>
#include <QFile>

#include <unistd.h>

#include <gtest/gtest.h>

// The Qt tests need one QApplication for the whole run (offscreen platform under CI).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows under test keep their settings in a file of the test run, not beside the program.
    QString ownSettings;
    if (qEnvironmentVariableIsEmpty("QHE32_INI")) {
        ownSettings = QDir::temp().filePath(QString("qhe32-gui-test-%1.ini").arg(getpid()));
        qputenv("QHE32_INI", ownSettings.toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (!ownSettings.isEmpty()) QFile::remove(ownSettings);
    return result;
}
