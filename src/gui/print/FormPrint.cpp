#include "gui/print/FormPrint.h"

#include "gui/dialogs/MessageDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/print/ReportGeometry.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/print/DumpFileCommand.h"
#include "gui/print/ReportPainter.h"

namespace qhe {
namespace {

constexpr int kPrintHelp = 64;
const char* const kPdfEntry = QT_TRANSLATE_NOOP("qhe::TFormPrint", "PDF 文件");

// A margin: no sign can be typed (the range starts at 0, yet the plain spin box lets a "-" in).
class MarginSpinBox : public QDoubleSpinBox {
  public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QValidator::State validate(QString& text, int& pos) const override {
        return text.contains(QLatin1Char('-')) ? QValidator::Invalid : QDoubleSpinBox::validate(text, pos);
    }
};

QDoubleSpinBox* MarginField(QWidget* parent) {
    auto* field = new MarginSpinBox(parent);
    field->setDecimals(2);
    field->setRange(0, 99.99);
    return field;
}

MeasureUnit UnitOf(int index) {
    return index == 1 ? MeasureUnit::Inch : MeasureUnit::Millimetre;
}

} // namespace

TFormPrint::TFormPrint(const PrintSettings& settings, bool blockExists, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(Msg(kMsgPrintTitle)));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    printers_ = new QComboBox(this);
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    installedPrinters_ = static_cast<int>(installed.size());
    printers_->addItems(installed);
    printers_->addItem(tr(kPdfEntry));
    int printer = settings.printerIndex;
    if (printer < 0 || printer >= installedPrinters_)
        printer = installed.indexOf(QPrinterInfo::defaultPrinterName());
    printers_->setCurrentIndex(printer >= 0 ? printer : installedPrinters_);
    form->addRow(tr("打印机(&P):"), printers_);

    auto* range = new QGroupBox(tr("打印的范围"), this);
    auto* rangeLayout = new QVBoxLayout(range);
    curPage_ = new QRadioButton(tr("当前页面(&C)"), range);
    curSelection_ = new QRadioButton(tr("当前选择(&S)"), range);
    allPages_ = new QRadioButton(tr("全部页面(&A) "), range);
    rangeLayout->addWidget(curPage_);
    rangeLayout->addWidget(curSelection_);
    rangeLayout->addWidget(allPages_);
    curSelection_->setEnabled(blockExists);
    (blockExists ? curSelection_ : curPage_)->setChecked(true);
    layout->addWidget(range);

    auto* options = new QFormLayout;
    layout->addLayout(options);
    fontSize_ = new QComboBox(this);
    fontSize_->addItems({"8", "10", "12"});
    fontSize_->setCurrentIndex(std::clamp(settings.fontSizeIndex, 0, 2));
    options->addRow(tr("字体大小(&F):"), fontSize_);
    bytesPerRow_ = new QComboBox(this);
    bytesPerRow_->setEditable(true);
    bytesPerRow_->addItems({"10", "16", "24", "25", "32", "40", "48"});
    bytesPerRow_->lineEdit()->setMaxLength(2);
    bytesPerRow_->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), this));
    bytesPerRow_->setEditText(QString::fromStdString(settings.bytesPerRow));
    options->addRow(tr("每行字节数(&Y):"), bytesPerRow_);

    auto* margins = new QGroupBox(tr("页边空白"), this);
    auto* marginForm = new QFormLayout(margins);
    left_ = MarginField(margins);
    right_ = MarginField(margins);
    top_ = MarginField(margins);
    bottom_ = MarginField(margins);
    left_->setValue(MarginFromSetting(settings.marginLeft));
    right_->setValue(MarginFromSetting(settings.marginRight));
    top_->setValue(MarginFromSetting(settings.marginTop));
    bottom_->setValue(MarginFromSetting(settings.marginBottom));
    marginForm->addRow(tr("左(&L):"), left_);
    marginForm->addRow(tr("右(&R):"), right_);
    marginForm->addRow(tr("顶部(&T):"), top_);
    marginForm->addRow(tr("底部(&B):"), bottom_);
    layout->addWidget(margins);

    unit_ = new QComboBox(this);
    unit_->addItems({tr("毫米"), tr("英寸")});
    shownUnit_ = std::clamp(settings.unit, 0, 1);
    unit_->setCurrentIndex(shownUnit_);
    options->addRow(tr("单位(&U):"), unit_);
    connect(unit_, &QComboBox::currentIndexChanged, this, &TFormPrint::UnitChanged);

    landscape_ = new QCheckBox(tr("风景定位(代替肖像)(&O)"), this);
    decimal_ = new QCheckBox(tr("用十进制打印偏移量(代替十六进制)(&D)"), this);
    textBelow_ = new QCheckBox(tr("打印文本下面十六进制(即第二行)(&W)"), this);
    toFile_ = new QCheckBox(tr("改变方向输出到文件(&E)"), this);
    landscape_->setChecked(settings.landscape);
    decimal_->setChecked(settings.offsetDecimal);
    textBelow_->setChecked(settings.textBelow);
    // The user's last choice, also without an installed printer (the PDF entry is a printer too).
    toFile_->setChecked(settings.outputToFile);
    for (QCheckBox* box : {landscape_, decimal_, textBelow_, toFile_})
        layout->addWidget(box);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* preview = buttons->addButton(tr("预览/打印"), QDialogButtonBox::AcceptRole);
    preview->setDefault(true);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    QPushButton* helpButton = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    helpButton->setObjectName("ButtonHelp");
    layout->addWidget(buttons);
    connect(preview, &QPushButton::clicked, this, &TFormPrint::PreviewPrintClicked);
    connect(printers_, &QComboBox::currentIndexChanged, this, &TFormPrint::PushMargins);
    connect(landscape_, &QCheckBox::toggled, this, &TFormPrint::PushMargins);
    for (QDoubleSpinBox* field : {left_, right_, top_, bottom_})
        connect(field, &QDoubleSpinBox::editingFinished, this, &TFormPrint::PushMargins);
    PushMargins();
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        if (help) help(kPrintHelp);
    });
}

