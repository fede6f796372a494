#include "core/document/FileTransfer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "core/document/Document.h"
#include "core/document/DocumentStream.h"
#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"
#include "platform/PageMemory.h"
#include "platform/SafeReplace.h"

namespace qhe {
namespace {

constexpr int kProgressStep = 5;

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

// A large read shared by two worker threads that take 2 MiB pieces in turn. Each faults its
// piece's fresh pages in before reading into them: on virtual machines the faults cost about as
// much as the copy, and so both cores share both. The calling thread only moves the gauge and
// watches Cancel, so painting the box never holds up the read and Cancel answers even while a
// read waits on slow media; without threads to spare it reads every piece itself.
class PieceReader {
  public:
    static constexpr int64_t kMinBytes = 16 << 20;

    PieceReader(int fd, uint8_t* dest, int64_t total) : fd_(fd), dest_(dest), total_(total) {}

    int Run(Progress& progress) {
        std::vector<std::thread> workers;
        running_ = kWorkers;
        try {
            while (workers.size() < kWorkers)
                workers.emplace_back([this] { ReadPieces(); });
        } catch (const std::system_error&) {
            // Fewer threads than asked for: this one reads too.
            std::lock_guard lock(mutex_);
            running_ -= static_cast<int>(kWorkers - workers.size());
        }
        if (workers.size() < kWorkers) {
            while (ReadNextPiece())
                Watch(progress);
        } else {
            std::unique_lock lock(mutex_);
            while (
                !finished_.wait_for(lock, std::chrono::milliseconds(15), [this] { return running_ == 0; })) {
                lock.unlock();
                Watch(progress);
                lock.lock();
            }
        }
        for (std::thread& worker : workers)
            worker.join();
        if (failure_ != 0) return failure_;
        progress.SetProgress(total_, total_, kProgressStep);
        return progress.Cancelled() ? kErrReadCancelled : 0;
    }

  private:
    static constexpr int64_t kPiece = 2 << 20;
    static constexpr size_t kWorkers = 2;

    void ReadPieces() {
        while (ReadNextPiece()) {
        }
        std::lock_guard lock(mutex_);
        if (--running_ == 0) finished_.notify_one();
    }
    void Watch(Progress& progress) {
        progress.SetProgress(done_.load(), total_, kProgressStep);
        if (progress.Cancelled()) Fail(kErrReadCancelled);
    }
    // Reads the next untaken piece; false when none is left or a worker failed.
    bool ReadNextPiece() {
        if (failure_.load() != 0) return false;
        const int64_t at = next_.fetch_add(kPiece);
        if (at >= total_) return false;
        const int64_t size = std::min(kPiece, total_ - at);
        platform::PrefaultPages(dest_ + at, static_cast<size_t>(size));
        const int64_t got = platform::ReadFullyAt(fd_, dest_ + at, size, at);
        if (got != size) {
            // A file that shrank meanwhile ends early.
            Fail(got < 0 ? static_cast<int>(-got) : kErrRead);
            return false;
        }
        done_ += size;
        return true;
    }
    // The first failure counts.
    void Fail(int code) {
        int none = 0;
        failure_.compare_exchange_strong(none, code);
    }

