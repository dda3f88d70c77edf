#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lists/ListPane.h"
#include "platform/memory/MemoryFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Lines = std::vector<std::string>;

struct Box {
    std::string text;
    std::string title;
};

std::vector<Box> BoxesOf(const std::vector<ListMessage>& messages) {
    std::vector<Box> boxes;
    for (const ListMessage& m : messages) {
        EXPECT_EQ(m.flags, 48) << m.text;
        boxes.push_back({m.text, m.title});
    }
    return boxes;
}

void ExpectBoxes(const std::vector<ListMessage>& shown, const std::vector<Box>& expected) {
    const std::vector<Box> boxes = BoxesOf(shown);
    ASSERT_EQ(boxes.size(), expected.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].text, expected[i].text) << i;
        EXPECT_EQ(boxes[i].title, expected[i].title) << i;
    }
}

class BulkAdd : public ::testing::Test {
protected:
    BulkAdd() { drives_.Map('D'); }
    ListPane Pane(TabPrefix prefix, const Lines& include, const Lines& exclude) {
        ListPane pane(prefix, drives_.TextPort(), windows_);
        pane.Include().AddAll(include);
        pane.Exclude().AddAll(exclude);
        return pane;
    }

    TempDrives drives_;
    MemoryFileSystem windows_{drives_.TextPort()};
};

const char* const kCopyLevel = "Copy Folder Structure(s).-From a Folder List - Level.            ";

TEST_F(BulkAdd, FoldersPickedTogetherGiveOneBoxForEachRefusal) {
    ListPane pane = Pane(TabPrefix::Vol08, {"d:\\In"}, {"d:\\Out"});
    const auto boxes = pane.AddBrowsedFolders(
        {"d:\\A", "D:\\IN", " d:\\B ", "d:\\out", "d:\\C", "d:\\in", "d:\\a"});
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\In", "d:\\A", "d:\\B", "d:\\C"}));
    ExpectBoxes(boxes, {{"This folder exists in the INCLUDE FOLDER LIST !!!\n\nD:\\IN\nd:\\in\n"
                         "d:\\a\n",
                         std::string(kCopyLevel) + "Warning no: 0263."},
                        {"This folder exists in the EXCLUDE FOLDER LIST !!!",
                         std::string(kCopyLevel) + "Warning no: 0264."}});

    // Cancelled: the dialog gave nothing, as the dialog of one folder does.
    ExpectBoxes(pane.AddBrowsedFolders({}), {{"The selection field is empty !!!",
                                              std::string(kCopyLevel) + "Warning no: 0262."}});
    // Onto the exclude list: the include list's folders are refused there too.
    ExpectBoxes(pane.AddBrowsedFolders({"d:\\X", "d:\\A"}, ListSide::Exclude),
                {{"This folder exists in the INCLUDE FOLDER LIST !!!",
                  std::string(kCopyLevel) + "Warning no: 0263."}});
    EXPECT_EQ(pane.Exclude().Lines(), (Lines{"d:\\Out", "d:\\X"}));
}

TEST_F(BulkAdd, ManyItemsOfOneRefusalAreCountedAfterThree) {
    ListPane pane = Pane(TabPrefix::Vol07, {}, {});
    const auto boxes =
        pane.AddBrowsedFolders({"d:\\a", "d:\\a", "d:\\A", "d:\\a ", "  d:\\a", "d:\\A"});
    ExpectBoxes(boxes, {{"This folder exists in the INCLUDE FOLDER LIST !!!\n\nd:\\a\nd:\\A\n"
                         "d:\\a\n\n2  more left",
                         "Delete Folder structure(s).-From a Folder List.            Warning no: "
                         "0220."}});
}

