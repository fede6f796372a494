#include "core/search/SearchPattern.h"
#include "core/search/TQSearch.h"
#include "core/text/Ansi.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace qhe {
namespace {

using Method = TQSearch::Method;
const Method kMethods[] = {Method::CandidateFilter, Method::Sse2CandidateFilter,
                           Method::ScalarCandidateFilter, Method::QuickSearch};

std::vector<uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

enum class Dir { Forward, Backward };

struct Case {
    const char* name;
    std::string text;
    std::string pattern;
    int64_t low, high;
    bool caseSensitive, jokerOn;
    Dir dir;
    int64_t expected;
};

int64_t RunCase(TQSearch& engine, const Case& c, int* progressCalls = nullptr) {
    const auto text = Bytes(c.text);
    const auto pattern = Bytes(c.pattern);
    bool cancel = false;
    SearchProgress progress = [&](int64_t, bool&) {
        if (progressCalls) ++*progressCalls;
    };
    return c.dir == Dir::Forward ? engine.SearchForward(pattern, text.data(), c.low, c.high, c.caseSensitive,
                                                        c.jokerOn, '.', progress, cancel)
                                 : engine.SearchBackward(pattern, text.data(), c.low, c.high, c.caseSensitive,
                                                         c.jokerOn, '.', progress, cancel);
}

TEST(TQSearchTest, EdgeCases) {
    const Case cases[] = {
        {"forward leftmost", "xABAB", "AB", 1, 5, true, false, Dir::Forward, 2},
        {"backward rightmost", "xABAB", "AB", 1, 5, true, false, Dir::Backward, 4},
        {"backward hit must end by high", "xABAB", "AB", 1, 4, true, false, Dir::Backward, 2},
        {"forward hit must start at low", "xABAB", "AB", 3, 5, true, false, Dir::Forward, 4},
        {"forward hit must end by high", "xABAB", "AB", 1, 2, true, false, Dir::Forward, -1},
        {"insensitive finds upper", "xxAB", "ab", 1, 4, false, false, Dir::Forward, 3},
        {"insensitive finds mixed", "xxAb", "ab", 1, 4, false, false, Dir::Forward, 3},
        {"insensitive finds lower", "xxab", "AB", 1, 4, false, false, Dir::Backward, 3},
        {"sensitive skips other case", "ABAbab", "ab", 1, 6, true, false, Dir::Forward, 5},
        {"insensitive 1252 specials", "x\x9A\xFF", "\x8A\x9F", 1, 3, false, false, Dir::Forward, 2},
        {"joker matches any byte", "xABC", "A.C", 1, 4, true, true, Dir::Forward, 2},
        {"joker matches itself", "xA.C", "A.C", 1, 4, true, true, Dir::Forward, 2},
        {"joker matches zero", std::string("xA\0C", 4), "A.C", 1, 4, true, true, Dir::Backward, 2},
        {"joker off is literal", "xABCA.C", "A.C", 1, 7, true, false, Dir::Forward, 5},
        {"joker with case folding", "xaBc", "A.C", 1, 4, false, true, Dir::Forward, 2},
        {"all jokers match first window", "qwerty", "..", 2, 6, true, true, Dir::Forward, 2},
        {"all jokers backward", "qwerty", "..", 2, 6, true, true, Dir::Backward, 5},
        {"pattern longer than range", "ABAB", "ABA", 2, 3, true, false, Dir::Forward, -1},
        {"pattern longer than range backward", "ABAB", "ABA", 2, 3, true, false, Dir::Backward, -1},
        {"empty pattern", "ABAB", "", 1, 4, true, false, Dir::Forward, -2},
        {"empty pattern backward", "ABAB", "", 3, 1, true, false, Dir::Backward, -2},
        {"one-byte pattern", "abcabc", "c", 1, 6, true, false, Dir::Backward, 6},
        {"whole range is the hit", "abc", "abc", 1, 3, true, false, Dir::Forward, 1},
    };
    for (Method method : kMethods) {
        for (const Case& c : cases) {
            TQSearch engine;
            engine.SetMethod(method);
            int calls = 0;
            EXPECT_EQ(RunCase(engine, c, &calls), c.expected)
                << c.name << " method " << static_cast<int>(method);
            EXPECT_EQ(calls, 0) << c.name;
        }
    }
}

TEST(TQSearchTest, ShiftTablesAndJokerCaps) {
    TQSearch engine;
    engine.Prepare(Bytes("ABCA"), true, '.', false);
    EXPECT_EQ(engine.ShiftForward('A'), 1);
    EXPECT_EQ(engine.ShiftForward('C'), 2);
    EXPECT_EQ(engine.ShiftForward('x'), 5);
    EXPECT_EQ(engine.ShiftBackward('A'), 1);
    EXPECT_EQ(engine.ShiftBackward('C'), 3);
    EXPECT_EQ(engine.ShiftBackward('x'), 5);

    engine.Prepare(Bytes(".."), true, '.', true);
    EXPECT_EQ(engine.ShiftForward('x'), 1);
    EXPECT_EQ(engine.ShiftBackward('x'), 1);

    engine.Prepare(Bytes("A.BC"), true, '.', true); // joker at 2: forward cap 3, backward cap 2
    EXPECT_EQ(engine.ShiftForward('x'), 3);
    EXPECT_EQ(engine.ShiftForward('C'), 1);
    EXPECT_EQ(engine.ShiftForward('A'), 3);
    EXPECT_EQ(engine.ShiftBackward('x'), 2);
    EXPECT_EQ(engine.ShiftBackward('A'), 1);

    engine.Prepare(Bytes("aB"), false, '.', false); // both cases get the entry
    EXPECT_EQ(engine.ShiftForward('b'), 1);
    EXPECT_EQ(engine.ShiftForward('B'), 1);
    EXPECT_EQ(engine.ShiftForward('A'), 2);
    EXPECT_EQ(engine.ShiftForward('a'), 2);
}

TEST(TQSearchTest, PreparesOnlyWhenPatternOrOptionChanges) {
    TQSearch engine;
    const auto text = Bytes("hello world");
    const auto pattern = Bytes("wor");
    bool cancel = false;
    auto search = [&](const std::vector<uint8_t>& p, bool cs, bool jokerOn, uint8_t joker) {
        return engine.SearchForward(p, text.data(), 1, 11, cs, jokerOn, joker, nullptr, cancel);
    };
    EXPECT_EQ(search(pattern, true, false, '.'), 7);
    EXPECT_EQ(engine.PrepareCount(), 1);
    EXPECT_EQ(search(pattern, true, false, '.'), 7);
    EXPECT_EQ(engine.SearchBackward(pattern, text.data(), 1, 11, true, false, '.', nullptr, cancel), 7);
    EXPECT_EQ(engine.PrepareCount(), 1);
    search(pattern, true, false, '?'); // only the joker byte changed
    EXPECT_EQ(engine.PrepareCount(), 2);
    search(pattern, false, false, '?');
    EXPECT_EQ(engine.PrepareCount(), 3);
    search(pattern, false, true, '?');
    EXPECT_EQ(engine.PrepareCount(), 4);
    search(Bytes("wo"), false, true, '?');
    EXPECT_EQ(engine.PrepareCount(), 5);
}

TEST(TQSearchTest, ProgressReportsWindowEndsAndCancelStops) {
    const int64_t size = 3 * TQSearch::kProgressStride + 100;
    std::vector<uint8_t> text(size, 'x');
    const auto pattern = Bytes("needle");
    std::copy(pattern.begin(), pattern.end(), text.end() - 10);
    for (Method method : kMethods) {
        for (Dir dir : {Dir::Forward, Dir::Backward}) {
            TQSearch engine;
            engine.SetMethod(method);
            std::vector<int64_t> seen;
            bool cancelAtFirst = false;
            SearchProgress progress = [&](int64_t e, bool& cancel) {
                seen.push_back(e);
                cancel = cancelAtFirst;
            };
            auto run = [&] {
                bool cancel = false;
                const int64_t high = static_cast<int64_t>(size);
                if (dir == Dir::Forward)
                    return engine.SearchForward(pattern, text.data(), 1, high, true, false, '.', progress,
                                                cancel);
                // Backward: the hit lies near the start instead.
                std::vector<uint8_t> mirrored(text.rbegin(), text.rend());
                std::copy(pattern.begin(), pattern.end(), mirrored.begin() + 4);
                text.swap(mirrored);
                const int64_t r =
                    engine.SearchBackward(pattern, text.data(), 1, high, true, false, '.', progress, cancel);
                text.swap(mirrored);
                return r;
            };
            const int64_t expected = dir == Dir::Forward ? static_cast<int64_t>(size - 9) : 5;
            EXPECT_EQ(run(), expected);
            ASSERT_EQ(seen.size(), 3u);
            for (size_t k = 1; k < seen.size(); ++k)
                EXPECT_EQ(std::abs(seen[k] - seen[k - 1]), TQSearch::kProgressStride);
            seen.clear();
            cancelAtFirst = true;
            EXPECT_EQ(run(), -1);
            EXPECT_EQ(seen.size(), 1u);
        }
    }
}

// The reference: every window start tested with the four comparisons written out directly.
int64_t BruteForce(const std::vector<uint8_t>& text, const std::vector<uint8_t>& pattern, int64_t low,
                   int64_t high, bool caseSensitive, bool jokerOn, uint8_t joker, Dir dir) {
    if (pattern.empty()) return -2;
    const int64_t n = static_cast<int64_t>(pattern.size());
    auto matchesAt = [&](int64_t p) {
        for (int64_t k = 0; k < n; ++k) {
            const uint8_t t = text[p - 1 + k], q = pattern[k];
            if (jokerOn && q == joker) continue;
            if (caseSensitive ? t != q : AnsiUpper(t) != AnsiUpper(q)) return false;
        }
        return true;
    };
    if (dir == Dir::Forward) {
        for (int64_t p = low; p + n - 1 <= high; ++p)
            if (matchesAt(p)) return p;
    } else {
        for (int64_t p = high - n + 1; p >= low; --p)
            if (matchesAt(p)) return p;
    }
    return -1;
}

TEST(TQSearchTest, AgreesWithBruteForceOnRandomInput) {
    std::mt19937 rng(20261207);
    // Small alphabets make hits, near misses and case pairs frequent.
    const std::vector<std::vector<uint8_t>> alphabets = {
        {'a', 'A', 'b', 'B', '.'}, {0x9A, 0x8A, 0xFF, 0x9F, 0xDF, 'x'}, {0, 1, 2, '.'}, {}};
    TQSearch engines[std::size(kMethods)];
    for (size_t k = 0; k < std::size(kMethods); ++k)
        engines[k].SetMethod(kMethods[k]);
    int hits = 0;
    for (int round = 0; round < 4000; ++round) {
        const auto& alphabet = alphabets[round % alphabets.size()];
        auto randomByte = [&] {
            return alphabet.empty() ? static_cast<uint8_t>(rng()) : alphabet[rng() % alphabet.size()];
        };
        const int64_t size = 1 + static_cast<int64_t>(rng() % (round % 10 == 0 ? 2000 : 200));
        std::vector<uint8_t> text(size);
        for (auto& b : text)
            b = randomByte();
        std::vector<uint8_t> pattern(1 + rng() % 7);
        for (auto& b : pattern)
            b = randomByte();
        if (rng() % 3 == 0 && size >= static_cast<int64_t>(pattern.size())) { // plant a hit
            const size_t at = rng() % (size - pattern.size() + 1);
            std::copy(pattern.begin(), pattern.end(), text.begin() + at);
        }
        const int64_t low = 1 + static_cast<int64_t>(rng() % size);
        const int64_t high = low + static_cast<int64_t>(rng() % (size - low + 1));
        const bool caseSensitive = rng() % 2, jokerOn = rng() % 2;
        for (Dir dir : {Dir::Forward, Dir::Backward}) {
            const int64_t expected = BruteForce(text, pattern, low, high, caseSensitive, jokerOn, '.', dir);
            hits += expected > 0;
            for (TQSearch& engine : engines) {
                bool cancel = false;
                const int64_t got = dir == Dir::Forward
                                        ? engine.SearchForward(pattern, text.data(), low, high, caseSensitive,
                                                               jokerOn, '.', nullptr, cancel)
                                        : engine.SearchBackward(pattern, text.data(), low, high,
                                                                caseSensitive, jokerOn, '.', nullptr, cancel);
                ASSERT_EQ(got, expected)
                    << "round " << round << " size " << size << " range " << low << ".." << high << " n "
                    << pattern.size() << " cs " << caseSensitive << " joker " << jokerOn << " dir "
                    << int(dir) << " method " << static_cast<int>(&engine - engines);
            }
        }
    }
    EXPECT_GT(hits, 1000);
}

TEST(TQSearchTest, AgreesWithBruteForceAcrossProgressChunks) {
    std::mt19937 rng(99);
    const int64_t size = static_cast<int64_t>(2 * TQSearch::kProgressStride + 777);
    std::vector<uint8_t> text(size);
    for (auto& b : text)
        b = rng() % 50 ? 'x' : "aAbB."[rng() % 5]; // hits almost only where planted
    TQSearch engine;
    for (int round = 0; round < 12; ++round) {
        std::vector<uint8_t> pattern(6 + rng() % 11);
        for (auto& b : pattern)
            b = "aAbB."[rng() % 5];
        // Plant a few hits near the chunk borders, where the scan hands over between chunks.
        for (int64_t border : {TQSearch::kProgressStride, 2 * TQSearch::kProgressStride}) {
            const int64_t at = border - static_cast<int64_t>(rng() % (2 * pattern.size()));
            std::copy(pattern.begin(), pattern.end(), text.begin() + at);
        }
        const int64_t low = 1 + static_cast<int64_t>(rng() % 1000);
        const int64_t high = size - static_cast<int64_t>(rng() % 1000);
        const bool caseSensitive = round % 2, jokerOn = round % 3 == 0;
        for (Dir dir : {Dir::Forward, Dir::Backward}) {
            bool cancel = false;
            const int64_t got = dir == Dir::Forward
                                    ? engine.SearchForward(pattern, text.data(), low, high, caseSensitive,
                                                           jokerOn, '.', nullptr, cancel)
                                    : engine.SearchBackward(pattern, text.data(), low, high, caseSensitive,
                                                            jokerOn, '.', nullptr, cancel);
            const int64_t expected = BruteForce(text, pattern, low, high, caseSensitive, jokerOn, '.', dir);
            EXPECT_GT(expected, TQSearch::kProgressStride / 2);
            EXPECT_EQ(got, expected) << round;
        }
    }
}

// Data where the candidate filter passes most windows (runs, alternations, periods) make the scan
// switch method part-way; the results must not change across the switch.
TEST(TQSearchTest, AgreesWithBruteForceOnAdversarialData) {
    std::mt19937 rng(4711);
    const std::vector<std::string> periods = {std::string(1, '\0'),    "AB", "aB", "ab.", "xyzw",
                                              std::string("\xFF\0", 2)};
    TQSearch engines[std::size(kMethods)];
    for (size_t k = 0; k < std::size(kMethods); ++k)
        engines[k].SetMethod(kMethods[k]);
    for (int round = 0; round < 480; ++round) {
        const std::string period = periods[round % periods.size()];
        const int64_t size = 6000 + static_cast<int64_t>(rng() % 3000);
        std::vector<uint8_t> text(size);
        for (int64_t k = 0; k < size; ++k)
            text[k] = static_cast<uint8_t>(period[k % period.size()]);
        // Lengths 1, 2, 3 and longer periodic patterns, with one byte off now and then.
        const int lengths[] = {1, 2, 3, 4, 8, 16, 65, 300};
        std::vector<uint8_t> pattern(lengths[(round / periods.size()) % std::size(lengths)]);
        const size_t phase = rng() % period.size();
        for (size_t k = 0; k < pattern.size(); ++k)
            pattern[k] = static_cast<uint8_t>(period[(phase + k) % period.size()]);
        if (rng() % 2) pattern[rng() % pattern.size()] = static_cast<uint8_t>("AbB.\0Z"[rng() % 6]);
        if (round % 3 == 2) { // copies of the pattern, each with one byte off: every window nearly matches
            for (int64_t k = 0; k < size; ++k)
                text[k] = pattern[k % pattern.size()];
            for (int64_t at = 0; at < size; at += static_cast<int64_t>(pattern.size()))
                text[at + rng() % std::min<size_t>(pattern.size(), size - at)] ^= 0x20 << (rng() % 2);
        }
        if (rng() % 2) { // plant a few hits
            for (int k = 0; k < 3; ++k) {
                const size_t at = rng() % (size - pattern.size() + 1);
                std::copy(pattern.begin(), pattern.end(), text.begin() + at);
            }
        }
        const int64_t low = 1 + static_cast<int64_t>(rng() % 100);
        const int64_t high = size - static_cast<int64_t>(rng() % 100);
        const bool caseSensitive = rng() % 2, jokerOn = rng() % 3 == 0;
        for (Dir dir : {Dir::Forward, Dir::Backward}) {
            const int64_t expected = BruteForce(text, pattern, low, high, caseSensitive, jokerOn, '.', dir);
            for (TQSearch& engine : engines) {
                bool cancel = false;
                const int64_t got = dir == Dir::Forward
                                        ? engine.SearchForward(pattern, text.data(), low, high, caseSensitive,
                                                               jokerOn, '.', nullptr, cancel)
                                        : engine.SearchBackward(pattern, text.data(), low, high,
                                                                caseSensitive, jokerOn, '.', nullptr, cancel);
                ASSERT_EQ(got, expected)
                    << "round " << round << " n " << pattern.size() << " cs " << caseSensitive << " joker "
                    << jokerOn << " dir " << int(dir) << " method " << static_cast<int>(&engine - engines);
            }
        }
    }
    EXPECT_GT(engines[0].FallbackCount(), 40);
    EXPECT_GT(engines[2].FallbackCount(), 40);
}

// Counting equals repeated searches, each starting behind the previous hit (forward) or ending
// before it (backward), whatever the density of hits and across progress chunks.
TEST(TQSearchTest, CountAgreesWithRepeatedBruteForceSearches) {
    std::mt19937 rng(31337);
    const int64_t big = static_cast<int64_t>(2 * TQSearch::kProgressStride + 999);
    TQSearch engines[std::size(kMethods)];
    for (size_t k = 0; k < std::size(kMethods); ++k)
        engines[k].SetMethod(kMethods[k]);
    for (int round = 0; round < 60; ++round) {
        const bool large = round % 10 == 0;
        const int64_t size = large ? big : 50 + static_cast<int64_t>(rng() % 5000);
        const std::string alphabet = round % 3 == 0 ? std::string(1, '\0') : round % 3 == 1 ? "aA" : "aAbB.";
        std::vector<uint8_t> text(size);
        for (auto& b : text)
            b = static_cast<uint8_t>(alphabet[rng() % alphabet.size()]);
        std::vector<uint8_t> pattern(1 + rng() % (round % 2 ? 3 : 17));
        for (auto& b : pattern)
            b = static_cast<uint8_t>(alphabet[rng() % alphabet.size()]);
        const int64_t low = 1 + static_cast<int64_t>(rng() % 50);
        const int64_t high = size - static_cast<int64_t>(rng() % 50);
        const bool caseSensitive = rng() % 2, jokerOn = rng() % 3 == 0;
        const int64_t n = static_cast<int64_t>(pattern.size());
        for (Dir dir : {Dir::Forward, Dir::Backward}) {
            int64_t expected = 0;
            int64_t expectedLast = 0;
            for (int64_t lo = low, hi = high;;) {
                const int64_t hit = BruteForce(text, pattern, lo, hi, caseSensitive, jokerOn, '.', dir);
                if (hit < 0) break;
                ++expected, expectedLast = hit;
                (dir == Dir::Forward ? lo : hi) = dir == Dir::Forward ? hit + n : hit - 1;
            }
            for (TQSearch& engine : engines) {
                bool cancel = false;
                int64_t lastHit = -5;
                const int64_t got = dir == Dir::Forward
                                        ? engine.CountForward(pattern, text.data(), low, high, caseSensitive,
                                                              jokerOn, '.', nullptr, cancel, lastHit)
                                        : engine.CountBackward(pattern, text.data(), low, high, caseSensitive,
                                                               jokerOn, '.', nullptr, cancel, lastHit);
                ASSERT_EQ(got, expected)
                    << "round " << round << " n " << n << " cs " << caseSensitive << " joker " << jokerOn
                    << " dir " << int(dir) << " method " << static_cast<int>(&engine - engines);
                ASSERT_EQ(lastHit, expectedLast) << round;
            }
        }
    }
}

// Runs of the pattern's byte of every length up to a few patterns long, densely packed: the
// filter passes nearly every window, the scan falls back to its linear-time method and back, and
// hits straddle the points where it switches. Every method must count each hit once.
TEST(TQSearchTest, CountTakesEachHitOnceWhereTheScanSwitchesBetweenDenseHits) {
    std::mt19937 rng(17);
    TQSearch engines[std::size(kMethods)];
    for (size_t k = 0; k < std::size(kMethods); ++k)
        engines[k].SetMethod(kMethods[k]);
    for (const uint8_t value : {uint8_t{0xFF}, uint8_t{0x01}}) {
        std::vector<uint8_t> text;
        while (text.size() < 1000000) {
            text.insert(text.end(), 1 + rng() % 40, value);
            text.push_back(static_cast<uint8_t>(rng() % 3 == 0 ? rng() : 0));
        }
        const auto size = static_cast<int64_t>(text.size());
        const std::vector<uint8_t> pattern(value == 0xFF ? 16 : 12, value);
        const int64_t n = static_cast<int64_t>(pattern.size());
        for (Dir dir : {Dir::Forward, Dir::Backward}) {
            // Greedy from the starting side, each hit skipping the windows it covers.
            int64_t expected = 0;
            for (int64_t s = 0, run = 0; s < size; ++s) {
                const int64_t k = dir == Dir::Forward ? s : size - 1 - s;
                run = text[k] == value ? run + 1 : 0;
                if (run == n) ++expected, run = 0;
            }
            for (TQSearch& engine : engines) {
                bool cancel = false;
                int64_t lastHit = 0;
                const int64_t got = dir == Dir::Forward
                                        ? engine.CountForward(pattern, text.data(), 1, size, true, false, '.',
                                                              nullptr, cancel, lastHit)
                                        : engine.CountBackward(pattern, text.data(), 1, size, true, false,
                                                               '.', nullptr, cancel, lastHit);
                EXPECT_EQ(got, expected)
                    << "n " << n << " dir " << int(dir) << " method " << static_cast<int>(&engine - engines);
            }
        }
    }
}

TEST(TQSearchTest, CountReportsProgressPerStrideAndStopsOnCancel) {
    const int64_t size = static_cast<int64_t>(3 * TQSearch::kProgressStride);
    const std::vector<uint8_t> text(size, 'x');
    const auto pattern = Bytes("xx");
    TQSearch engine;
    int calls = 0;
    SearchProgress progress = [&](int64_t, bool& cancel) { cancel = ++calls == 2; };
    bool cancel = false;
    int64_t lastHit = 0;
    const int64_t count =
        engine.CountForward(pattern, text.data(), 1, size, true, false, '.', progress, cancel, lastHit);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(count, TQSearch::kProgressStride); // two strides of window starts, a hit every 2
    EXPECT_EQ(lastHit, 2 * TQSearch::kProgressStride - 1);
    EXPECT_EQ(engine.CountForward({}, text.data(), 1, size, true, false, '.', nullptr, cancel, lastHit), 0);
}

TEST(SearchPatternTest, WidenToUTF16) {
    EXPECT_EQ(WidenToUTF16(Bytes("AB"), 0), (std::vector<uint8_t>{0x41, 0, 0x42, 0}));
    EXPECT_EQ(WidenToUTF16(Bytes("AB"), 1), (std::vector<uint8_t>{0, 0x41, 0, 0x42}));
    EXPECT_TRUE(WidenToUTF16({}, 0).empty());
}

TEST(SearchPatternTest, HasCaseLetters) {
    EXPECT_TRUE(HasCaseLetters(Bytes("A")));
    EXPECT_TRUE(HasCaseLetters(Bytes("01z")));
    EXPECT_TRUE(HasCaseLetters(Bytes("\xFF")));
    EXPECT_FALSE(HasCaseLetters(Bytes("01")));
    EXPECT_FALSE(HasCaseLetters(Bytes("\xDF\xF7")));
    EXPECT_FALSE(HasCaseLetters({}));
}

} // namespace
} // namespace qhe
