#include <gtest/gtest.h>

#include "HostBackend.h"
#include "core/lists/ListPane.h"
#include "platform/memory/MemoryFileSystem.h"

namespace arbovane {
namespace {

TEST(ImportResult, EmptyResultWarnsWhicheverWayTheDialogClosed) {
    HostText text;
    MemoryFileSystem fs(text);
    for (bool ok : {true, false}) {
        ListPane pane(TabPrefix::Vol07, text, fs);
        const auto message = pane.ImportResult({}, ok);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->text, "Empty Result List in the File Import Window!\n");
        EXPECT_EQ(message->title,
                  "Delete Folder(s).-From a Folder List.             Warning no: 0395.");
        EXPECT_EQ(message->flags, 48);
    }
}

TEST(ImportResult, CancelAddsNothing) {
    HostText text;
    MemoryFileSystem fs(text);
    ListPane pane(TabPrefix::Vol08, text, fs);
    EXPECT_FALSE(pane.ImportResult({"d:\\A"}, false).has_value());
    EXPECT_TRUE(pane.Include().Empty());
}

TEST(ImportResult, StringTabRefusesALineWithADriveLetter) {
    HostText text;
    MemoryFileSystem fs(text);
    ListPane pane(TabPrefix::Vol02, text, fs);
    const auto message = pane.ImportResult({"\\Good", "d:\\Bad"}, true);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title,
              "Creating Folder(s).-From a String List.            Warning no: 0385bc.");
    EXPECT_EQ(message->text.rfind("You can only enter relative paths without drive letters.", 0),
              0u);
    EXPECT_TRUE(pane.Include().Empty());
}

TEST(ImportResult, AppendsNewLinesOnly) {
    HostText text;
    MemoryFileSystem fs(text);
    ListPane folders(TabPrefix::Vol06, text, fs);
    folders.Include().Add("d:\\Old");
    folders.Exclude().Add("d:\\Set\\Aside");
    EXPECT_FALSE(folders.ImportResult({"D:\\OLD", "d:\\set\\aside", "d:\\New", "d:\\New"}, true)
                     .has_value());
    EXPECT_EQ(folders.Include().Lines(), (std::vector<std::string>{"d:\\Old", "d:\\New"}));

    ListPane strings(TabPrefix::Vol02, text, fs);
    EXPECT_FALSE(strings.ImportResult({"\\b//c", "\\a"}, true).has_value());
    EXPECT_EQ(strings.Include().Lines(), (std::vector<std::string>{"\\a", "\\b\\c"}));

    const auto refused = folders.ImportResult({"d:\\x", "relative"}, true);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->title,
              "Rename Folder(s).--From a Folder List.            Warning no: 0383bc.");
}

}  // namespace
}  // namespace arbovane
