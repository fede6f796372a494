#pragma once
#include <QDialog>

#include <functional>

#include "core/print/ReportPager.h"
#include "gui/dialogs/HelpHandler.h"
#include "gui/print/ReportPainter.h"

class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;

namespace qhe {

class PreviewPage;

// Where the preview gets its pages: each laid out when shown or printed.
struct PreviewSource {
    int count = 0;
    std::function<ReportPage(int)> page; // 1 .. count
    QSizeF paperSize;                    // the physical page in printer pixels
    QPointF printableOffset;             // the printable area's corner on the paper
};

// The preview window TFormPreview: pages through the laid-out pages, zooms, and prints the shown page
// or all pages on printer. The help button asks help for helpContext; it is hidden when that is 0.
class TFormPreview : public QDialog {
    Q_OBJECT
  public:
    TFormPreview(const QString& caption, PreviewSource source, const ReportFonts& fonts, QPrinter& printer,
                 int helpContext = 0, QWidget* parent = nullptr);

    HelpHandler help;

    int CurrentPage() const { return page_; }
    void ShowPage(int n);
    // Asked before each print job; false drops it (the PDF entry asks for its file name here).
    std::function<bool()> beforePrint;
    // Prints pages first .. last on the printer as one job under a progress box with Cancel; answers
    // whether all of them were printed. A printer failure is reported; a cancelled PDF file is removed.
    bool PrintPages(int first, int last);

  protected:
    // Hints of the tool buttons go unshortened into status panel 1.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The view's size decides the scale: refitted whenever the view is resized.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdateControls();
    void ShowPrinterError(const char* text);
    // A PDF file that could not be written: the error, and that an earlier file was kept.
    void ShowFileError(int code, const QString& name);
    void FitScale();
    void ZoomAt(QPoint point, double factor);

    PreviewSource source_;
    ReportFonts fonts_;
    QPrinter& printer_;
    int helpContext_ = 0;
    PreviewPage* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QToolButton *first_ = nullptr, *previous_ = nullptr, *next_ = nullptr, *last_ = nullptr;
    int page_ = 1;
    bool fitMode_ = false; // false: whole page; true: page width/height
    bool freeScale_ = false;
    double scale_ = 1;
};

} // namespace qhe
