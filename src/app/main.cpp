#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/HeadlessRun.h"
#include "core/print/DumpOutput.h"
#include "editor/compare/CompareFiles.h"
#include "editor/tools/HashFiles.h"
#include "editor/file/FileCommands.h"
#include "editor/script/CommandLine.h"
#include "gui/FormMain.h"
#include "gui/LanguageQt.h"
#include "platform/Paths.h"

namespace {

// Without one of these a script runs as a batch tool and no Qt platform is needed.
bool DisplayAvailable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    // First of all: a batch run answers a signal with its own status from its first instant.
    qhe::InstallStopHandlers();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const qhe::CommandLine line = qhe::ParseCommandLine(arguments);
    // Every other kind of run keeps the signals' default actions.
    if (line.action != qhe::CommandLineAction::Run || !line.script.present || DisplayAvailable())
        qhe::RestoreStopHandlers();
    const qhe::UiLanguage language = qhe::LanguageOfThisRun();
    qhe::LoadProgramTexts(language);
    switch (line.action) {
    case qhe::CommandLineAction::Help:
        std::fputs(qhe::UsageText().c_str(), stdout);
        return 0;
    case qhe::CommandLineAction::Version:
        std::fputs(qhe::VersionLine().c_str(), stdout);
        return 0;
    case qhe::CommandLineAction::UsageError:
        std::fprintf(stderr, "qhe32: %s\nTry 'qhe32 --help'.\n", line.error.c_str());
        return 2;
    case qhe::CommandLineAction::Dump: {
        std::string error;
        const int code = qhe::DumpFileToDescriptor(line.fileName, line.dump, 1, error);
        if (code == 0) return 0;
        if (error.empty()) error = qhe::FileErrorMessage(qhe::kErrOpen, code, line.fileName);
        std::fprintf(stderr, "qhe32: %s\n", error.c_str());
        return 2;
    }
    case qhe::CommandLineAction::Compare: {
        std::string message;
        const int status = qhe::CompareFilesToDescriptor(line, 1, message);
        if (!message.empty()) std::fprintf(stderr, "qhe32: %s\n", message.c_str());
        return status;
    }
    case qhe::CommandLineAction::Hash: {
        std::string errors;
        const int status = qhe::HashFilesToDescriptor(line, 1, errors);
        std::fputs(errors.c_str(), stderr);
        return status;
    }
    case qhe::CommandLineAction::Run:
        break;
    }
    if (!DisplayAvailable()) {
        if (line.script.present) return qhe::RunScriptWithoutDisplay(line);
        // Qt aborts when it cannot reach a display; say so plainly instead (an explicit
        // QT_QPA_PLATFORM, such as offscreen, still starts the window).
        if (!std::getenv("QT_QPA_PLATFORM")) {
            std::fprintf(stderr, "qhe32: no display (DISPLAY and WAYLAND_DISPLAY are not set)\n");
            return 2;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("QHE32");
    // The installed desktop entry's id lets window managers and docks match the window to the
    // menu entry; the icon is embedded so a program run from its build folder shows it too.
    QGuiApplication::setDesktopFileName(qhe::kDesktopId);
    QIcon icon(":/app/icon-48.png");
    icon.addFile(":/app/icon-256.png");
    QApplication::setWindowIcon(icon);
    qhe::InstallApplicationTexts(language);
    qhe::TFormMain window(line.arguments);
    window.show();
    const int status = QApplication::exec();
    return status != 0 ? status : window.ExitStatus();
}
