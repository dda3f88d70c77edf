// Runs killed at many points: after each kill, undo from the journal file brings the tree back
// to its state before the run and touches nothing the run did not make. The kill points are
// counted in changes through the fault-injecting file system, and in time for the bare backend.
// ARBOVANE_CRASH_POINTS=all takes every change of a run four times as large (a long run, outside
// CI).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/ops/rename/FolderRename.h"
#include "core/run/JournalKeeper.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/RenameUndo.h"
#include "core/visuallog/VisualLog.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::FaultyFileSystem;
using testing::ScriptedMessenger;
using testing::TempDrives;
using testing::TreeSnapshot;
using Op = FaultyFileSystem::Op;
using Snapshot = std::map<std::string, std::string>;

enum class Operation { Copy, Create, Rename };

bool LongRun() {
    const char* wanted = std::getenv("ARBOVANE_CRASH_POINTS");
    return wanted && std::string(wanted) == "all";
}

// Include folders, names and folders to rename of a run.
int Width() {
    return LongRun() ? 12 : 3;
}

// Where a run is cut: before its n-th change reaches the disk, or right after it did.
struct KillPoint {
    int change = 0;
    bool after = false;
};

class JournalCrashTest : public ::testing::TestWithParam<Operation> {
protected:
    void SetUp() override {
        d_ = drives_.Map('D');
        e_ = drives_.Map('E');
        j_ = drives_.Map('J');
        TempDrives::MakeHostEntries(d_ + "/", {"Tpl/", "Tpl/Docs/", "Tpl/Docs/Old/", "Tpl/Mail/",
                                               "Tpl/Docs/a.txt", "Tpl/Docs/Old/b.txt",
                                               "Tpl/Mail/c.txt"});
        // The include folders, one already holding part of the structure and a file of its own.
        TempDrives::MakeHostEntries(e_ + "/", {"C2/Tpl/", "C2/Tpl/Docs/", "C2/Tpl/Docs/own.txt",
                                               "Dest/", "Ren/A/", "Ren/A/B/", "Ren/D_x/"});
        for (int i = 1; i <= Width(); ++i) {
            TempDrives::MakeHostEntries(e_ + "/", {"C" + std::to_string(i) + "/",
                                                   "Ren/R" + std::to_string(i) + "/"});
            include_.push_back("e:\\C" + std::to_string(i));
            names_.push_back("Name" + std::to_string(i));
            renames_.push_back("e:\\Ren\\R" + std::to_string(i));
        }
        renames_.insert(renames_.end(), {"e:\\Ren\\A", "e:\\Ren\\A\\B", "e:\\Ren\\D"});
    }

    // The run, with the journal written ahead through keeper.
    void RunOperation(JournalKeeper& keeper) {
        ScriptedMessenger messenger;
        for (int i = 0; i < 4; ++i) messenger.Answer(kAnswerYes);
        const Text& text = drives_.TextPort();
        keeper.SetPath("j:\\run.journal");
        switch (GetParam()) {
            case Operation::Copy: {
                VisualLog log(VisualLogTab::Vol08);
                RunJournal identity;
                identity.tab = UndoTab::Copy;
                CopyTabOptions options;
                options.includeLines = include_;
                options.templates = {"d:\\Tpl"};
                options.kind = TemplateKind::FullPath;
                options.mode = AttachMode::MainFolderWithFiles;
                options.patterns = {"*.*"};
                options.showVisualLog = false;
                CopyTotals totals;
                RunJournal journal = identity;
                RunCopyFolders({keeper.RunFileSystem(identity), text, messenger, log}, totals,
                               journal.folders, options, {});
                keeper.EndRun(journal);
                break;
            }
            case Operation::Create: {
                VisualLog log(VisualLogTab::Vol02);
                RunJournal identity;
                identity.tab = UndoTab::CreateI;
                CreateTabOptions options;
                options.tab = CreateTab::StringList;
                options.destination = "e:\\Dest";
                options.includeLines = names_;
                options.templates = {"\\Docs\\In", "\\Mail"};
                options.kind = TemplateKind::Relative;
                options.showVisualLog = false;
                options.showExplorer = false;
                CopyTotals totals;
                RunJournal journal = identity;
                CreateRunHooks hooks;
                hooks.openDestination = [](const std::string&) {};
                RunCreateFolders({keeper.RunFileSystem(identity), text, messenger, log}, totals,
                                 journal.folders, options, hooks);
                keeper.EndRun(journal);
                break;
            }
            case Operation::Rename: {
                VisualLog log(VisualLogTab::Vol06);
                RunJournal journal;
                journal.kind = RunJournal::Kind::Rename;
                RenameFields fields;
                fields.secondDelimiter = "_";
                fields.suffix = "x";
                RenameTabRun(keeper.RunFileSystem(journal), messenger, log, nullptr, nullptr)
                    .Rename(renames_, fields, false, journal.renames);
                keeper.EndRun(journal);
                break;
            }
        }
    }

