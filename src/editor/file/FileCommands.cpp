#include "editor/file/FileCommands.h"

#include <ctime>

#include "core/document/PageWriteBack.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/blocks/BlockMarking.h"
#include "editor/view/ViewCommands.h"
#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"
#include "platform/FileMapping.h"
#include "platform/SafeReplace.h"
#include "platform/SaveFiles.h"
#include "platform/SaveJournal.h"

namespace qhe {
namespace {
constexpr char kEofChar = 0x1A;

// The commands that need an open Document, enabled by AfterOpen.
const std::vector<std::string> kOpenDocumentItems = {"Save1",
                                                     "QZBtnSave",
                                                     "SaveAs1",
                                                     "Close1",
                                                     "Print1",
                                                     "Insert1",
                                                     "Insertfile1",
                                                     "Blockmark1",
                                                     "Blocknchars1",
                                                     "Blockall1",
                                                     "Deletefromcursor1",
                                                     "Deletetocursor1",
                                                     "QZBtnPaste",
                                                     "QZBtnFind",
                                                     "QZBtnReplace",
                                                     "Goto1",
                                                     "Jumpwidth1",
                                                     "Rememberaddress1",
                                                     "Decode1",
                                                     "Encode1",
                                                     "Bitmanipulation1",
                                                     "CalculateCRC321",
                                                     "Hashes1",
                                                     "Patch1",
                                                     "Find1",
                                                     "Count1",
                                                     "Replace1",
                                                     "Charconversion1",
                                                     "Clipboard1",
                                                     "Paste1",
                                                     "Overwritestring1",
                                                     "Pastefromhexstring1",
                                                     "Pastefrombase641",
                                                     "Bookmarks1"};

// True when the file time lies before 1980-01-01, which a file's time cannot be set back to.
bool BeforeDosEpoch(const platform::FileTime& time) {
    std::tm parts{};
    const time_t seconds = static_cast<time_t>(time.seconds);
    if (!localtime_r(&seconds, &parts)) return true;
    return parts.tm_year + 1900 < 1980;
}

} // namespace

std::string FileErrorMessage(int operationId, int code, const std::string& name) {
    const std::string shortName = FileNameOnly(name);
    if (code == kErrFileTooLarge) return Format(kTextFileTooLarge, {shortName});
    if (code == kMappedInPlace) return Format(kTextMappedInPlace, {shortName});
    if (code == kTargetChanged) return Format(kTextChangedOnDiskNotSaved, {name});
    if (code == kNotRegularFile)
        return Format(operationId == kErrWrite ? kTextNotRegularWrite : kTextNotRegularRead, {shortName});
    if (code >= 250) return FormatMsg(code, {shortName});
    return FormatMsg(operationId, {shortName}) + "\n" + ErrorText(code);
}

const std::vector<std::string>& FileCommands::FileFilters() {
    static const std::vector<std::string> filters = {"*.*", "*.exe"};
    return filters;
}

ProgressSource FileCommands::ProgressFor(int captionId, const std::string& name) {
    return [this, captionId, name] {
        return s_.ui.CreateProgress(true, true, FileNameOnly(name), Msg(captionId));
    };
}

void FileCommands::ShowFileError(int messageId, int code, const std::string& name) {
    s_.ui.ShowError(FileErrorMessage(messageId, code, name));
}

void FileCommands::ShowNetworkHint(const std::string& path) {
    if (platform::IsNetworkPath(path)) s_.SetHint(Msg(kMsgNetwork));
}

void FileCommands::SetCaptionFromFileName() {
    s_.caption = "QHE32 - " + FileNameOnly(s_.doc.FileName);
    s_.Changed(kChangedCaption);
}

bool FileCommands::AllocateDocument() {
    if (s_.doc.HasBuffer()) return true;
    if (s_.doc.Allocate()) return true;
    s_.ui.ShowError(Msg(kMsgAllocFailed));
    return false;
}

void FileCommands::ReleaseDocument() {
    if (s_.doc.HasBuffer()) s_.doc.Release();
}

int64_t FileCommands::MapThreshold() const {
    return int64_t{std::clamp(s_.options.mapFromMB, 1, kDefaultMapFromMB)} << 20;
}

int FileCommands::LoadFile(const std::string& name) {
    int64_t size = 0;
    const platform::FileKind kind = platform::KindOf(name, size);
    if (kind == platform::FileKind::BlockDevice ||
        (kind == platform::FileKind::Regular && size >= MapThreshold()))
        return MapFile(name);
    LoadedFile loaded;
    const int code = LoadWholeFile(name, !s_.doc.ReadOnly, ProgressFor(kMsgReading, name), loaded);
    if (code != 0) {
        ShowFileError(kErrRead, code, name);
        return code;
    }
    // Only a complete load replaces the Document, so a failure never touches the open one.
    s_.editor.Load(std::move(loaded.buffer), loaded.size);
    s_.doc.FileTime = loaded.time;
    s_.doc.DiskSize = loaded.size;
    s_.doc.DiskTime = loaded.time;
    s_.doc.DiskChangeTime = loaded.changeTime;
    s_.doc.DiskIdentity = loaded.identity;
    // Another program changed the file while it was read: what was read is kept, and the
    // user learns that it is not the whole file.
    if (loaded.sizeAfter >= 0 && loaded.sizeAfter != loaded.size)
        s_.ui.MessageBox(
            Format(kTextChangedWhileLoading, {FileNameOnly(name), loaded.size, loaded.sizeAfter}),
            MsgKind::Warning, mbOK, mrOk, 0, true);
    return 0;
}

int FileCommands::MapFile(const std::string& name) {
    platform::FileMapping mapping;
    const int code = mapping.Open(name, !s_.doc.ReadOnly);
    if (code != 0) {
        ShowFileError(kErrRead, code, name);
        return code;
    }
    const platform::FileInfo info = mapping.Info();
    s_.editor.LoadMapping(std::move(mapping));
    s_.doc.FileTime = info.modified;
    s_.doc.DiskSize = info.size;
    s_.doc.DiskTime = info.modified;
    s_.doc.DiskChangeTime = info.statusChanged;
    s_.doc.DiskIdentity = info.identity;
    return 0;
}

int FileCommands::LoadFileIntoGap(const std::string& name, uint8_t* gap, int64_t n) {
    return ReadFileInto(name, gap, n, ProgressFor(kMsgReading, name));
}

bool FileCommands::WriteFile(const std::string& name, bool partial, int64_t from, int64_t count) {
    const int code = Write(name, partial, from, count);
    if (code == kTargetChanged) ShowFileError(kErrWrite, code, name);
    return code == 0;
}

int FileCommands::Write(const std::string& name, bool partial, int64_t from, int64_t count) {
    if (!partial) {
        from = 1;
        count = s_.doc.Size();
    }
    if (s_.doc.IsMapped() && ReadFaultsRefuseSave(name)) return kErrRead;
    const WriteOutcome outcome =
        WriteDocumentToFile(name, s_.doc, from, count, ProgressFor(kMsgWriting, name));
    if (outcome.code != 0) {
        if (outcome.code != kTargetChanged) ShowFileError(kErrWrite, outcome.code, name);
        return outcome.code;
    }
    if (outcome.inPlace) s_.SetHint(Format(kTextSavedInPlace, {FileNameOnly(name)}));
    WarnIfSetIdLost(outcome.setIdLost, name);
    if (!partial) NoteSaved(name);
    return 0;
}

void FileCommands::WarnIfSetIdLost(bool lost, const std::string& name) {
    if (lost) s_.ui.MessageBox(Format(kTextSetIdCleared, {name}), MsgKind::Warning, mbOK, mrOk, 0, true);
}

void FileCommands::NoteSaved(const std::string& name) {
    s_.doc.Modified = false;
    // The changed pages of a mapping in one run are in the file now; in pieces they still differ
    // from the mapped file, which later saves copy from.
    if (s_.doc.Contiguous()) s_.doc.ForgetChanges();
    s_.journal.MarkSaved();
    if (s_.options.oldFileTime && s_.doc.FileTime.valid && !BeforeDosEpoch(s_.doc.FileTime))
        platform::SetModificationTime(name, s_.doc.FileTime);
    const platform::FileInfo written = platform::StatFile(name);
    s_.doc.DiskSize = written.exists ? written.size : -1;
    s_.doc.DiskTime = written.modified;
    s_.doc.DiskChangeTime = written.statusChanged;
    s_.doc.DiskIdentity = written.identity;
    s_.Changed(kChangedStatus);
}

void FileCommands::MapAgain() {
    // The new file holds exactly the Document's bytes: one run over it replaces the pieces and
    // frees the store. Should the new file not map, the pieces stay valid over the old mapping.
    platform::FileMapping mapping;
    if (mapping.Open(s_.doc.FileName, false) != 0 || mapping.Size() != s_.doc.Size()) return;
    s_.doc.AdoptMapping(std::move(mapping));
    s_.Changed(kChangedView);
}

bool FileCommands::ReadFaultsRefuseSave(const std::string& name) {
    const int64_t faults = s_.doc.ReadFaults();
    if (faults == 0) return false;
    s_.ui.ShowError(Format(kTextReadFaults, {FileNameOnly(name), faults}));
    return true;
}

int FileCommands::SaveChangedPages() {
    Document& doc = s_.doc;
    const std::string& name = doc.FileName;
    if (ReadFaultsRefuseSave(name)) return kErrRead;
    if (doc.IsDevice() && !doc.Changed().Empty() &&
        !s_.ui.AskYesNo(Format(kTextWriteDevice, {doc.Changed().Bytes(), name})))
        return kErrWriteCancelled;
    PageWriteOutcome outcome;
    {
        const std::unique_ptr<Progress> progress = ProgressFor(kMsgWriting, name)();
        outcome = WriteChangedPages(name, doc.Buffer(), doc.Size(), doc.Changed(), *progress);
    }
    if (outcome.code == kErrWriteCancelled || outcome.code == kTargetChanged) return outcome.code;
    if (outcome.code != 0) {
        s_.ui.ShowError(Format(kTextPagesNotWritten, {FileNameOnly(name), outcome.firstUnwritten}) + "\n" +
                        ErrorText(outcome.code));
        return outcome.code;
    }
    WarnIfSetIdLost(outcome.setIdLost, name);
    NoteSaved(name);
    return 0;
}

bool FileCommands::ChangedOnDisk() const {
    const Document& doc = s_.doc;
    if (doc.DiskSize < 0 || !doc.DiskTime.valid) return false;
    // A file deleted meanwhile is simply written again.
    const platform::FileInfo now = platform::StatFile(doc.FileName);
    if (!now.exists) return false;
    // The change time too: a rewrite of the same size can put the old modification time back.
    return now.size != doc.DiskSize || now.modified != doc.DiskTime || now.identity != doc.DiskIdentity ||
           (doc.DiskChangeTime.valid && now.statusChanged != doc.DiskChangeTime);
}

bool FileCommands::ConfirmOverwriteIfChanged() {
    return !ChangedOnDisk() || s_.ui.AskYesNo(Format(kTextChangedOnDisk, {FileNameOnly(s_.doc.FileName)}));
}

int FileCommands::StoreUnderItsName() {
    // A mapped file in one run: only the pages changed are written back (through the save
    // journal). One in pieces is streamed to a temporary file (room reserved first) that
    // replaces it, then mapped afresh.
    if (s_.doc.IsMapped() && s_.doc.Contiguous()) return SaveChangedPages();
    const int code = Write(s_.doc.FileName, false, 1, 0);
    if (code == 0 && s_.doc.IsMapped()) MapAgain();
    return code;
}

bool FileCommands::SaveUnderItsName() {
    if (!ConfirmOverwriteIfChanged()) return false;
    int code = StoreUnderItsName();
    // Another program changed the file while it was being saved: nothing was written; the user
    // decides again, on the file as it is now.
    while (code == kTargetChanged &&
           s_.ui.AskYesNo(Format(kTextChangedOnDisk, {FileNameOnly(s_.doc.FileName)})))
        code = StoreUnderItsName();
    return code == 0;
}

bool FileCommands::SaveUnattended() {
    if (ChangedOnDisk()) {
        s_.ui.ShowError(Format(kTextChangedOnDiskNotSaved, {s_.doc.FileName}));
        return false;
    }
    const int code = StoreUnderItsName();
    if (code == kTargetChanged) s_.ui.ShowError(Format(kTextChangedOnDiskNotSaved, {s_.doc.FileName}));
    return code == 0;
}

void FileCommands::CompleteInterruptedSave(const std::string& name) {
    platform::RemoveStaleTemporaries(name);
    int code = 0;
    switch (platform::CompleteInterruptedSave(name, code)) {
    case platform::JournalRecovery::Completed:
        s_.ui.MessageBox(Format(kTextSaveCompleted, {name}), MsgKind::Information, mbOK, mrOk, 0, true);
        break;
    case platform::JournalRecovery::Failed:
        s_.ui.ShowError(Format(kTextSaveNotCompleted, {name}) + "\n" + ErrorText(code));
        break;
    case platform::JournalRecovery::None:
    case platform::JournalRecovery::Discarded:
        break;
    }
}

bool FileCommands::AskSaveChanges(bool& saved) {
    saved = false;
    if (!s_.doc.Modified || !s_.doc.IsOpen) return true;
    const int answer = s_.ui.AskYesNoCancel(FormatMsg(kMsgAskSave, {FileNameOnly(s_.doc.FileName)}));
    if (answer == mrYes) {
        saved = (s_.doc.Untitled || s_.doc.ReadOnly) ? SaveAsDialog() : SaveUnderItsName();
        return saved;
    }
    return answer == mrNo;
}

bool FileCommands::SaveAsDialog() {
    FileDialogRequest request;
    request.title = Msg(kMsgSaveAsTitle);
    request.filters = FileFilters();
    request.initialDir = s_.doc.CurrentDir;
    const auto chosen = s_.ui.ChooseSaveFile(request);
    if (!chosen) return false;
    // A failed write keeps the old name and Modified, and stops a pending close.
    if (!WriteFile(*chosen, false, 1, 0)) return false;
    s_.doc.FileName = *chosen;
    s_.recent.Add(*chosen);
    s_.Changed(kChangedRecent);
    SetCaptionFromFileName();
    s_.doc.Untitled = false;
    if (s_.doc.ReadOnly) {
        s_.doc.ReadOnly = false;
        s_.actions.EnableItems({"Save1", "QZBtnSave"}, true);
    }
    s_.actions.EnableItems({"Reload1"}, true);
    return true;
}

void FileCommands::New1Click() {
    if (!AskSaveChanges()) return;
    s_.doc.Untitled = true;
    // A new Document has no file that could be read-only.
    s_.doc.ReadOnly = false;
    ++s_.doc.UntitledCounter;
    s_.doc.DiskSize = -1;
    s_.doc.DiskTime = {};
    s_.doc.DiskChangeTime = {};
    s_.doc.DiskIdentity = {};
    s_.doc.FileName = "NoName" + std::to_string(s_.doc.UntitledCounter);
    s_.editor.StartFresh(s_.options.newEOF ? std::string(1, kEofChar) : std::string());
    AfterOpen();
}

void FileCommands::Open1Click() {
    if (!AskSaveChanges()) return;
    ShowNetworkHint(s_.doc.CurrentDir);
    s_.ui.SetWaitCursor(true);
    FileDialogRequest request;
    request.title = Msg(kMsgOpenTitle);
    request.filters = FileFilters();
    request.initialDir = s_.doc.CurrentDir;
    request.readOnlyBox = true;
    const auto chosen = s_.ui.ChooseOpenFile(request);
    if (chosen) OpenDocument(chosen->fileName, OpenSender::OpenDialog, chosen->readOnly);
    s_.ui.SetWaitCursor(false);
}

void FileCommands::Reload1Click() {
    if (s_.doc.Untitled || !s_.doc.IsOpen) return;
    bool saved = false;
    if (AskSaveChanges(saved) && !saved) OpenDocument(s_.doc.FileName, OpenSender::Reload, s_.doc.ReadOnly);
}

void FileCommands::Save1Click() {
    if (!s_.doc.IsOpen || s_.doc.ReadOnly) return;
    ShowNetworkHint(s_.doc.CurrentDir);
    s_.ui.SetWaitCursor(true);
    if (s_.doc.Untitled)
        SaveAs1Click();
    else
        SaveUnderItsName();
    s_.ui.SetWaitCursor(false);
}

void FileCommands::SaveAs1Click() {
    if (!s_.doc.IsOpen) return;
    ShowNetworkHint(s_.doc.CurrentDir);
    s_.ui.SetWaitCursor(true);
    SaveAsDialog();
    s_.ui.SetWaitCursor(false);
}

void FileCommands::Close1Click() {
    if (!AskSaveChanges()) return;
    s_.caption = "QHE32";
    s_.actions.DisableFileItems();
    s_.doc.IsOpen = false;
    s_.editor.Discard();
    BlockMarking(s_).Unmark(false);
    ViewCommands(s_).ClearView();
    s_.Changed(kChangedCaption | kChangedView | kChangedStatus);
}

bool FileCommands::OpenDocument(const std::string& name, OpenSender sender, bool readOnly) {
    // Replacing a modified Document from the recent files or by a drop asks first, so a
    // dropped file never discards unsaved changes.
    if ((sender == OpenSender::Recent || sender == OpenSender::Drop) && !AskSaveChanges()) return false;
    ShowNetworkHint(name);
    if (sender == OpenSender::Recent || sender == OpenSender::Drop || sender == OpenSender::CommandLine)
        readOnly = false;
    // A whole disk or partition is only written when the user asked for it in the open dialog.
    int64_t ignored = 0;
    if (sender != OpenSender::OpenDialog && sender != OpenSender::Reload &&
        platform::KindOf(name, ignored) == platform::FileKind::BlockDevice)
        readOnly = true;
    // The sharing mode follows the wanted state; the open Document keeps its own on failure.
    const bool previousReadOnly = s_.doc.ReadOnly;
    s_.doc.ReadOnly = readOnly;
    // A save of this file that a crash interrupted is completed before its bytes are read.
    CompleteInterruptedSave(name);
    int code = LoadFile(name);
    if (code == kSharingViolation && !s_.doc.ReadOnly &&
        s_.ui.AskYesNo(FormatMsg(kMsgSharedOpenReadOnly, {FileNameOnly(name)}))) {
        s_.doc.ReadOnly = true;
        code = LoadFile(name);
    }
    if (code != 0) {
        s_.doc.ReadOnly = previousReadOnly;
        return false;
    }
    if (sender != OpenSender::Recent) {
        s_.recent.Add(name);
        s_.Changed(kChangedRecent);
    }
    // Whatever asked, the Document now has a file.
    s_.doc.Untitled = false;
    s_.doc.FileName = name;
    s_.doc.CurrentDir = platform::FolderOf(name);
    if (s_.doc.ReadOnly) {
        s_.SetHint(Msg(kMsgOpenedReadOnly));
    } else if (platform::IsReadOnlyFile(name)) {
        s_.doc.ReadOnly = true;
        s_.SetHint(Msg(kMsgFileIsReadOnly));
    }
    AfterOpen();
    return true;
}

void FileCommands::AfterOpen() {
    s_.doc.IsOpen = true;
    // The read-only hint of the previous file does not stay over a file opened read-write.
    if (!s_.doc.ReadOnly &&
        (s_.status[3] == Msg(kMsgOpenedReadOnly) || s_.status[3] == Msg(kMsgFileIsReadOnly)))
        s_.SetHint(std::string());
    s_.actions.EnableItems(kOpenDocumentItems, true);
    if (s_.doc.ReadOnly) s_.actions.EnableItems({"Save1", "QZBtnSave"}, false);
    s_.actions.EnableItems({"Replaceundo1"}, false);
    s_.actions.EnableItems({"Reload1"}, !s_.doc.Untitled);
    BlockMarking(s_).Unmark(false);
    s_.doc.Modified = false;
    s_.rememberedAddress = 1;
    s_.lastFoundAddress = 0;
    s_.lastReplaceAddress = 0;
    SetCaptionFromFileName();
    ViewCommands(s_).ShowStart();
    s_.Changed(kChangedView | kChangedStatus);
}

} // namespace qhe
