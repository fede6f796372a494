#pragma once
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/Ui.h"

namespace qhe {

// What a batch run adds to the headless Ui: a stop request (a signal) that cancels every
// progress box, and a status line that follows the gauge when standard error is a terminal.
struct HeadlessHooks {
    std::function<bool()> stopRequested;
    std::function<void(const std::string& caption, int percent)> showProgress;
    // Called before a message is written, so a shown status line can be erased first.
    std::function<void()> clearProgress;
    // Messages are written as the box shows their text: no caption, no indent, no answer.
    bool plainMessages = false;
};

// Progress box of runs without a display: follows the gauge and text rules and shows nothing
// itself; it cancels only when the hooks report a stop request.
class HeadlessProgress final : public Progress {
  public:
    HeadlessProgress(std::string text, std::string caption, const HeadlessHooks* hooks = nullptr)
        : text_(std::move(text)), caption_(std::move(caption)), hooks_(hooks) {}

    bool SetProgress(int64_t done, int64_t total, int step) override {
        const bool moved = gauge_.Update(done, total, step);
        if (moved && hooks_ && hooks_->showProgress) hooks_->showProgress(caption_, gauge_.Value());
        return moved;
    }
    void SetText(const std::string& text, int every) override {
        if (throttle_.Due(every)) text_ = text;
    }
    void SetCaption(const std::string& text) override { caption_ = text; }
    // While cancel is off (an in-place write) a stop request waits until the box allows it again.
    void EnableCancel(bool enabled) override { cancelEnabled_ = enabled; }
    bool Cancelled() const override {
        return cancelEnabled_ && hooks_ && hooks_->stopRequested && hooks_->stopRequested();
    }

    int Percent() const { return gauge_.Value(); }
    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return caption_; }

  private:
    ProgressGauge gauge_;
    TextThrottle throttle_;
    std::string text_;
    std::string caption_;
    const HeadlessHooks* hooks_;
    bool cancelEnabled_ = true;
};

// The Ui of unattended runs without a display (a script given on the command line). Every
// message goes to the stream as "<caption>: <text>" and every question is answered with its
// default button, as pressing Enter would; input, list and file dialogs answer Cancel.
class HeadlessUi final : public Ui {
  public:
    explicit HeadlessUi(std::ostream& out = std::cerr, HeadlessHooks hooks = {})
        : out_(out), hooks_(std::move(hooks)) {}

    int MessageBox(const std::string& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                   int helpContext, bool showIcon) override;
    bool InputText(const std::string& caption, const std::string& prompt, std::string& value,
                   int helpContext) override;
    bool SelectFromList(const std::string& caption, const std::vector<std::string>& list, bool allowDelete,
                        int helpContext, int& index) override;
    void ShowMemo(const std::string& caption, const std::string& text, int helpContext) override;
    std::unique_ptr<Progress> CreateProgress(bool withCancel, bool withGauge, const std::string& text,
                                             const std::string& caption) override;
    void SetWaitCursor(bool) override {}
    void BeginBusy(const std::string&) override {}
    void EndBusy() override {}
    std::optional<int> RunGotoDialog(int mode,
                                     const std::function<bool(const std::string&, int)>& accept) override;
    bool RunJumpDialog(const std::function<bool(const std::string&)>& accept) override;
    bool RunCharTableDialog(CharTableDialogModel& model) override;
    bool RunEncodeDialog(EncodeDialogModel& model) override;
    bool RunBitDialog(BitDialogModel& model) override;
    void RunHashDialog(HashDialogModel&) override {}
    std::optional<OptionsValues> RunOptionsDialog(const OptionsValues& current, int page,
                                                  SendToShortcut& sendTo) override;
    std::optional<FindDialogResult> RunFindDialog(const FindDialogRequest& request) override;
    std::optional<ReplaceDialogResult> RunReplaceDialog(const ReplaceDialogRequest& request) override;
    std::optional<InsertDialogResult> RunInsertDialog(const InsertDialogRequest& request) override;
    // An in-process clipboard: an unattended run has no display to share one with.
    bool SetClipboardBytes(const std::string& bytes) override;
    std::optional<std::string> ClipboardBytes() override { return clipboardBytes_; }
    bool SetClipboardText(const std::string& text) override;
    std::optional<std::string> ClipboardText() override { return clipboardText_; }
    bool OwnsClipboard() override { return clipboardBytes_ || clipboardText_; }
    void ClearClipboard() override;
    std::optional<OpenChoice> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<int64_t> AskBlockLength(const BlockLengthRequest& request) override;

  private:
    // Writes "<caption>: <text>", continuation lines indented, then the answer given.
    void Write(const std::string& caption, const std::string& text, const std::string& answer);

    std::ostream& out_;
    HeadlessHooks hooks_;
    std::optional<std::string> clipboardBytes_;
    std::optional<std::string> clipboardText_;
};

// The caption of a message box of the kind: catalogue 700-703, the program's title for custom.
std::string MessageCaption(MsgKind kind);

} // namespace qhe
