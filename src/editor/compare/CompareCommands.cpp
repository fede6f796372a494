#include "editor/compare/CompareCommands.h"

#include <algorithm>

#include "core/compare/ByteCompare.h"
#include "core/document/FileTransfer.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"
#include "editor/file/FileCommands.h"
#include "editor/view/ViewCommands.h"
#include "platform/SafeFileWrite.h"
#include "platform/SmallFile.h"

namespace qhe {
namespace {

FileDialogRequest CompareDialog(const std::string& title, const std::string& folder) {
    FileDialogRequest request;
    request.title = title;
    request.filters = FileCommands::FileFilters();
    request.initialDir = folder;
    return request;
}

// Whether doc holds other bytes than data (size bytes).
bool BytesDiffer(const Document& doc, const uint8_t* data, int64_t size) {
    if (doc.Size() != size) return true;
    const RunSource runs = RunsOf(doc, 1);
    for (int64_t at = 0; at < size;) {
        const PieceTable::Span span = runs(at);
        const int64_t n = std::min(span.size, size - at);
        if (n <= 0 || FirstDifference(span.data, data + at, n) < n) return true;
        at += n;
    }
    return false;
}

// A Document this much larger is taken as changed once modified, rather than compared again
// byte by byte on every look.
constexpr int64_t kMaxRecheck = int64_t{256} << 20;

} // namespace

CompareOptions CompareCommands::Options() const {
    CompareOptions options;
    options.resync = s_.options.compareResync;
    options.run = s_.options.compareResyncRun;
    return options;
}

void CompareCommands::SetResync(bool on) {
    s_.options.compareResync = on;
}

void CompareCommands::SetResyncRun(int run) {
    s_.options.compareResyncRun = std::clamp(run, kMinResyncRun, kMaxResyncRun);
}

std::shared_ptr<CompareSession> CompareCommands::Open(const std::string& a, const std::string& b,
                                                      bool fromDocument) {
    std::string error;
    std::shared_ptr<CompareSession> session =
        fromDocument ? CompareSession::OfDocument(s_.doc, a, s_.doc.Modified, b, Options(), error)
                     : CompareSession::OfFiles(a, b, Options(), error);
    if (!session) s_.ui.ShowError(error);
    return session;
}

void CompareCommands::Comparefiles1Click() {
    const std::string folder = s_.doc.CurrentDir;
    std::string a;
    const bool fromDocument = s_.doc.IsOpen;
    if (fromDocument) {
        a = s_.doc.FileName;
    } else {
        const auto chosen = s_.ui.ChooseOpenFile(CompareDialog(kTextCompareChooseA, folder));
        if (!chosen) return;
        a = chosen->fileName;
    }
    const auto b = s_.ui.ChooseOpenFile(CompareDialog(kTextCompareChooseB, folder));
    if (!b) return;
    if (auto session = Open(a, b->fileName, fromDocument); session && show) show(std::move(session));
}

std::shared_ptr<CompareSession> CompareCommands::Again(const CompareSession& session) {
    // A copy of unsaved bytes stays a copy of the Document as it is now.
    const bool fromDocument = session.AIsUnsaved() || (s_.doc.IsOpen && s_.doc.FileName == session.Name(0));
    return Open(session.Name(0), session.Name(1), fromDocument);
}

bool CompareCommands::GotoInEditor(const CompareSession& session, int64_t offsetA) {
    if (!s_.doc.IsOpen || s_.doc.FileName != session.Name(0) || offsetA >= s_.doc.Size()) return false;
    ViewCommands(s_).ShowAddress(offsetA + 1, true, true);
    return true;
}

std::optional<int64_t> CompareCommands::ReadOffset(const CompareSession& session, const std::string& text) {
    if (auto offset = CompareSession::ParseOffset(text, session.Size(0))) return offset;
    s_.ui.ShowError(
        Format(kTextCompareBadOffset,
               {text, FormatHex(static_cast<uint64_t>(std::max<int64_t>(0, session.Size(0) - 1)))}));
    return std::nullopt;
}

std::string CompareCommands::StaleNote(const CompareSession& session) const {
    const Document& doc = s_.doc;
    const bool aIsDocument = doc.IsOpen && doc.FileName == session.Name(0);
    bool changed = false;
    if (aIsDocument && (session.AIsUnsaved() || doc.Modified))
        changed = doc.Size() != session.Size(0) || (doc.Size() > kMaxRecheck && doc.Modified) ||
                  BytesDiffer(doc, session.Data(0), session.Size(0));
    for (int side = session.AIsUnsaved() ? 1 : 0; side < 2 && !changed; ++side)
        changed = session.ChangedOnDisk(side);
    return changed ? kTextCompareStale.str() : std::string();
}

void CompareCommands::SaveList(const CompareSession& session) {
    FileDialogRequest request = CompareDialog(kTextCompareSaveList, s_.doc.CurrentDir);
    request.filters = {"*.txt", "*.*"};
    request.defaultExt = "txt";
    const auto chosen = s_.ui.ChooseSaveFile(request);
    if (!chosen) return;
    int code = platform::CheckSideFileTarget(*chosen);
    if (code == 0) code = WriteFileSafely(*chosen, session.ListText());
    if (code != 0) s_.ui.ShowError(FileErrorMessage(kErrWrite, code, *chosen));
}

} // namespace qhe
