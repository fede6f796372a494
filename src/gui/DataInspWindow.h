#pragma once
#include <QWidget>

#include <functional>
#include <string>

#include "editor/tools/DataInspModel.h"

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

    // Answers whether a line (0-based) with its text can be edited; set by the owner.
    std::function<bool(int, const std::string&)> lineEditable;

  signals:
    // The user closed the window.
    void closedByUser();
    // "配置(&C)...": the options dialog on its data inspector page.
    void configureRequested();
    // "编辑(&E)..." or a double click on a value line.
    void editRequested(int line, QString text);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The line under a point of the memo, with its text.
    std::pair<int, QString> LineAt(QPoint point) const;

    QWidget* panel_;
    QLabel* label_;
    QPlainTextEdit* memo_;
};

} // namespace qhe
