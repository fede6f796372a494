#pragma once
#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace qhe {

class BitDialogModel;
class EncodeDialogModel;

// TFormEncode ("数字编码"): a number, its type and where its bytes go.
class TFormEncode : public QDialog {
    Q_OBJECT
  public:
    TFormEncode(EncodeDialogModel& model, std::function<void(int)> help, QWidget* parent = nullptr);
    QLineEdit* Number() const { return number_; }
    QLineEdit* Here() const { return here_; }

  protected:
    void done(int result) override;

  private:
    void Confirm();

    EncodeDialogModel& model_;
    QLineEdit* number_;
    QLineEdit* here_;
    QButtonGroup* types_;
    QButtonGroup* where_;
};

// TFormBit ("Bit 编辑"): the eight bits of the byte at the cursor as check boxes.
class TFormBit : public QDialog {
    Q_OBJECT
  public:
    TFormBit(BitDialogModel& model, std::function<void(int)> help, QWidget* parent = nullptr);
    QCheckBox* Bit(int i) const { return bits_[i]; }
    QLabel* Value() const { return label_; }

  private:
    void FromModel();
    void ToModel();

    BitDialogModel& model_;
    QCheckBox* bits_[8];
    QLabel* label_;
};

} // namespace qhe
