#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DeleteFixture.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/ops/delete/SmartDelete.h"
#include "support/HostOnly.h"
#include "support/ScriptedMessenger.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::DeleteFixture;
using testing::FaultyFileSystem;
using testing::Lines;
using testing::ScriptedMessenger;
using Op = FaultyFileSystem::Op;

// The six outcome lists of a run or simulation, each line tagged with its category.
Lines Outcomes(const VisualLog& log) {
    const char* const tags[] = {"folder deleted ", "folder missing ", "folder other ",
                                "file deleted ",   "file missing ",   "file other "};
    Lines all;
    for (std::size_t i = 0; i < 6; ++i)
        for (const std::string& line : log.LinesAt(i)) all.push_back(tags[i] + line);
    return all;
}

class DeleteOutcomeTest : public DeleteFixture {
protected:
    DeleteTabOptions Options(Lines lines, DeleteTabMode mode, Lines patterns = {}) {
        DeleteTabOptions options;
        options.includeLines = std::move(lines);
        options.mode = mode;
        options.patterns = std::move(patterns);
        return options;
    }
    Lines Run(FileSystem& fs, const DeleteTabOptions& options) {
        log_.BeginRun(VisualLogMode::Normal);
        DeleteMainFolders({fs, drives_.TextPort(), messenger_, log_}, options);
        return Outcomes(log_);
    }
    Lines Simulate(FileSystem& fs, const DeleteTabOptions& options) {
        log_.BeginRun(VisualLogMode::Simulate);
        SimulateMainFolders({fs, drives_.TextPort(), messenger_, log_}, options);
        return Outcomes(log_);
    }
    // The to-delete counters against the outcomes a run gives.
    std::pair<double, double> ToDo(FileSystem& fs, const DeleteTabOptions& options) {
        RefreshDeleteToDo(fs, drives_.TextPort(), log_, options.includeLines, options.mode,
                          options.patterns);
        return {Count(Vol07Counter::FoldersToDelete), Count(Vol07Counter::FilesToDelete)};
    }
    std::pair<double, double> OutcomeTotals() const {
        return {Count(Vol07Counter::FoldersDeleted) + Count(Vol07Counter::FoldersNotExists) +
                    Count(Vol07Counter::FoldersOtherReasons),
                Count(Vol07Counter::FilesDeleted) + Count(Vol07Counter::FilesNotExists) +
                    Count(Vol07Counter::FilesOtherReasons)};
    }

    ScriptedMessenger messenger_;
};

