#include "gui/print/FormPreview.h"
#include "core/text/Format.h"
#include "editor/file/FileCommands.h"
#include "editor/OwnTexts.h"
#include "gui/print/PdfTarget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QFile>
#include <QPrinter>
#include <QScrollArea>
#include <QShortcut>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/Ui.h"
#include "gui/Icons.h"
#include "gui/dialogs/MessageDialog.h"
#include "gui/dialogs/ProgressBox.h"

namespace qhe {

// The shown page: white paper with the page's drawing inset by the printable offset, at a scale.
class PreviewPage : public QWidget {
  public:
    PreviewPage(const PreviewSource& source, const ReportFonts& fonts) : source_(source), fonts_(fonts) {}
    std::function<void(QPoint, double)> onZoom;

    void Show(int n, double scale) {
        page_ = source_.page ? source_.page(n) : ReportPage{};
        scale_ = scale;
        resize((source_.paperSize * scale).toSize());
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale_, scale_);
        painter.translate(source_.printableOffset);
        PaintReportPage(painter, page_, fonts_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (!onZoom) return;
        if (event->button() == Qt::LeftButton) onZoom(event->pos(), 1.5);
        if (event->button() == Qt::RightButton) onZoom(event->pos(), 1 / 1.5);
    }

  private:
    const PreviewSource& source_;
    const ReportFonts& fonts_;
    ReportPage page_;
    double scale_ = 1;
};

namespace {

// A glyph button named as the window's component, its hint as tool tip and status text.
QToolButton* AddButton(QToolBar* bar, const char* name, const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setIcon(ToolButtonIcon(name));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setText(hint);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    bar->addWidget(button);
    return button;
}

} // namespace

TFormPreview::TFormPreview(const QString& caption, PreviewSource source, const ReportFonts& fonts,
                           QPrinter& printer, int helpContext, QWidget* parent)
    : QDialog(parent), source_(std::move(source)), fonts_(fonts), printer_(printer),
      helpContext_(helpContext) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(24, 24));
    first_ = AddButton(bar, "QZBtnFirst", tr("转到首页"));
    previous_ = AddButton(bar, "QZBtnPrevious", tr("转到前一页"));
    next_ = AddButton(bar, "QZBtnNext", tr("转到下一页"));
    last_ = AddButton(bar, "QZBtnLast", tr("转到最后一页"));
    QToolButton* zoom = AddButton(bar, "QZBtnZoom", tr("快速调整页面宽度/页面高度"));
    QToolButton* print1 = AddButton(bar, "QZBtnPrint1", tr("只打印此页"));
    QToolButton* printAll = AddButton(bar, "QZBtnPrintAll", tr("打印全部页"));
    QToolButton* exit = AddButton(bar, "QZBtnExit", tr("没有打印，退出"));
    QToolButton* helpButton = AddButton(bar, "QZBtnHelp", tr("帮助"));
    // The hint of each button is its only text; a help topic of 0 means no help button.
    bar->actions().last()->setVisible(helpContext_ != 0);
    layout->addWidget(bar);
    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PreviewPage(source_, fonts_);
    scroll_->setWidget(view_);
    layout->addWidget(scroll_, 1);
    // Page Down and Page Up turn pages whatever has the focus: a click on the page gives it to
    // the scroll area, which would otherwise take the keys for scrolling.
    for (const auto& [key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { ShowPage(page_ + step); });
    }
    auto* status = new QStatusBar(this);
    panel1_ = new QLabel(status);
    panel2_ = new QLabel(status);
    status->addWidget(panel1_, 1);
    status->addWidget(panel2_, 1);
    layout->addWidget(status);

    connect(first_, &QToolButton::clicked, this, [this] { ShowPage(1); });
    connect(previous_, &QToolButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(next_, &QToolButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(last_, &QToolButton::clicked, this, [this] { ShowPage(source_.count); });
    connect(zoom, &QToolButton::clicked, this, [this] {
        fitMode_ = freeScale_ ? fitMode_ : !fitMode_;
        freeScale_ = false;
        FitScale();
        ShowPage(page_);
    });
    connect(print1, &QToolButton::clicked, this, [this] { PrintPages(page_, page_); });
    connect(printAll, &QToolButton::clicked, this, [this] { PrintPages(1, source_.count); });
    connect(exit, &QToolButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QToolButton::clicked, this, [this] {
        if (help) help(helpContext_);
    });
    view_->onZoom = [this](QPoint point, double factor) { ZoomAt(point, factor); };
    scroll_->viewport()->installEventFilter(this);
    setWindowState(Qt::WindowMaximized);
    FitScale();
    ShowPage(1);
}

void TFormPreview::FitScale() {
    if (freeScale_ || source_.paperSize.isEmpty()) return;
    const QSize area = scroll_->viewport()->size();
    const double byWidth = area.width() * 0.95 / source_.paperSize.width();
    const double byHeight = area.height() * 0.95 / source_.paperSize.height();
    scale_ = fitMode_ ? std::max(byWidth, byHeight) : std::min(byWidth, byHeight);
}

void TFormPreview::ZoomAt(QPoint point, double factor) {
    if ((factor > 1 && scale_ >= 1.5) || (factor < 1 && scale_ <= 0.03)) return;
    freeScale_ = true;
    const QPointF paper = QPointF(point) / scale_;
    scale_ *= factor;
    ShowPage(page_);
    // The clicked point goes to the centre of the view.
    const QPointF centre = paper * scale_;
    scroll_->horizontalScrollBar()->setValue(
        static_cast<int>(centre.x() - scroll_->viewport()->width() / 2.0));
    scroll_->verticalScrollBar()->setValue(
        static_cast<int>(centre.y() - scroll_->viewport()->height() / 2.0));
}

void TFormPreview::ShowPage(int n) {
    page_ = std::clamp(n, 1, std::max(1, source_.count));
    view_->Show(page_, scale_);
    UpdateControls();
}

void TFormPreview::UpdateControls() {
    panel1_->setText(QString("Page %1 of %2").arg(page_).arg(source_.count));
    first_->setEnabled(page_ > 1);
    previous_->setEnabled(page_ > 1);
    next_->setEnabled(page_ < source_.count);
    last_->setEnabled(page_ < source_.count);
}

void TFormPreview::ShowPrinterError(const char* text) {
    MessageDialog::Run(text, MsgKind::Error, mbOK, mrOk, 0, true, help, this);
}

bool TFormPreview::PrintPages(int first, int last) {
    if (beforePrint && !beforePrint()) return false;
    // A PDF file is written beside the chosen one and takes its place only when complete.
    PdfTarget pdf(printer_);
    if (const int code = pdf.Begin(); code != 0) {
        ShowFileError(code, pdf.Target());
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer_)) {
        ShowPrinterError("Unable to begin printing.");
        return false;
    }
    bool complete = true;
    const char* failure = nullptr;
    {
        TProgressBox progress(this, true, true, "Page: 1", "Printing...");
        progress.ShowNow();
        for (int n = first; n <= last; ++n) {
            panel2_->setText(QString("Printing Page %1 of %2").arg(n).arg(source_.count));
            progress.SetText(QString("Page: %1").arg(n).toStdString(), 1);
            progress.SetProgress(n - first, last - first + 1, 1);
            if (progress.Cancelled()) {
                complete = false;
                break;
            }
            if (n > first && !printer_.newPage()) {
                failure = "Unable to print a new page.";
                complete = false;
                break;
            }
            PaintReportPage(painter, source_.page(n), fonts_);
        }
    }
    panel2_->clear();
    // Reported once the progress box is gone and the windows are enabled again; the PDF writer
    // fails a page when its file cannot be written (a full disk).
    const bool pdfFile = !pdf.Target().isEmpty();
    if (failure && !pdfFile) ShowPrinterError(failure);
    if (!complete) {
        // The PDF writer cannot abort a job: its (temporary) file is removed instead, so no part
        // of a job remains and an earlier file stays as it was.
        const bool aborted = printer_.abort();
        painter.end();
        if (pdfFile) {
            // Written in place (no temporary file possible): nothing of the job may remain.
            if (!pdf.ViaTemporaryFile()) QFile::remove(pdf.Target());
            pdf.Abandon();
            if (failure)
                ShowFileError(29, pdf.Target());
            else if (QFile::exists(pdf.Target()))
                panel2_->setText(
                    QString::fromStdString(Format(kTextPdfKept, {FileNameOnly(pdf.Target().toStdString())})));
        } else if (!aborted) {
            ShowPrinterError("Unable to abort printing.");
        }
        return false;
    }
    if (!painter.end()) {
        if (pdfFile) {
            pdf.Abandon();
            ShowFileError(29, pdf.Target());
        } else {
            ShowPrinterError("Unable to finish printing.");
        }
        return false;
    }
    if (const int code = pdf.Commit(); code != 0) {
        ShowFileError(code, pdf.Target());
        return false;
    }
    return true;
}

