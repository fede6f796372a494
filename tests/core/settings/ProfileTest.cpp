#include "core/settings/Profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/settings/IniFile.h"
#include "core/settings/SettingsTestFiles.h"

namespace qhe {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

TEST(Profile, RoundTripWithoutRegardToCase) {
    TempFolder folder;
    const std::string file = folder.File("QHE32.INI");
    WritePrivateProfileString("Options", "Font", "Courier New", file);
    WriteProfileInt("Options", "Cols", 32, file);
    WriteProfileBool("Options", "ShowGrids", false, file);
    EXPECT_EQ(GetPrivateProfileString("OPTIONS", "font", "-", file), "Courier New");
    EXPECT_EQ(ReadProfileInt("options", "COLS", 17, file), 32);
    EXPECT_FALSE(ReadProfileBool("Options", "showgrids", true, file));
    WriteProfileInt("options", "cols", 40, file); // replaces the line, keeps its spelling
    EXPECT_EQ(ReadText(file), "[Options]\r\nFont=Courier New\r\nCols=40\r\nShowGrids=0\r\n");
}

TEST(Profile, MissingFileSectionOrKeyGivesTheDefault) {
    TempFolder folder;
    const std::string file = folder.File("none.ini");
    EXPECT_EQ(GetPrivateProfileString("A", "b", "dflt", file), "dflt");
    EXPECT_EQ(ReadProfileInt("A", "b", 17, file), 17);
    EXPECT_TRUE(ReadProfileBool("A", "b", true, file));
    EXPECT_TRUE(GetPrivateProfileKeys("A", file).empty());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(Profile, ReadsNumbersByTheSettingsRules) {
    TempFolder folder;
    const std::string file = folder.File("n.ini");
    WriteText(file, "[N]\ndec = 12 \nhex=0x1f\ndollar=$20\nbare=0x\nword=abc\nneg=-1\nquoted=\"7\"\n");
    const std::pair<const char*, int> cases[] = {{"dec", 12},  {"hex", 31}, {"dollar", 32}, {"bare", 99},
                                                 {"word", 99}, {"neg", -1}, {"quoted", 7}};
    for (auto [key, expected] : cases)
        EXPECT_EQ(ReadProfileInt("N", key, 99, file), expected) << key;
    EXPECT_TRUE(ReadProfileBool("N", "dollar", false, file));
    EXPECT_TRUE(ReadProfileBool("N", "word", true, file));
}

TEST(Profile, ReadTrimsBlanksAndOnePairOfQuotes) {
    TempFolder folder;
    const std::string file = folder.File("q.ini");
    WriteText(file, "[S]\n  a  =  \"  padded  \"  \nb='it''s'\nc=\"\"x\"\"\n");
    EXPECT_EQ(GetPrivateProfileString("s", "A", "", file), "  padded  ");
    EXPECT_EQ(GetPrivateProfileString("s", "b", "", file), "it''s");
    EXPECT_EQ(GetPrivateProfileString("s", "c", "", file), "\"x\"");
}

TEST(Profile, ReadModifyWriteKeepsTheRestOfTheFile) {
    TempFolder folder;
    const std::string file = folder.File("keep.ini");
    WriteText(file, "; settings\n[Options]\nCols=17\n; note\nodd line\n\n[Other]\nx=1\n");
    WriteProfileInt("Options", "Cols", 20, file);
    WriteProfileInt("Options", "Rows", 19, file);
    WritePrivateProfileString("New", "k", "v", file);
    EXPECT_EQ(ReadText(file), "; settings\r\n[Options]\r\nCols=20\r\n; note\r\nodd line\r\nRows=19\r\n\r\n"
                              "[Other]\r\nx=1\r\n\r\n[New]\r\nk=v\r\n");
}

TEST(Profile, NoKeyErasesTheSectionAndNoValueDeletesTheKey) {
    TempFolder folder;
    const std::string file = folder.File("erase.ini");
    WriteText(file, "[MRU Files]\n0=a\n1=b\n[Keep]\nk=1\nj=2\n[mru files]\n2=c\n");
    WritePrivateProfileString("MRU FILES", std::nullopt, std::nullopt, file);
    WritePrivateProfileString("keep", "K", std::nullopt, file);
    EXPECT_EQ(ReadText(file), "[Keep]\r\nj=2\r\n");
}

TEST(Profile, ListsTheKeysOfASectionInFileOrder) {
    TempFolder folder;
    const std::string file = folder.File("keys.ini");
    WriteText(file, "[H]\n2=\"c\"\n; 9=x\n0=\"a\"\nnoequals\n1=\"b\"\n[h]\n7=z\n");
    EXPECT_EQ(GetPrivateProfileKeys("h", file), (std::vector<std::string>{"2", "0", "1"}));
}

TEST(Profile, FailedWriteSaysUnableToWriteWithTheFileName) {
    TempFolder folder;
    const std::string file = test::UnwritablePath(folder);
    try {
        WriteProfileInt("Options", "Cols", 17, file);
        FAIL() << "no error";
    } catch (const ProfileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file);
        EXPECT_EQ(error.FileName(), file);
        EXPECT_NE(error.ErrorCode(), 0);
    }
    EXPECT_THROW(WriteProfileBool("A", "b", true, file), std::runtime_error);
    EXPECT_THROW(WritePrivateProfileString("A", "b", "c", file), ProfileWriteError);
}

TEST(ProfileSession, WritesOnceAndOnlyWhenSomethingChanged) {
    TempFolder folder;
    const std::string file = folder.File("s.ini");
    WriteText(file, "[A]\nk=1\n");
    ProfileSession session(file);
    session.WriteInt("a", "K", 1);
    session.WriteString("A", "k", "1");
    EXPECT_FALSE(session.Modified());
    session.Commit();
    EXPECT_EQ(ReadText(file), "[A]\nk=1\n");

    session.WriteInt("A", "k", 2);
    session.WriteBool("B", "on", true);
    EXPECT_EQ(ReadText(file), "[A]\nk=1\n"); // nothing reaches the file before Commit
    session.Commit();
    EXPECT_EQ(ReadText(file), "[A]\r\nk=2\r\n\r\n[B]\r\non=1\r\n");
}

TEST(ProfileSession, AFailedCommitLeavesTheFileAndNeverReplacesAnUnreadableOne) {
    TempFolder folder;
    const std::string unreadable = folder.File("dir.ini");
    std::filesystem::create_directory(unreadable);
    ProfileSession session(unreadable);
    session.WriteInt("A", "k", 1);
    EXPECT_THROW(session.Commit(), ProfileWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(unreadable));
}

TEST(ProfileSession, ANamedPipeReadsAsUnreadableWithoutBlockingAndIsNeverWritten) {
    TempFolder folder;
    const std::string pipe = folder.File("QHE32.INI");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ProfileSession session(pipe); // no writer ever comes: reading must not wait for one
    EXPECT_EQ(session.ReadInt("Options", "Cols", 16), 16);
    session.WriteInt("Options", "Cols", 32);
    EXPECT_THROW(session.Commit(), ProfileWriteError);
    TQZIniFile geometry(pipe);
    EXPECT_EQ(geometry.ReadInteger("TFormMain", "Top", -1), -1);
    geometry.WriteInteger("TFormMain", "Top", 5);
    EXPECT_FALSE(geometry.UpdateFile());
    struct stat info {};
    ASSERT_EQ(stat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(ProfileSession, LineBreaksAreWrittenAsBlanks) {
    TempFolder folder;
    const std::string file = folder.File("inject.ini");
    ProfileSession session(file);
    session.WriteString("QZHistoryFindT", "0", "\"a\r\n[Options]\r\nCols=300\"");
    session.Commit();
    ProfileSession again(file);
    EXPECT_FALSE(again.SectionExists("Options"));
    EXPECT_EQ(again.ReadString("QZHistoryFindT", "0", ""), "a  [Options]  Cols=300");
}

} // namespace
} // namespace qhe
