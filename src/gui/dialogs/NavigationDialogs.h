#pragma once
#include <QDialog>

#include <functional>
#include <string>

class QButtonGroup;
class QRadioButton;

namespace qhe {

class TQZNumEdit;

// What distinguishes the number dialogs.
struct NumberEntryKind {
    const char* objectName; // "TFormGoto", "TFormJump", "TFormBlockN"
    const char* caption;
    const char* groupTitle;
    const char* historySection;
    const char* historyButton;
    bool withModes;  // the Goto modes
    int helpContext; // 0: no help button
};
extern const NumberEntryKind kGotoDialog;
extern const NumberEntryKind kJumpDialog;
extern const NumberEntryKind kBlockLengthDialog;

// TFormGoto ("转到地址"), TFormJump ("输入同步跳宽") and TFormBlockN (mark n bytes): a number in
// decimal or "$" hex with its history, and for Goto the mode. OK asks accept and stays open
// when it refuses.
class TFormNumberEntry : public QDialog {
    Q_OBJECT
  public:
    using Accept = std::function<bool(const std::string& text, int mode)>;

    TFormNumberEntry(const NumberEntryKind& kind, int mode, Accept accept, std::function<void(int)> help,
                     QWidget* parent = nullptr, const QString& initialText = "0");

    int Mode() const;
    TQZNumEdit* Field() const { return field_; }

  private:
    void Confirm();

    Accept accept_;
    TQZNumEdit* field_;
    QRadioButton* dec_;
    QRadioButton* hex_;
    QButtonGroup* modes_ = nullptr;
};

} // namespace qhe
