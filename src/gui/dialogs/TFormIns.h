#pragma once
#include <QDialog>

#include <optional>

#include "editor/clipboard/InsertDialogModel.h"
#include "gui/dialogs/HelpHandler.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qhe {

class TQZByteEdit;
class TQZNumEdit;

// The insert / overwrite string dialog: the string as text (optionally widened to UTF-16) or
// as hex, and for insert the repeat count in decimal or "$" hex. OK runs the checks and keeps
// the dialog open on a failure; Result() then holds the bytes, count and choices.
class TFormIns : public QDialog {
    Q_OBJECT
  public:
    TFormIns(const InsertDialogRequest& request, HelpHandler help, QWidget* parent = nullptr);

    // The confirmed entries; set only after a successful OK.
    const std::optional<InsertDialogResult>& Result() const { return result_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowForm(bool text);
    void OkClicked();
    QWidget* FieldOf(InsertField field) const;

    bool overwrite_;
    int byteOrder_;
    HelpHandler help_;
    std::optional<InsertDialogResult> result_;

    QRadioButton* radioText_;
    QLineEdit* editText_;
    QPushButton* convert_;
    QRadioButton* radioHex_;
    TQZByteEdit* editHex_;
    QCheckBox* utf16_;
    QGroupBox* countBox_;
    QRadioButton* decN_;
    QRadioButton* hexN_;
    TQZNumEdit* count_;
    QPushButton* ok_;
};

} // namespace qhe