void TFormPrint::UnitChanged(int unit) {
    for (QDoubleSpinBox* field : {left_, right_, top_, bottom_})
        field->setValue(ConvertMargin(field->value(), UnitOf(shownUnit_), UnitOf(unit)));
    shownUnit_ = unit;
    PushMargins();
}

void TFormPrint::PushMargins() {
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePrinter(printer);
    const PrinterPage page = PageOf(printer);
    const MeasureUnit unit = UnitOf(unit_->currentIndex());
    const auto push = [&](QDoubleSpinBox* field, int offset) {
        field->setValue(ApplyMargin(field->value(), unit, page.resolution, offset).margin);
    };
    push(left_, page.offsetX);
    push(right_, page.offsetX);
    push(top_, page.offsetY);
    push(bottom_, page.offsetY);
}

PrintDialogValues TFormPrint::Values() const {
    PrintDialogValues values;
    PrintSettings& s = values.settings;
    s.unit = unit_->currentIndex();
    s.marginLeft = MarginToSetting(left_->value());
    s.marginRight = MarginToSetting(right_->value());
    s.marginTop = MarginToSetting(top_->value());
    s.marginBottom = MarginToSetting(bottom_->value());
    values.pdfEntry = printers_->currentIndex() >= installedPrinters_;
    s.printerIndex = values.pdfEntry ? -1 : printers_->currentIndex();
    s.outputToFile = toFile_->isChecked();
    s.fontSizeIndex = fontSize_->currentIndex();
    s.bytesPerRow = bytesPerRow_->currentText().toStdString();
    s.landscape = landscape_->isChecked();
    s.offsetDecimal = decimal_->isChecked();
    s.textBelow = textBelow_->isChecked();
    values.range = allPages_->isChecked()       ? DumpRangeKind::All
                   : curSelection_->isChecked() ? DumpRangeKind::Selection
                                                : DumpRangeKind::CurrentPage;
    return values;
}

void TFormPrint::ConfigurePrinter(QPrinter& printer) const {
    const PrintDialogValues values = Values();
    if (values.pdfEntry) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(1200);
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        printer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    } else {
        printer.setPrinterName(printers_->currentText());
    }
    printer.setPageOrientation(values.settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TFormPrint::PreviewPrintClicked() {
    const PrintDialogValues values = Values();
    // Every row step divides by the bytes per row: an empty or zero entry never reaches the layout.
    if (ParseBytesPerRow(values.settings.bytesPerRow) == 0) {
        QMessageBox::critical(this, MessageDialog::Caption(MsgKind::Error),
                              QString::fromStdString(kTextBadBytesPerRow.str()));
        bytesPerRow_->setFocus();
        return;
    }
    if (!onPreviewPrint || onPreviewPrint(values)) accept();
}

} // namespace qhe
