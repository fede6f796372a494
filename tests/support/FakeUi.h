#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/Ui.h"
#include "editor/clipboard/InsertDialogModel.h"
#include "editor/search/FindDialogModel.h"
#include "editor/search/ReplaceDialogModel.h"
#include "editor/settings/OptionsModel.h"

namespace qhe::test {

// A progress box that records what it was shown and cancels on request: after
// cancelAfterUpdates gauge moves (negative: never).
class FakeProgress final : public Progress {
  public:
    struct Log {
        std::vector<int> gaugeValues;
        std::vector<std::string> texts;
        std::string caption;
        int created = 0;
        int destroyed = 0;
        std::function<void()> onSetProgress; // runs at every SetProgress (a change during a transfer)
    };
    FakeProgress(Log& log, int cancelAfterUpdates) : log_(log), cancelAfter_(cancelAfterUpdates) {
        ++log_.created;
    }
    ~FakeProgress() override { ++log_.destroyed; }

    bool SetProgress(int64_t done, int64_t total, int step) override {
        if (log_.onSetProgress) log_.onSetProgress();
        if (!gauge_.Update(done, total, step)) return false;
        log_.gaugeValues.push_back(gauge_.Value());
        if (cancelAfter_ >= 0 && static_cast<int>(log_.gaugeValues.size()) >= cancelAfter_) cancelled_ = true;
        return true;
    }
    void SetText(const std::string& text, int every) override {
        if (throttle_.Due(every)) log_.texts.push_back(text);
    }
    void SetCaption(const std::string& text) override { log_.caption = text; }
    void EnableCancel(bool) override {}
    bool Cancelled() const override { return cancelled_; }

  private:
    Log& log_;
    int cancelAfter_;
    ProgressGauge gauge_;
    TextThrottle throttle_;
    bool cancelled_ = false;
};

// The scripted Ui of the command tests: records every message and answers questions,
// inputs and file dialogs from queues. A question without a queued answer gets the
// box's default button, as Enter would.
class FakeUi final : public Ui {
  public:
    struct Message {
        std::string text;
        MsgKind kind;
        unsigned buttons;
        int answer;
    };

    std::vector<Message> messages;
    std::deque<int> answers;                          // message box results
    std::deque<std::optional<std::string>> inputs;    // InputText: nullopt = Cancel
    std::deque<std::optional<int>> listChoices;       // SelectFromList: nullopt = Cancel
    std::deque<std::optional<OpenChoice>> openFiles;  // open dialog: nullopt = Cancel
    std::deque<std::optional<std::string>> saveFiles; // save dialog: nullopt = Cancel
    std::deque<std::optional<int64_t>> blockLengths;  // mark-n-bytes dialog: nullopt = Cancel
    std::vector<BlockLengthRequest> blockLengthRequests;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::string> busyTexts;
    std::vector<std::pair<std::string, std::string>> memos;
    FakeProgress::Log progress;
    int cancelAfterUpdates = -1; // progress boxes cancel after this many gauge moves
    int busyDepth = 0;
    bool waitCursor = false;

    int MessageBox(const std::string& text, MsgKind kind, unsigned buttons, MsgResult defaultButton, int,
                   bool) override {
        int answer = defaultButton;
        if (!answers.empty() && (buttons & ~(mbOK | mbHelp)) != 0) {
            answer = answers.front();
            answers.pop_front();
        }
        messages.push_back({text, kind, buttons, answer});
        return answer;
    }
    bool InputText(const std::string&, const std::string&, std::string& value, int) override {
        if (inputs.empty() || !inputs.front()) {
            if (!inputs.empty()) inputs.pop_front();
            return false;
        }
        value = *inputs.front();
        inputs.pop_front();
        return true;
    }
    bool SelectFromList(const std::string&, const std::vector<std::string>&, bool, int, int& index) override {
        if (listChoices.empty()) return false;
        auto choice = listChoices.front();
        listChoices.pop_front();
        if (!choice) return false;
        index = *choice;
        return true;
    }
    void ShowMemo(const std::string& caption, const std::string& text, int) override {
        memos.emplace_back(caption, text);
    }
    std::unique_ptr<Progress> CreateProgress(bool, bool, const std::string& text,
                                             const std::string& caption) override {
        progress.texts.push_back(text);
        progress.caption = caption;
        return std::make_unique<FakeProgress>(progress, cancelAfterUpdates);
    }
    void SetWaitCursor(bool wait) override { waitCursor = wait; }
    void BeginBusy(const std::string& text) override {
        ++busyDepth;
        busyTexts.push_back(text);
    }
    void EndBusy() override { --busyDepth; }
    // Goto and jump dialogs: each queued text is offered to accept like a press of OK, until
    // one is accepted; an empty queue (or running out) answers Cancel.
    std::deque<std::string> gotoTexts;
    std::optional<int> gotoMode; // the mode the user picks; the offered mode when not set
    std::deque<std::string> jumpTexts;
    std::optional<int> RunGotoDialog(int mode,
                                     const std::function<bool(const std::string&, int)>& accept) override {
        const int chosen = gotoMode.value_or(mode);
        while (!gotoTexts.empty()) {
            const std::string text = gotoTexts.front();
            gotoTexts.pop_front();
            if (accept(text, chosen)) return chosen;
        }
        return std::nullopt;
    }
    bool RunJumpDialog(const std::function<bool(const std::string&)>& accept) override {
        while (!jumpTexts.empty()) {
            const std::string text = jumpTexts.front();
            jumpTexts.pop_front();
            if (accept(text)) return true;
        }
        return false;
    }

