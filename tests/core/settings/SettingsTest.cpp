#include "core/settings/Settings.h"

#include <gtest/gtest.h>

#include "core/settings/SettingsTestFiles.h"

namespace qhe {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

const ScreenInfo kScreen{1920, 1080, 96};
const std::string kProgramFolder = "/opt/qhe32";

MainSettings ReadFrom(const std::string& text) {
    TempFolder folder;
    WriteText(folder.File("QHE32.INI"), text);
    return LoadMainSettings(folder.File("QHE32.INI"), kScreen, kProgramFolder);
}

TEST(Settings, MissingFileGivesEveryDefault) {
    TempFolder folder;
    MainSettings s = LoadMainSettings(folder.File("absent.ini"), kScreen, kProgramFolder);
    EXPECT_FALSE(s.displayMatches);
    EXPECT_FALSE(s.placement.top.has_value());
    EXPECT_FALSE(s.placement.left.has_value());
    EXPECT_EQ(s.placement.windowState, 0);
    const OptionsSettings& o = s.options;
    EXPECT_EQ(o.cols, 17);
    EXPECT_EQ(o.rows, 19);
    EXPECT_EQ(o.fontSize, 8);
    EXPECT_EQ(o.font, "Courier New");
    EXPECT_TRUE(o.showGrids);
    EXPECT_EQ(o.colorBlock, 255);
    EXPECT_EQ(o.jokerByte, 0x2E);
    EXPECT_TRUE(o.findHex && o.replaceHex && o.caseSensitive && o.findDown);
    EXPECT_FALSE(o.insHex || o.unicodeIns || o.jokerFind || o.oldFileTime || o.newEOF || o.showDataInsp);
    EXPECT_EQ(o.mru, 5);
    EXPECT_EQ(o.currentDir, kProgramFolder);
    EXPECT_TRUE(o.overwrite && o.modusText && o.scope);
    EXPECT_EQ(o.convTable, "");
    const DataInspSettings& d = s.dataInsp;
    EXPECT_EQ((std::vector<bool>{d.shortInt, d.byteInt, d.word, d.intValue, d.longInt, d.single,
                                 d.doubleFloat, d.bin, d.blockSize}),
              (std::vector<bool>{false, false, true, true, true, true, false, true, false}));
}

TEST(Settings, BaseAddressOtherThanZeroOrOneReadsAsZero) {
    const std::pair<const char*, int> cases[] = {{"0", 0},  {"1", 1}, {"5", 0},
                                                 {"-1", 0}, {"x", 0}, {"$1", 1}};
    for (auto [stored, expected] : cases) {
        EXPECT_EQ(ReadFrom(std::string("[Options]\nBaseAdress=") + stored + "\n").options.baseAddress,
                  expected)
            << stored;
    }
}

TEST(Settings, JokerHexTakesTwoHexDigitsOrKeepsTheDefaultAndReadingGoesOn) {
    const std::pair<const char*, int> cases[] = {{"2", 0x2E},  {"", 0x2E},    {"zz", 0x2E},
                                                 {"3f", 0x3F}, {"41x", 0x41}, {"0", 0x2E}};
    for (auto [stored, expected] : cases) {
        MainSettings s =
            ReadFrom(std::string("[Options]\nJokerHex=") + stored + "\nFindHex=0\nConvTable=t.qct\n");
        EXPECT_EQ(s.options.jokerByte, expected) << stored;
        EXPECT_FALSE(s.options.findHex);
        EXPECT_EQ(s.options.convTable, "t.qct");
    }
}

TEST(Settings, SavedGeometryAppliesOnlyOnTheSameScreen) {
    const std::string saved = "[TFormMain]\nTop=40\nLeft=50\nWindowState=2\n"
                              "[Options]\nCols=32\nRows=24\nFontSize=12\nShowGrids=0\n";
    MainSettings same = ReadFrom("[display]\nresx=1920\nresy=1080\nppi=96\n" + saved);
    EXPECT_TRUE(same.displayMatches);
    EXPECT_EQ(same.placement.top, 40);
    EXPECT_EQ(same.placement.left, 50);
    EXPECT_EQ(same.placement.windowState, 2);
    EXPECT_EQ(same.options.cols, 32);
    EXPECT_EQ(same.options.rows, 24);
    EXPECT_EQ(same.options.fontSize, 12);

    MainSettings other = ReadFrom("[display]\nresx=1024\nresy=768\nppi=96\n" + saved);
    EXPECT_FALSE(other.displayMatches);
    EXPECT_FALSE(other.placement.top.has_value());
    EXPECT_EQ(other.placement.windowState, 0);
    EXPECT_EQ(other.options.cols, 17);
    EXPECT_EQ(other.options.rows, 19);
    EXPECT_EQ(other.options.fontSize, 8);
    EXPECT_FALSE(other.options.showGrids); // the other preferences are read all the same
}

TEST(Settings, UnusableValuesReadAsDefaults) {
    MainSettings s = ReadFrom("[display]\nresx=1920\nresy=1080\nppi=96\n"
                              "[Options]\nCols=0\nRows=-4\nFontSize=x\nMRU=0\nEncodeAs=9\nEncodeWhere=-1\n"
                              "GotoMode=3\nByteOrder=2\nFindDown=2\nCaseSensitive=0\n");
    EXPECT_EQ(s.options.cols, 17);
    EXPECT_EQ(s.options.rows, 19);
    EXPECT_EQ(s.options.fontSize, 8);
    EXPECT_EQ(s.options.mru, 1);
    EXPECT_EQ(s.options.encodeAs, 0);
    EXPECT_EQ(s.options.encodeWhere, 0);
    EXPECT_EQ(s.options.gotoMode, 0);
    EXPECT_EQ(s.options.byteOrder, 0);
    EXPECT_TRUE(s.options.findDown); // any non-zero value is true
    EXPECT_FALSE(s.options.caseSensitive);
    EXPECT_EQ(ReadFrom("[Options]\nMRU=12\n").options.mru, 9);
    EXPECT_EQ(ReadFrom("[Options]\nUndoLimitMB=4097\n").options.undoLimitMB, 256);
    // More cells or a larger font than any screen shows: a damaged file, read as the defaults.
    s = ReadFrom("[display]\nresx=1920\nresy=1080\nppi=96\n[Options]\nCols=100000\nRows=2147483647\nFontSize="
                 "100000\n");
    EXPECT_EQ(s.options.cols, 17);
    EXPECT_EQ(s.options.rows, 19);
    EXPECT_EQ(s.options.fontSize, 8);
}

TEST(Settings, WritesTheMainSettingsInCloseOrderAndReadsThemBack) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    OptionsSettings options;
    options.cols = 24;
    options.font = "Liberation Mono";
    options.jokerByte = 0x0A;
    options.baseAddress = 1;
    options.currentDir = "/home/user/data";
    options.convTable = "/home/user/t.qct";
    options.overwrite = false;
    options.undoLimitMB = 0;
    DataInspSettings inspector;
    inspector.doubleFloat = true;
    SaveMainSettings(file, kScreen, 30, 60, 2, options, inspector);