    const int fd_;
    uint8_t* const dest_;
    const int64_t total_;
    std::atomic<int64_t> next_{0}, done_{0};
    std::atomic<int> failure_{0};
    std::mutex mutex_;
    std::condition_variable finished_;
    int running_ = 0; // workers still reading
};

// Opens name and reads total bytes into dest; answers 0 or a code. loaded (may be null)
// learns the file's time at the open and its size after the read.
int ReadWholeFile(const std::string& name, bool denyWrite, uint8_t* dest, int64_t total,
                  const ProgressSource& makeProgress, LoadedFile* loaded) {
    const int fd = platform::OpenForReading(name, denyWrite);
    if (fd < 0) return -fd;
    if (loaded) {
        const platform::FileInfo opened = platform::StatOpenFile(fd);
        loaded->time = opened.modified;
        loaded->changeTime = opened.statusChanged;
        loaded->identity = opened.identity;
    }
    int code = 0;
    {
        const std::unique_ptr<Progress> progress = makeProgress();
        code = total >= PieceReader::kMinBytes ? PieceReader(fd, dest, total).Run(*progress)
                                               : ReadChunks(fd, dest, total, *progress);
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
    code = ReadWholeFile(name, denyWrite, out.buffer.Data(), total, progress, &out);
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

namespace {

// The progress of a save: cancelled too by a signal that would end the program, which the save
// holds back (SignalHold) so that it can stop cleanly before its commit.
class SaveProgress final : public Progress {
  public:
    explicit SaveProgress(std::unique_ptr<Progress> box) : box_(std::move(box)) {}
    bool SetProgress(int64_t done, int64_t total, int step) override { return box_->SetProgress(done, total, step); }
    void SetText(const std::string& text, int every) override { box_->SetText(text, every); }
    void SetCaption(const std::string& text) override { box_->SetCaption(text); }
    void EnableCancel(bool enabled) override { box_->EnableCancel(enabled); }
    bool Cancelled() const override { return box_->Cancelled() || platform::SignalHold::Arrived(); }

  private:
    std::unique_ptr<Progress> box_;
};

// Writes count bytes to name: those at data, or with doc (a mapped Document) those from its
// position from on, streamed with the disk space reserved first; a mapped Document is never
// written over its own file in place (refused before the file is touched).
WriteOutcome WriteRuns(const std::string& name, int64_t count, const ProgressSource& makeProgress,
                       const uint8_t* data, const Document* doc = nullptr, int64_t from = 1) {
    WriteOutcome outcome;
    platform::SavePlan plan;
    outcome.code = platform::BeginSave(name, plan, count, doc ? doc->MappedIdentity() : platform::FileIdentity{},
                                       doc == nullptr);
    if (outcome.code != 0) return outcome;
    // For a Document the space for its data is had before the first byte is written; holes of
    // the mapped file stay holes and need none.
    if (doc) outcome.code = ReserveStreamSpace(*doc, from, count, plan.fd);
    if (outcome.code != 0) {
        platform::AbortSave(plan);
        return outcome;
    }
    outcome.inPlace = plan.inPlace;
    SaveProgress progress(makeProgress());
    if (doc) {
        outcome.code = StreamDocument(*doc, from, count, plan.fd, true, progress);
    } else {
        int64_t done = 0;
        do {
            const int64_t chunk = std::min(count - done, kTransferChunk);
            if (chunk > 0) {
                outcome.code = platform::WriteFully(plan.fd, data + done, chunk);
                if (outcome.code != 0) break;
                done += chunk;
            }
            progress.SetProgress(done, count, kProgressStep);
            if (progress.Cancelled()) outcome.code = kErrWriteCancelled;
        } while (done != count && outcome.code == 0);
    }
    // The last chance to stop: after the commit the new contents are the file's.
    if (outcome.code == 0 && progress.Cancelled()) outcome.code = kErrWriteCancelled;
    if (outcome.code != 0) {
        platform::AbortSave(plan);
        return outcome;
    }
    progress.EnableCancel(false);
    // In place the journal's data area ends where the file position stands.
    if (plan.inPlace && ::lseek(plan.fd, count, SEEK_SET) != count) outcome.code = platform::LastErrorCode(true);
    if (outcome.code == 0) outcome.code = platform::CommitSave(plan);
    outcome.setIdLost = plan.setIdLost;
    return outcome;
}

} // namespace

WriteOutcome WriteBytesToFile(const std::string& name, const uint8_t* data, int64_t count,
                              const ProgressSource& makeProgress) {
    // A count outside the Document's range can only come from a fault; the loop would never
    // reach it.
    if (count < 0 || count > kMaxDocumentSize || (count > 0 && !data)) return {kErrWrite, false};
    return WriteRuns(name, count, makeProgress, data);
}

WriteOutcome WriteDocumentToFile(const std::string& name, const Document& doc, int64_t from, int64_t count,
                                 const ProgressSource& makeProgress) {
    if (count < 0 || from < 1 || from + count - 1 > doc.Size()) return {kErrWrite, false};
    if (doc.Contiguous() && !doc.IsMapped())
        return WriteRuns(name, count, makeProgress, doc.Buffer() + from - 1);
    return WriteRuns(name, count, makeProgress, nullptr, &doc, from);
}

} // namespace qhe
