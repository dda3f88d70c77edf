#include <gtest/gtest.h>

#include <filesystem>

#include "core/ops/rename/FolderRename.h"
#include "core/ops/rename/RenameTestSupport.h"
#include "core/undo/RenameUndo.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using namespace arbovane::testing;
using Pairs = std::vector<_tagReplaceFoldersStruct>;

const char* const kReportHead = "The program is unable to rename the following folders  : \n";

class RenameUndoTest : public ::testing::Test {
protected:
    void Make(const Lines& folders) {
        for (const std::string& folder : folders) TempDrives::MakeHostFolder(host_ + "/" + folder);
    }
    void RenameWithSuffix(const Lines& lines) {
        log_.BeginRun(VisualLogMode::Normal);
        FolderRename(drives_.Fs(), log_, Affixes("", "", "", "_old")).Run(lines, journal_);
    }
    // One Undo answered Yes; checks its question, its report (none when empty) and its end.
    void Undo(const std::string& report, FileSystem* fs = nullptr) {
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
        result_ = RenameUndo(fs ? *fs : drives_.Fs(), messenger_, log_).Run(journal_);
        const std::size_t boxes = report.empty() ? 2 : 3;
        ASSERT_EQ(messenger_.Shown().size(), boxes);
        ExpectBox(messenger_, 0, "Do you want UNDO all Folders renamed last time ?",
                  "Rename Folder(s).-From a Folder List.            Information no: 0212.", 292);
        if (!report.empty())
            ExpectBox(messenger_, 1, report,
                      "Rename Folder(s).-From a Folder List.            Information no: 0213.", 48);
        ExpectBox(messenger_, boxes - 1, "End of Undo process !!!",
                  "Rename Folder(s).-From a Folder List.            Information no: 0214.", 64);
    }
    void ExpectNothingToUndo() {
        messenger_.Clear();
        RenameUndo(drives_.Fs(), messenger_, log_).Run(journal_);
        ASSERT_EQ(messenger_.Shown().size(), 1u);
        ExpectBox(messenger_, 0,
                  "No UNDO process !!!\nThere are no renamed Folders !!!\nYou must rename at "
                  "least on one Folder to UNDO it.",
                  "Rename Folder(s).-From a Folder List.            Warning no: 0211.", 48);
    }

    TempDrives drives_;
    std::string host_ = drives_.Map('D');
    VisualLog log_{VisualLogTab::Vol06};
    RenameJournal journal_;
    ScriptedMessenger messenger_;
    RenameUndoResult result_;
};

TEST_F(RenameUndoTest, NoKeepsJournalAndFolders) {
    ExpectNothingToUndo();
    Make({"Jobs/Smith"});
    RenameWithSuffix({"d:\\Jobs\\Smith"});
    const RenameJournal renamed = journal_;
    RenameUndo(drives_.Fs(), messenger_, log_).Run(journal_);
    EXPECT_EQ(journal_.RenamedPairs, renamed.RenamedPairs);
    EXPECT_EQ(Outcomes(log_), Lines{"renamed d:\\Jobs\\Smith_old"});
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Smith_old"}));
}

TEST_F(RenameUndoTest, ParentsAndChildrenAllGetTheirOldNamesBack) {
    Make({"AA/BB/CC", "AA/DD"});
    TempDrives::WriteHostFile(host_ + "/AA/BB/CC/keep.txt", "data");
    log_.Set(Vol06Counter::FoldersToRename, 5);
    RenameWithSuffix({"d:\\AA", "d:\\AA\\BB", "d:\\AA\\BB\\CC", "d:\\AA\\DD", "d:\\Gone"});
    ASSERT_EQ(HostTree(host_), (Lines{"AA_old", "AA_old/BB_old", "AA_old/BB_old/CC_old",
                                      "AA_old/BB_old/CC_old/keep.txt", "AA_old/DD_old"}));
    Undo("");
    EXPECT_EQ(HostTree(host_), (Lines{"AA", "AA/BB", "AA/BB/CC", "AA/BB/CC/keep.txt", "AA/DD"}));
    // The run's outcomes are gone, the lines to rename stay.
    EXPECT_EQ(Outcomes(log_), Lines{});
    EXPECT_EQ(log_.Counter(Vol06Counter::FoldersToRename), 5);
    ExpectNothingToUndo();
}

TEST_F(RenameUndoTest, ReportsFoldersFoundInAnotherStateAndDropsThem) {
    Make({"Jobs/Smith", "Jobs/Jones", "Jobs/Brown"});
    RenameWithSuffix({"d:\\Jobs\\Smith", "d:\\Jobs\\Jones", "d:\\Jobs\\Brown"});
    // Meanwhile the user made a new Smith and took Jones_old away.
    Make({"Jobs/Smith"});
    std::filesystem::remove(host_ + "/Jobs/Jones_old");
    Undo(std::string(kReportHead) + "\nSOURCE FOLDERS DO EXIST : \n\nd:\\Jobs\\Smith\n" +
         "\nDESTINATION FOLDERS DO NOT EXIST : \n\nd:\\Jobs\\Jones_old\n");
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Brown", "Jobs/Smith", "Jobs/Smith_old"}));
    EXPECT_EQ(Outcomes(log_), Lines{});
    EXPECT_EQ(result_.renamedBack, (Pairs{{"d:\\Jobs\\Brown", "d:\\Jobs\\Brown_old"}}));
    EXPECT_EQ(result_.oldNameTaken, (Pairs{{"d:\\Jobs\\Smith", "d:\\Jobs\\Smith_old"}}));
    EXPECT_EQ(result_.renamedMissing, (Pairs{{"d:\\Jobs\\Jones", "d:\\Jobs\\Jones_old"}}));
    EXPECT_TRUE(result_.failed.empty());
    ExpectNothingToUndo();
}

