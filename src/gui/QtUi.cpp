#include "gui/QtUi.h"

#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/NavigationDialogs.h"
#include "gui/dialogs/TFormCharTable.h"
#include "gui/dialogs/TFormFind.h"
#include "gui/dialogs/TFormIns.h"
#include "gui/dialogs/TFormOpt.h"
#include "gui/dialogs/TFormReplace.h"
#include "gui/dialogs/TFormHash.h"
#include "gui/dialogs/ToolDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

#include "core/text/Ansi.h"
#include "core/text/Messages.h"
#include "editor/blocks/BlockLength.h"
#include "editor/clipboard/ClipboardFormat.h"
#include "gui/dialogs/DialogPlacement.h"
#include "gui/dialogs/InputTextDialog.h"
#include "gui/dialogs/ListBoxDialog.h"
#include "gui/dialogs/MemoDialog.h"
#include "gui/dialogs/MessageDialog.h"
#include "gui/dialogs/ProgressBox.h"

namespace qhe {
namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A modal dialog asked for while the hourglass is up (the open dialog of a command that set
// it first, say) gets the normal cursor: the user has to point and click there.
class NormalCursorWhileModal {
  public:
    NormalCursorWhileModal() : active_(QGuiApplication::overrideCursor() != nullptr) {
        if (active_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursorWhileModal() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    NormalCursorWhileModal(const NormalCursorWhileModal&) = delete;
    NormalCursorWhileModal& operator=(const NormalCursorWhileModal&) = delete;

  private:
    bool active_;
};

} // namespace

int QtUi::MessageBox(const std::string& text, MsgKind kind, unsigned buttons, MsgResult defaultButton,
                     int helpContext, bool showIcon) {
    NormalCursorWhileModal cursor;
    return MessageDialog::Run(Text(text), kind, buttons, defaultButton, helpContext, showIcon, help_,
                              QApplication::activeWindow());
}

bool QtUi::InputText(const std::string& caption, const std::string& prompt, std::string& value,
                     int helpContext) {
    NormalCursorWhileModal cursor;
    QString edited = Text(value);
    if (!InputTextDialog::Run(Text(caption), Text(prompt), edited, helpContext, help_,
                              QApplication::activeWindow()))
        return false;
    value = edited.toStdString();
    return true;
}

bool QtUi::SelectFromList(const std::string& caption, const std::vector<std::string>& list, bool allowDelete,
                          int helpContext, int& index) {
    NormalCursorWhileModal cursor;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(list.size()));
    for (const std::string& entry : list)
        entries << Text(entry);
    return TFormListBox::Run(Text(caption), entries, allowDelete, helpContext, index, help_,
                             QApplication::activeWindow());
}

void QtUi::ShowMemo(const std::string& caption, const std::string& text, int helpContext) {
    NormalCursorWhileModal cursor;
    MemoDialog::Run(Text(caption), Text(text), helpContext, help_, QApplication::activeWindow());
}

std::unique_ptr<Progress> QtUi::CreateProgress(bool withCancel, bool withGauge, const std::string& text,
                                               const std::string& caption) {
    auto box = std::make_unique<TProgressBox>(ActiveOrFirstVisibleWindow(), withCancel, withGauge, Text(text),
                                              Text(caption));
    box->ShowNow();
    return box;
}

void QtUi::SetWaitCursor(bool wait) {
    if (wait == waitCursor_) return;
    waitCursor_ = wait;
    if (wait)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtUi::BeginBusy(const std::string& text) {
    ++busyDepth_;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (status_) status_(text);
    // Only to paint the cursor and the panel: user input waits until the work is done, so no
    // command can start in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::EndBusy() {
    if (busyDepth_ == 0) return;
    --busyDepth_;
    QGuiApplication::restoreOverrideCursor();
    if (busyDepth_ == 0 && status_) status_(std::string());
}

std::optional<int> QtUi::RunGotoDialog(int mode, const std::function<bool(const std::string&, int)>& accept) {
    NormalCursorWhileModal cursor;
    TFormNumberEntry dialog(kGotoDialog, mode, accept, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Mode();
}

bool QtUi::RunJumpDialog(const std::function<bool(const std::string&)>& accept) {
    NormalCursorWhileModal cursor;
    TFormNumberEntry dialog(
        kJumpDialog, 0, [&accept](const std::string& text, int) { return accept(text); }, help_,
        QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUi::RunEncodeDialog(EncodeDialogModel& model) {
    NormalCursorWhileModal cursor;
    TFormEncode dialog(model, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUi::RunBitDialog(BitDialogModel& model) {
    NormalCursorWhileModal cursor;
    TFormBit dialog(model, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

void QtUi::RunHashDialog(HashDialogModel& model) {
    NormalCursorWhileModal cursor;
    TFormHash dialog(model, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    dialog.exec();
}

bool QtUi::RunCharTableDialog(CharTableDialogModel& model) {
    NormalCursorWhileModal cursor;
    TFormCharTable dialog(model, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<OptionsValues> QtUi::RunOptionsDialog(const OptionsValues& current, int page,
                                                    SendToShortcut& sendTo) {
    NormalCursorWhileModal cursor;
    TFormOpt dialog(current, page, sendTo, gridLimits ? gridLimits() : QSize(64, 64), help_,
                    QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Values();
}

std::optional<FindDialogResult> QtUi::RunFindDialog(const FindDialogRequest& request) {
    NormalCursorWhileModal cursor;
    TFormFind dialog(request, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

std::optional<ReplaceDialogResult> QtUi::RunReplaceDialog(const ReplaceDialogRequest& request) {
    NormalCursorWhileModal cursor;
    TFormReplace dialog(request, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

std::optional<InsertDialogResult> QtUi::RunInsertDialog(const InsertDialogRequest& request) {
    NormalCursorWhileModal cursor;
    TFormIns dialog(request, help_, QApplication::activeWindow());
    CenterOverActiveWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

bool QtUi::SetClipboardBytes(const std::string& bytes) {
    const std::string block = EncodeQzBinary(bytes);
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(kQzBinaryMimeType),
                  QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    placed_ = mime.get();
    QGuiApplication::clipboard()->setMimeData(mime.release()); // the clipboard owns it now
    return true;
}

std::optional<std::string> QtUi::ClipboardBytes() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromLatin1(kQzBinaryMimeType);
    if (mime == nullptr || !mime->hasFormat(type)) return std::nullopt;
    const QByteArray block = mime->data(type);
    return DecodeQzBinary(std::string_view(block.constData(), static_cast<size_t>(block.size())));
}

bool QtUi::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(AnsiToUtf8(text)));
    placed_ = QGuiApplication::clipboard()->mimeData();
    return true;
}

std::optional<std::string> QtUi::ClipboardText() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr || !mime->hasText()) return std::nullopt;
    return Utf8ToAnsi(mime->text().toStdString());
}

bool QtUi::OwnsClipboard() {
    // Not every platform reports ownership, so the data this Ui placed counts as well.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard->ownsClipboard() || (placed_ && clipboard->mimeData() == placed_.data());
}

void QtUi::ClearClipboard() {
    QGuiApplication::clipboard()->clear();
}

std::optional<OpenChoice> QtUi::ChooseOpenFile(const FileDialogRequest& request) {
    NormalCursorWhileModal cursor;
    return fileDialogs_.Open(request, QApplication::activeWindow());
}

std::optional<std::string> QtUi::ChooseSaveFile(const FileDialogRequest& request) {
    NormalCursorWhileModal cursor;
    return fileDialogs_.Save(request, QApplication::activeWindow());
}

// The number is typed into the input dialog, in decimal or as hexadecimal after a "$". A number
// that is refused shows message 2024 and brings the dialog back with the text as typed, so
// the dialog only closes with a length that fits.
std::optional<int64_t> QtUi::AskBlockLength(const BlockLengthRequest& request) {
    NormalCursorWhileModal cursor;
    std::optional<int64_t> length;
    TFormNumberEntry dialog(
        kBlockLengthDialog, 0,
        [&](const std::string& text, int) {
            length = CheckBlockLength(text, request.cursor, request.size);
            if (!length) ShowError(Msg(kMsgBadBlockLength));
            return length.has_value();
        },
        help_, QApplication::activeWindow(), QString::fromStdString(request.text));
    CenterOverActiveWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return length;
}

} // namespace qhe