    // Encode and bit dialogs: run the hooks when set, else answer Cancel.
    std::function<bool(EncodeDialogModel&)> encodeDialog;
    std::function<bool(BitDialogModel&)> bitDialog;
    bool RunEncodeDialog(EncodeDialogModel& model) override {
        return encodeDialog ? encodeDialog(model) : false;
    }
    bool RunBitDialog(BitDialogModel& model) override { return bitDialog ? bitDialog(model) : false; }
    std::function<void(HashDialogModel&)> hashDialog;
    void RunHashDialog(HashDialogModel& model) override {
        if (hashDialog) hashDialog(model);
    }

    // The character conversion dialog: runs charTableDialog when set, else answers Cancel.
    std::function<bool(CharTableDialogModel&)> charTableDialog;
    bool RunCharTableDialog(CharTableDialogModel& model) override {
        return charTableDialog ? charTableDialog(model) : false;
    }
    // The options dialog: runs optionsDialog when set, else answers Cancel.
    std::function<std::optional<OptionsValues>(const OptionsValues&, int)> optionsDialog;
    std::optional<OptionsValues> RunOptionsDialog(const OptionsValues& current, int page,
                                                  SendToShortcut&) override {
        if (!optionsDialog) return std::nullopt;
        return optionsDialog(current, page);
    }
    // The find and count dialog: runs findDialog when set, else answers Cancel.
    std::function<std::optional<FindDialogResult>(const FindDialogRequest&)> findDialog;
    std::optional<FindDialogResult> RunFindDialog(const FindDialogRequest& request) override {
        if (!findDialog) return std::nullopt;
        return findDialog(request);
    }
    // The replace dialog: runs replaceDialog when set, else answers Cancel.
    std::function<std::optional<ReplaceDialogResult>(const ReplaceDialogRequest&)> replaceDialog;
    std::optional<ReplaceDialogResult> RunReplaceDialog(const ReplaceDialogRequest& request) override {
        if (!replaceDialog) return std::nullopt;
        return replaceDialog(request);
    }
    // The insert / overwrite string dialog: runs insertDialog when set, else answers Cancel.
    std::function<std::optional<InsertDialogResult>(const InsertDialogRequest&)> insertDialog;
    std::optional<InsertDialogResult> RunInsertDialog(const InsertDialogRequest& request) override {
        if (!insertDialog) return std::nullopt;
        return insertDialog(request);
    }
    // An in-process clipboard: private bytes or text (setting one drops the other), the owner
    // flag, and failSet to make placing data fail.
    std::optional<std::string> clipboardBytes;
    std::optional<std::string> clipboardText;
    bool ownsClipboard = false;
    bool failSet = false;
    bool SetClipboardBytes(const std::string& bytes) override {
        if (failSet) return false;
        clipboardBytes = bytes;
        clipboardText.reset();
        ownsClipboard = true;
        return true;
    }
    std::optional<std::string> ClipboardBytes() override { return clipboardBytes; }
    bool SetClipboardText(const std::string& text) override {
        if (failSet) return false;
        clipboardText = text;
        clipboardBytes.reset();
        ownsClipboard = true;
        return true;
    }
    std::optional<std::string> ClipboardText() override { return clipboardText; }
    bool OwnsClipboard() override { return ownsClipboard; }
    void ClearClipboard() override {
        clipboardBytes.reset();
        clipboardText.reset();
        ownsClipboard = false;
    }
    std::optional<OpenChoice> ChooseOpenFile(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        if (openFiles.empty()) return std::nullopt;
        auto choice = openFiles.front();
        openFiles.pop_front();
        return choice;
    }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        if (saveFiles.empty()) return std::nullopt;
        auto choice = saveFiles.front();
        saveFiles.pop_front();
        return choice;
    }
    std::optional<int64_t> AskBlockLength(const BlockLengthRequest& request) override {
        blockLengthRequests.push_back(request);
        if (blockLengths.empty()) return std::nullopt;
        auto choice = blockLengths.front();
        blockLengths.pop_front();
        return choice;
    }

    // Number of messages whose text equals text.
    int Count(const std::string& text) const {
        int n = 0;
        for (const auto& m : messages)
            n += m.text == text;
        return n;
    }
};

} // namespace qhe::test
