#include "core/text/History.h"

#include <fstream>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/settings/Profile.h"

namespace qhe {
namespace {

using Items = std::vector<std::string>;

TEST(HistoryTest, AddingPutsNewTextsOnTopAndSwapsKnownOnes) {
    EntryHistory history;
    for (const char* text : {"one", "two", "three"})
        history.Add(text);
    EXPECT_EQ(history.Items(), (Items{"three", "two", "one"}));
    history.Add("one"); // third becomes first, the former first goes to third place
    EXPECT_EQ(history.Items(), (Items{"one", "two", "three"}));
    history.Add("");
    EXPECT_EQ(history.Items().size(), 3u);
    history.Add("ONE"); // case matters by default
    EXPECT_EQ(history.Items().front(), "ONE");
}

TEST(HistoryTest, OnlyTheMostRecentAreKept) {
    EntryHistory history;
    for (int i = 1; i <= 9; ++i)
        history.Add("text " + std::to_string(i));
    ASSERT_EQ(history.Items().size(), 8u);
    EXPECT_EQ(history.Items().front(), "text 9");
    EXPECT_EQ(history.Items().back(), "text 2");
}

TEST(HistoryTest, CaseInsensitiveComparison) {
    EntryHistory history(8, false);
    history.Add("abc");
    history.Add("x");
    history.Add("ABC");
    EXPECT_EQ(history.Items(), (Items{"abc", "x"}));
    EXPECT_TRUE(SameTextIgnoringCase("\xC3\xA4"
                                     "b",
                                     "\xC3\x84"
                                     "B"));                             // a and A with umlaut
    EXPECT_FALSE(SameTextIgnoringCase("\xE4\xB8\xAD", "\xE4\xB8\xAE")); // two different CJK characters
    EXPECT_FALSE(SameTextIgnoringCase("ab", "abc"));
}

TEST(HistoryTest, TrimDropsOneOlderCopyOfTheTop) {
    EntryHistory history(3);
    history.SetItems({"a", "b", "a", "c", "a", "d"});
    history.Trim();
    EXPECT_EQ(history.Items(), (Items{"a", "b", "a"}));
    history.SetItems({"a", "b", "a"});
    history.Trim();
    EXPECT_EQ(history.Items(), (Items{"a", "b"}));
}

TEST(HistoryTest, ChoosingCopiesTheEntryToTheTop) {
    EntryHistory history;
    history.SetItems({"a", "b", "c"});
    history.Choose(0);
    EXPECT_EQ(history.Items(), (Items{"a", "b", "c"}));
    history.Choose(2);
    EXPECT_EQ(history.Items(), (Items{"c", "a", "b", "c"}));
    history.Trim();
    EXPECT_EQ(history.Items(), (Items{"c", "a", "b"}));
}

TEST(HistoryTest, KeyNavigation) {
    EntryHistory history;
    EXPECT_EQ(history.PreviousIndex("a"), -1);
    EXPECT_EQ(history.NextIndex("a"), -1);
    history.SetItems({"a", "b", "c"});
    EXPECT_EQ(history.FirstIndex(), 0);
    EXPECT_EQ(history.LastIndex(), 2);
    struct Case {
        const char* text;
        int previous, next;
    };
    const Case cases[] = {{"a", 0, 1}, {"b", 0, 2}, {"c", 1, 2}, {"other", 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(history.PreviousIndex(c.text), c.previous) << c.text;
        EXPECT_EQ(history.NextIndex(c.text), c.next) << c.text;
    }
}

TEST(HistoryTest, SavedAndLoadedThroughTheSettingsFile) {
    test::TempDir dir;
    const std::string file = dir.File("QHE32.INI");
    EntryHistory saved;
    for (const char* text : {"first", "with \"quotes\"", "  blanks  ", "\xE4\xB8\xAD"})
        saved.Add(text);
    {
        ProfileSession profile(file);
        saved.Save(profile, "QZHistoryFindT");
        profile.Commit();
    }
    std::ifstream in(file);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("0=\"\xE4\xB8\xAD\""), std::string::npos) << content;

    EntryHistory loaded(3);
    loaded.Load(ProfileSession(file), "QZHistoryFindT");
    EXPECT_EQ(loaded.Items(), (Items{"\xE4\xB8\xAD", "  blanks  ", "with \"quotes\""}));

    EntryHistory missing;
    missing.Load(ProfileSession(dir.File("none.ini")), "QZHistoryFindT");
    EXPECT_TRUE(missing.Items().empty());
}

} // namespace
} // namespace qhe
