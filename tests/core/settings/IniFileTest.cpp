#include "core/settings/IniFile.h"

#include <gtest/gtest.h>

#include "core/settings/SettingsTestFiles.h"

namespace qhe {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

TEST(TQZIniFile, KeepsOnlyTheFirstOfSectionsDifferingInCaseAndWritesTheFileBack) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    WriteText(file, "[TFormInspect]\r\nTop=1\r\n[tforminspect]\r\nTop=2\r\nLeft=3\r\n");
    {
        TQZIniFile ini(file);
        EXPECT_TRUE(ini.Modified());
        EXPECT_EQ(ini.ReadInteger("TFORMINSPECT", "top", 0), 1);
        EXPECT_EQ(ini.ReadInteger("TFormInspect", "Left", -7), -7);
    }
    EXPECT_EQ(ReadText(file), "[TFormInspect]\r\nTop=1\r\n\r\n");
}

TEST(TQZIniFile, ReadsValuesByTheReadingOptions) {
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    WriteText(file, "k0=before any section\n"
                    "[S]\n"
                    "; comment=1\n"
                    "no equals sign\n"
                    "spaced \t=\t value \n"
                    "dq=\"quoted text\"\n"
                    "sq='x'\n"
                    "lone=\"\n"
                    "mixed=\"a'\n"
                    "\x1A\n");
    TQZIniFile ini(file);
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.ReadKeys("s"), (std::vector<std::string>{"spaced", "dq", "sq", "lone", "mixed"}));
    EXPECT_EQ(ini.ReadString("S", "SPACED", "-"), "value ");
    EXPECT_EQ(ini.ReadString("S", "dq", "-"), "quoted text");
    EXPECT_EQ(ini.ReadString("S", "sq", "-"), "x");
    EXPECT_EQ(ini.ReadString("S", "lone", "-"), "\"");
    EXPECT_EQ(ini.ReadString("S", "mixed", "-"), "\"a'");
    EXPECT_EQ(ini.ReadString("S", "k0", "-"), "-");
    EXPECT_EQ(ini.ReadString("Missing", "dq", "-"), "-");
}

TEST(TQZIniFile, OptionsSwitchTheReadingRules) {
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    WriteText(file, "[S]\r\n;c=1\r\nplain\r\nk = \"v\" \t\x01\r\n\x1A\r\n");
    IniReadOptions options;
    options.skipComments = false;
    options.requireEquals = false;
    options.trimAroundEquals = false;
    options.stripQuotes = false;
    options.trimTrailingControl = true;
    TQZIniFile ini(file, options);
    EXPECT_EQ(ini.ReadString("S", ";c", "-"), "1");
    EXPECT_EQ(ini.ReadString("S", "k ", "-"), " \"v\"");
    EXPECT_EQ(ini.ReadKeys("S"), (std::vector<std::string>{";c", "k "}));
    ini.WriteString("S", "new", "1");
    ASSERT_TRUE(ini.UpdateFile());
    // The end-of-file character line counts as empty even when lines without "=" are kept.
    EXPECT_EQ(ReadText(file), "[S]\r\n;c=1\r\nplain\r\nk = \"v\"\r\nnew=1\r\n\r\n");
}

TEST(TQZIniFile, ReadsIntegersAndBooleans) {
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    WriteText(file, "[N]\na=0x1F\nb=0X1f\nc=$10\nd=-5\ne=abc\nf=0x\ng=\nt=2\nz=0\n");
    TQZIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("N", "a", 9), 31);
    EXPECT_EQ(ini.ReadInteger("N", "b", 9), 31);
    EXPECT_EQ(ini.ReadInteger("N", "c", 9), 16);
    EXPECT_EQ(ini.ReadInteger("N", "d", 9), -5);
    EXPECT_EQ(ini.ReadInteger("N", "e", 9), 9);
    EXPECT_EQ(ini.ReadInteger("N", "f", 9), 9);
    EXPECT_EQ(ini.ReadInteger("N", "g", 9), 9);
    EXPECT_TRUE(ini.ReadBool("N", "t", false));
    EXPECT_FALSE(ini.ReadBool("N", "z", true));
    EXPECT_TRUE(ini.ReadBool("N", "missing", true));
    EXPECT_FALSE(ini.ReadBool("N", "e", false));
}

