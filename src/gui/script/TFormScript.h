#pragma once
#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "editor/script/ScriptWindowModel.h"

class QAction;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace qhe {

// The script window: a plain-text editor for one script with the script and insert-command
// menus, the check and execute buttons. It lives for the whole program run; the model does
// the work, this class shows it.
class TFormScript : public QDialog, public ScriptEditorView {
    Q_OBJECT
  public:
    TFormScript(EditorState& state, std::function<void(int)> help, QWidget* parent = nullptr);
    ~TFormScript() override;

    ScriptWindowModel& Model() { return model_; }
    QPlainTextEdit* Memo() const { return memo_; }
    // Runs the insert-command item of that name (ADR2, FINDhexstring1 ...).
    void InsertCommand(const std::string& itemName);
    // ButtonSyntax and ButtonExecute.
    void CheckClicked();
    void ExecuteClicked();
    // Loads name as the script; false (message 2129 shown) when it cannot be read.
    bool LoadScript(const std::string& name);

    // ScriptEditorView
    std::vector<std::string> Lines() const override;
    void SetLines(const std::vector<std::string>& lines) override;
    bool Modified() const override;
    void SetModified(bool modified) override;
    void SelectLine(int index) override;

  signals:
    // A command-line run ended: the program ends.
    void endProgramRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  public:
    // Whether the editor still takes the tail of a long script (tests).
    bool Filling() const { return !filling_.empty(); }
    // Puts the rest of a long script into the editor at once.
    void CompleteFill();

  private:
    void BuildMenus();
    void UpdateFileState();
    // A long script goes into the editor a chunk per turn of the event loop, so that the window
    // shows it at once and stays responsive; until the last chunk the editor is read-only and
    // Lines() answers from the whole script.
    void FillMore();
    void StopFill();
    // A run lets the event loop turn to repaint its progress; the fill waits meanwhile, or
    // each turn would spend a chunk's time.
    struct FillPause {
        explicit FillPause(TFormScript& form);
        ~FillPause();
        TFormScript& form_;
    };

    EditorState& state_;
    ScriptWindowModel model_;
    std::function<void(int)> help_;
    QPlainTextEdit* memo_;
    QAction* save_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QPushButton* execute_ = nullptr;
    bool geometryRestored_ = false;
    std::vector<std::string> filling_; // the whole script while its tail is still coming
    size_t filled_ = 0;                // lines of it in the editor
    bool fillModified_ = false;        // the modified state to keep once the fill is done
    QTimer* fillTimer_ = nullptr;
};

} // namespace qhe
