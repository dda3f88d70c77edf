#include <gtest/gtest.h>

#include "HostBackend.h"
#include "core/acquire/ExamineSubFolders.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

TEST(ExamineSubFolders, ReadAllKeepsDistinctLinesInByteOrder) {
    const HostText text;
    const struct {
        Lines lines;
        Lines expected;
    } cases[] = {
        {{"d:\\b", "d:\\a", "d:\\b", ""}, {"d:\\a", "d:\\b"}},
        {{"   ", "d:\\a", "d:\\A", " d:\\a "}, {" d:\\a ", "d:\\A", "d:\\a"}},
        {{"d:\\a\\b", "d:\\a", "c:\\z"}, {"c:\\z", "d:\\a", "d:\\a\\b"}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExamineSubFolders(text, c.lines).ReadAll(), c.expected)
            << (c.lines.empty() ? "(none)" : c.lines.front());
    }
}

TEST(ExamineSubFolders, ReadTopMostDropsFoldersBelowKeptOnes) {
    const HostText text;
    const struct {
        Lines lines;
        Lines expected;
    } cases[] = {
        {{"d:\\A", "d:\\A\\B", "d:\\AB", "d:\\a"}, {"d:\\A", "d:\\AB"}},
        {{"C:\\", "C:\\x"}, {"C:\\", "C:\\x"}},
        {{"d:\\A\\", "d:\\A\\B"}, {"d:\\A\\", "d:\\A\\B"}},
        {{"d:\\A\\", "d:\\A"}, {"d:\\A"}},
        {{"d:\\a\\b\\c", "D:\\A"}, {"D:\\A"}},
        // Shallower lines come first, whatever their byte order.
        {{"c:\\a\\b", "d:\\Z", ""}, {"d:\\Z", "c:\\a\\b"}},
        {{"d:\\x\\y", "d:\\x\\y\\z", "e:\\x\\y\\z"}, {"d:\\x\\y", "e:\\x\\y\\z"}},
        {{"d:\\\xC3\x89t\xC3\xA9", "d:\\\xC3\xA9T\xC3\x89\\x"}, {"d:\\\xC3\x89t\xC3\xA9"}},
        // Forward slashes count for the depth but do not join a folder to its parent.
        {{"d:/a", "d:/a/b"}, {"d:/a", "d:/a/b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExamineSubFolders(text, c.lines).ReadTopMost(), c.expected) << c.lines.front();
    }
}

TEST(ExamineSubFolders, ReadTopMostStaysFastOnLongLists) {
    const HostText text;
    Lines lines{"d:\\Root"};
    for (int i = 0; i < 50000; ++i) lines.push_back("d:\\root\\" + std::to_string(i) + "\\x");
    for (int i = 0; i < 50000; ++i) lines.push_back("e:\\" + std::to_string(i));
    const Lines top = ExamineSubFolders(text, lines).ReadTopMost();
    ASSERT_EQ(top.size(), 50001u);
    EXPECT_EQ(top.front(), "d:\\Root");
}

}  // namespace
}  // namespace arbovane
