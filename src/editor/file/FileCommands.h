#pragma once
#include <cstdint>
#include <string>

#include "core/document/FileTransfer.h"
#include "editor/EditorState.h"

namespace qhe {

// Who asked OpenDocument to open a file; recent-files entries ask the save question themselves.
enum class OpenSender { OpenDialog, Reload, Recent, Drop, CommandLine };

// The commands that create, load, reload, save and close the Document, the save question
// that guards them, and the file transfers with their progress boxes and messages.
// The text of a failed file transfer: the operation's catalogue message (kErrOpen, kErrRead,
// kErrWrite ...) with the file name, and for an operating-system code its error text below.
std::string FileErrorMessage(int operationId, int code, const std::string& name);

class FileCommands {
  public:
    explicit FileCommands(EditorState& state) : s_(state) {}

    void New1Click();
    void Open1Click();
    void Reload1Click();
    void Save1Click();
    void SaveAs1Click();
    void Close1Click();

    // False when the user cancelled; saved tells whether the Document was written.
    bool AskSaveChanges(bool& saved);
    bool AskSaveChanges() {
        bool saved = false;
        return AskSaveChanges(saved);
    }
    // Save as: false when cancelled or when the write failed (the Document keeps its name).
    bool SaveAsDialog();
    // Opens name; readOnly is the sharing the caller wants. A failed load leaves the open
    // Document exactly as it was. Answers success.
    bool OpenDocument(const std::string& name, OpenSender sender, bool readOnly);
    void AfterOpen();

    // First allocation at start-up; false when even 512 KiB cannot be had (message 2037 shown).
    bool AllocateDocument();
    void ReleaseDocument();

    // Reads the whole file as the new Document (mode 0); answers 0 or the code it reported.
    int LoadFile(const std::string& name);
    // Files from this size on (and block devices) are mapped instead of read whole.
    int64_t MapThreshold() const;
    // Reads the whole file into the n-byte gap the editing service opened (mode 1, no sharing
    // restriction) under the progress box; answers 0 or the code, which the caller reports
    // with ShowFileError once the gap is closed again.
    int LoadFileIntoGap(const std::string& name, uint8_t* gap, int64_t n);
    // Writes the whole Document (partial false) or count bytes from position from. Reports
    // its own failures; answers success.
    bool WriteFile(const std::string& name, bool partial, int64_t from, int64_t count);

    // True when the Document's file on disk is no longer the one loaded or last saved here:
    // another size, modification or change time, or inode (a file deleted meanwhile counts as
    // unchanged).
    bool ChangedOnDisk() const;
    // Saves the Document to its own file where no one can be asked (a batch run): as Save
    // does, but a file another program changed (before or during the save) is left alone with
    // a message. Answers whether it was written.
    bool SaveUnattended();

    // Shows the message of a failed transfer: the operation's message (kErrRead, kErrWrite)
    // with the file name, or the message the code itself names.
    void ShowFileError(int messageId, int code, const std::string& name);

    // The file dialogs' file types.
    static const std::vector<std::string>& FileFilters();

  private:
    // Save of the Document to its own file: asks first when another program changed the file
    // since it was loaded or saved here (default No). Answers whether it was written.
    bool SaveUnderItsName();
    // Maps a large file or a device as the new Document; answers 0 or the code it reported.
    int MapFile(const std::string& name);
    // Save of a mapped Document: the changed pages in place, a device only after asking.
    // Answers 0 or the code; reports failures other than kTargetChanged and a cancel.
    int SaveChangedPages();
    // The save itself, without the question about a changed file; reports as SaveChangedPages.
    int StoreUnderItsName();
    // WriteFile's work; reports failures other than kTargetChanged; answers 0 or the code.
    int Write(const std::string& name, bool partial, int64_t from, int64_t count);
    // Tells the user that an in-place save lost the file's setuid/setgid bit.
    void WarnIfSetIdLost(bool lost, const std::string& name);
    // Completes a save of name that a crash interrupted (its save journal is left) and removes
    // temporary files of killed saves beside it, saying what it did.
    void CompleteInterruptedSave(const std::string& name);
    // After a streamed save of a mapped Document: maps the file just written as its bytes.
    void MapAgain();
    // After a complete save under name: not Modified, the save point, the file's facts.
    void NoteSaved(const std::string& name);
    // A mapped file with pages that could not be read is not saved (they read as zeros).
    bool ReadFaultsRefuseSave(const std::string& name);
    bool ConfirmOverwriteIfChanged();
    void ShowNetworkHint(const std::string& path);
    ProgressSource ProgressFor(int captionId, const std::string& name);
    void SetCaptionFromFileName();

    EditorState& s_;
};

} // namespace qhe
