#include "core/search/HitScan.h"
#include "core/text/Ansi.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace qhe {
namespace {

bool MatchesAt(const std::string& data, size_t at, const std::string& pattern, bool caseSensitive,
               bool jokerOn, char joker) {
    for (size_t k = 0; k < pattern.size(); ++k) {
        const auto d = static_cast<uint8_t>(data[at + k]), p = static_cast<uint8_t>(pattern[k]);
        if (jokerOn && pattern[k] == joker) continue;
        if (caseSensitive ? d != p : AnsiUpper(d) != AnsiUpper(p)) return false;
    }
    return true;
}

// The hits repeated forward searches give from `from`: leftmost first, each next one behind it.
std::vector<int64_t> BruteHits(const std::string& data, size_t from, const std::string& pattern,
                               bool caseSensitive, bool jokerOn, char joker) {
    std::vector<int64_t> hits;
    for (size_t s = from; s + pattern.size() <= data.size();)
        if (MatchesAt(data, s, pattern, caseSensitive, jokerOn, joker)) {
            hits.push_back(static_cast<int64_t>(s));
            s += pattern.size();
        } else {
            ++s;
        }
    return hits;
}

// Random data over small alphabets (dense and overlapping candidates, runs that defeat the
// filter), patterns of 1..20 bytes with both case options and jokers, collected in chunks of
// random length so that hits cross chunk borders.
TEST(HitScanTest, CollectsTheHitsRepeatedSearchesFind) {
    std::mt19937 random(1207);
    const std::vector<std::string> alphabets = {"a",       "ab",      "aA", "abB?", std::string("\0\1", 2),
                                                "xyzXYZ?", "aaaaaaab"};
    TQSearch engine;
    for (int round = 0; round < 400; ++round) {
        const std::string& alphabet = alphabets[random() % alphabets.size()];
        std::string data(random() % 3000 + 1, ' ');
        for (char& c : data)
            c = alphabet[random() % alphabet.size()];
        std::string pattern(random() % (round % 4 == 0 ? 20 : 5) + 1, ' ');
        for (char& c : pattern)
            c = alphabet[random() % alphabet.size()];
        if (round % 5 == 0) data.replace(data.size() / 2, std::min(pattern.size(), data.size() / 2), pattern);
        const bool caseSensitive = random() % 2, jokerOn = random() % 3 == 0;
        const size_t from = random() % data.size();
        const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
        HitScan scan(engine, {reinterpret_cast<const uint8_t*>(pattern.data()), pattern.size()},
                     caseSensitive, jokerOn, '?');
        std::vector<int64_t> hits;
        const int64_t lastStart = static_cast<int64_t>(data.size() - pattern.size());
        for (int64_t p = static_cast<int64_t>(from); p <= lastStart;) {
            const int64_t last = std::min<int64_t>(p + static_cast<int64_t>(random() % 700), lastStart);
            const int64_t next = scan.Collect(bytes, p, last, hits);
            ASSERT_GT(next, last);
            ASSERT_TRUE(hits.empty() || next == std::max(last + 1, hits.back() + scan.Length()));
            p = next;
        }
        ASSERT_EQ(hits, BruteHits(data, from, pattern, caseSensitive, jokerOn, '?'))
            << "round " << round << " pattern " << pattern << " case " << caseSensitive << " joker "
            << jokerOn;
    }
}

} // namespace
} // namespace qhe