TEST(TQZIniFile, UpdateFileWritesSectionsWithLinesOnlyWithCrLf) {
    TempFolder folder;
    const std::string file = folder.File("out.ini");
    TQZIniFile ini(file);
    ini.WriteInteger("A", "Top", 10);
    ini.WriteBool("A", "On", true);
    ini.WriteString("Empty", "x", "1");
    ini.DeleteKey("EMPTY", "X");
    ini.WriteString("C", "Widths", "64,40");
    ini.WriteInteger("a", "top", -3); // same section and key, other case: the line is replaced
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ReadText(file), "[A]\r\ntop=-3\r\nOn=1\r\n\r\n[C]\r\nWidths=64,40\r\n\r\n");
}

TEST(TQZIniFile, WritesNothingWhenUnchanged) {
    TempFolder folder;
    const std::string file = folder.File("same.ini");
    WriteText(file, "[A]\nk=1\n");
    {
        TQZIniFile ini(file);
        ini.WriteInteger("a", "k", 1);
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_EQ(ReadText(file), "[A]\nk=1\n"); // untouched, still LF only
}

TEST(TQZIniFile, EmptyKeyErasesTheSectionOrWritesTheFileOut) {
    TempFolder folder;
    const std::string file = folder.File("e.ini");
    WriteText(file, "[A]\r\nk=1\r\n\r\n[B]\r\nm=2\r\n\r\n");
    TQZIniFile ini(file);
    ini.WriteString("a", "", "");
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ini.ReadString("A", "k", "-"), "-");
    ini.WriteString("", "", "");
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ReadText(file), "[B]\r\nm=2\r\n\r\n");
}

TEST(TQZIniFile, QuotedValuesSurviveAWriteBack) {
    TempFolder folder;
    const std::string file = folder.File("h.ini");
    WriteText(file, "[QZHistoryFindT]\r\n0=\"'x'\"\r\n1=\" lead\"\r\n\r\n");
    {
        TQZIniFile ini(file);
        EXPECT_EQ(ini.ReadString("QZHistoryFindT", "0", ""), "'x'");
        ini.WriteInteger("TFormScript", "Top", 5);
    }
    EXPECT_EQ(ReadText(file),
              "[QZHistoryFindT]\r\n0=\"'x'\"\r\n1=\" lead\"\r\n\r\n[TFormScript]\r\nTop=5\r\n\r\n");
}

TEST(TQZIniFile, SectionLookupWrapsAroundFromTheLastFound) {
    TempFolder folder;
    const std::string file = folder.File("w.ini");
    WriteText(file, "[A]\nk=a\n[B]\nk=b\n[C]\nk=c\n");
    TQZIniFile ini(file);
    EXPECT_EQ(ini.ReadString("c", "k", ""), "c");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "a");
    EXPECT_EQ(ini.ReadString("B", "K", ""), "b");
    ini.EraseSection("b");
    EXPECT_EQ(ini.ReadString("C", "k", ""), "c");
    EXPECT_EQ(ini.ReadString("B", "k", "-"), "-");
}

TEST(TQZIniFile, FailedWriteIsReportedAndNeverThrows) {
    TempFolder folder;
    const std::string file = test::UnwritablePath(folder);
    auto ini = std::make_unique<TQZIniFile>(file);
    ini->WriteInteger("A", "k", 1);
    EXPECT_FALSE(ini->UpdateFile());
    EXPECT_TRUE(ini->Modified());
    EXPECT_NO_THROW(ini.reset());
}

TEST(TQZIniFile, NeverOverwritesAFileItCouldNotRead) {
    TempFolder folder;
    const std::string file = folder.File("dir.ini");
    std::filesystem::create_directory(file);
    TQZIniFile ini(file);
    ini.WriteInteger("A", "k", 1);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(TQZIniFile, LineBreaksInAValueCannotAddLines) {
    TempFolder folder;
    const std::string file = folder.File("n.ini");
    {
        TQZIniFile ini(file);
        ini.WriteString("A", "k", "x\r\n[Options]\r\nCols=300");
    }
    TQZIniFile again(file);
    EXPECT_EQ(again.ReadString("Options", "Cols", "-"), "-");
    EXPECT_EQ(again.ReadString("A", "k", ""), "x  [Options]  Cols=300");
}

} // namespace
} // namespace qhe