    ProfileSession written(file);
    EXPECT_EQ(
        written.ReadKeys("Options"),
        (std::vector<std::string>{
            "Cols",       "Rows",        "TextGridLeft", "HideToolBar",   "Font",        "FontSize",
            "ByteOrder",  "ColorBlock",  "JokerHex",     "FindHex",       "ReplaceHex",  "InsHex",
            "UnicodeIns", "UnicodeFind", "UnicodeRepl",  "CaseSensitive", "JokerFind",   "FindDown",
            "GotoMode",   "BaseAdress",  "EncodeAs",     "EncodeWhere",   "OldFileTime", "NewEOF",
            "CurrentDir", "Overwrite",   "ModusText",    "Scope",         "ConvTable",   "HideAddressRange",
            "MRU",        "ShowGrids",   "BlankForCC",   "ShowDataInsp",  "UndoLimitMB", "MapFromMB",
            "CompareResync", "CompareResyncRun", "Hashes", "Language"}));
    EXPECT_EQ(written.ReadString("Options", "JokerHex", ""), "0A");
    EXPECT_EQ(written.ReadString("Options", "Overwrite", ""), "0");
    EXPECT_EQ(ReadText(file).substr(0, 64),
              "[display]\r\nresx=1920\r\nresy=1080\r\nppi=96\r\n\r\n[TFormMain]\r\nTop=30\r\n");

