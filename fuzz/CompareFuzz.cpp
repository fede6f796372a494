// The compare engine on two byte strings made from the input (B an edited copy of A, or
// unrelated): the ranges must be in order, separated by equal stretches of one length, cover
// both ends; byte by byte they must be exactly the maximal runs of differing bytes; and no
// budget, run size or telling of holes (runs of zeros, as a file system reports them) may
// change the result.
#include "FuzzCheck.h"
#include "core/compare/FileCompare.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

qhe::CompareInput InputOf(const Bytes& bytes, int64_t piece) {
    return {[&bytes, piece](int64_t offset) {
                const int64_t size = static_cast<int64_t>(bytes.size());
                return qhe::PieceTable::Span{bytes.data() + offset,
                                             std::min(size - offset, piece - offset % piece)};
            },
            static_cast<int64_t>(bytes.size())};
}

// The runs of at least least zero bytes of bytes, told as holes.
qhe::HoleSource HolesOf(const Bytes& bytes, size_t least) {
    std::vector<std::pair<int64_t, int64_t>> holes;
    for (size_t i = 0; i < bytes.size();) {
        size_t end = i;
        while (end < bytes.size() && bytes[end] == 0)
            ++end;
        if (end - i >= least) holes.emplace_back(int64_t(i), int64_t(end));
        i = std::max(end, i + 1);
    }
    const auto size = static_cast<int64_t>(bytes.size());
    return [holes, size](int64_t offset, int64_t& end) {
        end = size;
        for (const auto& [from, to] : holes) {
            if (offset < from) return end = from, false;
            if (offset < to) return end = to, true;
        }
        return false;
    };
}

std::vector<qhe::DiffRange> Compare(const Bytes& a, const Bytes& b, const qhe::CompareOptions& options,
                                    int64_t budget, int64_t piece, size_t holes = 0) {
    qhe::FileComparer comparer(InputOf(a, piece), InputOf(b, piece + 3), options);
    if (holes > 0) comparer.SetHoles(HolesOf(a, holes), HolesOf(b, holes));
    std::vector<qhe::DiffRange> ranges;
    qhe::DiffRange r;
    for (qhe::FileComparer::Status s; (s = comparer.Step(r, budget)) != qhe::FileComparer::Status::Done;)
        if (s == qhe::FileComparer::Status::Range) ranges.push_back(r);
    return ranges;
}

bool Equal(const Bytes& a, int64_t i, const Bytes& b, int64_t j, int64_t n) {
    return n == 0 || std::memcmp(a.data() + i, b.data() + j, static_cast<size_t>(n)) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    qhe::CompareOptions options;
    options.resync = in.ConsumeBool();
    options.run = in.ConsumeIntegralInRange(4, 24);
    options.window = in.ConsumeIntegralInRange<int64_t>(256, 4096);
    const int64_t piece = in.ConsumeIntegralInRange<int64_t>(1, 600);
    const int64_t budget = in.ConsumeIntegralInRange<int64_t>(1, 5000);
    const auto holes = in.ConsumeIntegralInRange<size_t>(1, 64);
    Bytes a = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 6000));
    Bytes b = a;
    if (in.ConsumeBool()) {
        b = in.ConsumeBytes<uint8_t>(6000);
    } else {
        for (int edits = in.ConsumeIntegralInRange(0, 12); edits > 0 && in.remaining_bytes() > 0; --edits) {
            const size_t at = in.ConsumeIntegralInRange<size_t>(0, b.size());
            const size_t n = in.ConsumeIntegralInRange<size_t>(0, std::min<size_t>(300, b.size() - at));
            switch (in.ConsumeIntegralInRange(0, 2)) {
            case 0:
                b.erase(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + n));
                break;
            case 1: {
                const Bytes extra = in.ConsumeBytes<uint8_t>(n);
                b.insert(b.begin() + static_cast<long>(at), extra.begin(), extra.end());
                break;
            }
            default:
                for (size_t k = at; k < at + n; ++k)
                    b[k] = in.ConsumeIntegral<uint8_t>();
            }
        }
    }
    const auto ranges = Compare(a, b, options, 1 << 30, 1 << 30);
    FUZZ_CHECK(Compare(a, b, options, budget, piece) == ranges);
    FUZZ_CHECK(Compare(a, b, options, budget, piece, holes) == ranges);
    // Ordered, each with bytes, the stretches between them equal and of one length.
    int64_t i = 0, j = 0;
    for (const qhe::DiffRange& r : ranges) {
        FUZZ_CHECK(r.lengthA > 0 || r.lengthB > 0);
        FUZZ_CHECK(r.offsetA >= i && r.offsetB >= j && r.offsetA - i == r.offsetB - j);
        FUZZ_CHECK(Equal(a, i, b, j, r.offsetA - i));
        FUZZ_CHECK(r.offsetA + r.lengthA <= static_cast<int64_t>(a.size()));
        FUZZ_CHECK(r.offsetB + r.lengthB <= static_cast<int64_t>(b.size()));
        i = r.offsetA + r.lengthA;
        j = r.offsetB + r.lengthB;
    }
    const auto sizeA = static_cast<int64_t>(a.size()), sizeB = static_cast<int64_t>(b.size());
    FUZZ_CHECK(sizeA - i == sizeB - j && Equal(a, i, b, j, sizeA - i));
    if (!options.resync) {
        // Byte by byte: exactly the maximal runs of differing bytes, then the tail.
        std::vector<qhe::DiffRange> model;
        const int64_t common = std::min(sizeA, sizeB);
        for (int64_t k = 0; k < common;) {
            if (a[k] == b[k]) {
                ++k;
                continue;
            }
            int64_t end = k;
            while (end < common && a[end] != b[end])
                ++end;
            model.push_back({k, k, end - k, end - k, false});
            k = end;
        }
        if (sizeA != sizeB) model.push_back({common, common, sizeA - common, sizeB - common, false});
        FUZZ_CHECK(ranges == model);
    }
    return 0;
}
