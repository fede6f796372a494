#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "core/text/CopyAs.h"

namespace qhe {
namespace {

std::vector<uint8_t> RandomBytes(size_t n) {
    std::vector<uint8_t> bytes(n);
    std::mt19937 rng(4);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

std::string Text(CopyAsFormat format, const std::vector<uint8_t>& bytes) {
    return FormatCopyAs(format, bytes.data(), bytes.size(), 1 << 24).value();
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char two[3];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, "%02x", b);
        out += two;
    }
    return out;
}

// What a command prints.
std::string OutputOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// The C and Python texts compiled or run give back the bytes (skipped where the tool is missing).
TEST(CopyAs, SourceCodeParsesBackToTheSameBytes) {
    const std::vector<uint8_t> bytes = RandomBytes(100);
    test::TempDir dir;
    {
        std::ofstream c(dir.File("a.c"));
        c << "#include <stdio.h>\n"
          << Text(CopyAsFormat::CArray, bytes)
          << "int main(void) { for (unsigned i = 0; i < data_len; ++i) printf(\"%02x\", data[i]); return 0; "
             "}\n";
    }
    if (std::system(("cc -o " + dir.File("a") + " " + dir.File("a.c") + " 2>/dev/null").c_str()) == 0)
        EXPECT_EQ(OutputOf(dir.File("a")), Hex(bytes));
    else
        ADD_FAILURE() << "cc cannot compile the C array";
    if (std::system("python3 -c '' 2>/dev/null") != 0) GTEST_SKIP() << "python3 not installed";
    std::ofstream(dir.File("a.py")) << Text(CopyAsFormat::Python, bytes) << "print(data.hex(), end='')\n";
    EXPECT_EQ(OutputOf("python3 " + dir.File("a.py")), Hex(bytes));
}

// base64 back through the decoder, hex forms, and Intel HEX records checked and reassembled
// across a 64 KiB boundary.
TEST(CopyAs, Base64HexAndIntelHexRoundTrip) {
    const std::vector<uint8_t> bytes = RandomBytes(70000);
    const auto decoded = DecodeBase64(Text(CopyAsFormat::Base64, bytes));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(DecodeBase64("QUJD\nRA=="), "ABCD");
    EXPECT_FALSE(DecodeBase64("QUJ"));
    EXPECT_EQ(Text(CopyAsFormat::HexSpaced, {0x0a, 0xff}), "0a ff");
    EXPECT_EQ(Text(CopyAsFormat::HexPlain, {0x0a, 0xff}), "0aff");
    EXPECT_EQ(Text(CopyAsFormat::XxdInclude, {1, 2}),
              "unsigned char data[] = {\n  0x01, 0x02\n};\nunsigned int data_len = 2;\n");

    std::vector<uint8_t> rebuilt;
    uint32_t upper = 0;
    std::istringstream lines(Text(CopyAsFormat::IntelHex, bytes));
    std::string line;
    bool ended = false;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line[0], ':');
        std::vector<uint8_t> record;
        for (size_t i = 1; i + 1 < line.size(); i += 2)
            record.push_back(static_cast<uint8_t>(std::stoi(line.substr(i, 2), nullptr, 16)));
        uint8_t sum = 0;
        for (uint8_t b : record)
            sum = static_cast<uint8_t>(sum + b);
        EXPECT_EQ(sum, 0) << line;
        const uint32_t address = upper + (record[1] << 8) + record[2];
        if (record[3] == 4) upper = static_cast<uint32_t>((record[4] << 24) | (record[5] << 16));
        if (record[3] == 1) ended = true;
        if (record[3] != 0) continue;
        EXPECT_EQ(address, rebuilt.size());
        rebuilt.insert(rebuilt.end(), record.begin() + 4, record.end() - 1);
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(rebuilt, bytes);
    EXPECT_FALSE(FormatCopyAs(CopyAsFormat::Java, bytes.data(), bytes.size(), 1000)); // over the limit
}

} // namespace
} // namespace qhe
