#include "editor/script/BatchRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"

namespace qhe::test {
namespace {

class BatchRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("QHE32_INI", dir.File("QHE32.INI").c_str(), 1);
        WriteFileBytes(file, original);
    }
    void TearDown() override { unsetenv("QHE32_INI"); }

    void WriteScript(const std::string& text) { std::ofstream(script, std::ios::binary) << text; }
    BatchOutcome Run() { return RunBatchScript(ParseCommandLine({file, "/s=" + script, "01"}), env); }

    TempDir dir;
    std::string file = dir.File("data.bin");
    std::string script = dir.File("s.qsc");
    std::vector<uint8_t> original = RandomBytes(4096);
    std::ostringstream err;
    BatchEnvironment env{err, nullptr, false};
};

TEST_F(BatchRunTest, StopRequestDuringExecutionLeavesTheFileUnwritten) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "BITXOR %1\nADR+ 1\n";
    WriteScript(text);
    int polls = 0;
    // Past the checking pass of 2000 lines: the executing pass has changed bytes in memory.
    env.stopRequested = [&polls] { return ++polls > 3000; };
    EXPECT_EQ(Run(), BatchOutcome::Stopped);
    EXPECT_EQ(ReadFileBytes(file), original);
    EXPECT_EQ(err.str(), "");
}

// No one can be asked in a batch run: a file another program changed meanwhile is not written.
TEST_F(BatchRunTest, FileChangedOnDiskDuringTheRunIsNotOverwritten) {
    WriteScript("BITXOR %1\n");
    int polls = 0;
    env.stopRequested = [&] { // the first poll comes before the load, later ones after it
        if (++polls == 2) std::ofstream(file, std::ios::app | std::ios::binary) << "tail";
        return false;
    };
    EXPECT_EQ(Run(), BatchOutcome::SaveFailed);
    EXPECT_EQ(BatchExitStatus(BatchOutcome::SaveFailed), 3);
    EXPECT_EQ(ReadFileBytes(file).size(), original.size() + 4);
    EXPECT_NE(err.str().find(Format(kTextChangedOnDiskNotSaved, {file})), std::string::npos) << err.str();
}

TEST_F(BatchRunTest, StatusLineOnATerminalIsErasedBeforeTheErrorText) {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "ADR+ 1\n";
    WriteScript(text + "VERIFY 4D 5A OR 50 4B\n");
    env.progressLine = true;
    EXPECT_EQ(Run(), BatchOutcome::Failed);
    const std::string out = err.str();
    EXPECT_NE(out.find("Script Syntax Check 1%"), std::string::npos);
    const size_t error = out.find(FormatMsg(2106, {301, "VERIFY 4D 5A OR 50 4B"}));
    ASSERT_NE(error, std::string::npos);
    EXPECT_EQ(out.rfind("\r\x1b[K", error), error - 4); // erased right before the text
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(ReadFileBytes(file), original);
}

// CR LF, LF and a lone CR each end one line: all lines run, and an error names its own line.
TEST_F(BatchRunTest, LoneCarriageReturnsEndLinesAsLineFeedsDo) {
    WriteScript("ADR 1\rOVERWRITE 41\r\nADR 3\nOVERWRITE 42\r");
    EXPECT_EQ(Run(), BatchOutcome::Completed);
    std::vector<uint8_t> want = original;
    want[1] = 0x41;
    want[3] = 0x42;
    EXPECT_EQ(ReadFileBytes(file), want);
    WriteScript("ADR 0\rADR+ 1\r\nVERIFY 4D 5A OR 50 4B\rADR 2\n");
    EXPECT_EQ(Run(), BatchOutcome::Failed);
    EXPECT_NE(err.str().find(FormatMsg(2106, {3, "VERIFY 4D 5A OR 50 4B"})), std::string::npos) << err.str();
}

} // namespace
} // namespace qhe::test
