#include <QApplication>
#include <QFile>

#include <string>
#include <vector>

#include "gui/FormMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QHE32");
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    qhe::TFormMain window(arguments);
    window.show();
    return QApplication::exec();
}
