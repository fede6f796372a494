#include "gui/dialogs/TFormOpt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/file/SendToShortcut.h"

namespace qhe {
namespace {

// A square swatch of a colour value (red in the low byte), outlined.
QIcon Swatch(int value, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    painter.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pixmap);
}

const char* const kInspectorBoxes[9][2] = {
    {"CheckBoxDIshort", "short (±)"},    {"CheckBoxDIbyte", "byte (+)"},
    {"CheckBoxDIword", "word (+)"},      {"CheckBoxDIint", "integer (±)"},
    {"CheckBoxDIlong", "longint (±)"},   {"CheckBoxDIsingle", "IEEE single"},
    {"CheckBoxDIdouble", "IEEE double"}, {"CheckBoxDIbin", "binary"},
    {"CheckBoxDIblock", "Block Size"}};

bool DataInspSettings::*const kInspectorFields[9] = {
    &DataInspSettings::shortInt,    &DataInspSettings::byteInt, &DataInspSettings::word,
    &DataInspSettings::intValue,    &DataInspSettings::longInt, &DataInspSettings::single,
    &DataInspSettings::doubleFloat, &DataInspSettings::bin,     &DataInspSettings::blockSize};

const int kHelpByPage[4] = {17, 82, 83, 84};

} // namespace

TFormOpt::TFormOpt(const OptionsValues& current, int page, SendToShortcut& sendTo, QSize maxGrid,
                   std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), base_(current), sendTo_(sendTo), pages_(new QTabWidget(this)) {
    setObjectName("TFormOpt");
    setWindowTitle(tr("选项"));
    auto check = [this](const char* name, const QString& text) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(name);
        return box;
    };
    auto spin = [this](const char* name, int low, int high) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(low, high);
        return box;
    };

    // "常规"
    auto* general = new QWidget;
    auto* baseGroup = new QGroupBox(tr("首字节的偏移量（地址） "), general);
    baseGroup->setObjectName("RadioGroupBase");
    base0_ = new QRadioButton("&0", baseGroup);
    base1_ = new QRadioButton("&1", baseGroup);
    auto* baseLayout = new QHBoxLayout(baseGroup);
    baseLayout->addWidget(base0_);
    baseLayout->addWidget(base1_);
    oldFileTime_ = check("CheckBoxOldFileTime", tr("用旧数据/时间来保存文件(&S)  "));
    mru_ = spin("SpinEditMRU", 1, 9);
    newEof_ = check("CheckBoxNewEOF", tr("用 EOF 字符来创建新的文件(&E)"));
    undoLimit_ = spin("SpinEditUndoLimit", 0, 4096);
    mapFrom_ = spin("SpinEditMapFrom", 1, kDefaultMapFromMB);
    auto* generalLayout = new QFormLayout(general);
    generalLayout->addRow(baseGroup);
    generalLayout->addRow(oldFileTime_);
    generalLayout->addRow(tr("重新打开历史记录(&O):     "), mru_);
    generalLayout->addRow(newEof_);
    generalLayout->addRow(tr("撤销内存上限 (MB, 0 = 关闭):"), undoLimit_);
    generalLayout->addRow(tr("从此大小起不整个读入, 直接映射 (MB):"), mapFrom_);
    language_ = new QComboBox(general);
    language_->setObjectName("ComboBoxLanguage");
    language_->addItem(tr("自动 (按系统的区域设置)"), "auto");
    language_->addItem(tr("中文"), "zh");
    language_->addItem(QStringLiteral("English"), "en");
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(language_);
    languageRow->addWidget(new QLabel(tr("下次启动时生效"), general));
    auto* languageLabel = new QLabel(tr("界面语言(&L):"), general);
    languageLabel->setBuddy(language_);
    generalLayout->addRow(languageLabel, languageRow);
    pages_->addTab(general, tr("常规"));

    // "外观"
    auto* look = new QWidget;
    font_ = new QFontComboBox(look);
    font_->setObjectName("ComboBoxFont");
    fontSize_ = spin("SpinEditFSize", 6, 24);
    rows_ = spin("SpinEditRows", 8, std::max(8, maxGrid.height()));
    cols_ = spin("SpinEditCols", 8, std::max(8, maxGrid.width()));
    color_ = new QComboBox(look);
    color_->setObjectName("ComboBoxColor");
    const int swatch = color_->fontMetrics().height() - 2;
    for (const NamedColor& color : BlockColors())
        color_->addItem(Swatch(color.value, swatch), color.name, color.value);
    hideTool_ = check("CheckBoxHideTool", tr("隐藏工具条(&H)"));
    hideAddr_ = check("CheckBoxHideAddr", tr("隐藏行地址(&A)"));
    textLeft_ = check("CheckBoxTextGridLeft", tr("左边文本栅格(&T)"));
    showGrid_ = check("CheckBoxShowGrid", tr("显示栅格排列(&G)"));
    useBlank_ = check("CheckBoxUseBlank", tr("使用空白来显示控制字符(&U)"));
    auto* defaults = new QPushButton(tr("默认(&D)"), look);
    defaults->setObjectName("ButtonDefault");
    connect(defaults, &QPushButton::clicked, this, [this] {
        OptionsValues values = Values();
        RestoreDefaults(values);
        Load(values);
    });
    auto* lookLayout = new QFormLayout(look);
    lookLayout->addRow(tr("字体(&F): "), font_);
    lookLayout->addRow(tr("字体大小(&S):    "), fontSize_);
    lookLayout->addRow(tr("行数(&R):   "), rows_);
    lookLayout->addRow(tr("列数(&C):  "), cols_);
    lookLayout->addRow(tr("块字符颜色(&B):"), color_);
    for (QCheckBox* box : {hideTool_, hideAddr_, textLeft_, showGrid_, useBlank_})
        lookLayout->addRow(box);
    lookLayout->addRow(defaults);
    pages_->addTab(look, tr("外观"));

    // "数据检查器"
    auto* inspect = new QWidget;
    auto* orderGroup = new QGroupBox(tr("字节顺序，用于 数字 和 UTF-16"), inspect);
    orderGroup->setObjectName("RadioGroupByteOrder");
    little_ = new QRadioButton(tr("&Little-endian ( 英特尔 )"), orderGroup);
    big_ = new QRadioButton(tr("&Big-endian ( 摩托罗拉 )"), orderGroup);
    auto* orderLayout = new QVBoxLayout(orderGroup);
    orderLayout->addWidget(little_);
    orderLayout->addWidget(big_);
    auto* inspectLayout = new QVBoxLayout(inspect);
    inspectLayout->addWidget(orderGroup);
    for (int i = 0; i < 9; ++i) {
        inspector_[i] = check(kInspectorBoxes[i][0], kInspectorBoxes[i][1]);
        inspectLayout->addWidget(inspector_[i]);
    }
    inspectLayout->addStretch();
    pages_->addTab(inspect, tr("数据检查器"));

    // "快捷连接"
    auto* link = new QWidget;
    auto* sendToGroup = new QGroupBox(tr("用发送到文件夹连接( 在 Windows NT 下)"), link);
    sendToGroup->setObjectName("GroupBoxSendTo");
    create_ = new QPushButton(tr("创建"), sendToGroup);
    create_->setObjectName("ButtonSendToCrea");
    remove_ = new QPushButton(tr("移除"), sendToGroup);
    remove_->setObjectName("ButtonSendToRemove");
    auto* sendToLayout = new QHBoxLayout(sendToGroup);
    sendToLayout->addWidget(create_);
    sendToLayout->addWidget(remove_);
    auto* linkLayout = new QVBoxLayout(link);
    linkLayout->addWidget(sendToGroup);
    linkLayout->addStretch();
    pages_->addTab(link, tr("快捷连接"));
    connect(create_, &QPushButton::clicked, this, [this] {
        sendTo_.CreateClick();
        RefreshSendTo();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        sendTo_.RemoveClick();
        RefreshSendTo();
    });

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    buttons->button(QDialogButtonBox::Help)->setText(tr("帮助(&H)"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this, buttons] {
        // A value still being typed into a spin box is taken first.
        buttons->button(QDialogButtonBox::Ok)->setFocus();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this, help] {
        if (help) help(kHelpByPage[std::clamp(pages_->currentIndex(), 0, 3)]);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    Load(current);
    sendTo_.Scan();
    RefreshSendTo();
    pages_->setCurrentIndex(std::clamp(page, 0, 3));
}

void TFormOpt::Load(const OptionsValues& v) {
    (v.baseAddress == 1 ? base1_ : base0_)->setChecked(true);
    oldFileTime_->setChecked(v.oldFileTime);
    mru_->setValue(v.mru);
    newEof_->setChecked(v.newEOF);
    undoLimit_->setValue(v.undoLimitMB);
    mapFrom_->setValue(v.mapFromMB);
    language_->setCurrentIndex(std::max(0, language_->findData(QString::fromStdString(v.language))));
    font_->setCurrentFont(QFont(QString::fromStdString(v.font)));
    fontSize_->setValue(v.fontSize);
    rows_->setValue(v.rows);
    cols_->setValue(v.cols);
    color_->setCurrentIndex(BlockColorIndex(v.colorBlock));
    hideTool_->setChecked(v.hideToolBar);
    hideAddr_->setChecked(v.hideAddressRange);
    textLeft_->setChecked(v.textGridLeft);
    showGrid_->setChecked(v.showGrids);
    useBlank_->setChecked(v.blankForCC);
    (v.byteOrder == 1 ? big_ : little_)->setChecked(true);
    for (int i = 0; i < 9; ++i)
        inspector_[i]->setChecked(v.dataInsp.*kInspectorFields[i]);
}

OptionsValues TFormOpt::Values() const {
    OptionsValues v = base_;
    v.baseAddress = base1_->isChecked() ? 1 : 0;
    v.oldFileTime = oldFileTime_->isChecked();
    v.mru = mru_->value();
    v.newEOF = newEof_->isChecked();
    v.undoLimitMB = undoLimit_->value();
    v.mapFromMB = mapFrom_->value();
    v.language = language_->currentData().toString().toStdString();
    // The font is kept by its name as the settings hold it, unless another one was chosen.
    const QString family = font_->currentFont().family();
    if (QFont(QString::fromStdString(base_.font)).family() != family) v.font = family.toStdString();
    v.fontSize = fontSize_->value();
    v.rows = rows_->value();
    v.cols = cols_->value();
    if (color_->currentIndex() >= 0) v.colorBlock = color_->currentData().toInt();
    v.hideToolBar = hideTool_->isChecked();
    v.hideAddressRange = hideAddr_->isChecked();
    v.textGridLeft = textLeft_->isChecked();
    v.showGrids = showGrid_->isChecked();
    v.blankForCC = useBlank_->isChecked();
    v.byteOrder = big_->isChecked() ? 1 : 0;
    for (int i = 0; i < 9; ++i)
        v.dataInsp.*kInspectorFields[i] = inspector_[i]->isChecked();
    return v;
}

void TFormOpt::RefreshSendTo() {
    create_->setEnabled(sendTo_.CreateEnabled());
    remove_->setEnabled(sendTo_.RemoveEnabled());
}

} // namespace qhe
