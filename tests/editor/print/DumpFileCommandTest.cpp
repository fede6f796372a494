#include "editor/print/DumpFileCommand.h"

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "SmallTmpfs.h"
#include "editor/file/FileCommands.h"
#include "TempDir.h"

#include <string>

#include <sys/stat.h>

namespace qhe {
namespace {

using test::FakeUi;
using test::ReadFileBytes;
using test::TempDir;

struct DumpFileCommandTest : ::testing::Test {
    DumpFileCommandTest() {
        doc.InsertGap(1, 40);
        for (int i = 1; i <= 40; ++i)
            doc.SetByte(i, static_cast<uint8_t>('A' + i % 26));
        doc.FileName = "/d/a.bin";
        doc.CurrentDir = dir.Path();
    }
    std::string Written(const std::string& name) {
        const auto bytes = ReadFileBytes(name);
        return std::string(bytes.begin(), bytes.end());
    }
    Document doc;
    TempDir dir;
    FakeUi ui;
};

TEST_F(DumpFileCommandTest, EmptyOrZeroBytesPerRowIsRefusedAndTheDialogStays) {
    for (const char* entry : {"", "0", "00"}) {
        PrintRequest request;
        request.bytesPerRow = entry;
        EXPECT_FALSE(OutputDumpToFile(ui, doc, {}, request));
    }
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, kTextBadBytesPerRow);
    EXPECT_TRUE(ui.fileDialogs.empty());
}

TEST_F(DumpFileCommandTest, SelectionWrittenToTheChosenFileAfterTheFileDialog) {
    PrintRequest request;
    request.range = DumpRangeKind::Selection;
    EXPECT_FALSE(OutputDumpToFile(ui, doc, {1, 40, 20, 22}, request)); // Cancel in the file dialog
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, "保存输出到文件");
    EXPECT_EQ(ui.fileDialogs[0].initialDir, dir.Path());

    ui.saveFiles.push_back(dir.File("out.txt"));
    EXPECT_TRUE(OutputDumpToFile(ui, doc, {1, 40, 20, 22}, request));
    // Rows from 17 (offset 0x10) to the end of the selection's row.
    EXPECT_EQ(Written(dir.File("out.txt")),
              "File: /d/a.bin\r\nOutput by QHE32\r\n\r\n"
              "Offset hex. 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n"
              "000000010:  52 53 54 55 56 57 58 59 5A 41 42 43 44 45 46 47 RSTUVWXYZABCDEFG\r\n");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.progress.caption, "正在创建预览...");

    // A folder that does not exist: reported, the dialog stays.
    ui.saveFiles.push_back(dir.File("none/out.txt"));
    EXPECT_FALSE(OutputDumpToFile(ui, doc, {1, 40, 20, 22}, request));
    EXPECT_EQ(ui.messages.size(), 1u);
}

// A disk that fills up while the text is written: the write error, not "Cannot create file".
TEST_F(DumpFileCommandTest, AFullDiskMidWriteIsReportedAsAWriteError) {
    test::SmallTmpfs disk(dir.File("disk"), "size=16k");
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs (" << disk.Error() << ")";
    Document big;
    big.InsertGap(1, 64 << 10);
    big.FileName = "/d/big.bin";
    ui.saveFiles.push_back(dir.File("disk/out.txt"));
    PrintRequest request;
    request.range = DumpRangeKind::All;
    EXPECT_FALSE(OutputDumpToFile(ui, big, {1, 64 << 10, 1, 1}, request));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, FileErrorMessage(kErrWrite, 112, dir.File("disk/out.txt")));
}

// The PDF entry's file: ".pdf" added when missing (any case kept), asked in the given folder;
// Cancel and a pipe give no file.
TEST_F(DumpFileCommandTest, PdfFileNameGetsItsExtension) {
    ASSERT_EQ(mkfifo(dir.File("pipe.pdf").c_str(), 0600), 0);
    ui.saveFiles = {dir.File("out"), dir.File("Keep.PDF"), std::nullopt, dir.File("pipe")};
    EXPECT_EQ(ChoosePdfFile(ui, dir.Path()), dir.File("out.pdf"));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].filters, std::vector<std::string>{"*.pdf"});
    EXPECT_EQ(ui.fileDialogs[0].defaultExt, "pdf");
    EXPECT_EQ(ui.fileDialogs[0].initialDir, dir.Path());
    EXPECT_EQ(ChoosePdfFile(ui, dir.Path()), dir.File("Keep.PDF"));
    EXPECT_EQ(ChoosePdfFile(ui, dir.Path()), std::nullopt);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ChoosePdfFile(ui, dir.Path()), std::nullopt);
    EXPECT_EQ(ui.messages.size(), 1u);
}

} // namespace
} // namespace qhe
