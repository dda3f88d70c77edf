#include "core/ops/delete/DeleteRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "DeleteFixture.h"
#include "core/ops/delete/MainFolderCheck.h"
#include "support/HostOnly.h"
#include "support/ScriptedMessenger.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::DeleteFixture;
using testing::Lines;
using testing::ScriptedMessenger;
using testing::ShownMessage;

const char* const kEndText = "End of the Delete process !!!";
const char* const kEndTitle =
    "Delete Folder(s).-From a Folder List.            Information no: 0239.";
const char* const kDriveText =
    "You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire drive.";
const char* const kDriveTitle =
    "Delete Folder(s).-From a Folder List.            Warning no: 0334.";

void ExpectBox(const ShownMessage& shown, const std::string& text, const std::string& title,
               int flags) {
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.flags, flags);
}

class DeleteRunTest : public DeleteFixture {
protected:
    DeleteRunPorts Ports() { return {fs_, drives_.TextPort(), messenger_, log_}; }
    DeleteTabOptions Options(Lines lines, DeleteTabMode mode = DeleteTabMode::SubfoldersOnly) {
        DeleteTabOptions options;
        options.includeLines = std::move(lines);
        options.mode = mode;
        return options;
    }
    DeleteTabLock RecordingLock() {
        return {[this] { events_.push_back("lock"); }, [this] { events_.push_back("unlock"); }};
    }

    ScriptedMessenger messenger_;
    std::vector<std::string> events_;
};

