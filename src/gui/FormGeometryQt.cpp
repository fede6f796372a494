#include "gui/FormGeometryQt.h"

#include <climits>

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

#include <vector>

#include "core/settings/IniFile.h"
#include "core/settings/Settings.h"

namespace qhe {

namespace {

constexpr int kStateNormal = 0;
constexpr int kStateMinimized = 1;
constexpr int kStateMaximized = 2;

QScreen* ScreenOf(const QWidget* form) {
    QScreen* screen = form ? form->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

Rect ToRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::string SectionFor(const QWidget* form, const QString& sectionName) {
    if (!sectionName.isEmpty()) return sectionName.toStdString();
    if (!form->objectName().isEmpty()) return form->objectName().toStdString();
    return form->metaObject()->className();
}

bool IsResizable(const QWidget* form) {
    return form->minimumSize() != form->maximumSize();
}

// The column headers whose widths are kept: those of tables and tree (list) views.
std::vector<QHeaderView*> ColumnHeaders(QWidget* form, std::vector<std::string>& names) {
    std::vector<QHeaderView*> headers;
    for (QTableView* table : form->findChildren<QTableView*>()) {
        if (table->objectName().isEmpty()) continue;
        headers.push_back(table->horizontalHeader());
        names.push_back(table->objectName().toStdString());
    }
    for (QTreeView* tree : form->findChildren<QTreeView*>()) {
        if (tree->objectName().isEmpty()) continue;
        headers.push_back(tree->header());
        names.push_back(tree->objectName().toStdString());
    }
    return headers;
}

std::vector<int> SectionWidths(const QHeaderView* header) {
    std::vector<int> widths;
    for (int column = 0; column < header->count(); ++column)
        widths.push_back(header->sectionSize(column));
    return widths;
}

// The window's frame rectangle in its normal state (also while maximized or minimized).
QRect NormalFrameRect(const QWidget* form) {
    if (form->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        QRect normal = form->normalGeometry();
        if (normal.isValid()) {
            QPoint frameOffset = form->geometry().topLeft() - form->pos();
            return QRect(normal.topLeft() - frameOffset, normal.size());
        }
    }
    return QRect(form->pos(), form->size());
}

int StateNumber(const QWidget* form) {
    if (form->isMinimized()) return kStateMinimized;
    if (form->isMaximized()) return kStateMaximized;
    return kStateNormal;
}

void CenterWithCascade(QWidget* form) {
    // One offset for the whole program run, so windows centred one after another do not
    // cover each other exactly.
    static CascadeOffset cascade;
    QScreen* screen = ScreenOf(form);
    Point offset = cascade.Take(ScreenInfoOf(form));
    Rect placed = CenterOnScreen(form->width(), form->height(), ToRect(screen->geometry()), offset);
    form->move(placed.left, placed.top);
}

bool IsOnSomeScreen(const QRect& frame) {
    return QGuiApplication::screenAt(frame.center()) != nullptr;
}

} // namespace

ScreenInfo ScreenInfoOf(const QWidget* form) {
    QScreen* screen = ScreenOf(form);
    if (!screen) return {};
    return {screen->geometry().width(), screen->geometry().height(), qRound(screen->logicalDotsPerInch())};
}

void SaveFormGeometry(QWidget* form, const QString& sectionName, const std::string& fileName) {
    if (!form) return;
    TQZIniFile ini(fileName);
    const ScreenInfo screen = ScreenInfoOf(form);
    ini.WriteInteger(kDisplaySection, "resx", screen.width);
    ini.WriteInteger(kDisplaySection, "resy", screen.height);
    ini.WriteInteger(kDisplaySection, "ppi", screen.ppi);

    const std::string section = SectionFor(form, sectionName);
    const QRect frame = NormalFrameRect(form);
    ini.WriteInteger(section, "Top", frame.y());
    ini.WriteInteger(section, "Left", frame.x());
    ini.WriteInteger(section, "WindowState", StateNumber(form));
    if (IsResizable(form)) {
        ini.WriteInteger(section, "Width", frame.width());
        ini.WriteInteger(section, "Height", frame.height());
    }
    std::vector<std::string> names;
    std::vector<QHeaderView*> headers = ColumnHeaders(form, names);
    for (size_t i = 0; i < headers.size(); ++i) {
        if (headers[i]->count() > 0)
            ini.WriteString(section, names[i], FormatColumnWidths(SectionWidths(headers[i])));
    }
    ini.UpdateFile();
}

void SaveAllFormGeometry(const std::string& fileName) {
    for (QWidget* form : QApplication::topLevelWidgets()) {
        if (!form->objectName().isEmpty()) SaveFormGeometry(form, {}, fileName);
    }
}

void RestoreFormGeometry(QWidget* form, const QString& sectionName, const std::string& fileName) {
    if (!form) return;
    TQZIniFile ini(fileName);
    const DisplaySettings saved{ini.ReadInteger(kDisplaySection, "resx", 0),
                                ini.ReadInteger(kDisplaySection, "resy", 0),
                                ini.ReadInteger(kDisplaySection, "ppi", 0)};
    const std::string section = SectionFor(form, sectionName);
    QRect frame(form->pos(), form->size());
    if (IsResizable(form)) {
        frame.setWidth(ini.ReadInteger(section, "Width", frame.width()));
        frame.setHeight(ini.ReadInteger(section, "Height", frame.height()));
    }
    // A form never saved has no place of its own (the display section may come from another
    // form): it is centred, not put where an unshown widget stands (0, 0); its columns may
    // still have been saved.
    constexpr int kNone = INT_MIN;
    const int left = ini.ReadInteger(section, "Left", kNone), top = ini.ReadInteger(section, "Top", kNone);
    const bool placed = left != kNone && top != kNone;
    frame.moveTo(placed ? left : 0, placed ? top : 0);

    if (!DisplayMatches(saved, ScreenInfoOf(form)) || (placed && !IsOnSomeScreen(frame))) {
        form->setWindowState(Qt::WindowNoState);
        CenterWithCascade(form);
        return;
    }
    // Bounds before state, so a maximized window still returns to its saved normal size.
    form->setWindowState(Qt::WindowNoState);
    form->resize(frame.size());
    if (!placed) {
        CenterWithCascade(form);
    } else {
        form->move(frame.topLeft());
        switch (ini.ReadInteger(section, "WindowState", kStateNormal)) {
        case kStateMinimized:
            form->setWindowState(Qt::WindowMinimized);
            break;
        case kStateMaximized:
            form->setWindowState(Qt::WindowMaximized);
            break;
        default:
            break;
        }
    }

    std::vector<std::string> names;
    std::vector<QHeaderView*> headers = ColumnHeaders(form, names);
    for (size_t i = 0; i < headers.size(); ++i) {
        std::string stored = ini.ReadString(section, names[i], "");
        std::vector<int> widths = ApplyColumnWidths(stored, SectionWidths(headers[i]));
        for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
            if (widths[column] != headers[i]->sectionSize(column))
                headers[i]->resizeSection(column, widths[column]);
        }
    }
}

void CenterOnActiveForm(QWidget* form) {
    if (!form) return;
    QWidget* active = QApplication::activeWindow();
    std::optional<Rect> activeRect;
    if (active && active != form && active->isVisible()) activeRect = ToRect(active->frameGeometry());
    QScreen* screen = active && activeRect ? ScreenOf(active) : ScreenOf(form);
    if (!screen) return;
    const QSize size = form->isVisible() ? form->frameGeometry().size() : form->size();
    Rect placed = CenterOnActiveForm(activeRect, size.width(), size.height(), ToRect(screen->geometry()));
    form->move(placed.left, placed.top);
}

} // namespace qhe
