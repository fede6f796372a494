#include "gui/FormMain.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <QPrinter>
#include <QWhatsThis>

#include "core/print/ReportGeometry.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/blocks/BlockState.h"
#include "editor/settings/SettingsStore.h"
#include "editor/OwnTexts.h"
#include "editor/tools/UnreadPages.h"
#include "gui/DataInspWindow.h"
#include "gui/compare/FormCompare.h"
#include "gui/FormGeometryQt.h"
#include "gui/Icons.h"
#include "gui/MainView.h"
#include "gui/grid/TQZStrGrid.h"
#include "gui/help/HelpTopics.h"
#include "platform/Paths.h"
#include <QLocale>
#include "gui/help/HelpWindow.h"
#include "gui/print/DumpPrinting.h"
#include "gui/print/FormPreview.h"
#include "gui/print/FormPrint.h"
#include "gui/script/TFormScript.h"
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QScreen>
#include <QShortcut>

#include "editor/view/HintText.h"
#include <QTimer>

namespace qhe {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The dialog's page choices in the report's terms.
DumpPrintSettings PrintLayoutOf(const PrintSettings& s) {
    static const int kFontSizes[] = {8, 10, 12};
    DumpPrintSettings layout;
    layout.unit = s.unit == 1 ? MeasureUnit::Inch : MeasureUnit::Millimetre;
    layout.marginLeft = MarginFromSetting(s.marginLeft);
    layout.marginRight = MarginFromSetting(s.marginRight);
    layout.marginTop = MarginFromSetting(s.marginTop);
    layout.marginBottom = MarginFromSetting(s.marginBottom);
    layout.fontSize = kFontSizes[std::clamp(s.fontSizeIndex, 0, 2)];
    return layout;
}

} // namespace

TFormMain::TFormMain(std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent), commands_(ui_), arguments_(std::move(arguments)) {
    setObjectName("TFormMain");
    setAcceptDrops(true);
    commands_.State().doc.CurrentDir =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    view_ = new MainView(commands_, this);
    setCentralWidget(view_);
    BuildContextMenu();
    snapTimer_ = new QTimer(this);
    snapTimer_->setObjectName(QStringLiteral("SnapTimer"));
    snapTimer_->setSingleShot(true);
    snapTimer_->setInterval(150);
    connect(snapTimer_, &QTimer::timeout, this, &TFormMain::SnapToCells);
    ui_.SetStatusHandler([this](const std::string& text) {
        ShowHint(text);
        panels_[3]->repaint();
    });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TFormMain::ShowContextHelp);
    commands_.requestClose = [this] { close(); };
    commands_.showAbout = [this] { ShowAbout(); };
    commands_.showHelp = [this](int context) { ShowHelp(context); };
    commands_.enterWhatsThis = [] { QWhatsThis::enterWhatsThisMode(); };
    commands_.showInspector = [this](bool shown) { SetInspectorShown(shown); };
    commands_.showPrint = [this] { ShowPrint(); };
    commands_.Compare().show = [this](std::shared_ptr<CompareSession> session) {
        (new TFormCompare(this, commands_.Compare(), std::move(session)))->show();
    };
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 128)
        commands_.State().decimalSeparator = static_cast<char>(point[0].unicode());
    commands_.optionsApplied = [this](const OptionsChange& change) {
        const OptionsSettings& o = commands_.State().options;
        if (change.toolBar)
            if (auto* bar = findChild<QToolBar*>("Panel1")) bar->setVisible(!o.hideToolBar);
        if (change.grid || change.toolBar) ApplyGrid(QFont(Q(o.font), o.fontSize), o.cols, o.rows);
        if (change.inspectorLabels && inspector_) inspector_->RebuildLabels(commands_.State().dataInsp);
        view_->Refresh();
        RefreshInspector();
    };
    ui_.gridLimits = [this] {
        const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
        const QSize chrome = size() - view_->size();
        const GridSize fit =
            FitGridToWindow(view_->Metrics(), view_->Cells(), commands_.State().view.HideAddressRange,
                            area.width() - chrome.width(), area.height() - chrome.height());
        return QSize(fit.cols, fit.rows);
    };
    ui_.SetHelpHandler([this](int context) { ShowHelp(context); });
    SetHelpTexts();
    commands_.State().actions.onChange = [this](const std::string& name) { RefreshAction(name); };
    commands_.State().onChange = [this](unsigned what) { Refresh(what); };
    // The paste items follow what the clipboard holds.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { commands_.ClipboardChanged(); });
    Refresh(kChangedAll);
    for (const auto& [name, action] : actions_)
        RefreshAction(name);
    const OptionsSettings defaults;
    ApplyGrid(QFont(Q(defaults.font), defaults.fontSize), defaults.cols, defaults.rows);

    script_ = new TFormScript(
        commands_.State(), [this](int context) { ShowHelp(context); }, this);
    // Any text is at least one line; asked on every caption change, so without splitting it.
    commands_.scriptHasLines = [this] { return !script_->Memo()->document()->isEmpty(); };
    commands_.showScript = [this](bool autoRun) { ShowScript(autoRun); };
    // Ctrl+F9 follows the script text too, not only the menu's last opening.
    connect(script_, &QDialog::finished, this, [this] { commands_.UpdateScriptItems(); });
    // The run saved a modified Document already; a failed save still gets the question.
    connect(
        script_, &TFormScript::endProgramRequested, this, [this] { close(); }, Qt::QueuedConnection);
}

