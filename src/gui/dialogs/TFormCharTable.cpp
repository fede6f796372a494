#include "gui/dialogs/TFormCharTable.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDrag>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/text/Ansi.h"
#include "core/text/Messages.h"
#include "core/text/Oem.h"
#include "editor/tools/CharConversion.h"
#include "gui/FormGeometryQt.h"

namespace qhe {
namespace {

constexpr int kTargetColumn = 3;
const char* const kRowMime = "application/x-qhe32-chartable-row";

// Typing in a target cell: hex digits only, upper case, at most two unless all is selected.
class TargetEditor : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            const bool allSelected = hasSelectedText() && selectedText() == this->text();
            if (!CharTableDialogModel::AcceptsKey(this->text().toStdString(), allSelected,
                                                  text.at(0).unicode()))
                return;
            insert(text.toUpper());
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

class TargetDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new TargetEditor(parent);
        editor->setMaxLength(2);
        return editor;
    }
};

// The grid: rows can be dragged by their fixed cells onto the target cell of another row.
class CharGrid : public QTableWidget {
  public:
    CharGrid(TFormCharTable* owner) : QTableWidget(256, 4, owner), owner_(owner) {
        setAcceptDrops(true);
        viewport()->setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setAutoScroll(true);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index.isValid() && index.column() < kTargetColumn) {
            setCurrentCell(index.row(), kTargetColumn);
            auto* data = new QMimeData;
            data->setData(kRowMime, QByteArray::number(index.row()));
            auto* drag = new QDrag(this);
            drag->setMimeData(data);
            drag->exec(Qt::CopyAction);
            return;
        }
        QTableWidget::mousePressEvent(event);
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasFormat(kRowMime)) event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        QTableWidget::dragMoveEvent(event); // keeps the automatic scrolling at the edges
        const QModelIndex index = indexAt(event->position().toPoint());
        const int source = event->mimeData()->data(kRowMime).toInt();
        if (index.isValid() && index.column() == kTargetColumn && index.row() != source)
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        const QModelIndex index = indexAt(event->position().toPoint());
        const int source = event->mimeData()->data(kRowMime).toInt();
        if (!index.isValid() || index.column() != kTargetColumn || index.row() == source) return;
        owner_->MapByDrop(source, index.row());
        event->acceptProposedAction();
    }

  private:
    TFormCharTable* owner_;
};