TEST_F(DeleteRunTest, WorkListMergesNestedLinesOnlyInTheTreeModes) {
    Folder("Data/A/Old");
    Folder("A");
    Folder("AB");
    const struct {
        Lines lines;
        DeleteTabMode mode;
        Lines expected;
    } cases[] = {
        {{"d:\\Data\\A\\Old", "d:\\Data\\A"}, DeleteTabMode::SubfoldersOnly, {"d:\\Data\\A"}},
        {{"d:\\Data\\A\\Old", "d:\\Data\\A"}, DeleteTabMode::Complete, {"d:\\Data\\A"}},
        {{"d:\\Data\\A\\Old", "d:\\Data\\A"}, DeleteTabMode::FilesInTree, {"d:\\Data\\A"}},
        {{"d:\\Data\\A\\Old", "d:\\Data\\A"},
         DeleteTabMode::FilesInMainFolder,
         {"d:\\Data\\A", "d:\\Data\\A\\Old"}},
        // Another letter case names another folder on this volume (here none): both lines stay.
        {{"d:\\data", "D:\\Data"}, DeleteTabMode::SubfoldersOnly, {"D:\\Data", "d:\\data"}},
        {{"d:\\Data", "D:\\Data"}, DeleteTabMode::SubfoldersOnly, {"D:\\Data"}},
        // Two spellings of one folder: its files are deleted once.
        {{"d:\\Data", "D:\\Data"}, DeleteTabMode::FilesInMainFolder, {"D:\\Data"}},
        {{"d:/Data/A/", "d:\\Data\\A"}, DeleteTabMode::FilesInMainFolder, {"d:/Data/A/"}},
        {{"d:\\A", "d:\\AB", "   ", "d:\\A"}, DeleteTabMode::Complete, {"d:\\A", "d:\\AB"}},
        {{" d:\\A", "d:\\A\\B"}, DeleteTabMode::Complete, {" d:\\A", "d:\\A\\B"}},
        // A root line is refused later; it must not swallow the folders of its drive.
        {{"d:\\Data\\A", "d:", "d:\\Data", "d:\\"},
         DeleteTabMode::SubfoldersOnly,
         {"d:", "d:\\", "d:\\Data"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeleteWorkList(fs_, drives_.TextPort(), c.lines, c.mode), c.expected)
            << c.lines.front() << " mode " << static_cast<int>(c.mode);
}

TEST_F(DeleteRunTest, MainFolderCheckRefusesRootsAndPathsThatCouldLeaveTheTree) {
    Folder("Data/Sub");
    Folder("Data/.hidden");
    Folder("Other");
    Link("Linked", Host("Other"));
    const struct {
        const char* line;
        MainFolderVerdict verdict;
    } cases[] = {
        {"d:", MainFolderVerdict::DriveOnly},
        {"d:\\", MainFolderVerdict::DriveOnly},
        {" d:\\ ", MainFolderVerdict::DriveOnly},
        {"d:\\\\\\", MainFolderVerdict::DriveOnly},
        {"d:/", MainFolderVerdict::DriveOnly},
        {"d:\\ \\", MainFolderVerdict::DriveOnly},
        {"\\\\server\\share", MainFolderVerdict::DriveOnly},
        {"\\\\server\\share\\", MainFolderVerdict::DriveOnly},
        {"//server/share/", MainFolderVerdict::DriveOnly},
        {"\\\\\\\\server\\share", MainFolderVerdict::DriveOnly},
        {"abc", MainFolderVerdict::DriveOnly},
        {" d:\\Data", MainFolderVerdict::OtherReasons},
        {"Data\\Sub", MainFolderVerdict::OtherReasons},
        {"\\Data\\Sub", MainFolderVerdict::OtherReasons},
        {"d:\\Data\\..", MainFolderVerdict::OtherReasons},
        {"d:\\Data\\..\\Other", MainFolderVerdict::OtherReasons},
        {"d:\\.\\Data", MainFolderVerdict::OtherReasons},
        {"d:\\Data\\.", MainFolderVerdict::OtherReasons},
        {"d:\\Data\\ .. ", MainFolderVerdict::OtherReasons},
        {"d:/Data/../Other", MainFolderVerdict::OtherReasons},
        {"d:Data", MainFolderVerdict::OtherReasons},
        {"d:\\Linked", MainFolderVerdict::OtherReasons},
        {"d:\\Linked\\", MainFolderVerdict::OtherReasons},
        {"d:\\Missing", MainFolderVerdict::NotExists},
        {"\\\\server\\share\\Data", MainFolderVerdict::NotExists},
        {"d:\\Data", MainFolderVerdict::Ready},
        {"d:\\Data\\", MainFolderVerdict::Ready},
        {"d:\\data", MainFolderVerdict::NotExists},
        {"d:/Data/Sub", MainFolderVerdict::Ready},
        {"d:\\Data\\.hidden", MainFolderVerdict::Ready},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckMainFolder(fs_, c.line), c.verdict) << '"' << c.line << '"';
}

TEST_F(DeleteRunTest, EveryMainFolderGetsItsOutcomeAndRootsOnlyTheWarning) {
    File("Data/x.txt");
    File("Keep/y.txt", "keep");
    const auto before = testing::TreeSnapshot(Host("Keep"));
    DeleteMainFolders(Ports(), Options({"d:\\", "d:", " d:\\Keep", "d:\\Missing", "d:\\Data",
                                        "d:\\Start\\..\\Keep", "\\\\server\\share\\"},
                                       DeleteTabMode::Complete));
    ASSERT_EQ(messenger_.Shown().size(), 4u);
    for (int i = 0; i < 3; ++i) ExpectBox(messenger_.Shown()[i], kDriveText, kDriveTitle, 48);
    ExpectBox(messenger_.Shown()[3], kEndText, kEndTitle, 64);
    EXPECT_EQ(Of(Vol07Category::FoldersOtherReasons), (Lines{" d:\\Keep", "d:\\Start\\..\\Keep"}));
    EXPECT_EQ(Count(Vol07Counter::FoldersOtherReasons), 2);
    EXPECT_EQ(Of(Vol07Category::FoldersNotExists), Lines{"d:\\Missing"});
    EXPECT_EQ(Of(Vol07Category::FoldersDeleted), Lines{"d:\\Data"});
    EXPECT_EQ(Of(Vol07Category::FilesDeleted), Lines{"d:\\Data\\x.txt"});
    EXPECT_EQ(testing::TreeSnapshot(Host("Keep")), before);
}

// Throws from the end message, as a failing window could.
class ThrowingMessenger : public ScriptedMessenger {
public:
    int Show(const std::string& text, const std::string& title, int flags,
             MessageOwner owner) override {
        if (text == kEndText) throw std::runtime_error("box failed");
        return ScriptedMessenger::Show(text, title, flags, owner);
    }
};

TEST_F(DeleteRunTest, TabsAreUnlockedWhenTheRunThrows) {
    Folder("Data");
    ThrowingMessenger messenger;
    messenger.Answer(kAnswerYes);
    messenger.Answer(kAnswerYes);
    const DeleteRunPorts ports{fs_, drives_.TextPort(), messenger, log_};
    EXPECT_THROW(RunDeleteFolders(ports, Options({"d:\\Data"}), RecordingLock()),
                 std::runtime_error);
    EXPECT_EQ(events_, (Lines{"lock", "unlock"}));
}

TEST_F(DeleteRunTest, EmptyIncludeListGivesOnlyItsWarning) {
    DeleteMainFolders(Ports(), Options({}));
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    ExpectBox(messenger_.Shown()[0],
              "The Include Folder list is empty !!!\nYou must enter at least one Folder to Delete "
              "folders.",
              "Delete Folder(s).-From a Folder List.           Warning no: 0240.", 48);
}

TEST_F(DeleteRunTest, ToDoCountersMeasureOnlyFoldersTheRunWouldTake) {
    File("P/f.txt");
    File("P/A/x.doc");
    File("P/A/B/y.txt");
    const struct {
        DeleteTabMode mode;
        std::vector<std::string> patterns;
        double folders;
        double files;
    } cases[] = {
        {DeleteTabMode::SubfoldersOnly, {}, 2, 3},
        {DeleteTabMode::Complete, {}, 3, 3},
        {DeleteTabMode::FilesInTree, {"*.doc"}, 0, 1},
        {DeleteTabMode::FilesInTree, {}, 0, 3},
        // x.doc matches both patterns and is deleted once.
        {DeleteTabMode::FilesInTree, {"*.doc", "x*"}, 0, 1},
        {DeleteTabMode::FilesInMainFolder, {}, 0, 2},
        {DeleteTabMode::FilesInMainFolder, {"*.doc"}, 0, 1},
    };
    for (const auto& c : cases) {
        log_.Set(Vol07Counter::FoldersToDelete, 99);
        // d:\P\A is measured on its own only where nested lines are not merged.
        RefreshDeleteToDo(fs_, drives_.TextPort(), log_,
                          {"d:\\P", "d:\\Missing", "d:\\", "d:\\P\\A"}, c.mode, c.patterns);
        EXPECT_EQ(Count(Vol07Counter::FoldersToDelete), c.folders) << static_cast<int>(c.mode);
        EXPECT_EQ(Count(Vol07Counter::FilesToDelete), c.files) << static_cast<int>(c.mode);
    }
}

// A folder without write permission keeps its file; as root the run goes in a child that is the
// unprivileged user 65534, since permission bits do not stop root.
TEST_F(DeleteRunTest, FileInAFolderWithoutWritePermissionIsOtherReasonsAndTheRunGoesOn) {
    File("P/Locked/x.dat", "keep");
    File("P/Open/y.dat");
    File("P/z.dat");
    if (testing::RunsAsRoot()) {
        ASSERT_TRUE(testing::SetHostMode((host_ + "/.."), 0755));
    }
    for (const char* folder : {"", "/Start", "/P", "/P/Open"})
        ASSERT_TRUE(testing::SetHostMode((host_ + folder), 0777));
    ASSERT_TRUE(testing::SetHostMode(Host("P/Locked"), 0555));

    const auto run = [&] {
        DeleteMainFolders(Ports(), Options({"d:\\P"}, DeleteTabMode::Complete));
        return Of(Vol07Category::FilesOtherReasons) == Lines{"d:\\P\\Locked\\x.dat"} &&
               Of(Vol07Category::FoldersOtherReasons) == (Lines{"d:\\P\\Locked", "d:\\P"}) &&
               Of(Vol07Category::FilesDeleted) == (Lines{"d:\\P\\z.dat", "d:\\P\\Open\\y.dat"}) &&
               Of(Vol07Category::FoldersDeleted) == Lines{"d:\\P\\Open"};
    };
    EXPECT_TRUE(testing::AsUnprivilegedUser(run));
    EXPECT_EQ(testing::TempDrives::ReadHostFile(Host("P/Locked/x.dat")), "keep");
    EXPECT_FALSE(Exists("P/Open"));
    EXPECT_FALSE(Exists("P/z.dat"));
}

}  // namespace
}  // namespace arbovane
