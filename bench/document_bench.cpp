// Document transfers and edits against the plain system calls and memmove on the same data.
// QHE32_BENCH_MB sets the Document size (default 1024), QHE32_BENCH_DIR the folder for files.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/document/Document.h"
#include "core/document/FileTransfer.h"

namespace {

int64_t BenchBytes() {
    const char* mb = std::getenv("QHE32_BENCH_MB");
    return (mb ? std::atoll(mb) : 1024) << 20;
}

std::string BenchFile(const char* name) {
    const char* dir = std::getenv("QHE32_BENCH_DIR");
    return std::string(dir ? dir : "/tmp") + "/" + name;
}

// A file of BenchBytes() bytes, written once per run, then in the page cache.
// Touches and frees twice the Document size once, so that neither the loader nor the baselines
// pay a virtual machine's first touch of fresh memory.
void WarmUpMemory() {
    static const bool done = [] {
        const size_t bytes = static_cast<size_t>(BenchBytes()) * 2;
        void* block = std::malloc(bytes);
        if (block) std::memset(block, 1, bytes);
        std::free(block);
        return true;
    }();
    (void)done;
}

const std::string& SourceFile() {
    WarmUpMemory();
    static const std::string name = [] {
        std::string file = BenchFile("qhe32-bench-source.bin");
        struct stat st {};
        if (stat(file.c_str(), &st) == 0 && st.st_size == BenchBytes()) return file; // kept from an earlier run
        std::vector<uint8_t> chunk(1 << 20);
        for (size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
        const int fd = open(file.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        for (int64_t done = 0; done < BenchBytes(); done += static_cast<int64_t>(chunk.size()))
            if (write(fd, chunk.data(), chunk.size()) < 0) break;
        close(fd);
        return file;
    }();
    return name;
}

qhe::ProgressSource Silent() {
    return [] { return std::make_unique<qhe::NoProgress>(); };
}

void BM_LoadFile(benchmark::State& state) {
    SourceFile();
    for (auto _ : state) {
        qhe::LoadedFile loaded;
        if (qhe::LoadWholeFile(SourceFile(), true, Silent(), loaded) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.buffer.Data());
    }
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: read() in 128 KiB calls into a buffer allocated (not touched) before each pass.
void BM_ReadLoopBaseline(benchmark::State& state) {
    SourceFile();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<uint8_t[]> buffer(new uint8_t[static_cast<size_t>(BenchBytes())]);
        state.ResumeTiming();
        const int fd = open(SourceFile().c_str(), O_RDONLY);
        for (int64_t done = 0; done < BenchBytes();) {
            const ssize_t got = read(fd, buffer.get() + done, 128 << 10);
            if (got <= 0) break;
            done += got;
        }
        close(fd);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_ReadLoopBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: the same read loop into memory touched before (no page faults at all).
void BM_ReadLoopWarmBaseline(benchmark::State& state) {
    std::vector<uint8_t> buffer(static_cast<size_t>(BenchBytes()), 1);
    SourceFile();
    for (auto _ : state) {
        const int fd = open(SourceFile().c_str(), O_RDONLY);
        for (int64_t done = 0; done < BenchBytes();) {
            const ssize_t got = read(fd, buffer.data() + done, 128 << 10);
            if (got <= 0) break;
            done += got;
        }
        close(fd);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_ReadLoopWarmBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

const std::vector<uint8_t>& SaveData() {
    static const std::vector<uint8_t> data(static_cast<size_t>(BenchBytes()), 0x5A);
    return data;
}

// Saving: temporary file, flush, rename over the target.
void BM_SaveFile(benchmark::State& state) {
    const std::string target = BenchFile("qhe32-bench-save.bin");
    SaveData();
    for (auto _ : state) {
        const auto outcome = qhe::WriteBytesToFile(target, SaveData().data(), BenchBytes(), Silent());
        if (outcome.code != 0) state.SkipWithError("save failed");
    }
    unlink(target.c_str());
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: write() in 128 KiB calls to a truncated file, with the same final flush.
void BM_WriteLoopBaseline(benchmark::State& state) {
    const std::string target = BenchFile("qhe32-bench-plain.bin");
    SaveData();
    for (auto _ : state) {
        const int fd = open(target.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        for (int64_t done = 0; done < BenchBytes(); done += 128 << 10)
            if (write(fd, SaveData().data() + done, 128 << 10) < 0) break;
        fsync(fd);
        close(fd);
    }
    unlink(target.c_str());
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_WriteLoopBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// A Document of BenchBytes() bytes with room for many one-byte inserts.
qhe::Document& BigDocument() {
    static qhe::Document doc = [] {
        qhe::Document d;
        d.Allocate();
        d.InsertGap(1, BenchBytes());
        std::memset(d.Buffer(), 0x33, static_cast<size_t>(BenchBytes()));
        return d;
    }();
    return doc;
}

void BM_InsertGapAtStart(benchmark::State& state) {
    qhe::Document& doc = BigDocument();
    doc.Reallocate(qhe::Document::CapacityFor(BenchBytes()));
    for (auto _ : state) {
        doc.InsertGap(1, 1);
        state.PauseTiming();
        doc.SetSize(static_cast<int32_t>(BenchBytes())); // back to the original size, without a move
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_InsertGapAtStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MemmoveBaseline(benchmark::State& state) {
    qhe::Document& doc = BigDocument();
    for (auto _ : state) {
        std::memmove(doc.Buffer() + 1, doc.Buffer(), static_cast<size_t>(BenchBytes() - 1));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * BenchBytes());
}
BENCHMARK(BM_MemmoveBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// Growing the full buffer by one 128 KiB step and back: remapped, never copied.
void BM_GrowOneStep(benchmark::State& state) {
    qhe::Document& doc = BigDocument();
    const int64_t capacity = doc.Capacity();
    for (auto _ : state) {
        doc.Reallocate(capacity + qhe::kCapacityStep);
        doc.Reallocate(capacity);
    }
}
BENCHMARK(BM_GrowOneStep)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
