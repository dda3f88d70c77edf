#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "core/lists/ListPane.h"
#include "platform/memory/MemoryFileSystem.h"
#include "support/TempDrives.h"
#include "support/TimeLimit.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Lines = std::vector<std::string>;

class ListPaneOperations : public ::testing::Test {
protected:
    ListPaneOperations() { drives_.Map('D'); }

    ListPane Pane(TabPrefix prefix, const Lines& include, const Lines& exclude) {
        ListPane pane(prefix, drives_.TextPort(), windows_);
        pane.Include().AddAll(include);
        pane.Exclude().AddAll(exclude);
        return pane;
    }

    TempDrives drives_;
    // The lists ask the volume their lines name; this one keeps Windows' rule of letter case.
    MemoryFileSystem windows_{drives_.TextPort()};
};

TEST_F(ListPaneOperations, MovingAnItemTheTargetHoldsDropsItFromTheSource) {
    for (const TabPrefix prefix : kListTabs) {
        const bool strings = prefix == TabPrefix::Vol02;
        const std::string a = strings ? "\\a" : "d:\\a", b = strings ? "\\b" : "d:\\b";
        const std::string upperA = strings ? "\\A" : "D:\\A";
        ListPane pane = Pane(prefix, {a, b}, {upperA});
        pane.MoveSelectedToExclude({0, 1});
        EXPECT_TRUE(pane.Include().Empty());
        EXPECT_EQ(pane.Exclude().Lines(), (Lines{upperA, b}));
        pane.Include().Add(b);
        pane.MoveSelectedToInclude({1});
        EXPECT_EQ(pane.Include().Lines(), (Lines{b}));
        EXPECT_EQ(pane.Exclude().Lines(), (Lines{upperA}));
    }
}

TEST_F(ListPaneOperations, FolderTabsDropItemsWithoutDriveWhenMoving) {
    const struct {
        TabPrefix prefix;
        Lines excludeAfter;
    } cases[] = {{TabPrefix::Vol08, {"d:\\x"}},
                 {TabPrefix::Vol07, {"d:\\x"}},
                 {TabPrefix::Vol06, {"d:\\x"}},
                 {TabPrefix::Vol04, {"\\old", "d:\\x"}}};
    for (const auto& c : cases) {
        ListPane pane = Pane(c.prefix, {"\\old", "d:\\x", "  e:\\y"}, {});
        pane.MoveSelectedToExclude({1, 0});
        EXPECT_EQ(pane.Include().Lines(), (Lines{"  e:\\y"})) << pane.Texts().name;
        EXPECT_EQ(pane.Exclude().Lines(), c.excludeAfter) << pane.Texts().name;

        ListPane all = Pane(c.prefix, {"\\old", "d:\\x"}, {"\\back", "D:\\X"});
        all.MoveAllToExclude();
        EXPECT_TRUE(all.Include().Empty());
        EXPECT_EQ(all.Exclude().Lines().size(), c.prefix == TabPrefix::Vol04 ? 3u : 2u);
        all.MoveAllToInclude();
        EXPECT_TRUE(all.Exclude().Empty());
        const Lines back =
            c.prefix == TabPrefix::Vol04 ? Lines{"\\back", "D:\\X", "\\old"} : Lines{"D:\\X"};
        EXPECT_EQ(all.Include().Lines(), back) << all.Texts().name;
    }
}

TEST_F(ListPaneOperations, ExchangeKeepsAnItemOfBothListsInTheIncludeListOnly) {
    ListPane pane =
        Pane(TabPrefix::Vol08, {"d:\\one", "d:\\both", "d:\\two"}, {"d:\\three", "D:\\BOTH"});
    pane.ExchangeLists();
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\three", "D:\\BOTH"}));
    EXPECT_EQ(pane.Exclude().Lines(), (Lines{"d:\\one", "d:\\two"}));
    pane.ExchangeLists();
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\one", "d:\\two"}));
    EXPECT_EQ(pane.Exclude().Lines(), (Lines{"d:\\three", "D:\\BOTH"}));
}

TEST_F(ListPaneOperations, DeleteSelectedTouchesOnlyTheExcludeList) {
    ListPane pane = Pane(TabPrefix::Vol07, {"d:\\in"}, {"d:\\a", "d:\\b", "d:\\c"});
    pane.DeleteSelectedExcluded({2, 0, 7});
    EXPECT_EQ(pane.Exclude().Lines(), (Lines{"d:\\b"}));
    pane.DeleteAllExcluded();
    EXPECT_TRUE(pane.Exclude().Empty());
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\in"}));
}

TEST_F(ListPaneOperations, ParseBackNormalisesAndDropsRepeats) {
    const struct {
        TabPrefix prefix;
        Lines edited, exclude, include;
    } cases[] = {
        {TabPrefix::Vol08, {"c:\\a", "c:/a/", "c:\\\\a"}, {}, {"c:\\a", "c:\\a\\"}},
        {TabPrefix::Vol06,
         {"d:\\x", "D:\\X", "d:\\kept  ", "d:\\out"},
         {"D:\\OUT"},
         {"d:\\x", "d:\\kept  "}},
        {TabPrefix::Vol04, {}, {}, {}},
        // Strings come back sorted.
        {TabPrefix::Vol02, {"\\b", "\\A", "\\a//c", "\\B"}, {}, {"\\A", "\\a\\c", "\\b"}},
    };
    for (const auto& c : cases) {
        ListPane pane = Pane(c.prefix, {"d:\\before"}, c.exclude);
        EXPECT_FALSE(pane.ParseBack(c.edited).has_value()) << pane.Texts().name;
        EXPECT_EQ(pane.Include().Lines(), c.include) << pane.Texts().name;
    }
}

