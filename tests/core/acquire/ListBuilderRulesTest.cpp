#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/acquire/ListBuilderRules.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Lines = std::vector<std::string>;

void ExpectMessage(const std::optional<ListMessage>& shown, const std::string& text,
                   const std::string& title, int flags) {
    ASSERT_TRUE(shown.has_value()) << title;
    EXPECT_EQ(shown->text, text);
    EXPECT_EQ(shown->title, title);
    EXPECT_EQ(shown->flags, flags);
}

const char* const kNotWholeNumber =
    "The Level Number is not a whole number !\nAction : You must enter a whole number in the level "
    "field.";

// d:\T holds A and D, A holds B, B holds C; x.txt (10 bytes) in T, y.doc (20 bytes) in A.
class ListBuilderRulesTest : public ::testing::Test {
protected:
    ListBuilderRulesTest() : host_(drives_.Map('D')), rules_(drives_.Fs(), drives_.TextPort()) {
        for (const char* folder : {"/T/A/B/C", "/T/D"}) TempDrives::MakeHostFolder(host_ + folder);
        TempDrives::WriteHostFile(host_ + "/T/x.txt", std::string(10, 'x'));
        TempDrives::WriteHostFile(host_ + "/T/A/y.doc", std::string(20, 'y'));
    }

    static _tagBuilderLevels Levels(LevelCopy::LevelMode mode, const std::string& a,
                                    const std::string& b = "", bool lastOnly = false) {
        _tagBuilderLevels levels;
        levels.mode = mode;
        levels.lastOnly = lastOnly;
        if (mode == LevelCopy::kFromTo) levels.from = a, levels.to = b;
        if (mode == LevelCopy::kAbove) levels.above = a;
        if (mode == LevelCopy::kBelow) levels.below = a;
        return levels;
    }

    TempDrives drives_;
    std::string host_;
    ListBuilderRules rules_;
};

TEST(ListBuilderNumbers, WholeNumbersAndTheFromToRepair) {
    const struct {
        const char* text;
        bool whole;
        int value;
    } numbers[] = {{"3", true, 3},          {" 12 ", true, 12},
                   {"\t7", true, 7},        {"+4", true, 4},
                   {"-2", true, -2},        {"0", true, 0},
                   {"", false, 0},          {"  ", false, 0},
                   {"1.5", false, 0},       {"2a", false, 0},
                   {"a", false, 0},         {"++1", false, 0},
                   {"1 2", false, 0},       {"2147483647", true, 2147483647},
                   {"2147483648", false, 0}};
    for (const auto& c : numbers) {
        std::int32_t value = -99;
        EXPECT_EQ(ParseWholeNumber(c.text, value), c.whole) << c.text;
        if (c.whole) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }

    const struct {
        const char* from;
        const char* to;
        const char* fixedFrom;
        const char* fixedTo;
    } repairs[] = {{"2", "5", "2", "5"},  {"x", "5", "1", "5"}, {"x", "y", "1", "1"},
                   {" 4", "", " 4", "4"}, {"3", "z", "3", "3"}, {"", "", "1", "1"},
                   {"2", "-1", "2", "-1"}};
    for (const auto& c : repairs) {
        std::string from = c.from, to = c.to;
        FixFromToFields(from, to);
        EXPECT_EQ(from, c.fixedFrom) << c.from << "|" << c.to;
        EXPECT_EQ(to, c.fixedTo) << c.from << "|" << c.to;
    }
}

TEST_F(ListBuilderRulesTest, BuildAppendsWhatNeitherListHolds) {
    rules_.Exclude().Add("D:\\T\\D");
    rules_.Include().Add("d:\\T\\A\\B");
    EXPECT_FALSE(rules_.Build(" d:\\T\t", "", Levels(LevelCopy::kFromTo, "1", "2")));
    // d:\T\D stands in the exclude list with its drive letter in another case; d:\T\A\B was
    // there already.
    EXPECT_EQ(rules_.Include().Lines(), (Lines{"d:\\T\\A\\B", "d:\\T\\A"}));
    EXPECT_EQ(rules_.Exclude().Lines(), (Lines{"D:\\T\\D"}));
}

