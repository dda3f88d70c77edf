#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DeleteFixture.h"
#include "core/ops/delete/DeleteRun.h"
#include "support/ScriptedMessenger.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::DeleteFixture;
using testing::Lines;
using testing::ScriptedMessenger;

const char* const kEndText =
    "End of Simulation !!!\n\nNo actual Folders were Deleted because of Simulation (Test "
    "Mode).\n\nThe purpose of the Simulation is to show the Complete Folder Deleting process\n "
    "without actually deleting them on the hard drive.\n\nIf You want to Delete Folders/Files, "
    "Use the Delete Folders button.";
const char* const kEndTitle =
    "Simulate the Folder/File Delete Process.-From a Folder List - Level.            Information "
    "no: 0517.";

// Every simulation runs with mutations forbidden and must leave the drive as it found it.
class DeleteSimulationTest : public DeleteFixture {
protected:
    void SetUp() override {
        DeleteFixture::SetUp();
        File("PP/f.txt", "f");
        File("PP/A/g.txt", "gg");
        File("PP/A/B/h.doc", "hhh");
        Folder("PP/C");
        File("Outside/keep.txt", "outside");
        Link("PP/ToOutside", Host("Outside"));
        Link("LinkMain", Host("Outside"));
        before_ = testing::TreeSnapshot(host_);
        fs_.ForbidMutations();
    }
    void TearDown() override {
        EXPECT_EQ(fs_.MutationCount(), 0);
        EXPECT_EQ(testing::TreeSnapshot(host_), before_);
        DeleteFixture::TearDown();
    }
    void Simulate(Lines lines, DeleteTabMode mode, std::vector<std::string> patterns = {}) {
        DeleteTabOptions options;
        options.includeLines = std::move(lines);
        options.mode = mode;
        options.patterns = std::move(patterns);
        options.readOnlyFolders = true;
        log_.BeginRun(VisualLogMode::Simulate);
        messenger_.Clear();
        SimulateMainFolders({fs_, drives_.TextPort(), messenger_, log_}, options);
    }

    ScriptedMessenger messenger_;
    std::map<std::string, std::string> before_;
};

TEST_F(DeleteSimulationTest, ListsWhatEachModeWouldDelete) {
    const struct {
        DeleteTabMode mode;
        std::vector<std::string> patterns;
        Lines files;
        Lines folders;
    } cases[] = {
        {DeleteTabMode::SubfoldersOnly,
         {},
         {"d:\\PP\\f.txt", "d:\\PP\\ToOutside", "d:\\PP\\A\\g.txt", "d:\\PP\\A\\B\\h.doc"},
         {"d:\\PP\\A\\B", "d:\\PP\\A", "d:\\PP\\C"}},
        {DeleteTabMode::Complete,
         {},
         {"d:\\PP\\f.txt", "d:\\PP\\ToOutside", "d:\\PP\\A\\g.txt", "d:\\PP\\A\\B\\h.doc"},
         {"d:\\PP\\A\\B", "d:\\PP\\A", "d:\\PP\\C", "d:\\PP"}},
        {DeleteTabMode::FilesInTree,
         {"*.doc", "*.TXT"},
         {"d:\\PP\\A\\B\\h.doc", "d:\\PP\\f.txt", "d:\\PP\\A\\g.txt"},
         {}},
        // f.txt matches both patterns; the run deletes it once, so it is listed once.
        {DeleteTabMode::FilesInMainFolder, {"*.txt", "f*"}, {"d:\\PP\\f.txt"}, {}},
    };
    for (const auto& c : cases) {
        Simulate({"d:\\PP"}, c.mode, c.patterns);
        EXPECT_EQ(Of(Vol07Category::FilesDeleted), c.files) << static_cast<int>(c.mode);
        EXPECT_EQ(Of(Vol07Category::FoldersDeleted), c.folders) << static_cast<int>(c.mode);
        EXPECT_EQ(Count(Vol07Counter::FilesDeleted), static_cast<double>(c.files.size()));
        EXPECT_EQ(Count(Vol07Counter::FoldersDeleted), static_cast<double>(c.folders.size()));
        ASSERT_EQ(messenger_.Shown().size(), 1u);
        EXPECT_EQ(messenger_.Shown()[0].text, kEndText);
        EXPECT_EQ(messenger_.Shown()[0].title, kEndTitle);
        EXPECT_EQ(messenger_.Shown()[0].flags, 64);
    }
}

TEST_F(DeleteSimulationTest, RefusedMissingAndUnsafeLinesAreCountedAndNotWalked) {
    Simulate({"d:\\Missing", "d:\\PP\\1:x", "d:\\P", "d:\\LinkMain", "d:\\PP\\..\\Outside", "d:\\",
              "relative\\path"},
             DeleteTabMode::FilesInMainFolder);
    EXPECT_EQ(Of(Vol07Category::FoldersNotExists), Lines{"d:\\Missing"});
    // The folder-name rule refuses a single letter after the root, so d:\P is refused here.
    EXPECT_EQ(Of(Vol07Category::FoldersOtherReasons),
              (Lines{"d:\\", "d:\\LinkMain", "d:\\P", "d:\\PP\\..\\Outside", "d:\\PP\\1:x",
                     "relative\\path"}));
    EXPECT_EQ(Count(Vol07Counter::FoldersOtherReasons), 6);
    EXPECT_TRUE(Of(Vol07Category::FilesDeleted).empty());
    EXPECT_TRUE(Of(Vol07Category::FoldersDeleted).empty());
}

TEST_F(DeleteSimulationTest, EmptyIncludeListGivesTheWarningAndNoEndMessage) {
    RunDeleteSimulation({fs_, drives_.TextPort(), messenger_, log_}, DeleteTabOptions{}, {});
    ASSERT_EQ(messenger_.Shown().size(), 2u);
    EXPECT_EQ(messenger_.Shown()[0].flags, 64);  // the introduction
    EXPECT_EQ(messenger_.Shown()[1].text,
              "The Include list is empty !!!\nYou must enter at least one Folder to Delete "
              "folders.");
    EXPECT_EQ(messenger_.Shown()[1].title,
              "Simulate the Folder/File Delete Process.-From a Folder List.           Warning no: "
              "0518.");
    EXPECT_EQ(messenger_.Shown()[1].flags, 48);
}

}  // namespace
}  // namespace arbovane