int TFormMain::ExitStatus() const {
    return script_->Model().batchStatus;
}

void TFormMain::ShowScript(bool autoRun) {
    script_->Model().autoRun = autoRun;
    script_->show();
    script_->raise();
    script_->activateWindow();
}

void TFormMain::RunCommandLineScript() {
    // The file's progress box goes and the window shows the file before the script loads.
    QCoreApplication::processEvents();
    if (!script_->LoadScript(commands_.Script().scriptFile)) { // message 2129 shown
        script_->Model().batchStatus = 2;
        return;
    }
    script_->Model().batchMode = true;
    ShowScript(true);
}

void TFormMain::ApplyGrid(const QFont& font, int cols, int rows) {
    sizing_ = true;
    QFont paneFont = font;
    paneFont.setStyleHint(QFont::TypeWriter);
    view_->SetPaneFont(paneFont);
    // A grid that the screen cannot hold falls back to the designed 17 x 19: judged before its
    // cells are made (a damaged settings file may ask for millions), and again with the chrome.
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 4096, 4096);
    const QSize panes =
        view_->SizeFor(std::clamp(cols, 1, kMaxGridCells), std::clamp(rows, 1, kMaxGridCells));
    if (panes.width() > screen.width() || panes.height() > screen.height()) {
        cols = kDefaultCols;
        rows = kDefaultRows;
    }
    QSize need = view_->SetGridSize(cols, rows);
    // A window not shown yet has not laid out its bars; measuring the chrome on that stale
    // layout would give the window a wrong first size.
    if (QLayout* bars = layout()) bars->activate();
    const QSize chrome = size() - view_->size();
    if (need.width() + chrome.width() > screen.width() || need.height() + chrome.height() > screen.height())
        need = view_->SetGridSize(kDefaultCols, kDefaultRows);
    resize(need + chrome);
    sizing_ = false;
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!sizing_ && activated_) snapTimer_->start();
}

// After the user resized the window: the grid takes whole cells and the window snaps to them.
void TFormMain::SnapToCells() {
    // While a progress box runs (a load at start-up, say) the window is disabled and its size
    // may still be on its way from the window manager: the snap waits for the work to end.
    if (!isEnabled()) {
        snapTimer_->start();
        return;
    }
    if (isMaximized() || isFullScreen()) {
        view_->FitToSize(view_->size());
        return;
    }
    sizing_ = true;
    const QSize chrome = size() - view_->size();
    resize(view_->FitToSize(view_->size()) + chrome);
    sizing_ = false;
}

TFormMain::~TFormMain() = default;

