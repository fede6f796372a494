#include "core/document/FileTransfer.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "core/document/Document.h"
#include "platform/PageMemory.h"
#include "platform/SafeReplace.h"

namespace qhe {
namespace {

constexpr int kProgressStep = 5;

// Fresh pages are faulted in as the read fills them, which on virtual machines costs about as
// much as the copy itself. A helper thread faults them in ahead of the read, so that on two
// cores both run at once; the read never waits for it.
class PagesAhead {
  public:
    PagesAhead(uint8_t* block, int64_t bytes) {
        if (bytes < kMinBytes) return;
        try {
            thread_ = std::thread([this, block, bytes] { Run(block, bytes); });
        } catch (const std::system_error&) {
            // No thread to spare: the read faults the pages in itself.
        }
    }
    ~PagesAhead() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    PagesAhead(const PagesAhead&) = delete;
    PagesAhead& operator=(const PagesAhead&) = delete;

  private:
    static constexpr int64_t kMinBytes = 16 << 20;
    static constexpr int64_t kStep = 2 << 20;
    void Run(uint8_t* block, int64_t bytes) {
        for (int64_t done = 0; done < bytes && !stop_; done += kStep)
            if (!platform::PrefaultPages(block + done, static_cast<size_t>(std::min(kStep, bytes - done))))
                return;
    }
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Reads total bytes from fd into dest chunk by chunk; answers 0 or a code.
int ReadChunks(int fd, uint8_t* dest, int64_t total, Progress& progress) {
    int64_t done = 0;
    do {
        const int64_t chunk = std::min(total - done, kTransferChunk);
        if (chunk > 0) {
            const int64_t got = platform::ReadFully(fd, dest + done, chunk);
            if (got < 0) return static_cast<int>(-got);
            done += got;
            if (got < chunk) return kErrRead;
        }
        progress.SetProgress(done, total, kProgressStep);
        if (progress.Cancelled()) return kErrReadCancelled;
    } while (done != total);
    return 0;
}

// Opens name and reads total bytes into dest; answers 0 or a code. loaded (may be null)
// learns the file's time at the open and its size after the read.
int ReadWholeFile(const std::string& name, bool denyWrite, uint8_t* dest, int64_t total,
                  const ProgressSource& makeProgress, LoadedFile* loaded) {
    const int fd = platform::OpenForReading(name, denyWrite);
    if (fd < 0) return -fd;
    if (loaded) loaded->time = platform::StatOpenFile(fd).modified;
    int code = 0;
    {
        const std::unique_ptr<Progress> progress = makeProgress();
        code = ReadChunks(fd, dest, total, *progress);
    }
    if (loaded) loaded->sizeAfter = platform::StatOpenFile(fd).size;
    if (platform::CloseFile(fd) != 0 && code == 0) code = kErrClose;
    return code;
}

} // namespace

int LoadWholeFile(const std::string& name, bool denyWrite, const ProgressSource& progress, LoadedFile& out) {
    out = LoadedFile{};
    const platform::FileInfo info = platform::StatFile(name);
    const int64_t total = info.exists ? info.size : -1;
    if (total > kMaxDocumentSize) return kErrFileTooLarge;
    if (!out.buffer.Allocate(Document::CapacityFor(total))) return kErrNoMemory;
    if (total < 0) {
        // Not found by the lookup: the open reports why.
        const int fd = platform::OpenForReading(name, denyWrite);
        if (fd >= 0) platform::CloseFile(fd);
        out.buffer.Release();
        return fd < 0 ? -fd : kErrOpen;
    }
    int code = 0;
    {
        PagesAhead ahead(out.buffer.Data(), total);
        code = ReadWholeFile(name, denyWrite, out.buffer.Data(), total, progress, &out);
    }
    if (code != 0) {
        out.buffer.Release();
        return code;
    }
    out.size = static_cast<int32_t>(total);
    return 0;
}

int ReadFileInto(const std::string& name, uint8_t* dest, int64_t expectedSize,
                 const ProgressSource& progress) {
    const platform::FileInfo info = platform::StatFile(name);
    if (info.exists && info.size != expectedSize) return kErrRead;
    return ReadWholeFile(name, false, dest, expectedSize, progress, nullptr);
}

WriteOutcome WriteBytesToFile(const std::string& name, const uint8_t* data, int64_t count,
                              const ProgressSource& makeProgress) {
    WriteOutcome outcome;
    // A count outside the Document's range can only come from a fault; the loop below would
    // never reach it.
    if (count < 0 || count > kMaxDocumentSize || (count > 0 && !data)) {
        outcome.code = kErrWrite;
        return outcome;
    }
    platform::SavePlan plan;
    outcome.code = platform::BeginSave(name, plan, count);
    if (outcome.code != 0) return outcome;
    outcome.inPlace = plan.inPlace;
    const std::unique_ptr<Progress> progress = makeProgress();
    // Stopping half-way through an in-place write would leave neither the old nor the new file.
    if (plan.inPlace) progress->EnableCancel(false);
    int64_t done = 0;
    do {
        const int64_t chunk = std::min(count - done, kTransferChunk);
        if (chunk > 0) {
            outcome.code = platform::WriteFully(plan.fd, data + done, chunk);
            if (outcome.code != 0) break;
            done += chunk;
        }
        progress->SetProgress(done, count, kProgressStep);
        if (progress->Cancelled()) outcome.code = kErrWriteCancelled;
    } while (done != count && outcome.code == 0);
    if (outcome.code != 0) {
        platform::AbortSave(plan);
        return outcome;
    }
    outcome.code = platform::CommitSave(plan);
    return outcome;
}

} // namespace qhe
