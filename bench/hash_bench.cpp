// The hash pass against each library's own loop over the same buffer (QHE32_BENCH_HASH_MB MiB,
// default 1024), and several digests at once against the slowest of them alone.
#include "core/tools/Hashes.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <openssl/evp.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

const std::vector<uint8_t>& Data() {
    static const std::vector<uint8_t> bytes = [] {
        const char* mb = std::getenv("QHE32_BENCH_HASH_MB");
        std::vector<uint8_t> out(static_cast<size_t>(mb ? std::atoll(mb) : 1024) << 20);
        std::mt19937_64 rng(9);
        for (size_t i = 0; i + 8 <= out.size(); i += 8) {
            const uint64_t v = rng();
            std::memcpy(out.data() + i, &v, 8);
        }
        return out;
    }();
    return bytes;
}

void Hash(benchmark::State& state, std::vector<qhe::HashKind> kinds) {
    const auto& data = Data();
    for (auto _ : state) {
        qhe::MultiHasher hasher(kinds);
        hasher.Update(data.data(), data.size());
        benchmark::DoNotOptimize(hasher.Finish());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}
BENCHMARK_CAPTURE(Hash, sha256, {qhe::HashKind::Sha256})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Hash, md5, {qhe::HashKind::Md5})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Hash, sha1, {qhe::HashKind::Sha1})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Hash, crc32, {qhe::HashKind::Crc32})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Hash, crc32_md5_sha1_sha256,
                  {qhe::HashKind::Crc32, qhe::HashKind::Md5, qhe::HashKind::Sha1, qhe::HashKind::Sha256})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The library alone: one EVP_Digest call over the whole buffer.
void LibraryBaseline(benchmark::State& state, const EVP_MD* (*method)()) {
    const auto& data = Data();
    for (auto _ : state) {
        unsigned char out[EVP_MAX_MD_SIZE];
        unsigned n = 0;
        EVP_Digest(data.data(), data.size(), out, &n, method(), nullptr);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}
BENCHMARK_CAPTURE(LibraryBaseline, sha256, EVP_sha256)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LibraryBaseline, md5, EVP_md5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LibraryBaseline, sha1, EVP_sha1)->Unit(benchmark::kMillisecond)->UseRealTime();

void Crc32Baseline(benchmark::State& state) {
    const auto& data = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(libdeflate_crc32(0, data.data(), data.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}
BENCHMARK(Crc32Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

#include "core/text/CopyAs.h"

namespace {

// 16 MiB as a C array (about 100 MB of text), as "copy as" makes it for the clipboard.
void CopyAsCArray16MiB(benchmark::State& state) {
    const std::vector<uint8_t> bytes(Data().begin(), Data().begin() + (16 << 20));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            qhe::FormatCopyAs(qhe::CopyAsFormat::CArray, bytes.data(), bytes.size(), size_t{128} << 20));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(CopyAsCArray16MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