void TFormPreview::ShowFileError(int code, const QString& name) {
    std::string text = FileErrorMessage(kErrWrite, code, QFile::encodeName(name).toStdString());
    if (QFile::exists(name)) {
        text += '\n';
        text += Format(kTextPdfKept, {FileNameOnly(name.toStdString())});
    }
    MessageDialog::Run(QString::fromStdString(text), MsgKind::Error, mbOK, mrOk, 0, true, help, this);
}

bool TFormPreview::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            UpdateControls();
        else
            panel1_->setText(tip);
        return true;
    }
    return QDialog::event(event);
}

void TFormPreview::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = scroll_->verticalScrollBar();
    QScrollBar* horizontal = scroll_->horizontalScrollBar();
    const bool hasVertical = vertical->maximum() > 0;
    const bool hasHorizontal = horizontal->maximum() > 0;
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_PageDown:
        ShowPage(page_ + 1);
        return;
    case Qt::Key_PageUp:
        ShowPage(page_ - 1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (hasVertical)
            vertical->triggerAction(event->key() == Qt::Key_Down ? QAbstractSlider::SliderSingleStepAdd
                                                                 : QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Right:
    case Qt::Key_Left:
        if (hasHorizontal)
            horizontal->triggerAction(event->key() == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                                    : QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (hasHorizontal) {
            const int step = static_cast<int>(scroll_->viewport()->width() * 0.95);
            horizontal->setValue(horizontal->value() + (event->key() == Qt::Key_End ? step : -step));
        }
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TFormPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && !freeScale_) {
        FitScale();
        view_->Show(page_, scale_);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qhe