QAction* TFormMain::Action(const std::string& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TFormMain::AddMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const auto& entry : entries) {
        if (entry.separatorBefore) menu->addSeparator();
        if (!entry.children.empty() || entry.name == "Reopen1") {
            QMenu* sub = menu->addMenu(Q(CaptionOf(entry)));
            sub->setObjectName(Q(entry.name));
            menus_[entry.name] = sub;
            actions_[entry.name] = sub->menuAction();
            AddMenuEntries(sub, entry.children);
            continue;
        }
        QAction* action = menu->addAction(Q(CaptionOf(entry)));
        action->setObjectName(Q(entry.name));
        // Several keys are separated by ';'; the first one is shown in the menu.
        QList<QKeySequence> keys;
        for (const QString& key : Q(entry.shortcut).split(';', Qt::SkipEmptyParts))
            if (!key.trimmed().isEmpty()) keys.append(QKeySequence(key.trimmed()));
        action->setShortcuts(keys);
        const std::string name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] { commands_.Execute(name); });
        actions_[name] = action;
    }
}

void TFormMain::BuildMenus() {
    for (const auto& top : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(Q(CaptionOf(top)));
        menu->setObjectName(Q(top.name));
        const std::string name = top.name;
        connect(menu, &QMenu::aboutToShow, this, [this, name] { commands_.MenuOpened(name); });
        menus_[top.name] = menu;
        actions_[top.name] = menu->menuAction();
        AddMenuEntries(menu, top.children);
    }
}

void TFormMain::BuildToolBar() {
    QToolBar* bar = addToolBar("Panel1");
    bar->setObjectName("Panel1");
    bar->setMovable(false);
    bar->setIconSize(QSize(18, 18));
    for (const auto& button : ToolButtons()) {
        const QString caption = Q(CaptionOf(button));
        QAction* action = bar->addAction(ToolButtonIcon(button.name), caption);
        action->setObjectName(Q(button.name));
        action->setToolTip(caption);
        action->setStatusTip(caption);
        action->setProperty("fixedHint", caption);
        const std::string name = button.name;
        connect(action, &QAction::triggered, this, [this, name] { commands_.Execute(name); });
        actions_[name] = action;
    }
}

void TFormMain::BuildContextMenu() {
    // The block and clipboard commands at the mouse, on both data panes; the items are the
    // menus' own actions, so keys, enabling and hints are theirs.
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName("ContextMenu");
    for (const char* name :
         {"Cut1", "Copy1", "Copyhex1", "CopyAs1", "Paste1", "Pastefromhexstring1", "Pastefrombase641", "",
          "Blockmark1", "Blockall1", "Blockunmark1", "Blockdelete1", "", "Goto1"}) {
        if (*name == 0)
            contextMenu_->addSeparator();
        else if (QAction* action = Action(name))
            contextMenu_->addAction(action);
    }
    for (TQZStrGrid* grid : {view_->HexGrid(), view_->TextGrid()}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& at) {
            for (const char* menu : {"Edit1", "Clipboard1", "CopyAs1"})
                commands_.MenuOpened(menu);
            contextMenu_->popup(grid->mapToGlobal(at));
        });
    }
}

void TFormMain::BuildStatusBar() {
    // The first three panels are fitted to their widest texts, plus 10 pixels.
    const QFontMetrics metrics(statusBar()->font());
    const int frame = 2 * QFrame().frameWidth() + 8;
    const int widths[4] = {metrics.horizontalAdvance(Q(FormatMsg(2013, {999999999}))) + 10 + frame,
                           metrics.horizontalAdvance(Q(FormatMsg(2014, {255}))) + 10 + frame,
                           metrics.horizontalAdvance(Q(Msg(2016))) + 10 + frame, 0};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panelWidths_[static_cast<size_t>(i)] = widths[i];
        if (widths[i]) panels_[i]->setFixedWidth(widths[i]);
        if (i == 3) {
            // The block's first and last byte and its length, shown only while one is marked.
            blockPanel_ = new QLabel(this);
            blockPanel_->setObjectName("StatusPanelBlock");
            blockPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            blockPanel_->hide();
            statusBar()->addWidget(blockPanel_);
        }
        statusBar()->addWidget(panels_[i], widths[i] ? 0 : 1);
    }
    // The hint panel takes the room the layout leaves it (beside the size grip) and never
    // widens for a long text; the text is shortened to it again whenever its width changes.
    panels_[3]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels_[3]->installEventFilter(this);
    // Hints of menus and tool buttons go to the last panel, as all hints do.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) ShowHint(text.toStdString());
        statusBar()->clearMessage();
    });
}

