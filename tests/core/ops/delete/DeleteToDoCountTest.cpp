#include "core/ops/delete/DeleteToDoCount.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DeleteFixture.h"
#include "core/ops/delete/DeleteRun.h"
#include "support/ScriptedMessenger.h"

namespace arbovane {
namespace {

using testing::DeleteFixture;
using testing::FaultyFileSystem;
using testing::Lines;

class DeleteToDoCountTest : public DeleteFixture {
protected:
    void SetUp() override {
        DeleteFixture::SetUp();
        File("A/a.txt");
        File("A/A1/b.txt");
        File("A/A1/c.doc");
        File("B/d.txt");
        File("B/e.doc");
        File("C/C1/C2/f.txt");
    }

    // One refresh as the tab makes it: how many main folders it measured, how many folders it
    // listed, and whether it counted at all.
    struct Outcome {
        bool counted = false;
        int measured = 0;
        int listings = 0;
    };
    Outcome Refresh(const Lines& lines, DeleteTabMode mode, const Lines& patterns) {
        return Observe([&](const DeleteToDoCount::Progress& progress) {
            return count_.Refresh(log_, lines, mode, patterns, progress);
        });
    }
    Outcome Recount(const Lines& lines, DeleteTabMode mode, const Lines& patterns) {
        return Observe([&](const DeleteToDoCount::Progress& progress) {
            count_.Recount(log_, lines, mode, patterns, progress);
            return true;
        });
    }
    Outcome Observe(const std::function<bool(const DeleteToDoCount::Progress&)>& body) {
        fs_.ResetCalls();
        Outcome outcome;
        outcome.counted = body([&](std::size_t, std::size_t total) {
            if (total > 0) ++outcome.measured;
        });
        outcome.listings = fs_.Calls(FaultyFileSystem::Op::Enumerate);
        return outcome;
    }
    // The counters shown must be those of a count from nothing.
    void ExpectFullRecount(const Lines& lines, DeleteTabMode mode, const Lines& patterns,
                           const std::string& step) {
        VisualLog fresh(VisualLogTab::Vol07);
        RefreshDeleteToDo(drives_.Fs(), drives_.TextPort(), fresh, lines, mode, patterns);
        EXPECT_EQ(Count(Vol07Counter::FoldersToDelete),
                  fresh.Counter(Vol07Counter::FoldersToDelete))
            << step;
        EXPECT_EQ(Count(Vol07Counter::FilesToDelete), fresh.Counter(Vol07Counter::FilesToDelete))
            << step;
        EXPECT_EQ(static_cast<double>(count_.Folders()),
                  fresh.Counter(Vol07Counter::FoldersToDelete))
            << step;
    }

