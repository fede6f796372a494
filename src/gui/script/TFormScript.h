#pragma once
#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "editor/script/ScriptWindowModel.h"

class QAction;
class QPlainTextEdit;
class QPushButton;
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

  private:
    void BuildMenus();
    void UpdateFileState();

    EditorState& state_;
    ScriptWindowModel model_;
    std::function<void(int)> help_;
    QPlainTextEdit* memo_;
    QAction* save_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QPushButton* execute_ = nullptr;
    bool geometryRestored_ = false;
};

} // namespace qhe
