#include "editor/file/RecentFiles.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(RecentFiles, MostRecentFirstWithoutDuplicatesAndCut) {
    TMRUFiles mru;
    for (int i = 1; i <= 6; ++i)
        mru.Add("/data/file" + std::to_string(i));
    ASSERT_EQ(mru.Files().size(), 5u);
    EXPECT_EQ(mru.Files().front(), "/data/file6");
    EXPECT_EQ(mru.Files().back(), "/data/file2"); // the oldest left the list
    mru.Add("/data/file4");                       // a listed name moves to the top
    EXPECT_EQ(mru.Files().size(), 5u);
    EXPECT_EQ(mru.Files().front(), "/data/file4");
    mru.SetFileCount(2);
    EXPECT_EQ(mru.Files(), (std::vector<std::string>{"/data/file4", "/data/file6"}));
    mru.Load({"a", "", "b", "c"});
    EXPECT_EQ(mru.Files(), (std::vector<std::string>{"a", "b"}));
}

TEST(RecentFiles, NamesDifferingInCaseAreTwoFiles) {
    TMRUFiles mru;
    mru.Add("/d/A.bin");
    mru.Add("/d/a.bin");
    EXPECT_EQ(mru.Files(), (std::vector<std::string>{"/d/a.bin", "/d/A.bin"}));
}

TEST(RecentFiles, EntriesCarryNamesAndAcceleratorsBelowTen) {
    TMRUFiles mru;
    mru.SetFileCount(12);
    mru.Add("/b");
    mru.Add("/a");
    auto entries = mru.Rebuild();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "__MRU_0");
    EXPECT_EQ(entries[0].caption, "&1 /a");
    EXPECT_EQ(entries[1].caption, "&2 /b");
    for (int i = 0; i < 8; ++i)
        mru.Add("/f" + std::to_string(i));
    entries = mru.Rebuild();
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0].caption, "/f7"); // ten entries: no accelerator numbers
    EXPECT_EQ(entries[9].name, "__MRU_9");
    // Choosing an entry answers its file and moves it to the top.
    EXPECT_EQ(mru.Choose("__MRU_9"), "/b");
    EXPECT_EQ(mru.Files().front(), "/b");
    EXPECT_EQ(mru.Choose("__MRU_42"), "");
    EXPECT_EQ(mru.Choose("Open1"), "");
}

TEST(RecentFiles, ShorteningKeepsTheLastFoldersThatFit) {
    struct Case {
        std::string path;
        int maxLength;
        std::string shown;
    } cases[] = {
        {"/home/user/projects/firmware/build/image.bin", 30, ".../firmware/build/image.bin"},
        {"/home/user/projects/firmware/build/image.bin", 20, ".../build/image.bin"},
        {"/home/user/projects/firmware/build/image.bin", 10, ".../image.bin"},
        {"/short/name.bin", 30, "/short/name.bin"},
        {"a-very-long-file-name-without-any-folder.bin", 10, "a-very-long-file-name-without-any-folder.bin"},
        {"/x/y", 2, "/x/y"}, // shortening would not be shorter
        {"/home/user/file.bin", 0, "/home/user/file.bin"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TMRUFiles::Shorten(c.path, c.maxLength), c.shown) << c.path;
}

} // namespace
} // namespace qhe