    DeleteToDoCount count_{fs_, drives_.TextPort()};
};

TEST_F(DeleteToDoCountTest, MeasuresExactlyWhatTheCountedInputsChanged) {
    using M = DeleteTabMode;
    const struct {
        const char* step;
        Lines lines;
        M mode;
        Lines patterns;
        bool counted;
        int measured;
    } steps[] = {
        {"first count", {"d:\\B"}, M::SubfoldersOnly, {}, true, 1},
        {"nothing changed", {"d:\\B"}, M::SubfoldersOnly, {}, false, 0},
        {"a line added", {"d:\\B", "d:\\C"}, M::SubfoldersOnly, {}, true, 1},
        {"the same lines in another order", {"d:\\C", "d:\\B"}, M::SubfoldersOnly, {}, true, 0},
        {"a nested line of its own",
         {"d:\\C", "d:\\B", "d:\\A\\A1"},
         M::SubfoldersOnly,
         {},
         true,
         1},
        {"its parent takes it in",
         {"d:\\C", "d:\\B", "d:\\A\\A1", "d:\\A"},
         M::SubfoldersOnly,
         {},
         true,
         1},
        {"the parent goes, the child is a main folder again",
         {"d:\\C", "d:\\B", "d:\\A\\A1"},
         M::SubfoldersOnly,
         {},
         true,
         1},
        {"a line removed", {"d:\\C", "d:\\A\\A1"}, M::SubfoldersOnly, {}, true, 0},
        {"the selection does not count in a structure mode",
         {"d:\\C", "d:\\A\\A1"},
         M::SubfoldersOnly,
         {"*.txt"},
         false,
         0},
        {"another mode", {"d:\\C", "d:\\A\\A1"}, M::Complete, {}, true, 2},
        {"a file mode", {"d:\\C", "d:\\A\\A1"}, M::FilesInTree, {"*.txt"}, true, 2},
        {"the same selection", {"d:\\C", "d:\\A\\A1"}, M::FilesInTree, {"*.txt"}, false, 0},
        {"another selection", {"d:\\C", "d:\\A\\A1"}, M::FilesInTree, {"*.doc"}, true, 2},
        {"an empty selection is every file", {"d:\\C", "d:\\A\\A1"}, M::FilesInTree, {}, true, 2},
        {"and the same as *.*", {"d:\\C", "d:\\A\\A1"}, M::FilesInTree, {"*.*"}, false, 0},
        {"a missing folder and a drive are never measured",
         {"d:\\C", "d:\\A\\A1", "d:\\Missing", "d:\\"},
         M::FilesInTree,
         {},
         true,
         0},
        {"the main folders alone",
         {"d:\\A", "d:\\A\\A1", "d:\\B"},
         M::FilesInMainFolder,
         {},
         true,
         3},
        {"an emptied list", {}, M::FilesInMainFolder, {}, true, 0},
    };
    for (const auto& s : steps) {
        const Outcome outcome = Refresh(s.lines, s.mode, s.patterns);
        EXPECT_EQ(outcome.counted, s.counted) << s.step;
        EXPECT_EQ(outcome.measured, s.measured) << s.step;
        // No count lists anything but the folders it measures.
        if (s.measured == 0) {
            EXPECT_EQ(outcome.listings, 0) << s.step;
        }
        ExpectFullRecount(s.lines, s.mode, s.patterns, s.step);
    }
}

TEST_F(DeleteToDoCountTest, KeptMeasurementsAreTakenAgainOnlyWhenAskedTo) {
    const Lines lines = {"d:\\A", "d:\\B"};
    EXPECT_EQ(Refresh(lines, DeleteTabMode::SubfoldersOnly, {}).measured, 2);
    File("B/new.txt");
    // The disk changed behind the count: a refresh with the same inputs keeps what it measured.
    EXPECT_FALSE(Refresh(lines, DeleteTabMode::SubfoldersOnly, {}).counted);
    EXPECT_EQ(Count(Vol07Counter::FilesToDelete), 5);

    EXPECT_EQ(Recount(lines, DeleteTabMode::SubfoldersOnly, {}).measured, 2);
    ExpectFullRecount(lines, DeleteTabMode::SubfoldersOnly, {}, "recount");

    File("A/new.txt");
    count_.Forget();
    const Outcome afterForget = Refresh(lines, DeleteTabMode::SubfoldersOnly, {});
    EXPECT_TRUE(afterForget.counted);
    EXPECT_EQ(afterForget.measured, 2);
    ExpectFullRecount(lines, DeleteTabMode::SubfoldersOnly, {}, "after Forget");

    // Counters zeroed from outside show the count again without measuring.
    log_.ZeroCounters();
    EXPECT_EQ(Refresh(lines, DeleteTabMode::SubfoldersOnly, {}).listings, 0);
    ExpectFullRecount(lines, DeleteTabMode::SubfoldersOnly, {}, "after zeroing");
}

TEST_F(DeleteToDoCountTest, ALineThatComesBackIsProbedAndMeasuredAfresh) {
    EXPECT_EQ(Refresh({"d:\\B", "d:\\D"}, DeleteTabMode::SubfoldersOnly, {}).measured, 1);
    Refresh({"d:\\B"}, DeleteTabMode::SubfoldersOnly, {});
    File("D/g.txt");
    // d:\D did not exist when it was listed first; back in the list it is seen as it is now.
    EXPECT_EQ(Refresh({"d:\\B", "d:\\D"}, DeleteTabMode::SubfoldersOnly, {}).measured, 1);
    ExpectFullRecount({"d:\\B", "d:\\D"}, DeleteTabMode::SubfoldersOnly, {}, "back");
}

TEST_F(DeleteToDoCountTest, ARunMeasuresEverythingAndARealOneLeavesItToBeMeasuredAgain) {
    testing::ScriptedMessenger messenger;
    const DeleteRunPorts ports{fs_, drives_.TextPort(), messenger, log_, &count_};
    DeleteTabOptions options;
    options.includeLines = {"d:\\A", "d:\\B"};
    options.doubleConfirm = false;
    options.showVisualLog = false;
    EXPECT_EQ(Refresh(options.includeLines, options.mode, {}).measured, 2);

    File("B/new.txt");
    RunDeleteSimulation(ports, options, {});
    ExpectFullRecount(options.includeLines, options.mode, {}, "simulation");
    // The simulation's count is the one kept: nothing changed since.
    EXPECT_FALSE(Refresh(options.includeLines, options.mode, {}).counted);

    messenger.Answer(kAnswerYes);
    ASSERT_TRUE(RunDeleteFolders(ports, options, {}));
    const Outcome after = Refresh(options.includeLines, options.mode, {});
    EXPECT_TRUE(after.counted);
    EXPECT_EQ(after.measured, 2);
    EXPECT_EQ(Count(Vol07Counter::FilesToDelete), 0);
    ExpectFullRecount(options.includeLines, options.mode, {}, "after the run");
}

}  // namespace
}  // namespace arbovane
