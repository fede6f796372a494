#include "gui/script/TFormScript.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <map>

#include "core/text/Messages.h"
#include "editor/script/ScriptInsertMenu.h"
#include "gui/FormGeometryQt.h"
#include "gui/help/HelpTopics.h"

namespace qhe {
namespace {

constexpr int kHelpScriptWindow = 71;
constexpr int kHelpScriptButtons = 75;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// The "What's this" popup of a help context, as the main window shows it.
QString HelpPopup(int context) {
    const HelpTopic& topic = HelpTopicFor(context);
    return QStringLiteral("<b>%1</b><br>%2").arg(Q(topic.title), Q(topic.body));
}

} // namespace

TFormScript::TFormScript(EditorState& state, std::function<void(int)> help, QWidget* parent)
    : QDialog(parent), state_(state), model_(state, *this), help_(std::move(help)) {
    setObjectName(QStringLiteral("FormScript"));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);

    auto* tools = new QHBoxLayout;
    auto* open = new QToolButton(this);
    open->setObjectName(QStringLiteral("QZBtnOpen"));
    open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    saveButton_ = new QToolButton(this);
    saveButton_->setObjectName(QStringLiteral("QZBtnSave"));
    saveButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    tools->addWidget(open);
    tools->addWidget(saveButton_);
    tools->addStretch();
    layout->addLayout(tools);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("MemoScript"));
    fillTimer_ = new QTimer(this);
    fillTimer_->setInterval(0);
    connect(fillTimer_, &QTimer::timeout, this, &TFormScript::FillMore);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    memo_->setFont(font);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(memo_, 1);
    // Keeps the selection visible when the focus is elsewhere (the failing line after a run).
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    memo_->setPalette(palette);

    auto* buttons = new QHBoxLayout;
    auto* syntax = new QPushButton(tr("语法检查"), this);
    syntax->setObjectName(QStringLiteral("ButtonSyntax"));
    syntax->setWhatsThis(HelpPopup(kHelpScriptButtons));
    execute_ = new QPushButton(tr("执行"), this);
    execute_->setObjectName(QStringLiteral("ButtonExecute"));
    execute_->setWhatsThis(HelpPopup(kHelpScriptButtons));
    auto* close = new QPushButton(tr("关闭"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    auto* helpButton = new QPushButton(tr("帮助(&H)"), this);
    helpButton->setObjectName(QStringLiteral("ButtonHelp"));
    for (QPushButton* b : {syntax, execute_, close, helpButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(open, &QToolButton::clicked, this, [this] {
        model_.Open();
        UpdateFileState();
    });
    connect(saveButton_, &QToolButton::clicked, this, [this] { model_.SaveScript(); });
    connect(syntax, &QPushButton::clicked, this, &TFormScript::CheckClicked);
    connect(execute_, &QPushButton::clicked, this, &TFormScript::ExecuteClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_(kHelpScriptWindow);
    });
    BuildMenus();
    UpdateFileState();
    resize(560, 400);
}

TFormScript::~TFormScript() = default;

void TFormScript::BuildMenus() {
    auto* bar = static_cast<QMenuBar*>(layout()->menuBar());
    QMenu* script = bar->addMenu(tr("脚本(&S)"));
    script->setObjectName(QStringLiteral("Script1"));
    QAction* open = script->addAction(tr("打开(&O)..."), this, [this] {
        model_.Open();
        UpdateFileState();
    });
    open->setObjectName(QStringLiteral("Open1"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    save_ = script->addAction(tr("保存(&S)"), this, [this] { model_.SaveScript(); });
    save_->setObjectName(QStringLiteral("Save1"));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = script->addAction(tr("另存为(&A)"), this, [this] {
        model_.SaveScriptAs();
        UpdateFileState();
    });
    saveAs->setObjectName(QStringLiteral("Saveas1"));
    script->addSeparator();
    QAction* exit = script->addAction(tr("退出(&X)"), this, &QDialog::reject);
    exit->setObjectName(QStringLiteral("Exit1"));

    QMenu* insert = bar->addMenu(tr("插入命令(&I)"));
    insert->setObjectName(QStringLiteral("Insertcommand1"));
    std::map<std::string, QMenu*> submenus;
    for (const auto& [name, caption] : ScriptInsertSubmenus()) {
        submenus[name] = new QMenu(Q(Tr("ScriptMenu", caption)), insert);
        submenus[name]->setObjectName(Q(name));
    }
    // Items in menu order; a submenu appears where its first item is.
    for (const ScriptMenuItem& item : ScriptInsertItems()) {
        QMenu* menu = insert;
        if (*item.submenu) {
            menu = submenus[item.submenu];
            if (menu->actions().isEmpty()) insert->addMenu(menu);
        }
        QAction* action = menu->addAction(Q(Tr("ScriptMenu", item.caption)));
        action->setObjectName(Q(item.name));
        const std::string name = item.name;
        connect(action, &QAction::triggered, this, [this, name] { InsertCommand(name); });
    }
}

void TFormScript::UpdateFileState() {
    setWindowTitle(Q(model_.Caption()));
    save_->setEnabled(model_.SaveEnabled());
    saveButton_->setEnabled(model_.SaveEnabled());
}

void TFormScript::InsertCommand(const std::string& itemName) {
    const ScriptMenuItem* item = nullptr;
    for (const ScriptMenuItem& candidate : ScriptInsertItems())
        if (itemName == candidate.name) item = &candidate;
    if (!item) return;
    CompleteFill();
    QTextCursor cursor = memo_->textCursor();
    cursor.removeSelectedText();
    // A caret on the empty line after a final line break stands below the last line.
    const bool belowLast = cursor.block() == memo_->document()->lastBlock() &&
                           cursor.block().text().isEmpty() && memo_->document()->blockCount() > 1;
    const std::vector<std::string> lines = Lines();
    const int caretLine = belowLast ? static_cast<int>(lines.size()) : cursor.blockNumber();
    const CommandInsertion plan = PlanCommandInsertion(lines, caretLine, Tr("ScriptMenu", item->caption));
    const QString text = Q(plan.text);
    cursor.beginEditBlock();
    switch (plan.kind) {
    case CommandInsertion::Kind::InsertBefore:
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.insertText(text + QLatin1Char('\n'));
        break;
    case CommandInsertion::Kind::ReplaceLine:
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(text);
        break;
    case CommandInsertion::Kind::Append:
        cursor.movePosition(QTextCursor::End);
        if (!memo_->document()->isEmpty() && !belowLast) cursor.insertText(QStringLiteral("\n"));
        cursor.insertText(text);
        break;
    }
    cursor.endEditBlock();
    const int start = memo_->document()->findBlockByNumber(plan.line).position();
    cursor.setPosition(start + plan.selectFrom);
    cursor.setPosition(start + plan.selectFrom + plan.selectLength, QTextCursor::KeepAnchor);
    memo_->setTextCursor(cursor);
    memo_->setFocus();
}

TFormScript::FillPause::FillPause(TFormScript& form) : form_(form) {
    form_.fillTimer_->stop();
}

TFormScript::FillPause::~FillPause() {
    if (form_.Filling()) form_.fillTimer_->start();
}

void TFormScript::CheckClicked() {
    const FillPause pause(*this);
    model_.Check();
}

void TFormScript::ExecuteClicked() {
    ScriptWindowNext next;
    {
        const FillPause pause(*this);
        next = model_.Execute();
    }
    switch (next) {
    case ScriptWindowNext::Stay:
        break;
    case ScriptWindowNext::Close:
        accept();
        break;
    case ScriptWindowNext::EndProgram:
        accept();
        emit endProgramRequested();
        break;
    }
}

bool TFormScript::LoadScript(const std::string& name) {
    const bool loaded = model_.LoadScript(name);
    UpdateFileState();
    return loaded;
}

std::vector<std::string> TFormScript::Lines() const {
    if (!filling_.empty()) return filling_;
    std::vector<std::string> lines;
    const QTextDocument* document = memo_->document();
    if (document->isEmpty()) return lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    // The empty block after a final line break is no line of the script.
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

namespace {

// Lines of the editor per turn of the event loop: some 40 ms of the text document's work.
constexpr size_t kFillChunk = 20000;

QString JoinLines(const std::vector<std::string>& lines, size_t from, size_t to) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(to - from));
    for (size_t i = from; i < to; ++i)
        text << QString::fromStdString(lines[i]);
    return text.join(QLatin1Char('\n'));
}

} // namespace

void TFormScript::SetLines(const std::vector<std::string>& lines) {
    StopFill();
    if (lines.size() <= kFillChunk) {
        memo_->setPlainText(JoinLines(lines, 0, lines.size()));
        return;
    }
    filling_ = lines;
    filled_ = kFillChunk;
    fillModified_ = false;
    memo_->setPlainText(JoinLines(lines, 0, filled_));
    memo_->document()->setUndoRedoEnabled(false);
    memo_->setReadOnly(true);
    fillTimer_->start();
}

void TFormScript::FillMore() {
    if (filling_.empty()) return;
    const size_t end = std::min(filled_ + kFillChunk, filling_.size());
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QLatin1Char('\n') + JoinLines(filling_, filled_, end));
    filled_ = end;
    if (filled_ == filling_.size()) StopFill();
}

void TFormScript::CompleteFill() {
    while (!filling_.empty())
        FillMore();
}

void TFormScript::StopFill() {
    fillTimer_->stop();
    if (filling_.empty()) return;
    filling_.clear();
    memo_->setReadOnly(false);
    memo_->document()->setUndoRedoEnabled(true);
    memo_->document()->setModified(fillModified_);
}

bool TFormScript::Modified() const {
    return filling_.empty() ? memo_->document()->isModified() : fillModified_;
}

void TFormScript::SetModified(bool modified) {
    fillModified_ = modified;
    memo_->document()->setModified(modified);
}

void TFormScript::SelectLine(int index) {
    CompleteFill(); // the line may lie in the part still to come
    // Each block of the editor ends with one separator character.
    const auto selection = ScriptLineSelection(Lines(), index, 1);
    if (!selection) return;
    QTextCursor cursor = memo_->textCursor();
    cursor.setPosition(selection->first);
    cursor.setPosition(selection->first + selection->second, QTextCursor::KeepAnchor);
    memo_->setTextCursor(cursor);
    memo_->setFocus();
}

void TFormScript::showEvent(QShowEvent* event) {
    if (!geometryRestored_) {
        RestoreFormGeometry(this);
        geometryRestored_ = true;
        // Before the window is mapped its frame is unknown, and a move places the inside of the
        // window at the saved frame corner: each run would drift by the title bar's height.
        if (QWindow* window = windowHandle()) window->setFramePosition(pos());
    }
    execute_->setEnabled(model_.ExecuteEnabled());
    UpdateFileState();
    QDialog::showEvent(event);
    if (model_.autoRun) QTimer::singleShot(0, this, &TFormScript::ExecuteClicked);
}

void TFormScript::done(int result) {
    if (!model_.CanClose()) return;
    SaveFormGeometry(this);
    QDialog::done(result);
}

} // namespace qhe