TEST_F(ListBuilderRulesTest, BuildReadsModesListModeAndFilter) {
    const struct {
        _tagBuilderLevels levels;
        std::string filter;
        Lines expected;
    } cases[] = {
        {Levels(LevelCopy::kFromTo, "1", "2", true), "", {"d:\\T\\D", "d:\\T\\A\\B"}},
        {Levels(LevelCopy::kAbove, " 1 "), "", {"d:\\T\\A", "d:\\T\\D"}},
        {Levels(LevelCopy::kBelow, "2", "", true), "", {"d:\\T\\A\\B\\C"}},
        {Levels(LevelCopy::kBelow, "0"), " B\t", {"d:\\T\\A\\B"}},
        // The other fields are not read in a mode that does not use them.
        {Levels(LevelCopy::kAbove, "2", "junk"), "", {"d:\\T\\A", "d:\\T\\D", "d:\\T\\A\\B"}},
    };
    for (const auto& c : cases) {
        rules_.ClearInclude();
        EXPECT_FALSE(rules_.Build("d:\\T", c.filter, c.levels));
        EXPECT_EQ(rules_.Include().Lines(), c.expected) << c.filter;
    }
}

TEST_F(ListBuilderRulesTest, BuildRefusals) {
    const std::string title = "SubFolder Level List Builder.            Warning no: ";
    const struct {
        std::string source;
        _tagBuilderLevels levels;
        std::string text;
        std::string number;
    } cases[] = {
        {"d:\\T", Levels(LevelCopy::kFromTo, "3", "2"),
         "The Start Number is greater then the End one!\nAction : You must enter a Start number "
         "that is smaller than the End one.",
         "0581"},
        {"d:\\T", Levels(LevelCopy::kFromTo, "1", "x"), kNotWholeNumber, "0583"},
        {"d:\\T", Levels(LevelCopy::kFromTo, "1.0", "2"), kNotWholeNumber, "0583"},
        {"d:\\T", Levels(LevelCopy::kAbove, "one"), kNotWholeNumber, "0583"},
        {"d:\\T", Levels(LevelCopy::kBelow, ""), kNotWholeNumber, "0583"},
        {"d:\\Missing", Levels(LevelCopy::kFromTo, "1", "3"),
         "There are no matching results for subfolder selection !\nAction : You must select a "
         "proper Subfolder level, or a filter.",
         "0582"},
        {"d:\\T", Levels(LevelCopy::kFromTo, "5", "9"),
         "There are no matching results for subfolder selection !\nAction : You must select a "
         "proper Subfolder level, or a filter.",
         "0582"},
    };
    for (const auto& c : cases) {
        rules_.Include().Add("d:\\Kept");
        ExpectMessage(rules_.Build(c.source, "", c.levels), c.text, title + c.number + ".", 48);
        EXPECT_EQ(rules_.Include().Lines(), (Lines{"d:\\Kept"})) << c.number;
    }
}

TEST_F(ListBuilderRulesTest, SourceSummaryCountsBelowTheSource) {
    _tagSourceSummary summary;
    EXPECT_FALSE(rules_.MeasureSource(" d:\\T ", summary));
    EXPECT_EQ(summary.folders, "4");
    EXPECT_EQ(summary.files, "2");
    EXPECT_EQ(summary.fileSize, "30.00 Bytes");
    ASSERT_EQ(summary.rows.size(), 3u);
    EXPECT_EQ(summary.rows[0].level, "1");
    EXPECT_EQ(summary.rows[0].folders, "2");
    EXPECT_EQ(summary.rows[2].level, "3");
    EXPECT_EQ(summary.rows[2].folders, "1");

    EXPECT_EQ(rules_.HistoryPosition({"d:\\A", "D:\\t"}, "d:\\T"), 1u);
    EXPECT_EQ(rules_.HistoryPosition({"d:\\A"}, "d:\\A "), std::string::npos);
}