    // Undo from the file the run left, as a program started anew would.
    void UndoFromFile() {
        JournalKeeper keeper(drives_.Fs(), "Arbovane 8.20");
        keeper.SetPath("j:\\run.journal");
        RunJournal journal;
        std::string error;
        ASSERT_EQ(keeper.Load(journal, error), JournalKeeper::LoadResult::Loaded) << error;
        ScriptedMessenger messenger;
        messenger.Answer(kAnswerYes);
        const UndoHooks hooks{[&] { keeper.BeginUndo(journal); },
                              [&] { keeper.EndUndo(journal); }};
        if (journal.kind == RunJournal::Kind::Rename) {
            VisualLog log(VisualLogTab::Vol06);
            RenameUndo(keeper.UndoFileSystem(), messenger, log).Run(journal.renames, hooks);
        } else {
            VisualLog log(LogTabOf(journal.tab));
            RunFolderFileUndo(journal.tab, journal.folders, log, keeper.UndoFileSystem(),
                              drives_.TextPort(), messenger, hooks);
        }
    }

    // The changes a whole run makes.
    int ChangesOfAWholeRun() {
        int changes = 0;
        Fork([&](FaultyFileSystem& faulty) {
            faulty.AfterMaking([&] { ++changes; });
        }, [&] { return changes; });
        return lastChanges_;
    }

    // Runs the operation in a child process, cut at point (or whole, change 0).
    void RunCut(KillPoint point) {
        int changes = 0;
        Fork([&](FaultyFileSystem& faulty) {
            for (Op op : {Op::CreateFolder, Op::CopyNewFile, Op::MoveFolderNoReplace})
                faulty.Before(op, [&, point](const std::string&) {
                    if (!point.after && ++changes == point.change) raise(SIGKILL);
                });
            faulty.AfterMaking([&, point] {
                if (point.after && ++changes == point.change) raise(SIGKILL);
            });
        }, [&] { return 0; });
    }

    void Fork(const std::function<void(FaultyFileSystem&)>& arm, const std::function<int()>& count) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            FaultyFileSystem faulty(drives_.Fs());
            arm(faulty);
            JournalKeeper keeper(faulty, "Arbovane 8.20");
            RunOperation(keeper);
            const int changes = count();
            (void)!write(pipeFds[1], &changes, sizeof changes);
            _exit(0);
        }
        close(pipeFds[1]);
        int status = 0;
        waitpid(child, &status, 0);
        lastChanges_ = 0;
        (void)!read(pipeFds[0], &lastChanges_, sizeof lastChanges_);
        close(pipeFds[0]);
    }

    // Runs the operation on the bare backend in a child process killed after delay.
    void RunKilledAfter(std::chrono::microseconds delay) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            JournalKeeper keeper(drives_.Fs(), "Arbovane 8.20");
            RunOperation(keeper);
            _exit(0);
        }
        // A negative delay waits for the run to end.
        if (delay.count() >= 0) {
            std::this_thread::sleep_for(delay);
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }

    TempDrives drives_;
    std::string d_, e_, j_;
    std::vector<std::string> include_, names_, renames_;
    int lastChanges_ = 0;
};

// Kill points spread over the run; a long run outside CI takes every one
// (ARBOVANE_CRASH_POINTS=all).
std::vector<KillPoint> KillPoints(int changes) {
    std::vector<KillPoint> points;
    const int step = LongRun() ? 1 : std::max(1, changes / 10);
    for (int change = 1; change <= changes; change += step)
        for (bool after : {false, true}) points.push_back({change, after});
    return points;
}

TEST_P(JournalCrashTest, UndoAfterAKillTakesBackExactlyWhatTheRunMade) {
    const Snapshot before = TreeSnapshot(e_);
    const int changes = ChangesOfAWholeRun();
    ASSERT_GT(changes, 4);
    // The whole run, taken back from its ended journal.
    UndoFromFile();
    ASSERT_EQ(TreeSnapshot(e_), before);
    for (const KillPoint& point : KillPoints(changes)) {
        SCOPED_TRACE(std::to_string(point.change) + (point.after ? " after" : " before"));
        RunCut(point);
        UndoFromFile();
        EXPECT_EQ(TreeSnapshot(e_), before);
        if (TreeSnapshot(e_) != before) break;
    }
}

TEST_P(JournalCrashTest, UndoAfterAKillInTimeTakesBackWhatTheRunMade) {
    const Snapshot before = TreeSnapshot(e_);
    // How long a whole run takes, child process included.
    const auto start = std::chrono::steady_clock::now();
    RunKilledAfter(std::chrono::microseconds(-1));
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    UndoFromFile();
    ASSERT_EQ(TreeSnapshot(e_), before);
    const int points = LongRun() ? 200 : 10;
    for (int i = 0; i < points; ++i) {
        const auto delay = whole * i / points;
        SCOPED_TRACE(std::to_string(delay.count()) + " us");
        RunKilledAfter(delay);
        UndoFromFile();
        EXPECT_EQ(TreeSnapshot(e_), before);
        if (TreeSnapshot(e_) != before) break;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, JournalCrashTest,
                         ::testing::Values(Operation::Copy, Operation::Create, Operation::Rename),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Operation::Copy:
                                     return "Copy";
                                 case Operation::Create:
                                     return "Create";
                                 default:
                                     return "Rename";
                             }
                         });

}  // namespace
}  // namespace arbovane
