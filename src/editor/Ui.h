#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/util/Busy.h"
#include "core/util/Progress.h"

namespace qhe {

class BitDialogModel;
class HashDialogModel;
class CharTableDialogModel;
class EncodeDialogModel;
class SendToShortcut;
struct OptionsValues;
struct FindDialogRequest;
struct FindDialogResult;
struct ReplaceDialogRequest;
struct ReplaceDialogResult;
struct InsertDialogRequest;
struct InsertDialogResult;

// Kinds of message box; each has its catalogue caption (700-703) and icon.
enum class MsgKind { Warning, Error, Information, Confirmation, Custom };

// Results of the message box buttons (the numbers the dialogs answer).
enum MsgResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

// Button set of a message box, as bit flags; shown in this order.
enum MsgButton : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10
};

// What the open dialog answers: the chosen file and its "open read-only" check box.
struct OpenChoice {
    std::string fileName;
    bool readOnly = false;
};

// A file dialog request. Filters are patterns such as "*.*" or "*.qbm"; each is its own description.
struct FileDialogRequest {
    std::string title;
    std::vector<std::string> filters;
    std::string initialDir;
    std::string defaultExt;   // without dot, may be empty
    bool readOnlyBox = false; // open dialog: offer the "open read-only" check box
};

// What the mark-n-bytes dialog needs to check its number (CheckBlockLength) before it closes.
struct BlockLengthRequest {
    int64_t cursor = 1;     // position of the block's first byte
    int64_t size = 0;       // the Document's size
    std::string text = "0"; // the number field's first text ("$" for hexadecimal)
};

// The one channel through which commands talk to the user. The Qt front end shows real
// dialogs, the headless front end writes to standard error and answers with defaults, and
// tests answer from a script.
class Ui : public BusyFeedback {
  public:
    ~Ui() override = default;

    // Modal message box; answers the MsgResult of the pressed button.
    virtual int MessageBox(const std::string& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                           int helpContext, bool showIcon) = 0;

    virtual bool InputText(const std::string& caption, const std::string& prompt, std::string& value,
                           int helpContext) = 0;
    // Shows list with index selected; with allowDelete the user may drop entries from the
    // shown list (not from the caller's). On OK index is the position in the shortened list.
    virtual bool SelectFromList(const std::string& caption, const std::vector<std::string>& list,
                                bool allowDelete, int helpContext, int& index) = 0;
    virtual void ShowMemo(const std::string& caption, const std::string& text, int helpContext) = 0;

    // A shown progress box; destroying it hides it and enables the owner again.
    virtual std::unique_ptr<Progress> CreateProgress(bool withCancel, bool withGauge, const std::string& text,
                                                     const std::string& caption) = 0;

    // Hourglass cursor without a status text.
    virtual void SetWaitCursor(bool wait) = 0;

    // The goto dialog opened on mode (0 absolute, 1 down, 2 up). accept(text, mode) checks the
    // typed value when OK is pressed and answers false to keep the dialog open. Answers the
    // chosen mode after OK, nothing after Cancel.
    virtual std::optional<int> RunGotoDialog(int mode,
                                             const std::function<bool(const std::string&, int)>& accept) = 0;
    // The jump width dialog; accept(text) as above. True when closed with OK.
    virtual bool RunJumpDialog(const std::function<bool(const std::string&)>& accept) = 0;

    // The encode dialog over model; true when closed with OK (model.bytes then hold the number).
    virtual bool RunEncodeDialog(EncodeDialogModel& model) = 0;
    // The bit editor over model; true when closed with "设置".
    virtual bool RunBitDialog(BitDialogModel& model) = 0;
    // The hash dialog: the user chooses digests, computes and copies them through the model.
    virtual void RunHashDialog(HashDialogModel& model) = 0;

    // The character conversion dialog over model; true when closed with "转换".
    virtual bool RunCharTableDialog(CharTableDialogModel& model) = 0;
    // The options dialog on page (0 general, 1 appearance, 2 data inspector, 3 shortcut); the
    // chosen values on OK, nothing on Cancel. The shortcut page works on sendTo directly.
    virtual std::optional<OptionsValues> RunOptionsDialog(const OptionsValues& current, int page,
                                                          SendToShortcut& sendTo) = 0;
    // The find dialog (or the count dialog, request.count): the checked options and pattern on
    // OK, nothing on Cancel.
    virtual std::optional<FindDialogResult> RunFindDialog(const FindDialogRequest& request) = 0;
    // The replace dialog: the checked options, both byte strings and the button pressed on
    // OK, nothing on Cancel.
    virtual std::optional<ReplaceDialogResult> RunReplaceDialog(const ReplaceDialogRequest& request) = 0;

    virtual std::optional<OpenChoice> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;

    // The mark-n-bytes dialog: answers the confirmed number of bytes (already checked with
    // CheckBlockLength; message 2024 keeps the dialog open) or nullopt on Cancel.
    virtual std::optional<int64_t> AskBlockLength(const BlockLengthRequest& request) = 0;

    // The insert / overwrite string dialog: the checked bytes, count and choices on OK, nothing
    // on Cancel.
    virtual std::optional<InsertDialogResult> RunInsertDialog(const InsertDialogRequest& request) = 0;

    // The clipboard. Bytes and text are byte strings (text in the ANSI code page). The private
    // format carries any bytes; text stops at its first zero byte. Setting replaces the whole
    // clipboard and answers false when the data could not be placed there.
    virtual bool SetClipboardBytes(const std::string& bytes) = 0;
    // The private format's bytes, or nothing when the clipboard holds none (or a broken block).
    virtual std::optional<std::string> ClipboardBytes() = 0;
    virtual bool SetClipboardText(const std::string& text) = 0;
    // The plain text, or nothing when the clipboard holds no text.
    virtual std::optional<std::string> ClipboardText() = 0;
    // True while the clipboard holds data this program put there.
    virtual bool OwnsClipboard() = 0;
    virtual void ClearClipboard() = 0;

    // Convenience forms with the usual buttons and defaults.
    void ShowInfo(const std::string& text) { MessageBox(text, MsgKind::Information, mbOK, mrOk, 0, true); }
    void ShowError(const std::string& text) { MessageBox(text, MsgKind::Error, mbOK, mrOk, 0, true); }
    // Default No.
    bool AskYesNo(const std::string& text) {
        return MessageBox(text, MsgKind::Confirmation, mbYes | mbNo, mrNo, 0, true) == mrYes;
    }
    // Default Cancel; answers mrYes, mrNo or mrCancel.
    int AskYesNoCancel(const std::string& text) {
        return MessageBox(text, MsgKind::Confirmation, mbYes | mbNo | mbCancel, mrCancel, 0, true);
    }
};

} // namespace qhe