bool TFormMain::event(QEvent* event) {
    // The first activation (or first showing, where no window manager activates windows).
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !activated_) {
        activated_ = true;
        // The start-up work runs once, after the window is on screen.
        QMetaObject::invokeMethod(
            this, [this] { FormActivate(); }, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void TFormMain::FormActivate() {
    const MainSettings settings =
        ReadSettingsInto(commands_.State(), SettingsFileName(), ScreenInfoOf(this), ProgramFolder());
    if (auto* bar = findChild<QToolBar*>("Panel1")) bar->setVisible(!settings.options.hideToolBar);
    ApplyGrid(QFont(Q(settings.options.font), settings.options.fontSize), settings.options.cols,
              settings.options.rows);
    // The saved position holds only on the screen it was saved on; elsewhere the window is centred.
    if (settings.displayMatches && settings.placement.top && settings.placement.left) {
        move(*settings.placement.left, *settings.placement.top);
    } else if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    if (settings.displayMatches && settings.placement.windowState == 2) showMaximized();
    if (!commands_.StartUp(arguments_)) {
        QApplication::exit(1);
        return;
    }
    // Parameters %0..%9 come from the command line for every run, not only the unattended one.
    script_->Model().parameters = commands_.ScriptParameters();
    commands_.UpdateScriptItems();
    if (commands_.Script().present)
        RunCommandLineScript();
    else if (commands_.State().actions.Checked("DataInspector1"))
        SetInspectorShown(true);
}

void TFormMain::SetInspectorShown(bool shown) {
    if (!shown) {
        delete inspector_; // saves its geometry
        inspector_ = nullptr;
        return;
    }
    if (inspector_) return;
    inspector_ = new TFormInspect(this);
    connect(inspector_, &TFormInspect::closedByUser, this, [this] {
        commands_.State().actions.SetChecked("DataInspector1", false);
        inspector_->deleteLater();
        inspector_ = nullptr;
    });
    inspector_->lineEditable = [this](int line, const std::string& text) {
        return commands_.InspectorLineEditable(line, text);
    };
    connect(inspector_, &TFormInspect::configureRequested, this, [this] { commands_.Options1Click(2); });
    connect(inspector_, &TFormInspect::editRequested, this,
            [this](int line, const QString& text) { commands_.InspectorEdit(line, text.toStdString()); });
    inspector_->RebuildLabels(commands_.State().dataInsp);
    inspector_->show();
    RefreshInspector();
    // The keyboard stays in the editor.
    activateWindow();
}

void TFormMain::RefreshInspector() {
    if (!inspector_) return;
    inspector_->RefreshValues(InspectorValues(commands_.State(), commands_.State().decimalSeparator));
}

void TFormMain::ShowPrint() {
    const std::string settingsFile = SettingsFileName();
    const PrintSettings settings = ReadPrintSettings(ProfileSession(settingsFile));
    const DumpViewFacts facts = commands_.PrintViewFacts();
    TFormPrint dialog(settings, facts.blockEnd != 0, this);
    dialog.help = [this](int context) { ShowHelp(context); };
    dialog.onPreviewPrint = [this, &dialog](const PrintDialogValues& values) {
        return PrintFromDialog(dialog, values);
    };
    if (dialog.exec() != QDialog::Accepted) return;
    try {
        ProfileSession profile(settingsFile);
        WritePrintSettings(profile, dialog.Values().settings);
        profile.Commit();
    } catch (const ProfileWriteError&) {
        ui_.ShowError(Msg(kMsgSettingsWriteFailed));
    }
}

bool TFormMain::PrintFromDialog(const TFormPrint& dialog, const PrintDialogValues& values) {
    const PrintSettings& s = values.settings;
    if (s.outputToFile)
        return commands_.OutputDump({values.range, s.bytesPerRow, s.offsetDecimal, s.textBelow});
    const DumpFormat format{ParseBytesPerRow(s.bytesPerRow), s.offsetDecimal, s.textBelow};
    const DumpPrintSettings layout = PrintLayoutOf(s);
    QPrinter printer(QPrinter::HighResolution);
    dialog.ConfigurePrinter(printer);
    const Document& doc = commands_.State().doc;
    const DumpViewFacts facts = commands_.PrintViewFacts();
    DumpRangeInput input = DumpRangeInputOf(values.range, facts, doc.Size());
    input.linesPerPage = DumpRowsPerPage(printer, layout, format);
    std::unique_ptr<TFormPreview> preview;
    const UnreadPages unread(doc);
    const DumpPrintOutcome outcome = MakeDumpPreview(printer, layout, doc.FileName, ByteView(doc),
                                                     ComputeDumpRange(input, format), format, this, preview);
    if (outcome == DumpPrintOutcome::Cancelled) return false;
    if (outcome != DumpPrintOutcome::Printed) {
        ui_.ShowError(Msg(kMsgPageTooSmall));
        return false;
    }
    preview->help = [this](int context) { ShowHelp(context); };
    if (values.pdfEntry) AskPdfFileBeforePrinting(*preview, printer, ui_, doc.CurrentDir);
    preview->exec();
    // The pages shown or printed held zeros for pages of the file that could not be read.
    if (unread.All() > 0) ui_.ShowError(unread.Text(kTextUnreadResult, unread.All()));
    return true;
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!commands_.CloseQuery()) {
        event->ignore();
        return;
    }
    commands_.Close();
    SetInspectorShown(false);
    const int windowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    const QRect frame = normalGeometry();
    WriteSettingsFrom(commands_.State(), SettingsFileName(), ScreenInfoOf(this), frame.top(), frame.left(),
                      windowState);
    commands_.ClipboardCheckAtExit();
    event->accept();
}

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent* event) {
    std::vector<std::string> names;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) names.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    event->acceptProposedAction();
    // Open after the drop has finished, so the drag source is not kept waiting by dialogs.
    QMetaObject::invokeMethod(
        this, [this, names] { commands_.DropFiles(names); }, Qt::QueuedConnection);
}

