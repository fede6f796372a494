#pragma once
#include <condition_variable>
#include <cstdlib>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace qhe::platform {

// Writes filled buffers to a descriptor on a thread of its own, so that the caller fills the
// next buffer meanwhile (formatting and writing then take two cores instead of one). A write
// error stops the writing; every later call answers it. Without a thread to spare, Send
// writes at once. With an alignment the buffers start on it and each goes in one write call
// (for direct writes; see BeginDirectWrites). A buffer sent with an offset is written there
// (pwrite), which leaves the file position alone and lets gaps between buffers stay holes.
class BackgroundWriter {
  public:
    BackgroundWriter(int fd, size_t capacity, size_t alignment = 0);
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // A buffer of capacity bytes to fill; waits while all of them are still queued.
    char* Next();
    // Queues the first used bytes of the buffer Next gave, to be written at the file position
    // or, with offset >= 0, at offset; answers 0 or the first write error.
    int Send(size_t used, int64_t offset = -1);
    // Waits until everything queued is written; answers 0 or the first write error.
    int Finish();

  private:
    static constexpr size_t kBuffers = 3;
    struct Filled {
        size_t index, used;
        int64_t offset; // -1: at the file position
    };
    void Run();
    int WriteBuffer(const Filled& filled);

    struct FreeBuffer {
        void operator()(char* p) const { std::free(p); }
    };

    const int fd_;
    const size_t writePiece_; // bytes per write call
    std::vector<std::unique_ptr<char[], FreeBuffer>> buffers_;
    std::vector<size_t> free_;  // buffers ready to fill
    std::deque<Filled> queued_; // buffers waiting for the thread, oldest first
    size_t filling_ = 0;        // the buffer Next gave last
    bool writing_ = false;      // the thread holds a buffer
    bool stop_ = false;
    int error_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

} // namespace qhe::platform
