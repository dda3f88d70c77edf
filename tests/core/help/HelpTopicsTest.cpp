#include <gtest/gtest.h>

#include <string>

#include "core/help/HelpTopics.h"

namespace arbovane {
namespace {

struct TopicCase {
    int number;
    const char* heading;
    bool hidesMoreHelp;
};

const TopicCase kTopics[] = {
    {1, "  Folder Template Options. - Create Folders from non existing Paths Without Drive Letter.",
     true},
    {2, "  Folder Template Options. - Create Folders from Strings.", true},
    {3, "  Folder Template Options. - Create Folders using Increased Numbers.", true},
    {4, "  Folder Template Options. - Copy Folders.", true},
    {5, "      Creating Multiple Folders from a list of folders.", false},
    {6, "      Creating Multiple Folders from a list of Strings.", false},
    {7, "           Creating Multiple Folders using increased numbers.", false},
    {9, "            Copy a specific set of Folder Structure(s) to a List of Folders.", false},
    {10,
     "             Delete a Complete List of Folders, Subfolder structures with files, or just "
     "files in Subfolder structures.",
     false},
    {11, "       Renaming the Last Subfolder of a List of Main Folders (List of Full Paths).",
     false},
    {15, " File Import.", true},
    {16, " Select File Names and/or File Types.", true},
};

TEST(HelpTopicsTest, EveryTopicOpensWithABlankLineAndItsHeading) {
    for (const TopicCase& topic : kTopics) {
        const std::vector<std::string> lines = HelpTopicLines(topic.number);
        ASSERT_GE(lines.size(), 60u) << topic.number;
        EXPECT_LE(lines.size(), 110u) << topic.number;
        EXPECT_EQ(lines[0], " ") << topic.number;
        EXPECT_EQ(lines[1], topic.heading) << topic.number;
        EXPECT_EQ(HelpTopicHidesMoreHelp(topic.number), topic.hidesMoreHelp) << topic.number;
        // Under the heading the prose fits a help window without a long sideways scroll.
        for (std::size_t i = 2; i < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].empty()) << topic.number << ": line " << i;
            EXPECT_LE(lines[i].size(), 110u) << topic.number << ": " << lines[i];
        }
    }
}

TEST(HelpTopicsTest, NumbersWithoutATopicGiveNothing) {
    for (int number : {-1, 0, 8, 12, 13, 14, 17, 1000}) {
        EXPECT_TRUE(HelpTopicLines(number).empty()) << number;
        EXPECT_FALSE(HelpTopicHidesMoreHelp(number)) << number;
    }
    std::vector<int> expected;
    for (const TopicCase& topic : kTopics) expected.push_back(topic.number);
    EXPECT_EQ(HelpTopicNumbers(), expected);
}

TEST(HelpTopicsTest, MoreHelpHasLinesOfItsOwn) {
    const std::vector<std::string> lines = MoreHelpLines();
    ASSERT_GE(lines.size(), 30u);
    EXPECT_EQ(lines[0], " ");
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_LE(line.size(), 110u) << line;
    }
}

}  // namespace
}  // namespace arbovane
