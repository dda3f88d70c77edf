#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/undo/FolderFileUndo.h"
#include "core/undo/UndoPlan.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::TempDrives;
namespace stdfs = std::filesystem;

class UndoRecoveryTest : public ::testing::Test {
protected:
    void SetUp() override { e_ = drives_.Map('E'); }

    // The failed-undo plan, the one an interrupted run's journal is taken back with.
    FolderFileUndo& Undo(const std::vector<std::string>& folders,
                         const std::vector<std::string>& files) {
        undo_.SetMainFolders({});
        undo_.SetStructureFolders(folders);
        undo_.SetFiles(files);
        undo_.QueueByPlan(*FindUndoPlan(UndoTab::Copy, UndoJournalState::FailedUndo));
        undo_.DeleteFiles();
        undo_.RemoveFolders();
        return undo_;
    }
    std::int64_t NowNs() const {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }

    TempDrives drives_;
    std::string e_;
    FolderFileUndo undo_{drives_.Fs(), drives_.TextPort()};
};

// An edit that keeps the size and sets the modification time back is still an edit: the change
// time and the file's identity give it away.
TEST_F(UndoRecoveryTest, AnEditedCopyWithItsTimesRestoredIsKept) {
    TempDrives::MakeHostEntries(e_ + "/", {"src/", "src/a.txt", "out/"});
    // A whole second, which every host can set back exactly.
    const stdfs::path source = TempDrives::HostPathOf(e_ + "/src/a.txt");
    const auto since = stdfs::last_write_time(source).time_since_epoch();
    stdfs::last_write_time(
        source, stdfs::file_time_type(std::chrono::duration_cast<stdfs::file_time_type::duration>(
                    std::chrono::floor<std::chrono::seconds>(since))));
    FileStamp stamp;
    ASSERT_EQ(drives_.Fs().CopyNewFile("e:\\src\\a.txt", "e:\\out\\a.txt", stamp),
              CreateOutcome::Created);
    const stdfs::path copy = TempDrives::HostPathOf(e_ + "/out/a.txt");
    const auto modified = stdfs::last_write_time(copy);
    const std::string content = TempDrives::ReadHostFile(e_ + "/out/a.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    TempDrives::WriteHostFile(e_ + "/out/a.txt", std::string(content.size(), 'X'));
    stdfs::last_write_time(copy, modified);

    FileStamp now;
    ASSERT_TRUE(drives_.Fs().GetFileStamp("e:\\out\\a.txt", now));
    EXPECT_EQ(now.size, stamp.size);
    EXPECT_EQ(now.modifiedNs, stamp.modifiedNs);
    undo_.SetFileStamps({{"e:\\out\\a.txt", stamp}});
    Undo({"e:\\out"}, {"e:\\out\\a.txt"});
    EXPECT_EQ(undo_.Result().changedFiles, std::vector<std::string>{"e:\\out\\a.txt"});
    EXPECT_EQ(TempDrives::ReadHostFile(e_ + "/out/a.txt"), std::string(content.size(), 'X'));
}

// The entry an interrupted run was making: taken back when it is newer than the run, left when
// it was there before and the run only found it.
TEST_F(UndoRecoveryTest, TheUnconfirmedEntryIsTakenOnlyWhenTheRunMadeIt) {
    TempDrives::MakeHostEntries(e_ + "/", {"old/", "old/empty/", "old/kept.txt"});
    const std::int64_t start = NowNs() + 60'000'000'000LL;  // a run that started after them
    undo_.SetUnconfirmed("e:\\old\\empty", start);
    Undo({"e:\\old\\empty"}, {});
    EXPECT_TRUE(stdfs::exists(TempDrives::HostPathOf(e_ + "/old/empty")));

    FolderFileUndo second(drives_.Fs(), drives_.TextPort());
    second.SetUnconfirmed("e:\\old\\kept.txt", start);
    second.SetStructureFolders({});
    second.SetFiles({"e:\\old\\kept.txt"});
    second.QueueByPlan(*FindUndoPlan(UndoTab::Copy, UndoJournalState::FailedUndo));
    second.DeleteFiles();
    EXPECT_TRUE(stdfs::exists(TempDrives::HostPathOf(e_ + "/old/kept.txt")));
    EXPECT_TRUE(second.FailedFiles().empty());

    TempDrives::MakeHostEntries(e_ + "/", {"new/"});
    FolderFileUndo third(drives_.Fs(), drives_.TextPort());
    third.SetUnconfirmed("e:\\new", NowNs() - 60'000'000'000LL);
    third.SetStructureFolders({"e:\\new"});
    third.QueueByPlan(*FindUndoPlan(UndoTab::Copy, UndoJournalState::FailedUndo));
    third.RemoveFolders();
    EXPECT_FALSE(stdfs::exists(TempDrives::HostPathOf(e_ + "/new")));
}

// A file an undo that was cut off had deleted counts as deleted, not as failed.
TEST_F(UndoRecoveryTest, FilesAnInterruptedUndoHadDeletedAreNotReportedAgain) {
    undo_.SetUndoStartedFiles({"e:\\gone.txt"});
    Undo({}, {"e:\\gone.txt", "e:\\never.txt"});
    EXPECT_EQ(undo_.FailedFiles(), std::vector<std::string>{"e:\\never.txt"});
}

}  // namespace
}  // namespace arbovane
