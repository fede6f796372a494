#include "core/tools/CharTable.h"
#include "core/tools/TranslateKernels.h"
#include "ProgressRecorder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempDir.h"
#include "platform/ErrorCodes.h"
#include "platform/SmallFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace qhe {
namespace {

CharTable Identity() {
    CharTable table;
    ResetCharTable(table);
    return table;
}

TEST(CharTableTest, ParseLines) {
    struct Case {
        const char* name;
        std::string text;
        bool ok;
    };
    const Case cases[] = {
        {"empty file", "", true},
        {"upper case", "C4;41\r\n", true},
        {"lower case without final line end", "c4;41", true},
        {"bare LF", "c4;41\n", true},
        {"trailing blank", "C4;41 \r\n", false},
        {"comma", "C4,41\r\n", false},
        {"empty line", "C4;41\r\n\r\n", false},
        {"not hex", "G4;41\r\n", false},
        {"short", "C4;4\r\n", false},
        {"comment", "; table\r\n", false},
    };
    for (const Case& c : cases) {
        CharTable table;
        EXPECT_EQ(ParseCharTable(c.text, table), c.ok) << c.name;
        if (c.ok && !c.text.empty()) {
            EXPECT_EQ(table[0xC4], 0x41) << c.name;
        }
    }
    CharTable table;
    ASSERT_TRUE(ParseCharTable("41;42\r\n41;43\r\n", table));
    EXPECT_EQ(table[0x41], 0x43); // the later line wins
    EXPECT_EQ(table[0x42], 0x42);
}

TEST(CharTableTest, FormatWritesOnlyChangedBytesUpperCase) {
    CharTable table = Identity();
    EXPECT_EQ(FormatCharTable(table), "");
    table[0xC4] = 0x41;
    table[0x0A] = 0xFF;
    EXPECT_EQ(FormatCharTable(table), "0A;FF\r\nC4;41\r\n");
}

TEST(CharTableTest, SaveAndLoadRoundTrip) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string path = (dir / ("qhe_chartable_" + std::to_string(::getpid()) + ".qct")).string();
    CharTable table = Identity();
    std::mt19937 rng(3);
    for (int k = 0; k < 40; ++k)
        table[rng() % 256] = static_cast<uint8_t>(rng());
    ASSERT_EQ(WriteCharTableFile(table, path), 0);
    CharTable loaded;
    ASSERT_EQ(ReadCharTableFile(loaded, path), 0);
    EXPECT_EQ(loaded, table);
    ASSERT_EQ(WriteCharTableFile(Identity(), path), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    std::remove(path.c_str());
    EXPECT_EQ(ReadCharTableFile(loaded, path), 2);
    EXPECT_NE(
        WriteCharTableFile(table, (dir / ("qhe-missing-" + std::to_string(::getpid())) / "x.qct").string()),
        0);
    EXPECT_EQ(ReadCharTableFile(loaded, dir.string()), kNotRegularFile); // a folder, not a file
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_EQ(WriteCharTableFile(table, "/dev/full"), kNotRegularFile); // a device, not a file
    }
}

TEST(CharTableTest, PipesOversizedFilesAndBadLinesAreRefused) {
    test::TempDir dir;
    const std::string pipe = dir.File("pipe.qct");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    CharTable table = Identity();
    EXPECT_EQ(ReadCharTableFile(table, pipe), kNotRegularFile);  // without waiting for a writer
    EXPECT_EQ(WriteCharTableFile(table, pipe), kNotRegularFile); // without waiting for a reader
    const std::string big = dir.File("big.qct");
    test::WriteFileBytes(big, {});
    std::filesystem::resize_file(big, platform::kSideFileMaxBytes + 1);
    EXPECT_EQ(ReadCharTableFile(table, big), kSideFileTooLarge);
    test::WriteFileBytes(big, {'4', '1', ';', '4', 'x'});
    EXPECT_EQ(ReadCharTableFile(table, big), kBadCharTableLine);
}

TEST(CharTableTest, ConvertFromStartPositionCountsChanges) {
    CharTable table = Identity();
    table['a'] = 'A';
    table['b'] = 'b' + 0; // unchanged entry
    std::vector<uint8_t> text = {'a', 'b', 'a', 'c', 'a'};
    const CharConversionResult r = ConvertWithCharTable(table, text.data(), 5, 2, nullptr);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.changed, 2);
    EXPECT_EQ(text, (std::vector<uint8_t>{'a', 'b', 'A', 'c', 'A'}));
    EXPECT_EQ(ConvertWithCharTable(Identity(), text.data(), 5, 1, nullptr).changed, 0);
}

TEST(CharTableTest, TranslateVariantsAgreeWithScalarLoop) {
    std::mt19937 rng(11);
    // A table that keeps the lower half (the AVX2 variant's short path), and one that changes
    // bytes everywhere.
    CharTable highOnly = Identity(), everywhere = Identity();
    for (int b = 0x80; b < 0x100; ++b)
        highOnly[b] = static_cast<uint8_t>(rng());
    for (int b = 0; b < 0x100; b += 1 + static_cast<int>(rng() % 3))
        everywhere[b] = static_cast<uint8_t>(rng());
    std::vector<uint8_t> data(5000);
    for (auto& b : data)
        b = static_cast<uint8_t>(rng());
    std::fill(data.begin() + 1000, data.begin() + 1100, 'a'); // blocks without high bytes
    for (const CharTable& table : {highOnly, everywhere}) {
        for (size_t start : {0, 1, 7}) {
            for (size_t count : {0, 1, 31, 32, 63, 64, 65, 129, 4000}) {
                std::vector<uint8_t> expectedBytes(data);
                int64_t expectedChanged = 0;
                for (size_t k = start; k < start + count; ++k) {
                    expectedChanged += table[expectedBytes[k]] != expectedBytes[k];
                    expectedBytes[k] = table[expectedBytes[k]];
                }
                std::vector<uint8_t> dispatched(data), portable(data);
                EXPECT_EQ(TranslateBytes(table, dispatched.data() + start, count), expectedChanged);
                EXPECT_EQ(dispatched, expectedBytes);
                EXPECT_EQ(TranslateBytesPortable(table, portable.data() + start, count), expectedChanged);
                EXPECT_EQ(portable, expectedBytes);
                for (auto* variant :
                     {&translate_detail::TranslateAvx512Vbmi, &translate_detail::TranslateAvx2}) {
                    std::vector<uint8_t> simd(data);
                    const int64_t changed = variant(table, simd.data() + start, count);
                    if (changed < 0) continue; // not available on this processor
                    EXPECT_EQ(changed, expectedChanged) << start << " " << count;
                    EXPECT_EQ(simd, expectedBytes) << start << " " << count;
                }
            }
        }
    }
}

TEST(CharTableTest, ConvertReportsProgressAndStopsOnCancel) {
    CharTable table = Identity();
    table[0] = 1;
    const int32_t size = 3 * (1 << 20) + 5;
    std::vector<uint8_t> data(size, 0);
    ProgressRecorder progress(1);
    const CharConversionResult r = ConvertWithCharTable(table, data.data(), size, 1, &progress);
    EXPECT_FALSE(r.completed);
    ASSERT_EQ(progress.calls.size(), 1u);
    EXPECT_EQ(r.changed, progress.calls[0].done);
    EXPECT_EQ(progress.calls[0].total, size);
    EXPECT_EQ(data[r.changed - 1], 1);
    EXPECT_EQ(data[r.changed], 0);
}

} // namespace
} // namespace qhe
