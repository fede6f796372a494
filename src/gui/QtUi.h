#pragma once
#include <QMimeData>
#include <QPointer>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/Ui.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/HelpHandler.h"

namespace qhe {

// The Ui of the Qt front end: real modal dialogs over the active window, the progress box,
// the wait cursor and the busy text in the main window's last status panel.
class QtUi final : public Ui {
  public:
    using StatusHandler = std::function<void(const std::string&)>;

    // Shows a help topic by context number (the help window sets it).
    void SetHelpHandler(HelpHandler help) { help_ = std::move(help); }
    // Shows a busy text in the last status panel; called with "" when the work ends.
    void SetStatusHandler(StatusHandler status) { status_ = std::move(status); }

    int MessageBox(const std::string& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                   int helpContext, bool showIcon) override;
    bool InputText(const std::string& caption, const std::string& prompt, std::string& value,
                   int helpContext) override;
    bool SelectFromList(const std::string& caption, const std::vector<std::string>& list, bool allowDelete,
                        int helpContext, int& index) override;
    void ShowMemo(const std::string& caption, const std::string& text, int helpContext) override;
    std::unique_ptr<Progress> CreateProgress(bool withCancel, bool withGauge, const std::string& text,
                                             const std::string& caption) override;
    void SetWaitCursor(bool wait) override;
    void BeginBusy(const std::string& text) override;
    void EndBusy() override;
    std::optional<int> RunGotoDialog(int mode,
                                     const std::function<bool(const std::string&, int)>& accept) override;
    bool RunJumpDialog(const std::function<bool(const std::string&)>& accept) override;
    bool RunCharTableDialog(CharTableDialogModel& model) override;
    bool RunEncodeDialog(EncodeDialogModel& model) override;
    bool RunBitDialog(BitDialogModel& model) override;
    void RunHashDialog(HashDialogModel& model) override;
    std::optional<OptionsValues> RunOptionsDialog(const OptionsValues& current, int page,
                                                  SendToShortcut& sendTo) override;
    std::optional<FindDialogResult> RunFindDialog(const FindDialogRequest& request) override;
    std::optional<ReplaceDialogResult> RunReplaceDialog(const ReplaceDialogRequest& request) override;
    // The most columns and rows the screen holds, for the options dialog (set by the window).
    std::function<QSize()> gridLimits;
    std::optional<InsertDialogResult> RunInsertDialog(const InsertDialogRequest& request) override;
    // The system clipboard: the private format as MIME type application/x-qzbinary, text as
    // text/plain converted from and to the ANSI code page.
    bool SetClipboardBytes(const std::string& bytes) override;
    std::optional<std::string> ClipboardBytes() override;
    bool SetClipboardText(const std::string& text) override;
    std::optional<std::string> ClipboardText() override;
    bool OwnsClipboard() override;
    void ClearClipboard() override;
    std::optional<OpenChoice> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<int64_t> AskBlockLength(const BlockLengthRequest& request) override;

  private:
    HelpHandler help_;
    StatusHandler status_;
    TFormOSE fileDialogs_;
    // The data this Ui last put on the clipboard; null once the clipboard let it go.
    QPointer<const QMimeData> placed_;
    bool waitCursor_ = false;
    int busyDepth_ = 0;
};

} // namespace qhe
