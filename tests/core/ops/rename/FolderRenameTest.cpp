#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "core/ops/rename/FolderRename.h"
#include "core/ops/rename/RenameTestSupport.h"
#include "core/undo/RenameUndo.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using namespace arbovane::testing;
using Pairs = std::vector<_tagReplaceFoldersStruct>;

class FolderRenameTest : public ::testing::Test {
protected:
    // Entries ending in ".txt" are files.
    void Make(const Lines& entries) {
        for (const std::string& entry : entries) {
            if (entry.ends_with(".txt"))
                TempDrives::WriteHostFile(host_ + "/" + entry, "x");
            else
                TempDrives::MakeHostFolder(host_ + "/" + entry);
        }
    }

    TempDrives drives_;
    std::string host_ = drives_.Map('D');
    VisualLog log_{VisualLogTab::Vol06};
    RenameJournal journal_;
};

struct RunCase {
    const char* name;
    Lines before;
    Lines lines;
    RenameFields fields;
    Lines outcomes;
    Lines after;
};

TEST_F(FolderRenameTest, RunGivesEveryLineOneOutcome) {
    const RunCase cases[] = {
        {"affixes",
         {"Jobs/Smith"},
         {"d:\\Jobs\\Smith"},
         Affixes("X", "_", "-", "2010"),
         {"renamed d:\\Jobs\\Smith > d:\\Jobs\\X_Smith-2010"},
         {"Jobs", "Jobs/X_Smith-2010"}},
        {"delimiter without prefix",
         {"Jobs/Smith"},
         {"d:\\Jobs\\Smith"},
         Affixes("", "_", "", ""),
         {"renamed d:\\Jobs\\Smith > d:\\Jobs\\_Smith"},
         {"Jobs", "Jobs/_Smith"}},
        {"all fields empty, lower line first",
         {"Jobs/Smith", "Jobs/Jones"},
         {"d:\\Jobs\\Smith", "d:\\Jobs\\Jones"},
         Affixes("", "", "", ""),
         {"exists d:\\Jobs\\Jones", "exists d:\\Jobs\\Smith"},
         {"Jobs", "Jobs/Jones", "Jobs/Smith"}},
        {"empty new name",
         {"Jobs/Smith"},
         {"d:\\Jobs\\Smith"},
         NewName(""),
         {"exists d:\\Jobs\\Smith"},
         {"Jobs", "Jobs/Smith"}},
        {"one new name for two folders",
         {"Jobs/Smith", "Jobs/Jones"},
         {"d:\\Jobs\\Smith", "d:\\Jobs\\Jones"},
         NewName("Archive"),
         {"renamed d:\\Jobs\\Jones > d:\\Jobs\\Archive", "exists d:\\Jobs\\Smith"},
         {"Jobs", "Jobs/Archive", "Jobs/Smith"}},
        // Windows renames a folder to another letter case of its own name.
        {"letter case only",
         {"Jobs/Smith"},
         {"d:\\Jobs\\Smith"},
         NewName("SMITH"),
         {"renamed d:\\Jobs\\Smith > d:\\Jobs\\SMITH"},
         {"Jobs", "Jobs/SMITH"}},
        {"child before parent",
         {"AA/BB"},
         {"d:\\AA", "d:\\AA\\BB"},
         Affixes("", "", "", "_old"),
         {"renamed d:\\AA\\BB > d:\\AA\\BB_old", "renamed d:\\AA > d:\\AA_old"},
         {"AA_old", "AA_old/BB_old"}},
        // Keyed with its backslash the parent would come first and strand its child.
        {"parent with trailing backslash after its child",
         {"AA/BB"},
         {"d:\\AA\\BB", "d:\\AA\\"},
         Affixes("", "", "", "_old"),
         {"renamed d:\\AA\\BB > d:\\AA\\BB_old", "renamed d:\\AA > d:\\AA_old"},
         {"AA_old", "AA_old/BB_old"}},
        {"line listed twice",
         {"Jobs/Smith"},
         {"d:\\Jobs\\Smith", " d:\\Jobs\\Smith\t"},
         NewName("Archive"),
         {"renamed d:\\Jobs\\Smith > d:\\Jobs\\Archive", "gone d:\\Jobs\\Smith"},
         {"Jobs", "Jobs/Archive"}},
        {"missing source and a file",
         {"Docs/report.txt"},
         {"d:\\Jobs\\Smith", "d:\\Docs\\report.txt"},
         Affixes("X", "", "", ""),
         {"gone d:\\Docs\\report.txt", "gone d:\\Jobs\\Smith"},
         {"Docs", "Docs/report.txt"}},
        {"dotted folder renamed in place",
         {"Projects/Smith.Jones"},
         {"d:\\Projects\\Smith.Jones"},
         Affixes("X", "_", "", ""),
         {"renamed d:\\Projects\\Smith.Jones > d:\\Projects\\X_Smith.Jones"},
         {"Projects", "Projects/X_Smith.Jones"}},
        {"no drive, roots and dot components",
         {"Jobs/Smith"},
         {"\\Jobs\\Smith", "d:\\", "d:\\Jobs\\Smith\\.."},
         NewName("Archive"),
         {"other d:\\Jobs\\Smith\\..", "other \\Jobs\\Smith", "other d:\\"},
         {"Jobs", "Jobs/Smith"}},
        {"new name leaving the parent",
         {"Jobs/Smith", "Other"},
         {"d:\\Jobs\\Smith"},
         NewName("..\\Other\\Smith"),
         {"other d:\\Jobs\\..\\Other\\Smith"},
         {"Jobs", "Jobs/Smith", "Other"}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDrives drives;
        host_ = drives.Map('D');
        Make(c.before);
        log_.BeginRun(VisualLogMode::Normal);
        journal_ = {};
        FolderRename(drives.Fs(), log_, c.fields).Run(c.lines, journal_);
        EXPECT_EQ(Outcomes(log_, &journal_), c.outcomes);
        EXPECT_EQ(HostTree(host_), c.after);
    }
}

TEST_F(FolderRenameTest, NewPathOf260CharactersIsRefused) {
    const std::string a(100, 'a'), b(100, 'b');
    Make({a + "/" + b + "/Smith", a + "/" + b + "/Jones"});
    const std::string parent = "d:\\" + a + "\\" + b + "\\";
    const auto suffix = [&](std::size_t length) {
        return Affixes("", "", "", std::string(length - parent.size() - 5, 's'));
    };
    FolderRename(drives_.Fs(), log_, suffix(259)).Run({parent + "Smith"}, journal_);
    FolderRename(drives_.Fs(), log_, suffix(260)).Run({parent + "Jones"}, journal_);
    const Lines outcomes = Outcomes(log_);
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].substr(0, 8), "renamed ");
    EXPECT_EQ(outcomes[0].size(), 8u + 259u);
    EXPECT_EQ(outcomes[1], "other " + parent + "Jones" + std::string(50, 's'));
}

