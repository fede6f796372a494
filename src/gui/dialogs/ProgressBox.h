#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

#include "core/util/Progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace qhe {

// The progress box of long operations: its own caption bar (no title-bar buttons), an optional line of text,
// a percentage gauge and an optional Cancel button (also Escape). It stays on top, has no close box and
// refuses every close request; only its creator ends it by destroying it. While shown, its owner and every
// other window of the program are disabled, so that the pending events run by SetProgress and friends can
// only reach the Cancel button. The box is not modal: a modal window makes the toolkit hand an activation of
// the owner over to the box, and when the box is gone before the window manager acts on that, the owner keeps
// the keyboard without being the active window, so its shortcuts and menu keys stop working.
class TProgressBox final : public QWidget, public Progress {
    Q_OBJECT
  public:
    TProgressBox(QWidget* owner, bool withCancel, bool withGauge, const QString& text,
                 const QString& caption);
    ~TProgressBox() override;

    bool SetProgress(int64_t done, int64_t total, int step) override;
    void SetText(const std::string& text, int every) override;
    void SetCaption(const std::string& text) override;
    void EnableCancel(bool enabled) override;
    bool Cancelled() const override { return cancelled_; }

    // Shows the box and paints it at once.
    void ShowNow();

    QProgressBar* Gauge() const { return gauge_; }
    QLabel* Label() const { return label_; }
    QLabel* Caption() const { return caption_; }
    QPushButton* CancelButton() const { return cancel_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Cancel();
    void DisableOtherWindows();
    void ReleaseOwner();
    static void RunPendingEvents();

    QPointer<QWidget> owner_;
    // The windows this box disabled, and the widget that had the owner's focus.
    std::vector<QPointer<QWidget>> disabled_;
    QPointer<QWidget> ownerFocus_;
    QLabel* caption_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ProgressGauge gaugeValue_;
    TextThrottle textThrottle_;
    bool cancelled_ = false;
};

} // namespace qhe
