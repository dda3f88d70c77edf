#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "HostBackend.h"
#include "core/lists/EditParseBack.h"
#include "core/lists/FolderList.h"
#include "platform/memory/MemoryFileSystem.h"
#include "support/TempDrives.h"
#include "support/TimeLimit.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

TEST(FolderList, HoldsIgnoresLetterCaseButNotBlanks) {
    const HostText text;
    FolderList list(text);
    EXPECT_TRUE(list.Add("d:\\Data"));
    EXPECT_FALSE(list.Add("D:\\DATA"));
    EXPECT_TRUE(list.Holds("D:\\data"));
    EXPECT_FALSE(list.Holds(" d:\\Data"));
    EXPECT_FALSE(list.Holds("d:\\Data\\"));
    EXPECT_TRUE(list.Add("d:\\\xC3\x89t\xC3\xA9"));
    EXPECT_TRUE(list.Holds("D:\\\xC3\xA9T\xC3\x89"));
    EXPECT_EQ(list.Lines(), (Lines{"d:\\Data", "d:\\\xC3\x89t\xC3\xA9"}));
}

// A list of folders asks the volume: on the host, where Data and data are two folders, both lines
// stay, in the moves between the lists too; on a volume that ignores case they are one line.
TEST(FolderList, LinesOfFoldersAreOneWhereTheVolumeSaysSo) {
    testing::TempDrives drives;
    const std::string host = drives.Map('D');
    testing::TempDrives::MakeHostEntries(host + "/", {"in/Data/", "in/data/"});
    MemoryFileSystem windows(drives.TextPort());
    windows.AddFolder("d:\\in\\Data");
    const struct {
        const char* volume;
        FileSystem& fs;
        Lines held;
    } cases[] = {
        {"host", drives.Fs(), {"d:\\in\\Data", "d:\\in\\data", "D:\\in\\new"}},
        {"windows", windows, {"d:\\in\\Data", "D:\\in\\new"}},
    };
    for (const auto& c : cases) {
        FolderList include(drives.TextPort(), c.fs), exclude(drives.TextPort(), c.fs);
        for (const char* line : {"d:\\in\\Data", "d:\\in\\data", "d:\\in\\Data", "D:\\in\\Data",
                                 "D:\\in\\new", "d:\\in\\new"})
            include.Add(line);
        EXPECT_EQ(include.Lines(), c.held) << c.volume;
        // A line the exclude list holds stays out of the include list, by the same rule.
        exclude.Add("d:\\IN\\data");
        include.TakeAll(exclude, nullptr);
        EXPECT_EQ(include.Size(), c.held.size() + (c.fs.IsFolder("d:\\IN\\data") ? 0 : 1))
            << c.volume;
    }
}

TEST(FolderList, SortedListInsertsIgnoringLetterCase) {
    const HostText text;
    FolderList list(text, true);
    for (const char* line : {"\\beta", "\\Alpha", "\\gamma", "\\ALPHA2", "\\Beta1"}) list.Add(line);
    EXPECT_EQ(list.Lines(), (Lines{"\\Alpha", "\\ALPHA2", "\\beta", "\\Beta1", "\\gamma"}));
    // Reading between additions keeps the order: the new line goes to its place.
    list.Add("\\alpha1");
    EXPECT_EQ(list.At(1), "\\alpha1");
    list.RemoveAt({0, 5});
    list.Add("\\zeta");
    list.Add("\\Delta");
    EXPECT_EQ(list.Lines(),
              (Lines{"\\alpha1", "\\ALPHA2", "\\beta", "\\Beta1", "\\Delta", "\\zeta"}));
}

TEST(FolderList, RemoveAtTakesAnyOrderAndFreesTheText) {
    const HostText text;
    FolderList list(text);
    list.AddAll({"a", "b", "c", "d", "B"});
    EXPECT_EQ(list.Size(), 4u);
    list.RemoveAt({3, 1, 1, 99});
    EXPECT_EQ(list.Lines(), (Lines{"a", "c"}));
    EXPECT_FALSE(list.Holds("b"));
    EXPECT_TRUE(list.Add("D"));
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(list.Holds("a"));
}

