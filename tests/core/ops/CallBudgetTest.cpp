// How many port calls a run makes per entry. A call is one call of FileSystem or of a FolderTree
// it opened (opening one included) that reaches the backend: on a file server each is at least
// one round trip, so these budgets decide whether large runs over a share take seconds or
// minutes. Each budget must hold for small and large runs alike, so the cost per entry does not
// grow with the run.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "support/CountingFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"

namespace arbovane::testing {
namespace {

// Calls a run may make whatever its size: opening the destination, free space, the journal's
// own checks.
constexpr double kConstant = 64;

class CallBudgetTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        d_ = drives_.Map('D');
        e_ = drives_.Map('E');
    }

    // Runs what and checks it cost at most perEntry calls for each of entries, plus the constant.
    template <class What>
    void Within(const char* run, double perEntry, std::uint64_t entries, What what) {
        counting_.Reset();
        what();
        const double calls = static_cast<double>(counting_.Calls());
        EXPECT_LE(calls, perEntry * static_cast<double>(entries) + kConstant)
            << run << ": " << calls / static_cast<double>(entries) << " calls per entry\n"
            << counting_.Summary();
    }
    void Yes() {
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
    }
    void Undo(UndoTab tab, UndoJournal& journal, VisualLog& log) {
        Yes();
        RunFolderFileUndo(tab, journal, log, counting_, drives_.TextPort(), messenger_);
    }
    std::size_t HostEntries(const std::string& folder) const { return Left(folder).size(); }
    std::vector<std::string> Left(const std::string& folder) const {
        std::vector<std::string> left;
        for (auto it = std::filesystem::recursive_directory_iterator(folder);
             it != std::filesystem::recursive_directory_iterator(); ++it)
            left.push_back(it->path().string());
        return left;
    }

    TempDrives drives_;
    std::string d_, e_;
    CountingFileSystem counting_{drives_.Fs()};
    ScriptedMessenger messenger_;
};

TEST_P(CallBudgetTest, NumberedFoldersAndTheirUndo) {
    const int n = GetParam();
    TempDrives::MakeHostFolder(e_ + "/Dest");
    CreateTabOptions options;
    options.tab = CreateTab::Numbers;
    options.destination = "e:\\Dest";
    options.startText = "1";
    options.endText = std::to_string(n);
    options.kind = TemplateKind::Nothing;
    VisualLog log{VisualLogTab::Vol02};
    CopyTotals totals;
    UndoJournal journal;
    Within("create", 3, n, [&] {
        Yes();
        ASSERT_TRUE(RunCreateFolders({counting_, drives_.TextPort(), messenger_, log}, totals,
                                     journal, options, {}));
    });
    ASSERT_EQ(HostEntries(e_ + "/Dest"), static_cast<std::size_t>(n));
    Within("undo", 3, n, [&] { Undo(UndoTab::CreateIII, journal, log); });
    EXPECT_EQ(HostEntries(e_), 1u) << "only the destination stays";
}

// Each new folder gets a relative template of two levels: three folders made per number.
TEST_P(CallBudgetTest, FoldersWithARelativeTemplateAndTheirUndo) {
    const int n = GetParam() / 3;
    TempDrives::MakeHostFolder(e_ + "/Dest");
    CreateTabOptions options;
    options.tab = CreateTab::Numbers;
    options.destination = "e:\\Dest";
    options.startText = "1";
    options.endText = std::to_string(n);
    options.kind = TemplateKind::Relative;
    options.templates = {"\\Docs\\Old"};
    VisualLog log{VisualLogTab::Vol02};
    CopyTotals totals;
    UndoJournal journal;
    Within("create", 3, 3 * n, [&] {
        Yes();
        ASSERT_TRUE(RunCreateFolders({counting_, drives_.TextPort(), messenger_, log}, totals,
                                     journal, options, {}));
    });
    ASSERT_EQ(HostEntries(e_ + "/Dest"), static_cast<std::size_t>(3 * n));
    Within("undo", 3, 3 * n, [&] { Undo(UndoTab::CreateIII, journal, log); });
    EXPECT_EQ(HostEntries(e_), 1u);
}

// A template of folders holding nine files each, copied with its files into one folder, then
// taken back; the copies are then deleted whole from another tree.
TEST_P(CallBudgetTest, CopyWithFilesItsUndoAndDelete) {
    const int folders = GetParam() / 10;
    for (int i = 0; i < folders; ++i) {
        const std::string folder = d_ + "/T/F" + std::to_string(i);
        TempDrives::MakeHostFolder(folder);
        for (int f = 0; f < 9; ++f)
            TempDrives::WriteHostFile(folder + "/file" + std::to_string(f) + ".txt", "x");
    }
    TempDrives::MakeHostFolder(e_ + "/In");
    const std::uint64_t entries = HostEntries(d_ + "/T");
    CopyTabOptions options;
    options.includeLines = {"e:\\In"};
    options.templates = {"d:\\T"};
    options.kind = TemplateKind::FullPath;
    options.mode = AttachMode::MainFolderWithFiles;
    options.patterns = {"*.*"};
    VisualLog log{VisualLogTab::Vol08};
    // The tab keeps its totals after the run; the template's folders must not stay open with
    // them, as Windows would then refuse to delete them.
    auto totals = std::make_unique<CopyTotals>();
    UndoJournal journal;
    Within("copy", 9, entries, [&] {
        Yes();
        ASSERT_TRUE(RunCopyFolders({counting_, drives_.TextPort(), messenger_, log}, *totals,
                                   journal, options, {}));
    });
    ASSERT_EQ(HostEntries(e_ + "/In"), entries + 1);
    Within("undo", 3, entries, [&] { Undo(UndoTab::Copy, journal, log); });
    EXPECT_EQ(HostEntries(e_ + "/In"), 0u);

    DeleteTabOptions remove;
    remove.includeLines = {"d:\\T"};
    remove.mode = DeleteTabMode::Complete;
    remove.showVisualLog = false;
    VisualLog deleteLog{VisualLogTab::Vol07};
    Within("delete", 2.3, entries, [&] {
        Yes();
        messenger_.Answer(kAnswerYes);
        ASSERT_TRUE(
            RunDeleteFolders({counting_, drives_.TextPort(), messenger_, deleteLog}, remove, {}));
    });
    const std::vector<std::string> left = Left(d_);
    EXPECT_TRUE(left.empty()) << left.size() << " left, first " << left.front();
}

INSTANTIATE_TEST_SUITE_P(Sizes, CallBudgetTest, ::testing::Values(1000, 10000));

}  // namespace
}  // namespace arbovane::testing
