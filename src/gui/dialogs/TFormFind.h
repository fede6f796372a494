#pragma once
#include <QDialog>

#include <optional>

#include "editor/search/FindDialogModel.h"
#include "gui/dialogs/HelpHandler.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qhe {

class TQZByteEdit;
class TQZHistoryBtn;

// The dialog shared by Find and Count: the pattern as text (optionally widened to UTF-16) or as
// hex, the case and joker options, the direction and where the search starts. OK runs the
// checks and keeps the dialog open on a failure; Result() then holds the options and bytes.
class TFormFind : public QDialog {
    Q_OBJECT
  public:
    TFormFind(const FindDialogRequest& request, HelpHandler help, QWidget* parent = nullptr);

    // The confirmed options and pattern; set only after a successful OK.
    const std::optional<FindDialogResult>& Result() const { return result_; }

  private:
    void Load(const FindOptions& options);
    void ShowDirection(bool down);
    void OkClicked();
    void Accept(const std::string& pattern, uint8_t jokerByte);
    QWidget* FieldOf(FindField field) const;

    bool count_;
    int byteOrder_;
    HelpHandler help_;
    std::optional<FindDialogResult> result_;

    QRadioButton* radioText_;
    QCheckBox* utf16_;
    QLineEdit* editText_;
    TQZHistoryBtn* historyText_;
    QPushButton* convert_;
    QRadioButton* radioHex_;
    TQZByteEdit* editHex_;
    TQZHistoryBtn* historyHex_;
    QCheckBox* caseSensitive_;
    QCheckBox* jokerOn_;
    TQZByteEdit* joker_;
    QLabel* jokerLabel_;
    QRadioButton* down_;
    QRadioButton* up_;
    QRadioButton* fromCursor_;
    QRadioButton* fromEnd_;
    QPushButton* ok_;
};

} // namespace qhe