    MainSettings back = ReadMainSettings(written, kScreen, kProgramFolder);
    EXPECT_EQ(back.placement.top, 30);
    EXPECT_EQ(back.placement.left, 60);
    EXPECT_EQ(back.placement.windowState, 2);
    EXPECT_EQ(back.options.cols, 24);
    EXPECT_EQ(back.options.font, "Liberation Mono");
    EXPECT_EQ(back.options.jokerByte, 0x0A);
    EXPECT_EQ(back.options.baseAddress, 1);
    EXPECT_EQ(back.options.currentDir, "/home/user/data");
    EXPECT_EQ(back.options.convTable, "/home/user/t.qct");
    EXPECT_EQ(back.options.undoLimitMB, 0);
    EXPECT_FALSE(back.options.overwrite);
    EXPECT_TRUE(back.dataInsp.doubleFloat);
}

TEST(Settings, AFailedSaveThrowsTheUnableToWriteError) {
    TempFolder folder;
    const std::string file = test::UnwritablePath(folder);
    try {
        SaveMainSettings(file, kScreen, 0, 0, 0, OptionsSettings{}, DataInspSettings{});
        FAIL() << "no error";
    } catch (const ProfileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file);
    }
}

TEST(Settings, HistorySectionsKeepEntriesExactlyThroughQuotes) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    WriteText(file, "[QZHistoryFindT]\n0=\"old\"\n1=\"older\"\n2=\"oldest\"\n");
    const std::vector<std::string> entries = {"  padded ", "\"quoted\"", "it's", "a=b", ""};
    {
        ProfileSession profile(file);
        EXPECT_EQ(ReadHistorySection(profile, kHistoryFindT),
                  (std::vector<std::string>{"old", "older", "oldest"}));
        WriteHistorySection(profile, kHistoryFindT, entries);
        profile.Commit();
    }
    EXPECT_EQ(ReadText(file), "[QZHistoryFindT]\r\n0=\"  padded \"\r\n1=\"\"quoted\"\"\r\n2=\"it's\"\r\n"
                              "3=\"a=b\"\r\n4=\"\"\r\n");
    EXPECT_EQ(ReadHistorySection(ProfileSession(file), "qzhistoryfindt"), entries);
}

TEST(Settings, RecentFilesAreAPlainListInKeyOrder) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    WriteText(file, "[MRU Files]\n1=/b\n0=/a\n5=/gone\n");
    ProfileSession profile(file);
    EXPECT_EQ(ReadStringListSection(profile, kMruSection), (std::vector<std::string>{"/b", "/a", "/gone"}));
    WriteStringListSection(profile, kMruSection, {"/home/u/new.bin", "/home/u/a b.bin"});
    profile.Commit();
    EXPECT_EQ(ReadText(file), "[MRU Files]\r\n0=/home/u/new.bin\r\n1=/home/u/a b.bin\r\n");
}

TEST(Settings, PrintMarginsDefaultByUnit) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    EXPECT_EQ(ReadPrintSettings(ProfileSession(file)).marginLeft, 1500);
    WriteText(file, "[Printing]\nUnit=1\nMarginTop=100\nFontSizeIndex=7\nBytesPerRow=24\n");
    PrintSettings print = ReadPrintSettings(ProfileSession(file));
    EXPECT_EQ(print.marginLeft, 59);
    EXPECT_EQ(print.marginTop, 100);
    EXPECT_EQ(print.fontSizeIndex, 1);
    EXPECT_EQ(print.bytesPerRow, "24");
    EXPECT_EQ(print.printerIndex, -1);

    ProfileSession profile(file);
    print.landscape = true;
    WritePrintSettings(profile, print);
    profile.Commit();
    PrintSettings back = ReadPrintSettings(ProfileSession(file));
    EXPECT_TRUE(back.landscape);
    EXPECT_EQ(back.unit, 1);
    EXPECT_EQ(back.marginRight, 59);
}

} // namespace
} // namespace qhe
