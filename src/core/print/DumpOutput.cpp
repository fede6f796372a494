#include "core/print/DumpOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "core/document/Document.h"
#include "core/document/FileTransfer.h"
#include "core/text/Messages.h"
#include "platform/BackgroundWriter.h"
#include "platform/FileIO.h"
#include "platform/FileMapping.h"
#include "platform/SafeReplace.h"

namespace qhe {
namespace {

constexpr uint64_t kChunkText = 1 << 20; // bytes of text handed on at once

// Rows per chunk so that one chunk's text stays near kChunkText.
uint64_t RowsPerChunk(const DumpFormat& format) {
    const uint64_t rowText = 16 + 4 * static_cast<uint64_t>(format.bytesPerRow) + (format.textBelow ? 16 : 0);
    return std::max<uint64_t>(1, kChunkText / rowText);
}

// Room for one chunk's text.
size_t ChunkCapacity(const DumpFormat& format) {
    return RowsPerChunk(format) * MaxDumpRowSize(format, kDumpLineEnd.size()) + 8;
}

int WriteText(int fd, std::string_view text) {
    return platform::WriteFully(fd, reinterpret_cast<const uint8_t*>(text.data()),
                                static_cast<int64_t>(text.size()));
}

// Formats the rows of bytes[0 .. count), the first at the 0-based offset firstOffset, chunk by
// chunk into the writer's buffers, so that one chunk is written while the next is formatted.
// After each chunk afterChunk (if any) learns the bytes done and may stop the work. Answers 0,
// the first write error, or kDumpCancelled.
int SendDumpRows(platform::BackgroundWriter& writer, const uint8_t* bytes, uint64_t count,
                 uint64_t firstOffset, const DumpFormat& format, const DumpProgress& afterChunk = {}) {
    const uint64_t chunkBytes = RowsPerChunk(format) * static_cast<uint64_t>(std::max(1, format.bytesPerRow));
    for (uint64_t done = 0; done < count;) {
        const uint64_t end = std::min(count, done + chunkBytes);
        char* const text = writer.Next();
        char* const textEnd =
            WriteDumpRows(text, format, firstOffset + done, bytes + done, end - done, kDumpLineEnd);
        if (const int code = writer.Send(static_cast<size_t>(textEnd - text)); code != 0) return code;
        done = end;
        if (afterChunk && !afterChunk(done)) return kDumpCancelled;
    }
    return 0;
}

} // namespace

std::string DumpHeadLines(const std::string& fileName, const DumpFormat& format) {
    std::string text = "File: " + fileName;
    text += kDumpLineEnd;
    text += "Output by QHE32";
    text += kDumpLineEnd;
    text += kDumpLineEnd;
    text += DumpColumnHeader(format);
    text += kDumpLineEnd;
    return text;
}

int WriteDumpFile(const std::string& path, const std::string& fileName, const ByteView& buffer,
                  DumpRange range, const DumpFormat& format, const DumpProgress& progress) {
    platform::SavePlan plan;
    if (int code = platform::BeginSave(path, plan); code != 0) return code;
    int code = WriteText(plan.fd, DumpHeadLines(fileName, format));
    if (code == 0 && range.last >= range.first) {
        platform::BackgroundWriter writer(plan.fd, ChunkCapacity(format));
        // Whole rows of at most 4 MiB at a time, each one contiguous run (copied for a Document
        // in pieces).
        const int64_t width = std::max(1, format.bytesPerRow);
        const int64_t piece = std::max<int64_t>(1, (4 << 20) / width) * width;
        for (int64_t at = range.first; at <= range.last && code == 0; at += piece) {
            const int64_t n = std::min(piece, range.last - at + 1);
            const uint64_t before = static_cast<uint64_t>(at - range.first);
            code = SendDumpRows(
                writer, buffer.At(at, n), static_cast<uint64_t>(n), static_cast<uint64_t>(at - 1), format,
                progress ? DumpProgress([&](uint64_t done) { return progress(before + done); })
                         : DumpProgress());
        }
        // Whatever was queued is written (or dropped after an error) before the file is settled.
        if (const int written = writer.Finish(); code == 0) code = written;
    }
    if (code != 0) {
        platform::AbortSave(plan);
        return code;
    }
    return platform::CommitSave(plan);
}

int DumpFileToDescriptor(const std::string& path, const DumpFormat& format, int out, std::string& error) {
    // Any size is streamed, a block device too.
    int64_t size = 0;
    bool device = false;
    const int fd = platform::OpenFileOrDevice(path, false, size, device);
    if (fd < 0) return -fd;
    // A larger pipe buffer lets the reader take bigger pieces (fewer wake-ups); refused is harmless.
    fcntl(out, F_SETPIPE_SZ, 1 << 20);
    int code = WriteText(out, DumpHeadLines(path, format));
    // Whole rows per read, so only the file's last row can be short.
    const uint64_t width = static_cast<uint64_t>(format.bytesPerRow);
    std::vector<uint8_t> data(std::max<uint64_t>(1, (4u << 20) / width) * width);
    platform::BackgroundWriter writer(out, ChunkCapacity(format));
    for (uint64_t offset = 0; code == 0;) {
        const int64_t got = platform::ReadFully(fd, data.data(), static_cast<int64_t>(data.size()));
        if (got < 0) {
            error = path + ": " + ErrorText(static_cast<int>(-got));
            code = static_cast<int>(-got);
            break;
        }
        if (got == 0) break;
        code = SendDumpRows(writer, data.data(), static_cast<uint64_t>(got), offset, format);
        offset += static_cast<uint64_t>(got);
        if (static_cast<uint64_t>(got) < data.size()) break;
    }
    if (const int written = writer.Finish(); code == 0) code = written;
    platform::CloseFile(fd);
    if (code != 0 && error.empty()) error = "standard output: " + ErrorText(code);
    return code;
}

} // namespace qhe
