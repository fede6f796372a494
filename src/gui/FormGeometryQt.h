#pragma once
#include <QString>

#include <string>

#include "core/settings/FormGeometry.h"

class QWidget;

namespace qhe {

// The screen the widget is shown on (or the primary screen): size in logical pixels and
// logical dots per inch, as recorded in section "display".
ScreenInfo ScreenInfoOf(const QWidget* form);

// Writes section "display" and the form's geometry section through TQZIniFile: Top, Left,
// WindowState (0 normal, 1 minimized, 2 maximized), Width and Height when the form can be
// resized, and for each table and tree view child with an object name its column widths.
// The section is sectionName, else the form's objectName, else its class name. An empty
// fileName means the settings file. Failures are not reported (geometry is a convenience).
void SaveFormGeometry(QWidget* form, const QString& sectionName = {}, const std::string& fileName = {});

// Saves every top-level window of the application that has an object name.
void SaveAllFormGeometry(const std::string& fileName = {});

// Restores what SaveFormGeometry wrote when the display check passes (state, bounds, column
// widths). Otherwise, or when the saved place is on no screen, the form is shown normal and
// centred on its screen, shifted by the cascade offset of this program run.
void RestoreFormGeometry(QWidget* form, const QString& sectionName = {}, const std::string& fileName = {});

// Places a dialog centred over the active window when it fits on the screen there, else
// centred on the screen.
void CenterOnActiveForm(QWidget* form);

} // namespace qhe