// Nested lines are merged only into a walked folder whose tree they resolve into; every other
// line keeps an outcome of its own, and no folder gets two.
TEST_F(DeleteOutcomeTest, EveryLineEndsWithOneOutcome) {
    const struct {
        const char* name;
        Lines tree;  // folders, and files ending in ".txt"
        Lines lines;
        Lines outcomes;
    } cases[] = {
        {"letter case keeps two folders apart",
         {"A/B/f.txt", "a/B/g.txt"},
         {"d:\\A", "d:\\a\\B"},
         {"folder deleted d:\\A\\B", "folder deleted d:\\A", "folder deleted d:\\a\\B",
          "file deleted d:\\A\\B\\f.txt", "file deleted d:\\a\\B\\g.txt"}},
        // Another letter case names another folder on this volume: here none.
        {"letter case of one folder",
         {"Data/Sub/f.txt"},
         {"d:\\Data", "d:\\data\\Sub"},
         {"folder deleted d:\\Data\\Sub", "folder deleted d:\\Data", "folder missing d:\\data\\Sub",
          "file deleted d:\\Data\\Sub\\f.txt"}},
        {"trailing backslash",
         {"T1/s0/f.txt"},
         {"d:\\T1\\", "d:\\T1\\s0"},
         {"folder deleted d:\\T1\\s0", "folder deleted d:\\T1\\",
          "file deleted d:\\T1\\s0\\f.txt"}},
        {"forward slashes",
         {"T1/s0/f.txt"},
         {"d:/T1", "d:\\T1\\s0"},
         {"folder deleted d:/T1\\s0", "folder deleted d:/T1", "file deleted d:/T1\\s0\\f.txt"}},
        {"two spellings of one folder",
         {"T1/f.txt"},
         {"d:\\T1", "d:/T1/", "d:\\\\T1"},
         {"folder deleted d:/T1/", "file deleted d:/T1/f.txt"}},
        {"below a missing folder",
         {},
         {"d:\\Gone", "d:\\Gone\\Sub"},
         {"folder missing d:\\Gone", "folder missing d:\\Gone\\Sub"}},
        {"below a link",
         {"Outside/In/keep.txt"},
         {"d:\\Linked", "d:\\Linked\\In"},
         {"folder other d:\\Linked", "folder other d:\\Linked\\In"}},
        {"below a line without a drive",
         {"A/f.txt"},
         {" d:\\A", "d:\\A"},
         {"folder deleted d:\\A", "folder other  d:\\A", "file deleted d:\\A\\f.txt"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* top : {"A", "a", "Data", "T1", "Outside", "Linked"})
            std::filesystem::remove_all(Host(top));
        for (const std::string& entry : c.tree)
            entry.ends_with(".txt") ? File(entry) : Folder(entry);
        Link("Linked", Host("Outside"));
        const auto outside = testing::TreeSnapshot(Host("Outside"));
        EXPECT_EQ(Run(fs_, Options(c.lines, DeleteTabMode::Complete)), c.outcomes);
        EXPECT_EQ(testing::TreeSnapshot(Host("Outside")), outside);
    }
}

TEST_F(DeleteOutcomeTest, EverySpellingOfADriveOrShareRootIsRefused) {
    Folder("Data");
    const Lines roots = {"\\\\?\\UNC\\server\\share",
                         "\\\\?\\UNC\\server\\share\\",
                         "\\\\?\\unc\\server\\share\\\\",
                         "//?/UNC/server/share",
                         "\\\\?\\d:\\",
                         "\\\\?\\d:",
                         "\\\\.\\d:\\",
                         "\\\\?\\D:/",
                         "\\\\.\\UNC\\server\\share"};
    for (const std::string& root : roots) {
        messenger_.Clear();
        EXPECT_EQ(Run(fs_, Options({root}, DeleteTabMode::Complete)), Lines{}) << root;
        ASSERT_EQ(messenger_.Shown().size(), 2u) << root;
        EXPECT_EQ(messenger_.Shown()[0].text,
                  "You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire "
                  "drive.");
        EXPECT_EQ(messenger_.Shown()[0].title,
                  "Delete Folder(s).-From a Folder List.            Warning no: 0334.");
    }
    EXPECT_TRUE(Exists("Data"));
}

// The simulation and the to-delete counters decide every entry as the run does.
TEST_F(DeleteOutcomeTest, SimulationCountersAndRunAgree) {
    const struct {
        const char* name;
        DeleteTabMode mode;
        Lines patterns;
        std::function<void()> make;
        Lines outcomes;
    } cases[] = {
        {"link to a folder is an entry",
         DeleteTabMode::SubfoldersOnly,
         {},
         [this] {
             Folder("Outside/Deep");
             File("PP/A/a.txt");
             Link("PP/ToFolder", Host("Outside"));
         },
         {"folder deleted d:\\PP\\A", "file deleted d:\\PP\\ToFolder",
          "file deleted d:\\PP\\A\\a.txt"}},
        {"an odd name keeps its folders",
         DeleteTabMode::Complete,
         {},
         [this] {
             File("PP/A/odd.");
             File("PP/A/a.txt");
         },
         {"folder other d:\\PP\\A", "folder other d:\\PP", "file deleted d:\\PP\\A\\a.txt",
          "file other d:\\PP\\A\\odd."}},
        {"an odd name is reported once for several patterns",
         DeleteTabMode::FilesInTree,
         {"*", "o*", "*.txt"},
         [this] {
             File("PP/odd.");
             File("PP/Dir./in.txt");
             File("PP/A/a.txt");
         },
         {"folder other d:\\PP\\Dir.", "file deleted d:\\PP\\A\\a.txt", "file other d:\\PP\\odd."}},
        {"a file matching several patterns",
         DeleteTabMode::FilesInMainFolder,
         {"*.txt", "f*", "*.*"},
         [this] { File("PP/f.txt"); },
         {"file deleted d:\\PP\\f.txt"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Host("PP"));
        std::filesystem::remove_all(Host("Outside"));
        c.make();
        const DeleteTabOptions options = Options({"d:\\PP"}, c.mode, c.patterns);
        const auto toDo = ToDo(fs_, options);
        const auto before = testing::TreeSnapshot(host_);
        EXPECT_EQ(Simulate(fs_, options), c.outcomes) << "simulation";
        EXPECT_EQ(testing::TreeSnapshot(host_), before);
        EXPECT_EQ(Run(fs_, options), c.outcomes) << "run";
        EXPECT_EQ(OutcomeTotals(), toDo) << "to-delete counters";
    }
}

TEST_F(DeleteOutcomeTest, FolderThatCannotBeListedIsReportedOncePerRun) {
    File("P/E/x.txt", "keep");
    File("P/y.txt");
    FaultyFileSystem faulty(drives_.Fs());
    for (const char* pattern : {"*.txt", "*.doc", "*.*"}) {
        faulty.FailOn(Op::Enumerate, std::string("d:\\P\\E\\") + pattern);
        faulty.FailOn(Op::Enumerate, std::string("d:\\Q\\") + pattern);
    }
    Folder("Q");
    const struct {
        DeleteTabMode mode;
        const char* line;
        Lines outcomes;
    } cases[] = {
        {DeleteTabMode::FilesInTree,
         "d:\\P",
         {"folder other d:\\P\\E", "file deleted d:\\P\\y.txt"}},
        {DeleteTabMode::FilesInMainFolder, "d:\\Q", {"folder other d:\\Q"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(faulty, Options({c.line}, c.mode, {"*.txt", "*.doc"})), c.outcomes) << c.line;
    }
    EXPECT_EQ(testing::TempDrives::ReadHostFile(Host("P/E/x.txt")), "keep");
}

TEST_F(DeleteOutcomeTest, FolderTheUserMayNotEnterIsOtherReasonsInTheSimulationToo) {
    File("PP/Closed/x.txt", "keep");
    File("PP/y.txt");
    if (testing::RunsAsRoot()) {
        ASSERT_TRUE(testing::SetHostMode((host_ + "/.."), 0755));
    }
    for (const char* folder : {"", "/Start", "/PP"})
        ASSERT_TRUE(testing::SetHostMode((host_ + folder), 0777));
    ASSERT_TRUE(testing::SetHostMode(Host("PP/Closed"), 0));
    const Lines expected = {"folder other d:\\PP\\Closed", "folder other d:\\PP",
                            "file deleted d:\\PP\\y.txt"};
    const bool agree = testing::AsUnprivilegedUser([&] {
        const DeleteTabOptions options = Options({"d:\\PP"}, DeleteTabMode::Complete);
        const Lines simulated = Simulate(fs_, options);
        const Lines run = Run(fs_, options);
        if (simulated != expected) std::fprintf(stderr, "the simulation differs\n");
        if (run != expected) std::fprintf(stderr, "the run differs\n");
        return simulated == expected && run == expected;
    });
    ASSERT_TRUE(testing::SetHostMode(Host("PP/Closed"), 0755));
    EXPECT_TRUE(agree);
    EXPECT_EQ(testing::TempDrives::ReadHostFile(Host("PP/Closed/x.txt")), "keep");
}

TEST_F(DeleteOutcomeTest, ReadOnlyFolderThatStaysKeepsItsAttribute) {
    const struct {
        const char* name;
        bool holdsOddName;  // not empty: a name the walk leaves alone stays in it
        bool removalFails;  // any other failure of the removal
    } cases[] = {
        {"not empty", true, false},
        {"removal refused", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Host("P"));
        Folder("P/RO");
        if (c.holdsOddName) File("P/RO/odd.");
        ASSERT_TRUE(testing::SetHostMode(Host("P/RO"), 0555));
        FaultyFileSystem faulty(drives_.Fs());
        if (c.removalFails) faulty.FailOn(Op::RemoveEmptyFolder, "d:\\P\\RO");
        DeleteTabOptions options = Options({"d:\\P"}, DeleteTabMode::SubfoldersOnly);
        options.readOnlyFolders = true;
        Run(faulty, options);
        EXPECT_EQ(Of(Vol07Category::FoldersOtherReasons), Lines{"d:\\P\\RO"});
        ASSERT_TRUE(std::filesystem::exists(Host("P/RO")));
        EXPECT_EQ(testing::HostMode(Host("P/RO")) & 0777, 0555u);
        testing::SetHostMode(Host("P/RO"), 0755);
    }
}

TEST_F(DeleteOutcomeTest, PatternWithAFolderPartDeletesNothing) {
    File("PP/keep.doc", "main");
    File("PP/Old/keep.doc", "old");
    File("keep.txt", "above");
    const auto before = testing::TreeSnapshot(host_);
    for (const DeleteTabMode mode :
         {DeleteTabMode::FilesInMainFolder, DeleteTabMode::FilesInTree}) {
        const DeleteTabOptions options =
            Options({"d:\\PP"}, mode, {"Old\\*.doc", "..\\*.txt", "Old/*.doc", "d:*.doc"});
        EXPECT_EQ(ToDo(fs_, options), (std::pair<double, double>{0, 0}));
        EXPECT_EQ(Simulate(fs_, options), Lines{});
        EXPECT_EQ(Run(fs_, options), Lines{});
    }
    EXPECT_EQ(testing::TreeSnapshot(host_), before);
}

}  // namespace
}  // namespace arbovane

namespace arbovane {
namespace {

// Only a main folder that truly is not there is "not exists"; one below a folder the user may
// not search is there for other reasons, in the run and in the simulation alike.
TEST_F(DeleteOutcomeTest, MainFolderTheUserMayNotReachIsOtherReasons) {
    File("Shut/In/x.txt", "keep");
    if (testing::RunsAsRoot()) {
        ASSERT_TRUE(testing::SetHostMode((host_ + "/.."), 0755));
    }
    for (const char* folder : {"", "/Start"})
        ASSERT_TRUE(testing::SetHostMode((host_ + folder), 0777));
    ASSERT_TRUE(testing::SetHostMode(Host("Shut"), 0));
    const Lines expected = {"folder missing d:\\Gone", "folder other d:\\Shut\\In"};
    const bool agree = testing::AsUnprivilegedUser([&] {
        const DeleteTabOptions options =
            Options({"d:\\Shut\\In", "d:\\Gone"}, DeleteTabMode::Complete);
        return Run(fs_, options) == expected && Simulate(fs_, options) == expected;
    });
    ASSERT_TRUE(testing::SetHostMode(Host("Shut"), 0755));
    EXPECT_TRUE(agree);
    EXPECT_EQ(testing::TempDrives::ReadHostFile(Host("Shut/In/x.txt")), "keep");
}

}  // namespace
}  // namespace arbovane
