#pragma once
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableView;
class QTimer;

namespace qhe {

class CompareCommands;
class CompareSession;
class ComparePane;
class DiffListModel;

// A compare window: the two sides next to each other, scrolling together, with their
// differences shaded, a summary line, the list of ranges, moves between them and a status
// bar with the cursor's offsets and bytes. The ranges are computed on the event loop a slice
// at a time, so the window is there at once and follows the compare as it goes.
class TFormCompare : public QWidget {
    Q_OBJECT
  public:
    TFormCompare(QWidget* owner, CompareCommands& commands, std::shared_ptr<CompareSession> session);
    ~TFormCompare() override;

    const CompareSession& Session() const { return *session_; }
    int64_t CursorA() const { return cursorA_; }
    int64_t CursorB() const;
    QString SummaryText() const;
    QString StatusText() const;
    // Computes the rest at once (tests).
    void RunToEnd();
    // What a move of the cursor repaints: both sides and the status line.
    std::vector<QWidget*> RefreshedParts() const;
    // Per visible row, whether it stands out of step with the other side (resync mode).
    const std::vector<bool>& ShiftedRows() const;
    // Looks whether the editor's bytes or the files changed since the compare, and if so shows
    // the hint with its button to compare again (also done on a timer and on activation).
    void CheckStale();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void SetSession(std::shared_ptr<CompareSession> session);
    void Tick();
    // Puts the cursor on range index and both sides in step at it.
    void ShowRange(int64_t index);
    void MoveCursor(int64_t offsetA);
    void ScrollTo(int64_t topA);
    void GotoOffset();
    void Refresh();
    void UpdateScrollBar();
    int64_t Rows() const;
    void SizeList();
    void ShowNames();
    std::vector<bool> Shifted() const;

    CompareCommands& commands_;
    std::shared_ptr<CompareSession> session_;
    ComparePane* panes_[2];
    QScrollBar* scroll_;
    QTableView* list_;
    DiffListModel* model_;
    QLabel* summary_;
    QLabel* status_;
    QLabel* names_[2];
    QLabel* staleHint_;
    QPushButton* again_;
    QCheckBox* resync_;
    QTimer* timer_;
    QTimer* staleTimer_;
    // delta_: B's offset shown level with A's offset, minus it. In resync mode the rows after
    // the current range are in step (an insertion then ends just before its row in B).
    int64_t topA_ = 0, cursorA_ = 0, delta_ = 0;
    int64_t scrollScale_ = 1; // rows per scroll bar step
    bool userMoved_ = false;  // a move of the user's own: the first range found stays unselected
};

} // namespace qhe