// The moves of the panes go through these; the index must follow the lines in both lists.
TEST(FolderList, TakingAndExchangingKeepBothListsAndTheirIndexes) {
    const HostText text;
    const auto noDrive = [](const std::string& line) {
        return line.find(':') != std::string::npos;
    };
    const struct {
        const char* what;
        bool sorted;
        Lines target, source;
        std::function<void(FolderList&, FolderList&)> move;
        Lines targetAfter, sourceAfter;
    } cases[] = {
        {"all into an empty list",
         false,
         {},
         {"d:\\b", "d:\\a"},
         [](FolderList& t, FolderList& s) { t.TakeAll(s, {}); },
         {"d:\\b", "d:\\a"},
         {}},
        {"all into an empty list, refusals dropped",
         false,
         {},
         {"d:\\b", "x", "d:\\a"},
         [&](FolderList& t, FolderList& s) { t.TakeAll(s, noDrive); },
         {"d:\\b", "d:\\a"},
         {}},
        {"all into a list holding one of them",
         false,
         {"D:\\A"},
         {"d:\\b", "d:\\a", "x"},
         [&](FolderList& t, FolderList& s) { t.TakeAll(s, noDrive); },
         {"D:\\A", "d:\\b"},
         {}},
        {"all into a sorted list",
         true,
         {"\\m"},
         {"\\z", "\\a"},
         [](FolderList& t, FolderList& s) { t.TakeAll(s, {}); },
         {"\\a", "\\m", "\\z"},
         {}},
        {"some, held and refused ones leaving too",
         false,
         {"d:\\c"},
         {"d:\\a", "x", "D:\\C", "d:\\d"},
         [&](FolderList& t, FolderList& s) {
             t.TakeAt(s, {0, 1, 2}, noDrive, {});
         },
         {"d:\\c", "d:\\a"},
         {"d:\\d"}},
        {"exchange, an item in both stays in the first",
         false,
         {"d:\\a", "d:\\b"},
         {"D:\\B", "d:\\c"},
         [](FolderList& t, FolderList& s) { t.Exchange(s); },
         {"D:\\B", "d:\\c"},
         {"d:\\a"}},
        {"exchange with an empty list",
         false,
         {"d:\\a"},
         {},
         [](FolderList& t, FolderList& s) { t.Exchange(s); },
         {},
         {"d:\\a"}},
    };
    for (const auto& c : cases) {
        FolderList target(text, c.sorted), source(text, c.sorted);
        target.AddAll(c.target);
        source.AddAll(c.source);
        c.move(target, source);
        EXPECT_EQ(target.Lines(), c.targetAfter) << c.what;
        EXPECT_EQ(source.Lines(), c.sourceAfter) << c.what;
        // Each list holds exactly its own lines, in any letter case.
        for (const FolderList* list : {&target, &source}) {
            const FolderList& other = list == &target ? source : target;
            for (const std::string& line : list->Lines()) {
                EXPECT_TRUE(list->Holds(text.LowerCase(line))) << c.what << " " << line;
                EXPECT_FALSE(other.Holds(line) && list == &source) << c.what << " " << line;
            }
        }
        for (const std::string& line : c.source)
            EXPECT_EQ(source.Holds(line), std::find(c.sourceAfter.begin(), c.sourceAfter.end(),
                                                    line) != c.sourceAfter.end())
                << c.what << " " << line;
    }
}

TEST(FolderList, TheRevisionMovesOnlyWithTheLines) {
    const HostText text;
    FolderList list(text), other(text);
    const auto changes = [&](const std::function<void()>& change) {
        const auto before = list.Revision();
        change();
        return list.Revision() != before;
    };
    EXPECT_TRUE(changes([&] { list.Add("d:\\a"); }));
    EXPECT_FALSE(changes([&] { list.Add("D:\\A"); }));
    other.Add("d:\\x");
    EXPECT_FALSE(changes([&] { list.AddUnlessIn("D:\\X", other); }));
    EXPECT_FALSE(changes([&] { list.RemoveAt({5}); }));
    EXPECT_FALSE(changes([&] {
        FolderList empty(text);
        list.TakeAll(empty, {});
    }));
    EXPECT_FALSE(changes([&] { list.TakeAt(other, {}, {}, {}); }));
    EXPECT_FALSE(changes([&] { (void)list.Lines(); }));
    EXPECT_TRUE(changes([&] { other.TakeAll(list, {}); }));
    EXPECT_FALSE(changes([&] { list.Clear(); }));
    EXPECT_FALSE(changes([&] {
        FolderList empty(text);
        list.Exchange(empty);
    }));
    EXPECT_TRUE(changes([&] { list.Exchange(other); }));
    EXPECT_EQ(list.TakeLines(), (Lines{"d:\\x", "d:\\a"}));
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(list.Holds("d:\\a"));
}

TEST(FolderList, HundredThousandSortedLinesStayFast) {
    const HostText text;
    FolderList list(text, true);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 100000; i > 0; --i) list.Add("\\Folder" + std::to_string(i));
    for (int i = 1; i <= 100000; ++i) ASSERT_TRUE(list.Holds("\\FOLDER" + std::to_string(i)));
    EXPECT_EQ(list.At(0), "\\Folder1");
    EXPECT_EQ(list.At(1), "\\Folder10");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_LT(seconds.count(), 3.0 * testing::kTimeLimitScale);
}

TEST(MemoLines, FinalLineBreakOpensNoLine) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {{"", {}},
                 {"a", {"a"}},
                 {"a\n", {"a"}},
                 {"a\r\nb\r\n", {"a", "b"}},
                 {"a\n\nb", {"a", "", "b"}},
                 {"\n", {""}},
                 {"a\n\n", {"a", ""}}};
    for (const auto& c : cases) EXPECT_EQ(SplitMemoLines(c.text), c.lines) << c.text;
    EXPECT_EQ(JoinMemoLines({"c:\\a", "", "c:\\b"}), "c:\\a\n\nc:\\b");
    EXPECT_EQ(JoinMemoLines({}), "");
}

}  // namespace
}  // namespace arbovane