// The window shows a long walk's progress from these reports: one after every folder listed,
// counting up to what the walk listed.
TEST_F(ListBuilderRulesTest, WalksReportEachListing) {
    std::vector<std::uint64_t> reports;
    rules_.SetWalkProgress([&](std::uint64_t listings) { reports.push_back(listings); });
    const auto expectCountingUp = [&](const char* walk, std::size_t least) {
        ASSERT_GE(reports.size(), least) << walk;
        for (std::size_t i = 0; i < reports.size(); ++i) EXPECT_EQ(reports[i], i + 1) << walk;
        reports.clear();
    };
    _tagSourceSummary summary;
    ASSERT_FALSE(rules_.MeasureSource("d:\\T", summary).has_value());
    // d:\T and its four folders.
    expectCountingUp("measuring", 5);
    EXPECT_EQ(summary.listings, 5u);
    ASSERT_FALSE(rules_.Build("d:\\T", "", Levels(LevelCopy::kBelow, "0")).has_value());
    expectCountingUp("building", 4);
    std::optional<_tagLevelSummary> levels;
    ASSERT_FALSE(rules_.LevelSummary({0}, {}, levels).has_value());
    expectCountingUp("the levels of a line", 1);
    // A build that cannot read its levels walks nothing.
    rules_.Build("d:\\T", "", Levels(LevelCopy::kBelow, "x"));
    EXPECT_TRUE(reports.empty());
}

TEST_F(ListBuilderRulesTest, MovesTakeItemsWithoutADrive) {
    rules_.Include().AddAll({"\\rel", "d:\\a", "d:\\b"});
    rules_.Exclude().Add("D:\\b");
    rules_.MoveSelectedToExclude({2, 0});
    EXPECT_EQ(rules_.Include().Lines(), (Lines{"d:\\a"}));
    EXPECT_EQ(rules_.Exclude().Lines(), (Lines{"D:\\b", "\\rel"}));
    rules_.Include().Add("\\rel");
    rules_.ExchangeLists();
    EXPECT_EQ(rules_.Include().Lines(), (Lines{"D:\\b", "\\rel"}));
    EXPECT_EQ(rules_.Exclude().Lines(), (Lines{"d:\\a"}));
    rules_.MoveAllToExclude();
    EXPECT_TRUE(rules_.Include().Empty());
    EXPECT_EQ(rules_.Exclude().Lines(), (Lines{"d:\\a", "D:\\b", "\\rel"}));
    rules_.MoveSelectedToInclude({1, 7});
    rules_.MoveAllToInclude();
    EXPECT_EQ(rules_.Include().Lines(), (Lines{"D:\\b", "d:\\a", "\\rel"}));
}

TEST_F(ListBuilderRulesTest, EditExportAndLevelsOfTheIncludeList) {
    rules_.Exclude().Add("d:\\x");
    const auto refusal = rules_.ParseBack({"d:\\T", "no drive"});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->title, "Folder Level List Builder.            Warning no: 0385bc.");
    EXPECT_EQ(refusal->flags, 48);
    EXPECT_TRUE(rules_.Include().Empty());
    EXPECT_FALSE(rules_.ParseBack({"d:/T/", "D:\\x", "d:\\\\T\\"}));
    EXPECT_EQ(rules_.Include().Lines(), (Lines{"d:\\T\\"}));

    rules_.Include().Clear();
    rules_.Include().AddAll({"   ", " d:\\T "});
    std::vector<std::string> lines;
    EXPECT_FALSE(rules_.ExportLines(lines));
    EXPECT_EQ(lines, (Lines{"   ", " d:\\T "}));

    std::optional<_tagLevelSummary> summary;
    EXPECT_FALSE(rules_.LevelSummary({0}, {"*.*"}, summary));
    EXPECT_FALSE(summary.has_value());
    EXPECT_FALSE(rules_.LevelSummary({1}, {"*.txt"}, summary));
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->folderName, "d:\\T");
    EXPECT_EQ(summary->folderSum, "5");
    EXPECT_EQ(summary->fileSum, "1");
    EXPECT_EQ(summary->fileSize, "10.00 Bytes  (10 bytes).");
    ASSERT_EQ(summary->rows.size(), 3u);
    EXPECT_EQ(summary->rows[0].folders, "2");
}

}  // namespace
}  // namespace arbovane