TEST_F(FolderRenameTest, FailedOrRacedMoveIsOtherReasonsAndNothingIsReplaced) {
    Make({"Jobs/Smith/smith.txt", "Jobs/Jones"});
    FaultyFileSystem fs(drives_.Fs());
    fs.FailOn(FaultyFileSystem::Op::MoveFolderNoReplace, "d:\\Jobs\\Jones");
    // Someone makes the target between the existence test and the move.
    fs.Before(FaultyFileSystem::Op::MoveFolderNoReplace, [this](const std::string&) {
        TempDrives::WriteHostFile(host_ + "/Jobs/XSmith/other.txt", "theirs");
    });
    FolderRename(fs, log_, Affixes("X", "", "", ""))
        .Run({"d:\\Jobs\\Smith", "d:\\Jobs\\Jones"}, journal_);
    EXPECT_EQ(Outcomes(log_, &journal_),
              (Lines{"other d:\\Jobs\\XJones", "other d:\\Jobs\\XSmith"}));
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Jones", "Jobs/Smith", "Jobs/Smith/smith.txt",
                                      "Jobs/XSmith", "Jobs/XSmith/other.txt"}));
}

TEST_F(FolderRenameTest, SimulationPredictsWithoutTouchingDiskOrJournal) {
    const struct {
        const char* name;
        Lines before;
        Lines lines;
        RenameFields fields;
        Lines outcomes;
    } cases[] = {
        {"two lines getting one new path",
         {"AA/xx", "AA/yy"},
         {"d:\\AA\\xx", "d:\\AA\\yy"},
         NewName("Archive"),
         {"renamed d:\\AA\\Archive", "exists d:\\AA\\yy"}},
        {"existing target listed as the target",
         {"Jobs/Smith", "Jobs/Archive"},
         {"d:\\Jobs\\Smith"},
         NewName("Archive"),
         {"exists d:\\Jobs\\Archive"}},
        {"parent and child in list order",
         {"AA/BB"},
         {"d:\\AA", "d:\\AA\\BB"},
         Affixes("", "", "", "_old"),
         {"renamed d:\\AA_old", "renamed d:\\AA\\BB_old"}},
        {"letter case only",
         {"Jobs/Smith"},
         {"d:\\Jobs\\Smith"},
         NewName("SMITH"),
         {"renamed d:\\Jobs\\SMITH"}},
        {"letter case of another folder",
         {"Jobs/Smith", "Jobs/smith"},
         {"d:\\Jobs\\Smith"},
         NewName("smith"),
         {"exists d:\\Jobs\\smith"}},
        {"screening",
         {"A", "Jobs/Smith"},
         {"d:\\A", "\\Jobs\\Smith", "d:\\Jobs\\Gone"},
         Affixes("X", "", "", ""),
         {"gone d:\\Jobs\\Gone", "other d:\\A", "other \\Jobs\\Smith"}},
    };
    const Pairs earlier{{"d:\\Old", "d:\\New"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDrives drives;
        host_ = drives.Map('D');
        Make(c.before);
        const Lines before = HostTree(host_);
        FaultyFileSystem fs(drives.Fs());
        fs.ForbidMutations();
        journal_ = {earlier, earlier};
        log_.BeginRun(VisualLogMode::Simulate);
        FolderRename(fs, log_, c.fields).Simulate(c.lines);
        EXPECT_EQ(Outcomes(log_), c.outcomes);
        EXPECT_EQ(HostTree(host_), before);
        EXPECT_EQ(journal_.RenamedPairs, earlier);
        EXPECT_EQ(journal_.FailedUndoPairs, earlier);
    }
}

// Windows counts the 260 characters of a path in UTF-16 code units, not in UTF-8 bytes.
TEST_F(FolderRenameTest, LengthLimitCountsCharacters) {
    const std::string a(100, 'a'), e = "\xC3\xA9", clef = "\xF0\x9D\x84\x9E";
    std::string accented;
    for (int i = 0; i < 100; ++i) accented += e;
    Make({a + "/" + accented + "/Smith", a + "/" + accented + "/Jones"});
    // d:\ + 100 + \ + 100 accented + \ is 205 characters and 305 bytes.
    const std::string parent = "d:\\" + a + "\\" + accented + "\\";
    const std::size_t parentCharacters = 205;
    const auto tail = [&](std::size_t characters, std::size_t more) {
        return std::string(characters - parentCharacters - 5 - more, 's');
    };
    FolderRename(drives_.Fs(), log_, Affixes("", "", "", tail(259, 0)))
        .Run({parent + "Smith"}, journal_);
    // A character outside the basic plane counts two: this path has 260.
    FolderRename(drives_.Fs(), log_, Affixes("", "", "", tail(260, 2) + clef))
        .Run({parent + "Jones"}, journal_);
    EXPECT_EQ(Outcomes(log_), (Lines{"renamed " + parent + "Smith" + tail(259, 0),
                                     "other " + parent + "Jones" + tail(260, 2) + clef}));
}

// A new name taken by something that is no folder makes the move fail; the simulation knows it
// as the run does.
TEST_F(FolderRenameTest, SimulationAndRunAgreeOnTargetsTakenByFilesAndLinks) {
    const struct {
        const char* name;
        std::function<void(const std::string&)> take;  // puts something at the host path
        const char* outcome;
    } cases[] = {
        {"file", [](const std::string& at) { TempDrives::WriteHostFile(at, "x"); },
         "other d:\\Jobs\\Smith_old"},
        {"link to a file",
         [this](const std::string& at) {
             TempDrives::WriteHostFile(host_ + "/target.txt", "t");
             std::filesystem::create_symlink(host_ + "/target.txt", at);
         },
         "other d:\\Jobs\\Smith_old"},
        {"dangling link",
         [this](const std::string& at) { std::filesystem::create_symlink(host_ + "/nowhere", at); },
         "other d:\\Jobs\\Smith_old"},
        {"link to a folder",
         [this](const std::string& at) {
             TempDrives::MakeHostFolder(host_ + "/Elsewhere");
             std::filesystem::create_symlink(host_ + "/Elsewhere", at);
         },
         "exists d:\\Jobs\\Smith"},
        {"folder", [](const std::string& at) { TempDrives::MakeHostFolder(at); },
         "exists d:\\Jobs\\Smith"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(host_);
        Make({"Jobs/Smith"});
        c.take(host_ + "/Jobs/Smith_old");
        log_.BeginRun(VisualLogMode::Simulate);
        FolderRename(drives_.Fs(), log_, Affixes("", "", "", "_old")).Simulate({"d:\\Jobs\\Smith"});
        Lines simulated = Outcomes(log_);
        // The simulation names the target that is in the way, the run the source.
        if (simulated == Lines{"exists d:\\Jobs\\Smith_old"})
            simulated = {"exists d:\\Jobs\\Smith"};
        log_.BeginRun(VisualLogMode::Normal);
        FolderRename(drives_.Fs(), log_, Affixes("", "", "", "_old"))
            .Run({"d:\\Jobs\\Smith"}, journal_);
        EXPECT_EQ(Outcomes(log_), Lines{c.outcome}) << "run";
        EXPECT_EQ(simulated, Lines{c.outcome}) << "simulation";
        EXPECT_TRUE(std::filesystem::is_directory(host_ + "/Jobs/Smith"));
    }
}

// The two buttons around the engine: question, journal, tab lock and end message.
class RenameTabRunTest : public FolderRenameTest {
protected:
    RenameTabRun TabRun(FileSystem& fs) {
        const auto note = [this](const char* what) {
            return [this, what] {
                events_.push_back(what + std::to_string(messenger_.Shown().size()));
            };
        };
        return RenameTabRun(fs, messenger_, log_, note("lock@"), note("unlock@"));
    }

    ScriptedMessenger messenger_;
    Lines events_;
    const Pairs earlier_{{"d:\\Old", "d:\\New"}};
};

TEST_F(RenameTabRunTest, NoToTheQuestionChangesNothing) {
    Make({"Jobs/Smith"});
    journal_.RenamedPairs = earlier_;
    log_.Add(Vol06Counter::FoldersOtherReasons, 1);
    log_.AddEntry(Vol06Category::FoldersOtherReasons, "kept");
    TabRun(drives_.Fs()).Rename({"d:\\Jobs\\Smith"}, NewName("Archive"), true, journal_);
    TabRun(drives_.Fs()).Simulate({"d:\\Jobs\\Smith"}, NewName("Archive"), true);
    ASSERT_EQ(messenger_.Shown().size(), 2u);
    ExpectBox(messenger_, 0, "Do you want to RENAME folders ?\n",
              "Rename Folders. - From a Folder List.            Information no: 0207.", 292);
    ExpectBox(messenger_, 1,
              "Simulation shows you the complete Rename Folder process \nwithout actually Rename "
              "them on the hard drive.\n\n",
              "Simulate Rename Folder  Process.-From a Folder List.            Information no: "
              "0513.",
              292);
    EXPECT_EQ(journal_.RenamedPairs, earlier_);
    EXPECT_EQ(Outcomes(log_), Lines{"other kept"});
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(HostTree(host_), (Lines{"Jobs", "Jobs/Smith"}));
}

TEST_F(RenameTabRunTest, EmptyListWarnsOnlyAfterTheJournalWasEmptied) {
    journal_ = {earlier_, earlier_};
    messenger_.Answer(kAnswerYes);
    TabRun(drives_.Fs()).Rename({}, NewName("Archive"), false, journal_);
    messenger_.Answer(kAnswerYes);
    TabRun(drives_.Fs()).Simulate({}, NewName("Archive"), false);
    // So Undo has nothing left of the run before.
    RenameUndo(drives_.Fs(), messenger_, log_).Run(journal_);
    ASSERT_EQ(messenger_.Shown().size(), 5u);
    ExpectBox(messenger_, 1,
              "The Include list is empty !!!\nYou must enter at least one Folder to Rename "
              "folders.",
              "Rename Folder(s).-From a Folder List.           Warning no: 0209.", 48);
    ExpectBox(messenger_, 3,
              "The Include list is empty !!!\nYou must enter at least one Folder to Rename "
              "folders.",
              "Rename Folder(s).-From a Folder List.           Warning no: 0515.", 48);
    ExpectBox(messenger_, 4,
              "No UNDO process !!!\nThere are no renamed Folders !!!\nYou must rename at least on "
              "one Folder to UNDO it.",
              "Rename Folder(s).-From a Folder List.            Warning no: 0211.", 48);
    EXPECT_EQ(events_, (Lines{"lock@1", "unlock@2", "lock@3", "unlock@4"}));
}

TEST_F(RenameTabRunTest, RunAndSimulationEndWithTheirMessagesBeforeTheUnlock) {
    Make({"Jobs/Smith"});
    messenger_.Answer(kAnswerYes);
    TabRun(drives_.Fs()).Rename({"d:\\Jobs\\Smith"}, NewName("Archive"), false, journal_);
    EXPECT_EQ(log_.Mode(), VisualLogMode::Normal);
    messenger_.Answer(kAnswerYes);
    TabRun(drives_.Fs()).Simulate({"d:\\Jobs\\Archive"}, NewName("Smith"), false);
    EXPECT_EQ(log_.Mode(), VisualLogMode::Simulate);
    EXPECT_EQ(Outcomes(log_), Lines{"renamed d:\\Jobs\\Smith"});
    // The simulation left the real run's journal alone.
    EXPECT_EQ(journal_.RenamedPairs, (Pairs{{"d:\\Jobs\\Smith", "d:\\Jobs\\Archive"}}));
    ExpectBox(messenger_, 1, "End of the Rename process !!!",
              "Rename Folder(s).-From a Folder List.            Information no: 0208.", 64);
    ExpectBox(messenger_, 3,
              "End of Simulation !!!\n\nNo actual Folders were Renamed because of "
              "Simulation.\n\nThe purpose of the Simulation is to show the Complete Folder "
              "Renaming process\n without actually Renaming them on the hard drive.\n\nIf You "
              "want to Rename Folders, Use the Rename Folders button.",
              "Rename Folder(s).-From a Folder List.            Information no: 0514.", 64);
    EXPECT_EQ(events_, (Lines{"lock@1", "unlock@2", "lock@3", "unlock@4"}));
}

TEST_F(RenameTabRunTest, TabsAreUnlockedWhenTheRunThrows) {
    Make({"Jobs/Smith"});
    FaultyFileSystem fs(drives_.Fs());
    fs.Before(FaultyFileSystem::Op::MoveFolderNoReplace,
              [](const std::string&) { throw std::runtime_error("disk gone"); });
    messenger_.Answer(kAnswerYes);
    EXPECT_THROW(TabRun(fs).Rename({"d:\\Jobs\\Smith"}, NewName("Archive"), false, journal_),
                 std::runtime_error);
    EXPECT_EQ(events_, (Lines{"lock@1", "unlock@1"}));
}

}  // namespace
}  // namespace arbovane
