#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "editor/Ui.h"

class QWidget;

namespace qhe {

// The file dialog wrapper: the open dialog with its "open read-only" check box
// (CheckBoxReadOnly) and the save dialog with its overwrite prompt. Both are Qt's own
// (non-native) dialogs so that the open dialog can carry the check box. The check box keeps
// its state from one open dialog to the next, as it lives as long as the wrapper.
class TFormOSE {
    Q_DECLARE_TR_FUNCTIONS(qhe::TFormOSE)

  public:
    std::optional<OpenChoice> Open(const FileDialogRequest& request, QWidget* parent);
    std::optional<std::string> Save(const FileDialogRequest& request, QWidget* parent);

    // Name filters for patterns such as "*.*" and "*.qbm": each pattern is its own description.
    // "*.*" lists every file, also those without an extension.
    static QStringList NameFilters(const std::vector<std::string>& patterns);

    // Caption of CheckBoxReadOnly.
    static QString ReadOnlyCaption() { return tr("以只读模式打开(&R)"); }

  private:
    bool readOnlyChecked_ = false;
};

} // namespace qhe