TEST_F(ListPaneOperations, ParseBackRefusesBlankAndIndentedLines) {
    for (const Lines& edited : {Lines{"d:\\a", "", "d:\\b"}, Lines{"d:\\a", "  d:\\b"}}) {
        ListPane pane = Pane(TabPrefix::Vol08, {"d:\\before"}, {});
        const auto refusal = pane.ParseBack(edited);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->title,
                  "Copy Folder Structure(s).-From a Folder List.          Warning no: 0383bc.");
        EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\before"}));
    }
}

TEST_F(ListPaneOperations, StringTabEditRefusesWhatAddAccepts) {
    ListPane pane = Pane(TabPrefix::Vol02, {}, {});
    EXPECT_TRUE(pane.ParseBack({"Project"}).has_value());
    const TypedAddResult added = pane.AddTypedString(" Project/Docs ");
    EXPECT_FALSE(added.message.has_value());
    EXPECT_EQ(added.fieldText, "Project\\Docs");
    EXPECT_EQ(pane.Include().Lines(), (Lines{"Project\\Docs"}));
}

TEST_F(ListPaneOperations, StringTabTypedAddSortsAndRefusesHiddenRepeats) {
    ListPane pane = Pane(TabPrefix::Vol02, {}, {"\\Out"});
    for (const char* field : {"\\delta", "\\Beta", "\\alpha", "\\CHARLIE"})
        EXPECT_FALSE(pane.AddTypedString(field).message.has_value()) << field;
    EXPECT_EQ(pane.Include().Lines(), (Lines{"\\alpha", "\\Beta", "\\CHARLIE", "\\delta"}));
    // Trimming and turning slashes would make these repeats of held items.
    EXPECT_EQ(pane.AddTypedString(" /beta").message->text,
              "This item already exists in the Include list !");
    EXPECT_EQ(pane.AddTypedString("/out ").message->text,
              "This item already exists in the Exclude list !");
    EXPECT_EQ(pane.Include().Size(), 4u);
}

TEST_F(ListPaneOperations, FullPathTabKeepsPathsBeforeTheRefusedOne) {
    ListPane pane = Pane(TabPrefix::Vol04, {}, {});
    const TypedAddResult first = pane.AddTypedPaths(drives_.Fs(), " d:\\Jobs\\One q:\\Two ");
    ASSERT_TRUE(first.message.has_value());
    EXPECT_EQ(first.message->text, "There is no valid drive letter.");
    EXPECT_EQ(first.fieldText, " d:\\Jobs\\One q:\\Two ");
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\Jobs\\One"}));

    const TypedAddResult both = pane.AddTypedPaths(drives_.Fs(), "d:\\\\Alpha d:\\Beta\\\\Gamma");
    EXPECT_FALSE(both.message.has_value());
    EXPECT_EQ(both.fieldText, "d:\\Alpha d:\\Beta\\Gamma");
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\Jobs\\One", "d:\\Alpha", "d:\\Beta\\Gamma"}));
}

TEST_F(ListPaneOperations, ExportTakesFolderItemsOnFolderTabs) {
    const struct {
        TabPrefix prefix;
        Lines include, exported;
    } cases[] = {{TabPrefix::Vol08, {"d:\\a", "\\b", " e:\\c"}, {"d:\\a", " e:\\c"}},
                 {TabPrefix::Vol04, {"d:\\a", "\\b"}, {"d:\\a", "\\b"}},
                 {TabPrefix::Vol02, {"\\b", "\\a"}, {"\\a", "\\b"}}};
    for (const auto& c : cases) {
        ListPane pane = Pane(c.prefix, c.include, {});
        Lines lines;
        EXPECT_FALSE(pane.ExportLines(lines).has_value());
        EXPECT_EQ(lines, c.exported) << pane.Texts().name;
    }
}

TEST_F(ListPaneOperations, ProgressEndsWithTheListCounts) {
    ListPane pane = Pane(TabPrefix::Vol08, {"d:\\a", "d:\\b", "d:\\c"}, {"d:\\x"});
    std::vector<std::pair<std::size_t, std::size_t>> reports;
    pane.SetProgress([&](std::size_t in, std::size_t out) { reports.emplace_back(in, out); });
    pane.MoveSelectedToExclude({0, 2});
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), (std::pair<std::size_t, std::size_t>{1, 3}));
    reports.clear();
    pane.ExchangeLists();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), (std::pair<std::size_t, std::size_t>{3, 1}));
}

TEST_F(ListPaneOperations, HundredThousandLineParseBackIsQuick) {
    for (const TabPrefix prefix : {TabPrefix::Vol08, TabPrefix::Vol02}) {
        const bool strings = prefix == TabPrefix::Vol02;
        Lines edited;
        for (int i = 0; i < 100000; ++i)
            edited.push_back((strings ? "\\Customer/" : "d:/Customer/") + std::to_string(i));
        ListPane pane = Pane(prefix, {}, {});
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(pane.ParseBack(edited).has_value());
        EXPECT_EQ(pane.Include().Size(), 100000u);
        EXPECT_EQ(pane.Include().At(0), strings ? "\\Customer\\0" : "d:\\Customer\\0");
        pane.MoveAllToExclude();
        pane.ExchangeLists();
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        EXPECT_EQ(pane.Include().Size(), 100000u);
        EXPECT_LT(seconds.count(), 3.0 * testing::kTimeLimitScale) << pane.Texts().name;
    }
}

}  // namespace
}  // namespace arbovane
