#include <gtest/gtest.h>

#include "HostBackend.h"
#include "core/lists/ListPane.h"
#include "core/lists/TransferBuilderList.h"
#include "platform/memory/MemoryFileSystem.h"

namespace arbovane {
namespace {

TEST(TransferBuilderList, EmptyResultWarnsWithTheTabsTitle) {
    const struct {
        TabPrefix tab;
        const char* title;
    } cases[] = {
        {TabPrefix::Vol08,
         "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0595."},
        {TabPrefix::Vol06, "Rename Folder(s).-From a Folder List.             Warning no: 0585."},
        {TabPrefix::Vol07, "Delete Folder(s).-From a Folder List.             Warning no: 0590."},
    };
    HostText text;
    MemoryFileSystem fs(text);
    for (const auto& c : cases) {
        for (bool imported : {true, false}) {
            ListPane pane(c.tab, text, fs);
            const auto message = TransferBuilderList(c.tab, pane, {}, imported);
            ASSERT_TRUE(message.has_value());
            EXPECT_EQ(message->text, "Empty Result List in the File Import Window!\n");
            EXPECT_EQ(message->title, c.title);
            EXPECT_EQ(message->flags, 48);
        }
    }
}

TEST(TransferBuilderList, ImportAddsOnlyNewNonBlankLines) {
    HostText text;
    MemoryFileSystem fs(text);
    ListPane pane(TabPrefix::Vol08, text, fs);
    pane.Include().Add("d:\\T\\A");
    pane.Exclude().Add("d:\\T\\D");
    const std::vector<std::string> result = {"D:\\t\\a", "d:\\t\\d", "  ", "d:\\T\\A\\B",
                                             "d:\\T\\C"};
    EXPECT_FALSE(TransferBuilderList(TabPrefix::Vol08, pane, result, false).has_value());
    EXPECT_EQ(pane.Include().Lines(), std::vector<std::string>{"d:\\T\\A"});
    EXPECT_FALSE(TransferBuilderList(TabPrefix::Vol08, pane, result, true).has_value());
    EXPECT_EQ(pane.Include().Lines(),
              (std::vector<std::string>{"d:\\T\\A", "d:\\T\\A\\B", "d:\\T\\C"}));
    EXPECT_EQ(pane.Exclude().Lines(), std::vector<std::string>{"d:\\T\\D"});
}

}  // namespace
}  // namespace arbovane
