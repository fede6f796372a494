#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/FormMain.h"

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool DisplayAvailable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "qhe32: no display (DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("QHE32");
    // The program speaks Chinese; Qt's own dialogs (file dialogs) follow when the translation is installed.
    QTranslator qtTexts;
    if (qtTexts.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    qhe::TFormMain window(arguments);
    window.show();
    return QApplication::exec();
}