TEST_F(RenameUndoTest, FailedMoveIsReportedAndRetriedByTheNextUndo) {
    Make({"Jobs/Smith", "Jobs/Jones", "Jobs/Brown"});
    RenameWithSuffix({"d:\\Jobs\\Smith", "d:\\Jobs\\Jones", "d:\\Jobs\\Brown"});
    FaultyFileSystem faulty(drives_.Fs());
    faulty.FailOn(FaultyFileSystem::Op::MoveFolderNoReplace, "d:\\Jobs\\Smith_old");
    // The old name taken between the test and the move: the move refuses, nothing is merged.
    faulty.Before(FaultyFileSystem::Op::MoveFolderNoReplace, [this](const std::string& path) {
        if (path == "d:\\Jobs\\Brown_old")
            TempDrives::WriteHostFile(host_ + "/Jobs/Brown/n.txt", "");
    });
    // The last rename is taken back first: Smith, then Jones, then Brown.
    Undo(std::string(kReportHead) + "\nOTHER REASONS   : \n\nd:\\Jobs\\Smith\nd:\\Jobs\\Brown\n",
         &faulty);
    EXPECT_EQ(journal_.FailedUndoPairs, (Pairs{{"d:\\Jobs\\Brown", "d:\\Jobs\\Brown_old"},
                                               {"d:\\Jobs\\Smith", "d:\\Jobs\\Smith_old"}}));
    EXPECT_EQ(result_.failed, journal_.FailedUndoPairs);
    EXPECT_EQ(result_.renamedBack, (Pairs{{"d:\\Jobs\\Jones", "d:\\Jobs\\Jones_old"}}));
    EXPECT_TRUE(result_.LeftSomething());
    EXPECT_EQ(Outcomes(log_),
              (Lines{"failed undo d:\\Jobs\\Brown", "failed undo d:\\Jobs\\Smith"}));
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Brown", "Jobs/Brown/n.txt", "Jobs/Brown_old",
                                      "Jobs/Jones", "Jobs/Smith_old"}));

    std::filesystem::remove_all(host_ + "/Jobs/Brown");
    Undo("");
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Brown", "Jobs/Jones", "Jobs/Smith"}));
    EXPECT_TRUE(journal_.FailedUndoPairs.empty());
    EXPECT_EQ(Outcomes(log_), Lines{});
}

// The undo is the run backwards, so a rename into a name another rename of the same run had just
// freed comes back too.
TEST_F(RenameUndoTest, UndoTakesTheRenamesBackLastFirst) {
    const struct {
        const char* name;
        Lines folders;
        Lines lines;
        Lines renamed;
    } cases[] = {
        {"a name freed by the run",
         {"J/A/a", "J/A_old/o"},
         {"d:\\J\\A", "d:\\J\\A_old"},
         {"J", "J/A_old", "J/A_old/a", "J/A_old_old", "J/A_old_old/o"}},
        // Here A comes first, finds A_old taken and stays.
        {"the same in the other list order",
         {"J/A/a", "J/A_old/o"},
         {"d:\\J\\A_old", "d:\\J\\A"},
         {"J", "J/A", "J/A/a", "J/A_old_old", "J/A_old_old/o"}},
        {"a chain over three names and a child",
         {"K/B/C", "K/B_old/x", "K/B_old_old/y"},
         {"d:\\K\\B\\C", "d:\\K\\B", "d:\\K\\B_old", "d:\\K\\B_old_old"},
         {"K", "K/B_old", "K/B_old/C_old", "K/B_old_old", "K/B_old_old/x", "K/B_old_old_old",
          "K/B_old_old_old/y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(host_);
        Make(c.folders);
        const Lines before = HostTree(host_);
        RenameWithSuffix(c.lines);
        ASSERT_EQ(HostTree(host_), c.renamed);
        Undo("");
        EXPECT_EQ(HostTree(host_), before);
        EXPECT_TRUE(journal_.FailedUndoPairs.empty());
    }
}

TEST_F(RenameUndoTest, LetterCaseOnlyRenameIsTakenBack) {
    Make({"Jobs/Delta/d"});
    log_.BeginRun(VisualLogMode::Normal);
    FolderRename(drives_.Fs(), log_, NewName("DELTA")).Run({"d:\\Jobs\\Delta"}, journal_);
    ASSERT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/DELTA", "Jobs/DELTA/d"}));
    Undo("");
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Delta", "Jobs/Delta/d"}));
}

// A pair no rename can have made (a rename never moves a folder to another parent, nor names it
// by a path) is not taken back: its old path is reported and the pair dropped.
TEST_F(RenameUndoTest, PairsThatWouldMoveAFolderAreRefused) {
    Make({"in/A_x/keep", "out/elsewhere"});
    const auto before = HostTree(host_);
    journal_.RenamedPairs = {{"d:\\out\\elsewhere\\A", "d:\\in\\A_x"},
                             {"d:\\in\\sub\\A", "d:\\in\\A_x"},
                             {"d:\\in\\..\\A", "d:\\in\\A_x"}};
    Undo(std::string(kReportHead) +
         "\nOTHER REASONS   : \n\nd:\\in\\..\\A\nd:\\in\\sub\\A\nd:\\out\\elsewhere\\A\n");
    EXPECT_EQ(HostTree(host_), before);
    EXPECT_TRUE(journal_.FailedUndoPairs.empty());
}

}  // namespace
}  // namespace arbovane
