#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/lists/EditParseBack.h"
#include "core/lists/FolderList.h"
#include "platform/posix/IcuText.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

TEST(FolderList, HoldsIgnoresLetterCaseButNotBlanks) {
    const IcuText text;
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

TEST(FolderList, SortedListInsertsIgnoringLetterCase) {
    const IcuText text;
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
    const IcuText text;
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

TEST(FolderList, HundredThousandSortedLinesStayFast) {
    const IcuText text;
    FolderList list(text, true);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 100000; i > 0; --i) list.Add("\\Folder" + std::to_string(i));
    for (int i = 1; i <= 100000; ++i) ASSERT_TRUE(list.Holds("\\FOLDER" + std::to_string(i)));
    EXPECT_EQ(list.At(0), "\\Folder1");
    EXPECT_EQ(list.At(1), "\\Folder10");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_LT(seconds.count(), 3.0);
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
