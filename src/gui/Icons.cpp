#include "gui/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <map>

// Resources of a static library must be registered by hand; the macro may not stand in a namespace.
static void RegisterIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace qhe {
namespace {

// Resource file of each tool button's drawing.
const std::map<std::string, QString>& IconFiles() {
    static const std::map<std::string, QString> files = {
        {"QZBtnNew", "new"},
        {"QZBtnOpen", "open"},
        {"QZBtnSave", "save"},
        {"QZBtnDel", "delete"},
        {"QZBtnCut", "cut"},
        {"QZBtnCopy", "copy"},
        {"QZBtnPaste", "paste"},
        {"QZBtnUndo", "undo"},
        {"QZBtnRedo", "redo"},
        {"QZBtnFind", "find"},
        {"QZBtnReplace", "replace"},
        {"QZBtnCompare", "compare"},
        {"QZBtnOptions", "options"},
        {"QZBtnInfo", "info"},
        {"QZBtnWhats", "whats"},
        // The print preview's buttons.
        {"QZBtnFirst", "first"},
        {"QZBtnPrevious", "previous"},
        {"QZBtnNext", "next"},
        {"QZBtnLast", "last"},
        {"QZBtnZoom", "zoom"},
        {"QZBtnPrint1", "print1"},
        {"QZBtnPrintAll", "printall"},
        {"QZBtnExit", "exit"},
        {"QZBtnHelp", "help"},
    };
    return files;
}

// Rendered here rather than through the SVG icon plug-in, so the icons do not depend on
// which image plug-ins the Qt installation finds at run time.
QIcon RenderIcon(const QString& file) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (int size : {16, 18, 20, 24, 32, 36, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ToolButtonIcon(const std::string& buttonName) {
    static const bool registered = (RegisterIconResources(), true);
    (void)registered;
    auto it = IconFiles().find(buttonName);
    return it == IconFiles().end() ? QIcon() : RenderIcon(":/icons/" + it->second + ".svg");
}

} // namespace qhe
