#pragma once
#include <QDialog>

class QTextBrowser;

namespace qhe {

// The help viewer: one topic per context number as a page, with links to every topic
// from the contents page.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void ShowTopic(int context);
    int CurrentContext() const { return current_; }

    // Shows the topic as a small popup at the mouse position.
    static void ShowPopup(int context, QWidget* over);

  private:
    QTextBrowser* browser_;
    int current_ = 0;
};

} // namespace qhe
