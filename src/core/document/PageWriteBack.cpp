#include "core/document/PageWriteBack.h"

#include <algorithm>

#include "core/document/FileTransfer.h"
#include "platform/SafeReplace.h"

namespace qhe {
namespace {
constexpr int64_t kPiece = 1 << 20;
} // namespace

PageWriteOutcome WriteChangedPages(const std::string& name, const uint8_t* data, int64_t size,
                                   const ChangedRanges& changed, Progress& progress) {
    PageWriteOutcome out;
    out.firstUnwritten = changed.Runs().empty() ? 0 : changed.Runs().begin()->first;
    if (progress.Cancelled()) {
        out.code = kErrWriteCancelled;
        return out;
    }
    platform::SavePlan plan;
    out.code = platform::BeginPatchSave(name, plan, size);
    if (out.code != 0) return out;
    // The changed runs go to the save journal first; the file itself is written only once the
    // journal is whole on the disk, so a crash never leaves it part old, part new.
    const int64_t total = changed.Bytes();
    for (const auto& [begin, runEnd] : changed.Runs()) {
        const int64_t end = std::min(runEnd, size);
        for (int64_t at = begin; at < end && out.code == 0; at += kPiece) {
            const int64_t n = std::min(kPiece, end - at);
            out.code = plan.journal.Append(at, data + at, n);
            out.written += n;
            progress.SetProgress(out.written, total, 5);
            if (out.code == 0 && (progress.Cancelled() || platform::SignalHold::Arrived()))
                out.code = kErrWriteCancelled;
        }
        if (out.code != 0) break;
    }
    if (out.code != 0) {
        platform::AbortSave(plan);
        out.written = 0;
        return out;
    }
    progress.EnableCancel(false);
    out.code = platform::CommitSave(plan);
    out.setIdLost = plan.setIdLost;
    if (out.code != 0) out.written = 0;
    return out;
}

} // namespace qhe
