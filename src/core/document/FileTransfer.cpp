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
#include "platform/BackgroundWriter.h"
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

// Writes count bytes, taken run by run from next(done, most) (a pointer to the bytes at offset
// done, with their length in *most on return, at most the given most), as WriteBytesToFile does.
// Streams count bytes of a mapped Document, from position from on, to out. Bytes that lie
// unchanged in the mapped file are read with pread (no page faults on the mapping), the rest
// copied; a writer thread writes each filled buffer while the next is read. Writes are direct
// where the file system takes them: a save of many GiB then neither fills the page cache with
// dirty pages nor waits for their write-back at the end (measured 1.8x faster than buffered
// writes here, and on a par with cp followed by sync).
int StreamDocument(const Document& doc, int64_t from, int64_t count, int out, bool direct,
                   Progress& progress) {
    constexpr int64_t kBuffer = 8 << 20;
    direct = direct && count >= kBuffer && platform::BeginDirectWrites(out);
    const int64_t align = direct ? platform::kDirectAlignment : 1;
    int code = 0;
    int64_t done = 0;
    {
        platform::BackgroundWriter writer(out, kBuffer, direct ? platform::kDirectAlignment : 0);
        while (code == 0 && done < count) {
            uint8_t* buffer = reinterpret_cast<uint8_t*>(writer.Next());
            int64_t fill = 0;
            while (code == 0 && fill < kBuffer && done < count) {
                const PieceTable::Span span = doc.SpanAt(from + done);
                const int64_t n = std::min({kBuffer - fill, count - done, span.size});
                int fd = -1;
                int64_t offset = 0;
                if (doc.FileRangeOf(span.data, n, fd, offset)) {
                    const int64_t got = platform::ReadFullyAt(fd, buffer + fill, n, offset);
                    code = got < 0 ? static_cast<int>(-got) : got < n ? kErrRead : 0;
                } else {
                    std::memcpy(buffer + fill, span.data, static_cast<size_t>(n));
                }
                fill += n;
                done += n;
            }
            if (code != 0) break;
            // The last block of a direct write is padded; EndDirectWrites cuts it off.
            const int64_t padded = (fill + align - 1) / align * align;
            std::memset(buffer + fill, 0, static_cast<size_t>(padded - fill));
            code = writer.Send(static_cast<size_t>(padded));
            progress.SetProgress(done, count, kProgressStep);
            if (code == 0 && progress.Cancelled()) code = kErrWriteCancelled;
        }
        const int written = writer.Finish();
        if (code == 0) code = written;
    }
    if (direct && code == 0) code = platform::EndDirectWrites(out, count);
    return code;
}

// Writes count bytes to name: those at data, or with doc (a mapped Document) those from its
// position from on, streamed with the disk space reserved first; a mapped Document is never
// written over its own file in place.
WriteOutcome WriteRuns(const std::string& name, int64_t count, const ProgressSource& makeProgress,
                       const uint8_t* data, const Document* doc = nullptr, int64_t from = 1) {
    const bool reserve = doc != nullptr;
    WriteOutcome outcome;
    platform::SavePlan plan;
    outcome.code = platform::BeginSave(name, plan, count);
    if (outcome.code != 0) return outcome;
    // With reserve the space for all of it is had before the first byte is written.
    // (The padding of a last direct write falls in the last block reserved.)
    if (reserve) outcome.code = platform::ReserveSpaceFor(plan, count);
    if (outcome.code != 0) {
        platform::AbortSave(plan);
        return outcome;
    }
    outcome.inPlace = plan.inPlace;
    if (doc && plan.inPlace && platform::StatOpenFile(plan.fd).identity == doc->MappedIdentity()) {
        platform::AbortSave(plan);
        outcome.code = kMappedInPlace;
        return outcome;
    }
    const std::unique_ptr<Progress> progress = makeProgress();
    // Stopping half-way through an in-place write would leave neither the old nor the new file.
    if (plan.inPlace) progress->EnableCancel(false);
    if (doc) {
        outcome.code = StreamDocument(*doc, from, count, plan.fd, !plan.inPlace, *progress);
    } else {
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
    }
    if (outcome.code != 0) {
        platform::AbortSave(plan);
        return outcome;
    }
    outcome.code = platform::CommitSave(plan);
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
