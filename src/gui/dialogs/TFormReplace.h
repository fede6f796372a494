#pragma once
#include <QDialog>

#include <memory>
#include <optional>

#include "editor/search/ReplaceDialogModel.h"
#include "gui/dialogs/HelpHandler.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qhe {

class TQZByteEdit;
struct ByteStringFields;

// The replace dialog: the find string and the replacement, each as text (optionally widened
// to UTF-16) or hex, the case and joker options and where replacing starts. "确定" replaces the
// next hit, "全部替换(&A)" every hit; both run the same checks and keep the dialog open on a
// failure. Result() then holds the options, both strings and the button pressed.
class TFormReplace : public QDialog {
    Q_OBJECT
  public:
    TFormReplace(const ReplaceDialogRequest& request, HelpHandler help, QWidget* parent = nullptr);
    ~TFormReplace() override;

    const std::optional<ReplaceDialogResult>& Result() const { return result_; }

  private:
    void Load(const ReplaceOptions& options);
    void OkClicked(QPushButton* pressed, bool replaceAll);

    int byteOrder_;
    HelpHandler help_;
    std::optional<ReplaceDialogResult> result_;
    ReplaceOptions options_;

    std::unique_ptr<ByteStringFields> find_;
    std::unique_ptr<ByteStringFields> replacement_;
    QCheckBox* caseSensitive_;
    QCheckBox* jokerOn_;
    TQZByteEdit* joker_;
    QLabel* jokerLabel_;
    QRadioButton* fromCursor_;
    QRadioButton* fromBegin_;
};

} // namespace qhe
