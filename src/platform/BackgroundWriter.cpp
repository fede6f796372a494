#include "platform/BackgroundWriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <system_error>

#include <cerrno>
#include <unistd.h>

#include "platform/ErrorCodes.h"
#include "platform/FileIO.h"

namespace qhe::platform {
namespace {

// Pieces of one write call: a reader on a pipe copies one piece out while the next goes in,
// where one large write would hold the pipe until all of it is in.
constexpr size_t kWritePiece = 64 << 10;

// Writes all count bytes at offset; answers 0 or the error code.
int WriteFullyAt(int fd, const uint8_t* src, size_t count, int64_t offset) {
    for (size_t done = 0; done < count;) {
        const ssize_t put = ::pwrite(fd, src + done, count - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return LastErrorCode(true);
        if (put == 0) return ErrorCodeFromErrno(ENOSPC, true);
        done += static_cast<size_t>(put);
    }
    return 0;
}

} // namespace

BackgroundWriter::BackgroundWriter(int fd, size_t capacity, size_t alignment)
    : fd_(fd), writePiece_(alignment ? capacity : kWritePiece) {
    // aligned_alloc wants a size that is a multiple of the alignment.
    const size_t align = std::max<size_t>(alignment, alignof(std::max_align_t));
    const size_t size = (capacity + align - 1) / align * align;
    for (size_t i = 0; i < kBuffers; ++i) {
        char* buffer = static_cast<char*>(std::aligned_alloc(align, size));
        if (!buffer) throw std::bad_alloc();
        buffers_.emplace_back(buffer);
        free_.push_back(i);
    }
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        // Send writes itself.
    }
}

BackgroundWriter::~BackgroundWriter() {
    Finish();
}

char* BackgroundWriter::Next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !free_.empty(); });
    filling_ = free_.back();
    free_.pop_back();
    return buffers_[filling_].get();
}

int BackgroundWriter::Send(size_t used, int64_t offset) {
    const Filled filled{filling_, used, offset};
    if (!thread_.joinable()) {
        const int code = error_ == 0 ? WriteBuffer(filled) : error_;
        error_ = code;
        free_.push_back(filled.index);
        return error_;
    }
    std::lock_guard lock(mutex_);
    queued_.push_back(filled);
    changed_.notify_all();
    return error_;
}

int BackgroundWriter::Finish() {
    if (thread_.joinable()) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return queued_.empty() && !writing_; });
            stop_ = true;
            changed_.notify_all();
        }
        thread_.join();
    }
    return error_;
}

void BackgroundWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || !queued_.empty(); });
        if (queued_.empty()) return;
        const Filled filled = queued_.front();
        queued_.pop_front();
        writing_ = true;
        const bool failed = error_ != 0;
        lock.unlock();
        // After a failure the rest is dropped: the caller learns the error from its next call.
        const int code = failed ? 0 : WriteBuffer(filled);
        lock.lock();
        if (code != 0) error_ = code;
        writing_ = false;
        free_.push_back(filled.index);
        changed_.notify_all();
    }
}

int BackgroundWriter::WriteBuffer(const Filled& filled) {
    const uint8_t* data = reinterpret_cast<const uint8_t*>(buffers_[filled.index].get());
    for (size_t done = 0; done < filled.used; done += writePiece_) {
        const size_t piece = std::min(writePiece_, filled.used - done);
        const int code = filled.offset < 0 ? WriteFully(fd_, data + done, static_cast<int64_t>(piece))
                                           : WriteFullyAt(fd_, data + done, piece,
                                                          filled.offset + static_cast<int64_t>(done));
        if (code != 0) return code;
    }
    return 0;
}

} // namespace qhe::platform
