#pragma once
#include <array>
#include <QMainWindow>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/MainCommands.h"
#include "editor/menu/MenuModel.h"
#include "gui/QtUi.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QTimer;

namespace qhe {
class HelpWindow;
class MainView;
class TFormInspect;
class TFormPrint;
class TFormScript;
struct PrintDialogValues;
} // namespace qhe

namespace qhe {

// TFormMain: the main window. It builds its menus and tool bar from the editor's menu model,
// binds every action to the command of the same name, and repaints what the command layer
// reports as changed.
class TFormMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFormMain(std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~TFormMain() override;

    MainCommands& Commands() { return commands_; }
    // The program's exit status: that of a script named on the command line (see ScriptWindowModel).
    int ExitStatus() const;
    QtUi& UiImpl() { return ui_; }
    // The action or tool button action bound to a component name (null when unknown).
    QAction* Action(const std::string& name) const;

    HelpWindow* Help() const { return help_; }
    MainView* View() const { return view_; }
    TFormInspect* Inspector() const { return inspector_; }
    TFormScript* Script() const { return script_; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void FormActivate();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildContextMenu();
    void AddMenuEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    void Refresh(unsigned what);
    void RefreshAction(const std::string& name);
    void RebuildRecentFiles();
    // Applies the panes' font and lays out cols x rows, sizing the window to fit them.
    void ApplyGrid(const QFont& font, int cols, int rows);
    void SnapToCells();
    void ShowAbout();
    // Creates and shows the data inspector, or destroys it.
    void SetInspectorShown(bool shown);
    // Shows the script window modally; autoRun runs its script at once.
    void ShowScript(bool autoRun);
    // The script named on the command line: loaded, run at once, and the program ends after it.
    void RunCommandLineScript();
    void RefreshInspector();
    // Print1: the print dialog with the settings of section Printing, written back on OK.
    void ShowPrint();
    // The dialog's Preview/Print: the text file, or the preview for the chosen printer. True closes it.
    bool PrintFromDialog(const TFormPrint& dialog, const PrintDialogValues& values);
    void ShowHelp(int context);
    // Help for the focused part of the window (F1): a popup for the panes, else the contents.
    void ShowContextHelp();
    // Panel 3: the hint, shortened with "..." to the panel's width.
    void ShowHint(const std::string& text);
    void FitHint();
    void SetHelpTexts();

    QtUi ui_;
    MainCommands commands_;
    std::vector<std::string> arguments_;
    bool activated_ = false;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    QLabel* panels_[4] = {};
    QLabel* blockPanel_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    std::array<int, 4> panelWidths_{}; // the widths the panels were made with
    std::string hint_;                 // the whole hint; panel 3 shows it shortened
    MainView* view_ = nullptr;
    QTimer* snapTimer_ = nullptr;
    bool sizing_ = false;
    HelpWindow* help_ = nullptr;
    TFormInspect* inspector_ = nullptr;
    TFormScript* script_ = nullptr; // lives for the whole run, so its text stays between uses
};

} // namespace qhe
