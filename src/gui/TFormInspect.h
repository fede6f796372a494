#pragma once
#include <QWidget>

#include "editor/InspectorModel.h"

class QLabel;
class QPlainTextEdit;

namespace qhe {

// The data inspector: a tool window on top of the main window with the labels of the enabled
// line kinds on the left and, level with them, the values at the cursor.
class TFormInspect : public QWidget {
    Q_OBJECT
  public:
    explicit TFormInspect(QWidget* owner);
    ~TFormInspect() override;

    // Builds the label column and fits the window's height to its lines.
    void RebuildLabels(const DataInspSettings& options);
    void RefreshValues(const std::string& values);
    QString Values() const;
    QString Labels() const;

  signals:
    // The user closed the window.
    void closedByUser();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* panel_;
    QLabel* label_;
    QPlainTextEdit* memo_;
};

} // namespace qhe