QString Hex2(int value) {
    return QString("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

TFormCharTable::TFormCharTable(CharTableDialogModel& model, std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), model_(model), grid_(new CharGrid(this)), scope_(new QButtonGroup(this)) {
    setObjectName("TFormCharTable");
    grid_->setObjectName("StringGridCharTable");
    grid_->setHorizontalHeaderLabels({"Char", "ANSI", "ASCII", QString::fromStdString(Msg(2080))});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setItemDelegateForColumn(kTargetColumn, new TargetDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    QFont terminal("Terminal", 12);
    terminal.setStyleHint(QFont::TypeWriter);
    for (int b = 0; b < 256; ++b) {
        auto fixed = [&](int column, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().color(QPalette::Button));
            grid_->setItem(b, column, item);
            return item;
        };
        fixed(0, Hex2(b));
        fixed(1, b >= 32 ? QString(QChar(AnsiToUnicode(static_cast<uint8_t>(b)))) : QString());
        fixed(2, b >= 32
                     ? QString::fromUcs4(std::u32string(1, OemToUnicode(static_cast<uint8_t>(b))).c_str(), 1)
                     : QString())
            ->setFont(terminal);
        grid_->setItem(b, kTargetColumn, new QTableWidgetItem());
    }
    connect(grid_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (column == kTargetColumn && !filling_) TakeCell(row);
    });

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* clear = button("ButtonClear", tr("清除表格(&T)"));
    QPushButton* save = button("ButtonSave", tr("保存表格(&S)"));
    QPushButton* load = button("ButtonLoad", tr("加载表格(&L)"));
    QPushButton* convert = button("ButtonConvert", tr("转换(&C)"));
    QPushButton* cancel = button("ButtonCancel", tr("取消"));
    QPushButton* helpButton = button("ButtonHelp", tr("帮助(&H)"));
    convert->setDefault(true);
    auto* scopeBox = new QGroupBox(tr("范围从"), this);
    scopeBox->setObjectName("RadioGroupScope");
    auto* fromCursor = new QRadioButton(tr("光标"), scopeBox);
    auto* fromStart = new QRadioButton(tr("开始"), scopeBox);
    scope_->addButton(fromCursor, 1);
    scope_->addButton(fromStart, 0);
    (model_.fromCursor ? fromCursor : fromStart)->setChecked(true);
    auto* scopeLayout = new QVBoxLayout(scopeBox);
    scopeLayout->addWidget(fromCursor);
    scopeLayout->addWidget(fromStart);

    connect(clear, &QPushButton::clicked, this, [this] {
        model_.Clear();
        FillGrid();
    });
    connect(save, &QPushButton::clicked, this, [this] {
        model_.Save();
        setWindowTitle(QString::fromStdString(model_.Caption()));
    });
    connect(load, &QPushButton::clicked, this, [this] {
        model_.Load();
        FillGrid();
    });
    connect(convert, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [help] {
        if (help) help(60);
    });

    auto* buttons = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(clear), static_cast<QWidget*>(save), static_cast<QWidget*>(load),
                       static_cast<QWidget*>(scopeBox), static_cast<QWidget*>(convert),
                       static_cast<QWidget*>(cancel), static_cast<QWidget*>(helpButton)})
        buttons->addWidget(w);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    // Each column as wide as its header plus 15 pixels (the target column plus 25); only the
    // height can change.
    const QFontMetrics metrics(grid_->horizontalHeader()->font());
    int gridWidth = 20 + 5 * grid_->frameWidth();
    for (int c = 0; c < 4; ++c) {
        const int width =
            metrics.horizontalAdvance(grid_->horizontalHeaderItem(c)->text()) + (c == 3 ? 25 : 15);
        grid_->setColumnWidth(c, width);
        gridWidth += width;
    }
    grid_->setFixedWidth(gridWidth + grid_->verticalScrollBar()->sizeHint().width());
    FillGrid();
    resize(sizeHint().width(), 480);
    RestoreFormGeometry(this, "TFormCharTable");
    setFixedWidth(sizeHint().width());
    setMinimumHeight(helpButton->sizeHint().height() * 7 + scopeBox->sizeHint().height() + 40);
}

TFormCharTable::~TFormCharTable() {
    SaveFormGeometry(this, "TFormCharTable");
}

void TFormCharTable::FillGrid() {
    filling_ = true;
    for (int b = 0; b < 256; ++b)
        grid_->item(b, kTargetColumn)
            ->setText(QString::fromStdString(model_.targets[static_cast<size_t>(b)]));
    filling_ = false;
    setWindowTitle(QString::fromStdString(model_.Caption()));
}

void TFormCharTable::TakeCell(int row) {
    const std::string typed = grid_->item(row, kTargetColumn)->text().toStdString();
    const std::string cell = CharTableDialogModel::NormalizeCell(typed);
    model_.targets[static_cast<size_t>(row)] = cell;
    model_.tableModified = true;
    if (cell != typed) {
        filling_ = true;
        grid_->item(row, kTargetColumn)->setText(QString::fromStdString(cell));
        filling_ = false;
    }
}

void TFormCharTable::MapByDrop(int sourceByte, int targetByte) {
    grid_->item(sourceByte, kTargetColumn)->setText(Hex2(targetByte));
}

void TFormCharTable::done(int result) {
    // Edits not saved to a file are offered for saving whichever way the dialog closes.
    // Moving the current cell commits a target cell still being edited.
    grid_->setCurrentCell(std::max(grid_->currentRow(), 0), 0);
    if (!model_.AskDiscard()) return;
    if (result == QDialog::Accepted) {
        model_.fromCursor = scope_->checkedId() == 1;
        model_.GridToTable();
    }
    QDialog::done(result);
}

} // namespace qhe