// A pasted line gives the box that typing it in the tab's entry field gives.
TEST_F(BulkAdd, PastedLinesAreCheckedAsTypedLines) {
    const struct {
        TabPrefix prefix;
        std::string held;
        Lines lines;
        Lines after;
    } cases[] = {
        {TabPrefix::Vol04,
         "d:\\In",
         {"d:\\Acme", "", "q:\\xy", "d:\\Bolt d:\\", "d\\xy", "d:\\In", "  ", "d:\\e?"},
         {"d:\\In", "d:\\Acme", "d:\\Bolt"}},
        {TabPrefix::Vol02, "In", {"a/b", "d:\\x", "In", "c*", "  ", "Zed"}, {"a\\b", "In", "Zed"}},
    };
    for (const auto& c : cases) {
        ListPane pane = Pane(c.prefix, {c.held}, {});
        const auto boxes = pane.AddTypedLines(drives_.Fs(), c.lines, ListSide::Include);
        EXPECT_EQ(pane.Include().Lines(), c.after);
        std::vector<ListMessage> typed;
        for (const std::string& line : c.lines) {
            if (line.find_first_not_of(' ') == std::string::npos) continue;
            ListPane alone = Pane(c.prefix, {c.held}, {});
            const TypedAddResult result = c.prefix == TabPrefix::Vol02
                                              ? alone.AddTypedString(line)
                                              : alone.AddTypedPaths(drives_.Fs(), line);
            if (result.message) typed.push_back(*result.message);
        }
        ASSERT_EQ(boxes.size(), typed.size()) << PrefixText(c.prefix);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].text, typed[i].text);
            EXPECT_EQ(boxes[i].title, typed[i].title);
        }
    }
}

TEST_F(BulkAdd, PasteOnAFolderTabWithoutEntryField) {
    ListPane pane = Pane(TabPrefix::Vol06, {"d:\\In"}, {"d:\\Out"});
    const std::string rename = "Rename Folders - From a Folder List.            ";
    const auto boxes = pane.AddTypedLines(
        drives_.Fs(), {"d:\\Acme", "q:\\xy", "relative", "D:\\in", "d:\\OUT", "d:\\Bolt", "d:\\"},
        ListSide::Include);
    EXPECT_EQ(pane.Include().Lines(), (Lines{"d:\\In", "d:\\Acme", "d:\\Bolt"}));
    ExpectBoxes(
        boxes, {{"There is no valid drive letter.", rename + "Warning no: 0620."},
                {"Not found any colon (:) in the text !!!!", rename + "Warning no: 0620."},
                {"This folder exists in the INCLUDE FOLDER LIST !!!",
                 "Rename Folders. - From a Folder List.            Warning no: 0185."},
                {"This folder exists in the EXCLUDE FOLDER LIST !!!", rename + "Warning no: 0186."},
                {"There is no Folder part (just root).", rename + "Warning no: 0620."}});
}

TEST_F(BulkAdd, DroppedFilesAreNamedInOneBox) {
    const struct {
        TabPrefix prefix;
        const char* title;
    } cases[] = {
        {TabPrefix::Vol08,
         "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0621."},
        {TabPrefix::Vol07,
         "Delete Folder structure(s).-From a Folder List.            Warning no: "
         "0621."},
        {TabPrefix::Vol06, "Rename Folders - From a Folder List.            Warning no: 0621."},
        {TabPrefix::Vol04, "Creating Folder(s).-From a Folder List.            Warning no: 0621."},
        {TabPrefix::Vol02, "Creating Folder(s).-From a String List.            Warning no: 0621."},
    };
    for (const auto& c : cases) {
        const ListPane pane = Pane(c.prefix, {}, {});
        EXPECT_FALSE(pane.RefuseDropped({}).has_value());
        const auto box = pane.RefuseDropped({"d:\\a.txt"});
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text,
                  "Only FOLDERS can be added to the list !!!\nThese items are no folders on a "
                  "drive (files, web addresses), and are not added.\n\nd:\\a.txt\n");
        EXPECT_EQ(box->title, c.title);
        EXPECT_EQ(box->flags, 48);
    }
}

TEST_F(BulkAdd, LongAddsReportProgress) {
    ListPane pane = Pane(TabPrefix::Vol08, {}, {});
    std::size_t reports = 0, last = 0;
    pane.SetProgress([&](std::size_t include, std::size_t) {
        ++reports;
        last = include;
    });
    Lines folders;
    for (int i = 0; i < 1000; ++i) folders.push_back("d:\\f" + std::to_string(i));
    EXPECT_TRUE(pane.AddBrowsedFolders(folders).empty());
    EXPECT_GE(reports, 1000u);
    EXPECT_EQ(last, 1000u);
}

}  // namespace
}  // namespace arbovane
