#pragma once
#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;

namespace qhe {

class HashDialogModel;

// "哈希值": the digests to compute as check boxes, what they cover, and after 计算 each result
// in a field to select from with a button that copies it, and 全部复制 for all of them in the
// sha256sum line format.
class TFormHash : public QDialog {
    Q_OBJECT
  public:
    TFormHash(HashDialogModel& model, std::function<void(int)> help, QWidget* parent = nullptr);
    // 计算: the chosen digests computed and shown.
    void Compute();

  private:
    void ShowResults();

    HashDialogModel& model_;
    std::vector<QCheckBox*> boxes_;
    QGridLayout* results_;
    QWidget* resultsPanel_;
};

} // namespace qhe
