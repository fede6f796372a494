#include "editor/print/DumpFileCommand.h"

#include "editor/file/FileCommands.h"
#include "platform/ErrorCodes.h"

#include "core/print/DumpOutput.h"
#include "core/text/Format.h"
#include "core/text/MessageIds.h"
#include "core/text/Messages.h"
#include "editor/OwnTexts.h"
#include "editor/SideFileTexts.h"
#include "editor/tools/UnreadPages.h"
#include "platform/SmallFile.h"

namespace qhe {
namespace {

constexpr OwnText kPdfEntry{QHE_TR_NOOP("Texts", "PDF 文件")};

bool EndsWithPdf(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".pdf";
}

} // namespace

std::string CheckPrintRequest(const PrintRequest& request) {
    return ParseBytesPerRow(request.bytesPerRow) == 0 ? kTextBadBytesPerRow.str() : std::string();
}

DumpRangeInput DumpRangeInputOf(DumpRangeKind kind, const DumpViewFacts& view, int64_t size) {
    DumpRangeInput input;
    input.kind = kind;
    input.topAddress = view.topAddress;
    input.lastVisible = view.lastVisible;
    input.blockBegin = view.blockBegin;
    input.blockEnd = view.blockEnd;
    input.size = size;
    return input;
}

bool OutputDumpToFile(Ui& ui, const Document& doc, const DumpViewFacts& view, const PrintRequest& request) {
    if (const std::string refusal = CheckPrintRequest(request); !refusal.empty()) {
        ui.ShowError(refusal);
        return false;
    }
    const DumpFormat format{ParseBytesPerRow(request.bytesPerRow), request.decimal, request.textBelow};
    FileDialogRequest dialog;
    dialog.title = Msg(kMsgSaveOutputTitle);
    dialog.filters = {"*.txt"};
    dialog.initialDir = doc.CurrentDir;
    dialog.defaultExt = "txt";
    const auto chosen = ui.ChooseSaveFile(dialog);
    if (!chosen) return false;

    DumpRangeInput input = DumpRangeInputOf(request.range, view, doc.Size());
    input.toFile = true;
    const DumpRange range = ComputeDumpRange(input, format);

    const UnreadPages unread(doc);
    int code = platform::CheckSideFileTarget(*chosen); // never into a pipe or a device
    if (code == 0) {
        auto progress =
            ui.CreateProgress(true, true, FormatMsg(kMsgPrintPage, {1}), Msg(kMsgCreatingPreview));
        const int64_t total = range.last - range.first + 1;
        code = WriteDumpFile(*chosen, doc.FileName, ByteView(doc), range, format, [&](uint64_t done) {
            progress->SetProgress(static_cast<int64_t>(done), total, 2);
            progress->SetText(
                FormatMsg(kMsgPrintPage, {static_cast<int64_t>(done) / format.bytesPerRow / 50}), 1);
            return !progress->Cancelled();
        });
    }
    if (code == kDumpCancelled) return true;
    if (code != 0) {
        // A file that could not be made says so; one that failed while written (a full disk)
        // gets the write error, as a failed save does.
        const bool notCreated = code == 2 || code == 3 || code == 5 || code == 123 || code == kNotRegularFile;
        ui.ShowError(notCreated ? SideFileMessage(code, *chosen,
                                                  "Cannot create file " + *chosen + "\n" + ErrorText(code))
                                : FileErrorMessage(kErrWrite, code, *chosen));
        return false;
    }
    // The text holds zeros for pages of the file that could not be read.
    if (unread.All() > 0) ui.ShowError(unread.Text(kTextUnreadResult, unread.All()));
    return true;
}

std::optional<std::string> ChoosePdfFile(Ui& ui, const std::string& initialDir) {
    FileDialogRequest dialog;
    dialog.title = kPdfEntry;
    dialog.filters = {"*.pdf"};
    dialog.initialDir = initialDir;
    dialog.defaultExt = "pdf";
    auto chosen = ui.ChooseSaveFile(dialog);
    if (!chosen) return std::nullopt;
    if (!EndsWithPdf(*chosen)) *chosen += ".pdf";
    if (const int code = platform::CheckSideFileTarget(*chosen); code != 0) {
        ui.ShowError(
            SideFileMessage(code, *chosen, "Cannot create file " + *chosen + "\n" + ErrorText(code)));
        return std::nullopt;
    }
    return chosen;
}

} // namespace qhe
