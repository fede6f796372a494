// A mapped Document in pieces against a plain vector: the input drives inserts, deletes,
// overwrites and rebuilds of a range in one pass (as replace all makes them), and after each one the bytes,
// and find and count in both directions across the piece borders, must equal the vector's and the engine's
// answers over one flat buffer.
#include "FuzzCheck.h"
#include "core/document/Document.h"
#include "core/search/DocumentSearch.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sys/mman.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The "file": a memory file of a few KiB, the same for every input.
const std::string& FileName() {
    static const std::string name = [] {
        const int fd = memfd_create("qhe32-fuzz-pieces", 0);
        std::vector<uint8_t> bytes(8192);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>("ABAC"[(i * 7 + i / 5) % 4]);
        if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) abort();
        return "/proc/self/fd/" + std::to_string(fd);
    }();
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    qhe::platform::FileMapping mapping;
    FUZZ_CHECK(mapping.Open(FileName(), false) == 0);
    qhe::Document doc;
    doc.AdoptMapping(std::move(mapping));
    std::vector<uint8_t> model(doc.Buffer(), doc.Buffer() + doc.Size());
    while (in.remaining_bytes() > 4) {
        const auto size = static_cast<int64_t>(model.size());
        const int op = in.ConsumeIntegralInRange(0, 4);
        const int64_t pos = in.ConsumeIntegralInRange<int64_t>(1, std::max<int64_t>(size, 1));
        const int64_t n = in.ConsumeIntegralInRange<int64_t>(1, 40);
        if (op <= 1 || size == 0) {
            const std::vector<uint8_t> bytes(static_cast<size_t>(n),
                                             static_cast<uint8_t>("ABCZ"[op + n % 2]));
            FUZZ_CHECK(doc.InsertGap(pos, n));
            FUZZ_CHECK(doc.WriteBytes(pos, bytes.data(), n));
            model.insert(model.begin() + pos - 1, bytes.begin(), bytes.end());
        } else if (op == 2) {
            const int64_t k = std::min(n, size - pos + 1);
            FUZZ_CHECK(doc.RemoveBytes(pos, k));
            model.erase(model.begin() + pos - 1, model.begin() + pos - 1 + k);
        } else if (op == 4) {
            // Stretches kept (short ones copied, long ones left in place), dropped and new.
            std::optional<qhe::PieceRebuild> rebuild;
            FUZZ_CHECK(doc.StartRebuild(pos, rebuild));
            std::vector<uint8_t> built(model.begin(), model.begin() + pos - 1);
            int64_t at = pos - 1;
            for (int steps = in.ConsumeIntegralInRange(0, 8); steps > 0 && at < size; --steps) {
                const int64_t keep = std::min(size - at, in.ConsumeBool() ? n : n * 64);
                FUZZ_CHECK(rebuild->Keep(keep));
                built.insert(built.end(), model.begin() + at, model.begin() + at + keep);
                at += keep;
                const int64_t skip = std::min<int64_t>(size - at, in.ConsumeIntegralInRange(0, 3));
                rebuild->Skip(skip);
                at += skip;
                const std::vector<uint8_t> fresh(in.ConsumeIntegralInRange<size_t>(0, 5), 'R');
                FUZZ_CHECK(rebuild->Append(fresh.data(), static_cast<int64_t>(fresh.size())));
                built.insert(built.end(), fresh.begin(), fresh.end());
            }
            doc.CommitRebuild(*rebuild);
            built.insert(built.end(), model.begin() + at, model.end());
            model = std::move(built);
        } else {
            const int64_t k = std::min(n, size - pos + 1);
            const std::vector<uint8_t> bytes(static_cast<size_t>(k), 'B');
            FUZZ_CHECK(doc.WriteBytes(pos, bytes.data(), k));
            std::copy(bytes.begin(), bytes.end(), model.begin() + pos - 1);
        }
        FUZZ_CHECK(doc.Size() == static_cast<int64_t>(model.size()));
    }
    std::vector<uint8_t> now;
    FUZZ_CHECK(doc.ReadBytes(1, doc.Size(), now) && now == model);
    const std::string patterns[] = {"AB", "BAC", "CZZA", "ABAC", "B.C"};
    for (const std::string& pattern : patterns) {
        qhe::TQSearch pieces, flat;
        const bool joker = pattern.find('.') != std::string::npos;
        const qhe::SearchRequest r{
            {reinterpret_cast<const uint8_t*>(pattern.data()), pattern.size()}, true, joker, '.'};
        const int64_t high = doc.Size();
        bool cancel = false;
        int64_t last = 0, flatLast = 0;
        FUZZ_CHECK(qhe::SearchForwardIn(pieces, doc, r, 1, high, cancel) ==
                   flat.SearchForward(r.pattern, model.data(), 1, high, true, joker, '.', {}, cancel));
        FUZZ_CHECK(qhe::SearchBackwardIn(pieces, doc, r, 1, high, cancel) ==
                   flat.SearchBackward(r.pattern, model.data(), 1, high, true, joker, '.', {}, cancel));
        FUZZ_CHECK(
            qhe::CountForwardIn(pieces, doc, r, 1, high, cancel, last) ==
                flat.CountForward(r.pattern, model.data(), 1, high, true, joker, '.', {}, cancel, flatLast) &&
            last == flatLast);
        FUZZ_CHECK(qhe::CountBackwardIn(pieces, doc, r, 1, high, cancel, last) ==
                       flat.CountBackward(r.pattern, model.data(), 1, high, true, joker, '.', {}, cancel,
                                          flatLast) &&
                   last == flatLast);
    }
    return 0;
}