void TFormMain::Refresh(unsigned what) {
    EditorState& state = commands_.State();
    if (what & kChangedCaption) {
        // "[*]": the window manager's title shows an asterisk there while the file is modified.
        setWindowTitle(Q(state.caption) + "[*]");
        QApplication::setApplicationDisplayName(QString());
    }
    // Every change of Modified (an edit, undo back to the save point, a save) comes with a
    // refresh of the status or the caption.
    setWindowModified(state.doc.IsOpen && state.doc.Modified);
    if (what & kChangedStatus) {
        const QFontMetrics metrics(statusBar()->font());
        const int frame = 2 * QFrame().frameWidth() + 8;
        for (int i = 0; i < 3; ++i) {
            const QString text = Q(state.status[static_cast<size_t>(i)]);
            // Addresses of files above 4 GiB need more digits than the panel was made for.
            const int width =
                std::max(panelWidths_[static_cast<size_t>(i)], metrics.horizontalAdvance(text) + 10 + frame);
            if (panels_[i]->minimumWidth() != width) panels_[i]->setFixedWidth(width);
            panels_[i]->setText(text);
        }
        ShowHint(state.status[3]);
    }
    if (what & (kChangedView | kChangedStatus)) {
        const QString block = Q(BlockStatusText(state.block, state.view.BaseAddress));
        if (blockPanel_->text() != block) blockPanel_->setText(block);
        blockPanel_->setVisible(!block.isEmpty());
    }
    if (what & kChangedRecent) RebuildRecentFiles();
    // A Document opened or closed: Ctrl+F9 follows.
    if ((what & kChangedCaption) && script_) commands_.UpdateScriptItems();
    // Edits change the size, and every edit updates the status: Print1 follows it.
    if (what & (kChangedCaption | kChangedStatus)) commands_.UpdatePrintItem();
    if (what & (kChangedView | kChangedStatus)) {
        if (view_->AddressWidthChanged() && !sizing_) {
            const EditorState& state = commands_.State();
            ApplyGrid(QFont(Q(state.options.font), state.options.fontSize), state.view.Cols, state.view.Rows);
        }
        view_->Refresh();
        RefreshInspector();
    }
}

