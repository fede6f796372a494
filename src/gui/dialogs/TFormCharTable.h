#pragma once
#include <QDialog>

#include <functional>

class QButtonGroup;
class QTableWidget;

namespace qhe {

class CharTableDialogModel;

// The character conversion dialog: the 256-row grid of source bytes with their ANSI and
// ASCII (code page 437) characters and the editable target column, the table buttons and the
// scope choice. It shows the model and passes the buttons to it.
class TFormCharTable : public QDialog {
    Q_OBJECT
  public:
    TFormCharTable(CharTableDialogModel& model, std::function<void(int)> help, QWidget* parent = nullptr);
    ~TFormCharTable() override;

    QTableWidget* Grid() const { return grid_; }
    // Sets column 3 of the row of source byte from the Char code of the row of target (the drop).
    void MapByDrop(int sourceByte, int targetByte);

  protected:
    void done(int result) override;

  private:
    void FillGrid();
    void TakeCell(int row);

    CharTableDialogModel& model_;
    QTableWidget* grid_;
    QButtonGroup* scope_;
    bool filling_ = false;
};

} // namespace qhe
