#include "editor/script/CommandLine.h"

#include <gtest/gtest.h>

namespace qhe {
namespace {

TEST(CommandLine, OptionsStandInTheFilesOrTheSwitchsPlace) {
    struct Case {
        std::vector<std::string> arguments;
        CommandLineAction action;
    };
    const Case cases[] = {
        {{"--help"}, CommandLineAction::Help},
        {{"--version", "x"}, CommandLineAction::Version},
        {{"a.bin", "--help"}, CommandLineAction::Help},
        {{"--verbose"}, CommandLineAction::UsageError}, // not a file named "--verbose"
        {{"--"}, CommandLineAction::UsageError},
        {{"a.bin", "--s=x.qsc"}, CommandLineAction::UsageError},
        {{"-help"}, CommandLineAction::Run}, // a single dash is a file name
        {{}, CommandLineAction::Run},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action) << (c.arguments.empty() ? "" : c.arguments[0]);
        if (c.action == CommandLineAction::UsageError) {
            EXPECT_FALSE(line.error.empty());
        }
    }
}

TEST(CommandLine, ScriptParametersStartWithTheSwitchAndPassOptionsThrough) {
    const CommandLine line = ParseCommandLine({"a.bin", "-S=patch.qsc", "--x", "", "7"});
    EXPECT_EQ(line.action, CommandLineAction::Run);
    EXPECT_EQ(line.fileName, "a.bin");
    EXPECT_TRUE(line.script.present);
    EXPECT_EQ(line.script.scriptFile, "patch.qsc");
    EXPECT_EQ(line.parameters, (std::vector<std::string>{"-S=patch.qsc", "--x", "", "7"}));
    EXPECT_EQ(line.arguments.size(), 5u);

    std::vector<std::string> many = {"a.bin", "/s=p.qsc"};
    for (int i = 1; i <= 11; ++i)
        many.push_back(std::to_string(i));
    EXPECT_EQ(ParseCommandLine(many).parameters.size(), 10u); // %0 .. %9

    EXPECT_FALSE(ParseCommandLine({"a.bin", "b.bin"}).script.present);
    EXPECT_TRUE(ParseCommandLine({"a.bin", "b.bin"}).parameters.empty());
}

TEST(CommandLine, DumpOptionsAndTheirRefusals) {
    const CommandLine line =
        ParseCommandLine({"--dump", "--text-below", "a.bin", "--bytes-per-row", "25", "--decimal"});
    EXPECT_EQ(line.action, CommandLineAction::Dump);
    EXPECT_EQ(line.fileName, "a.bin");
    EXPECT_EQ(line.dump.bytesPerRow, 25);
    EXPECT_TRUE(line.dump.decimal);
    EXPECT_TRUE(line.dump.textBelow);
    EXPECT_EQ(ParseCommandLine({"--dump", "a.bin"}).dump.bytesPerRow, 16);
    const std::vector<std::vector<std::string>> bad = {{"--dump"},
                                                       {"--dump", "a", "b"},
                                                       {"--dump", "a", "--bytes-per-row"},
                                                       {"--dump", "a", "--bytes-per-row", "0"},
                                                       {"--dump", "a", "--bytes-per-row", "100"},
                                                       {"--dump", "a", "--hex"}};
    for (const auto& arguments : bad) {
        const CommandLine refused = ParseCommandLine(arguments);
        EXPECT_EQ(refused.action, CommandLineAction::UsageError) << arguments.size();
        EXPECT_FALSE(refused.error.empty());
    }
}

TEST(CommandLine, CompareOptionsInBothFormsAndTheirRefusals) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--compare", "a", "b", "--max-diffs=3", "--resync=8"},
                                               {"--compare", "--max-diffs", "3", "a", "--resync=8", "b"}}) {
        const CommandLine line = ParseCommandLine(arguments);
        ASSERT_EQ(line.action, CommandLineAction::Compare) << line.error;
        EXPECT_EQ(line.fileName, "a");
        EXPECT_EQ(line.otherFile, "b");
        EXPECT_EQ(line.maxDiffs, 3);
        EXPECT_TRUE(line.compare.resync);
        EXPECT_EQ(line.compare.run, 8);
    }
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--compare", "a", "b", "--max-diffs="},
                                               {"--compare", "a", "b", "--max-diffs=0"},
                                               {"--compare", "a", "b", "--max-diffs=x"},
                                               {"--compare", "a", "b", "--max-diffs"},
                                               {"--compare", "a", "b", "--resync=3"}})
        EXPECT_EQ(ParseCommandLine(arguments).action, CommandLineAction::UsageError) << arguments[3];
}

} // namespace
} // namespace qhe
