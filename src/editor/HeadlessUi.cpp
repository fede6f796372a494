#include "editor/HeadlessUi.h"

#include "editor/clipboard/InsertDialogModel.h"
#include "editor/search/FindDialogModel.h"
#include "editor/search/ReplaceDialogModel.h"
#include "editor/settings/OptionsModel.h"
#include "editor/tools/CharConversion.h"

#include "core/text/Messages.h"
#include "editor/blocks/BlockLength.h"

#include <array>
#include <string_view>

namespace qhe {
namespace {

constexpr const char* kApplicationTitle = "QHE32";
constexpr const char* kContinuationIndent = "  ";
constexpr int kCancelCaption = 307; // "取消"

struct ButtonInfo {
    MsgButton button;
    MsgResult result;
    const char* caption; // the dialog's caption without its accelerator
};

// In display order, as the message box shows them.
constexpr std::array<ButtonInfo, 10> kButtons = {{
    {mbYes, mrYes, QHE_TR_NOOP("Buttons", "是")},
    {mbNo, mrNo, QHE_TR_NOOP("Buttons", "否")},
    {mbOK, mrOk, QHE_TR_NOOP("Buttons", "确定")},
    {mbCancel, mrCancel, QHE_TR_NOOP("Buttons", "取消")},
    {mbAbort, mrAbort, "Abort"},
    {mbRetry, mrRetry, "Retry"},
    {mbIgnore, mrIgnore, "Ignore"},
    {mbAll, mrAll, "All"},
    {mbNoToAll, mrNoToAll, "No to All"},
    {mbYesToAll, mrYesToAll, "Yes to All"},
}};

// The result Enter gives: the default button, or the first shown button when no default is set.
int DefaultAnswer(unsigned buttons, MsgResult defaultButton) {
    if (defaultButton != mrNone) return defaultButton;
    for (const ButtonInfo& info : kButtons)
        if (buttons & info.button) return info.result;
    return mrOk;
}

std::string ResultCaption(int result) {
    for (const ButtonInfo& info : kButtons)
        if (info.result == result) return Tr("Buttons", info.caption);
    return std::to_string(result);
}

// Catalogue texts pad lines with blanks to widen the box; a log line does not need them.
std::string_view TrimRight(std::string_view line) {
    const size_t end = line.find_last_not_of(" \r");
    return end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
}

} // namespace

std::string MessageCaption(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning:
        return Msg(700);
    case MsgKind::Error:
        return Msg(701);
    case MsgKind::Information:
        return Msg(702);
    case MsgKind::Confirmation:
        return Msg(703);
    case MsgKind::Custom:
        break;
    }
    return kApplicationTitle;
}

void HeadlessUi::Write(const std::string& caption, const std::string& text, const std::string& answer) {
    if (hooks_.clearProgress) hooks_.clearProgress();
    if (hooks_.plainMessages) {
        if (!text.empty()) out_ << text << '\n' << std::flush;
        return;
    }
    out_ << caption << ":";
    std::string_view rest = text;
    bool first = true;
    while (true) {
        const size_t newline = rest.find('\n');
        const std::string_view line = TrimRight(rest.substr(0, newline));
        if (!line.empty()) out_ << (first ? " " : kContinuationIndent) << line;
        out_ << '\n';
        first = false;
        if (newline == std::string_view::npos) break;
        rest.remove_prefix(newline + 1);
    }
    if (!answer.empty()) out_ << kContinuationIndent << "-> " << answer << '\n';
    out_.flush();
}

int HeadlessUi::MessageBox(const std::string& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                           int, bool) {
    const int answer = DefaultAnswer(buttons, defaultButton);
    // A box with only OK (and Help) asks nothing, so no answer is written for it.
    const bool question = (buttons & ~(mbOK | mbHelp)) != 0;
    Write(MessageCaption(kind), text, question ? ResultCaption(answer) : std::string());
    return answer;
}

bool HeadlessUi::InputText(const std::string& caption, const std::string& prompt, std::string&, int) {
    Write(caption, prompt, Msg(kCancelCaption));
    return false;
}

bool HeadlessUi::SelectFromList(const std::string& caption, const std::vector<std::string>&, bool, int,
                                int&) {
    Write(caption, "", Msg(kCancelCaption));
    return false;
}

void HeadlessUi::ShowMemo(const std::string& caption, const std::string& text, int) {
    Write(caption, text, "");
}

std::unique_ptr<Progress> HeadlessUi::CreateProgress(bool, bool, const std::string& text,
                                                     const std::string& caption) {
    return std::make_unique<HeadlessProgress>(text, caption, &hooks_);
}

std::optional<int> HeadlessUi::RunGotoDialog(int, const std::function<bool(const std::string&, int)>&) {
    Write(Tr("Headless", "转到地址"), "", Msg(kCancelCaption));
    return std::nullopt;
}

bool HeadlessUi::RunJumpDialog(const std::function<bool(const std::string&)>&) {
    Write(Tr("Headless", "输入同步跳宽"), "", Msg(kCancelCaption));
    return false;
}

bool HeadlessUi::RunEncodeDialog(EncodeDialogModel&) {
    Write(Tr("Headless", "数字编码"), "", Msg(kCancelCaption));
    return false;
}

bool HeadlessUi::RunBitDialog(BitDialogModel&) {
    Write(Tr("Headless", "Bit 编辑"), "", Msg(kCancelCaption));
    return false;
}

bool HeadlessUi::RunCharTableDialog(CharTableDialogModel& model) {
    Write(model.Caption(), "", Msg(kCancelCaption));
    return false;
}

std::optional<OptionsValues> HeadlessUi::RunOptionsDialog(const OptionsValues&, int, SendToShortcut&) {
    Write(Tr("Headless", "选项"), "", Msg(kCancelCaption));
    return std::nullopt;
}

std::optional<FindDialogResult> HeadlessUi::RunFindDialog(const FindDialogRequest& request) {
    Write(Msg(FindDialogCaptionId(request.count)), "", Msg(kCancelCaption));
    return std::nullopt;
}

std::optional<ReplaceDialogResult> HeadlessUi::RunReplaceDialog(const ReplaceDialogRequest&) {
    Write(kTextReplaceCaption, "", Msg(kCancelCaption));
    return std::nullopt;
}

std::optional<InsertDialogResult> HeadlessUi::RunInsertDialog(const InsertDialogRequest& request) {
    Write(InsertDialogCaption(request.overwrite), "", Msg(kCancelCaption));
    return std::nullopt;
}

bool HeadlessUi::SetClipboardBytes(const std::string& bytes) {
    clipboardBytes_ = bytes;
    clipboardText_.reset();
    return true;
}

bool HeadlessUi::SetClipboardText(const std::string& text) {
    clipboardText_ = text;
    clipboardBytes_.reset();
    return true;
}

void HeadlessUi::ClearClipboard() {
    clipboardBytes_.reset();
    clipboardText_.reset();
}

std::optional<OpenChoice> HeadlessUi::ChooseOpenFile(const FileDialogRequest& request) {
    Write(request.title, "", Msg(kCancelCaption));
    return std::nullopt;
}

std::optional<std::string> HeadlessUi::ChooseSaveFile(const FileDialogRequest& request) {
    Write(request.title, "", Msg(kCancelCaption));
    return std::nullopt;
}

std::optional<int64_t> HeadlessUi::AskBlockLength(const BlockLengthRequest&) {
    Write(kTextBlockNCaption, kTextBlockNPrompt, Msg(kCancelCaption));
    return std::nullopt;
}

} // namespace qhe
