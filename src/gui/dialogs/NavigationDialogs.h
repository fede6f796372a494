#pragma once
#include <QDialog>

#include <functional>
#include <string>

class QButtonGroup;
class QRadioButton;

namespace qhe {

class TQZNumEdit;

// TFormGoto ("转到地址") and TFormJump ("输入同步跳宽"): a number in decimal or "$" hex with its
// history, and for Goto the mode. OK asks accept and stays open when it refuses.
class TFormNumberEntry : public QDialog {
    Q_OBJECT
  public:
    using Accept = std::function<bool(const std::string& text, int mode)>;

    // withModes: the Goto dialog (mode group, help button); otherwise the jump width dialog.
    TFormNumberEntry(bool withModes, int mode, Accept accept, std::function<void(int)> help,
                     QWidget* parent = nullptr);

    int Mode() const;
    TQZNumEdit* Field() const { return field_; }

  private:
    void Confirm();

    bool withModes_;
    Accept accept_;
    TQZNumEdit* field_;
    QRadioButton* dec_;
    QRadioButton* hex_;
    QButtonGroup* modes_ = nullptr;
};

} // namespace qhe