void TFormMain::RefreshAction(const std::string& name) {
    QAction* action = Action(name);
    const ActionRegistry::State* state = commands_.State().actions.Find(name);
    if (!action || !state) return;
    action->setEnabled(state->enabled);
    action->setVisible(state->visible);
    if (!state->caption.empty()) action->setText(Q(state->caption));
    // A hint that names the step at hand (undo / redo) replaces the fixed one; with nothing
    // left to undo the fixed one comes back (for a menu item its caption, so that the status
    // bar no longer names the step either).
    if (!state->hint.empty() || action->property("hinted").toBool()) {
        QString hint = Q(state->hint);
        if (hint.isEmpty()) hint = action->property("fixedHint").toString();
        if (hint.isEmpty()) hint = action->text().remove(QRegularExpression(R"(\(&.\)|&|\.+$)"));
        action->setProperty("hinted", true);
        action->setStatusTip(hint);
        if (name.starts_with("QZBtn")) action->setToolTip(hint);
    }
    if (state->checked) action->setCheckable(true);
    action->setChecked(state->checked);
}

void TFormMain::RebuildRecentFiles() {
    QMenu* reopen = menus_["Reopen1"];
    if (!reopen) return;
    reopen->clear();
    for (const auto& entry : commands_.State().recent.Rebuild()) {
        QAction* action = reopen->addAction(Q(entry.caption));
        action->setObjectName(Q(entry.name));
        action->setStatusTip(QFile::decodeName(entry.fileName.c_str()));
        const std::string name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] { commands_.OpenRecent(name); });
    }
    reopen->setEnabled(!commands_.State().recent.Files().empty());
}

void TFormMain::ShowHint(const std::string& text) {
    hint_ = text;
    FitHint();
}

void TFormMain::FitHint() {
    const int width = panels_[3]->width() - 10;
    const QFontMetrics metrics(panels_[3]->font());
    panels_[3]->setText(
        Q(ShortenHint(hint_, width, [&](const std::string& t) { return metrics.horizontalAdvance(Q(t)); })));
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panels_[3] && event->type() == QEvent::Resize) FitHint();
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::ShowContextHelp() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == view_->TextGrid())
        HelpWindow::ShowPopup(39, focus);
    else if (focus == view_->HexGrid())
        HelpWindow::ShowPopup(40, focus);
    else
        ShowHelp(0);
}

void TFormMain::ShowHelp(int context) {
    // Asked from a modal window (options, print dialog, preview): the main window's viewer would
    // open behind it and take no input while it is up, so the topic opens in one it owns.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        auto* viewer = new HelpWindow(modal);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->ShowTopic(context);
        return;
    }
    if (!help_) help_ = new HelpWindow(this);
    help_->ShowTopic(context);
}

// "What's this" texts: the help topic of each part of the window, shown as a popup.
void TFormMain::SetHelpTexts() {
    auto popup = [](int context) {
        const HelpTopic& topic = HelpTopicFor(context);
        return QString("<b>%1</b><br>%2").arg(Q(topic.title), Q(topic.body));
    };
    if (auto* bar = findChild<QToolBar*>("Panel1")) bar->setWhatsThis(popup(8));
    view_->TextGrid()->setWhatsThis(popup(39));
    view_->HexGrid()->setWhatsThis(popup(40));
    view_->AddressGrid()->setWhatsThis(popup(70));
    for (int i = 0; i < 4; ++i)
        panels_[i]->setWhatsThis(popup(35 + i));
    std::function<void(const std::vector<MenuEntry>&)> walk = [&](const std::vector<MenuEntry>& entries) {
        for (const auto& entry : entries) {
            if (entry.helpContext != 0)
                if (QAction* action = Action(entry.name)) action->setWhatsThis(popup(entry.helpContext));
            walk(entry.children);
        }
    };
    walk(MainMenu());
}

void TFormMain::ShowAbout() {
    QDialog about(this);
    about.setObjectName("TFormAbout2");
    about.setWindowTitle(Q(commands_.AboutCaption()));
    auto* layout = new QVBoxLayout(&about);
    auto* title = new QLabel("<b>QHE32</b>", &about);
    auto* info = new QLabel(Q(commands_.AboutText()), &about);
    info->setObjectName("LabelInfo");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &about);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(info);
    layout->addWidget(buttons);
    // The box is at least as wide as its caption needs in a bold title font, with room for a
    // window manager's icon and buttons, so the caption is not cut.
    QFont titleFont = about.font();
    titleFont.setBold(true);
    const int captionWidth = QFontMetrics(titleFont).horizontalAdvance(about.windowTitle());
    about.setMinimumWidth(captionWidth + 6 * QFontMetrics(titleFont).height() + 20);
    about.exec();
}

} // namespace qhe
